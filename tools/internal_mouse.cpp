#include "tools/internal_mouse.h"

#include "edit/edit_view.h"
#include "edit/edit_context.h"
#include "image/dib.h"
#include "tools/mouse.h"

namespace pixmo {

TInternalMouse::TInternalMouse(TMouse& mouse) : Mouse(mouse) {}

TEditContext& TInternalMouse::Edit() const { return Mouse.Env.Edit; }
TDib* TInternalMouse::Image() const { return Mouse.Env.Edit.Dib(); }

void TInternalMouse::ButtonDown(TPoint p) { Mouse.ButtonDown(p); }
void TInternalMouse::MouseMove(TPoint p) { Mouse.MouseMove(p); }

void TInternalMouse::UpdateRect(const TRect& r) {
    const TDib* image = Image();
    if (!image) return;
    const TRect clipped = IntersectRect(r, image->GetRect());
    if (!clipped.IsEmpty()) Edit().View().RepaintImageRect(clipped);
}

TDibCanvas* TInternalMouse::Canvas() {
    TDib* image = Image();
    return image ? &image->Canvas() : nullptr;
}
TDibCanvas* TInternalMouse::DrawCanvas() { return Canvas(); }
TDibCanvas* TInternalMouse::BackupCanvas() { return Canvas(); }

void TInternalMouse::UpdateCursor() { Mouse.Host.SetCursorId(kCursorArrow); }

}  // namespace pixmo
