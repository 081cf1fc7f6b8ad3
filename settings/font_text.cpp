#include "settings/font_text.h"

#include <optional>

#include "settings/int_text.h"

namespace pixmo {

std::string FontToText(const TFontSpec& font) {
    return std::to_string(font.Size) + "," + std::to_string(font.Style) + "," + std::to_string(font.Color) + "," +
           font.Name;
}

bool TextToFont(std::string_view text, TFontSpec& font) {
    int32_t fields[3];
    for (int32_t& field : fields) {
        size_t comma = text.find(',');
        if (comma == std::string_view::npos) return false;
        std::optional<int32_t> v = ParseInt32(text.substr(0, comma));
        if (!v) return false;
        field = *v;
        text.remove_prefix(comma + 1);
    }
    if (fields[0] < 1 || fields[0] > 1000 || fields[1] < 0 || fields[1] > 15) return false;
    font.Size = fields[0];
    font.Style = static_cast<uint8_t>(fields[1]);
    font.Color = fields[2];
    font.Name = std::string(text);
    return true;
}

}  // namespace pixmo
