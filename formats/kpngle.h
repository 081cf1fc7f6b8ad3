#pragma once
// TKPNGLE: one raster image (1, 4, 8 or 24 bits, palette up to 256 entries) and its PNG
// form. Reads every colour type, bit depth, filter and the Adam7 interlace of the PNG
// standard, reduced to what the program holds (16-bit samples to their high byte, alpha and
// ancillary chunks dropped, grey as a generated ramp). Writes palette and truecolour images
// without filtering or interlace. Deflate and inflate are the system's zlib.
#include <cstdint>
#include <memory>
#include <span>
#include <vector>

#include "formats/byte_stream.h"
#include "formats/png_image_store.h"
#include "image/errors.h"
#include "image/file_format.h"

namespace pixmo {

class TDib;

// Every format error of the codec.
class ETKPNGLE : public EPixmoError {
public:
    using EPixmoError::EPixmoError;
};

// The empty image CreateDib makes for a codec image of this size, depth and palette: a
// 24-bit image keeps no table.
std::unique_ptr<TDib> NewDibFor(int width, int height, int bitCount, std::span<const uint32_t> palette);

// A picture as the editor opens it: the image, and for true colour with an alpha channel or
// a transparent colour, each pixel's alpha (top row first; empty when all are opaque). A
// palette's or grey ramp's transparency is the image's own per-entry alpha table; 16-bit
// samples are compared in full, so a 16-bit grey key may take an entry of its own.
struct TPngPicture {
    std::unique_ptr<TDib> Dib;
    std::vector<uint8_t> Alpha;
};

class TKPNGLE {
public:
    TKPNGLE() = default;
    TKPNGLE(const TKPNGLE&) = delete;
    TKPNGLE& operator=(const TKPNGLE&) = delete;

    // The owned image, or null.
    TPngImageStore* Bitmap() { return FBitmap.get(); }
    const TPngImageStore* Bitmap() const { return FBitmap.get(); }

    // At Fast, unfiltered rows at the zlib level Compression asks (1: level 1; 2: level 9;
    // anything else: zlib's default). Normal and Max choose filters and deflate settings
    // themselves; the chunks and pixels are the same at every level.
    int32_t Compression = 0;
    TPngLevel Level = TPngLevel::Fast;

    // Null frees the image; another TKPNGLE's image is copied (this one's own is kept).
    void CopyFrom(const TKPNGLE* source);
    void CopyFrom(const TPngImageStore& source);
    // The image at its nominal depth with its colour table.
    void CopyFrom(const TDib& source);
    void CopyTo(TKPNGLE& dest) const { dest.CopyFrom(this); }
    // A new image made from the owned one; raises when there is none. A 24-bit image
    // keeps no palette (the image model holds none beside true-colour pixels).
    std::unique_ptr<TDib> CreateDib() const;

    bool IsEmpty() const { return !FBitmap; }
    int Width() const { return FBitmap ? FBitmap->Width() : 0; }
    int Height() const { return FBitmap ? FBitmap->Height() : 0; }
    void SetWidth(int width);
    void SetHeight(int height);
    std::vector<uint32_t> Palette() const { return FBitmap ? FBitmap->Palette : std::vector<uint32_t>{}; }
    void SetPalette(const std::vector<uint32_t>& palette);

    // Reads a PNG; on failure raises ETKPNGLE (or the stream's read error) and leaves a
    // partly filled image in place.
    void LoadPng(TByteReadStream& stream);
    // Reads a PNG straight into a new image, the one LoadPng then CreateDib would give,
    // without the codec's own copy of the pixels.
    static std::unique_ptr<TDib> ReadDib(TByteReadStream& stream);
    // ReadDib with the picture's transparency.
    static TPngPicture ReadPicture(TByteReadStream& stream);
    // Writes a PNG when there is an image, nothing otherwise.
    void SavePng(TByteWriteStream& stream) const;

    // Used by the reader when the image is set up.
    TPngImageStore& NewBitmap(int width, int height, int bitCount);

private:
    std::unique_ptr<TPngImageStore> FBitmap;
};

}  // namespace pixmo
