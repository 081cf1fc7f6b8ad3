#include "tools/mouse.h"

#include <cmath>
#include <cstdlib>
#include <numbers>

#include "edit/edit_view.h"
#include "edit/edit_context.h"
#include "edit/main_panels.h"
#include "image/dib.h"
#include "image/dib_canvas.h"
#include "image/errors.h"
#include "image/int_math.h"
#include "settings/main_keys.h"

namespace pixmo {

TRect PointsRect(TPoint a, TPoint b) {
    return TRect{std::min(a.X, b.X), std::min(a.Y, b.Y), std::max(a.X, b.X) + 1, std::max(a.Y, b.Y) + 1};
}

TRect IncludePoint(const TRect& r, TPoint p) { return UnionRect(r, PixelRect(p)); }

// Our wide pen is a disc from -(w div 2) to w - (w div 2) - 1 around each centre, so this
// is exactly what it covers; very wide pens get one pixel more as a margin.
TRect PenArea(const TRect& r, int w, bool general) {
    if (r.IsEmpty()) return TRect{};
    w = std::max(w, 1);
    const int half = Div(w, 2);
    TRect a = InflateRect(r, half, half);
    if (Mod(w, 2) == 0) {
        a.Right -= 1;
        a.Bottom -= 1;
    }
    if (general && half >= 30) a = InflateRect(a, 1, 1);
    return a;
}

double StatusAngle(TPoint p1, TPoint p2) {
    const double dx = p2.X - p1.X, dy = p2.Y - p1.Y;
    const double deg = 180.0 / std::numbers::pi;
    if (dx == 0 && dy < 0) return 270;
    if (dx == 0 && dy > 0) return 90;
    if (dx == 0) return 0;
    if (dx >= 1 && dy >= 0) return std::atan(dy / dx) * deg;
    if (dx < 0 && dy > 0) return 180 - std::atan(dy / std::fabs(dx)) * deg;
    if (dx < 0) return std::atan(dy / dx) * deg + 180;
    return 360 - std::atan(-dy / dx) * deg;
}

TMessage ShapeStatusText(TPoint p1, TPoint p2) {
    const double a = StatusAngle(p1, p2);
    return Msg(PIXMO_MSG("pixmo::Core", "(%1,%2)-(%3,%4) Lar:%5 Alt:%6 Ang:%7° (%8°) "), p1.X, p1.Y, p2.X, p2.Y,
               std::abs(p2.X - p1.X) + 1, std::abs(p2.Y - p1.Y) + 1, Format("%f", a), Format("%f", a - 360));
}

// ---------------------------------------------------------------- TMouse

TMouse::TMouse(TToolEnvironment& env, TToolHost& host) : Env(env), Host(host) {}

// A tool freed in the middle of a drag puts the image back first.
TMouse::~TMouse() {
    if (Dragging) {
        try {
            Abort();
        } catch (...) {
        }
    }
}

void TMouse::Init() {
    Internal = CreateInternal();
    UpdateCursor();
}

std::unique_ptr<TInternalMouse> TMouse::CreateInternal() { return std::make_unique<TInternalMouse>(*this); }

TDib* TMouse::Image() const { return Env.Edit.Dib(); }

int TMouse::PenWidth() const {
    const TDibCanvas* canvas = DrawCanvas();
    return canvas ? std::max(canvas->Pen.Width, 1) : 1;
}

bool TMouse::LeftButtonHeld() const { return Host.LeftButtonHeld(); }

void TMouse::ShowStatus(const TMessage& message) const { Env.Edit.Panels().ShowCoreMessage(message); }

int TMouse::DefaultConstrain() const { return Env.Settings.DefRectOpt & 7; }

void TMouse::Prepare() {
    if (Internal) Internal->SetupPen();
}

void TMouse::BeginDrag() {
    if (Dragging) return;
    Dragging = true;
    Internal->BeginDrag();
}

void TMouse::UpdateRect(const TRect& r) { Internal->UpdateRect(r); }

void TMouse::RestoreRect(const TRect& r) {
    const TDib* image = Image();
    if (!image) return;
    const TRect clipped = IntersectRect(r, image->GetRect());
    if (clipped.IsEmpty()) return;
    Internal->RestoreRect(clipped);
    Env.Edit.View().RepaintImageRect(clipped);
}

void TMouse::DrawToMask(TDib& image) {
    TDibCanvas& canvas = image.Canvas();
    canvas.Brush.Color = RGB(255, 255, 255);
    canvas.Pen.Color = RGB(255, 255, 255);
    DrawShape(canvas);
}

void TMouse::CancelRect(const TRect& r) {
    if (!Dragging) return;
    RestoreRect(r);
    Dragging = false;
    Internal->Cancelled();
}

void TMouse::Abort() {
    if (const TDib* image = Image()) CancelRect(image->GetRect());
}

void TMouse::Commit(const TRect& r) {
    if (!Dragging) return;
    Dragging = false;
    Internal->Commit(r);
}

void TMouse::Finish() {
    if (!Dragging) return;
    Dragging = false;
    Internal->Finish();
}

void TMouse::OnButtonDown(TPoint p) { Internal->ButtonDown(p); }
void TMouse::OnButtonUp(TPoint p) { ButtonUp(p); }
void TMouse::OnMove(TPoint p) { Internal->MouseMove(p); }
void TMouse::UpdateCursor() { Internal->UpdateCursor(); }
void TMouse::ShiftChanged(int shift, bool handled) { Internal->ShiftChanged(shift, handled); }
void TMouse::Notify(TNotice notice) { Internal->Notify(notice); }
TDibCanvas* TMouse::GetCanvas() { return Internal->Canvas(); }

}  // namespace pixmo
