#include "image/raster_primitives.h"

#include <algorithm>
#include <cstdlib>

#include "image/int_math.h"

namespace pixmo {

namespace {

bool IsStrip(const TDibCanvas& canvas, const TRect& r) {
    return canvas.Pen.Width == 1 && (r.Width() == 1 || r.Height() == 1);
}

// Covers the strip: the line to the far corner leaves that corner out, so one more step.
void DrawStrip(TDibCanvas& canvas, const TRect& r) {
    canvas.MoveTo(r.Left, r.Top);
    canvas.LineTo(r.Right - 1, r.Bottom - 1);
    canvas.LineTo(r.Right - 1, r.Bottom);
}

void SetOnePoint(TDibCanvas& canvas, TPoint p, int toY) {
    canvas.MoveTo(p.X, p.Y);
    canvas.LineTo(p.X, toY);
}

}  // namespace

void DrawRectangle(TDibCanvas& canvas, const TRect& rect) {
    if (IsStrip(canvas, rect))
        DrawStrip(canvas, rect);
    else
        canvas.Rectangle(rect.Left, rect.Top, rect.Right, rect.Bottom);
}

void DrawEllipse(TDibCanvas& canvas, const TRect& rect) {
    if (IsStrip(canvas, rect))
        DrawStrip(canvas, rect);
    else
        canvas.Ellipse(rect.Left, rect.Top, rect.Right, rect.Bottom);
}

void DrawLine(TDibCanvas& canvas, TPoint p1, TPoint p2) {
    canvas.MoveTo(p1.X, p1.Y);
    canvas.LineTo(p2.X, p2.Y);
    if (canvas.Pen.Width <= 1) canvas.LineTo(p2.X, p2.Y + 1);
}

void DrawPolygon(TDibCanvas& canvas, std::span<const TPoint> points, int highest) {
    if (highest < 0 || static_cast<size_t>(highest) >= points.size()) return;
    if (highest > 0)
        canvas.Polygon(points.first(static_cast<size_t>(highest) + 1));
    else
        SetOnePoint(canvas, points[0], points[0].Y - 1);
}

void DrawPolyline(TDibCanvas& canvas, std::span<const TPoint> points, int highest) {
    if (highest < 0 || static_cast<size_t>(highest) >= points.size()) return;
    const auto used = points.first(static_cast<size_t>(highest) + 1);
    if (canvas.Pen.Width == 1) {
        if (highest > 0) canvas.Polyline(used);
        const TPoint last = used.back();
        SetOnePoint(canvas, last, last.Y + 1);
    } else if (highest > 0) {
        canvas.Polyline(used);
    } else {
        const TPoint twice[2] = {points[0], points[0]};
        canvas.Polyline(twice);
    }
}

void StretchBlock(TDibCanvas& dest, TPoint a, TPoint b, const TDibCanvas& source, const TRect& rect) {
    if (dest.StretchDraw(a, b, source, rect)) return;
    const int n = rect.Bottom - rect.Top;
    if (n <= 0) return;  // no rows to spread (and no band width to divide by)
    const int top = std::min(a.Y, b.Y);
    const int band = Div(std::abs(b.Y - a.Y), n);
    for (int k = n - 1; k >= 0; --k) {
        const int y = top + k * band;
        dest.StretchDraw(TPoint{a.X, y}, TPoint{b.X, y + band}, source,
                         TRect{rect.Left, rect.Top + k, rect.Right, rect.Top + k + 1});
    }
}

void CopyNeighbours(TDibCanvas& dest, const TDibCanvas& source, const TRect& rect) {
    dest.CopyRect(TPoint{rect.Left - 1, rect.Top}, source, rect);
    dest.CopyRect(TPoint{rect.Left, rect.Top - 1}, source, rect);
    dest.CopyRect(TPoint{rect.Left + 1, rect.Top}, source, rect);
    dest.CopyRect(TPoint{rect.Left, rect.Top + 1}, source, rect);
}

void CopyWrapped(TDibCanvas& dest, int x, int y, const TRect& srcRect, const TDibCanvas& source, int dy, int dx) {
    const int w = srcRect.Width(), h = srcRect.Height();
    if (w <= 0 || h <= 0) return;
    dx = Mod(dx, w);
    dy = Mod(dy, h);
    if (dx == 0 && dy == 0) {
        dest.CopyRect(TPoint{x, y}, source, srcRect);
        return;
    }
    if (dx > 0) dx -= w;
    if (dy > 0) dy -= h;
    const int l = srcRect.Left, t = srcRect.Top, r = srcRect.Right, b = srcRect.Bottom;
    dest.CopyRect(TPoint{x, y}, source, TRect{l - dx, t - dy, r, b});
    if (dx != 0) dest.CopyRect(TPoint{x + dx + w, y}, source, TRect{l, t - dy, l - dx, b});
    if (dy != 0) dest.CopyRect(TPoint{x, y + dy + h}, source, TRect{l - dx, t, r, t - dy});
    if (dx != 0 && dy != 0) dest.CopyRect(TPoint{x + dx + w, y + dy + h}, source, TRect{l, t, l - dx, t - dy});
}

namespace {

template <typename Image>
std::unique_ptr<Image> ShiftInto(std::unique_ptr<Image> result, const TDib& image, int dx, int dy) {
    // The source is only read; a canvas of its own keeps the image's canvas settings out.
    TDibCanvas source(const_cast<TDib&>(image));
    TDibCanvas dest(*result);
    CopyWrapped(dest, 0, 0, image.GetRect(), source, dy, dx);
    return result;
}

using TEntryChange = TColorRef (*)(TColorRef, int);

TColorRef Swapped(TColorRef c, int kind) {
    const int r = GetRValue(c), g = GetGValue(c), b = GetBValue(c);
    switch (kind) {
        case 0: return RGB(g, r, b);
        case 1: return RGB(r, b, g);
        case 2: return RGB(b, g, r);
        default: return c;
    }
}

std::unique_ptr<TDib> ChangeTable(const TDib* image, int kind, TEntryChange change, const TColorRef* except) {
    if (!image) return nullptr;
    auto result = TDib::CreateClone(*image);
    for (int i = 0; i < result->Colors(); ++i) {
        const TColorRef c = result->GetColor(i);
        const TColorRef n = change(c, kind);
        if (except && (c == (*except & 0xFFFFFF) || n == (*except & 0xFFFFFF))) continue;
        result->SetColor(i, n);
    }
    return result;
}

}  // namespace

std::unique_ptr<TDib> ShiftImage(const TDib& image, int dx, int dy) {
    return ShiftInto(TDib::CreateClone(image), image, dx, dy);
}

std::unique_ptr<TMaskDib> ShiftImage(const TMaskDib& mask, int dx, int dy) {
    return ShiftInto(TMaskDib::CreateClone(mask), mask, dx, dy);
}

std::unique_ptr<TDib> InvertColors(const TDib* image) {
    return ChangeTable(
        image, 0, [](TColorRef c, int) { return RGB(255 - GetRValue(c), 255 - GetGValue(c), 255 - GetBValue(c)); },
        nullptr);
}

std::unique_ptr<TDib> SwapChannels(const TDib* image, int kind) { return ChangeTable(image, kind, Swapped, nullptr); }

std::unique_ptr<TDib> SwapChannelsExcept(const TDib* image, int kind, TColorRef color) {
    return ChangeTable(image, kind, Swapped, &color);
}

}  // namespace pixmo
