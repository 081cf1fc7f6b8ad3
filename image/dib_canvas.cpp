#include "image/dib_canvas.h"

#include <algorithm>
#include <vector>

#include "image/color_match.h"
#include "image/dib.h"
#include "image/raster_blit.h"
#include "image/raster_flood.h"
#include "image/raster_line.h"
#include "image/raster_pen.h"
#include "image/raster_polygon.h"
#include "image/raster_shapes.h"

namespace pixmo {

TDibCanvas::TDibCanvas(TDib& dib) : FDib(&dib) {}

uint32_t TDibCanvas::PixelValueOf(TColor color) const {
    if (FDib->IsTrueColor()) {
        // A 24-bit image has no table: a palette index takes the (black) word stored there.
        return IsPaletteIndex(color) ? FDib->ColorTable()[color & 0xFF] & 0xFFFFFF
                                     : ColorRefToTableWord(color & 0xFFFFFF);
    }
    if (IsPaletteIndex(color)) return color & 0xFF;
    return static_cast<uint32_t>(NearestTableIndex(FDib->UsedColorTable(), ColorRefToTableWord(color & 0xFFFFFF)));
}

void TDibCanvas::MoveTo(int x, int y) { FPenPos = TPoint{x, y}; }

void TDibCanvas::LineTo(int x, int y) {
    TPixelWriter writer(*FDib, PixelValueOf(Pen.Color), Pen.Mode, Rule);
    TPenStroke stroke(writer, Pen.Width);
    if (Rule && Pen.Width > 1) {
        const int reach = stroke.Reach() + 1;
        stroke.GatherRows(int64_t{std::min(FPenPos.Y, y)} - reach, int64_t{std::max(FPenPos.Y, y)} + reach + 1);
    }
    // A wide pen has round ends at both points; a one-pixel line leaves its end out.
    StrokeLine(stroke, FPenPos.X, FPenPos.Y, x, y, Pen.Width > 1);
    FPenPos = TPoint{x, y};
}

void TDibCanvas::Rectangle(int left, int top, int right, int bottom) {
    TPixelWriter pen(*FDib, PixelValueOf(Pen.Color), Pen.Mode, Rule);
    TPixelWriter brush(*FDib, PixelValueOf(Brush.Color), Pen.Mode, Rule);
    TPenStroke stroke(pen, Pen.Width);
    RasterRectangle(stroke, Brush.Style == TBrushStyle::Solid ? &brush : nullptr, left, top, right, bottom);
}

void TDibCanvas::Ellipse(int left, int top, int right, int bottom) {
    TPixelWriter pen(*FDib, PixelValueOf(Pen.Color), Pen.Mode, Rule);
    TPixelWriter brush(*FDib, PixelValueOf(Brush.Color), Pen.Mode, Rule);
    TPenStroke stroke(pen, Pen.Width);
    RasterEllipse(stroke, Brush.Style == TBrushStyle::Solid ? &brush : nullptr, left, top, right, bottom);
}

void TDibCanvas::Polygon(std::span<const TPoint> points) {
    if (points.size() < 2) return;
    if (Brush.Style == TBrushStyle::Solid) {
        TPixelWriter brush(*FDib, PixelValueOf(Brush.Color), Pen.Mode, Rule);
        FillPolygon(brush, points, PolyFillMode);
    }
    TPixelWriter pen(*FDib, PixelValueOf(Pen.Color), Pen.Mode, Rule);
    TPenStroke stroke(pen, Pen.Width);
    for (size_t i = 0; i < points.size(); ++i) {
        const TPoint a = points[i], b = points[(i + 1) % points.size()];
        StrokeLine(stroke, a.X, a.Y, b.X, b.Y, false);
    }
}

void TDibCanvas::Polyline(std::span<const TPoint> points) {
    if (points.empty()) return;
    TPixelWriter pen(*FDib, PixelValueOf(Pen.Color), Pen.Mode, Rule);
    TPenStroke stroke(pen, Pen.Width);
    const bool wide = Pen.Width > 1;
    for (size_t i = 1; i < points.size(); ++i) {
        const TPoint a = points[i - 1], b = points[i];
        // Joins are drawn once: every segment but a wide pen's last leaves its end out.
        StrokeLine(stroke, a.X, a.Y, b.X, b.Y, wide && i + 1 == points.size());
    }
    if (wide && points.size() == 1) stroke.Point(points[0].X, points[0].Y);
}

void TDibCanvas::PolyBezier(std::span<const TPoint> points) {
    if (points.size() < 4) return;
    TPixelWriter pen(*FDib, PixelValueOf(Pen.Color), Pen.Mode, Rule);
    TPenStroke stroke(pen, Pen.Width);
    RasterBezier(stroke, points, Pen.Width > 1);
}

void TDibCanvas::FillRect(const TRect& rect) {
    TPixelWriter brush(*FDib, PixelValueOf(Brush.Color), TPenMode::Copy);
    const TRect r = IntersectRect(rect, FDib->GetRect());
    for (int y = r.Top; y < r.Bottom; ++y) brush.Span(y, r.Left, r.Right);
}

void TDibCanvas::SetPixelColor(int x, int y, TColor color) {
    TPixelWriter writer(*FDib, PixelValueOf(color), TPenMode::Copy);
    writer.Pixel(x, y);
}

void TDibCanvas::PaintPixels(std::span<const TPoint> points) {
    TPixelWriter writer(*FDib, PixelValueOf(Pen.Color), TPenMode::Copy, Rule);
    for (const TPoint p : points) writer.Pixel(p.X, p.Y);
}

uint32_t TDibCanvas::GetPixelValue(int x, int y) const {
    if (!FDib->GetRect().Contains(TPoint{x, y})) return 0xFFFFFFFFu;
    if (FDib->IsTrueColor()) {
        const uint8_t* p = FDib->ScanLine(y) + 3 * x;
        return p[0] | (p[1] << 8) | (p[2] << 16);
    }
    return FDib->Pixel(x, y);
}

// With a rule the area is first found with a marker of its own and then painted through the
// rule, so that neither the ink nor the mirror images change what the fill finds.
TRect TDibCanvas::FloodFill(int x, int y, TColor color, TFillStyle style) {
    const uint32_t target = PixelValueOf(color), fill = PixelValueOf(Brush.Color);
    if (!Rule || FDib->PixelBytes() != 1) return ScanlineFloodFill(*FDib, x, y, target, fill, style);
    const uint32_t marker = style == TFillStyle::Surface && fill == target ? target ^ 1 : fill;
    std::vector<TFillSpan> spans;
    const TRect filled = ScanlineFloodFill(*FDib, x, y, target, marker, style, &spans);
    TPixelWriter writer(*FDib, fill, TPenMode::Copy, Rule);
    for (const TFillSpan& s : spans) writer.Span(s.Y, s.X0, s.X1);
    return filled;
}

void TDibCanvas::CopyRect(TPoint dest, const TDibCanvas& source, const TRect& srcRect) {
    BlitRect(*FDib, dest, source.Dib(), srcRect, CopyMode);
}

bool TDibCanvas::StretchDraw(TPoint destA, TPoint destB, const TDibCanvas& source, const TRect& srcRect) {
    return StretchRect(*FDib, destA, destB, source.Dib(), srcRect, CopyMode);
}

void TDibCanvas::Draw(int x, int y, const TDib& image) {
    BlitRect(*FDib, TPoint{x, y}, image, image.GetRect(), CopyMode);
}

void TDibCanvas::Clear(TColor color) {
    const TColor saved = Brush.Color;
    Brush.Color = color;
    FillRect(FDib->GetRect());
    Brush.Color = saved;
}

void LineDDA(int x1, int y1, int x2, int y2, const std::function<void(int x, int y)>& proc) {
    ForEachLinePoint(x1, y1, x2, y2, false, TLineClip{}, [&](int64_t x, int64_t y) {
        proc(static_cast<int>(x), static_cast<int>(y));
    });
}

}  // namespace pixmo
