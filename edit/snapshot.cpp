#include "edit/snapshot.h"

#include "edit/edit_view.h"
#include "edit/edit_context.h"
#include "edit/selection.h"

namespace pixmo {

namespace {
TPoint TopLeft(const TRect& r) { return TPoint{r.Left, r.Top}; }

void Redisplay(TEditContext& context) {
    TEditView& client = context.View();
    client.InvalidateAll();
    client.UpdateNow();
    client.RedrawOutline();
}
}  // namespace

TSelectionSnapshot TakeSelectionSnapshot(TEditContext& context, bool withBackground) {
    TSelection& sel = context.Selection();
    TSelectionSnapshot s;
    s.Rect = sel.GetRect();
    TDib* image = context.Dib();
    if (!image) return s;
    if (sel.FloatMask()) {
        s.FloatMask = Pack(*sel.FloatMask());
        if (sel.FloatImage()) s.FloatImage = Pack(*sel.FloatImage());
        if (withBackground && sel.Background())
            s.Background = PackRect(*sel.Background(), IntersectRect(s.Rect, image->GetRect()));
    } else if (!s.Rect.IsEmpty() && sel.Mask()) {
        s.MaskPart = PackRect(*sel.Mask(), s.Rect);
    }
    return s;
}

namespace {
// Steps 1-7 of putting S back; the caller swaps the snapshots whatever happens.
void PutSnapshotBack(TEditContext& context, const TSelectionSnapshot& s) {
    TSelection& sel = context.Selection();
    TDib* image = context.Dib();
    sel.SetFloatMask(nullptr);
    sel.SetFloatImage(nullptr);
    sel.ClearMaskBits();
    if (!image) return;
    const TRect live = IntersectRect(sel.GetRect(), image->GetRect());
    if (s.Rect.IsEmpty() || !s.MaskPart.empty()) {
        sel.PutBackground(live);
        sel.SetBackground(nullptr);
        if (sel.Mask()) PasteBlock(*sel.Mask(), TopLeft(s.Rect), s.MaskPart);
    } else if (!s.FloatMask.empty()) {
        sel.SetRect(s.Rect);
        sel.SetFloatMask(UnpackMask(s.FloatMask));
        sel.StampFloatMask();
        if (!s.FloatImage.empty()) sel.SetFloatImage(UnpackDib(s.FloatImage));
        if (!sel.Background()) sel.TakeBackground();
        const TRect clipped = IntersectRect(s.Rect, image->GetRect());
        PasteBlock(*sel.Background(), TopLeft(clipped), s.Background);
        sel.PutBackground(live);
        sel.DrawFloating();
    } else {
        sel.SetBackground(nullptr);
    }
}

// Runs `apply`, then on every path puts the step's rectangle in place and keeps the live
// state in the step, so the next undo or redo swaps back; redisplays on success.
template <class Apply>
void SwapWithLive(TEditContext& context, TSelectionSnapshot& s, TSelectionSnapshot live, Apply apply) {
    TSelection& sel = context.Selection();
    try {
        apply();
    } catch (...) {
        sel.SetRect(s.Rect);
        s = std::move(live);
        throw;
    }
    sel.SetRect(s.Rect);
    s = std::move(live);
    Redisplay(context);
}
}  // namespace

void RestoreSelection(TEditContext& context, TSelectionSnapshot& s) {
    SwapWithLive(context, s, TakeSelectionSnapshot(context, false), [&] { PutSnapshotBack(context, s); });
}

void ReapplySelection(TEditContext& context, TSelectionSnapshot& s) {
    TSelection& sel = context.Selection();
    TDib* image = context.Dib();
    SwapWithLive(context, s, TakeSelectionSnapshot(context, true), [&] {
        if (image && !s.FloatMask.empty()) {
            // The step anchored whatever floated before it: the live piece stays drawn and
            // the new background is the image as it now is.
            sel.SetBackground(nullptr);
            sel.SetRect(s.Rect);
            sel.SetFloatMask(UnpackMask(s.FloatMask));
            sel.StampFloatMask();
            sel.SetFloatImage(s.FloatImage.empty() ? nullptr : UnpackDib(s.FloatImage));
            sel.TakeBackground();
            sel.DrawFloating();
        } else {
            sel.Clear();
            if (image && sel.Mask()) PasteBlock(*sel.Mask(), TopLeft(s.Rect), s.MaskPart);
        }
    });
}

TClearSnapshot TakeClearSnapshot(TEditContext& context, const TRect& rect) {
    TSelection& sel = context.Selection();
    TClearSnapshot c;
    TDib* image = context.Dib();
    if (!image) return c;
    if (sel.FloatMask()) {
        c.FloatMask = Pack(*sel.FloatMask());
        if (sel.FloatImage()) c.FloatImage = Pack(*sel.FloatImage());
    } else {
        c.ImagePart = PackRect(*image, rect);
        if (sel.Mask()) c.MaskPart = PackRect(*sel.Mask(), sel.GetRect());
    }
    return c;
}

void SwapClear(TEditContext& context, TClearSnapshot& c, const TRect& rect) {
    TClearSnapshot live = TakeClearSnapshot(context, rect);
    TSelection& sel = context.Selection();
    TDib* image = context.Dib();
    try {
        sel.SetFloatMask(nullptr);
        sel.SetFloatImage(nullptr);
        sel.ClearMaskBits();
        sel.SetRect(TRect{});
        if (image && !c.ImagePart.empty()) {
            PasteBlock(*image, TopLeft(rect), c.ImagePart);
            if (!c.MaskPart.empty() && sel.Mask()) {
                PasteBlock(*sel.Mask(), TopLeft(rect), c.MaskPart);
                sel.SetRect(rect);
            }
            sel.SetBackground(nullptr);
        } else if (image && !c.FloatMask.empty()) {
            sel.SetRect(rect);
            sel.SetFloatMask(UnpackMask(c.FloatMask));
            sel.StampFloatMask();
            if (!c.FloatImage.empty()) sel.SetFloatImage(UnpackDib(c.FloatImage));
            if (!sel.Background()) sel.TakeBackground();
            sel.DrawFloating();
        }
    } catch (...) {
        c = std::move(live);
        throw;
    }
    c = std::move(live);
    Redisplay(context);
}

}  // namespace pixmo
