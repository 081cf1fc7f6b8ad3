#include "image/bitmap_header.h"

#include "image/byte_order.h"

namespace pixmo {

TBitmapInfoHeader ReadInfoHeader(const uint8_t* p) {
    TBitmapInfoHeader h;
    h.Size = ReadLE32(p);
    h.Width = ReadLE32s(p + 4);
    h.Height = ReadLE32s(p + 8);
    h.Planes = ReadLE16(p + 12);
    h.BitCount = ReadLE16(p + 14);
    h.Compression = ReadLE32(p + 16);
    h.SizeImage = ReadLE32(p + 20);
    h.XPelsPerMeter = ReadLE32s(p + 24);
    h.YPelsPerMeter = ReadLE32s(p + 28);
    h.ClrUsed = ReadLE32(p + 32);
    h.ClrImportant = ReadLE32(p + 36);
    return h;
}

void WriteInfoHeader(uint8_t* p, const TBitmapInfoHeader& h) {
    WriteLE32(p, h.Size);
    WriteLE32(p + 4, static_cast<uint32_t>(h.Width));
    WriteLE32(p + 8, static_cast<uint32_t>(h.Height));
    WriteLE16(p + 12, h.Planes);
    WriteLE16(p + 14, h.BitCount);
    WriteLE32(p + 16, h.Compression);
    WriteLE32(p + 20, h.SizeImage);
    WriteLE32(p + 24, static_cast<uint32_t>(h.XPelsPerMeter));
    WriteLE32(p + 28, static_cast<uint32_t>(h.YPelsPerMeter));
    WriteLE32(p + 32, h.ClrUsed);
    WriteLE32(p + 36, h.ClrImportant);
}

}  // namespace pixmo
