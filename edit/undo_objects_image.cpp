#include "edit/undo_objects_image.h"

#include <cstring>

#include "edit/edit_view.h"
#include "edit/edit_context.h"
#include "edit/selection.h"
#include "edit/undo.h"

namespace pixmo {

// ---------------------------------------------------------------- TUndoDibRect

TUndoDibRect::TUndoDibRect(TEditContext& context, const TDib& image, const TRect& rect)
    : TUndoObject(context), FRect(IntersectRect(rect, image.GetRect())) {
    const size_t w = static_cast<size_t>(FRect.Width()) * image.PixelBytes();
    FPixels.resize(w * static_cast<size_t>(FRect.Height()));
    for (int y = 0; y < FRect.Height(); ++y)
        std::memcpy(FPixels.data() + y * w, image.ScanLine(FRect.Top + y) + FRect.Left * image.PixelBytes(), w);
    FSize = static_cast<int64_t>(FPixels.size()) + 12;
}

void TUndoDibRect::Exchange() {
    TDib* image = FContext.Dib();
    if (!image) return;
    const TRect r = IntersectRect(FRect, image->GetRect());
    const size_t w = static_cast<size_t>(FRect.Width()) * image->PixelBytes();
    if (r != FRect || FPixels.size() != w * static_cast<size_t>(FRect.Height())) return;
    std::vector<uint8_t> row(w);
    for (int y = 0; y < FRect.Height(); ++y) {
        uint8_t* live = image->ScanLine(FRect.Top + y) + FRect.Left * image->PixelBytes();
        uint8_t* kept = FPixels.data() + y * w;
        std::memcpy(row.data(), live, w);
        std::memcpy(live, kept, w);
        std::memcpy(kept, row.data(), w);
    }
    FContext.Selection().SyncFloating(FRect);
    FContext.View().InvalidateImageRect(FRect);
}

// ---------------------------------------------------------------- TUndoEffect

TUndoEffect::TUndoEffect(TEditContext& context, std::string caption)
    : TUndoEffect(context, std::move(caption), std::make_unique<TReplaceDib_DibRect_EditDib>(context)) {}

TUndoEffect::TUndoEffect(TEditContext& context, std::string caption, std::unique_ptr<TRestore> restore)
    : TUndoObject(context), FCaption(std::move(caption)), FRestore(std::move(restore)) {
    FSize = FRestore->Save();
}

namespace {
// The fresh object saves the live state, the held one restores its own; they trade places.
void SwapRestore(std::unique_ptr<TRestore>& held, std::unique_ptr<TRestore> fresh, int64_t& size) {
    const int64_t saved = fresh->Save();
    held->Restore();
    held = std::move(fresh);
    size = saved;
}
}  // namespace

void TUndoEffect::Exchange() {
    std::unique_ptr<TRestore> fresh = std::make_unique<TReplaceDib_DibRect_EditDib>(FContext);
    SwapRestore(FRestore, std::move(fresh), FSize);
    FContext.View().InvalidateAll();
}

// ---------------------------------------------------------------- TUndoTransform

TUndoTransform::TUndoTransform(TEditContext& context, std::string caption)
    : TUndoEffect(context, std::move(caption), CreateRestoreForState(context)),
      FHoleColour(context.Color2Index()) {}

void TUndoTransform::Undo() {
    SwapRestore(FRestore, std::make_unique<TReplaceEditMask_EditDib>(FContext, FHoleColour), FSize);
    FContext.View().InvalidateAll();
    FContext.View().UpdateNow();
    FContext.View().RedrawOutline();
}

void TUndoTransform::Redo() {
    SwapRestore(FRestore, CreateRestoreForState(FContext), FSize);
    FContext.View().InvalidateAll();
    FContext.View().RedrawOutline();
}

// ---------------------------------------------------------------- TUndoNewDib

TUndoNewDib::TUndoNewDib(TEditContext& context, std::string caption) : TUndoCaption(context, std::move(caption)) {
    if (TDib* image = context.Dib()) {
        FBlock = Pack(*image);
        FAlphas = image->Alphas();
    }
    FSnapshot = TakeSelectionSnapshot(context, true);
    Account();
}

void TUndoNewDib::Account() {
    FSize = 32 + static_cast<int64_t>(FBlock.size()) + FSnapshot.BlocksSize();
}

std::unique_ptr<TDib> TUndoNewDib::TakeStoredImage() {
    // The packed block has no room for the entries' alpha: it travels beside it.
    TBlock live = FContext.Dib() ? Pack(*FContext.Dib()) : TBlock{};
    std::vector<uint8_t> liveAlphas = FContext.Dib() ? FContext.Dib()->Alphas() : std::vector<uint8_t>{};
    auto image = UnpackDib(FBlock);
    image->SetAlphas(std::move(FAlphas));
    FBlock = std::move(live);
    FAlphas = std::move(liveAlphas);
    return image;
}

void TUndoNewDib::SwapImage() {
    if (FBlock.empty()) return;
    FContext.SetDib(TakeStoredImage());
}

void TUndoNewDib::Undo() {
    SwapImage();
    RestoreSelection(FContext, FSnapshot);
    Account();
}

void TUndoNewDib::Redo() {
    FSnapshot = TakeSelectionSnapshot(FContext, true);
    SwapImage();
    Account();
}

TUndoNewFile::TUndoNewFile(TEditContext& context, std::string caption)
    : TUndoNewDib(context, std::move(caption)), FFileName(context.FileName()), FSavePoint(context.Undo().SavePoint()) {}

void TUndoNewFile::SwapImage() {
    if (FBlock.empty()) return;
    auto image = TakeStoredImage();
    std::string name = FContext.FileName();
    FContext.SwapDibFile(std::move(image), FFileName);
    FFileName = std::move(name);
    const uint64_t live = FContext.Undo().SavePoint();
    FContext.Undo().SetSavePoint(FSavePoint);
    FSavePoint = live;
}

}  // namespace pixmo
