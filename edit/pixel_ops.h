#pragma once
// Raw pixel moves between images that share a colour table: the stored values are copied
// as they are, never colour-matched, so that what the selection and the undo history put
// back is byte for byte what they took. Everything is clipped to both images.
#include <cstdint>
#include <memory>
#include <span>
#include <vector>

#include "image/dib.h"

namespace pixmo {

// A packed DIB block (header, colour table, pixels); empty means "none".
using TBlock = std::vector<uint8_t>;

// srcRect of src to point `at` of dst.
void CopyPixels(TDib& dst, TPoint at, const TDib& src, const TRect& srcRect);
// The whole of src to point `at` of dst.
inline void CopyPixels(TDib& dst, TPoint at, const TDib& src) { CopyPixels(dst, at, src, src.GetRect()); }
// src's pixels where mask (of src's size) is non-zero, to point `at` of dst.
void StampThroughMask(TDib& dst, TPoint at, const TDib& src, const TMaskDib& mask);
// value into every pixel of dst within rect whose byte in mask (of dst's size) is non-zero.
void FillThroughMask(TDib& dst, const TMaskDib& mask, const TRect& rect, uint8_t value);
// The part of dst under rect takes src's pixels (same coordinates) where mask (of src's
// size) is non-zero. Used to bring a floating image in step with the image.
void TakeThroughMask(TDib& piece, TPoint pieceAt, const TDib& image, const TMaskDib& pieceMask,
                     const TRect& rect);
void FillAll(TDib& image, uint8_t value);

// Packs; an empty rectangle gives an empty block.
TBlock PackRect(const TDib& image, const TRect& rect);
inline TBlock Pack(const TDib& image) { return image.CreatePacked(); }
// Pastes a block's stored values at point (nothing for an empty block).
void PasteBlock(TDib& dst, TPoint at, std::span<const uint8_t> block);
std::unique_ptr<TDib> UnpackDib(std::span<const uint8_t> block);
std::unique_ptr<TMaskDib> UnpackMask(std::span<const uint8_t> block);

// A copy of image whose stored values are those of `image` when the colour tables agree,
// else colour-matched to paletteImage's table.
std::unique_ptr<TDib> ConvertToPalette(const TDib& image, const TDib& paletteImage);
// Writes the colour table of `from` into `image` (same number of colours).
void TakeColorTable(TDib& image, const TDib& from);
bool SameColorTable(const TDib& a, const TDib& b);

}  // namespace pixmo

namespace pixmo {
// src to point `at` of dst, only where maskOfDst (dst's size, dst's coordinates) is set.
void StampThroughDestMask(TDib& dst, TPoint at, const TDib& src, const TMaskDib& maskOfDst);
// Mirrors left to right (horizontal) or top to bottom.
void MirrorInPlace(TDib& image, bool horizontal);
}  // namespace pixmo
