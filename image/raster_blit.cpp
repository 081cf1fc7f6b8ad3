#include "image/raster_blit.h"

#include <algorithm>
#include <cstring>

#include "image/dib.h"

namespace pixmo {

TPixelConverter::TPixelConverter(const TDib& source, const TDib& dest, int64_t pixels)
    : FSrcBytes(source.PixelBytes()), FDstBytes(dest.PixelBytes()) {
    if (FSrcBytes == 3 && FDstBytes == 3) {
        FIdentity = true;
    } else if (FSrcBytes == 1 && FDstBytes == 1) {
        FIdentity = SameColorTables(source, dest);
        if (!FIdentity) FIndexMap = BuildIndexMap(source, dest);
    } else if (FSrcBytes == 1) {
        FIdentity = false;
        FTable = source.ColorTable();
    } else {
        FIdentity = false;
        // A cache in proportion to the work: small copies need no large table.
        int bits = 4;
        while (bits < 18 && (int64_t{1} << bits) < pixels / 4) ++bits;
        FMatcher = std::make_unique<TColorMatcher>(dest.UsedColorTable(), bits);
    }
}

void TPixelConverter::Convert(const uint8_t* source, uint8_t* dest, int count) {
    if (FIdentity) {
        std::memcpy(dest, source, static_cast<size_t>(count) * FSrcBytes);
    } else if (FSrcBytes == 1 && FDstBytes == 1) {
        for (int x = 0; x < count; ++x) dest[x] = FIndexMap[source[x]];
    } else if (FSrcBytes == 1) {
        for (int x = 0; x < count; ++x, dest += 3) {
            const uint32_t w = FTable[source[x]];
            dest[0] = w & 0xFF, dest[1] = (w >> 8) & 0xFF, dest[2] = (w >> 16) & 0xFF;
        }
    } else {
        FMatcher->MatchRow(source, dest, count);
    }
}

void ApplyCopyMode(TCopyMode mode, uint8_t* d, const uint8_t* s, size_t n) {
    switch (mode) {
        case TCopyMode::SrcCopy: std::memmove(d, s, n); break;
        case TCopyMode::SrcInvert: for (size_t i = 0; i < n; ++i) d[i] ^= s[i]; break;
        case TCopyMode::SrcAnd: for (size_t i = 0; i < n; ++i) d[i] &= s[i]; break;
        case TCopyMode::SrcPaint: for (size_t i = 0; i < n; ++i) d[i] |= s[i]; break;
        case TCopyMode::AndNot: for (size_t i = 0; i < n; ++i) d[i] &= static_cast<uint8_t>(~s[i]); break;
        case TCopyMode::SrcErase: for (size_t i = 0; i < n; ++i) d[i] = s[i] & static_cast<uint8_t>(~d[i]); break;
        case TCopyMode::NotSrcCopy: for (size_t i = 0; i < n; ++i) d[i] = static_cast<uint8_t>(~s[i]); break;
        case TCopyMode::DstInvert: for (size_t i = 0; i < n; ++i) d[i] = static_cast<uint8_t>(~d[i]); break;
        case TCopyMode::Blackness: std::memset(d, 0, n); break;
        case TCopyMode::Whiteness: std::memset(d, 0xFF, n); break;
    }
}

void BlitRect(TDib& dest, TPoint point, const TDib& source, const TRect& srcRect, TCopyMode mode) {
    // Clip in 64 bits: the point and rectangle may be anywhere.
    int64_t sl = srcRect.Left, st = srcRect.Top, sr = srcRect.Right, sb = srcRect.Bottom;
    int64_t dl = point.X, dt = point.Y;
    auto clipLow = [](int64_t& s, int64_t& d, int64_t limitS, int64_t limitD) {
        const int64_t cut = std::max<int64_t>({0, limitS - s, limitD - d});
        s += cut;
        d += cut;
    };
    clipLow(sl, dl, 0, 0);
    clipLow(st, dt, 0, 0);
    sr = std::min<int64_t>({sr, source.Width(), sl + (dest.Width() - dl)});
    sb = std::min<int64_t>({sb, source.Height(), st + (dest.Height() - dt)});
    if (sl >= sr || st >= sb) return;
    const int w = static_cast<int>(sr - sl), h = static_cast<int>(sb - st);
    const int sx = static_cast<int>(sl), sy = static_cast<int>(st);
    const int dx = static_cast<int>(dl), dy = static_cast<int>(dt);

    TPixelConverter converter(source, dest, int64_t{w} * h);
    const int srcBytes = source.PixelBytes(), dstBytes = dest.PixelBytes();
    const size_t rowBytes = static_cast<size_t>(w) * dstBytes;
    // Within one image, go against the direction of the move so that no row is read after
    // it was written.
    const bool upward = &source == &dest && dy > sy;
    std::vector<uint8_t> buffer;
    for (int k = 0; k < h; ++k) {
        const int j = upward ? h - 1 - k : k;
        const uint8_t* s = source.ScanLine(sy + j) + static_cast<size_t>(sx) * srcBytes;
        uint8_t* d = dest.ScanLine(dy + j) + static_cast<size_t>(dx) * dstBytes;
        if (converter.Identity() && mode == TCopyMode::SrcCopy) {
            std::memmove(d, s, rowBytes);
            continue;
        }
        buffer.resize(rowBytes);
        converter.Convert(s, buffer.data(), w);
        ApplyCopyMode(mode, d, buffer.data(), rowBytes);
    }
}

namespace {

// Along one axis: destination corners a, b and source start/end. Fills the visible
// destination range [first, last) (clipped to the destination size and to source pixels
// that exist) and the source pixel of each.
struct TAxisMap {
    int64_t First = 0, Last = 0;
    std::vector<int> Source;  // per destination pixel First..Last-1
    bool Build(int64_t a, int64_t b, int64_t s0, int64_t s1, int destSize, int sourceSize) {
        const int64_t dn = b > a ? b - a : a - b;
        const int64_t sn = s1 > s0 ? s1 - s0 : s0 - s1;
        if (dn == 0 || sn == 0) return false;
        const int64_t lo = std::min(a, b);
        First = std::max<int64_t>(lo, 0);
        Last = std::min<int64_t>(lo + dn, destSize);
        Source.clear();
        int64_t keepFirst = Last, keepLast = First;
        std::vector<int> all;
        for (int64_t x = First; x < Last; ++x) {
            const int64_t i = b > a ? x - a : a - 1 - x;  // steps from the a side
            const int64_t step = static_cast<int64_t>((__int128(i) * sn) / dn);
            const int64_t src = s1 > s0 ? s0 + step : s0 - 1 - step;
            if (src < 0 || src >= sourceSize) {
                all.push_back(-1);
                continue;
            }
            keepFirst = std::min(keepFirst, x);
            keepLast = std::max(keepLast, x + 1);
            all.push_back(static_cast<int>(src));
        }
        if (keepFirst >= keepLast) return false;
        Source.assign(all.begin() + (keepFirst - First), all.begin() + (keepLast - First));
        First = keepFirst;
        Last = keepLast;
        return true;
    }
};

}  // namespace

bool StretchRect(TDib& dest, TPoint a, TPoint b, const TDib& source, const TRect& srcRect, TCopyMode mode) {
    if (srcRect.Left == srcRect.Right || srcRect.Top == srcRect.Bottom) return false;
    std::unique_ptr<TDib> copy;
    const TDib* src = &source;
    if (&source == &dest) {
        copy = TDib::CreateClone(source);
        src = copy.get();
    }
    TAxisMap cols, rows;
    if (!cols.Build(a.X, b.X, srcRect.Left, srcRect.Right, dest.Width(), src->Width())) return true;
    if (!rows.Build(a.Y, b.Y, srcRect.Top, srcRect.Bottom, dest.Height(), src->Height())) return true;
    const int w = static_cast<int>(cols.Last - cols.First);
    TPixelConverter converter(*src, dest, int64_t{w} * (rows.Last - rows.First));
    const int srcBytes = src->PixelBytes(), dstBytes = dest.PixelBytes();
    std::vector<uint8_t> gathered(static_cast<size_t>(w) * srcBytes);
    std::vector<uint8_t> converted(static_cast<size_t>(w) * dstBytes);
    int lastSourceRow = -1;
    for (int64_t y = rows.First; y < rows.Last; ++y) {
        const int sy = rows.Source[y - rows.First];
        uint8_t* d = dest.ScanLine(static_cast<int>(y)) + cols.First * dstBytes;
        if (sy < 0) continue;
        if (sy != lastSourceRow) {  // a repeated row is gathered once
            const uint8_t* s = src->ScanLine(sy);
            if (srcBytes == 1) {
                for (int i = 0; i < w; ++i) {
                    const int sx = cols.Source[i];
                    gathered[i] = sx < 0 ? 0 : s[sx];
                }
            } else {
                for (int i = 0; i < w; ++i) {
                    const int sx = cols.Source[i];
                    if (sx < 0) continue;
                    std::memcpy(&gathered[3 * size_t(i)], s + 3 * size_t(sx), 3);
                }
            }
            converter.Convert(gathered.data(), converted.data(), w);
            lastSourceRow = sy;
        }
        ApplyCopyMode(mode, d, converted.data(), converted.size());
    }
    return true;
}

}  // namespace pixmo
