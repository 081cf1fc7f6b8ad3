#pragma once
// The nearest-pixel passes of stretch and rotate, the same pictures as the general block copy
// and the per-pixel rotation, faster: axis tables computed once, repeated rows copied whole,
// rows gathered sixteen pixels at a time where the processor allows, rotation positions
// stepped in exact fixed point over the part of each row that lands inside the source, in
// bands and strips that keep the source pixels read in the cache.
#include <optional>

#include "edit/progress.h"
#include "edit/transform.h"
#include "image/dib.h"

namespace pixmo {

// `source` stretched over the whole of `target`, as StretchBlock copies it. False (and
// nothing written) unless both hold indices over the same colour table.
bool StretchNearest(const TDib& source, TDib& target);

// A rotation's target of `size`: the source's palette, filled with entry `background`, and
// a mask with the source mask's table selecting nothing.
TTransformResult NewRotationTarget(const TDib& source, const TMaskDib& mask, TPoint size, uint8_t background);
// The piece trimmed to its mask's selected pixels; no image and no mask when none is.
TTransformResult TrimToMask(TTransformResult piece);

// The nearest rotation of `source` and `mask` over `bounds`: target pixel (i, j) samples the
// source at the rounded inverse rotation (c, s) of (bounds.Left + i, bounds.Top + j); the
// result is trimmed to its mask. One progress step per target row. Nothing (and no step)
// when the sine or cosine is not a whole multiple of 2^-32 (the quarter turns' float
// remainders): the caller then rotates pixel by pixel.
std::optional<TTransformResult> RotateNearest(const TDib& source, const TMaskDib& mask, float c, float s,
                                              const TRect& bounds, uint8_t background, TProgressPass& pass);

}  // namespace pixmo
