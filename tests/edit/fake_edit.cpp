#include "fake_edit.h"

#include "edit/undo_objects_selection.h"

namespace pixmo::test {

void DragSelection(TEditContext& context, bool duplicate, TPoint to) {
    TSelection& sel = context.Selection();
    TDib* image = context.Dib();
    if (!image || sel.IsEmpty()) return;
    sel.LiftFloating();
    std::unique_ptr<TUndoObject> pending;
    if (duplicate) {
        pending = std::make_unique<TUndoDuplicate>(context);
        if (TDib* background = sel.Background()) {
            const TRect clipped = IntersectRect(sel.GetRect(), image->GetRect());
            CopyPixels(*background, TPoint{clipped.Left, clipped.Top}, *image, clipped);
        } else {
            sel.TakeBackground();
        }
    } else if (sel.Background()) {
        pending = std::make_unique<TUndoMoveSelection>(context);
    } else {
        sel.TakeBackground();
        sel.PaintHole(*sel.Background(), context.Color2Index());
        pending = std::make_unique<TUndoFirstMove>(context, context.Color2Index());
    }
    // Halfway, then the end: the tool moves once per pointer event.
    const TRect r = sel.GetRect();
    sel.PutBackground(r);
    sel.MoveTo(TRect{(r.Left + to.X) / 2, (r.Top + to.Y) / 2, 0, 0});
    sel.PutBackground(sel.GetRect());
    sel.MoveTo(TRect{to.X, to.Y, 0, 0});
    context.Undo().Add(std::move(pending));
    sel.StampFloatMask();
    context.View().RedrawOutline();
}

}  // namespace pixmo::test
