#include "translations/core_text.h"

#include <QCoreApplication>

namespace pixmo {

std::string CoreTextBytes(const TMessage& message) {
    if (!*message.Context) return message.Text();
    // Arguments that are messages themselves are translated in their place.
    std::vector<std::string> args = message.Args;
    for (size_t n = 0; n < message.Inner.size() && n < args.size(); ++n)
        if (*message.Inner[n].Context) args[n] = CoreTextBytes(message.Inner[n]);
    return FillPlaceholders(QCoreApplication::translate(message.Context, message.Source.c_str()).toStdString(), args);
}

std::string ErrorTextBytes(const std::exception& e) { return CoreTextBytes(MessageOf(e)); }

QString CoreText(const TMessage& message) { return QString::fromStdString(CoreTextBytes(message)); }

QString ErrorText(const std::exception& e) { return QString::fromStdString(ErrorTextBytes(e)); }

}  // namespace pixmo
