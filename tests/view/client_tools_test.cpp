// Mouse routing of the edit client: the drag protocol, the current and the temporary tool.
#include <gtest/gtest.h>

#include <QKeyEvent>

#include "client_fixture.h"

namespace pixmo::test {
namespace {

using Log = std::vector<std::string>;

TEST(ClientTools, SelectToolAndNotifications) {
    TClientFixture f;
    int changes = 0;
    QObject::connect(&f.Client, &TPaintClient::toolChanged, [&] { ++changes; });
    f.Client.SelectTool(TToolItem::DrawRect);
    EXPECT_EQ(f.Client.ToolItem(), TToolItem::DrawRect);
    EXPECT_EQ(changes, 1);
    // Without an image nothing reaches the tools.
    f.Client.NotifyTools(TNotice::Color1Changed);
    EXPECT_TRUE(f.Factory.Log.empty());
    f.Install(10, 10);
    f.Client.NotifyTools(TNotice::Color1Changed);
    EXPECT_EQ(f.Factory.Log, (Log{"tool notify 1250"}));

    // An item without a tool leaves none; the last real tool comes back on RestoreTool.
    f.Client.SelectTool(TToolItem::Animation);
    EXPECT_EQ(f.Client.Tool(), nullptr);
    EXPECT_EQ(f.Client.LastToolItem(), TToolItem::DrawRect);
    f.Client.RestoreTool();
    EXPECT_EQ(f.Client.ToolItem(), TToolItem::DrawRect);
    EXPECT_NE(f.Client.Tool(), nullptr);
    EXPECT_EQ(changes, 2);
}

TEST(ClientTools, LeftDragGoesToTheCurrentTool) {
    TClientFixture f;
    f.Install(100, 100);
    f.Client.SetZoom(2);
    f.Client.SelectTool(TToolItem::DrawLine);
    f.Press(Qt::LeftButton, {10, 10});
    EXPECT_TRUE(f.Client.LeftDragging());
    EXPECT_TRUE(f.Client.IsBusy());
    f.Move({20, 11});
    f.Release(Qt::LeftButton, {20, 11});
    f.Release(Qt::LeftButton, {30, 11});  // not dragging any more: ignored
    EXPECT_FALSE(f.Client.LeftDragging());
    EXPECT_EQ(f.Factory.Log, (Log{"tool down 5,5", "tool move 10,5", "tool up 10,5", "tool shift 0"}));

    // No image: presses are not passed on.
    TClientFixture empty;
    empty.Client.SelectTool(TToolItem::DrawLine);
    empty.Press(Qt::LeftButton, {1, 1});
    empty.Release(Qt::LeftButton, {1, 1});
    EXPECT_EQ(empty.Factory.Without("tool shift"), Log{});
}

TEST(ClientTools, RightPressDuringLeftDragCancels) {
    TClientFixture f;
    f.Install(50, 50);
    f.Client.SelectTool(TToolItem::DrawRect);
    f.Press(Qt::LeftButton, {3, 3});
    f.Press(Qt::RightButton, {4, 4});
    EXPECT_FALSE(f.Client.LeftDragging());
    EXPECT_FALSE(f.Client.RightDragging());
    f.Release(Qt::RightButton, {4, 4});
    f.Release(Qt::LeftButton, {4, 4});
    EXPECT_EQ(f.Factory.Without("tool shift"), (Log{"tool down 3,3", "tool abort"}));
}

TEST(ClientTools, RightDragPicksColourWithATemporaryTool) {
    TClientFixture f;
    f.Install(50, 50);
    f.Client.SelectTool(TToolItem::DrawDot);
    f.Press(Qt::RightButton, {7, 8});
    ASSERT_NE(f.Client.TempTool(), nullptr);
    EXPECT_TRUE(f.Client.RightButtonDrag());
    f.Move({9, 8});
    f.Release(Qt::RightButton, {9, 8});
    EXPECT_EQ(f.Client.TempTool(), nullptr);
    EXPECT_EQ(f.Factory.Without("tool shift"),
              (Log{"getcolor down 7,8", "getcolor move 9,8", "getcolor up 9,8", "getcolor freed"}));

    // With right-button drawing the current tool gets the drag.
    f.Factory.Log.clear();
    f.Client.SetRightButtonDraws(true);
    f.Press(Qt::RightButton, {1, 1});
    f.Release(Qt::RightButton, {1, 1});
    EXPECT_EQ(f.Factory.Without("tool shift"), (Log{"tool down 1,1", "tool up 1,1"}));

    // A tool with a pop-up menu of its own shows it instead of starting a drag.
    f.Factory.Log.clear();
    f.Factory.LastTool->Popup = true;
    int popups = 0;
    QObject::connect(&f.Client, &TPaintClient::toolPopupRequested, [&](QPoint) { ++popups; });
    f.Press(Qt::RightButton, {1, 1});
    EXPECT_EQ(popups, 1);
    EXPECT_FALSE(f.Client.RightDragging());
    EXPECT_TRUE(f.Factory.Log.empty());
}

TEST(ClientTools, ScrollKeyWithRightButtonScrolls) {
    TClientFixture f;
    f.Install(50, 50);
    f.Client.SelectTool(TToolItem::DrawDot);
    f.Press(Qt::RightButton, {2, 2}, Qt::AltModifier);
    ASSERT_NE(f.Client.TempTool(), nullptr);
    f.Release(Qt::RightButton, {2, 2});
    EXPECT_EQ(f.Factory.Without("tool shift"), (Log{"scroll down 2,2", "scroll up 2,2", "scroll freed"}));

    // Another modifier without a temporary tool starts no drag.
    f.Factory.Log.clear();
    f.Press(Qt::RightButton, {2, 2}, Qt::ShiftModifier);
    EXPECT_FALSE(f.Client.RightDragging());
    EXPECT_TRUE(f.Factory.Log.empty());
}

TEST(ClientTools, MoveKeyPutsAMoveToolInFront) {
    TClientFixture f;
    f.Install(50, 50);
    f.Client.SelectTool(TToolItem::SelectRect);
    // Key events carry the modifiers from before the key; the event reports those after.
    QKeyEvent ctrl(QEvent::KeyPress, Qt::Key_Control, Qt::NoModifier);
    // Without a selection there is nothing to move.
    QApplication::sendEvent(&f.Client, &ctrl);
    EXPECT_EQ(f.Client.TempTool(), nullptr);

    f.Context.Selection().SelectAll();
    QApplication::sendEvent(&f.Client, &ctrl);
    ASSERT_NE(f.Client.TempTool(), nullptr);
    f.Press(Qt::LeftButton, {5, 5}, Qt::ControlModifier);
    QKeyEvent release(QEvent::KeyRelease, Qt::Key_Control, Qt::ControlModifier);
    QApplication::sendEvent(&f.Client, &release);  // still dragging: it stays
    ASSERT_NE(f.Client.TempTool(), nullptr);
    f.Release(Qt::LeftButton, {6, 5});
    EXPECT_EQ(f.Client.TempTool(), nullptr);
    const Log log = f.Factory.Without("tool shift");
    EXPECT_EQ(log, (Log{"move down 5,5", "move shift 0", "move up 6,5", "move freed"}));

    // Ctrl+Alt is the duplicate key.
    QApplication::sendEvent(&f.Client, &ctrl);
    QKeyEvent alt(QEvent::KeyPress, Qt::Key_Alt, Qt::ControlModifier);
    QApplication::sendEvent(&f.Client, &alt);
    ASSERT_NE(f.Client.TempTool(), nullptr);
    f.Factory.Log.clear();
    QKeyEvent ctrlUp(QEvent::KeyRelease, Qt::Key_Control, Qt::ControlModifier | Qt::AltModifier);
    QApplication::sendEvent(&f.Client, &ctrlUp);
    EXPECT_EQ(f.Client.TempTool(), nullptr);
    EXPECT_EQ(f.Factory.Log, (Log{"duplicate freed", "tool shift 2"}));
}

TEST(ClientTools, DoubleClicksAndFailingTools) {
    TClientFixture f;
    f.Install(50, 50);
    f.Client.SelectTool(TToolItem::SelectPoly);
    f.Press(Qt::LeftButton, {1, 1});
    f.Release(Qt::LeftButton, {1, 1});
    f.Mouse(QEvent::MouseButtonDblClick, Qt::LeftButton, {1, 1});
    f.Release(Qt::LeftButton, {1, 1});
    EXPECT_EQ(f.Factory.Without("tool shift"), (Log{"tool down 1,1", "tool up 1,1", "tool dbl 1,1"}));

    // An error inside a tool is dropped; the drag protocol goes on.
    f.Factory.Log.clear();
    f.Factory.LastTool->ThrowOnDown = true;
    EXPECT_NO_THROW(f.Press(Qt::LeftButton, {2, 2}));
    EXPECT_TRUE(f.Client.LeftDragging());
    f.Client.EndDrag();
    EXPECT_FALSE(f.Client.LeftDragging());
    EXPECT_EQ(f.Factory.Without("tool shift"), (Log{"tool down 2,2", "tool up " + [&] {
                                                    const TPoint p = f.Client.ClientToImage(f.Client.CursorPos());
                                                    return std::to_string(p.X) + "," + std::to_string(p.Y);
                                                }()}));
}

TEST(ClientTools, AbortToolStopsTheDraggingTool) {
    TClientFixture f;
    f.Install(50, 50);
    f.Client.SelectTool(TToolItem::DrawLine);
    f.Client.AbortTool();  // idle: nothing
    f.Press(Qt::LeftButton, {1, 1});
    f.Client.AbortTool();
    EXPECT_EQ(f.Factory.Without("tool shift"), (Log{"tool down 1,1", "tool abort"}));
    f.Release(Qt::LeftButton, {1, 1});
}

}  // namespace
}  // namespace pixmo::test
