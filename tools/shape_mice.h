#pragma once
// The gesture tools: two-point shapes (rectangle, ellipse, line) with their square, centre
// and grid constraints, the polygon and the lasso, the four-point Bézier curve, the
// two-phase parallelogram, the free-hand strokes (pencil, stepped dots) and the single
// click. What they draw and record is their internal object's business.
#include <array>
#include <vector>

#include "tools/mouse.h"

namespace pixmo {

inline constexpr int kConstrainSquare = 1;
inline constexpr int kConstrainCenter = 2;
inline constexpr int kConstrainSnap = 4;
inline constexpr int kPolyPoints = 10000;
inline constexpr TSourceText kMsgTooManyVertices = PIXMO_MSG("pixmo::Core", "Cant do it any more ");

class TRectMouse : public TMouse {
public:
    using TMouse::TMouse;
    std::string ClassName() const override { return "TRectMouse"; }
    bool UsesShapeOptions() const override { return true; }

    TPoint Anchor, P1, P2;
    int Constrain = 0;

    void ButtonDown(TPoint p) override;
    void MouseMove(TPoint p) override;
    void ButtonUp(TPoint p) override;
    void Abort() override;
    void ShiftChanged(int shift, bool handled) override;
    void Notify(TNotice notice) override;
    void DrawShape(TDibCanvas& canvas) override;
    // What the outline of r covers with the drawing pen.
    virtual TRect ShapeArea(const TRect& r);
    virtual void DrawFeedback(TPoint a, TPoint b);
};

class TEllipseMouse : public TRectMouse {
public:
    using TRectMouse::TRectMouse;
    std::string ClassName() const override { return "TEllipseMouse"; }
    void DrawShape(TDibCanvas& canvas) override;
};

class TLineMouse : public TRectMouse {
public:
    using TRectMouse::TRectMouse;
    std::string ClassName() const override { return "TLineMouse"; }
    void DrawShape(TDibCanvas& canvas) override;
    TRect ShapeArea(const TRect& r) override;
};

class TPolyMouse : public TMouse {
public:
    TPolyMouse(TToolEnvironment& env, TToolHost& host) : TMouse(env, host), Points(kPolyPoints) {}
    std::string ClassName() const override { return "TPolyMouse"; }

    std::vector<TPoint> Points;
    int Count = 0;

    void ButtonDown(TPoint p) override;
    void MouseMove(TPoint p) override;
    void DoubleClick(TPoint p) override;
    void Abort() override;
    void DrawShape(TDibCanvas& canvas) override;
    virtual void AddVertex(TPoint p);

protected:
    TRect Inflated(const TRect& r) const { return PenArea(r, PenWidth(), true); }
};

// The free-hand lasso: releasing the button closes it.
class TRegionMouse : public TPolyMouse {
public:
    using TPolyMouse::TPolyMouse;
    std::string ClassName() const override { return "TRegionMouse"; }
    void ButtonUp(TPoint p) override { DoubleClick(p); }
};

// Press: start; release: first control point; press: second control point; release: end
// point, and the curve is committed.
class TBezierMouse : public TMouse {
public:
    using TMouse::TMouse;
    std::string ClassName() const override { return "TBezierMouse"; }

    int Count = 0;
    std::array<TPoint, 4> Points{};

    void ButtonDown(TPoint p) override;
    void ButtonUp(TPoint p) override;
    void MouseMove(TPoint p) override;
    void Abort() override;
    void DrawShape(TDibCanvas& canvas) override;
};

class TParallelogramMouse : public TMouse {
public:
    using TMouse::TMouse;
    std::string ClassName() const override { return "TParallelogramMouse"; }

    std::array<TPoint, 5> Corners{};
    int Phase = 0;

    void ButtonDown(TPoint p) override;
    void ButtonUp(TPoint p) override;
    void MouseMove(TPoint p) override;
    void Abort() override;
    void DrawShape(TDibCanvas& canvas) override;
};

// A free-hand stroke stepped along the line between pointer events: every Step-th point
// gets AddPoint (every event when Step <= 0).
class TDotsDDAMouse : public TMouse {
public:
    using TMouse::TMouse;
    std::string ClassName() const override { return "TDotsDDAMouse"; }

    int Step = 1;
    int StepCount = 0;
    TPoint Last;

    void ButtonDown(TPoint p) override;
    void MouseMove(TPoint p) override;
    void ButtonUp(TPoint p) override;
    void Abort() override;
    virtual void AddPoint(int x, int y);
};

// The pencil's gesture: a line from the previous point to each new one.
class TDotsMouse : public TMouse {
public:
    using TMouse::TMouse;
    std::string ClassName() const override { return "TDotsMouse"; }

    TPoint Last;

    void ButtonDown(TPoint p) override;
    void MouseMove(TPoint p) override;
    void ButtonUp(TPoint p) override;
    void Abort() override;
};

// Single-click tools: the release commits what the press changed.
class TDrawMouse : public TMouse {
public:
    using TMouse::TMouse;
    std::string ClassName() const override { return "TDrawMouse"; }
    void ButtonUp(TPoint) override { Commit(Bounds); }
};

}  // namespace pixmo
