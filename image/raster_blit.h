#pragma once
// Block copies and stretched copies between images, with raster operations and colour
// matching: identical tables copy indices, different tables go through an index map, a
// 24-bit source onto a table through nearest-colour matching, a table onto 24 bits through
// the colours. Everything is clipped to both images.
#include <cstdint>
#include <memory>
#include <vector>

#include "image/color_match.h"
#include "image/dib_canvas.h"

namespace pixmo {

// Turns pixels of one image into stored values of another.
class TPixelConverter {
public:
    TPixelConverter(const TDib& source, const TDib& dest, int64_t pixels);
    // Source and destination store the same values: bytes pass unchanged.
    bool Identity() const { return FIdentity; }
    // `count` source pixels (source layout) to `count` destination pixels.
    void Convert(const uint8_t* source, uint8_t* dest, int count);

private:
    int FSrcBytes, FDstBytes;
    bool FIdentity;
    std::array<uint8_t, 256> FIndexMap{};
    std::array<uint32_t, 256> FTable{};  // source index to colour word
    std::unique_ptr<TColorMatcher> FMatcher;
};

// The bytes of a destination row after the raster operation with source bytes.
void ApplyCopyMode(TCopyMode mode, uint8_t* dest, const uint8_t* source, size_t bytes);

void BlitRect(TDib& dest, TPoint point, const TDib& source, const TRect& srcRect, TCopyMode mode);

// Destination corners a and b (reversed to mirror); a source rectangle with Right < Left or
// Bottom < Top mirrors as well. Destination pixel i along an axis takes source pixel
// floor(i * srcSize / destSize). False when the source rectangle is empty.
bool StretchRect(TDib& dest, TPoint a, TPoint b, const TDib& source, const TRect& srcRect, TCopyMode mode);

}  // namespace pixmo
