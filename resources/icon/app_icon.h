#pragma once
// The program's own icon, drawn as pixel art on a 16 x 16 grid: four colour swatches in a
// frame. The installed PNG sizes are whole multiples of it and the scalable icon is the same
// grid as squares, so every size shows the same picture.
#include <array>
#include <cstdint>

namespace pixmo {

inline constexpr int kAppIconSide = 16;

inline constexpr std::array<const char*, kAppIconSide> kAppIconRows = {
    "................",
    ".##############.",
    ".#wwwwwwwwwwww#.",
    ".#wRRRRwwGGGGw#.",
    ".#wRRRRwwGGGGw#.",
    ".#wRRRRwwGGGGw#.",
    ".#wRRRRwwGGGGw#.",
    ".#wwwwwwwwwwww#.",
    ".#wwwwwwwwwwww#.",
    ".#wBBBBwwYYYYw#.",
    ".#wBBBBwwYYYYw#.",
    ".#wBBBBwwYYYYw#.",
    ".#wBBBBwwYYYYw#.",
    ".#wwwwwwwwwwww#.",
    ".##############.",
    "................",
};

// 0xAARRGGBB of a grid character; '.' is transparent.
inline constexpr uint32_t AppIconColour(char c) {
    switch (c) {
        case '#': return 0xFF303844;
        case 'w': return 0xFFF4F1E8;
        case 'R': return 0xFFD83A3A;
        case 'G': return 0xFF3DAA4E;
        case 'B': return 0xFF3A66D8;
        case 'Y': return 0xFFF2C230;
        default: return 0x00000000;
    }
}

}  // namespace pixmo
