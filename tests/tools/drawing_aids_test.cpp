// The drawing aids as pictures: shading along a ramp, pixel-perfect pencil strokes, mirror
// images and the dither ink, each one undo step.
#include <gtest/gtest.h>

#include "edit/undo_objects_image.h"
#include "image/paint_rule.h"
#include "tool_fixture.h"

namespace pixmo::test {
namespace {

using Grid = std::vector<std::string>;

TEST(DrawingAids, ShadingMovesEachPixelOnceAlongTheRamp) {
    TToolFixture f;
    f.Install({"34679", "34679"}, 16);
    f.Context.SetColor1Index(4);
    f.Context.SetColor2Index(7);
    f.Settings.Ink = kInkShade;
    f.Settings.PenWidths[1] = 1;
    f.Use(TToolItem::DrawDot);
    // There and back again: every pixel is passed twice and moves once.
    f.Drag({{0, 0}, {4, 0}, {0, 0}});
    f.Drag({{0, 1}, {4, 1}}, true);
    EXPECT_EQ(f.Grid(), (Grid{"35779", "34569"}));
    EXPECT_EQ(f.Steps(), 2);
    f.History().Undo();
    EXPECT_EQ(f.Grid(), (Grid{"35779", "34679"}));
    // A bucket on a ramp colour equal to the primary shades the area too.
    f.Use(TToolItem::Fill);
    f.Drag({{1, 1}});
    EXPECT_EQ(f.Grid(), (Grid{"35779", "35679"}));

    // A wide pen shades exactly the pixels it would paint.
    f.Install(Grid(8, std::string(12, '4')), 16);
    f.Settings.PenWidths[0] = 4;
    f.Context.SetColor1Index(5);
    f.Settings.Ink = kInkPen;
    f.Use(TToolItem::DrawDot);
    f.Drag({{1, 1}, {10, 6}, {3, 6}});
    const Grid painted = f.Grid();
    f.History().Undo();
    f.Context.SetColor1Index(4);
    f.Context.SetColor2Index(7);
    f.Settings.Ink = kInkShade;
    f.Drag({{1, 1}, {10, 6}, {3, 6}});
    EXPECT_EQ(f.Grid(), painted);
}

TEST(DrawingAids, PixelPerfectTakesOutTheStaircaseCorners) {
    TToolFixture f;
    f.Blank(5, 4);
    f.Context.SetColor1Index(1);
    f.Use(TToolItem::DrawDot);
    auto stairs = [&f] { f.Drag({{0, 0}, {1, 0}, {1, 1}, {2, 1}, {2, 2}, {3, 2}, {3, 3}, {4, 3}}); };
    stairs();
    EXPECT_EQ(f.Grid(), (Grid{"##...", ".##..", "..##.", "...##"}));
    f.History().Undo();
    f.Settings.PixelPerfect = true;
    stairs();
    EXPECT_EQ(f.Grid(), (Grid{"#....", ".#...", "..#..", "...##"}));
    // A jump of several pixels is stepped through; a corner the stroke crossed before stays.
    f.History().Undo();
    f.Drag({{1, 0}, {1, 2}, {3, 0}, {2, 1}, {1, 1}, {1, 0}});
    EXPECT_EQ(f.Grid(), (Grid{".#.#.", ".##..", ".#...", "....."}));
    EXPECT_EQ(f.Steps(), 1);
}

TEST(DrawingAids, MirroredLineAndFillInOneStep) {
    TToolFixture f;
    f.Blank(6, 3);
    f.Context.SetColor1Index(1);
    f.Settings.MirrorHorizontal = f.Settings.MirrorVertical = true;
    f.Use(TToolItem::DrawLine);
    f.Drag({{0, 0}, {3, 0}, {1, 0}});
    EXPECT_EQ(f.Grid(), (Grid{"##..##", "......", "##..##"}));
    ASSERT_EQ(f.Steps(), 1);
    f.History().Undo();
    EXPECT_EQ(f.Grid(), (Grid{"......", "......", "......"}));
    // An axis set elsewhere: through the middle of column 2.
    f.Settings.MirrorVertical = false;
    f.Options.MirrorSumX = 4;
    f.Drag({{0, 1}, {1, 1}});
    EXPECT_EQ(f.Grid()[1], "##.##.");

    f.Options.MirrorSumX.reset();
    f.Install({"..#...", "..#..."}, 16);
    f.Context.SetColor1Index(3);
    f.Use(TToolItem::Fill);
    const int before = f.Steps();
    f.Drag({{0, 0}});
    EXPECT_EQ(f.Grid(), (Grid{"33#.33", "33#.33"}));
    ASSERT_EQ(f.Steps(), before + 1);
    const auto* step = dynamic_cast<const TUndoDibRect*>(f.History().Items().back().get());
    ASSERT_NE(step, nullptr);
    EXPECT_EQ(step->Rect(), (TRect{0, 0, 6, 2}));
    f.History().Undo();
    EXPECT_EQ(f.Grid(), (Grid{"..#...", "..#..."}));
}

TEST(DrawingAids, DitherOfAFilledRectangleAndAFill) {
    TToolFixture f;
    f.Blank(6, 5);
    f.Context.SetColor1Index(1);
    f.Context.SetColor2Index(2);
    f.Settings.Ink = kInkDither;
    f.Use(TToolItem::FillRect);
    f.Drag({{1, 1}, {4, 3}});
    EXPECT_EQ(f.Grid(), (Grid{"......", ".#2#2.", ".2#2#.", ".#2#2.", "......"}));
    // The area's own colour as the primary: the bucket still lays the pattern.
    f.Context.SetColor1Index(0);
    f.Use(TToolItem::Fill);
    f.Drag({{0, 4}});
    EXPECT_EQ(f.Grid(), (Grid{".2.2.2", "2#2#2.", ".2#2#2", "2#2#2.", ".2.2.2"}));
    EXPECT_EQ(f.Steps(), 2);
}

}  // namespace
}  // namespace pixmo::test
