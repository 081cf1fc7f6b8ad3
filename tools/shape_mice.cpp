#include "tools/shape_mice.h"

#include <algorithm>
#include <cstdlib>

#include "edit/edit_context.h"
#include "image/dib.h"
#include "image/dib_canvas.h"
#include "image/raster_primitives.h"
#include "tools/edit_size.h"
#include "tools/tool_options.h"

namespace pixmo {

namespace {

void MakeSquare(TPoint a, TPoint& b) {
    const int s = std::max(std::abs(a.X - b.X), std::abs(a.Y - b.Y));
    b.X = b.X < a.X ? a.X - s : a.X + s;
    b.Y = b.Y < a.Y ? a.Y - s : a.Y + s;
}

TRect BoundsOf(const TPoint* points, size_t n) {
    TRect r;
    for (size_t i = 0; i < n; ++i) r = IncludePoint(r, points[i]);
    return r;
}

}  // namespace

// ---------------------------------------------------------------- TRectMouse

void TRectMouse::ButtonDown(TPoint p) {
    Constrain |= DefaultConstrain();
    Painted = TRect{};
    Anchor = p;
    BeginDrag();
    MouseMove(p);
}

void TRectMouse::MouseMove(TPoint p) {
    if (!Dragging) return;
    RestoreRect(Painted);
    P1 = Anchor;
    P2 = p;
    const bool square = Constrain & kConstrainSquare, snap = Constrain & kConstrainSnap;
    if (!snap && square) MakeSquare(P1, P2);
    if (Constrain & kConstrainCenter) P1 = TPoint{2 * Anchor.X - P2.X, 2 * Anchor.Y - P2.Y};
    if (snap) Env.EditSize.SnapCorners(P1, P2);
    if (square) MakeSquare(P1, P2);
    DrawFeedback(P1, P2);
    Bounds = PointsRect(P1, P2);
    Painted = ShapeArea(Bounds);
    UpdateRect(Painted);
    ShowStatus(ShapeStatusText(P1, P2));
}

void TRectMouse::ButtonUp(TPoint) { Commit(Painted); }
void TRectMouse::Abort() { CancelRect(Painted); }

void TRectMouse::ShiftChanged(int shift, bool handled) {
    Constrain = DefaultConstrain();
    if (!handled || Dragging) {
        const TShiftStateSettings& roles = Env.Options.Shift;
        if (RoleHeld(shift, roles.Center)) Constrain |= kConstrainCenter;
        if (RoleHeld(shift, roles.Square)) Constrain |= kConstrainSquare;
        if (RoleHeld(shift, roles.Snap)) Constrain |= kConstrainSnap;
    }
    TMouse::ShiftChanged(shift, handled);
}

void TRectMouse::Notify(TNotice notice) {
    if (notice == TNotice::ShapeOptions) Constrain = DefaultConstrain();
    TMouse::Notify(notice);
}

TRect TRectMouse::ShapeArea(const TRect& r) { return PenArea(r, PenWidth()); }

void TRectMouse::DrawFeedback(TPoint, TPoint) {
    if (TDibCanvas* canvas = DrawCanvas()) DrawShape(*canvas);
}

void TRectMouse::DrawShape(TDibCanvas& canvas) { DrawRectangle(canvas, PointsRect(P1, P2)); }
void TEllipseMouse::DrawShape(TDibCanvas& canvas) { DrawEllipse(canvas, PointsRect(P1, P2)); }
void TLineMouse::DrawShape(TDibCanvas& canvas) { DrawLine(canvas, P1, P2); }
TRect TLineMouse::ShapeArea(const TRect& r) { return PenArea(r, PenWidth(), true); }

// ---------------------------------------------------------------- TPolyMouse

void TPolyMouse::ButtonDown(TPoint p) {
    if (Dragging) {
        AddVertex(p);
        return;
    }
    Count = 0;
    Bounds = PixelRect(p);
    BeginDrag();
    Painted = Inflated(Bounds);
    AddVertex(p);
    if (!Dragging) return;
    if (TDibCanvas* canvas = DrawCanvas()) DrawPolyline(*canvas, Points, Count - 1);
    UpdateRect(Painted);
}

void TPolyMouse::AddVertex(TPoint p) {
    if (Count >= kPolyPoints - 1) return;
    Points[static_cast<size_t>(Count)] = p;
    ++Count;
    Bounds = IncludePoint(Bounds, p);
    if (Count + 2 > kPolyPoints - 1) {
        ShowStatus(Msg(kMsgTooManyVertices));
        DoubleClick(p);
        Host.ReleasePointer();
        UpdateCursor();
    }
}

void TPolyMouse::MouseMove(TPoint p) {
    if (!Dragging) return;
    TDibCanvas* canvas = DrawCanvas();
    if (LeftButtonHeld()) {
        const TPoint previous = Points[static_cast<size_t>(Count - 1)];
        AddVertex(p);
        if (!Dragging) return;
        if (canvas) {
            const TPoint segment[2] = {previous, p};
            DrawPolyline(*canvas, segment, 1);
        }
        const TRect r = Inflated(PointsRect(previous, p));
        Painted = UnionRect(Painted, r);
        UpdateRect(r);
        return;
    }
    RestoreRect(Painted);
    Points[static_cast<size_t>(Count)] = p;
    if (canvas) DrawPolyline(*canvas, Points, Count);
    Painted = Inflated(IncludePoint(Bounds, p));
    UpdateRect(Painted);
    ShowStatus(ShapeStatusText(Points[static_cast<size_t>(Count - 1)], p));
}

void TPolyMouse::DoubleClick(TPoint) {
    Commit(Inflated(Bounds));
    Count = 0;
}

void TPolyMouse::Abort() {
    CancelRect(UnionRect(Painted, Inflated(Bounds)));
    Count = 0;
}

void TPolyMouse::DrawShape(TDibCanvas& canvas) {
    canvas.PolyFillMode = TPolyFillMode::Winding;
    DrawPolygon(canvas, Points, Count - 1);
    if (Count > 0) canvas.SetPixelColor(Points[0].X, Points[0].Y, canvas.Pen.Color);
}

// ---------------------------------------------------------------- TBezierMouse

void TBezierMouse::ButtonDown(TPoint p) {
    if (!Dragging) {
        Painted = TRect{};
        Bounds = PixelRect(p);
        BeginDrag();
        Count = 1;
        Points[0] = p;
        return;
    }
    if (Count < 4) Points[static_cast<size_t>(Count++)] = p;
}

void TBezierMouse::ButtonUp(TPoint p) {
    if (!Dragging) return;
    if (Count < 3) {
        Points[static_cast<size_t>(Count++)] = p;
        return;
    }
    Commit(Painted);
    Count = 0;
}

void TBezierMouse::MouseMove(TPoint p) {
    if (!Dragging) return;
    RestoreRect(Painted);
    for (int i = Count; i < 4; ++i) Points[static_cast<size_t>(i)] = p;
    if (TDibCanvas* canvas = DrawCanvas()) DrawShape(*canvas);
    Bounds = BoundsOf(Points.data(), Points.size());
    Painted = PenArea(Bounds, PenWidth(), true);
    UpdateRect(Painted);
}

void TBezierMouse::Abort() {
    CancelRect(Painted);
    Count = 0;
}

void TBezierMouse::DrawShape(TDibCanvas& canvas) { canvas.PolyBezier(Points); }

// ---------------------------------------------------------------- TParallelogramMouse

void TParallelogramMouse::ButtonDown(TPoint p) {
    if (!Dragging) {
        Painted = TRect{};
        Bounds = PixelRect(p);
        Phase = 0;
        Corners[0] = p;
        Corners[4] = p;
        BeginDrag();
    }
    MouseMove(p);
}

void TParallelogramMouse::ButtonUp(TPoint p) {
    if (!Dragging) return;
    if (Phase != 0) {
        Commit(Painted);
        Phase = 0;
        return;
    }
    Corners[1] = p;
    Phase = 4;
    MouseMove(p);
}

void TParallelogramMouse::MouseMove(TPoint p) {
    if (!Dragging) return;
    TDibCanvas* canvas = DrawCanvas();
    if (Phase == 0) {
        if (!LeftButtonHeld()) return;
        RestoreRect(Painted);
        Corners[1] = p;
        if (canvas) DrawLine(*canvas, Corners[0], p);
        Painted = PenArea(PointsRect(Corners[0], p), PenWidth(), true);
        UpdateRect(Painted);
        ShowStatus(ShapeStatusText(Corners[0], p));
        return;
    }
    RestoreRect(Painted);
    Corners[2] = p;
    Corners[3] = TPoint{p.X + Corners[0].X - Corners[1].X, p.Y + Corners[0].Y - Corners[1].Y};
    if (canvas) {
        if (Corners[0] == Corners[1])
            DrawLine(*canvas, Corners[0], p);
        else
            DrawPolyline(*canvas, Corners, 4);
    }
    Bounds = BoundsOf(Corners.data(), Corners.size());
    if (const TDib* image = Image()) Bounds = IntersectRect(Bounds, image->GetRect());
    Painted = PenArea(Bounds, PenWidth(), true);
    UpdateRect(Painted);
    ShowStatus(ShapeStatusText(Corners[1], p));
}

void TParallelogramMouse::Abort() {
    CancelRect(Painted);
    Phase = 0;
}

void TParallelogramMouse::DrawShape(TDibCanvas& canvas) { DrawPolygon(canvas, Corners, 4); }

// ---------------------------------------------------------------- TDotsDDAMouse

void TDotsDDAMouse::ButtonDown(TPoint p) {
    Bounds = PixelRect(p);
    BeginDrag();
    StepCount = 0;
    Last = p;
    AddPoint(p.X, p.Y);
}

void TDotsDDAMouse::MouseMove(TPoint p) {
    if (!Dragging) return;
    if (Step <= 0) {
        AddPoint(p.X, p.Y);
    } else {
        LineDDA(Last.X, Last.Y, p.X, p.Y, [this](int x, int y) {
            if (++StepCount >= Step) {
                AddPoint(x, y);
                StepCount = 0;
            }
        });
    }
    Last = p;
}

void TDotsDDAMouse::AddPoint(int x, int y) { Bounds = IncludePoint(Bounds, TPoint{x, y}); }
void TDotsDDAMouse::ButtonUp(TPoint) { Commit(PenArea(Bounds, PenWidth(), true)); }
void TDotsDDAMouse::Abort() { CancelRect(PenArea(Bounds, PenWidth(), true)); }

// ---------------------------------------------------------------- TDotsMouse

void TDotsMouse::ButtonDown(TPoint p) {
    Bounds = PixelRect(p);
    BeginDrag();
    Last = PenWidth() > 1 ? p : TPoint{p.X, p.Y + 1};
    MouseMove(p);
}

// The line runs from the new point back to the last one, which it leaves out.
void TDotsMouse::MouseMove(TPoint p) {
    if (!Dragging) return;
    if (TDibCanvas* canvas = DrawCanvas()) {
        canvas->MoveTo(p.X, p.Y);
        canvas->LineTo(Last.X, Last.Y);
    }
    Bounds = IncludePoint(Bounds, p);
    UpdateRect(PenArea(PointsRect(Last, p), PenWidth(), true));
    Last = p;
}

void TDotsMouse::ButtonUp(TPoint) { Commit(PenArea(Bounds, PenWidth(), true)); }
void TDotsMouse::Abort() { CancelRect(PenArea(Bounds, PenWidth(), true)); }

}  // namespace pixmo
