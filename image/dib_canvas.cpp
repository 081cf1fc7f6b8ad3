// Interim canvas: simple, clipped, per-pixel versions of every operation.
#include "image/dib_canvas.h"

#include <algorithm>
#include <cstring>
#include <vector>

#include "image/dib.h"

namespace pixmo {

TDibCanvas::TDibCanvas(TDib& dib) : FDib(&dib) {}

uint32_t TDibCanvas::PixelValueOf(TColor color) const {
    if (IsPaletteIndex(color)) return color & 0xFF;
    if (FDib->IsTrueColor()) return ColorRefToTableWord(color & 0xFFFFFF);
    const int i = FDib->IndexOfColor(color & 0xFFFFFF);
    return i < 0 ? 0 : static_cast<uint32_t>(i);
}

void TDibCanvas::MoveTo(int x, int y) { FPenPos = TPoint{x, y}; }

void TDibCanvas::LineTo(int x, int y) {
    const uint32_t v = PixelValueOf(Pen.Color);
    LineDDA(FPenPos.X, FPenPos.Y, x, y, [&](int px, int py) {
        if (FDib->GetRect().Contains(TPoint{px, py})) FDib->SetPixel(px, py, static_cast<uint8_t>(v));
    });
    FPenPos = TPoint{x, y};
}

void TDibCanvas::Rectangle(int, int, int, int) {}
void TDibCanvas::Ellipse(int, int, int, int) {}
void TDibCanvas::Polygon(std::span<const TPoint>) {}
void TDibCanvas::Polyline(std::span<const TPoint> points) {
    if (points.empty()) return;
    MoveTo(points[0].X, points[0].Y);
    for (size_t i = 1; i < points.size(); ++i) LineTo(points[i].X, points[i].Y);
}
void TDibCanvas::PolyBezier(std::span<const TPoint>) {}

void TDibCanvas::FillRect(const TRect& rect) {
    const TRect r = IntersectRect(rect, FDib->GetRect());
    for (int y = r.Top; y < r.Bottom; ++y)
        for (int x = r.Left; x < r.Right; ++x) SetPixelColor(x, y, Brush.Color);
}

void TDibCanvas::SetPixelColor(int x, int y, TColor color) {
    if (!FDib->GetRect().Contains(TPoint{x, y})) return;
    const uint32_t v = PixelValueOf(color);
    if (FDib->IsTrueColor()) {
        uint8_t* p = FDib->ScanLine(y) + 3 * x;
        p[0] = v & 0xFF, p[1] = (v >> 8) & 0xFF, p[2] = (v >> 16) & 0xFF;
    } else {
        FDib->SetPixel(x, y, static_cast<uint8_t>(v));
    }
}

uint32_t TDibCanvas::GetPixelValue(int x, int y) const {
    if (!FDib->GetRect().Contains(TPoint{x, y})) return 0xFFFFFFFFu;
    if (FDib->IsTrueColor()) {
        const uint8_t* p = FDib->ScanLine(y) + 3 * x;
        return p[0] | (p[1] << 8) | (p[2] << 16);
    }
    return FDib->Pixel(x, y);
}

void TDibCanvas::FloodFill(int x, int y, TColor color, TFillStyle style) {
    if (!FDib->GetRect().Contains(TPoint{x, y}) || FDib->IsTrueColor()) return;
    const uint8_t target = static_cast<uint8_t>(PixelValueOf(color));
    const uint8_t fill = static_cast<uint8_t>(PixelValueOf(Brush.Color));
    const int w = FDib->Width(), h = FDib->Height();
    std::vector<uint8_t> seen(static_cast<size_t>(w) * h);
    std::vector<TPoint> stack{TPoint{x, y}};
    while (!stack.empty()) {
        TPoint p = stack.back();
        stack.pop_back();
        if (p.X < 0 || p.Y < 0 || p.X >= w || p.Y >= h) continue;
        uint8_t& s = seen[static_cast<size_t>(p.Y) * w + p.X];
        if (s) continue;
        const uint8_t v = FDib->Pixel(p.X, p.Y);
        if (style == TFillStyle::Surface ? v != target : v == target) continue;
        s = 1;
        FDib->SetPixel(p.X, p.Y, fill);
        stack.push_back(TPoint{p.X + 1, p.Y});
        stack.push_back(TPoint{p.X - 1, p.Y});
        stack.push_back(TPoint{p.X, p.Y + 1});
        stack.push_back(TPoint{p.X, p.Y - 1});
    }
}

void TDibCanvas::CopyRect(TPoint dest, const TDibCanvas& source, const TRect& srcRect) {
    const TDib& src = source.Dib();
    for (int y = srcRect.Top; y < srcRect.Bottom; ++y)
        for (int x = srcRect.Left; x < srcRect.Right; ++x) {
            if (!src.GetRect().Contains(TPoint{x, y})) continue;
            const int dx = dest.X + x - srcRect.Left, dy = dest.Y + y - srcRect.Top;
            if (!FDib->GetRect().Contains(TPoint{dx, dy}) || FDib->IsTrueColor() || src.IsTrueColor()) continue;
            const uint8_t s = src.Pixel(x, y), d = FDib->Pixel(dx, dy);
            uint8_t r = s;
            switch (CopyMode) {
                case TCopyMode::SrcCopy: r = s; break;
                case TCopyMode::SrcInvert: r = d ^ s; break;
                case TCopyMode::SrcAnd: r = d & s; break;
                case TCopyMode::SrcPaint: r = d | s; break;
                case TCopyMode::AndNot: r = d & ~s; break;
                case TCopyMode::SrcErase: r = s & ~d; break;
                case TCopyMode::NotSrcCopy: r = ~s; break;
                case TCopyMode::DstInvert: r = ~d; break;
                case TCopyMode::Blackness: r = 0; break;
                case TCopyMode::Whiteness: r = 0xFF; break;
            }
            FDib->SetPixel(dx, dy, r);
        }
}

bool TDibCanvas::StretchDraw(TPoint, TPoint, const TDibCanvas&, const TRect&) { return false; }

void TDibCanvas::Draw(int x, int y, const TDib& image) {
    TDib& self = const_cast<TDib&>(image);
    CopyRect(TPoint{x, y}, self.Canvas(), image.GetRect());
}

void TDibCanvas::Clear(TColor color) {
    const TColor saved = Brush.Color;
    Brush.Color = color;
    FillRect(FDib->GetRect());
    Brush.Color = saved;
}

void TDibCanvas::DrawDib(TPoint point, const TDib* image) {
    if (image) Draw(point.X, point.Y, *image);
}

void LineDDA(int x1, int y1, int x2, int y2, const std::function<void(int x, int y)>& proc) {
    int dx = std::abs(x2 - x1), dy = -std::abs(y2 - y1);
    int sx = x1 < x2 ? 1 : -1, sy = y1 < y2 ? 1 : -1, err = dx + dy;
    while (x1 != x2 || y1 != y2) {
        proc(x1, y1);
        int e2 = 2 * err;
        if (e2 >= dy) err += dy, x1 += sx;
        if (e2 <= dx) err += dx, y1 += sy;
    }
}

}  // namespace pixmo
