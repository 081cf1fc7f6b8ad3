// The animation tool: the first frame dragged and clipped, the later ones a click each at the
// last frame's size, the hand-over when the tool ends, the image untouched. The limit of 99
// is tested with the window, which shows its message.
#include <gtest/gtest.h>

#include "tool_fixture.h"
#include "tools/animation_mouse.h"

namespace pixmo::test {
namespace {

struct TFakeAnimation : TAnimationHost {
    int Started = 0, Picked = 0, Ended = 0;
    TRectList Handed;
    void ToolStarted(TAnimationMouse&) override { ++Started; }
    void FramePicked() override { ++Picked; }
    void ToolEnded(const TRectList& frames) override {
        ++Ended;
        Handed.Assign(frames);
    }
    void ShowNotice(const TMessage&) override {}
};

struct TFrameHost : TFakeHost {
    TRect Mark;
    void ShowFrameRect(const TRect& r) override { Mark = r; }
};

struct TAnimationFixture : TToolFixture {
    TFakeAnimation Animation;
    TFrameHost FrameHost;
    // The tool talks to both hosts as it ends: it goes before they do.
    ~TAnimationFixture() { Tool.reset(); }
    TAnimationMouse& Start() {
        Factory.SetAnimationHost(&Animation);
        Tool = Factory.CreateTool(TToolItem::Animation, FrameHost);
        return static_cast<TAnimationMouse&>(*Tool);
    }
    void Click(TPoint p) {
        Tool->OnButtonDown(p);
        Tool->OnButtonUp(p);
    }
};

TEST(AnimationTool, DraggedFirstFrameThenClickedFramesOfItsSize) {
    TAnimationFixture f;
    f.Blank(20, 10, '3');
    const auto before = f.Grid();
    EXPECT_EQ(f.Factory.CreateTool(TToolItem::Animation, f.Host), nullptr);  // no window, no tool

    TAnimationMouse& tool = f.Start();
    EXPECT_EQ(f.Animation.Started, 1);
    EXPECT_EQ(f.Panels.LastMessage(), kMsgChooseFrames.Text);
    EXPECT_EQ(f.FrameHost.Registered[kCursorTool], "CR_TANIMATION");

    // Dragged from outside the image: clipped to it, the mark following the drag.
    f.Tool->OnButtonDown({-3, -2});
    f.Tool->OnMove({3, 2});
    EXPECT_EQ(f.FrameHost.Mark, (TRect{0, 0, 4, 3}));
    f.Tool->OnMove({4, 2});
    f.Tool->OnButtonUp({4, 2});
    ASSERT_EQ(tool.Frames().Count(), 1);
    EXPECT_EQ(tool.Frames()[0], (TRect{0, 0, 5, 3}));
    EXPECT_FALSE(f.Tool->IsDragging());

    // Then a 5 x 3 rectangle centred on the pointer (2 left, 1 up), kept inside the image.
    f.Tool->OnMove({10, 5});
    EXPECT_EQ(f.FrameHost.Mark, (TRect{8, 4, 13, 7}));
    f.Tool->OnMove({19, 9});
    EXPECT_EQ(f.FrameHost.Mark, (TRect{15, 7, 20, 10}));
    f.Click({10, 5});
    f.Click({19, 9});
    f.Tool->DoubleClick({0, 0});  // a quick second click
    ASSERT_EQ(tool.Frames().Count(), 4);
    EXPECT_EQ(tool.Frames()[1], (TRect{8, 4, 13, 7}));
    EXPECT_EQ(tool.Frames()[2], (TRect{15, 7, 20, 10}));
    EXPECT_EQ(tool.Frames()[3], (TRect{0, 0, 5, 3}));
    EXPECT_EQ(f.Animation.Picked, 4);
    EXPECT_EQ(f.Grid(), before);
    EXPECT_EQ(f.Steps(), 0);

    // Ending the tool hands the frames over and takes the mark away.
    f.Tool.reset();
    EXPECT_EQ(f.Animation.Ended, 1);
    ASSERT_EQ(f.Animation.Handed.Count(), 4);
    EXPECT_EQ(f.Animation.Handed[2], (TRect{15, 7, 20, 10}));
    EXPECT_TRUE(f.FrameHost.Mark.IsEmpty());
}

// The square key makes the first frame square, as a rectangle selection would be.
TEST(AnimationTool, SquareKeyOnTheFirstFrame) {
    TAnimationFixture f;
    f.Blank(30, 30);
    f.Options.Shift.Square = kShiftKey;
    TAnimationMouse& tool = f.Start();
    f.Tool->OnButtonDown({2, 2});
    f.Tool->ShiftChanged(kShiftKey, false);
    f.Tool->OnMove({4, 8});
    f.Tool->OnButtonUp({4, 8});
    ASSERT_EQ(tool.Frames().Count(), 1);
    EXPECT_EQ(tool.Frames()[0], (TRect{2, 2, 9, 9}));
}

}  // namespace
}  // namespace pixmo::test
