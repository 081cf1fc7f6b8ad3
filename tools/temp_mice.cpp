#include "tools/temp_mice.h"

#include <algorithm>

#include "edit/edit_view.h"
#include "edit/edit_context.h"
#include "edit/main_panels.h"
#include "edit/pixel_ops.h"
#include "edit/selection.h"
#include "edit/undo.h"
#include "edit/undo_objects_selection.h"
#include "image/dib.h"
#include "tools/edit_size.h"
#include "tools/shape_mice.h"
#include "tools/tool_options.h"

namespace pixmo {

TTempMouse::TTempMouse(TToolEnvironment& env, TToolHost& host) : TMouse(env, host), SavedCursor(host.CursorId()) {}

TTempMouse::~TTempMouse() {
    if (Dragging) {
        try {
            Abort();
        } catch (...) {
        }
    }
    Host.SetCursorId(SavedCursor);
}

// ---------------------------------------------------------------- scroll

void TScrollMouse::ButtonDown(TPoint p) {
    BeginDrag();
    Start = p;
}

void TScrollMouse::MouseMove(TPoint p) {
    if (Dragging) Host.ScrollBy(Start.X - p.X, Start.Y - p.Y);
}

// ---------------------------------------------------------------- pick colour

void TGetColor1Mouse::ButtonDown(TPoint p) {
    BeginDrag();
    SavedColour = Env.Edit.Color1Index();
    MouseMove(p);
}

void TGetColor1Mouse::MouseMove(TPoint p) {
    const TDib* image = Image();
    if (!Dragging || !image || image->IsTrueColor() || !image->GetRect().Contains(p)) return;
    const int index = std::clamp<int>(image->Pixel(p.X, p.Y), 0, std::max(0, image->Colors() - 1));
    Env.Edit.SetColor1Index(index);
}

void TGetColor1Mouse::Abort() {
    if (Dragging) Env.Edit.SetColor1Index(SavedColour);
    TTempMouse::Abort();
}

// ---------------------------------------------------------------- move and duplicate

namespace {

// Erasing feedback of a moved piece means putting the background back.
class TInternalMove : public TInternalMouse {
public:
    using TInternalMouse::TInternalMouse;
    void RestoreRect(const TRect& r) override { Edit().Selection().PutBackground(r); }
    void UpdateCursor() override { Mouse.Host.SetCursorId(kCursorMove); }
};

}  // namespace

TMoveMouse::~TMoveMouse() {
    if (Dragging) {
        try {
            Abort();
        } catch (...) {
        }
    }
}

std::unique_ptr<TInternalMouse> TMoveMouse::CreateInternal() { return std::make_unique<TInternalMove>(*this); }

void TMoveMouse::ButtonDown(TPoint p) {
    TSelection& selection = Env.Edit.Selection();
    if (!Image() || selection.IsEmpty()) return;
    BeginDrag();
    Constrain |= DefaultConstrain();
    selection.LiftFloating();
    StartMove();
    const TRect r = selection.GetRect();
    Offset = TPoint{p.X - r.Left, p.Y - r.Top};
}

void TMoveMouse::StartMove() {
    TEditContext& edit = Env.Edit;
    TSelection& selection = edit.Selection();
    Pending.reset();
    if (selection.Background()) {
        Pending = std::make_unique<TUndoMoveSelection>(edit);
    } else {
        selection.TakeBackground();
        if (TDib* background = selection.Background()) selection.PaintHole(*background, edit.Color2Index());
        Pending = std::make_unique<TUndoFirstMove>(edit, edit.Color2Index());
    }
}

void TDuplicateMouse::StartMove() {
    TEditContext& edit = Env.Edit;
    TSelection& selection = edit.Selection();
    Pending = std::make_unique<TUndoDuplicate>(edit);
    if (TDib* background = selection.Background()) {
        const TDib* image = Image();
        const TRect clipped = IntersectRect(selection.GetRect(), image->GetRect());
        CopyPixels(*background, TPoint{clipped.Left, clipped.Top}, *image, clipped);
    } else {
        selection.TakeBackground();
    }
}

void TMoveMouse::MouseMove(TPoint p) {
    if (!Dragging) return;
    TSelection& selection = Env.Edit.Selection();
    const TRect old = selection.GetRect();
    selection.PutBackground(old);
    TRect moved = OffsetRect(old, p.X - Offset.X - old.Left, p.Y - Offset.Y - old.Top);
    if (Constrain & kConstrainSnap) Env.EditSize.SnapRect(moved, p);
    selection.MoveTo(moved);
    Env.Edit.View().RepaintImageRect(old);
    Env.Edit.View().RepaintImageRect(selection.GetRect());
    Env.Edit.Panels().ShowRect(selection.GetRect());
}

void TMoveMouse::ButtonUp(TPoint) {
    if (!Dragging) return;
    Finish();
    if (Pending) Env.Edit.Undo().Add(std::move(Pending));
    TSelection& selection = Env.Edit.Selection();
    selection.StampFloatMask();
    Env.Edit.View().RedrawOutline();
}

void TMoveMouse::Abort() {
    const bool wasDragging = Dragging;
    TTempMouse::Abort();
    if (wasDragging && Pending) {
        Pending->Undo();
        Pending.reset();
    }
}

void TMoveMouse::ShiftChanged(int shift, bool handled) {
    Constrain = DefaultConstrain();
    if ((!handled || Dragging) && RoleHeld(shift, Env.Options.Shift.Snap)) Constrain |= kConstrainSnap;
}

}  // namespace pixmo
