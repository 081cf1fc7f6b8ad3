#pragma once
// The raster image a TKPNGLE holds: 1, 4, 8 or 24 bits per pixel, a palette of up to 256
// colour-table words (0x00RRGGBB), rows padded to 4 bytes. Rows are kept bottom-up in
// memory, the order of a DIB, so that the bits go to TDib::CreateFromInfo as they are;
// ScanLine(0) is still the top row.
#include <cstdint>
#include <memory>
#include <vector>

namespace pixmo {

class TPngImageStore {
public:
    // Refuses sizes over 8000 and non-positive sizes with the image model's messages
    // before allocating; bitCount must be 1, 4, 8 or 24.
    static std::unique_ptr<TPngImageStore> Create(int width, int height, int bitCount);

    int Width() const { return FWidth; }
    int Height() const { return FHeight; }
    int BitCount() const { return FBitCount; }
    int LineBytes() const { return FLineBytes; }

    uint8_t* ScanLine(int y) { return FBits.data() + static_cast<size_t>(FHeight - 1 - y) * FLineBytes; }
    const uint8_t* ScanLine(int y) const {
        return FBits.data() + static_cast<size_t>(FHeight - 1 - y) * FLineBytes;
    }
    // All rows, bottom row first.
    const std::vector<uint8_t>& Bits() const { return FBits; }
    uint8_t* BitsData() { return FBits.data(); }

    // Up to 256 colour-table words.
    std::vector<uint32_t> Palette;
    // The palette entries' opacity (written as tRNS); empty when all are opaque.
    std::vector<uint8_t> PaletteAlphas;

    // Keeps the top-left part of the pixels that still fits; new pixels are 0.
    void Resize(int width, int height);

private:
    TPngImageStore() = default;

    int FWidth = 0;
    int FHeight = 0;
    int FBitCount = 0;
    int FLineBytes = 0;
    std::vector<uint8_t> FBits;
};

}  // namespace pixmo
