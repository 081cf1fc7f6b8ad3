#pragma once
// TDib: the palette-indexed (or 24-bit) image that everything edits, with its colour table
// and drawing surface. TTrueDib is the 24-bit form, TMaskDib the two-colour selection mask.
//
// Storage: an image with a colour table keeps one byte (one index) per pixel whatever its
// nominal depth; a true-colour image keeps blue, green, red. Rows are bottom-up and padded
// to 4 bytes. The nominal depth (BitCount) is what files and the clipboard receive.
#include <array>
#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <vector>

#include "image/bitmap_header.h"
#include "image/color.h"
#include "image/geometry.h"
#include "image/sheet_frames.h"

namespace pixmo {

class TDibCanvas;
class TClipboard;
struct TSaveOptions;

// The logical palette built from a colour table on demand (version 0x300).
struct TPaletteEntry {
    uint8_t Red = 0, Green = 0, Blue = 0, Flags = 0;
    bool operator==(const TPaletteEntry&) const = default;
};
struct TPalette {
    uint16_t Version = 0x300;
    std::vector<TPaletteEntry> Entries;
};

class TDib {
public:
    virtual ~TDib();
    TDib(const TDib&) = delete;
    TDib& operator=(const TDib&) = delete;

    // --- constructors (each raises EPixmoError and leaves nothing behind) ---

    // The central constructor. `header` is updated as the caller's header would be
    // (ClrUsed filled from the depth when 0). `colorTable` holds table words (0x00RRGGBB);
    // missing entries are black. `bits` (may be null) are rows at the header's nominal depth,
    // bottom-up; `bitsSize` bytes are present and must cover every row.
    static std::unique_ptr<TDib> CreateFromInfo(TBitmapInfoHeader& header,
                                                std::span<const uint32_t> colorTable,
                                                const uint8_t* bits, size_t bitsSize);
    static std::unique_ptr<TDib> Create(int width, int height, int colors);
    static std::unique_ptr<TDib> CreateSize(TPoint size, int colors);
    static std::unique_ptr<TDib> CreateClone(const TDib& source);
    static std::unique_ptr<TDib> CreateResized(const TDib& source, TPoint size);
    static std::unique_ptr<TDib> CreateFromRect(const TDib& source, const TRect& rect);
    static std::unique_ptr<TDib> CreateOnPalette(const TDib& image, const TDib& paletteImage);
    // The same table and pixels at nominal depth `bitCount` (never fewer bits than the table
    // needs); a true-colour source is cloned.
    static std::unique_ptr<TDib> CreateAtDepth(const TDib& source, int bitCount);

    // Packed DIBs (dib_packed.cpp).
    static std::unique_ptr<TDib> CreateFromPacked(std::span<const uint8_t> block);

    // Files (dib_file.cpp), in the format the name asks for (file_format.h).
    static std::unique_ptr<TDib> CreateFromFile(const std::string& fileName);
    static std::unique_ptr<TDib> CreateFromFilePaletted(const std::string& fileName);
    static std::unique_ptr<TDib> CreateFromFileResized(const std::string& fileName, TPoint size);
    static std::unique_ptr<TDib> CreateFromFileOnPalette(const std::string& fileName,
                                                         const TDib& paletteImage);

    // Clipboard (dib_clipboard.cpp): format 8, a packed DIB. Silent abort (EAbort) when
    // the clipboard holds none.
    static std::unique_ptr<TDib> CreateFromClipboard(TClipboard& clipboard);
    static std::unique_ptr<TDib> CreateFromClipboardOnPalette(TClipboard& clipboard,
                                                              const TDib& paletteImage);

