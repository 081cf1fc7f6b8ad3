#pragma once
// Lines, rectangles, ellipses, polylines and Bézier curves on a TPixelWriter/TPenStroke.
// One-pixel outlines are the classic integer pixel sets; wider pens are centred on them.
#include <cstdint>
#include <span>

#include "image/geometry.h"
#include "image/raster_pen.h"

namespace pixmo {

// The line from (x1, y1) to (x2, y2) with the stroke's pen; the end point only when asked.
void StrokeLine(TPenStroke& stroke, int64_t x1, int64_t y1, int64_t x2, int64_t y2, bool includeEnd);

// Box corners in any order. `brush` (may be null) fills the inside, `stroke` draws the
// outline: for the rectangle x in [left, right - 1], y in [top, bottom - 1].
void RasterRectangle(TPenStroke& stroke, TPixelWriter* brush, int64_t left, int64_t top, int64_t right,
                     int64_t bottom);
void RasterEllipse(TPenStroke& stroke, TPixelWriter* brush, int64_t left, int64_t top, int64_t right,
                   int64_t bottom);

// Cubic Bézier segments through points 0..3, 3..6, ...; flattened to lines. Returns the
// last point drawn to (where the pen ends).
TPoint RasterBezier(TPenStroke& stroke, std::span<const TPoint> points, bool includeEnd);

}  // namespace pixmo
