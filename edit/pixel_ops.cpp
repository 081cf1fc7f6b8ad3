#include "edit/pixel_ops.h"

#include <algorithm>
#include <cstring>

#include "image/packed_dib.h"

namespace pixmo {

void CopyPixels(TDib& dst, TPoint at, const TDib& src, const TRect& srcRect) {
    const int bpp = dst.PixelBytes();
    if (bpp != src.PixelBytes()) return;
    TRect from = IntersectRect(srcRect, src.GetRect());
    // Destination rectangle of the clipped source, then clipped to dst and mapped back.
    const int dx = at.X - srcRect.Left, dy = at.Y - srcRect.Top;
    const TRect to = IntersectRect(OffsetRect(from, dx, dy), dst.GetRect());
    if (to.IsEmpty()) return;
    from = OffsetRect(to, -dx, -dy);
    const size_t bytes = static_cast<size_t>(to.Width()) * bpp;
    for (int y = 0; y < to.Height(); ++y)
        std::memmove(dst.ScanLine(to.Top + y) + static_cast<size_t>(to.Left) * bpp,
                     src.ScanLine(from.Top + y) + static_cast<size_t>(from.Left) * bpp, bytes);
}

void StampThroughMask(TDib& dst, TPoint at, const TDib& src, const TMaskDib& mask) {
    const int bpp = dst.PixelBytes();
    if (bpp != src.PixelBytes()) return;
    const TRect to = IntersectRect(OffsetRect(src.GetRect(), at.X, at.Y), dst.GetRect());
    const int w = std::min(src.Width(), mask.Width()), h = std::min(src.Height(), mask.Height());
    for (int y = to.Top; y < to.Bottom; ++y) {
        const int sy = y - at.Y;
        if (sy >= h) break;
        uint8_t* d = dst.ScanLine(y);
        const uint8_t* s = src.ScanLine(sy);
        const uint8_t* m = mask.ScanLine(sy);
        for (int x = to.Left; x < to.Right; ++x) {
            const int sx = x - at.X;
            if (sx >= w) break;
            if (m[sx]) std::memcpy(d + static_cast<size_t>(x) * bpp, s + static_cast<size_t>(sx) * bpp, bpp);
        }
    }
}

void FillThroughMask(TDib& dst, const TMaskDib& mask, const TRect& rect, uint8_t value) {
    const TRect r = IntersectRect(IntersectRect(rect, dst.GetRect()), mask.GetRect());
    if (dst.PixelBytes() != 1) return;
    for (int y = r.Top; y < r.Bottom; ++y) {
        uint8_t* d = dst.ScanLine(y);
        const uint8_t* m = mask.ScanLine(y);
        for (int x = r.Left; x < r.Right; ++x)
            if (m[x]) d[x] = value;
    }
}

void TakeThroughMask(TDib& piece, TPoint pieceAt, const TDib& image, const TMaskDib& pieceMask,
                     const TRect& rect) {
    const int bpp = piece.PixelBytes();
    if (bpp != image.PixelBytes()) return;
    TRect r = IntersectRect(rect, image.GetRect());
    r = IntersectRect(r, OffsetRect(piece.GetRect(), pieceAt.X, pieceAt.Y));
    r = IntersectRect(r, OffsetRect(pieceMask.GetRect(), pieceAt.X, pieceAt.Y));
    for (int y = r.Top; y < r.Bottom; ++y) {
        uint8_t* d = piece.ScanLine(y - pieceAt.Y);
        const uint8_t* m = pieceMask.ScanLine(y - pieceAt.Y);
        const uint8_t* s = image.ScanLine(y);
        for (int x = r.Left; x < r.Right; ++x) {
            const int px = x - pieceAt.X;
            if (m[px]) std::memcpy(d + static_cast<size_t>(px) * bpp, s + static_cast<size_t>(x) * bpp, bpp);
        }
    }
}

void FillAll(TDib& image, uint8_t value) {
    const size_t bytes = static_cast<size_t>(image.Width()) * image.PixelBytes();
    for (int y = 0; y < image.Height(); ++y) std::memset(image.ScanLine(y), value, bytes);
}

TBlock PackRect(const TDib& image, const TRect& rect) {
    if (rect.IsEmpty()) return {};
    return image.CreatePackedRect(rect);
}

void PasteBlock(TDib& dst, TPoint at, std::span<const uint8_t> block) {
    if (block.empty()) return;
    auto source = UnpackDib(block);
    CopyPixels(dst, at, *source);
}

std::unique_ptr<TDib> UnpackDib(std::span<const uint8_t> block) { return TDib::CreateFromPacked(block); }

std::unique_ptr<TMaskDib> UnpackMask(std::span<const uint8_t> block) {
    return CreateFromPackedAs<TMaskDib>(block);
}

bool SameColorTable(const TDib& a, const TDib& b) {
    if (a.Colors() != b.Colors() || a.IsTrueColor() != b.IsTrueColor()) return false;
    const auto ta = a.UsedColorTable(), tb = b.UsedColorTable();
    return std::equal(ta.begin(), ta.end(), tb.begin());
}

std::unique_ptr<TDib> ConvertToPalette(const TDib& image, const TDib& paletteImage) {
    if (SameColorTable(image, paletteImage)) {
        return TDib::CreateFromRect(image, image.GetRect());
    }
    return TDib::CreateOnPalette(image, paletteImage);
}

void TakeColorTable(TDib& image, const TDib& from) {
    const int n = std::min(image.Colors(), from.Colors());
    for (int i = 0; i < n; ++i) image.SetColor(i, from.GetColor(i));
    image.SetAlphas(from.Alphas());
}

}  // namespace pixmo

namespace pixmo {

void StampThroughDestMask(TDib& dst, TPoint at, const TDib& src, const TMaskDib& maskOfDst) {
    const int bpp = dst.PixelBytes();
    if (bpp != src.PixelBytes()) return;
    TRect r = IntersectRect(OffsetRect(src.GetRect(), at.X, at.Y), dst.GetRect());
    r = IntersectRect(r, maskOfDst.GetRect());
    for (int y = r.Top; y < r.Bottom; ++y) {
        uint8_t* d = dst.ScanLine(y);
        const uint8_t* m = maskOfDst.ScanLine(y);
        const uint8_t* s = src.ScanLine(y - at.Y);
        for (int x = r.Left; x < r.Right; ++x)
            if (m[x]) std::memcpy(d + static_cast<size_t>(x) * bpp, s + static_cast<size_t>(x - at.X) * bpp, bpp);
    }
}

void MirrorInPlace(TDib& image, bool horizontal) {
    const int bpp = image.PixelBytes(), w = image.Width(), h = image.Height();
    std::vector<uint8_t> row(static_cast<size_t>(w) * bpp);
    if (!horizontal) {
        for (int y = 0; y < h / 2; ++y) {
            std::memcpy(row.data(), image.ScanLine(y), row.size());
            std::memcpy(image.ScanLine(y), image.ScanLine(h - 1 - y), row.size());
            std::memcpy(image.ScanLine(h - 1 - y), row.data(), row.size());
        }
        return;
    }
    for (int y = 0; y < h; ++y) {
        uint8_t* line = image.ScanLine(y);
        std::memcpy(row.data(), line, row.size());
        for (int x = 0; x < w; ++x)
            std::memcpy(line + static_cast<size_t>(x) * bpp, row.data() + static_cast<size_t>(w - 1 - x) * bpp, bpp);
    }
}

}  // namespace pixmo
