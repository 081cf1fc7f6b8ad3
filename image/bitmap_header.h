#pragma once
// The 40-byte bitmap info header of packed DIBs and BMP files.
#include <cstddef>
#include <cstdint>

namespace pixmo {

struct TBitmapInfoHeader {
    uint32_t Size = 40;
    int32_t Width = 0;
    int32_t Height = 0;
    uint16_t Planes = 1;
    uint16_t BitCount = 0;
    uint32_t Compression = 0;
    uint32_t SizeImage = 0;
    int32_t XPelsPerMeter = 0;
    int32_t YPelsPerMeter = 0;
    uint32_t ClrUsed = 0;
    uint32_t ClrImportant = 0;
};

constexpr size_t kInfoHeaderSize = 40;
constexpr size_t kFileHeaderSize = 14;
constexpr int kMaxDibSide = 8000;

// Reads the fields from 40 bytes (the caller checks that they are present).
TBitmapInfoHeader ReadInfoHeader(const uint8_t* p);
void WriteInfoHeader(uint8_t* p, const TBitmapInfoHeader& h);

// Bytes per row at a depth, padded to 4 bytes, in 64 bits so that hostile widths cannot wrap.
constexpr int64_t RowBytes(int64_t bitCount, int64_t width) { return ((bitCount * width + 31) / 32) * 4; }

}  // namespace pixmo
