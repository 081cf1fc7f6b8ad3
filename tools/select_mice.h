#pragma once
// The selection tools: the shape gestures (rectangle, ellipse, parallelogram, polygon,
// lasso) render their shape into a mask; the point tools (magic wand, border by the
// secondary colour, colour picker) compute one from the image. Each pairs with a
// TInternalSelect, which combines the mask with the selection by the modifier keys.
#include <array>

#include "tools/internal_select.h"
#include "tools/shape_mice.h"

namespace pixmo {

class TMaskDib;

// A gesture class of shape_mice.h made into a selection tool.
template <class Base>
class TSelectTool : public Base {
public:
    using Base::Base;
    std::unique_ptr<TInternalMouse> CreateInternal() override { return std::make_unique<TInternalSelect>(*this); }
    TInternalSelect& Select() const { return static_cast<TInternalSelect&>(*this->Internal); }

    // While a handed-over move runs the tool counts as dragging, so that the client is busy.
    ~TSelectTool() override {
        if (this->Internal && Select().MoveTool) {
            try {
                Abort();
            } catch (...) {
            }
        }
    }
    void ButtonUp(TPoint p) override {
        if (auto move = std::move(Select().MoveTool)) {
            this->Dragging = false;
            move->OnButtonUp(p);
            move.reset();
            this->UpdateCursor();
            return;
        }
        Base::ButtonUp(p);
    }
    void Abort() override {
        if (auto move = std::move(Select().MoveTool)) {
            this->Dragging = false;
            move->Abort();
            return;
        }
        Base::Abort();
    }
    void DoubleClick(TPoint p) override {
        if (!Select().MoveTool) Base::DoubleClick(p);
    }
    // A modifier that picks a composition mode is not also a shape constraint while idle.
    void ShiftChanged(int shift, bool handled) override {
        if (!this->Dragging && !Select().MoveTool) handled = Select().TakeShift(shift) || handled;
        Base::ShiftChanged(shift, handled);
    }
};

class TSelectRectMouse : public TSelectTool<TRectMouse> {
public:
    using TSelectTool::TSelectTool;
    std::string ClassName() const override { return "TSelectRectMouse"; }
};

class TSelectEllipseMouse : public TSelectTool<TEllipseMouse> {
public:
    using TSelectTool::TSelectTool;
    std::string ClassName() const override { return "TSelectEllipseMouse"; }
};

class TSelectParallelogramMouse : public TSelectTool<TParallelogramMouse> {
public:
    using TSelectTool::TSelectTool;
    std::string ClassName() const override { return "TSelectParallelogramMouse"; }
};

class TSelectPolyMouse : public TSelectTool<TPolyMouse> {
public:
    using TSelectTool::TSelectTool;
    std::string ClassName() const override { return "TSelectPolyMouse"; }
};

class TSelectRegionMouse : public TSelectTool<TRegionMouse> {
public:
    using TSelectTool::TSelectTool;
    std::string ClassName() const override { return "TSelectRegionMouse"; }
};

// A press picks, a drag tracks, the release commits the work mask over Bounds.
class TSelectMouse : public TSelectTool<TMouse> {
public:
    TSelectMouse(TToolEnvironment& env, TToolHost& host) : TSelectTool(env, host) {}
    std::string ClassName() const override { return "TSelectMouse"; }
    std::unique_ptr<TInternalMouse> CreateInternal() override;

    TPoint Seed;

    void ButtonDown(TPoint p) override;
    void MouseMove(TPoint p) override;
    void ButtonUp(TPoint p) override;
    virtual void Pick(TPoint) {}
    virtual void Track(TPoint) {}
    // The tool's mask over the whole image into m; sets Bounds to its set pixels.
    virtual void DrawToMask(TMaskDib&) {}

protected:
    TMaskDib& WorkMask() { return Select().WorkMask(); }
};

// The magic wand: the 4-connected area around Seed of colours within "SelectLimit".
class TSelectSurfaceMouse : public TSelectMouse {
public:
    using TSelectMouse::TSelectMouse;
    std::string ClassName() const override { return "TSelectSurfaceMouse"; }
    bool UsesTolerance() const override { return true; }
    void Pick(TPoint) override;
    void DrawToMask(TMaskDib& m) override;
};

// The area around Seed enclosed by pixels of the secondary colour, without them.
class TSelectBorderMouse : public TSelectSurfaceMouse {
public:
    using TSelectSurfaceMouse::TSelectSurfaceMouse;
    std::string ClassName() const override { return "TSelectBorderMouse"; }
    // Bounded by the secondary colour, not by a tolerance.
    bool UsesTolerance() const override { return false; }
    void DrawToMask(TMaskDib& m) override;
};

// Every pixel of every colour the drag passed over, in the whole image or, with
// "SelectInSight", in its visible part.
class TSelectColorsMouse : public TSelectMouse {
public:
    using TSelectMouse::TSelectMouse;
    std::string ClassName() const override { return "TSelectColorsMouse"; }
    bool UsesVisibleAreaOption() const override { return true; }

    std::array<bool, 256> Chosen{};

    void Pick(TPoint p) override;
    void Track(TPoint p) override;
    void ButtonUp(TPoint p) override;
    void DrawToMask(TMaskDib& m) override;

private:
    void Choose(TPoint p);
};

}  // namespace pixmo
