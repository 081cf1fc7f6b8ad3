#include "edit/undo.h"

#include "edit/edit_view.h"
#include "edit/edit_context.h"
#include "edit/main_panels.h"
#include "edit/selection.h"
#include "edit/undo_objects_image.h"
#include "edit/undo_objects_palette.h"
#include "edit/undo_objects_selection.h"
#include "image/dib.h"
#include "image/errors.h"

namespace pixmo {

TUndo::TUndo(TEditContext& context) : FContext(context) {}

// Newest first, so that no step outlives one that it was taken after.
TUndo::~TUndo() {
    while (!FItems.empty()) FItems.pop_back();
}

namespace {
// A step's caption as the catalogues know it: the steps name themselves with source texts.
TMessage CaptionOf(const TUndoObject& item) { return CoreMessage(item.GetCaption().c_str()); }
}  // namespace

TMessage TUndo::UndoMenuText() const {
    if (!CanUndo()) return Msg(PIXMO_MSG("pixmo::Core", "&Annulla   "));
    return Msg(PIXMO_MSG("pixmo::Core", "&Annulla   (%1)"), CaptionOf(*FItems[FPosition - 1]));
}

TMessage TUndo::RedoMenuText() const {
    if (!CanRedo()) return Msg(PIXMO_MSG("pixmo::Core", "Ripeti "));
    return Msg(PIXMO_MSG("pixmo::Core", "Ripeti (%1)"), CaptionOf(*FItems[FPosition]));
}

void TUndo::Undo() {
    if (FContext.View().IsBusy() || !CanUndo()) return;
    --FPosition;
    TUndoObject& item = *FItems[FPosition];
    Swap(item, &TUndoObject::Undo);
    SyncModified();
    UpdatePanel();
    FContext.Panels().ShowCoreMessage(Msg(PIXMO_MSG("pixmo::Core", "%1 Annullato  "), CaptionOf(item)));
    FContext.View().InvalidateAll();
}

void TUndo::Redo() {
    if (FContext.View().IsBusy() || !CanRedo()) return;
    TUndoObject& item = *FItems[FPosition];
    Swap(item, &TUndoObject::Redo);
    FContext.Panels().ShowCoreMessage(Msg(PIXMO_MSG("pixmo::Core", "%1 Ripetuto     "), CaptionOf(item)));
    ++FPosition;
    SyncModified();
    UpdatePanel();
    FContext.View().InvalidateAll();
}

// A swap may change what a step holds; the total follows, whatever happens.
void TUndo::Swap(TUndoObject& item, void (TUndoObject::*direction)()) {
    FTotalSize -= item.Size();
    try {
        (item.*direction)();
    } catch (...) {
        FTotalSize += item.Size();
        throw;
    }
    FTotalSize += item.Size();
}

void TUndo::SyncModified() { FContext.ModifiedFlagChanged(!AtSavePoint()); }

void TUndo::MarkSavePoint() { FSavePoint = CurrentState(); }

void TUndo::ClearAll() {
    while (!FItems.empty()) FItems.pop_back();
    FPosition = 0;
    FTotalSize = 0;
}

void TUndo::Add(std::unique_ptr<TUndoObject> object) {
    if (!object) {
        ForgetSavePoint();
        SyncModified();
        return;
    }
    if (FContext.UndoLimit() <= 0) {
        // The change goes ahead unrecorded: the state it makes is new to the history.
        object.reset();
        FBaseState = FNextSerial++;
        if (!FItems.empty()) {
            ClearAll();
            UpdatePanel();
        }
        SyncModified();
        return;
    }
    object->FSerial = FNextSerial++;
    while (FPosition < Count()) {
        FTotalSize -= FItems.back()->Size();
        FItems.pop_back();
    }
    while (FContext.UndoLimit() < FTotalSize + object->Size() && !FItems.empty()) DeleteItem(0);
    while (Count() > kMaxUndoSteps - 1) DeleteItem(0);
    FTotalSize += object->Size();
    FItems.push_back(std::move(object));
    ++FPosition;
    SyncModified();
    UpdatePanel();
}

void TUndo::DeleteItem(int index) {
    if (index < 0 || index >= Count()) return;
    if (index == 0) FBaseState = FItems[0]->Serial();
    if (index < FPosition) --FPosition;
    FTotalSize -= FItems[index]->Size();
    FItems.erase(FItems.begin() + index);
}

void TUndo::UpdatePanel() { FContext.Panels().SetUndoPanel(Format("%d/%d", FPosition, Count())); }

int64_t TUndo::GetLimit() const { return FContext.UndoLimit(); }
void TUndo::SetLimit(int64_t limit) { FContext.SetUndoLimit(limit); }

// ---------------------------------------------------------------- recording shortcuts

void TUndo::AddDibRect(const TDib* image, const TRect& rect) {
    if (!image) return;
    const TRect clipped = IntersectRect(rect, image->GetRect());
    if (clipped.IsEmpty()) return;
    Add(std::make_unique<TUndoDibRect>(FContext, *image, clipped));
}

void TUndo::AddPaletteColour(int index, TColorRef colour) {
    Add(std::make_unique<TUndoPalette>(FContext, index, colour));
}

void TUndo::AddNewSelection(const TRect& rect) {
    const TMaskDib* mask = FContext.Selection().Mask();
    if (!mask) return;
    if (IntersectRect(rect, mask->GetRect()).IsEmpty() && FContext.Selection().IsEmpty()) return;
    Add(std::make_unique<TUndoNewSelection>(FContext));
}

void TUndo::AddEffect(const std::string& caption) { Add(std::make_unique<TUndoEffect>(FContext, caption)); }

void TUndo::AddTransform(const std::string& caption) { Add(std::make_unique<TUndoTransform>(FContext, caption)); }

void TUndo::AddNewDib(const std::string& caption) {
    if (FContext.Dib()) Add(std::make_unique<TUndoNewDib>(FContext, caption));
}

void TUndo::AddNewFile(const std::string& caption) {
    if (FContext.Dib()) Add(std::make_unique<TUndoNewFile>(FContext, caption));
}

}  // namespace pixmo
