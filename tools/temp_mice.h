#pragma once
// The temporary tools the client puts in front of the current one for a single drag:
// scrolling, picking the primary colour, moving and duplicating the selection. Each gives
// the client its cursor back when freed.
#include <memory>

#include "edit/undo.h"
#include "tools/mouse.h"

namespace pixmo {


class TTempMouse : public TMouse {
public:
    TTempMouse(TToolEnvironment& env, TToolHost& host);
    ~TTempMouse() override;
    std::string ClassName() const override { return "TTempMouse"; }
    int SavedCursor;
};

class TScrollMouse : public TTempMouse {
public:
    using TTempMouse::TTempMouse;
    std::string ClassName() const override { return "TScrollMouse"; }
    TPoint Start;
    void ButtonDown(TPoint p) override;
    void MouseMove(TPoint p) override;
    void ButtonUp(TPoint) override { Finish(); }
    void UpdateCursor() override { Host.SetCursorId(kCursorHand); }
};

class TGetColor1Mouse : public TTempMouse {
public:
    using TTempMouse::TTempMouse;
    std::string ClassName() const override { return "TGetColor1Mouse"; }
    int SavedColour = 0;
    void ButtonDown(TPoint p) override;
    void MouseMove(TPoint p) override;
    void ButtonUp(TPoint) override { Finish(); }
    void Abort() override;
    void UpdateCursor() override { Host.SetCursorId(kCursorGetColor); }
};

class TMoveMouse : public TTempMouse {
public:
    using TTempMouse::TTempMouse;
    ~TMoveMouse() override;
    std::string ClassName() const override { return "TMoveMouse"; }

    TPoint Offset;
    std::unique_ptr<TUndoObject> Pending;
    int Constrain = 0;

    std::unique_ptr<TInternalMouse> CreateInternal() override;
    void ButtonDown(TPoint p) override;
    void MouseMove(TPoint p) override;
    void ButtonUp(TPoint p) override;
    void Abort() override;
    void ShiftChanged(int shift, bool handled) override;
    void UpdateCursor() override { Host.SetCursorId(kCursorMove); }
    // Prepares the undo step and the background for the drag.
    virtual void StartMove();
};

class TDuplicateMouse : public TMoveMouse {
public:
    using TMoveMouse::TMoveMouse;
    std::string ClassName() const override { return "TDuplicateMouse"; }
    void StartMove() override;
};

}  // namespace pixmo
