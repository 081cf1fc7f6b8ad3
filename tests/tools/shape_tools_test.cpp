// The gestures: constraints, one-pixel shapes, end pixels, the polygon's vertex limit, the
// curve's four points, aborting, and the status line.
#include <gtest/gtest.h>

#include "tool_fixture.h"
#include "tools/draw_tools.h"
#include "tools/internal_draw.h"
#include "tools/shape_mice.h"

namespace pixmo::test {
namespace {

using Grid = std::vector<std::string>;

TEST(ShapeTools, SquareAndCentreFromTenTenToThirteenTwenty) {
    TToolFixture f;
    f.Blank(24, 24);
    f.Context.SetColor1Index(1);
    auto& rect = static_cast<TDrawRectMouse&>(f.Use(TToolItem::DrawRect));
    f.Tool->ShiftChanged(kShiftKey, false);  // Square
    f.Drag({{10, 10}, {13, 20}});
    EXPECT_EQ(rect.P1, (TPoint{10, 10}));
    EXPECT_EQ(rect.P2, (TPoint{20, 20}));
    const Grid g = f.Grid();
    EXPECT_EQ(g[10].substr(10, 11), "###########");
    EXPECT_EQ(g[20].substr(10, 11), "###########");
    EXPECT_EQ(g[15][20], '#');
    EXPECT_EQ(g[21][10], '.');

    // Shift and Alt: the anchor becomes the centre, the first corner (0,0).
    f.Tool->ShiftChanged(kShiftKey | kAltKey, false);
    f.Drag({{10, 10}, {13, 20}});
    EXPECT_EQ(rect.P1, (TPoint{0, 0}));
    EXPECT_EQ(rect.P2, (TPoint{20, 20}));
    EXPECT_EQ(f.Grid()[0].substr(0, 21), std::string(21, '#'));

    // The option window's defaults apply without keys; a handled key event adds nothing.
    f.Settings.DefRectOpt = 1;
    f.Tool->ShiftChanged(kAltKey, true);
    EXPECT_EQ(rect.Constrain, 1);
    f.Tool->Notify(TNotice::ShapeOptions);
    EXPECT_EQ(rect.Constrain, 1);
}

TEST(ShapeTools, SnapToTheGridUnit) {
    TToolFixture f;
    f.Blank(30, 30);
    f.EditSize.Unit = TPoint{8, 8};
    f.Settings.DefRectOpt = 4;
    auto& rect = static_cast<TDrawRectMouse&>(f.Use(TToolItem::DrawRect));
    f.Drag({{3, 10}, {12, 12}});
    EXPECT_EQ(rect.P1, (TPoint{0, 8}));
    EXPECT_EQ(rect.P2, (TPoint{15, 15}));
}

TEST(ShapeTools, OnePixelShapesAndEndPixels) {
    TToolFixture f;
    f.Blank(8, 8);
    f.Context.SetColor1Index(1);
    f.Use(TToolItem::DrawRect);
    f.Drag({{1, 1}, {1, 4}});
    f.Use(TToolItem::DrawEllipse);
    f.Drag({{3, 2}, {6, 2}});
    f.Use(TToolItem::DrawLine);
    f.Drag({{0, 7}, {7, 7}});
    f.Use(TToolItem::DrawLine);
    f.Drag({{7, 0}, {7, 0}});  // a click is one pixel
    EXPECT_EQ(f.Grid(), (Grid{".......#",
                              ".#......",
                              ".#.####.",
                              ".#......",
                              ".#......",
                              "........",
                              "........",
                              "########"}));
    EXPECT_EQ(f.Steps(), 4);
}

TEST(ShapeTools, FilledRectangleOutlineIsOnePixelWhateverThePen) {
    TToolFixture f;
    f.Blank(10, 10);
    f.Settings.NPen1 = 5;  // width 10
    f.Context.SetColor1Index(2);
    f.Use(TToolItem::FillRect);
    f.Drag({{2, 2}, {5, 4}});
    EXPECT_EQ(f.Grid(), (Grid{"..........", "..........", "..2222....", "..2222....", "..2222....",
                              "..........", "..........", "..........", "..........", ".........."}));
}

TEST(ShapeTools, AbortRestoresTheImageExactly) {
    TToolFixture f;
    const Grid before{"0123456789", "9876543210", "0123456789", "9876543210", "0123456789",
                      "9876543210", "0123456789", "9876543210", "0123456789", "9876543210"};
    f.Install(before);
    const Grid original = f.Grid();
    f.Context.SetColor1Index(15);
    f.Settings.NPen1 = 3;  // width 4
    for (TToolItem item : {TToolItem::DrawDot, TToolItem::DrawRect, TToolItem::FillEllipse, TToolItem::DrawLine,
                           TToolItem::DrawSpray, TToolItem::DrawBezier}) {
        f.Use(item);
        f.Tool->OnButtonDown({2, 2});
        f.Tool->OnMove({7, 8});
        f.Tool->OnMove({9, 1});
        EXPECT_NE(f.Grid(), original) << static_cast<int>(item);
        f.Tool->Abort();
        EXPECT_FALSE(f.Tool->IsDragging());
        EXPECT_EQ(f.Grid(), original) << static_cast<int>(item);
    }
    // Freeing a tool in the middle of a drag aborts it too.
    f.Use(TToolItem::DrawDot);
    f.Tool->OnButtonDown({5, 5});
    f.Tool.reset();
    EXPECT_EQ(f.Grid(), original);
    EXPECT_EQ(f.Steps(), 0);
}

TEST(ShapeTools, BezierIsCommittedAtTheSecondRelease) {
    TToolFixture f;
    f.Blank(12, 12);
    f.Context.SetColor1Index(1);
    auto& curve = static_cast<TDrawBezierMouse&>(f.Use(TToolItem::DrawBezier));
    f.Tool->OnButtonDown({0, 0});
    f.Tool->OnMove({5, 0});
    f.Tool->OnButtonUp({5, 0});
    EXPECT_TRUE(f.Tool->IsDragging());
    f.Tool->OnMove({6, 6});
    f.Tool->OnButtonDown({6, 6});
    f.Tool->OnMove({11, 11});
    EXPECT_EQ(f.Steps(), 0);
    EXPECT_EQ(curve.Count, 3);
    EXPECT_EQ(curve.Points[3], (TPoint{11, 11}));
    f.Tool->OnButtonUp({11, 11});
    EXPECT_FALSE(f.Tool->IsDragging());
    EXPECT_EQ(f.Steps(), 1);
    EXPECT_EQ(f.Grid()[0][0], '#');
    EXPECT_EQ(curve.Count, 0);
}

// A polygon that draws with the drawing tools' internal object.
class TTestPolyMouse : public TPolyMouse {
public:
    using TPolyMouse::TPolyMouse;
    std::unique_ptr<TInternalMouse> CreateInternal() override { return std::make_unique<TInternalDraw>(*this); }
};

TEST(ShapeTools, TheNineThousandNineHundredNinetyEighthVertexCommits) {
    TToolFixture f;
    f.Blank(200, 60);
    f.Context.SetColor1Index(1);
    auto poly = TMouse::Make<TTestPolyMouse>(f.Env, f.Host);
    for (int i = 0; i < 9997; ++i) poly->OnButtonDown({i % 200, (i / 200) % 50});
    EXPECT_TRUE(poly->IsDragging());
    EXPECT_EQ(poly->Count, 9997);
    EXPECT_EQ(f.Steps(), 0);
    poly->OnButtonDown({5, 55});
    EXPECT_FALSE(poly->IsDragging());
    EXPECT_EQ(poly->Count, 0);
    EXPECT_EQ(f.Steps(), 1);
    EXPECT_EQ(f.Panels.Messages.back(), kMsgTooManyVertices.Text);
    EXPECT_EQ(f.Host.Releases, 1);
}

TEST(ShapeTools, PolygonRubberBandAndFreeHand) {
    TToolFixture f;
    f.Blank(10, 5);
    f.Context.SetColor1Index(1);
    auto poly = TMouse::Make<TTestPolyMouse>(f.Env, f.Host);
    poly->OnButtonDown({0, 0});
    poly->OnButtonUp({0, 0});
    poly->OnMove({4, 4});  // rubber band only
    poly->OnMove({9, 0});
    EXPECT_EQ(poly->Count, 1);
    EXPECT_EQ(f.Grid()[4], "..........");
    EXPECT_EQ(f.Grid()[0], "##########");
    f.Host.LeftHeld = true;  // free-hand: every move is a vertex
    poly->OnMove({9, 2});
    EXPECT_EQ(poly->Count, 2);
    f.Host.LeftHeld = false;
    poly->DoubleClick({9, 2});
    EXPECT_EQ(f.Steps(), 1);
    EXPECT_EQ(f.Grid()[2][9], '#');
}

TEST(ShapeTools, StatusTextAndAngles) {
    EXPECT_DOUBLE_EQ(StatusAngle({0, 0}, {0, -3}), 270);
    EXPECT_DOUBLE_EQ(StatusAngle({0, 0}, {0, 3}), 90);
    EXPECT_DOUBLE_EQ(StatusAngle({0, 0}, {0, 0}), 0);
    EXPECT_DOUBLE_EQ(StatusAngle({0, 0}, {2, 2}), 45);
    EXPECT_DOUBLE_EQ(StatusAngle({0, 0}, {-2, 2}), 135);
    EXPECT_DOUBLE_EQ(StatusAngle({0, 0}, {-2, -2}), 225);
    EXPECT_DOUBLE_EQ(StatusAngle({0, 0}, {-2, 0}), 180);
    EXPECT_DOUBLE_EQ(StatusAngle({0, 0}, {2, -2}), 315);
    EXPECT_EQ(ShapeStatusText({1, 2}, {4, 2}).Text(),
              "(1,2)-(4,2) Lar:4 Alt:1 Ang:0.000000° (-360.000000°) ");

    TToolFixture f;
    f.Blank(10, 10);
    f.Use(TToolItem::DrawLine);
    f.Drag({{1, 1}, {3, 3}});
    EXPECT_EQ(f.Panels.LastMessage(), "(1,1)-(3,3) Lar:3 Alt:3 Ang:45.000000° (-315.000000°) ");
}

TEST(ShapeTools, PenAreaCoversWhatTheWidePenDraws) {
    // Every pixel a wide line sets lies inside its covered area, for odd and even widths.
    for (int width : {1, 2, 3, 4, 7, 10, 61, 62}) {
        TToolFixture f;
        f.Blank(200, 200);
        f.Context.SetColor1Index(1);
        f.Settings.PenWidths[0] = width;
        auto& line = static_cast<TDrawLineMouse&>(f.Use(TToolItem::DrawLine));
        f.Drag({{90, 95}, {110, 103}});
        const TRect area = line.ShapeArea(line.Bounds);
        const Grid g = f.Grid();
        for (int y = 0; y < 200; ++y)
            for (int x = 0; x < 200; ++x)
                if (g[static_cast<size_t>(y)][static_cast<size_t>(x)] != '.') {
                    ASSERT_TRUE(area.Contains({x, y})) << "width " << width << " at " << x << "," << y;
                }
    }
}

}  // namespace
}  // namespace pixmo::test
