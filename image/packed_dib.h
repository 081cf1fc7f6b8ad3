#pragma once
// Packed DIBs, BMP files and the mask clipboard block. Every reader here checks each length
// against the bytes its source holds before use; nothing is allocated for an image until its
// rows are known to be there.
#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <vector>

#include "image/bitmap_header.h"
#include "image/byte_source.h"
#include "image/dib.h"
#include "image/translate_noop.h"

namespace pixmo {

// Messages for blocks that contradict themselves.
inline constexpr const char* kMsgBadInfoHeader =
    PIXMO_TRANSLATE_NOOP("pixmo::Core", "Intestazione dell'immagine non valida");
inline constexpr const char* kMsgColorTableShort = PIXMO_TRANSLATE_NOOP("pixmo::Core", "Tabella dei colori incompleta");
inline constexpr const char* kMsgBadPixelOffset =
    PIXMO_TRANSLATE_NOOP("pixmo::Core", "Posizione dei dati dell'immagine non valida");
inline constexpr const char* kMsgBitsShort = PIXMO_TRANSLATE_NOOP("pixmo::Core", "Dati dell'immagine incompleti");

// The parts of a packed DIB or BMP file, located and checked against the source's size.
struct TDibParts {
    TBitmapInfoHeader Header;
    std::vector<uint32_t> Table;  // table words 0x00RRGGBB, at most the depth's count
    uint64_t BitsAt = 0;          // where the rows start; all of them are within the size
};

// The shared locator: the info header at headerOffset, the table right after the header's
// own size field, the pixels right after the table (when pixelOffset is negative) or at
// pixelOffset.
TDibParts LocateDibParts(TByteSource& source, uint64_t headerOffset, int64_t pixelOffset);

// A packed DIB: header, table at the end of the header, pixels right after the table
// (the colours-used field, or the depth's count when it is 0).
TDibParts LocatePacked(TByteSource& block);
// A BMP file: "BM" (else "%s non è un file BMP" with fileName), the packed header at 14,
// pixels at the offset stored at 10.
TDibParts LocateBmp(TByteSource& file, const std::string& fileName);

// Reads the located rows into the image made from parts.Header, a block at a time, so that
// nothing but the image is allocated for them.
void ReadRows(TDib& image, const TDibParts& parts, TByteSource& source);

// The image with its rows; a colour count short of the indices the rows use is made up
// with black entries.
template <class T>
std::unique_ptr<T> CreateFromParts(TDibParts& parts, TByteSource& source) {
    auto image = T::CreateFromInfo(parts.Header, parts.Table, nullptr, 0);
    ReadRows(*image, parts, source);
    image->CoverUsedIndices();
    return image;
}
template <class T>
std::unique_ptr<T> CreateFromPackedAs(std::span<const uint8_t> block) {
    TMemorySource source(block);
    TDibParts parts = LocatePacked(source);
    return CreateFromParts<T>(parts, source);
}
template <class T>
std::unique_ptr<T> CreateFromBmp(TByteSource& file, const std::string& fileName) {
    TDibParts parts = LocateBmp(file, fileName);
    return CreateFromParts<T>(parts, file);
}
template <class T>
std::unique_ptr<T> CreateFromBmpBytes(std::span<const uint8_t> file, const std::string& fileName) {
    TMemorySource source(file);
    return CreateFromBmp<T>(source, fileName);
}

// Rows of the stored image at its nominal depth, bottom row first, ImageSize() bytes.
// 1- and 4-bit pixels go leftmost in the high bits; a stored index above what the depth
// can hold is clamped to the depth's largest index.
void PackPixels(const TDib& image, uint8_t* destination);

// The whole BMP file: 14-byte file header, then the packed DIB.
std::vector<uint8_t> BuildBmpFile(const TDib& image);

// The format-130 block: the mask as a packed 1-bit DIB with a black and white table,
// inside (any non-zero value) as 1.
std::vector<uint8_t> BuildMaskBlock(const TMaskDib& mask);
// Reads a format-130 block (a packed DIB of any depth the image model reads): pixels
// whose colour is white become 1, all others 0.
std::unique_ptr<TMaskDib> CreateMaskFromBlock(std::span<const uint8_t> block);

}  // namespace pixmo
