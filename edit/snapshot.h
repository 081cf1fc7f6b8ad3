#pragma once
// Snapshots of the selection state that the selection steps keep, and the swaps that put
// them back. Each swap takes a snapshot of the live state first and leaves it in the
// place of the one it applied, so the next call swaps back.
#include <cstdint>

#include "edit/pixel_ops.h"
#include "image/geometry.h"

namespace pixmo {

class TEditContext;

struct TSelectionSnapshot {
    TRect Rect;
    TBlock FloatMask;   // the whole floating mask
    TBlock FloatImage;  // the whole floating image
    TBlock Background;  // the background under Rect, clipped to the image
    TBlock MaskPart;    // the selection mask under Rect

    // The blocks alone; Size adds the snapshot's own 32.
    int64_t BlocksSize() const {
        return static_cast<int64_t>(FloatMask.size()) + static_cast<int64_t>(FloatImage.size()) +
               static_cast<int64_t>(Background.size()) + static_cast<int64_t>(MaskPart.size());
    }
    int64_t Size() const { return 32 + BlocksSize(); }
};

struct TClearSnapshot {
    TBlock FloatMask;
    TBlock FloatImage;
    TBlock MaskPart;   // the selection mask under the live selection rectangle
    TBlock ImagePart;  // the image under the step's rectangle

    int64_t Size() const {
        return 32 + static_cast<int64_t>(FloatMask.size()) + static_cast<int64_t>(FloatImage.size()) +
               static_cast<int64_t>(MaskPart.size()) + static_cast<int64_t>(ImagePart.size());
    }
};

// The live selection state; the background part only when withBackground.
TSelectionSnapshot TakeSelectionSnapshot(TEditContext& context, bool withBackground);
// Undo of a selection change: puts S back and leaves the live state in S.
void RestoreSelection(TEditContext& context, TSelectionSnapshot& s);
// Redo of a new selection (and of cancel, cancel float, paste).
void ReapplySelection(TEditContext& context, TSelectionSnapshot& s);

TClearSnapshot TakeClearSnapshot(TEditContext& context, const TRect& rect);
// Both directions of a clear or cut over rect.
void SwapClear(TEditContext& context, TClearSnapshot& c, const TRect& rect);

}  // namespace pixmo
