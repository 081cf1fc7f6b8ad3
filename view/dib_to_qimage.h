#pragma once
// Pixels of a TDib onto a 32-bit QImage through its colour table. Only the part asked for
// is read: painting a view of a big image touches the visible pixels and nothing more.
#include <QImage>
#include <QPoint>
#include <QRect>
#include <array>

#include "image/dib.h"

namespace pixmo {

// The colour table as opaque QRgb values (entries past the table black).
std::array<QRgb, 256> PaletteRgb(const TDib& dib);

// Draws `src` (image pixels) into `dest` with each pixel a zoom x zoom block, the block of
// src's top-left pixel at `at`; only the part inside `clip` and `dest` is written. `src`
// must lie within the image. With `checker` (the squares' side, CheckerCell) the entries that
// are not opaque show over a checkerboard.
void DrawDibZoomed(const TDib& dib, const TRect& src, int zoom, QImage& dest, QPoint at, const QRect& clip,
                   int checker = 0);

// Draws `src` (image pixels) stretched onto `target` in `dest`, colour on colour: rows and
// columns are dropped or repeated as a block stretch does. Only the part inside `clip` and
// `dest` is read and written, so a small view of a big image costs its own size.
void DrawDibStretched(const TDib& dib, const TRect& src, const QRect& target, QImage& dest, const QRect& clip,
                      int checker = 0);

// A new 32-bit image of `rect` (clipped to the image) at one pixel per pixel.
QImage DibToQImage(const TDib& dib, const TRect& rect);

}  // namespace pixmo
