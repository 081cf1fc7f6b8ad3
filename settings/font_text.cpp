#include "settings/font_text.h"

#include <optional>
#include <vector>

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

std::string FontDescription(const TFontSpec& font) {
    return font.Name + "," + std::to_string(font.Size) + "," + std::to_string(font.Style) + ",1";
}

TFontSpec ParseFontDescription(std::string_view text, const TFontSpec& base, int* charSet) {
    std::vector<std::string_view> fields;
    for (size_t comma; (comma = text.find(',')) != std::string_view::npos; text.remove_prefix(comma + 1))
        fields.push_back(text.substr(0, comma));
    fields.push_back(text);
    // The last three fields are the numbers; whatever stands before them is the name.
    const size_t numbers = fields.size() >= 4 ? fields.size() - 3 : 1;
    TFontSpec font = base;
    font.Name.clear();
    for (size_t i = 0; i < numbers && i < fields.size(); ++i) font.Name += (i ? "," : "") + std::string(fields[i]);
    auto field = [&](size_t i) { return i < fields.size() ? ParseInt32(fields[i]) : std::nullopt; };
    const std::optional<int32_t> size = field(numbers), style = field(numbers + 1), set = field(numbers + 2);
    const bool sizeOk = size && *size >= 1 && *size <= 1000;
    font.Size = sizeOk ? *size : 9;
    font.Style = sizeOk && style ? static_cast<uint8_t>(*style & 15) : 0;
    if (charSet) *charSet = sizeOk && set ? *set : 128;
    return font;
}

}  // namespace pixmo
