#pragma once
// TAnimationMouse: picks the frames of the animation window on the image. The first frame is
// dragged out like a rectangle selection (square, from centre and grid snapping apply); after
// it the tool carries a rectangle of the last frame's size centred on the pointer, and each
// click adds that one. Ending the tool hands the frames to the animation window.
#include <string>

#include "settings/rect_list.h"
#include "tools/shape_mice.h"

namespace pixmo {

class TAnimationMouse;

inline constexpr int kMaxAnimationFrames = 99;
inline constexpr TSourceText kMsgChooseFrames =
    PIXMO_MSG("pixmo::Core", "キャラの位置と大きさをメインウィンドウで選んでください");
inline constexpr TSourceText kMsgTooManyFrames = PIXMO_MSG("pixmo::Core", "これ以上は追加できません。");

// The animation window as its tool sees it.
class TAnimationHost {
public:
    virtual ~TAnimationHost() = default;
    // The tool began: the window shows with SBSelect down. `tool` lives until ToolEnded.
    virtual void ToolStarted(TAnimationMouse& tool) = 0;
    // A frame was added to the tool's list.
    virtual void FramePicked() = 0;
    // The tool ends and hands over what it picked.
    virtual void ToolEnded(const TRectList& frames) = 0;
    // A message for the user (too many frames); no error.
    virtual void ShowNotice(const TMessage& message) = 0;
};

class TAnimationMouse : public TRectMouse {
public:
    TAnimationMouse(TToolEnvironment& env, TToolHost& host, TAnimationHost& animation);
    // Hands the frames over, unless the window went first.
    ~TAnimationMouse() override;
    std::string ClassName() const override { return "TAnimationMouse"; }

    // Shows the prompt and tells the window; the factory calls it once the tool is built.
    void Start();
    // The window is going away: nothing more is told to it.
    void DetachHost() { FAnimation = nullptr; }
    const TRectList& Frames() const { return FFrames; }
    // Adds a frame, or shows the limit's message when there are kMaxAnimationFrames already.
    bool AddFrame(const TRect& frame);
    // A rectangle of the last frame's size centred on p, moved inside the image.
    TRect FrameAt(TPoint p) const;

    void ButtonDown(TPoint p) override;
    void MouseMove(TPoint p) override;
    void ButtonUp(TPoint p) override;
    // The second click of a quick pair counts as a click of its own.
    void DoubleClick(TPoint p) override;
    void Abort() override;
    void UpdateCursor() override;
    std::unique_ptr<TInternalMouse> CreateInternal() override;
    void Notify(TNotice notice) override;
    // Feedback is the client's frame mark; nothing is drawn into the image.
    TRect ShapeArea(const TRect&) override { return TRect{}; }
    void DrawFeedback(TPoint a, TPoint b) override;

private:
    TAnimationHost* FAnimation;
    TRectList FFrames;
};

}  // namespace pixmo
