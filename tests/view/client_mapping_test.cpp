// Coordinate mapping, scrolling and zooming of the edit client.
#include <gtest/gtest.h>

#include <QCursor>
#include <QScrollBar>

#include "client_fixture.h"

namespace pixmo::test {
namespace {

TEST(ClientMapping, TruncatesTowardZeroLeftOfTheControl) {
    TClientFixture f;
    f.Install(400, 400);
    f.Client.SetZoom(8);
    f.Client.Scroller().SetPosition(5, 7);
    ASSERT_EQ(f.Client.Scroller().GetPosition(), (TPoint{5, 7}));
    EXPECT_EQ(f.Client.ClientToImage({-1, -1}), (TPoint{5, 7}));
    EXPECT_EQ(f.Client.ClientToImage({-8, -9}), (TPoint{4, 6}));
    EXPECT_EQ(f.Client.ClientToImage({15, 16}), (TPoint{6, 9}));
    EXPECT_EQ(f.Client.ImageToClient({4, 9}), (TPoint{-8, 16}));
    // Packed positions carry signed 16-bit halves.
    EXPECT_EQ(f.Client.MessagePosToImage(0xFFF0FFFFu), (TPoint{5, 5}));

    // During a drag the pointer at x -1 stands over the same pixel as x 0: no new move.
    f.Client.SelectTool(TToolItem::DrawLine);
    f.Move({3, 3});
    f.Press(Qt::LeftButton, {3, 3});
    f.Move({-1, 3});
    f.Move({-9, 3});
    f.Release(Qt::LeftButton, {-9, 3});
    EXPECT_EQ(f.Factory.Log, (std::vector<std::string>{"tool move 5,7", "tool down 5,7", "tool move 4,7", "tool up 4,7",
                                                       "tool shift 0"}));
}

TEST(ClientMapping, FarImageRectanglesStayWithin16Bits) {
    TClientFixture f;
    f.Install(8000, 100);
    f.Client.SetZoom(40);
    const TRect r = f.Client.ImageRectToClient({7000, 0, 8000, 10});
    EXPECT_EQ(r, (TRect{32767, 0, 32767, 400}));
}

TEST(ClientMapping, OneMovePerImagePixelAtZoom40) {
    TClientFixture f;
    f.Install(50, 50);
    f.Client.SetZoom(40);
    f.Client.SelectTool(TToolItem::DrawDot);
    std::vector<QString> texts;
    QObject::connect(&f.Client, &TPaintClient::cursorTextChanged, [&](const QString& t) { texts.push_back(t); });
    for (int x = 0; x < 120; ++x) f.Move({x, 10});
    EXPECT_EQ(f.Factory.Log, (std::vector<std::string>{"tool move 0,0", "tool move 1,0", "tool move 2,0"}));
    EXPECT_EQ(texts, (std::vector<QString>{"0,0", "1,0", "2,0"}));
    // With the button down as well.
    f.Factory.Log.clear();
    f.Press(Qt::LeftButton, {5, 45});
    for (int y = 45; y < 85; ++y) f.Move({5, y});
    f.Release(Qt::LeftButton, {5, 84});
    EXPECT_EQ(f.Factory.Without("tool shift"),
              (std::vector<std::string>{"tool down 0,1", "tool move 0,1", "tool move 0,2", "tool up 0,2"}));
}

TEST(ClientScroller, PagesLimitsAndClamping) {
    TClientFixture f;
    f.Install(100, 50);
    TScroller& s = f.Client.Scroller();
    // At zoom 1 everything fits: page equals range, no bars.
    EXPECT_EQ(s.PageX(), 100);
    EXPECT_EQ(s.MaxPosX(), 0);
    EXPECT_FALSE(f.Client.horizontalScrollBar()->isVisible());
    EXPECT_FALSE(f.Client.verticalScrollBar()->isVisible());

    f.Client.SetZoom(8);
    QApplication::processEvents();
    EXPECT_EQ(s.PageX(), f.Client.ClientWidth() / 8);
    EXPECT_EQ(s.PageY(), std::min(50, f.Client.ClientHeight() / 8));
    EXPECT_EQ(s.MaxPosX(), 100 - s.PageX());
    EXPECT_EQ(s.MaxPosY(), std::max(0, 50 - s.PageY()));
    EXPECT_TRUE(f.Client.horizontalScrollBar()->isVisible());
    EXPECT_EQ(f.Client.horizontalScrollBar()->pageStep(), s.PageX());
    EXPECT_EQ(f.Client.horizontalScrollBar()->maximum(), s.MaxPosX());

    int scrolled = 0;
    QObject::connect(&f.Client, &TPaintClient::scrolled, [&] { ++scrolled; });
    s.SetPosition(1000, -5);
    EXPECT_EQ(s.GetPosition(), (TPoint{s.MaxPosX(), 0}));
    EXPECT_EQ(f.Client.horizontalScrollBar()->value(), s.MaxPosX());
    s.SetPosition(1000, -5);  // unchanged: not told again
    EXPECT_EQ(scrolled, 1);
    s.ScrollBy(-3, 0);
    EXPECT_EQ(s.PosX(), s.MaxPosX() - 3);
    // The bar moves the view.
    f.Client.horizontalScrollBar()->setValue(2);
    EXPECT_EQ(s.PosX(), 2);
    // Zooming out clamps the position to the new limit.
    f.Client.SetZoom(1);
    EXPECT_EQ(s.GetPosition(), (TPoint{0, 0}));

    s.SetVisible(false);
    f.Client.SetZoom(8);
    EXPECT_FALSE(f.Client.horizontalScrollBar()->isVisible());
    EXPECT_EQ(s.PageX(), 400 / 8);
}

TEST(ClientScroller, AutoScrollSteps) {
    // Inside: nothing; at or beyond an edge at least one pixel, one more per ten control
    // pixels further out, at most a page.
    EXPECT_EQ(TScroller::AutoScrollDelta(1, 100, 12), 0);
    EXPECT_EQ(TScroller::AutoScrollDelta(98, 100, 12), 0);
    EXPECT_EQ(TScroller::AutoScrollDelta(99, 100, 12), 1);
    EXPECT_EQ(TScroller::AutoScrollDelta(125, 100, 12), 2);
    EXPECT_EQ(TScroller::AutoScrollDelta(1000, 100, 12), 12);
    EXPECT_EQ(TScroller::AutoScrollDelta(0, 100, 12), -1);
    EXPECT_EQ(TScroller::AutoScrollDelta(-25, 100, 12), -2);
    EXPECT_EQ(TScroller::AutoScrollDelta(-1000, 100, 12), -12);
}

TEST(ClientScroller, DragAtTheEdgeScrollsAndTheToolFollows) {
    TClientFixture f;
    f.Install(300, 300);
    f.Client.SetZoom(8);
    QApplication::processEvents();  // the scroll bars settle
    f.Client.SelectTool(TToolItem::DrawLine);
    QCursor::setPos(f.View()->mapToGlobal(QPoint(10, 10)));
    f.Press(Qt::LeftButton, {10, 10});
    ASSERT_TRUE(f.Client.DragLoopActive());
    // Held 25 pixels beyond the right edge: two image pixels per step.
    const QPoint outside(f.Client.ClientWidth() + 25, 10);
    QCursor::setPos(f.View()->mapToGlobal(outside));
    if (f.Client.CursorPos() != (TPoint{outside.x(), outside.y()})) GTEST_SKIP() << "the platform cannot place the cursor";
    QTest::qWait(130);
    f.Release(Qt::LeftButton, outside);
    const int pos = f.Client.Scroller().PosX();
    EXPECT_GE(pos, 2);
    EXPECT_EQ(pos % 2, 0);
    EXPECT_EQ(f.Client.Scroller().PosY(), 0);
    // The tool saw the pointer's pixel after the last step, and the release there.
    const int x = (f.Client.ClientWidth() + 25) / 8 + pos;
    ASSERT_GE(f.Factory.Log.size(), 3u);
    EXPECT_EQ(f.Factory.Log[f.Factory.Log.size() - 2], "tool up " + std::to_string(x) + ",1");
    EXPECT_FALSE(f.Client.DragLoopActive());
    QTest::qWait(60);
    EXPECT_EQ(f.Client.Scroller().PosX(), pos);  // stopped with the release
}

TEST(ClientZoom, StepsLimitsAndOddZooms) {
    TClientFixture f;
    f.Install(64, 64);
    std::vector<int> zooms;
    QObject::connect(&f.Client, &TPaintClient::zoomChanged, [&](int z) { zooms.push_back(z); });
    EXPECT_FALSE(f.Client.ZoomOut());
    for (int i = 0; i < 9; ++i) EXPECT_TRUE(f.Client.ZoomIn());
    EXPECT_EQ(f.Client.Zoom(), 40);
    EXPECT_FALSE(f.Client.ZoomIn());
    EXPECT_TRUE(f.Client.ZoomOut());
    EXPECT_EQ(zooms, (std::vector<int>{2, 4, 8, 12, 16, 20, 24, 32, 40, 32}));

    f.Client.SetZoom(81);
    f.Client.SetZoom(0);
    EXPECT_EQ(f.Client.Zoom(), 32);
    f.Client.SetZoom(80);
    EXPECT_EQ(f.Client.Zoom(), 80);
    EXPECT_EQ(f.Client.Scroller().ZoomX(), 80);
    f.Client.SetZoom(3);
    EXPECT_FALSE(f.Client.ZoomIn());
    EXPECT_FALSE(f.Client.ZoomOut());
    EXPECT_EQ(f.Client.Zoom(), 3);
}

TEST(ClientZoom, KeyboardZoomKeepsThePixelUnderTheCursor) {
    TClientFixture f;
    f.Install(300, 300);
    QCursor::setPos(f.View()->mapToGlobal(QPoint(200, 120)));
    QApplication::processEvents();
    if (f.Client.CursorPos() != (TPoint{200, 120})) GTEST_SKIP() << "the platform cannot place the cursor";

    f.Client.SetZoom(8, true);
    EXPECT_EQ(f.Client.ClientToImage(f.Client.CursorPos()), (TPoint{200, 120}));
    EXPECT_EQ(f.Client.Scroller().GetPosition(), (TPoint{200 - 200 / 8, 120 - 120 / 8}));
    f.Client.ZoomIn(true);  // 12
    EXPECT_EQ(f.Client.ClientToImage(f.Client.CursorPos()), (TPoint{200, 120}));

    // A menu click keeps the position instead.
    const TPoint pos = f.Client.Scroller().GetPosition();
    f.Client.ZoomIn(false);
    EXPECT_EQ(f.Client.Scroller().GetPosition(), pos);
}

TEST(ClientImage, SetDibResetsTheView) {
    TClientFixture f;
    f.Install(500, 400);
    f.Client.SetZoom(8);
    f.Client.Scroller().SetPosition(300, 300);
    auto mask = TMaskDib::Create(500, 400);
    for (int y = 10; y < 20; ++y)
        for (int x = 10; x < 20; ++x) mask->SetPixel(x, y, 1);
    f.Context.Selection().Replace(*mask, {10, 10, 20, 20});
    f.Client.BuildOutline();
    ASSERT_TRUE(f.Client.Outline().IsBuilt());

    f.Context.SetDib(nullptr);
    EXPECT_TRUE(f.Client.Outline().IsBuilt());
    f.Install(60, 40);
    TScroller& s = f.Client.Scroller();
    EXPECT_EQ(s.RangeX(), 60);
    EXPECT_EQ(s.RangeY(), 40);
    EXPECT_EQ(s.GetPosition(), (TPoint{std::min(300, s.MaxPosX()), std::min(300, s.MaxPosY())}));
    EXPECT_TRUE(f.Context.Selection().IsEmpty());
    ASSERT_NE(f.Context.Selection().Mask(), nullptr);
    EXPECT_EQ(f.Context.Selection().Mask()->GetSize(), (TPoint{60, 40}));
    EXPECT_TRUE(f.Client.Outline().Rect().isEmpty());
    EXPECT_EQ(f.Client.VisibleImageRect(), (TRect{s.PosX(), s.PosY(), 60, 40}));

    f.Context.SetDibFile(TDib::Create(4, 4, 2), "/tmp/a.bmp");
    EXPECT_EQ(f.Panels.FileName, "/tmp/a.bmp");
    EXPECT_EQ(f.Context.FileName(), "/tmp/a.bmp");
    EXPECT_EQ(s.RangeX(), 4);
}

}  // namespace
}  // namespace pixmo::test
