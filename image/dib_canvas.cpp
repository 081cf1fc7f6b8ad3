// Placeholder until the raster engine lands.
#include "image/dib_canvas.h"

#include "image/dib.h"

namespace pixmo {
TDibCanvas::TDibCanvas(TDib& dib) : FDib(&dib) {}
void TDibCanvas::FloodFill(int, int, TColor, TFillStyle) {}
void TDibCanvas::Draw(int, int, const TDib&) {}
}  // namespace pixmo
