#include "image/dib.h"

#include <algorithm>
#include <cstring>
#include <new>

#include "image/dib_canvas.h"
#include "image/errors.h"

namespace pixmo {
namespace {

std::vector<const TDib*>& RegistryList() {
    static std::vector<const TDib*> list;
    return list;
}

}  // namespace

// ---------------------------------------------------------------- construction

TDib::TDib(TBitmapInfoHeader& header, std::span<const uint32_t> colorTable, const uint8_t* bits,
           size_t bitsSize, bool forceTrueColor) {
    if (header.Planes != 1) RaiseError("");
    if (header.Compression != 0) RaiseError(Msg(PIXMO_MSG("pixmo::Core", "E' stato compresso!")));
    const int depth = header.BitCount;
    if (depth != 1 && depth != 4 && depth != 8 && depth != 24) RaiseError(DepthRefused(depth));
    if (header.Width > kMaxDibSide || header.Height > kMaxDibSide)
        RaiseError(Msg(PIXMO_MSG("pixmo::Core", "L'immagine è troppo grande")));
    if (header.Width <= 0 || header.Height <= 0)
        RaiseError(Msg(PIXMO_MSG("pixmo::Core", "Dimensioni non valide: %1 x %2"), header.Width, header.Height));

    FWidth = header.Width;
    FHeight = header.Height;
    if (header.ClrUsed == 0) header.ClrUsed = static_cast<uint32_t>(ColorsOfDepth(depth));
    // A table longer than the depth can index, or one beside 24-bit pixels, would break the
    // storage rule; the depth decides.
    const int depthColors = ColorsOfDepth(depth);
    const int colors = static_cast<int>(std::min<uint32_t>(header.ClrUsed, static_cast<uint32_t>(depthColors)));
    if (forceTrueColor) {
        FBitCount = 24;
        FColors = 0;
    } else {
        FBitCount = static_cast<uint8_t>(depth);
        FColors = colors;
    }
    const size_t n = std::min(colorTable.size(), static_cast<size_t>(FColors));
    for (size_t i = 0; i < n; ++i) FColorTable[i] = colorTable[i] & 0x00FFFFFF;

    const int storedDepth = FBitCount <= 8 ? 8 : 24;
    FLineBytes = static_cast<int>(RowBytes(storedDepth, FWidth));
    try {
        FBits.assign(static_cast<size_t>(FLineBytes) * static_cast<size_t>(FHeight), 0);
    } catch (const std::bad_alloc&) {
        RaiseError(Msg(PIXMO_MSG("pixmo::Core", "CreateDIBSection Fallito")));
    }
    if (bits) StoreBits(header, colorTable, bits, bitsSize);
    RegistryList().push_back(this);
}

TDib::~TDib() {
    FCanvas.reset();
    FPalette.reset();
    auto& list = RegistryList();
    auto it = std::find(list.begin(), list.end(), this);
    if (it != list.end()) list.erase(it);
}

const std::vector<const TDib*>& TDib::Registry() { return RegistryList(); }

void TDib::StoreBits(const TBitmapInfoHeader& header, std::span<const uint32_t> colorTable,
                     const uint8_t* bits, size_t bitsSize) {
    if (static_cast<uint64_t>(RowBytes(header.BitCount, FWidth)) * static_cast<uint64_t>(FHeight) > bitsSize)
        RaiseError(Msg(PIXMO_MSG("pixmo::Core", "Dati dell'immagine incompleti")));
    StoreRows(0, FHeight, header.BitCount, colorTable, bits);
}

void TDib::StoreRows(int firstRow, int count, int depth, std::span<const uint32_t> colorTable, const uint8_t* rows) {
    const int64_t srcLine = RowBytes(depth, FWidth);
    std::array<uint8_t, 256 * 3> lut{};
    if (IsTrueColor() && depth <= 8) {
        for (size_t i = 0; i < 256; ++i) {
            uint32_t w = i < colorTable.size() ? colorTable[i] : 0;
            lut[3 * i] = static_cast<uint8_t>(w);
            lut[3 * i + 1] = static_cast<uint8_t>(w >> 8);
            lut[3 * i + 2] = static_cast<uint8_t>(w >> 16);
        }
    }
    for (int i = 0; i < count; ++i) {  // stored row order: bottom-up in both
        const uint8_t* src = rows + i * srcLine;
        uint8_t* dst = FBits.data() + static_cast<size_t>(firstRow + i) * FLineBytes;
        if (depth == 24) {
            std::memcpy(dst, src, static_cast<size_t>(FWidth) * 3);
            continue;
        }
        auto put = [&](int x, uint8_t index) {
            if (IsTrueColor())
                std::memcpy(dst + 3 * x, &lut[3 * index], 3);
            else
                dst[x] = index;
        };
        switch (depth) {
            case 8:
                if (!IsTrueColor()) {
                    std::memcpy(dst, src, static_cast<size_t>(FWidth));
                } else {
                    for (int x = 0; x < FWidth; ++x) put(x, src[x]);
                }
                break;
            case 4:
                for (int x = 0; x < FWidth; ++x)
                    put(x, static_cast<uint8_t>((x & 1) ? (src[x >> 1] & 0x0F) : (src[x >> 1] >> 4)));
                break;
            case 1:
                for (int x = 0; x < FWidth; ++x) put(x, static_cast<uint8_t>((src[x >> 3] >> (7 - (x & 7))) & 1));
                break;
        }
    }
}

std::unique_ptr<TDib> TDib::CreateFromInfo(TBitmapInfoHeader& header, std::span<const uint32_t> colorTable,
                                           const uint8_t* bits, size_t bitsSize) {
    return std::unique_ptr<TDib>(new TDib(header, colorTable, bits, bitsSize, false));
}

namespace {
TBitmapInfoHeader HeaderFor(int width, int height, int colors) {
    TBitmapInfoHeader h;
    h.Width = width;
    h.Height = height;
    h.BitCount = static_cast<uint16_t>(DepthForColors(colors));
    h.SizeImage = static_cast<uint32_t>(RowBytes(h.BitCount, std::max(width, 0)) * std::max(height, 0));
    h.ClrUsed = static_cast<uint32_t>(std::max(colors, 0));
    return h;
}
}  // namespace

std::unique_ptr<TDib> TDib::Create(int width, int height, int colors) {
    TBitmapInfoHeader h = HeaderFor(width, height, colors);
    return CreateFromInfo(h, {}, nullptr, 0);
}

std::unique_ptr<TDib> TDib::CreateSize(TPoint size, int colors) { return Create(size.X, size.Y, colors); }

namespace {
// A copy of `source`, at nominal depth `bitCount` when given.
template <class T>
std::unique_ptr<T> CloneAs(const TDib& source, int bitCount = 0) {
    TBitmapInfoHeader h = source.InfoHeader();
    if (bitCount) {
        h.BitCount = static_cast<uint16_t>(bitCount);
        h.SizeImage = 0;
    }
    auto copy = T::CreateFromInfo(h, source.UsedColorTable(), nullptr, 0);
    std::memcpy(copy->Bits(), source.Bits(), static_cast<size_t>(source.LineBytes()) * source.Height());
    copy->SetAlphas(source.Alphas());
    copy->SetFrames(source.Frames());
    return copy;
}
}  // namespace

std::unique_ptr<TDib> TDib::CreateClone(const TDib& source) {
    if (source.IsTrueColor()) return CloneAs<TTrueDib>(source);
    return CloneAs<TDib>(source);
}

std::unique_ptr<TDib> TDib::CreateAtDepth(const TDib& source, int bitCount) {
    if (source.IsTrueColor()) return CreateClone(source);
    return CloneAs<TDib>(source, std::max(bitCount, DepthForColors(source.Colors())));
}

std::unique_ptr<TDib> TDib::CreateResized(const TDib& source, TPoint size) {
    auto image = Create(size.X, size.Y, source.Colors());
    for (int i = 0; i < source.Colors(); ++i) image->FColorTable[i] = source.FColorTable[i];
    const int w = std::min(size.X, source.Width());
    const int h = std::min(size.Y, source.Height());
    const int bpp = source.PixelBytes();
    for (int y = 0; y < h; ++y) std::memcpy(image->ScanLine(y), source.ScanLine(y), static_cast<size_t>(w) * bpp);
    image->SetAlphas(source.Alphas());
    return image;
}

void TDib::SetColorCount(int count) {
    if (IsTrueColor()) return;
    FColors = std::clamp(count, 1, ColorsOfDepth(FBitCount));
    for (int i = FColors; i < 256; ++i) FColorTable[static_cast<size_t>(i)] = 0;
    FPalette.reset();
    FCanvas.reset();
    SetAlphas(FAlphas);
}

void TDib::CoverUsedIndices() {
    const int count = FColors;
    if (IsTrueColor() || count >= ColorsOfDepth(FBitCount)) return;
    uint8_t largest = 0;
    for (int y = 0; y < FHeight; ++y) {
        const uint8_t* row = FBits.data() + static_cast<size_t>(y) * FLineBytes;
        largest = std::max(largest, *std::max_element(row, row + FWidth));
    }
    if (largest < count) return;
    SetColorCount(largest + 1);
    std::fill(FColorTable.begin() + count, FColorTable.begin() + FColors, 0u);
}

int TDib::TransparentEntry() const {
    for (size_t i = 0; i < FAlphas.size(); ++i)
        if (FAlphas[i] == 0) return static_cast<int>(i);
    return -1;
}

uint8_t TDib::Alpha(int index) const {
    return index >= 0 && static_cast<size_t>(index) < FAlphas.size() ? FAlphas[static_cast<size_t>(index)] : 255;
}

void TDib::SetAlpha(int index, uint8_t alpha) {
    if (index < 0 || index >= FColors) return;
    std::vector<uint8_t> alphas = FAlphas;
    if (alphas.size() <= static_cast<size_t>(index)) alphas.resize(static_cast<size_t>(index) + 1, 255);
    alphas[static_cast<size_t>(index)] = alpha;
    SetAlphas(std::move(alphas));
}

void TDib::SetAlphas(std::vector<uint8_t> alphas) {
    if (alphas.size() > static_cast<size_t>(FColors)) alphas.resize(static_cast<size_t>(FColors));
    while (!alphas.empty() && alphas.back() == 255) alphas.pop_back();
    FAlphas = std::move(alphas);
}

namespace {
void CopyRectPixels(const TDib& source, const TRect& rect, TDib& target) {
    const TRect clip = IntersectRect(rect, source.GetRect());
    const int bpp = source.PixelBytes();
    for (int y = clip.Top; y < clip.Bottom; ++y)
        std::memcpy(target.ScanLine(y - rect.Top) + static_cast<size_t>(clip.Left - rect.Left) * bpp,
                    source.ScanLine(y) + static_cast<size_t>(clip.Left) * bpp,
                    static_cast<size_t>(clip.Width()) * bpp);
}
}  // namespace

std::unique_ptr<TDib> TDib::CreateFromRect(const TDib& source, const TRect& rect) {
    auto image = CreateResized(source, TPoint{rect.Width(), rect.Height()});
    std::fill(image->FBits.begin(), image->FBits.end(), 0);
    CopyRectPixels(source, rect, *image);
    return image;
}

std::unique_ptr<TDib> TDib::CreateOnPalette(const TDib& image, const TDib& paletteImage) {
    auto result = Create(image.Width(), image.Height(), paletteImage.Colors());
    for (int i = 0; i < paletteImage.Colors(); ++i) result->FColorTable[i] = paletteImage.FColorTable[i];
    result->Canvas().CopyMode = TCopyMode::SrcCopy;
    result->Canvas().Draw(0, 0, image);
    return result;
}

// ---------------------------------------------------------------- queries

int64_t TDib::ImageSize() const { return RowBytes(FBitCount, FWidth) * FHeight; }

TBitmapInfoHeader TDib::InfoHeader() const {
    TBitmapInfoHeader h;
    h.Width = FWidth;
    h.Height = FHeight;
    h.BitCount = FBitCount;
    h.SizeImage = static_cast<uint32_t>(ImageSize());
    h.ClrUsed = static_cast<uint32_t>(FColors);
    return h;
}

// ---------------------------------------------------------------- colour table

void TDib::SetColor(int index, TColorRef color) {
    if (index < 0 || index > 255) return;
    const uint32_t word = ColorRefToTableWord(color & 0x00FFFFFF);
    if (FColorTable[index] == word) return;
    FColorTable[index] = word;
    if (FPalette && index < static_cast<int>(FPalette->Entries.size())) {
        FPalette->Entries[index] = TPaletteEntry{static_cast<uint8_t>(GetRValue(color)),
                                                 static_cast<uint8_t>(GetGValue(color)),
                                                 static_cast<uint8_t>(GetBValue(color)), 0};
    }
}

int TDib::IndexOfColor(TColorRef color) const {
    const uint32_t word = ColorRefToTableWord(color & 0x00FFFFFF);
    for (int i = 0; i < FColors; ++i)
        if (FColorTable[i] == word) return i;
    return -1;
}

const TPalette* TDib::PaletteHandle() {
    if (!FPalette && FColors > 0) {
        auto pal = std::make_unique<TPalette>();
        pal->Entries.resize(FColors);
        for (int i = 0; i < FColors; ++i) {
            TColorRef c = GetColor(i);
            pal->Entries[i] = TPaletteEntry{static_cast<uint8_t>(GetRValue(c)), static_cast<uint8_t>(GetGValue(c)),
                                            static_cast<uint8_t>(GetBValue(c)), 0};
        }
        FPalette = std::move(pal);
    }
    return FPalette.get();
}

void TDib::SetPaletteHandle(const TPalette& palette) {
    FPalette.reset();
    const int n = std::min<int>(FColors, static_cast<int>(palette.Entries.size()));
    for (int i = 0; i < n; ++i) {
        const TPaletteEntry& e = palette.Entries[i];
        FColorTable[i] = ColorRefToTableWord(RGB(e.Red, e.Green, e.Blue));
    }
}

void TDib::CopyFrom(const TDib& image) { Canvas().Draw(0, 0, image); }

TDibCanvas& TDib::Canvas() {
    if (!FCanvas) FCanvas = std::make_unique<TDibCanvas>(*this);
    return *FCanvas;
}

// ---------------------------------------------------------------- bands

namespace {
template <class Counts>
void Band(int width, int height, TPoint point, TRect& rect, Counts pixelCounts) {
    rect = IntersectRect(TRect{point.X, point.Y, point.X + 1, point.Y + 1}, TRect{0, 0, width, height});
    if (rect.IsEmpty()) return;
    auto examine = [&](int y) {
        bool any = false;
        for (int x = 0; x < width; ++x) {
            if (!pixelCounts(x, y)) continue;
            any = true;
            rect.Left = std::min(rect.Left, x);
            rect.Right = std::max(rect.Right, x + 1);
        }
        return any;
    };
    int y = point.Y - 1;
    while (y >= 0 && examine(y)) --y;
    rect.Top = y + 1;
    y = point.Y;
    while (y < height && examine(y)) ++y;
    rect.Bottom = y;
}
}  // namespace

void TDib::DiffBand(const TDib& other, TPoint point, TRect& rect) const {
    const int bpp = PixelBytes();
    Band(FWidth, FHeight, point, rect, [&](int x, int y) {
        return std::memcmp(ScanLine(y) + x * bpp, other.ScanLine(y) + x * bpp, bpp) != 0;
    });
}

void TMaskDib::RowBand(TPoint point, TRect& rect) const {
    Band(Width(), Height(), point, rect, [&](int x, int y) { return ScanLine(y)[x] != 0; });
}

// ---------------------------------------------------------------- TTrueDib

std::unique_ptr<TTrueDib> TTrueDib::CreateFromInfo(TBitmapInfoHeader& header, std::span<const uint32_t> colorTable,
                                                   const uint8_t* bits, size_t bitsSize) {
    return std::unique_ptr<TTrueDib>(new TTrueDib(header, colorTable, bits, bitsSize, true));
}

std::unique_ptr<TTrueDib> TTrueDib::Create(int width, int height) {
    TBitmapInfoHeader h = HeaderFor(width, height, 0);
    return CreateFromInfo(h, {}, nullptr, 0);
}

std::unique_ptr<TTrueDib> TTrueDib::CreateTrue(const TDib& source) {
    if (source.IsTrueColor()) return CloneAs<TTrueDib>(source);
    auto image = Create(source.Width(), source.Height());
    const auto& table = source.ColorTable();
    for (int y = 0; y < source.Height(); ++y) {
        const uint8_t* src = source.ScanLine(y);
        uint8_t* dst = image->ScanLine(y);
        for (int x = 0; x < source.Width(); ++x) {
            const uint32_t w = table[src[x]];
            dst[3 * x] = static_cast<uint8_t>(w);
            dst[3 * x + 1] = static_cast<uint8_t>(w >> 8);
            dst[3 * x + 2] = static_cast<uint8_t>(w >> 16);
        }
    }
    return image;
}

TColorRef TTrueDib::Sample(double y, double x) const {
    const int x0 = static_cast<int>(x);
    const int y0 = static_cast<int>(y);
    const double fx = x - x0;
    const double fy = y - y0;
    // A right or lower neighbour past the last column or row is read from that column or row.
    const int x1 = std::min(x0 + 1, Width() - 1), y1 = std::min(y0 + 1, Height() - 1);
    const uint8_t* p00 = GetPixel(x0, y0);
    const uint8_t* p10 = GetPixel(x1, y0);
    const uint8_t* p01 = GetPixel(x0, y1);
    const uint8_t* p11 = GetPixel(x1, y1);
    int channel[3];
    for (int c = 0; c < 3; ++c) {
        const double sum = p00[c] * (1 - fx) * (1 - fy) + p10[c] * fx * (1 - fy) + p01[c] * fy * (1 - fx) +
                           p11[c] * fx * fy;
        channel[c] = static_cast<int>(sum + 0.5);
    }
    return RGB(channel[2], channel[1], channel[0]);
}

// ---------------------------------------------------------------- TMaskDib

std::unique_ptr<TMaskDib> TMaskDib::CreateFromInfo(TBitmapInfoHeader& header, std::span<const uint32_t> colorTable,
                                                   const uint8_t* bits, size_t bitsSize) {
    return std::unique_ptr<TMaskDib>(new TMaskDib(header, colorTable, bits, bitsSize, false));
}

std::unique_ptr<TMaskDib> TMaskDib::Create(int width, int height) {
    TBitmapInfoHeader h = HeaderFor(width, height, 2);
    const uint32_t table[2] = {0x000000, 0xFFFFFF};
    return CreateFromInfo(h, table, nullptr, 0);
}

std::unique_ptr<TMaskDib> TMaskDib::CreateSize(TPoint size) { return Create(size.X, size.Y); }


std::unique_ptr<TMaskDib> TMaskDib::CreateFromRect(const TMaskDib& source, const TRect& rect) {
    auto mask = Create(rect.Width(), rect.Height());
    for (int i = 0; i < source.Colors(); ++i) mask->SetColor(i, source.GetColor(i));
    CopyRectPixels(source, rect, *mask);
    return mask;
}

std::unique_ptr<TMaskDib> TMaskDib::CreateClone(const TMaskDib& source) { return CloneAs<TMaskDib>(source); }

std::unique_ptr<TMaskDib> TMaskDib::CreateFromColor(const TDib& image, bool inside, TColorRef color) {
    auto mask = Create(image.Width(), image.Height());
    mask->BuildFromColor(image, color, 0, inside);
    return mask;
}

bool TMaskDib::Contains(TPoint p) const { return GetRect().Contains(p) && Pixel(p.X, p.Y) != 0; }

TRect TMaskDib::BoundsIn(const TRect& rect) const {
    const TRect r = IntersectRect(rect, GetRect());
    if (r.IsEmpty()) return TRect{};
    auto rowHas = [&](int y) {
        const uint8_t* line = ScanLine(y);
        for (int x = r.Left; x < r.Right; ++x)
            if (line[x]) return true;
        return false;
    };
    int top = r.Top;
    while (top < r.Bottom && !rowHas(top)) ++top;
    if (top == r.Bottom) return TRect{};
    int bottom = r.Bottom;
    while (bottom > top && !rowHas(bottom - 1)) --bottom;
    auto columnHas = [&](int x) {
        for (int y = top; y < bottom; ++y)
            if (ScanLine(y)[x]) return true;
        return false;
    };
    int left = r.Left;
    while (!columnHas(left)) ++left;
    int right = r.Right;
    while (!columnHas(right - 1)) --right;
    return TRect{left, top, right, bottom};
}

void TMaskDib::BuildFromColor(const TDib& image, TColorRef color, int tolerance, bool inside) {
    const uint8_t in = inside ? 1 : 0;
    const uint8_t out = inside ? 0 : 1;
    std::fill(Bits(), Bits() + static_cast<size_t>(LineBytes()) * Height(), out);
    const int w = std::min(Width(), image.Width());
    const int h = std::min(Height(), image.Height());
    auto matches = [&](TColorRef c) {
        if (tolerance <= 0) return c == (color & 0x00FFFFFF);
        return std::abs(GetRValue(c) - GetRValue(color)) <= tolerance &&
               std::abs(GetGValue(c) - GetGValue(color)) <= tolerance &&
               std::abs(GetBValue(c) - GetBValue(color)) <= tolerance;
    };
    if (image.IsTrueColor()) {
        for (int y = 0; y < h; ++y) {
            const uint8_t* src = image.ScanLine(y);
            uint8_t* dst = ScanLine(y);
            for (int x = 0; x < w; ++x)
                if (matches(RGB(src[3 * x + 2], src[3 * x + 1], src[3 * x]))) dst[x] = in;
        }
        return;
    }
    std::array<uint8_t, 256> lut;
    for (int i = 0; i < 256; ++i) lut[i] = matches(TableWordToColorRef(image.ColorTable()[i])) ? in : out;
    for (int y = 0; y < h; ++y) {
        const uint8_t* src = image.ScanLine(y);
        uint8_t* dst = ScanLine(y);
        for (int x = 0; x < w; ++x) dst[x] = lut[src[x]];
    }
}

namespace {
// Shared tail of SelectSurface and SelectBorder: fill the mask from the point with index 1,
// then keep only what the fill added (exclusive or with the mask before the fill).
void FillAndKeepAdded(TMaskDib& mask, TPoint point, TFillStyle style) {
    auto before = TMaskDib::CreateClone(mask);
    TDibCanvas& canvas = mask.Canvas();
    const TBrush brush = canvas.Brush;
    const TCopyMode mode = canvas.CopyMode;
    canvas.Brush = TBrush{PaletteIndex(1), TBrushStyle::Solid};
    canvas.FloodFill(point.X, point.Y, PaletteIndex(style == TFillStyle::Surface ? 0 : 1), style);
    canvas.CopyMode = TCopyMode::SrcInvert;
    canvas.Draw(0, 0, *before);
    canvas.CopyMode = mode;
    canvas.Brush = brush;
}
}  // namespace

void TMaskDib::SelectSurface(const TDib* image, TPoint point, int tolerance) {
    if (!image || tolerance < 0 || !image->GetRect().Contains(point)) return;
    TColorRef c;
    if (image->IsTrueColor()) {
        const uint8_t* p = image->ScanLine(point.Y) + 3 * point.X;
        c = RGB(p[2], p[1], p[0]);
    } else {
        c = image->GetColor(image->Pixel(point.X, point.Y));
    }
    BuildFromColor(*image, c, tolerance, false);
    FillAndKeepAdded(*this, point, TFillStyle::Surface);
}

void TMaskDib::SelectBorder(const TDib* image, TPoint point, int tolerance, TColorRef color) {
    if (!image || tolerance < 0 || !image->GetRect().Contains(point)) return;
    BuildFromColor(*image, color, tolerance, true);
    FillAndKeepAdded(*this, point, TFillStyle::Border);
}

}  // namespace pixmo
