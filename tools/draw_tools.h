#pragma once
// The drawing tools: each is a gesture of shape_mice.h paired with TInternalDraw (outlines)
// or TInternalFill (filled shapes), so that every stroke is one undo step of its rectangle.
#include "tools/internal_draw.h"
#include "tools/pixel_perfect.h"
#include "tools/shape_mice.h"

namespace pixmo {

template <class Base, class Internal>
class TDrawTool : public Base {
public:
    using Base::Base;
    std::unique_ptr<TInternalMouse> CreateInternal() override { return std::make_unique<Internal>(*this); }
    TInternalDraw& Draw() const { return static_cast<TInternalDraw&>(*this->Internal); }
};

// The pencil; "Pixel perfetto" keeps its one-pixel strokes free of corners (pixel_perfect.cpp).
class TDrawDotMouse : public TDrawTool<TDotsMouse, TInternalDraw> {
public:
    using TDrawTool::TDrawTool;
    std::string ClassName() const override { return "TDrawDotMouse"; }
    bool UsesPixelPerfect() const override { return true; }
    void ButtonDown(TPoint p) override;
    void MouseMove(TPoint p) override;

private:
    TPixelPerfect FPerfect;
    std::vector<TPoint> FPixels;  // of one move, kept to spare allocations
};

class TDrawLineMouse : public TDrawTool<TLineMouse, TInternalDraw> {
public:
    using TDrawTool::TDrawTool;
    std::string ClassName() const override { return "TDrawLineMouse"; }
};

class TDrawRectMouse : public TDrawTool<TRectMouse, TInternalDraw> {
public:
    using TDrawTool::TDrawTool;
    std::string ClassName() const override { return "TDrawRectMouse"; }
};

class TFillRectMouse : public TDrawTool<TRectMouse, TInternalFill> {
public:
    using TDrawTool::TDrawTool;
    std::string ClassName() const override { return "TFillRectMouse"; }
};

class TDrawEllipseMouse : public TDrawTool<TEllipseMouse, TInternalDraw> {
public:
    using TDrawTool::TDrawTool;
    std::string ClassName() const override { return "TDrawEllipseMouse"; }
};

class TFillEllipseMouse : public TDrawTool<TEllipseMouse, TInternalFill> {
public:
    using TDrawTool::TDrawTool;
    std::string ClassName() const override { return "TFillEllipseMouse"; }
};

class TDrawBezierMouse : public TDrawTool<TBezierMouse, TInternalDraw> {
public:
    using TDrawTool::TDrawTool;
    std::string ClassName() const override { return "TDrawBezierMouse"; }
};

// Sprays pen-width div 2 + 1 random dots in the pen's disc at each step.
class TDrawSprayMouse : public TDrawTool<TDotsDDAMouse, TInternalDraw> {
public:
    using TDrawTool::TDrawTool;
    std::string ClassName() const override { return "TDrawSprayMouse"; }
    bool UsesSprayInterval() const override { return true; }
    void ButtonDown(TPoint p) override;
    void AddPoint(int x, int y) override;
};

// The bucket: the 4-connected area of the clicked colour takes the stroke colour.
class TFillMouse : public TDrawTool<TDrawMouse, TInternalFill> {
public:
    using TDrawTool::TDrawTool;
    std::string ClassName() const override { return "TFillMouse"; }
    void ButtonDown(TPoint p) override;
};

// The inner border of the clicked colour's connected area takes the stroke colour.
class TDrawEdgeMouse : public TDrawTool<TDrawMouse, TInternalDraw> {
public:
    using TDrawTool::TDrawTool;
    std::string ClassName() const override { return "TDrawEdgeMouse"; }
    void ButtonDown(TPoint p) override;
};

}  // namespace pixmo
