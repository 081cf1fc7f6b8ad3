#pragma once
// TMouse: the base of every pointer tool. It interprets a gesture (points, phases,
// constraint keys) and leaves what happens to the image to its internal object, which it
// creates through CreateInternal and owns. The client drives it through TMouseTool.
#include <memory>
#include <string>

#include "image/errors.h"
#include "tools/internal_mouse.h"
#include "tools/mouse_tool.h"
#include "tools/tool_environment.h"

namespace pixmo {

class TDib;
class TMaskDib;

// Left/top the smaller coordinates, right/bottom the larger plus one.
TRect PointsRect(TPoint a, TPoint b);
inline TRect PixelRect(TPoint p) { return TRect{p.X, p.Y, p.X + 1, p.Y + 1}; }
// Grows r to include p's pixel (an empty r becomes that pixel).
TRect IncludePoint(const TRect& r, TPoint p);
// The area a pen of width w covers when it draws the outline of r: w div 2 on every side,
// one less at right and bottom for an even width. `general` (lines, polygons, curves,
// dots) adds one more on every side for very wide pens.
TRect PenArea(const TRect& r, int w, bool general = false);
// Degrees from p1 to p2, y downwards: 0 to the right, 90 down, 270 up.
double StatusAngle(TPoint p1, TPoint p2);
// "(x1,y1)-(x2,y2) Lar:w Alt:h Ang:a° (a-360°) " as the status of a two-point drag.
TMessage ShapeStatusText(TPoint p1, TPoint p2);

class TMouse : public TMouseTool {
public:
    TMouse(TToolEnvironment& env, TToolHost& host);
    ~TMouse() override;

    // Builds a tool: construction, then its internal object and cursor.
    template <class T, class... A>
    static std::unique_ptr<T> Make(A&&... args) {
        auto tool = std::make_unique<T>(std::forward<A>(args)...);
        tool->Init();
        return tool;
    }
    void Init();

    TToolEnvironment& Env;
    TToolHost& Host;
    std::unique_ptr<TInternalMouse> Internal;
    bool Dragging = false;
    TRect Bounds;   // the shape's area so far
    TRect Painted;  // what the last feedback touched

    // The tool's cursor picture ("CR_TDRAWDOT"), from its row of the tool table; set before
    // Init, which registers it. Empty: no picture of its own.
    std::string CursorName;
    // The class's name, for messages ("TDrawDotMouse").
    virtual std::string ClassName() const { return "TMouse"; }

    // --- the gesture ---
    virtual void Prepare();
    virtual void BeginDrag();
    virtual void ButtonDown(TPoint) {}
    virtual void MouseMove(TPoint) {}
    virtual void ButtonUp(TPoint) {}
    virtual void UpdateRect(const TRect& r);
    // r clipped to the image is put back from the backup and shown at once.
    virtual void RestoreRect(const TRect& r);
    // Draws the finished shape on a canvas (a selection tool renders into a mask).
    virtual void DrawShape(TDibCanvas&) {}
    void DrawToMask(TDib& image);
    virtual void CancelRect(const TRect& r);
    virtual std::unique_ptr<TInternalMouse> CreateInternal();
    virtual void Commit(const TRect& r);
    virtual void Finish();

    // --- TMouseTool ---
    void OnButtonDown(TPoint p) final;
    void OnButtonUp(TPoint p) final;
    void OnMove(TPoint p) final;
    void DoubleClick(TPoint) override {}
    void Abort() override;
    bool IsDragging() const final { return Dragging; }
    void ShiftChanged(int shift, bool handled) override;
    void Notify(TNotice notice) override;
    void UpdateCursor() override;
    TDibCanvas* GetCanvas() override;
    bool HasPopupMenu() const override { return Internal && Internal->HasMenu; }
    bool DrawsWithPen() const override { return Internal && Internal->DrawsWithPen(); }

    // --- what tools read ---
    TDib* Image() const;
    TDibCanvas* DrawCanvas() const { return Internal ? Internal->DrawCanvas() : nullptr; }
    int PenWidth() const;
    bool LeftButtonHeld() const;
    void ShowStatus(const TMessage& message) const;
    // The shape defaults: 1 square, 2 from centre, 4 snap to the grid.
    int DefaultConstrain() const;
    // True when the modifier role (a shift byte) is non-zero and all its keys are held.
    static bool RoleHeld(int shift, int role) { return role != 0 && (shift & role) == role; }
};

}  // namespace pixmo
