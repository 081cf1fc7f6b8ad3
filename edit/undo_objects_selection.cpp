#include "edit/undo_objects_selection.h"

#include "edit/edit_view.h"
#include "edit/edit_context.h"
#include "edit/selection.h"
#include "image/errors.h"

namespace pixmo {

TUndoSelection::TUndoSelection(TEditContext& context, bool withBackground)
    : TUndoObject(context), FSnapshot(TakeSelectionSnapshot(context, withBackground)) {
    Account();
}

void TUndoNewSelection::Undo() {
    RestoreSelection(FContext, FSnapshot);
    Account();
}

void TUndoNewSelection::Redo() {
    ReapplySelection(FContext, FSnapshot);
    Account();
}

void TUndoReplaceSelection::Exchange() {
    RestoreSelection(FContext, FSnapshot);
    Account();
}

// ---------------------------------------------------------------- clear and cut

TUndoClearSelection::TUndoClearSelection(TEditContext& context) : TUndoObject(context) {
    FRect = context.Selection().GetRect();
    if (FRect.IsEmpty()) throw EAbort();
    FSnapshot = TakeClearSnapshot(context, FRect);
    FSize = FSnapshot.Size();
}

void TUndoClearSelection::Exchange() {
    SwapClear(FContext, FSnapshot, FRect);
    FSize = FSnapshot.Size();
}

// ---------------------------------------------------------------- moves

TUndoMoveSelection::TUndoMoveSelection(TEditContext& context)
    : TUndoObject(context), FRect(context.Selection().GetRect()) {
    FSize = 16;
}

void TUndoMoveSelection::SwapRect() {
    TSelection& sel = FContext.Selection();
    const TRect live = sel.GetRect();
    sel.MoveTo(FRect);
    FRect = live;
}

void TUndoMoveSelection::Exchange() {
    SwapRect();
    FContext.View().RedrawOutline();
}

TUndoFirstMove::TUndoFirstMove(TEditContext& context, int holeColour)
    : TUndoMoveSelection(context), FHoleColour(holeColour) {
    FSize = 20;
}

void TUndoFirstMove::Exchange() {
    TSelection& sel = FContext.Selection();
    if (sel.IsFloating()) {
        SwapRect();
        sel.FreeFloating();
    } else {
        sel.LiftFloating();
        if (!sel.Background()) {
            sel.TakeBackground();
            if (FHoleColour >= 0 && sel.Background()) sel.PaintHole(*sel.Background(), FHoleColour);
        }
        SwapRect();
    }
    FContext.View().RedrawOutline();
}

TUndoDuplicate::TUndoDuplicate(TEditContext& context) : TUndoMoveSelection(context) {
    const TSelection& sel = context.Selection();
    FFloating = sel.Background() != nullptr;
    if (FFloating) FBlock = PackRect(*sel.Background(), IntersectRect(FRect, sel.Background()->GetRect()));
    FSize = 16 + static_cast<int64_t>(FBlock.size());
}

void TUndoDuplicate::Undo() {
    TSelection& sel = FContext.Selection();
    SwapRect();
    if (FFloating) {
        if (TDib* background = sel.Background()) {
            const TRect clipped = IntersectRect(sel.GetRect(), background->GetRect());
            PasteBlock(*background, TPoint{clipped.Left, clipped.Top}, FBlock);
        }
    } else {
        sel.FreeFloating();
    }
    FContext.View().RedrawOutline();
}

void TUndoDuplicate::Redo() {
    TSelection& sel = FContext.Selection();
    TDib* image = FContext.Dib();
    if (!image) return;
    const TRect target = FRect;
    FRect = sel.GetRect();
    sel.LiftFloating();
    if (TDib* background = sel.Background()) {
        const TRect clipped = IntersectRect(FRect, image->GetRect());
        CopyPixels(*background, TPoint{clipped.Left, clipped.Top}, *image, clipped);
    } else {
        sel.TakeBackground();
    }
    sel.MoveTo(target);
    FContext.View().RedrawOutline();
}

}  // namespace pixmo
