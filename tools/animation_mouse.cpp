#include "tools/animation_mouse.h"

#include <algorithm>

#include "image/dib.h"
#include "image/int_math.h"
#include "tools/internal_draw.h"

namespace pixmo {

TAnimationMouse::TAnimationMouse(TToolEnvironment& env, TToolHost& host, TAnimationHost& animation)
    : TRectMouse(env, host), FAnimation(&animation) {}

// The cursor is known once the table has named it, and is needed before Init shows it.
std::unique_ptr<TInternalMouse> TAnimationMouse::CreateInternal() {
    Host.RegisterCursor(kCursorTool, CursorName);
    return TRectMouse::CreateInternal();
}

TAnimationMouse::~TAnimationMouse() {
    Host.ShowFrameRect(TRect{});
    if (Dragging) {
        Dragging = false;
        Internal->Cancelled();
    }
    if (FAnimation) FAnimation->ToolEnded(FFrames);
}

void TAnimationMouse::Start() {
    ShowStatus(Msg(kMsgChooseFrames));
    if (FAnimation) FAnimation->ToolStarted(*this);
}

bool TAnimationMouse::AddFrame(const TRect& frame) {
    if (FFrames.Count() >= kMaxAnimationFrames) {
        if (FAnimation) FAnimation->ShowNotice(Msg(kMsgTooManyFrames));
        return false;
    }
    FFrames.Add(frame);
    if (FAnimation) FAnimation->FramePicked();
    return true;
}

TRect TAnimationMouse::FrameAt(TPoint p) const {
    if (FFrames.Count() == 0) return TRect{};
    const TRect& last = FFrames[FFrames.Count() - 1];
    const int w = last.Width(), h = last.Height();
    int left = p.X - Div(w, 2), top = p.Y - Div(h, 2);
    if (const TDib* image = Image()) {
        left = std::max(0, std::min(left, image->Width() - w));
        top = std::max(0, std::min(top, image->Height() - h));
    }
    return TRect{left, top, left + w, top + h};
}

void TAnimationMouse::ButtonDown(TPoint p) {
    if (FFrames.Count() == 0) {
        TRectMouse::ButtonDown(p);
        return;
    }
    AddFrame(FrameAt(p));
}

void TAnimationMouse::MouseMove(TPoint p) {
    if (Dragging)
        TRectMouse::MouseMove(p);
    else if (FFrames.Count() > 0)
        Host.ShowFrameRect(FrameAt(p));
}

void TAnimationMouse::ButtonUp(TPoint p) {
    if (!Dragging) return;
    const TDib* image = Image();
    const TRect frame = image ? IntersectRect(Bounds, image->GetRect()) : TRect{};
    Finish();
    Host.ShowFrameRect(TRect{});
    if (!frame.IsEmpty()) AddFrame(frame);
    MouseMove(p);
}

// The client reports a quick second click as a double click without a press; frames picked
// at a brisk pace would be lost every other click.
void TAnimationMouse::DoubleClick(TPoint p) {
    if (!Dragging && FFrames.Count() > 0) AddFrame(FrameAt(p));
}

void TAnimationMouse::Abort() {
    TRectMouse::Abort();
    Host.ShowFrameRect(TRect{});
}

void TAnimationMouse::UpdateCursor() { Host.SetCursorId(kCursorTool); }

// The main window clears the status line when the tool changes, after the tool showed its
// prompt; the notice reaches the tool after the windows, so the prompt goes up again.
void TAnimationMouse::Notify(TNotice notice) {
    if (notice == TNotice::ToolChanged) ShowStatus(Msg(kMsgChooseFrames));
    TRectMouse::Notify(notice);
}

void TAnimationMouse::DrawFeedback(TPoint a, TPoint b) {
    const TDib* image = Image();
    Host.ShowFrameRect(image ? IntersectRect(PointsRect(a, b), image->GetRect()) : TRect{});
}

}  // namespace pixmo
