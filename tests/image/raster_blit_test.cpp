// Block copies with raster operations, stretched copies and colour matching.
#include <gtest/gtest.h>

#include <climits>

#include "image/color_match.h"
#include "image/dib_canvas.h"
#include "support/test_support.h"

namespace pixmo {
namespace {

using test::FromGrid;
using test::ToGrid;
using Grid = std::vector<std::string>;

TEST(RasterBlit, RasterOperationsOnMasks) {
    const Grid a = {"##..", "#.#."};
    const Grid b = {"#.#.", "##.."};
    struct TCase {
        TCopyMode Mode;
        Grid Expect;
    };
    const std::vector<TCase> cases = {
        {TCopyMode::SrcCopy, b},
        {TCopyMode::SrcPaint, {"###.", "###."}},
        {TCopyMode::SrcAnd, {"#...", "#..."}},
        {TCopyMode::AndNot, {".#..", "..#."}},
        {TCopyMode::SrcInvert, {".##.", ".##."}},
        {TCopyMode::Blackness, {"....", "...."}},
    };
    for (const TCase& c : cases) {
        auto dest = FromGrid(a);
        auto source = FromGrid(b);
        dest->Canvas().CopyMode = c.Mode;
        dest->Canvas().CopyRect(TPoint{0, 0}, source->Canvas(), source->GetRect());
        EXPECT_EQ(ToGrid(*dest), c.Expect) << static_cast<int>(c.Mode);
    }
    // The inverting operations work on the stored byte.
    auto dest = FromGrid({"#."});
    auto source = FromGrid({".."});
    dest->Canvas().CopyMode = TCopyMode::DstInvert;
    dest->Canvas().Draw(0, 0, *source);
    EXPECT_EQ(dest->Pixel(0, 0), 254);
    EXPECT_EQ(dest->Pixel(1, 0), 255);
}

TEST(RasterBlit, ClippedOnBothSidesAndOverlappingInOneImage) {
    auto dest = FromGrid({"....", "....", "...."}, 16);
    auto source = FromGrid({"723", "456"}, 16);
    dest->Canvas().CopyRect(TPoint{2, -1}, source->Canvas(), TRect{-1, 0, 3, 5});
    EXPECT_EQ(ToGrid(*dest), (Grid{"...4", "....", "...."}));  // both rectangles clipped
    dest->Canvas().CopyRect(TPoint{INT_MAX, INT_MIN}, source->Canvas(), TRect{INT_MIN, INT_MIN, INT_MAX, INT_MAX});
    dest->Canvas().CopyRect(TPoint{-1, 1}, source->Canvas(), TRect{0, 0, 3, 2});
    EXPECT_EQ(ToGrid(*dest), (Grid{"...4", "23..", "56.."}));
    // Within one image, down and right, then up and left.
    auto self = FromGrid({"72..", "34..", "...."}, 16);
    self->Canvas().CopyRect(TPoint{1, 1}, self->Canvas(), TRect{0, 0, 3, 2});
    EXPECT_EQ(ToGrid(*self), (Grid{"72..", "372.", ".34."}));
    self->Canvas().CopyRect(TPoint{0, 0}, self->Canvas(), TRect{1, 1, 4, 3});
    EXPECT_EQ(ToGrid(*self), (Grid{"72..", "34..", ".34."}));
}

TEST(RasterBlit, ColourMatchingBetweenTables) {
    // Source table: 0 black, 1 red, 2 grey 0x80; destination holds red twice, no grey.
    auto source = FromGrid({".#2"}, 4);
    source->SetColor(1, RGB(255, 0, 0));
    source->SetColor(2, RGB(0x80, 0x80, 0x80));
    source->SetPixel(0, 0, 9);  // beyond Colors: the table word there is black
    auto dest = TDib::Create(3, 1, 4);
    dest->SetColor(0, RGB(255, 255, 255));
    dest->SetColor(1, RGB(255, 0, 0));
    dest->SetColor(2, RGB(255, 0, 0));
    dest->SetColor(3, RGB(0x70, 0x70, 0x90));
    dest->Canvas().Draw(0, 0, *source);
    // black -> nearest of white/red/red/greyish: index 3; red -> lowest red, 1.
    EXPECT_EQ(ToGrid(*dest), (Grid{"3#3"}));
    EXPECT_EQ(NearestTableIndex(dest->UsedColorTable(), ColorRefToTableWord(RGB(255, 0, 0))), 1);
    // Identical tables copy indices as they are, even beyond the table.
    auto same = TDib::CreateClone(*source);
    same->Canvas().Draw(0, 0, *source);
    EXPECT_EQ(same->Pixel(0, 0), 9);
    // A table image onto 24 bits through its colours, and back by nearest colour.
    auto t = TTrueDib::Create(3, 1);
    t->Canvas().Draw(0, 0, *source);
    EXPECT_EQ(t->Canvas().GetPixelValue(1, 0), 0xFF0000u);
    EXPECT_EQ(t->Canvas().GetPixelValue(2, 0), 0x808080u);
    auto back = TDib::Create(3, 1, 4);
    for (int i = 0; i < 4; ++i) back->SetColor(i, source->GetColor(i));
    back->Canvas().Draw(0, 0, *t);
    EXPECT_EQ(ToGrid(*back), (Grid{".#2"}));
}

TEST(RasterBlit, MatcherAgreesWithTheFullSearch) {
    std::vector<uint32_t> table;
    uint32_t seed = 12345;
    auto next = [&] { return seed = seed * 1103515245u + 12345u; };
    for (int i = 0; i < 200; ++i) table.push_back((next() >> 8) & 0xFFFFFF);
    table.push_back(table[17]);  // a duplicate: the lower index wins
    TColorMatcher matcher(table, 8);
    for (int i = 0; i < 20000; ++i) {
        const uint32_t word = (next() >> 8) & 0xFFFFFF;
        ASSERT_EQ(matcher.Match(word), NearestTableIndex(table, word)) << std::hex << word;
    }
    EXPECT_EQ(matcher.Match(table[17]), 17);
    EXPECT_EQ(matcher.Match(table[17]), 17);  // from the cache
}

TEST(RasterBlit, StretchUpDownAndMirrored) {
    auto source = FromGrid({"52", "34"}, 16);
    auto up = FromGrid(Grid(4, "...."), 16);
    EXPECT_TRUE(up->Canvas().StretchDraw(TPoint{0, 0}, TPoint{4, 4}, source->Canvas(), source->GetRect()));
    EXPECT_EQ(ToGrid(*up), (Grid{"5522", "5522", "3344", "3344"}));
    auto mirror = FromGrid(Grid(2, "...."), 16);
    mirror->Canvas().StretchDraw(TPoint{4, 2}, TPoint{0, 0}, source->Canvas(), source->GetRect());
    EXPECT_EQ(ToGrid(*mirror), (Grid{"4433", "2255"}));
    auto big = FromGrid({"723456", "789abc", "def723"}, 16);
    auto down = FromGrid({"...", "..."}, 16);
    down->Canvas().StretchDraw(TPoint{0, 0}, TPoint{3, 2}, big->Canvas(), big->GetRect());
    EXPECT_EQ(ToGrid(*down), (Grid{"735", "79b"}));
    // Clipped: a huge destination shows only its top-left source pixel here.
    auto clipped = FromGrid({"..", ".."}, 16);
    clipped->Canvas().StretchDraw(TPoint{0, 0}, TPoint{INT_MAX, INT_MAX}, source->Canvas(), source->GetRect());
    EXPECT_EQ(ToGrid(*clipped), (Grid{"55", "55"}));
    // An empty source is refused.
    EXPECT_FALSE(up->Canvas().StretchDraw(TPoint{0, 0}, TPoint{2, 2}, source->Canvas(), TRect{1, 0, 1, 2}));
}

}  // namespace
}  // namespace pixmo
