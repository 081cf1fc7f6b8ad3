#pragma once
// TDibCanvas: the drawing surface over a TDib's pixels (the raster engine). It has a pen,
// a brush, a copy mode for block copies and a current position, as the platform canvas
// had. One-pixel pens follow the classic integer rules: lines leave out their end point,
// shapes are bounded right/bottom-exclusive. All coordinates are image pixels; drawing
// is clipped to the image.
//
// Colours are canvas colours (color.h): PaletteIndex(n) draws index n; a colour reference
// is matched to the nearest entry of a paletted image, or written as is into a 24-bit one.
#include <cstdint>
#include <functional>
#include <span>

#include "image/color.h"
#include "image/geometry.h"

namespace pixmo {

class TDib;
class TPaintRule;

// Binary raster operations of the pen (D = destination, P = pen pixel value).
enum class TPenMode {
    Copy,     // P
    Xor,      // D ^ P
    NotXor,   // ~(D ^ P)
    And,      // D & P
    Or,       // D | P
    AndNot,   // D & ~P
    Not,      // ~D
    NotCopy,  // ~P
};

enum class TBrushStyle { Solid, Clear };

// Ternary raster operations of block copies (S = source, D = destination).
enum class TCopyMode {
    SrcCopy,     // S
    SrcInvert,   // D ^ S
    SrcAnd,      // D & S
    SrcPaint,    // D | S
    AndNot,      // D & ~S  (removes the source's set bits)
    SrcErase,    // S & ~D
    NotSrcCopy,  // ~S
    DstInvert,   // ~D
    Blackness,   // 0
    Whiteness,   // all bits set
};

enum class TFillStyle {
    Surface,  // fill the connected area of the given colour
    Border,   // fill the connected area up to pixels of the given colour
};

enum class TPolyFillMode { Alternate, Winding };

struct TPen {
    TColor Color = PaletteIndex(0);
    int Width = 1;
    TPenMode Mode = TPenMode::Copy;
};

struct TBrush {
    TColor Color = PaletteIndex(0);
    TBrushStyle Style = TBrushStyle::Solid;
};

class TDibCanvas {
public:
    explicit TDibCanvas(TDib& dib);
    TDib& Dib() const { return *FDib; }

    TPen Pen;
    TBrush Brush;
    TCopyMode CopyMode = TCopyMode::SrcCopy;
    TPolyFillMode PolyFillMode = TPolyFillMode::Alternate;
    // When set, what the pen, the brush and flood fills paint goes through it (inks, mirror
    // images); not owned. Whoever sets it clears it when the stroke ends.
    const TPaintRule* Rule = nullptr;

    // The stored pixel value a canvas colour becomes on this image: an index for a
    // paletted image, blue | green << 8 | red << 16 for a 24-bit one.
    uint32_t PixelValueOf(TColor color) const;

    TPoint PenPos() const { return FPenPos; }
    void MoveTo(int x, int y);
    // Line from the pen position to (x, y), end point left out; the pen moves there.
    void LineTo(int x, int y);

    // Outline with the pen, inside with the brush (unless clear).
    void Rectangle(int left, int top, int right, int bottom);
    void Ellipse(int left, int top, int right, int bottom);
    void Polygon(std::span<const TPoint> points);
    // Joined lines through the points, the last point left out.
    void Polyline(std::span<const TPoint> points);
    // Cubic Bézier: points 0..3, then 3 more per further segment; drawn with the pen.
    void PolyBezier(std::span<const TPoint> points);
    // The rectangle filled with the brush (no outline), with the brush colour even when
    // the brush is clear.
    void FillRect(const TRect& rect);

    void SetPixelColor(int x, int y, TColor color);
    // Each point's pixel with the pen colour, whatever the pen's width, through the rule.
    void PaintPixels(std::span<const TPoint> points);
    // The stored pixel value, or 0xFFFFFFFF outside the image.
    uint32_t GetPixelValue(int x, int y) const;

    // Scanline flood fill with the brush colour from (x, y), 4-connected; `color` is the
    // surface colour or the border colour. Nothing outside the image. Returns the rectangle
    // of the area filled (without its mirror images).
    TRect FloodFill(int x, int y, TColor color, TFillStyle style);

    // Block copy of srcRect of `source` to destination point with CopyMode. Colours are
    // matched when the tables differ; identical tables copy indices.
    void CopyRect(TPoint dest, const TDibCanvas& source, const TRect& srcRect);
    // Stretched copy (colour on colour: rows and columns are dropped or repeated).
    // Destination corners may be given reversed to mirror. Returns false when refused.
    bool StretchDraw(TPoint destA, TPoint destB, const TDibCanvas& source, const TRect& srcRect);
    // The whole of image to point with CopyMode.
    void Draw(int x, int y, const TDib& image);

    // Fills the whole image with colour; the brush colour is restored afterwards.
    void Clear(TColor color);
    // Copies the whole of image to point; nothing when image is null.

private:
    TDib* FDib;
    TPoint FPenPos;
};

// Enumerates the points of the line from (x1, y1) to (x2, y2), end point left out, in the
// order they are drawn (the platform's LineDDA).
void LineDDA(int x1, int y1, int x2, int y2, const std::function<void(int x, int y)>& proc);

}  // namespace pixmo
