#pragma once
// Polygon interiors by scanline at pixel centres. A vertex (x, y) stands for the centre of
// its pixel, so row y is sampled at the vertices' y and pixel x is inside when x lies
// between a pair of crossings: left crossing <= x < right crossing. Edges are half-open in
// y (the lower end counts, the upper does not), so shared vertices are counted once.
#include <span>

#include "image/dib_canvas.h"
#include "image/raster_pen.h"

namespace pixmo {

void FillPolygon(TPixelWriter& writer, std::span<const TPoint> points, TPolyFillMode mode);

}  // namespace pixmo
