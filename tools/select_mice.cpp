#include "tools/select_mice.h"

#include <algorithm>

#include "edit/edit_view.h"
#include "edit/edit_context.h"
#include "image/dib.h"
#include "image/dib_canvas.h"
#include "settings/main_keys.h"

namespace pixmo {

// ---------------------------------------------------------------- TSelectMouse

std::unique_ptr<TInternalMouse> TSelectMouse::CreateInternal() {
    auto internal = std::make_unique<TInternalSelect>(*this);
    internal->UsesMask = true;
    return internal;
}

void TSelectMouse::ButtonDown(TPoint p) {
    const TDib* image = Image();
    if (!image || !image->GetRect().Contains(p)) return;
    Bounds = TRect{};
    Painted = PixelRect(p);
    BeginDrag();
    Seed = p;
    Pick(p);
}

void TSelectMouse::MouseMove(TPoint p) {
    if (!Dragging) return;
    Track(p);
    Seed = p;
}

void TSelectMouse::ButtonUp(TPoint p) {
    if (Select().MoveTool) {
        TSelectTool::ButtonUp(p);
        return;
    }
    Commit(Bounds);
}

// ---------------------------------------------------------------- the wand and the border

void TSelectSurfaceMouse::Pick(TPoint) { DrawToMask(WorkMask()); }

void TSelectSurfaceMouse::DrawToMask(TMaskDib& m) {
    const TDib* image = Image();
    if (!image || !image->GetRect().Contains(Seed)) return;
    TBusyCursor busy(Env.Edit.Busy());
    const int tolerance = std::clamp(Env.Settings.SelectLimit, 0, 255);
    m.SelectSurface(image, Seed, tolerance);
    Bounds = m.Bounds();
}

void TSelectBorderMouse::DrawToMask(TMaskDib& m) {
    const TDib* image = Image();
    if (!image || !image->GetRect().Contains(Seed)) return;
    TBusyCursor busy(Env.Edit.Busy());
    // Without a secondary colour in the palette nothing encloses anything.
    const int index = Env.Edit.Color2Index();
    if (image->IsTrueColor() || index < 0 || index >= image->Colors()) return;
    m.SelectBorder(image, Seed, 0, image->GetColor(index));
    Bounds = m.Bounds();
}

// ---------------------------------------------------------------- the colour picker

void TSelectColorsMouse::Choose(TPoint p) {
    const TDib* image = Image();
    if (!image || image->IsTrueColor() || !image->GetRect().Contains(p)) return;
    Chosen[image->Pixel(p.X, p.Y)] = true;
}

void TSelectColorsMouse::Pick(TPoint p) {
    Chosen.fill(false);
    Choose(p);
    if (TDibCanvas* canvas = DrawCanvas()) canvas->SetPixelColor(p.X, p.Y, canvas->Pen.Color);
    UpdateRect(Painted);
}

void TSelectColorsMouse::Track(TPoint p) {
    if (TDibCanvas* canvas = DrawCanvas()) {
        canvas->MoveTo(p.X, p.Y);
        canvas->LineTo(Seed.X, Seed.Y);
    }
    UpdateRect(PointsRect(p, Seed));
    LineDDA(p.X, p.Y, Seed.X, Seed.Y, [this](int x, int y) { Choose(TPoint{x, y}); });
    Painted = IncludePoint(Painted, p);
}

void TSelectColorsMouse::ButtonUp(TPoint p) {
    if (Select().MoveTool) {
        TSelectTool::ButtonUp(p);
        return;
    }
    if (!Dragging) return;
    Choose(Seed);
    DrawToMask(WorkMask());
    Commit(Bounds);
}

void TSelectColorsMouse::DrawToMask(TMaskDib& m) {
    const TDib* image = Image();
    Bounds = TRect{};
    if (!image || image->IsTrueColor() || m.GetSize() != image->GetSize()) return;
    TBusyCursor busy(Env.Edit.Busy());
    TRect area = image->GetRect();
    if (Env.Settings.SelectInSight) area = IntersectRect(area, Env.Edit.View().VisibleImageRect());
    for (int y = area.Top; y < area.Bottom; ++y) {
        const uint8_t* in = image->ScanLine(y);
        uint8_t* out = m.ScanLine(y);
        for (int x = area.Left; x < area.Right; ++x) out[x] = Chosen[in[x]] ? 1 : 0;
    }
    Bounds = m.BoundsIn(area);
}

}  // namespace pixmo
