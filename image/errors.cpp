#include "image/errors.h"

#include <cstdarg>
#include <cstdio>

namespace pixmo {

std::string Format(const char* fmt, ...) {
    va_list args;
    va_start(args, fmt);
    va_list copy;
    va_copy(copy, args);
    int n = std::vsnprintf(nullptr, 0, fmt, copy);
    va_end(copy);
    std::string out;
    if (n > 0) {
        out.resize(static_cast<size_t>(n) + 1);
        std::vsnprintf(out.data(), out.size(), fmt, args);
        out.resize(static_cast<size_t>(n));
    }
    va_end(args);
    return out;
}

std::string FillPlaceholders(const std::string& text, const std::vector<std::string>& args) {
    std::string out;
    out.reserve(text.size());
    for (size_t i = 0; i < text.size(); ++i) {
        char c = i + 1 < text.size() ? text[i + 1] : '\0';
        if (text[i] == '%' && c >= '1' && c <= '9' && static_cast<size_t>(c - '1') < args.size()) {
            out += args[static_cast<size_t>(c - '1')];
            ++i;
        } else {
            out += text[i];
        }
    }
    return out;
}

std::string TMessage::Text() const { return FillPlaceholders(Source, Args); }

TMessage MessageOf(const std::exception& e) {
    if (auto* error = dynamic_cast<const EPixmoError*>(&e)) return error->Message();
    return TMessage{"", e.what(), {}, {}};
}

TMessage AboutFile(const std::exception& e, const std::string& fileName, TSourceText wrapper) {
    TMessage message = MessageOf(e);
    for (const std::string& arg : message.Args)
        if (arg == fileName) return message;
    return Msg(wrapper, fileName, message);
}

void RaiseError(const std::string& message) { throw EPixmoError(message); }
void RaiseError(TMessage message) { throw EPixmoError(std::move(message)); }

}  // namespace pixmo
