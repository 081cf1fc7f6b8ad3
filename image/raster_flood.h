#pragma once
// Iterative scanline flood fill, 4-connected. Each popped seed is widened to its whole run
// on the row, the run is filled, and the rows above and below are scanned once over that
// run for new seeds, so the work is bounded by a few passes over the pixels and the stack
// by the number of runs: no recursion, however deep the shape.
#include <cstdint>
#include <vector>

#include "image/dib_canvas.h"

namespace pixmo {

struct TFillSpan {
    int Y, X0, X1;
};

// Surface: fills the connected area of pixels whose value is `color`. Border: fills the
// connected area of pixels other than `color`. Pixels become `fill`. Nothing happens when
// the start lies outside the image or on a pixel that does not qualify. spans (may be null)
// receives every run filled. Returns the rectangle of the filled runs.
TRect ScanlineFloodFill(TDib& dib, int x, int y, uint32_t color, uint32_t fill, TFillStyle style,
                       std::vector<TFillSpan>* spans = nullptr);

}  // namespace pixmo
