#pragma once
// A font as plain data and its text form in the settings file: "size,style,colour,name",
// name last so that it may hold commas. The UI kit maps it to a real font.
#include <cstdint>
#include <string>
#include <string_view>

namespace pixmo {

enum : uint8_t { kFontBold = 1, kFontItalic = 2, kFontUnderline = 4, kFontStrikeOut = 8 };

struct TFontSpec {
    std::string Name;
    int Size = 9;        // points, 1 … 1000
    uint8_t Style = 0;   // kFontBold | kFontItalic | …
    int32_t Color = 0;   // 0x00BBGGRR
    bool operator==(const TFontSpec&) const = default;
};

std::string FontToText(const TFontSpec& font);
// False, and the font unchanged, when the text is not in the form FontToText writes.
bool TextToFont(std::string_view text, TFontSpec& font);

// The text window's font description "%s,%d,%d,%d": face name, point size, style bits and
// character set. The system chooses the character set, so 1 (any) is written.
std::string FontDescription(const TFontSpec& font);
// The font a description names (its colour kept). A missing or bad size gives 9, style 0
// and character set 128; a name holding commas reads back whole.
TFontSpec ParseFontDescription(std::string_view text, const TFontSpec& base, int* charSet = nullptr);

}  // namespace pixmo
