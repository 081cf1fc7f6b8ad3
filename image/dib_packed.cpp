// Packed DIBs: one block of info header, colour table and pixels at the nominal depth.
#include <algorithm>
#include <cstring>

#include "image/byte_order.h"
#include "image/dib.h"
#include "image/dib_canvas.h"
#include "image/errors.h"
#include "image/packed_dib.h"

namespace pixmo {
namespace {

bool IsHeldDepth(int depth) { return depth == 1 || depth == 4 || depth == 8 || depth == 24; }

// A header the image model would refuse gets the image model's own message, before we
// look at tables or rows. CreateFromInfo raises before it allocates for every one of them.
void RaiseIfRefused(const TBitmapInfoHeader& header) {
    const bool accepted = header.Planes == 1 && header.Compression == 0 && IsHeldDepth(header.BitCount) &&
                          header.Width > 0 && header.Height > 0 && header.Width <= kMaxDibSide &&
                          header.Height <= kMaxDibSide;
    if (accepted) return;
    TBitmapInfoHeader copy = header;
    TDib::CreateFromInfo(copy, {}, nullptr, 0);
    RaiseError(CoreMessage(kMsgBadInfoHeader));
}

}  // namespace

TDibParts LocateDibParts(TByteSource& source, uint64_t headerOffset, int64_t pixelOffset) {
    const uint64_t size = source.Size();
    if (headerOffset > size || size - headerOffset < kInfoHeaderSize) RaiseError(CoreMessage(kMsgBadInfoHeader));
    uint8_t header[kInfoHeaderSize];
    if (!source.ReadAt(headerOffset, header, kInfoHeaderSize)) RaiseError(CoreMessage(kMsgBadInfoHeader));
    TDibParts parts;
    parts.Header = ReadInfoHeader(header);
    const uint64_t headerSize = parts.Header.Size;
    if (headerSize < kInfoHeaderSize || headerSize > size - headerOffset) RaiseError(CoreMessage(kMsgBadInfoHeader));
    RaiseIfRefused(parts.Header);

    const int depth = parts.Header.BitCount;
    const uint64_t depthColors = static_cast<uint64_t>(ColorsOfDepth(depth));
    // Entries the block says it carries, and those an image of this depth can use.
    const uint64_t declared = parts.Header.ClrUsed != 0 || depth > 8 ? parts.Header.ClrUsed : depthColors;
    const uint64_t used = std::min(declared, depthColors);
    const uint64_t tableAt = headerOffset + headerSize;
    if (used * 4 > size - tableAt) RaiseError(CoreMessage(kMsgColorTableShort));
    uint8_t table[256 * 4];
    if (!source.ReadAt(tableAt, table, static_cast<size_t>(used * 4))) RaiseError(CoreMessage(kMsgColorTableShort));
    parts.Table.resize(static_cast<size_t>(used));
    for (size_t i = 0; i < parts.Table.size(); ++i) parts.Table[i] = ReadLE32(table + 4 * i) & 0x00FFFFFF;

    uint64_t bitsAt;
    if (pixelOffset < 0) {
        if (declared * 4 > size - tableAt) RaiseError(CoreMessage(kMsgColorTableShort));
        bitsAt = tableAt + declared * 4;
    } else {
        bitsAt = static_cast<uint64_t>(pixelOffset);
        if (bitsAt < tableAt || bitsAt > size) RaiseError(CoreMessage(kMsgBadPixelOffset));
    }
    // Sides are 1..8000 here, so this cannot overflow.
    const uint64_t rows = static_cast<uint64_t>(RowBytes(depth, parts.Header.Width)) *
                          static_cast<uint64_t>(parts.Header.Height);
    if (rows > size - bitsAt) RaiseError(CoreMessage(kMsgBitsShort));
    parts.BitsAt = bitsAt;
    return parts;
}

TDibParts LocatePacked(TByteSource& block) { return LocateDibParts(block, 0, -1); }

void ReadRows(TDib& image, const TDibParts& parts, TByteSource& source) {
    const int depth = parts.Header.BitCount;
    const size_t line = static_cast<size_t>(RowBytes(depth, image.Width()));
    const int height = image.Height();
    // Rows stored as the file holds them go straight into the image; their padding is
    // cleared, as when they were copied pixel by pixel.
    if ((depth == 8 && !image.IsTrueColor()) || (depth == 24 && image.IsTrueColor())) {
        if (!source.ReadAt(parts.BitsAt, image.Bits(), line * height)) RaiseError(CoreMessage(kMsgBitsShort));
        const size_t used = static_cast<size_t>(image.Width()) * image.PixelBytes();
        if (used < line)
            for (int row = 0; row < height; ++row) std::memset(image.Bits() + row * line + used, 0, line - used);
        return;
    }
    constexpr size_t kBlock = 32768;
    const int rowsPerBlock = static_cast<int>(std::max<size_t>(1, kBlock / line));
    std::vector<uint8_t> block(std::min<size_t>(rowsPerBlock, height) * line);
    for (int row = 0; row < height; row += rowsPerBlock) {
        const int count = std::min(rowsPerBlock, height - row);
        if (!source.ReadAt(parts.BitsAt + row * line, block.data(), count * line))
            RaiseError(CoreMessage(kMsgBitsShort));
        image.StoreRows(row, count, depth, parts.Table, block.data());
    }
}

void PackPixels(const TDib& image, uint8_t* destination) {
    const int depth = image.BitCount();
    const int width = image.Width();
    const size_t line = static_cast<size_t>(RowBytes(depth, width));
    for (int row = 0; row < image.Height(); ++row) {  // bottom-up in both
        const uint8_t* src = image.Bits() + static_cast<size_t>(row) * image.LineBytes();
        uint8_t* dst = destination + row * line;
        std::memset(dst, 0, line);
        switch (depth) {
            case 24:
                std::memcpy(dst, src, static_cast<size_t>(width) * 3);
                break;
            case 8:
                std::memcpy(dst, src, static_cast<size_t>(width));
                break;
            case 4:
                for (int x = 0; x < width; ++x) {
                    const uint8_t v = std::min<uint8_t>(src[x], 15);
                    dst[x >> 1] |= static_cast<uint8_t>((x & 1) ? v : v << 4);
                }
                break;
            case 1:
                for (int x = 0; x < width; ++x)
                    if (src[x]) dst[x >> 3] |= static_cast<uint8_t>(0x80 >> (x & 7));
                break;
        }
    }
}

void TDib::SaveToPacked(uint8_t* destination) const {
    WriteInfoHeader(destination, InfoHeader());
    for (int i = 0; i < FColors; ++i) WriteLE32(destination + kInfoHeaderSize + 4 * i, FColorTable[i]);
    PackPixels(*this, destination + HeaderSize());
}

std::vector<uint8_t> TDib::CreatePacked() const {
    std::vector<uint8_t> block(static_cast<size_t>(PackedSize()));
    SaveToPacked(block.data());
    return block;
}

std::vector<uint8_t> TDib::CreatePackedRect(const TRect& rect) const {
    if (rect.IsEmpty()) return {};
    return CreateFromRect(*this, rect)->CreatePacked();
}

std::unique_ptr<TDib> TDib::CreateFromPacked(std::span<const uint8_t> block) {
    return CreateFromPackedAs<TDib>(block);
}

void TDib::DrawPacked(TPoint point, std::span<const uint8_t> block) {
    auto source = CreateFromPacked(block);
    TDibCanvas& canvas = Canvas();
    // Device-independent drawing is a plain copy whatever the canvas's copy mode.
    const TCopyMode mode = canvas.CopyMode;
    canvas.CopyMode = TCopyMode::SrcCopy;
    try {
        canvas.Draw(point.X, point.Y, *source);
    } catch (...) {
        canvas.CopyMode = mode;
        throw;
    }
    canvas.CopyMode = mode;
}

}  // namespace pixmo
