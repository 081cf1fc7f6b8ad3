#include "uikit/core_text.h"

#include <QCoreApplication>

namespace pixmo {

QString CoreText(const TMessage& message) {
    if (!*message.Context) return QString::fromStdString(message.Text());
    QString text = QCoreApplication::translate(message.Context, message.Source.c_str());
    QString out;
    out.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        QChar c = i + 1 < text.size() ? text[i + 1] : QChar();
        size_t n = static_cast<size_t>(c.unicode() - u'1');
        if (text[i] == u'%' && c >= u'1' && c <= u'9' && n < message.Args.size()) {
            const bool inner = n < message.Inner.size() && *message.Inner[n].Context;
            out += inner ? CoreText(message.Inner[n]) : QString::fromStdString(message.Args[n]);
            ++i;
        } else {
            out += text[i];
        }
    }
    return out;
}

QString ErrorText(const std::exception& e) {
    return CoreText(MessageOf(e));
}

}  // namespace pixmo
