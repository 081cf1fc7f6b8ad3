#pragma once
// Shared drawing routines that give shapes their exact pixel extent (the canvas's lines
// and shapes leave out the last pixel), block, stretched and wrap-around copies, the
// one-pixel neighbour copies behind selection edges, and whole-image palette effects.
// Copies use the destination canvas's copy mode; shapes its pen and brush.
#include <memory>
#include <span>

#include "image/dib.h"
#include "image/dib_canvas.h"

namespace pixmo {

// A 1-pixel-wide or -high rectangle with a one-pixel pen is drawn as a line covering the
// whole strip; anything else is the canvas rectangle.
void DrawRectangle(TDibCanvas& canvas, const TRect& rect);
void DrawEllipse(TDibCanvas& canvas, const TRect& rect);
// From p1 to p2, p2 included for a one-pixel pen.
void DrawLine(TDibCanvas& canvas, TPoint p1, TPoint p2);
// Points 0..highest (highest < points.size()); a single point sets that pixel.
void DrawPolygon(TDibCanvas& canvas, std::span<const TPoint> points, int highest);
void DrawPolyline(TDibCanvas& canvas, std::span<const TPoint> points, int highest);

// Falls back to one source row at a time when the stretched copy is refused.
void StretchBlock(TDibCanvas& dest, TPoint a, TPoint b, const TDibCanvas& source, const TRect& rect);
// The rectangle copied four times, moved one pixel left, up, right and down.
void CopyNeighbours(TDibCanvas& dest, const TDibCanvas& source, const TRect& rect);
// Cyclic shift: destination (x + i, y + j) takes the source rectangle's pixel
// ((i - dx) mod W, (j - dy) mod H).
void CopyWrapped(TDibCanvas& dest, int x, int y, const TRect& srcRect, const TDibCanvas& source, int dy, int dx);
// A copy of image shifted cyclically by (dx, dy).
std::unique_ptr<TDib> ShiftImage(const TDib& image, int dx, int dy);
std::unique_ptr<TMaskDib> ShiftImage(const TMaskDib& mask, int dx, int dy);

// Palette effects: a clone whose colour table is changed (indices kept); null for no image.
// A true-colour image comes back unchanged.
std::unique_ptr<TDib> InvertColors(const TDib* image);
// kind 0 swaps red and green, 1 green and blue, 2 red and blue.
std::unique_ptr<TDib> SwapChannels(const TDib* image, int kind);
// As SwapChannels, but entries equal to colour, or that would become it, stay as they are.
std::unique_ptr<TDib> SwapChannelsExcept(const TDib* image, int kind, TColorRef color);

}  // namespace pixmo
