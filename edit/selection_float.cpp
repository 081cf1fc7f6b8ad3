// The floating piece: lifting, drawing, moving, replacing its content, transforms.
#include "edit/edit_view.h"
#include "edit/edit_context.h"
#include "edit/selection.h"
#include "edit/undo.h"

namespace pixmo {

void TSelection::SetFloating(const TDib* image, const TMaskDib* mask, const TRect& r) {
    TDib* target = Image();
    if (!target || !FMask) return;
    RepaintRect(FRect);
    // The arguments may be our own pieces: take what we need before anything is freed.
    std::unique_ptr<TMaskDib> newMask;
    if (mask) {
        newMask = mask == FFloatMask.get() ? std::move(FFloatMask) : TMaskDib::CreateClone(*mask);
    } else if (image) {
        newMask = TMaskDib::CreateSize(image->GetSize());
        FillAll(*newMask, 1);
    }
    std::unique_ptr<TDib> newImage;
    if (image) newImage = ConvertToPalette(*image, *target);

    if (newMask)
        FRect = TRect{r.Left, r.Top, r.Left + newMask->Width(), r.Top + newMask->Height()};
    else
        FRect = TRect{};
    FBackground.reset();
    FFloatMask = std::move(newMask);
    FFloatImage = std::move(newImage);
    StampFloatMask();
    if (FFloatImage) {
        TakeBackground();
        DrawFloating();
    }
    Refresh(FRect);
}

void TSelection::DrawFloating() {
    TDib* image = Image();
    if (!image || !FFloatImage || !FFloatMask) return;
    StampThroughMask(*image, TPoint{FRect.Left, FRect.Top}, *FFloatImage, *FFloatMask);
}

void TSelection::MoveTo(const TRect& r) {
    TDib* image = Image();
    if (!image || !FMask || FRect.IsEmpty()) return;
    const TRect old = FRect;
    if (IsFloating()) {
        PutBackground(old);
        RepaintRect(old);
    }
    FRect = TRect{r.Left, r.Top, r.Left + old.Width(), r.Top + old.Height()};
    if (FFloatMask) {
        StampFloatMask();
    } else {
        // Nothing lifted: the mask's bits travel with the rectangle.
        auto bits = TMaskDib::CreateFromRect(*FMask, old);
        ClearMaskBits();
        CopyPixels(*FMask, TPoint{FRect.Left, FRect.Top}, *bits);
    }
    FContext.View().RedrawOutline();
    DrawFloating();
    RepaintRect(FRect);
    FContext.View().UpdateNow();
}

void TSelection::PaintHole(TDib& target, int index) const {
    TDib* image = Image();
    if (!image || !FMask || index < 0 || index >= image->Colors()) return;
    FillThroughMask(target, *FMask, FRect, static_cast<uint8_t>(index));
}

void TSelection::PutSelected(const TDib& piece) {
    TDib* image = Image();
    if (!image) return;
    if (FRect.IsEmpty()) {
        CopyPixels(*image, TPoint{}, piece);
        FContext.View().InvalidateAll();
        return;
    }
    if (FFloatImage) CopyPixels(*FFloatImage, TPoint{}, piece);
    StampThroughDestMask(*image, TPoint{FRect.Left, FRect.Top}, piece, *FMask);
    FContext.View().InvalidateImageRect(FRect);
}

void TSelection::ReplaceFloating(const TDib* piece, const TMaskDib* mask, const TRect& r) {
    TDib* image = Image();
    if (!image) return;
    const int hole = FContext.Color2Index();
    if (FRect.IsEmpty()) {
        if (hole >= 0 && hole < image->Colors()) FillAll(*image, static_cast<uint8_t>(hole));
    } else if (IsFloating()) {
        PutBackground(FRect);
    } else {
        PaintHole(*image, hole);
    }
    SetFloating(piece, mask, r);
}

namespace {
void Flip(TEditContext& context, bool horizontal, const char* caption) {
    TSelection& selection = context.Selection();
    if (!context.Dib()) return;
    std::unique_ptr<TDib> piece;
    std::unique_ptr<TMaskDib> mask;
    {
        TBusyCursor busy(context.Busy());
        piece = selection.CopySelected();
        mask = selection.CopyMask();
        MirrorInPlace(*piece, horizontal);
        MirrorInPlace(*mask, horizontal);
    }
    context.Undo().AddTransform(caption);
    selection.ReplaceFloating(*piece, mask.get(), selection.GetRect());
}
}  // namespace

void TSelection::FlipHorizontal() { Flip(FContext, true, PIXMO_TRANSLATE_NOOP("pixmo::Core", "Rifletti Orizzontale")); }
void TSelection::FlipVertical() { Flip(FContext, false, PIXMO_TRANSLATE_NOOP("pixmo::Core", "Rifletti Verticale")); }

}  // namespace pixmo
