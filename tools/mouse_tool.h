#pragma once
// What the edit client knows of a mouse tool, and what a tool sees of the client. The client
// owns one current tool and at most one temporary tool and drives both only through
// TMouseTool; the tool classes implement it. No toolkit types here: points are image pixels.
#include <memory>
#include <string>

#include "edit/notice.h"
#include "image/geometry.h"

namespace pixmo {

class TDibCanvas;

// Shift byte: 1 Shift, 2 Alt, 4 Ctrl.
inline constexpr int kShiftKey = 1;
inline constexpr int kAltKey = 2;
inline constexpr int kCtrlKey = 4;

// Cursor ids a tool may ask for.
inline constexpr int kCursorArrow = -2;
inline constexpr int kCursorHourGlass = -11;
inline constexpr int kCursorHand = -21;
inline constexpr int kCursorMove = 100;
inline constexpr int kCursorTool = 105;
inline constexpr int kCursorGetColor = 106;

// The Mouse menu's tool items.
enum class TToolItem {
    None,
    DrawDot,
    DrawLine,
    DrawRect,
    FillRect,
    DrawEllipse,
    FillEllipse,
    Fill,
    DrawEdge,
    DrawSpray,
    DrawBezier,
    SelectRect,
    SelectRegion,
    SelectEllipse,
    SelectPoly,
    SelectParallelogram,
    SelectColors,
    SelectBorder,
    SelectSurface,
    Animation,
};

// The temporary tools the client puts in front of the current one for a single drag.
enum class TTempToolKind { Scroll, GetColor1, Move, Duplicate };

// The client as a tool sees it.
class TToolHost {
public:
    virtual ~TToolHost() = default;
    virtual void SetCursorId(int id) = 0;
    virtual int CursorId() const = 0;
    // Scrolls the view by image pixels.
    virtual void ScrollBy(int dx, int dy) = 0;
    // True while the drag in progress was begun with the right button.
    virtual bool RightButtonDrag() const = 0;
    // The left button is held at this moment (free-hand parts of multi-click tools).
    virtual bool LeftButtonHeld() const { return false; }
    // Ends the drag the host is tracking, as if the button were released.
    virtual void ReleasePointer() {}
    // The cursor picture by resource name ("CR_TDRAWDOT") becomes cursor id; "" forgets it.
    virtual void RegisterCursor(int /*id*/, const std::string& /*resourceName*/) {}
    // Marks an image rectangle on screen without touching the image (the animation tool's
    // frame); an empty rectangle takes the mark away.
    virtual void ShowFrameRect(const TRect& /*rect*/) {}
};

class TMouseTool {
public:
    virtual ~TMouseTool() = default;

    // Button pressed, released, pointer moved to a new image pixel.
    virtual void OnButtonDown(TPoint p) = 0;
    virtual void OnButtonUp(TPoint p) = 0;
    virtual void OnMove(TPoint p) = 0;
    virtual void DoubleClick(TPoint p) = 0;
    // Cancel a gesture in progress and put the image back as it was at its start.
    virtual void Abort() = 0;
    // True between the start of a gesture and its end.
    virtual bool IsDragging() const = 0;
    // The modifier keys changed (shift byte); handled says whether the key event was taken
    // elsewhere already.
    virtual void ShiftChanged(int shift, bool handled) = 0;
    // A broadcast notice reached the tool (after every window).
    virtual void Notify(TNotice notice) = 0;
    // Sets the client's cursor through the host.
    virtual void UpdateCursor() = 0;
    // The surface to show while the tool works (its own copy during feedback, or the
    // image's); null for the image's own.
    virtual TDibCanvas* GetCanvas() = 0;
    // True when a right click on the idle tool shows a pop-up menu of its own.
    virtual bool HasPopupMenu() const { return false; }

    // What the tool uses, so that windows ask instead of knowing the tool classes.
    // Draws with the pen: the transparency, the right button's mode, the inks and the
    // mirror images apply.
    virtual bool DrawsWithPen() const { return false; }
    // A free-hand stroke whose one-pixel corners "Pixel perfetto" takes out.
    virtual bool UsesPixelPerfect() const { return false; }
    // Reads the spray spacing at each press.
    virtual bool UsesSprayInterval() const { return false; }
    // Two-point shape: the square and from-centre options apply.
    virtual bool UsesShapeOptions() const { return false; }
    // Selects the surface by a colour tolerance.
    virtual bool UsesTolerance() const { return false; }
    // Selects colours, inside the visible area only when that option is on.
    virtual bool UsesVisibleAreaOption() const { return false; }
};

// Creates the tool classes. The client asks it on every tool choice and for temporary
// tools; an answer of null leaves no tool.
class TToolFactory {
public:
    virtual ~TToolFactory() = default;
    virtual std::unique_ptr<TMouseTool> CreateTool(TToolItem item, TToolHost& host) = 0;
    virtual std::unique_ptr<TMouseTool> CreateTempTool(TTempToolKind kind, TToolHost& host) = 0;
};

// A tool that does nothing, for the client before the tool classes are installed.
class TIdleMouse : public TMouseTool {
public:
    void OnButtonDown(TPoint) override {}
    void OnButtonUp(TPoint) override {}
    void OnMove(TPoint) override {}
    void DoubleClick(TPoint) override {}
    void Abort() override {}
    bool IsDragging() const override { return false; }
    void ShiftChanged(int, bool) override {}
    void Notify(TNotice) override {}
    void UpdateCursor() override {}
    TDibCanvas* GetCanvas() override { return nullptr; }
};

}  // namespace pixmo
