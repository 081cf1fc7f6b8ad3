#include "image/raster_shapes.h"

#include <algorithm>
#include <cmath>

#include "image/raster_ellipse.h"
#include "image/raster_line.h"

namespace pixmo {
namespace {

TLineClip ClipFor(const TPenStroke& stroke, const TPixelWriter& writer) {
    const int64_t r = stroke.Reach() + 1;
    return TLineClip{-r, -r, writer.Width() - 1 + r, writer.Height() - 1 + r};
}

}  // namespace

void StrokeLine(TPenStroke& stroke, int64_t x1, int64_t y1, int64_t x2, int64_t y2, bool includeEnd) {
    const TLineClip clip = ClipFor(stroke, stroke.Writer());
    ForEachLinePoint(x1, y1, x2, y2, includeEnd, clip, [&](int64_t x, int64_t y) { stroke.Point(x, y); });
}

void RasterRectangle(TPenStroke& stroke, TPixelWriter* brush, int64_t left, int64_t top, int64_t right,
                     int64_t bottom) {
    if (left > right) std::swap(left, right);
    if (top > bottom) std::swap(top, bottom);
    if (left == right || top == bottom) return;
    const TPixelWriter& w = stroke.Writer();
    const int64_t r = stroke.Reach() + 1;
    if (brush) {
        const int64_t y0 = std::max<int64_t>(top + 1, 0), y1 = std::min<int64_t>(bottom - 1, w.Height());
        for (int64_t y = y0; y < y1; ++y) brush->Span(y, left + 1, right - 1);
    }
    stroke.Run(top, left, right);
    if (bottom - 1 > top) stroke.Run(bottom - 1, left, right);
    const int64_t y0 = std::max<int64_t>(top + 1, -r), y1 = std::min<int64_t>(bottom - 1, w.Height() + r);
    for (int64_t y = y0; y < y1; ++y) {
        stroke.Point(left, y);
        if (right - 1 > left) stroke.Point(right - 1, y);
    }
}

void RasterEllipse(TPenStroke& stroke, TPixelWriter* brush, int64_t left, int64_t top, int64_t right,
                   int64_t bottom) {
    if (left > right) std::swap(left, right);
    if (top > bottom) std::swap(top, bottom);
    const TEllipseSpans spans(left, top, right, bottom);
    if (spans.Empty()) return;
    const TPixelWriter& w = stroke.Writer();
    const int64_t r = stroke.Reach() + 1;
    const int64_t y0 = std::max<int64_t>(top, -r), y1 = std::min<int64_t>(bottom, w.Height() + r);
    for (int64_t y = y0; y < y1; ++y) {
        int64_t l, e, ul, ue, dl, de;
        spans.Row(y, l, e);
        const bool up = spans.Row(y - 1, ul, ue);
        const bool down = spans.Row(y + 1, dl, de);
        // An outline pixel is one of the shape with a 4-neighbour outside it. The spans
        // widen towards the middle, so the outline of a row is a run at each end.
        int64_t leftEnd = e, rightStart = l;  // whole row by default
        if (up && down) {
            leftEnd = std::max(l + 1, std::max(ul, dl));
            rightStart = std::min(e - 1, std::min(ue, de));
        }
        if (leftEnd >= rightStart) {
            stroke.Run(y, l, e);
            continue;
        }
        if (brush) brush->Span(y, leftEnd, rightStart);
        stroke.Run(y, l, leftEnd);
        stroke.Run(y, rightStart, e);
    }
}

TPoint RasterBezier(TPenStroke& stroke, std::span<const TPoint> points, bool includeEnd) {
    if (points.empty()) return TPoint{};
    TPoint at = points[0];
    for (size_t s = 0; s + 3 < points.size(); s += 3) {
        const double px[4] = {double(points[s].X), double(points[s + 1].X), double(points[s + 2].X),
                              double(points[s + 3].X)};
        const double py[4] = {double(points[s].Y), double(points[s + 1].Y), double(points[s + 2].Y),
                              double(points[s + 3].Y)};
        double length = 0;
        for (int k = 0; k < 3; ++k) length += std::hypot(px[k + 1] - px[k], py[k + 1] - py[k]);
        // About one line per 4 pixels of the control polygon; bounded for absurd curves.
        const int steps = static_cast<int>(std::clamp(length / 4.0, 1.0, 1024.0));
        for (int i = 1; i <= steps; ++i) {
            TPoint next;
            if (i == steps) {
                next = points[s + 3];
            } else {
                const double t = double(i) / steps, u = 1 - t;
                const double b0 = u * u * u, b1 = 3 * u * u * t, b2 = 3 * u * t * t, b3 = t * t * t;
                const double x = b0 * px[0] + b1 * px[1] + b2 * px[2] + b3 * px[3];
                const double y = b0 * py[0] + b1 * py[1] + b2 * py[2] + b3 * py[3];
                next = TPoint{static_cast<int>(std::floor(x + 0.5)), static_cast<int>(std::floor(y + 0.5))};
            }
            if (next == at) continue;
            StrokeLine(stroke, at.X, at.Y, next.X, next.Y, false);
            at = next;
        }
    }
    if (includeEnd) stroke.Point(at.X, at.Y);
    return at;
}

}  // namespace pixmo