    // --- queries ---
    int Width() const { return FWidth; }
    int Height() const { return FHeight; }
    int Colors() const { return FColors; }
    uint8_t BitCount() const { return FBitCount; }
    int LineBytes() const { return FLineBytes; }
    // Bytes per stored pixel: 1 with a colour table, 3 for true colour.
    int PixelBytes() const { return FColors > 0 || FBitCount <= 8 ? 1 : 3; }
    bool IsTrueColor() const { return PixelBytes() == 3; }
    uint8_t* Bits() { return FBits.data(); }
    const uint8_t* Bits() const { return FBits.data(); }
    TRect GetRect() const { return TRect{0, 0, FWidth, FHeight}; }
    TPoint GetSize() const { return TPoint{FWidth, FHeight}; }
    int HeaderSize() const { return 40 + 4 * FColors; }
    int64_t ImageSize() const;  // pixel block at the nominal depth
    int64_t PackedSize() const { return HeaderSize() + ImageSize(); }

    uint8_t* ScanLine(int y) { return FBits.data() + static_cast<size_t>(FHeight - y - 1) * FLineBytes; }
    const uint8_t* ScanLine(int y) const {
        return FBits.data() + static_cast<size_t>(FHeight - y - 1) * FLineBytes;
    }
    uint8_t Pixel(int x, int y) const { return ScanLine(y)[x]; }
    void SetPixel(int x, int y, uint8_t value) { ScanLine(y)[x] = value; }

    // --- colour table ---
    TColorRef GetColor(int index) const { return TableWordToColorRef(FColorTable[index & 0xFF]); }
    void SetColor(int index, TColorRef color);
    // A palette image's entry count, 1 … what the depth holds; entries beyond it are dropped.
    // Made for images being built: a drawing surface taken before is dropped with them.
    void SetColorCount(int count);
    // Grows the table with black entries up to the largest index a pixel uses, as far as the
    // depth holds: a file whose colour count falls short of its pixels loads with a table that
    // covers every pixel, so whatever is written from it is whole.
    void CoverUsedIndices();
    int IndexOfColor(TColorRef color) const;
    // 256 table words; the first Colors() are the image's.
    const std::array<uint32_t, 256>& ColorTable() const { return FColorTable; }
    std::span<const uint32_t> UsedColorTable() const { return {FColorTable.data(), static_cast<size_t>(FColors)}; }
    // Each entry's opacity as a file gave it (0 transparent, 255 opaque); empty when every
    // entry is opaque. Copies of the image keep it; saving writes it where the format can.
    const std::vector<uint8_t>& Alphas() const { return FAlphas; }
    void SetAlphas(std::vector<uint8_t> alphas);
    // The first fully transparent entry, or -1: what formats with one transparent colour keep.
    int TransparentEntry() const;
    // The animation frames cut from this image, as its file gave them or the animation window
    // keeps them; clones keep them, PNG files carry them.
    const TSheetFrames& Frames() const { return FFrames; }
    void SetFrames(TSheetFrames frames) { FFrames = std::move(frames); }
    // One entry's opacity (255 past the table's alphas), and a new one for it.
    uint8_t Alpha(int index) const;
    void SetAlpha(int index, uint8_t alpha);
    const TPalette* PaletteHandle();  // null for a true-colour image
    bool HasCachedPalette() const { return FPalette != nullptr; }
    void SetPaletteHandle(const TPalette& palette);

    // Unpacks `count` rows at nominal `depth` (bottom-up, padded to 4 bytes) into stored
    // rows firstRow.. ; paletted rows in a true-colour image go through `colorTable`.
    void StoreRows(int firstRow, int count, int depth, std::span<const uint32_t> colorTable, const uint8_t* rows);

    // Draws the whole of image at (0, 0) with the canvas copy mode.
    void CopyFrom(const TDib& image);
    // Draws a packed DIB at point, colours matched to this image's table (dib_packed.cpp).
    void DrawPacked(TPoint point, std::span<const uint8_t> block);

    TDibCanvas& Canvas();

    // --- packed DIBs (dib_packed.cpp) ---
    // Writes PackedSize() bytes: header, colour table, pixels at the nominal depth.
    void SaveToPacked(uint8_t* destination) const;
    std::vector<uint8_t> CreatePacked() const;
    // Empty rectangle: an empty block.
    std::vector<uint8_t> CreatePackedRect(const TRect& rect) const;

    // --- files (dib_file.cpp) ---
    void SaveToFile(const std::string& fileName) const;
    // The same, `options` given to a format that takes them.
    void SaveToFile(const std::string& fileName, const TSaveOptions& options) const;

