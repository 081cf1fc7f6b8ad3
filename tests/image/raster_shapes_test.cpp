// Rectangles, ellipses, polygons and curves as pixel sets.
#include <gtest/gtest.h>

#include <algorithm>
#include <climits>

#include "image/dib_canvas.h"
#include "support/test_support.h"

namespace pixmo {
namespace {

using test::Blank;
using test::FromGrid;
using test::ToGrid;
using Grid = std::vector<std::string>;


TDibCanvas& Styled(TDib& d, TBrushStyle brush = TBrushStyle::Solid) {
    TDibCanvas& c = d.Canvas();
    c.Pen.Color = PaletteIndex(1);
    c.Brush = TBrush{PaletteIndex(2), brush};
    return c;
}

bool Symmetric(const Grid& g) {
    Grid flipped = g;
    for (auto& row : flipped) std::reverse(row.begin(), row.end());
    if (flipped != g) return false;
    Grid upside(g.rbegin(), g.rend());
    return upside == g;
}

TEST(RasterShapes, RectangleIsRightBottomExclusiveWithBrushInside) {
    auto d = Blank(6, 5);
    Styled(*d).Rectangle(5, 4, 1, 0);  // corners in any order
    EXPECT_EQ(ToGrid(*d), (Grid{".####.", ".#22#.", ".#22#.", ".####.", "......"}));
    auto clear = Blank(4, 3);
    Styled(*clear, TBrushStyle::Clear).Rectangle(0, 0, 4, 3);
    EXPECT_EQ(ToGrid(*clear), (Grid{"####", "#..#", "####"}));
    auto thin = Blank(4, 3);
    Styled(*thin).Rectangle(1, 0, 2, 3);  // one pixel wide
    Styled(*thin).Rectangle(1, 1, 1, 3);  // empty: nothing
    EXPECT_EQ(ToGrid(*thin), (Grid{".#..", ".#..", ".#.."}));
}

TEST(RasterShapes, HugeRectangleIsClippedNotWalked) {
    auto d = Blank(5, 4);
    TDibCanvas& c = Styled(*d);
    c.Rectangle(INT_MIN, INT_MIN, INT_MAX, INT_MAX);  // outline far off, all inside
    EXPECT_EQ(ToGrid(*d), Grid(4, "22222"));
    c.Pen.Width = 3;
    c.Rectangle(-1, 1, 100000000, 100000000);  // the left and top edges with a wide pen (a plus)
    EXPECT_EQ(ToGrid(*d), (Grid{"#####", "#####", "#####", "#2222"}));
}

TEST(RasterShapes, SmallEllipsesOfOddAndEvenSizes) {
    struct TCase {
        int W, H;
        Grid Expect;
    };
    const std::vector<TCase> cases = {
        {3, 3, {".#.", "#2#", ".#."}},
        {4, 4, {".##.", "#22#", "#22#", ".##."}},
        {5, 5, {".###.", "#222#", "#222#", "#222#", ".###."}},
        {6, 4, {".####.", "#2222#", "#2222#", ".####."}},
        {7, 5, {"..###..", "##222##", "#22222#", "##222##", "..###.."}},
        {2, 6, Grid(6, "##")},
        {12, 8, {"...######...", ".##222222##.", ".#22222222#.", "#2222222222#", "#2222222222#",
                 ".#22222222#.", ".##222222##.", "...######..."}},
    };
    for (const TCase& c : cases) {
        auto d = Blank(c.W, c.H);
        Styled(*d).Ellipse(0, 0, c.W, c.H);
        const Grid g = ToGrid(*d);
        EXPECT_EQ(g, c.Expect) << c.W << "x" << c.H;
        EXPECT_TRUE(Symmetric(g)) << c.W << "x" << c.H;
    }
}

TEST(RasterShapes, EllipsesStaySymmetricAndTouchTheirBox) {
    for (int w = 1; w <= 24; w += 3) {
        for (int h = 1; h <= 24; h += 2) {
            auto d = Blank(w, h);
            Styled(*d, TBrushStyle::Clear).Ellipse(0, 0, w, h);
            const Grid g = ToGrid(*d);
            EXPECT_TRUE(Symmetric(g)) << w << "x" << h;
            EXPECT_NE(g.front().find('#'), std::string::npos);
            EXPECT_NE(g.back().find('#'), std::string::npos);
            bool left = false, right = false;
            for (const auto& row : g) left |= row.front() == '#', right |= row.back() == '#';
            EXPECT_TRUE(left && right) << w << "x" << h;
        }
    }
}

TEST(RasterShapes, EllipseClippedAndWithWidePen) {
    // The part of a big circle in view: the same pixels as drawing it whole and cropping.
    auto whole = Blank(40, 40);
    Styled(*whole).Ellipse(0, 0, 40, 40);
    auto part = Blank(10, 10);
    Styled(*part).Ellipse(-30, -5, 10, 35);
    for (int y = 0; y < 10; ++y)
        for (int x = 0; x < 10; ++x) ASSERT_EQ(part->Pixel(x, y), whole->Pixel(x + 30, y + 5)) << x << "," << y;
    auto far = Blank(4, 4);
    Styled(*far).Ellipse(-2000000000, -2000000000, 2000000000, 2000000000);
    EXPECT_EQ(ToGrid(*far), Grid(4, "2222"));
    auto wide = Blank(9, 9);
    TDibCanvas& c = Styled(*wide, TBrushStyle::Clear);
    c.Pen.Width = 3;
    c.Ellipse(1, 1, 8, 8);
    EXPECT_EQ(ToGrid(*wide), (Grid{"...###...", "..#####..", ".#######.", "###...###", "###...###",
                                    "###...###", ".#######.", "..#####..", "...###..."}));
}

TEST(RasterShapes, StarShowsTheFillRules) {
    const TPoint star[] = {{4, 0}, {7, 8}, {0, 3}, {8, 3}, {1, 8}};
    auto alternate = Blank(9, 9);
    Styled(*alternate).Polygon(star);
    EXPECT_EQ(ToGrid(*alternate), (Grid{"....#....", "....#....", "...#2#...", "#########", ".###..##.",
                                         "..##.##..", "..#2#2#..", ".###.###.", ".#.....#."}));
    auto winding = Blank(9, 9);
    Styled(*winding).PolyFillMode = TPolyFillMode::Winding;
    Styled(*winding).Polygon(star);
    EXPECT_EQ(ToGrid(*winding), (Grid{"....#....", "....#....", "...#2#...", "#########", ".###22##.",
                                       "..##2##..", "..#2#2#..", ".###.###.", ".#.....#."}));
}

TEST(RasterShapes, PolygonInteriorAndFarVertices) {
    auto d = Blank(6, 6);
    const TPoint square[] = {{1, 1}, {4, 1}, {4, 4}, {1, 4}};
    Styled(*d).Polygon(square);
    EXPECT_EQ(ToGrid(*d), (Grid{"......", ".####.", ".#22#.", ".#22#.", ".####.", "......"}));
    auto far = Blank(4, 3);
    TDibCanvas& c = Styled(*far, TBrushStyle::Solid);
    c.Pen.Mode = TPenMode::And;  // pen 1 & brush 2 = 0: only the fill shows
    const TPoint huge[] = {{INT_MIN, INT_MIN}, {INT_MAX, INT_MIN}, {INT_MAX, INT_MAX}, {INT_MIN, INT_MAX}};
    c.Polygon(huge);
    EXPECT_EQ(ToGrid(*far), Grid(3, "...."));
    c.Pen.Mode = TPenMode::Copy;
    c.Polygon(huge);
    EXPECT_EQ(ToGrid(*far), Grid(3, "2222"));
}

TEST(RasterShapes, PolylineAndBezier) {
    auto d = Blank(6, 4);
    const TPoint points[] = {{0, 0}, {3, 0}, {3, 3}};
    Styled(*d).Polyline(points);
    EXPECT_EQ(ToGrid(*d), (Grid{"####..", "...#..", "...#..", "......"}));
    auto b = Blank(16, 8);
    const TPoint curve[] = {{0, 7}, {3, 0}, {12, 0}, {15, 7}};
    Styled(*b).PolyBezier(curve);
    EXPECT_EQ(ToGrid(*b), (Grid{"................", "................", ".....######.....", "...##......##...",
                                 "..#..........#..", ".#............#.", ".#............#.", "#..............."}));
}

TEST(RasterShapes, FillRectClearAndPixels) {
    auto d = Blank(4, 3);
    TDibCanvas& c = Styled(*d, TBrushStyle::Clear);
    c.FillRect(TRect{-5, 1, 2, 99});  // clear brush still fills
    c.SetPixelColor(3, 0, PaletteIndex(5));
    c.SetPixelColor(-1, 0, PaletteIndex(5));
    EXPECT_EQ(ToGrid(*d), (Grid{"...5", "22..", "22.."}));
    c.Clear(PaletteIndex(7));
    EXPECT_EQ(ToGrid(*d), Grid(3, "7777"));
    EXPECT_EQ(c.Brush.Color, PaletteIndex(2));
    // A colour reference on a table image becomes the nearest entry (grey ramp of 16).
    EXPECT_EQ(c.PixelValueOf(RGB(0x22, 0x22, 0x22)), 2u);
    EXPECT_EQ(c.PixelValueOf(RGB(255, 250, 255)), 15u);
    EXPECT_EQ(c.GetPixelValue(4, 0), 0xFFFFFFFFu);
}

}  // namespace
}  // namespace pixmo
