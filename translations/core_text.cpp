#include "translations/core_text.h"

#include <QCoreApplication>

namespace pixmo {

std::string CoreTextBytes(const TMessage& message) {
    if (!*message.Context) return message.Text();
    return FillPlaceholders(QCoreApplication::translate(message.Context, message.Source.c_str()).toStdString(),
                            message.Args);
}

std::string ErrorTextBytes(const std::exception& e) {
    if (auto* error = dynamic_cast<const EPixmoError*>(&e)) return CoreTextBytes(error->Message());
    return e.what();
}

QString CoreText(const TMessage& message) { return QString::fromStdString(CoreTextBytes(message)); }

QString ErrorText(const std::exception& e) { return QString::fromStdString(ErrorTextBytes(e)); }

}  // namespace pixmo