    // --- clipboard (dib_clipboard.cpp) ---
    virtual void CopyToClipboard(TClipboard& clipboard) const;

    // The header this image would write (size 40, nominal depth, ImageSize, Colors).
    TBitmapInfoHeader InfoHeader() const;

    // Compares two images of equal size as TMaskDib::RowBand does: a pixel counts when it
    // differs between the two (the fill tool bounds what changed with it).
    void DiffBand(const TDib& other, TPoint point, TRect& rect) const;

    // Live images, in order of construction.
    static const std::vector<const TDib*>& Registry();

protected:
    // Runs every check of CreateFromInfo and builds the storage; `forceTrueColor` builds a
    // 24-bit image into which paletted bits are drawn through their colours.
    TDib(TBitmapInfoHeader& header, std::span<const uint32_t> colorTable, const uint8_t* bits,
         size_t bitsSize, bool forceTrueColor);

private:
    void StoreBits(const TBitmapInfoHeader& header, std::span<const uint32_t> colorTable,
                   const uint8_t* bits, size_t bitsSize);

    std::vector<uint8_t> FBits;
    std::array<uint32_t, 256> FColorTable{};
    std::vector<uint8_t> FAlphas;
    TSheetFrames FFrames;
    std::unique_ptr<TPalette> FPalette;
    int FWidth = 0;
    int FHeight = 0;
    int FColors = 0;
    uint8_t FBitCount = 0;
    int FLineBytes = 0;
    std::unique_ptr<TDibCanvas> FCanvas;
};

class TTrueDib : public TDib {
public:
    static std::unique_ptr<TTrueDib> CreateFromInfo(TBitmapInfoHeader& header,
                                                    std::span<const uint32_t> colorTable,
                                                    const uint8_t* bits, size_t bitsSize);
    static std::unique_ptr<TTrueDib> Create(int width, int height);
    // A paletted source drawn in through its colours; a true-colour source cloned.
    static std::unique_ptr<TTrueDib> CreateTrue(const TDib& source);

    // Blue, green, red of a pixel.
    const uint8_t* GetPixel(int x, int y) const { return ScanLine(y) + 3 * x; }
    // Bilinear sample; the caller keeps trunc(x)+1 and trunc(y)+1 inside the image.
    TColorRef Sample(double y, double x) const;

protected:
    using TDib::TDib;
};

class TMaskDib : public TDib {
public:
    // 2 colours, black and white, every pixel 0 (outside).
    static std::unique_ptr<TMaskDib> Create(int width, int height);
    static std::unique_ptr<TMaskDib> CreateSize(TPoint size);
    static std::unique_ptr<TMaskDib> CreateFromColor(const TDib& image, bool inside, TColorRef color);
    static std::unique_ptr<TMaskDib> CreateFromInfo(TBitmapInfoHeader& header,
                                                    std::span<const uint32_t> colorTable,
                                                    const uint8_t* bits, size_t bitsSize);
    static std::unique_ptr<TMaskDib> CreateFromRect(const TMaskDib& source, const TRect& rect);
    static std::unique_ptr<TMaskDib> CreateClone(const TMaskDib& source);
    // Format 130: the mask as a monochrome bitmap block (dib_clipboard.cpp).
    static std::unique_ptr<TMaskDib> CreateFromClipboard(TClipboard& clipboard);
    void CopyToClipboard(TClipboard& clipboard) const override;

    bool Contains(TPoint p) const;
    TRect BoundsIn(const TRect& rect) const;
    TRect Bounds() const { return BoundsIn(GetRect()); }
    void BuildFromColor(const TDib& image, TColorRef color, int tolerance, bool inside);
    void SelectSurface(const TDib* image, TPoint point, int tolerance);
    void SelectBorder(const TDib* image, TPoint point, int tolerance, TColorRef color);
    // Widens `rect` to the band of non-empty rows around point (see DiffBand).
    void RowBand(TPoint point, TRect& rect) const;

protected:
    using TDib::TDib;
};

}  // namespace pixmo
