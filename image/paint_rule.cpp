#include "image/paint_rule.h"

#include <algorithm>
#include <cstring>
#include <utility>

#include "image/dib.h"

namespace pixmo {

namespace {
using TBytes16 = uint8_t __attribute__((vector_size(16)));
}  // namespace

std::vector<TRect> MirrorRects(const TMirrorAxes& axes, const TRect& r, const TRect& bounds) {
    std::vector<TRect> out;
    const TRect c = IntersectRect(r, bounds);
    if (c.IsEmpty()) return out;
    out.push_back(c);
    const TRect flippedX{axes.SumX + 1 - c.Right, c.Top, axes.SumX + 1 - c.Left, c.Bottom};
    const TRect flippedY{c.Left, axes.SumY + 1 - c.Bottom, c.Right, axes.SumY + 1 - c.Top};
    const TRect flippedXY{flippedX.Left, flippedY.Top, flippedX.Right, flippedY.Bottom};
    const std::pair<bool, TRect> images[] = {{axes.X, flippedX}, {axes.Y, flippedY}, {axes.X && axes.Y, flippedXY}};
    for (const auto& [on, m] : images) {
        const TRect k = IntersectRect(m, bounds);
        if (on && !k.IsEmpty()) out.push_back(k);
    }
    return out;
}

TPaintRule::TPaintRule(const TInk& ink, const TMirrorAxes& mirror, const TDib* under)
    : FInk(ink), FMirror(mirror), FUnder(under) {
    for (int i = 0; i < 256; ++i) {
        const int to = i + FInk.Step;
        const bool onRamp = i >= FInk.Low && i <= FInk.High && to >= FInk.Low && to <= FInk.High;
        FShade[static_cast<size_t>(i)] = static_cast<uint8_t>(onRamp ? to : i);
    }
}

void TPaintRule::Put(TDib& dib, int y, int x0, int x1, uint8_t value) const {
    uint8_t* row = dib.ScanLine(y);
    switch (FInk.Kind) {
        case TInkKind::Pen: std::memset(row + x0, value, static_cast<size_t>(x1 - x0)); break;
        case TInkKind::Shade: {
            const bool fromUnder = FUnder && FUnder->Width() == dib.Width() && FUnder->Height() == dib.Height() &&
                                   FUnder->PixelBytes() == 1;
            const uint8_t* before = fromUnder ? FUnder->ScanLine(y) : row;
            int x = x0;
            // Sixteen at a time: a pixel moves when it lies in [First, First + Count).
            const uint8_t first = static_cast<uint8_t>(FInk.Step > 0 ? FInk.Low : FInk.Low + 1);
            const uint8_t count = static_cast<uint8_t>(std::max(FInk.High - FInk.Low, 0));
            const uint8_t step = static_cast<uint8_t>(FInk.Step);
            for (; x + 16 <= x1; x += 16) {
                TBytes16 u;
                std::memcpy(&u, before + x, 16);
                const TBytes16 moves = reinterpret_cast<TBytes16>(static_cast<TBytes16>(u - first) < count);
                u += moves & step;
                std::memcpy(row + x, &u, 16);
            }
            for (; x < x1; ++x) row[x] = FShade[before[x]];
            break;
        }
        case TInkKind::Dither:
            for (int x = x0; x < x1; ++x) row[x] = ((x + y) & 1) ? FInk.Odd : FInk.Even;
            break;
    }
}

void TPaintRule::Span(TDib& dib, int y, int x0, int x1, uint8_t value) const {
    Put(dib, y, x0, x1, value);
    if (!FMirror.Any()) return;
    const int w = dib.Width(), h = dib.Height();
    const int mx0 = std::max(FMirror.SumX + 1 - x1, 0), mx1 = std::min(FMirror.SumX + 1 - x0, w);
    const int my = FMirror.SumY - y;
    const bool rowIn = my >= 0 && my < h;
    if (FMirror.X && mx0 < mx1) Put(dib, y, mx0, mx1, value);
    if (FMirror.Y && rowIn) Put(dib, my, x0, x1, value);
    if (FMirror.X && FMirror.Y && rowIn && mx0 < mx1) Put(dib, my, mx0, mx1, value);
}

}  // namespace pixmo
