#pragma once
// What the pixels a shape paints become when that is more than the pen's own value: an ink
// that decides each pixel from its place and from what it held before the stroke, and the
// mirror images of everything painted about a vertical and/or a horizontal axis. A canvas
// with a rule (TDibCanvas::Rule) hands it every span its pen, brush or flood fill paints.
// One-byte pixels only: a 24-bit image ignores the rule.
#include <array>
#include <cstdint>
#include <vector>

#include "image/geometry.h"

namespace pixmo {

class TDib;

enum class TInkKind { Pen, Shade, Dither };

struct TInk {
    TInkKind Kind = TInkKind::Pen;
    // Shade: indices Low..High are the ramp; a pixel on it moves Step (+1 or -1) along it,
    // one at the end it would leave stays.
    int Low = 0, High = 0, Step = 1;
    // Dither: the index where x + y is even, and where it is odd.
    uint8_t Even = 0, Odd = 0;
};

// Pixel x is mirrored to SumX - x when X is set, y to SumY - y when Y is set. A sum is twice
// the axis's position less one: W - 1 mirrors about the centre of an image W wide; an even
// sum puts the axis through the middle of a pixel, an odd one between two.
struct TMirrorAxes {
    bool X = false, Y = false;
    int SumX = 0, SumY = 0;
    bool Any() const { return X || Y; }
};

// r clipped to bounds, then the mirror images of that part, each clipped; empties left out.
std::vector<TRect> MirrorRects(const TMirrorAxes& axes, const TRect& r, const TRect& bounds);

class TPaintRule {
public:
    // under: the pixels before the stroke, which shading reads so that a pixel the stroke
    // passes again is not moved again (null: the pixels as they are).
    TPaintRule(const TInk& ink, const TMirrorAxes& mirror, const TDib* under);
    const TInk& Ink() const { return FInk; }
    const TMirrorAxes& Mirror() const { return FMirror; }
    void SetUnder(const TDib* under) { FUnder = under; }

    // Paints [x0, x1) of row y (already clipped to dib) and its mirror images; value is the
    // pen's own index.
    void Span(TDib& dib, int y, int x0, int x1, uint8_t value) const;

private:
    void Put(TDib& dib, int y, int x0, int x1, uint8_t value) const;

    TInk FInk;
    TMirrorAxes FMirror;
    const TDib* FUnder;
    std::array<uint8_t, 256> FShade{};
};

}  // namespace pixmo
