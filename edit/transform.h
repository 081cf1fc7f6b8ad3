#pragma once
// Stretch and rotate of the selected piece into a new floating piece. The piece functions
// work on an image with a colour table and its mask (same size) and know nothing of the
// document; the selection commands take the piece from the selection (the whole image
// when nothing is selected), record one undo step and float the result at the old
// rectangle's top-left.
#include <memory>

#include "edit/progress.h"
#include "image/dib.h"

namespace pixmo {

class TEditContext;

inline constexpr const char* kUndoStretchCaption = PIXMO_TRANSLATE_NOOP("pixmo::Core", "Aumenta, Diminuisce");
inline constexpr const char* kUndoRotateCaption = PIXMO_TRANSLATE_NOOP("pixmo::Core", "Ruota");
inline constexpr const char* kStretchProgressCaption = PIXMO_TRANSLATE_NOOP("pixmo::Core", "Estendi... ");
inline constexpr const char* kRotateProgressCaption = PIXMO_TRANSLATE_NOOP("pixmo::Core", "Ruota ");

struct TTransformResult {
    // False when the user stopped the pass; Image and Mask are then null.
    bool Done = false;
    // Null after a rotation that kept no mask pixel.
    std::unique_ptr<TDib> Image;
    std::unique_ptr<TMaskDib> Mask;
};

// `source` resized to `size`, rows and columns dropped or repeated. With `smooth` the
// colours are blended from a 24-bit copy (progress shown, one step per target row) and
// matched back to the source's palette; the mask is the nearest-pixel one either way.
// Raises for a size the image model refuses.
TTransformResult StretchPiece(const TDib& source, const TMaskDib& mask, bool smooth, TPoint size,
                              TProgress& progress);

// `source` rotated by `angle` degrees about its top-left pixel, trimmed to the rotated
// mask's set pixels. Pixels outside the source take `background` (matched to the palette).
// 0 and ±360 give an unchanged copy without any progress.
TTransformResult RotatePiece(const TDib& source, const TMaskDib& mask, int angle, bool smooth,
                             TColorRef background, TProgress& progress);

// The selection commands. Each does nothing without an image and returns false only when
// the user stopped the pass, in which case image, selection and history are unchanged.
bool StretchSelection(TEditContext& context, TPoint size, bool smooth, TProgress& progress);
// 0 and ±360 do nothing and count as done. The background is the secondary colour.
bool RotateSelection(TEditContext& context, int angle, bool smooth, TProgress& progress);

}  // namespace pixmo
