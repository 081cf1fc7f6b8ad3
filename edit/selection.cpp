// The selection's state, queries, mask composition and menu-level operations.
#include "edit/selection.h"

#include <cstring>

#include "edit/edit_view.h"
#include "edit/edit_context.h"
#include "edit/main_panels.h"
#include "edit/undo.h"
#include "edit/undo_objects_image.h"
#include "edit/undo_objects_selection.h"
#include "image/errors.h"

namespace pixmo {

TSelection::TSelection(TEditContext& context) : FContext(context) {}
TSelection::~TSelection() = default;

TDib* TSelection::Image() const { return FContext.Dib(); }

void TSelection::RepaintRect(const TRect& r) {
    if (!r.IsEmpty()) FContext.View().RepaintImageRect(r);
}

// ---------------------------------------------------------------- pieces

void TSelection::FreeFloating() {
    FFloatImage.reset();
    FFloatMask.reset();
    FBackground.reset();
}

void TSelection::ClearMaskBits() {
    if (FMask) FillAll(*FMask, 0);
}

void TSelection::StampFloatMask() {
    ClearMaskBits();
    if (FMask && FFloatMask) CopyPixels(*FMask, TPoint{FRect.Left, FRect.Top}, *FFloatMask);
}

void TSelection::PutBackground(const TRect& r) {
    TDib* image = Image();
    if (!image || !FBackground) return;
    const TRect clip = IntersectRect(r, image->GetRect());
    CopyPixels(*image, TPoint{clip.Left, clip.Top}, *FBackground, clip);
}

void TSelection::TakeBackground() {
    if (TDib* image = Image()) FBackground = TDib::CreateClone(*image);
}

void TSelection::LiftFloating() {
    TDib* image = Image();
    if (!image || !FMask || FRect.IsEmpty()) return;
    if (!FFloatMask) FFloatMask = TMaskDib::CreateFromRect(*FMask, FRect);
    if (!FFloatImage) FFloatImage = TDib::CreateFromRect(*image, FRect);
}

void TSelection::SyncFloating(const TRect& r) {
    TDib* image = Image();
    if (!image || !FFloatImage || !FFloatMask) return;
    TakeThroughMask(*FFloatImage, TPoint{FRect.Left, FRect.Top}, *image, *FFloatMask, IntersectRect(r, FRect));
}

void TSelection::RebuildFloatingFrom(const TRect& r) {
    TDib* image = Image();
    if (r.IsEmpty()) {
        FreeFloating();
        return;
    }
    FFloatMask = TMaskDib::CreateFromRect(*FMask, r);
    FFloatImage = TDib::CreateFromRect(*image, r);
}

// ---------------------------------------------------------------- queries

TRect TSelection::GetRectOrImage() const {
    if (!FRect.IsEmpty()) return FRect;
    return Image() ? Image()->GetRect() : TRect{};
}

std::unique_ptr<TDib> TSelection::CopySelected() const {
    TDib* image = Image();
    if (!image) return nullptr;
    if (FRect.IsEmpty()) return TDib::CreateClone(*image);
    if (FFloatImage) return TDib::CreateClone(*FFloatImage);
    return TDib::CreateFromRect(*image, FRect);
}

std::unique_ptr<TMaskDib> TSelection::CopyMask() const {
    TDib* image = Image();
    if (!image) return nullptr;
    if (FRect.IsEmpty()) {
        auto all = TMaskDib::CreateSize(image->GetSize());
        FillAll(*all, 1);
        return all;
    }
    if (FFloatMask) return TMaskDib::CreateClone(*FFloatMask);
    return TMaskDib::CreateFromRect(*FMask, FRect);
}

TBlock TSelection::CopyBitmap() const {
    auto selected = CopySelected();
    if (!selected) return {};
    if (selected->IsTrueColor() || selected->BitCount() == 8) return selected->CreatePacked();
    // An 8-bit copy of the same indices and table.
    auto wide = TDib::Create(selected->Width(), selected->Height(), 256);
    for (int i = 0; i < selected->Colors(); ++i) wide->SetColor(i, selected->GetColor(i));
    CopyPixels(*wide, TPoint{}, *selected);
    return wide->CreatePacked();
}

// ---------------------------------------------------------------- composition

void TSelection::Replace(const TMaskDib& m, const TRect& r) {
    TDib* image = Image();
    if (!image || !FMask) return;
    const TRect clipped = IntersectRect(r, image->GetRect());
    FContext.Undo().AddNewSelection(clipped);
    RepaintRect(FRect);
    Clear();
    FRect = clipped;
    CopyPixels(*FMask, TPoint{}, m);
    Refresh(FRect);
}

void TSelection::AddMask(const TMaskDib& m, const TRect& r) {
    if (!Image() || !FMask || r.IsEmpty()) return;
    const TRect u = UnionRect(FRect, r);
    if (u.Width() > kMaxDibSide || u.Height() > kMaxDibSide) {
        FContext.Panels().ShowCoreMessage(CoreMessage(kMsgRangeTooBig));
        return;
    }
    FContext.Undo().Add(std::make_unique<TUndoAddSelection>(FContext));
    const TRect area = IntersectRect(m.GetRect(), FMask->GetRect());
    for (int y = area.Top; y < area.Bottom; ++y) {
        uint8_t* d = FMask->ScanLine(y);
        const uint8_t* s = m.ScanLine(y);
        for (int x = area.Left; x < area.Right; ++x)
            if (s[x]) d[x] = 1;
    }
    FRect = u;
    if (IsFloating()) RebuildFloatingFrom(u);
    Refresh(u);
}

void TSelection::DeleteMask(const TMaskDib& m, const TRect& r) {
    if (!Image() || !FMask || r.IsEmpty()) return;
    const TRect common = IntersectRect(FRect, r);
    // Nothing of the selection is touched: nothing to record and nothing to change.
    if (common.IsEmpty()) return;
    FContext.Undo().Add(std::make_unique<TUndoDeleteSelection>(FContext));
    const TRect area = IntersectRect(m.GetRect(), FMask->GetRect());
    for (int y = area.Top; y < area.Bottom; ++y) {
        uint8_t* d = FMask->ScanLine(y);
        const uint8_t* s = m.ScanLine(y);
        for (int x = area.Left; x < area.Right; ++x)
            if (s[x]) d[x] = 0;
    }
    const TRect old = FRect;
    if (IsFloating()) {
        RestoreUnselected(common);
        auto floatMask = TMaskDib::CreateFromRect(*FMask, FRect);
        const TRect inner = floatMask->Bounds();
        if (inner.IsEmpty()) {
            FreeFloating();
            FRect = TRect{};
        } else {
            FFloatMask = TMaskDib::CreateFromRect(*floatMask, inner);
            FFloatImage = TDib::CreateFromRect(*FFloatImage, inner);
            FRect = OffsetRect(inner, FRect.Left, FRect.Top);
        }
    } else {
        FRect = FMask->BoundsIn(FRect);
    }
    Refresh(old);
}

void TSelection::AndMask(const TMaskDib& m, const TRect& r) {
    if (!Image() || !FMask) return;
    if (!FRect.IsEmpty()) FContext.Undo().Add(std::make_unique<TUndoAndSelection>(FContext));
    for (int y = 0; y < FMask->Height(); ++y) {
        uint8_t* d = FMask->ScanLine(y);
        const bool inside = y < m.Height();
        const uint8_t* s = inside ? m.ScanLine(y) : nullptr;
        for (int x = 0; x < FMask->Width(); ++x)
            if (!inside || x >= m.Width() || !s[x]) d[x] = 0;
    }
    const TRect old = FRect;
    RestoreUnselected(old);
    FRect = FMask->BoundsIn(IntersectRect(old, r));
    // An emptied floating piece goes with its background, so nothing floats without a piece.
    if (IsFloating()) RebuildFloatingFrom(FRect);
    Refresh(old);
}

void TSelection::RestoreUnselected(const TRect& r) {
    TDib* image = Image();
    if (!image || !FBackground || !FMask) return;
    const TRect clip = IntersectRect(r, image->GetRect());
    const int bpp = image->PixelBytes();
    for (int y = clip.Top; y < clip.Bottom; ++y) {
        uint8_t* d = image->ScanLine(y);
        const uint8_t* b = FBackground->ScanLine(y);
        const uint8_t* mk = FMask->ScanLine(y);
        for (int x = clip.Left; x < clip.Right; ++x)
            if (!mk[x]) std::memcpy(d + static_cast<size_t>(x) * bpp, b + static_cast<size_t>(x) * bpp, bpp);
    }
}

// ---------------------------------------------------------------- menu operations

void TSelection::SelectAll() {
    TDib* image = Image();
    if (!image) return;
    auto all = TMaskDib::CreateSize(image->GetSize());
    FillAll(*all, 1);
    Replace(*all, image->GetRect());
}

void TSelection::Cancel() {
    if (!Image()) return;
    if (!FRect.IsEmpty()) FContext.Undo().Add(std::make_unique<TUndoCancelSelection>(FContext));
    const TRect old = FRect;
    RepaintRect(old);
    Clear();
    Refresh(old);
}

void TSelection::Clear() {
    FreeFloating();
    ClearMaskBits();
    FRect = TRect{};
}

void TSelection::Invert() {
    TDib* image = Image();
    if (!image || !FMask) return;
    auto inverted = TMaskDib::CreateSize(image->GetSize());
    for (int y = 0; y < image->Height(); ++y) {
        const uint8_t* s = FMask->ScanLine(y);
        uint8_t* d = inverted->ScanLine(y);
        for (int x = 0; x < image->Width(); ++x) d[x] = s[x] ? 0 : 1;
    }
    Replace(*inverted, inverted->Bounds());
}

void TSelection::CancelFloat() {
    TDib* image = Image();
    if (!image || !IsFloating()) return;
    FContext.Undo().Add(std::make_unique<TUndoCancelFloatSelection>(FContext));
    const TRect old = FRect;
    FreeFloating();
    FRect = FMask->BoundsIn(IntersectRect(old, image->GetRect()));
    Refresh(old);
}

void TSelection::Delete() {
    TDib* image = Image();
    if (!image) return;
    FContext.Undo().Add(std::make_unique<TUndoClearSelection>(FContext));
    DeleteRecorded();
}

void TSelection::DeleteRecorded() {
    TDib* image = Image();
    const TRect old = FRect;
    if (IsFloating())
        PutBackground(FRect);
    else
        PaintHole(*image, FContext.Color2Index());
    Clear();
    Refresh(old);
}

void TSelection::ClearInside() {
    TDib* image = Image();
    if (!image || FRect.IsEmpty()) return;
    FContext.Undo().Add(std::make_unique<TUndoClearInside>(FContext, *image, IntersectRect(FRect, image->GetRect())));
    if (IsFloating()) {
        PutBackground(FRect);
        SyncFloating(FRect);
    } else {
        PaintHole(*image, FContext.Color2Index());
    }
    Refresh(FRect);
}

std::unique_ptr<TMaskDib> TSelection::ErodedCopy() const {
    auto d = TMaskDib::CreateClone(*FMask);
    const int w = FMask->Width(), h = FMask->Height();
    const TRect area = IntersectRect(InflateRect(FRect, 1, 1), FMask->GetRect());
    auto at = [&](int x, int y) { return x >= 0 && y >= 0 && x < w && y < h && FMask->Pixel(x, y) != 0; };
    for (int y = area.Top; y < area.Bottom; ++y)
        for (int x = area.Left; x < area.Right; ++x)
            if (!(at(x, y) && at(x - 1, y) && at(x + 1, y) && at(x, y - 1) && at(x, y + 1))) d->SetPixel(x, y, 0);
    return d;
}

std::unique_ptr<TMaskDib> TSelection::DilatedCopy() const {
    auto d = TMaskDib::CreateClone(*FMask);
    const int w = FMask->Width(), h = FMask->Height();
    const TRect area = IntersectRect(InflateRect(FRect, 1, 1), FMask->GetRect());
    auto at = [&](int x, int y) { return x >= 0 && y >= 0 && x < w && y < h && FMask->Pixel(x, y) != 0; };
    for (int y = area.Top; y < area.Bottom; ++y)
        for (int x = area.Left; x < area.Right; ++x)
            if (at(x, y) || at(x - 1, y) || at(x + 1, y) || at(x, y - 1) || at(x, y + 1)) d->SetPixel(x, y, 1);
    return d;
}

void TSelection::Edge() {
    if (!Image() || FRect.IsEmpty()) return;
    auto d = ErodedCopy();
    DeleteMask(*d, d->Bounds());
}

void TSelection::AddEdge() {
    if (!Image() || FRect.IsEmpty()) return;
    auto d = DilatedCopy();
    AddMask(*d, d->Bounds());
}

void TSelection::DeleteEdge() {
    if (!Image() || FRect.IsEmpty()) return;
    auto d = ErodedCopy();
    for (int y = 0; y < d->Height(); ++y) {
        uint8_t* p = d->ScanLine(y);
        const uint8_t* s = FMask->ScanLine(y);
        for (int x = 0; x < d->Width(); ++x) p[x] = (p[x] != 0) != (s[x] != 0) ? 1 : 0;
    }
    DeleteMask(*d, d->Bounds());
}

std::unique_ptr<TMaskDib> TSelection::ColourMask(int index, bool inside) const {
    TDib* image = Image();
    auto m = TMaskDib::CreateSize(image->GetSize());
    for (int y = 0; y < image->Height(); ++y) {
        const uint8_t* s = image->ScanLine(y);
        uint8_t* d = m->ScanLine(y);
        for (int x = 0; x < image->Width(); ++x) d[x] = (s[x] == index) == inside ? 1 : 0;
    }
    return m;
}

void TSelection::SelectColour(int index) {
    if (!Image() || Image()->IsTrueColor()) return;
    auto m = ColourMask(index, true);
    Replace(*m, m->Bounds());
}

void TSelection::SelectExceptColour(int index) {
    if (!Image() || Image()->IsTrueColor()) return;
    auto m = ColourMask(index, false);
    Replace(*m, m->Bounds());
}

void TSelection::AddColour(int index) {
    if (!Image() || Image()->IsTrueColor()) return;
    auto m = ColourMask(index, true);
    AddMask(*m, m->Bounds());
}

void TSelection::DeleteColour(int index) {
    if (!Image() || Image()->IsTrueColor()) return;
    auto m = ColourMask(index, true);
    DeleteMask(*m, m->Bounds());
}

// ---------------------------------------------------------------- refresh and notices

void TSelection::Refresh(const TRect& rect) {
    if (FRect.IsEmpty())
        FContext.Panels().ShowCoreMessage(CoreMessage(kMsgNoSelectionStatus));
    else
        FContext.Panels().ShowRect(FRect);
    TEditView& client = FContext.View();
    client.UpdateToolCursor();
    if (!rect.IsEmpty()) client.RepaintImageRect(InflateRect(rect, 1, 1));
    client.RedrawOutline();
}

void TSelection::PaletteChanged() {
    TDib* image = Image();
    if (!image) return;
    if (FFloatImage) TakeColorTable(*FFloatImage, *image);
    if (FBackground) TakeColorTable(*FBackground, *image);
}

void TSelection::ImageInstalled() {
    Clear();
    TDib* image = Image();
    FMask = image ? TMaskDib::CreateSize(image->GetSize()) : nullptr;
}

}  // namespace pixmo
