#include "edit/restore.h"

#include "edit/edit_view.h"
#include "edit/edit_context.h"
#include "edit/selection.h"

namespace pixmo {

namespace {
TPoint TopLeft(const TRect& r) { return TPoint{r.Left, r.Top}; }
int64_t Bytes(const TBlock& b) { return static_cast<int64_t>(b.size()); }
}  // namespace

int64_t TReplaceDib::Save() {
    FBlock = FContext.Dib() ? Pack(*FContext.Dib()) : TBlock{};
    return Bytes(FBlock);
}

void TReplaceDib::Restore() {
    if (TDib* image = FContext.Dib()) PasteBlock(*image, TPoint{}, FBlock);
    FContext.Selection().Clear();
}

int64_t TReplaceDib_DibRect_EditDib::Save() {
    TDib* image = FContext.Dib();
    const TSelection& sel = FContext.Selection();
    if (!image)
        FBlock.clear();
    else if (sel.IsEmpty())
        FBlock = Pack(*image);
    else if (sel.FloatImage())
        FBlock = Pack(*sel.FloatImage());
    else
        FBlock = PackRect(*image, sel.GetRect());
    return Bytes(FBlock);
}

void TReplaceDib_DibRect_EditDib::Restore() {
    if (!FContext.Dib() || FBlock.empty()) return;
    FContext.Selection().PutSelected(*UnpackDib(FBlock));
}

int64_t TReplaceMask::Save() {
    const TSelection& sel = FContext.Selection();
    FRect = sel.GetRect();
    FMaskBlock = sel.Mask() ? PackRect(*sel.Mask(), FRect) : TBlock{};
    return Bytes(FMaskBlock);
}

void TReplaceMask::Restore() {
    TSelection& sel = FContext.Selection();
    sel.Clear();
    if (sel.Mask()) PasteBlock(*sel.Mask(), TopLeft(FRect), FMaskBlock);
    sel.SetRect(FRect);
}

int64_t TReplaceMask_Dib::Save() {
    const int64_t size = TReplaceMask::Save();
    FImageBlock = FContext.Dib() ? PackRect(*FContext.Dib(), FRect) : TBlock{};
    return size + Bytes(FImageBlock);
}

void TReplaceMask_Dib::Restore() {
    TSelection& sel = FContext.Selection();
    sel.PutBackground(sel.GetRect());
    sel.Clear();
    sel.SetRect(FRect);
    if (sel.Mask()) PasteBlock(*sel.Mask(), TopLeft(FRect), FMaskBlock);
    if (TDib* image = FContext.Dib()) PasteBlock(*image, TopLeft(FRect), FImageBlock);
}

int64_t TReplaceEditMask_EditDib::Save() {
    const TSelection& sel = FContext.Selection();
    FRect = sel.GetRect();
    FFloatMaskBlock = sel.FloatMask() ? Pack(*sel.FloatMask()) : TBlock{};
    FFloatImageBlock = sel.FloatImage() ? Pack(*sel.FloatImage()) : TBlock{};
    return Bytes(FFloatMaskBlock) + Bytes(FFloatImageBlock);
}

void TReplaceEditMask_EditDib::Restore() {
    TSelection& sel = FContext.Selection();
    TDib* image = FContext.Dib();
    if (!image) return;
    const bool holeValid = FHoleColour >= 0 && FHoleColour < image->Colors();
    if (sel.IsEmpty()) {
        if (holeValid) FillAll(*image, static_cast<uint8_t>(FHoleColour));
    } else if (sel.Background()) {
        sel.PutBackground(sel.GetRect());
    } else {
        sel.PaintHole(*image, FHoleColour);
    }
    sel.SetFloatMask(nullptr);
    sel.SetFloatImage(nullptr);
    sel.ClearMaskBits();
    sel.SetRect(FRect);
    if (FFloatMaskBlock.empty()) return;
    sel.SetFloatMask(UnpackMask(FFloatMaskBlock));
    sel.StampFloatMask();
    if (!sel.Background()) sel.TakeBackground();
    if (!FFloatImageBlock.empty()) {
        sel.SetFloatImage(UnpackDib(FFloatImageBlock));
        sel.DrawFloating();
    }
}

std::unique_ptr<TRestore> CreateRestoreForState(TEditContext& context) {
    const TSelection& sel = context.Selection();
    if (sel.IsEmpty()) return std::make_unique<TReplaceDib>(context);
    if (sel.IsFloating()) return std::make_unique<TReplaceEditMask_EditDib>(context, -1);
    return std::make_unique<TReplaceMask_Dib>(context);
}

}  // namespace pixmo
