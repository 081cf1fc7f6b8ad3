// Lines: the integer pixel sets, end points, clipping, pen modes and wide pens.
#include <gtest/gtest.h>

#include <climits>
#include <set>
#include <utility>

#include "image/dib_canvas.h"
#include "image/raster_primitives.h"
#include "support/test_support.h"

namespace pixmo {
namespace {

using test::Blank;
using test::FromGrid;
using test::ToGrid;
using Grid = std::vector<std::string>;


std::vector<std::pair<int, int>> DdaPoints(int x1, int y1, int x2, int y2) {
    std::vector<std::pair<int, int>> points;
    LineDDA(x1, y1, x2, y2, [&](int x, int y) { points.emplace_back(x, y); });
    return points;
}

TEST(RasterLines, AllOctantsLeaveOutTheEndPoint) {
    // From the centre of a 9x9 image to points around it: the pixels hit, end excluded.
    struct TCase {
        int X, Y;
        Grid Expect;
    };
    const std::vector<TCase> cases = {
        {8, 2, {".........", ".........", ".......#.", ".....##..", "....#....", ".........", ".........",
                ".........", "........."}},
        {8, 4, {".........", ".........", ".........", ".........", "....####.", ".........", ".........",
                ".........", "........."}},
        {6, 8, {".........", ".........", ".........", ".........", "....#....", ".....#...", ".....#...",
                "......#..", "........."}},
        {0, 6, {".........", ".........", ".........", ".........", "....#....", "..##.....", ".#.......", ".........", "........."}},
        {2, 0, {".........", "..#......", "...#.....", "...#.....", "....#....", ".........", ".........",
                ".........", "........."}},
        {0, 0, {".........", ".#.......", "..#......", "...#.....", "....#....", ".........", ".........",
                ".........", "........."}},
    };
    for (const TCase& c : cases) {
        auto d = Blank(9, 9);
        TDibCanvas& canvas = d->Canvas();
        canvas.Pen.Color = PaletteIndex(1);
        canvas.MoveTo(4, 4);
        canvas.LineTo(c.X, c.Y);
        EXPECT_EQ(ToGrid(*d), c.Expect) << "to " << c.X << "," << c.Y;
        EXPECT_EQ(canvas.PenPos(), (TPoint{c.X, c.Y}));
        // LineDDA enumerates the same points, in drawing order from the start.
        const auto points = DdaPoints(4, 4, c.X, c.Y);
        ASSERT_FALSE(points.empty());
        EXPECT_EQ(points.front(), std::make_pair(4, 4));
        for (auto [x, y] : points) EXPECT_EQ(d->Pixel(x, y), 1);
        int set = 0;
        for (const auto& row : ToGrid(*d)) set += static_cast<int>(std::count(row.begin(), row.end(), '#'));
        EXPECT_EQ(set, static_cast<int>(points.size()));
    }
    EXPECT_TRUE(DdaPoints(3, 3, 3, 3).empty());
}

TEST(RasterLines, DrawLineIncludesTheEndPoint) {
    auto d = Blank(7, 5);
    TDibCanvas& canvas = d->Canvas();
    canvas.Pen.Color = PaletteIndex(1);
    DrawLine(canvas, TPoint{2, 3}, TPoint{5, 3});
    DrawLine(canvas, TPoint{0, 0}, TPoint{0, 0});  // a single point
    DrawLine(canvas, TPoint{6, 2}, TPoint{6, 0});  // upwards
    EXPECT_EQ(ToGrid(*d), (Grid{"#.....#", "......#", "......#", "..####.", "......."}));
}

TEST(RasterLines, ClippedAtEdgesAndFarOff) {
    auto d = Blank(6, 4);
    TDibCanvas& canvas = d->Canvas();
    canvas.Pen.Color = PaletteIndex(1);
    canvas.MoveTo(-3, 1);
    canvas.LineTo(9, 1);
    canvas.MoveTo(INT_MIN, INT_MIN);
    canvas.LineTo(INT_MAX, INT_MAX);  // the diagonal through the image
    canvas.MoveTo(INT_MAX, 3);
    canvas.LineTo(INT_MIN, 3);
    canvas.MoveTo(-100000, -5);
    canvas.LineTo(-2, 2);  // entirely outside
    EXPECT_EQ(ToGrid(*d), (Grid{"#.....", "######", "..#...", "######"}));
}

TEST(RasterLines, PenModesActOnTheStoredValue) {
    struct TCase {
        TPenMode Mode;
        char Expect;  // starting from index 6, pen index 3
    };
    const std::vector<TCase> cases = {{TPenMode::Copy, '3'},   {TPenMode::Xor, '5'}, {TPenMode::And, '2'},
                                      {TPenMode::Or, '7'},     {TPenMode::AndNot, '4'}};
    for (const TCase& c : cases) {
        auto d = FromGrid({"666"}, 16);
        TDibCanvas& canvas = d->Canvas();
        canvas.Pen = TPen{PaletteIndex(3), 1, c.Mode};
        canvas.MoveTo(0, 0);
        canvas.LineTo(2, 0);
        EXPECT_EQ(ToGrid(*d), (Grid{std::string(2, c.Expect) + "6"})) << static_cast<int>(c.Mode);
    }
    // The inverting modes reach beyond the table: ~6 = 249, ~(6 ^ 3) = 250, ~3 = 252.
    for (auto [mode, value] : {std::pair{TPenMode::Not, 249}, {TPenMode::NotXor, 250}, {TPenMode::NotCopy, 252}}) {
        auto d = FromGrid({"6"}, 16);
        d->Canvas().Pen = TPen{PaletteIndex(3), 1, mode};
        d->Canvas().MoveTo(0, 0);
        d->Canvas().LineTo(1, 0);
        EXPECT_EQ(d->Pixel(0, 0), value);
    }
    // On a 24-bit image each byte takes the mode.
    auto t = TTrueDib::Create(2, 1);
    TDibCanvas& canvas = t->Canvas();
    canvas.SetPixelColor(0, 0, RGB(0x0F, 0xF0, 0x55));
    canvas.Pen = TPen{RGB(0xFF, 0xFF, 0x0F), 1, TPenMode::Xor};
    canvas.MoveTo(0, 0);
    canvas.LineTo(1, 0);
    EXPECT_EQ(canvas.GetPixelValue(0, 0), 0xF00F5Au);  // red 0x0F^0xFF, green 0xF0^0xFF, blue 0x55^0x0F
    EXPECT_EQ(canvas.GetPixelValue(1, 0), 0u);
    EXPECT_EQ(canvas.GetPixelValue(2, 0), 0xFFFFFFFFu);
}

TEST(RasterLines, WidePensHaveRoundEndsAndXorEachPixelOnce) {
    auto d = Blank(9, 7);
    TDibCanvas& canvas = d->Canvas();
    canvas.Pen = TPen{PaletteIndex(1), 3, TPenMode::Copy};
    canvas.MoveTo(2, 3);
    canvas.LineTo(6, 3);
    const Grid copied = {".........", ".........", "..#####..", ".#######.", "..#####..", ".........",
                         "........."};
    EXPECT_EQ(ToGrid(*d), copied);
    // Xor with the same stroke: discs overlap, yet every covered pixel flips exactly once.
    auto x = Blank(9, 7);
    x->Canvas().Pen = TPen{PaletteIndex(1), 3, TPenMode::Xor};
    x->Canvas().MoveTo(2, 3);
    x->Canvas().LineTo(6, 3);
    EXPECT_EQ(ToGrid(*x), copied);
    // A polyline's joins are not flipped twice either.
    auto p = Blank(9, 7);
    p->Canvas().Pen = TPen{PaletteIndex(1), 3, TPenMode::Xor};
    const TPoint points[] = {{1, 1}, {5, 1}, {5, 5}};
    p->Canvas().Polyline(points);
    EXPECT_EQ(ToGrid(*p), (Grid{".#####...", "#######..", ".######..", "....###..", "....###..", "....###..",
                                 ".....#..."}));
}

TEST(RasterLines, WidePenNearTheEdgeAndFarAway) {
    auto d = Blank(5, 5);
    TDibCanvas& canvas = d->Canvas();
    canvas.Pen = TPen{PaletteIndex(1), 4, TPenMode::Copy};
    canvas.MoveTo(0, 0);  // an even-width disc reaches one further up and left
    canvas.LineTo(0, 0);
    canvas.MoveTo(INT_MIN / 2, 8);
    canvas.LineTo(INT_MAX / 2, 8);  // just below the image: the pen reaches row 6 at most
    EXPECT_EQ(ToGrid(*d), (Grid{"##...", "#....", ".....", ".....", "....."}));
}

}  // namespace
}  // namespace pixmo
