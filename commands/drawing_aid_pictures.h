#pragma once
// The guide's picture of the drawing aids ("glyph:DrawingAids"): a shaded stroke, a
// pixel-perfect staircase, mirror images and a dithered rectangle, each drawn by the same
// raster rule the tools draw with.
#include <QImage>
#include <QString>

namespace pixmo {

// Null for any other name.
QImage DrawingAidPicture(const QString& name);

}  // namespace pixmo
