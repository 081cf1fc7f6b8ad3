#include "settings/int_text.h"

#include <algorithm>

namespace pixmo {

std::optional<int32_t> ParseInt32(std::string_view text) {
    bool negative = false;
    if (!text.empty() && (text[0] == '-' || text[0] == '+')) {
        negative = text[0] == '-';
        text.remove_prefix(1);
    }
    if (text.empty()) return std::nullopt;
    int64_t v = 0;
    for (char c : text) {
        if (c < '0' || c > '9') return std::nullopt;
        v = v * 10 + (c - '0');
        if (v > int64_t{1} << 31) return std::nullopt;
    }
    if (negative) v = -v;
    if (v > INT32_MAX || v < INT32_MIN) return std::nullopt;
    return static_cast<int32_t>(v);
}

void ScanIntArray(std::string_view text, std::span<int32_t> values) {
    std::fill(values.begin(), values.end(), 0);
    auto inRun = [](char c) { return (c >= '0' && c <= '9') || c == '-'; };
    size_t n = 0;
    size_t i = 0;
    while (n < values.size() && i < text.size()) {
        if (!inRun(text[i])) {
            ++i;
            continue;
        }
        size_t start = i;
        while (i < text.size() && inRun(text[i])) ++i;
        values[n++] = ParseInt32(text.substr(start, i - start)).value_or(0);
    }
}

}  // namespace pixmo
