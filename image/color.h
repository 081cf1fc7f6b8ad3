#pragma once
// Colour references, colour-table words and the depth rules.
//
// A colour reference is 0x00BBGGRR (red in the low byte). A colour table entry is the
// four bytes blue, green, red, 0, which read as a little-endian word give 0x00RRGGBB.
// A canvas colour is either a colour reference or, with the top byte 0x01, a palette
// index (as the platform's PALETTEINDEX); tools draw with palette indices.
#include <cstdint>
#include <string>

#include "image/errors.h"

namespace pixmo {

using TColorRef = uint32_t;
using TColor = uint32_t;  // canvas colour: colour reference or PaletteIndex(n)

constexpr TColorRef RGB(int r, int g, int b) {
    return static_cast<TColorRef>((r & 0xFF) | ((g & 0xFF) << 8) | ((b & 0xFF) << 16));
}
constexpr int GetRValue(TColorRef c) { return static_cast<int>(c & 0xFF); }
constexpr int GetGValue(TColorRef c) { return static_cast<int>((c >> 8) & 0xFF); }
constexpr int GetBValue(TColorRef c) { return static_cast<int>((c >> 16) & 0xFF); }

constexpr TColor PaletteIndex(int index) { return 0x01000000u | static_cast<uint32_t>(index & 0xFF); }
constexpr bool IsPaletteIndex(TColor c) { return (c & 0xFF000000u) == 0x01000000u; }

constexpr uint32_t ColorRefToTableWord(TColorRef c) {
    return ((c & 0xFF) << 16) | (c & 0xFF00) | ((c >> 16) & 0xFF);
}
constexpr TColorRef TableWordToColorRef(uint32_t w) {
    return ((w & 0xFF) << 16) | (w & 0xFF00) | ((w >> 16) & 0xFF);
}

// Colours of a depth: 1 -> 2, 4 -> 16, 8 -> 256, 16/24/32 -> 0; raises
// "An illegal bit count:%d" for anything else.
int ColorsOfDepth(int bitCount);

// Depth for a number of colours: 1..2 -> 1, 3..16 -> 4, 17..256 -> 8, 0 and above 256 -> 24.
int DepthForColors(int colors);

// Display name of a depth, as used in "%1 doesn't cope with a picture.": the message for the
// catalogues, and its source text.
TMessage DepthDisplayText(int bitCount);
std::string DepthDisplayName(int bitCount);

// The message for a depth the program cannot hold or that a colour-table image needs, and
// its source text.
TMessage DepthRefused(int bitCount);
std::string DepthRefusedMessage(int bitCount);

}  // namespace pixmo
