// Flood fill: surface and border styles, 4-connectivity, deep shapes, 24-bit images.
#include <gtest/gtest.h>

#include "image/dib_canvas.h"
#include "support/test_support.h"

namespace pixmo {
namespace {

using test::FromGrid;
using test::ToGrid;
using Grid = std::vector<std::string>;

void Fill(TDib& d, int x, int y, int color, TFillStyle style, int brush = 3) {
    d.Canvas().Brush.Color = PaletteIndex(brush);
    d.Canvas().FloodFill(x, y, PaletteIndex(color), style);
}

TEST(RasterFill, SurfaceIsFourConnected) {
    auto d = FromGrid({".....", ".###.", ".#.#.", ".##..", "....."}, 16);
    Fill(*d, 0, 0, 0, TFillStyle::Surface);
    // The hole touches the outside only diagonally, at (3,3): it stays as it was.
    EXPECT_EQ(ToGrid(*d), (Grid{"33333", "3###3", "3#.#3", "3##33", "33333"}));
}

TEST(RasterFill, BorderFillsUpToTheColour) {
    auto d = FromGrid({"######", "#.2..#", "#.##.#", "#..5.#", "######"}, 16);
    Fill(*d, 1, 1, 1, TFillStyle::Border);
    EXPECT_EQ(ToGrid(*d), (Grid{"######", "#3333#", "#3##3#", "#3333#", "######"}));
    // With the brush equal to the border colour the area turns into border.
    auto e = FromGrid({"###", "#.#", "###"}, 16);
    Fill(*e, 1, 1, 1, TFillStyle::Border, 1);
    EXPECT_EQ(ToGrid(*e), Grid(3, "###"));
    // Starting on the border colour fills nothing.
    Fill(*d, 0, 0, 1, TFillStyle::Border);
    EXPECT_EQ(d->Pixel(0, 0), 1);
}

TEST(RasterFill, NothingOutsideOrWhenNothingChanges) {
    auto d = FromGrid({"..", ".."}, 16);
    Fill(*d, -1, 0, 0, TFillStyle::Surface);
    Fill(*d, 0, 2, 0, TFillStyle::Surface);
    Fill(*d, 0, 0, 5, TFillStyle::Surface);  // the start is not of that colour
    Fill(*d, 0, 0, 0, TFillStyle::Surface, 0);  // brush equals the surface
    EXPECT_EQ(ToGrid(*d), (Grid{"..", ".."}));
}

TEST(RasterFill, DeepSpiralWithoutRecursion) {
    // A one-pixel corridor spiralling inwards: hundreds of turns, thousands of runs.
    const int n = 401;
    Grid g(n, std::string(n, '#'));
    int top = 0, left = 0, bottom = n - 1, right = n - 1;
    while (top <= bottom && left <= right) {
        for (int x = left; x <= right; ++x) g[top][x] = '.';
        for (int y = top; y <= bottom; ++y) g[y][right] = '.';
        for (int x = right; x >= left; --x) g[bottom][x] = '.';
        for (int y = bottom; y >= top + 2; --y) g[y][left] = '.';
        top += 2, left += 2, bottom -= 2, right -= 2;
        if (left <= right) g[top][left - 1] = '.';  // the way into the next ring
    }
    auto d = FromGrid(g, 16);
    Fill(*d, 0, 0, 0, TFillStyle::Surface);
    int left0 = 0, filled = 0;
    for (const auto& row : ToGrid(*d))
        for (char c : row) left0 += c == '.', filled += c == '3';
    EXPECT_EQ(left0, 0);
    EXPECT_GT(filled, n * n / 2 - n);
    // The border style through the same corridor, with marks against refilling.
    auto b = FromGrid(g, 16);
    Fill(*b, 0, 0, 1, TFillStyle::Border);
    EXPECT_EQ(ToGrid(*b), ToGrid(*d));
}

TEST(RasterFill, TrueColourImages) {
    auto t = TTrueDib::Create(3, 2);
    TDibCanvas& c = t->Canvas();
    c.SetPixelColor(1, 0, RGB(9, 9, 9));
    c.SetPixelColor(1, 1, RGB(9, 9, 9));
    c.Brush.Color = RGB(200, 100, 50);
    c.FloodFill(0, 0, RGB(0, 0, 0), TFillStyle::Surface);
    EXPECT_EQ(c.GetPixelValue(0, 1), c.PixelValueOf(RGB(200, 100, 50)));
    EXPECT_EQ(c.GetPixelValue(2, 0), 0u);
    c.FloodFill(2, 1, RGB(9, 9, 9), TFillStyle::Border);
    EXPECT_EQ(c.GetPixelValue(2, 0), c.PixelValueOf(RGB(200, 100, 50)));
    EXPECT_EQ(c.GetPixelValue(1, 0), c.PixelValueOf(RGB(9, 9, 9)));
}

}  // namespace
}  // namespace pixmo
