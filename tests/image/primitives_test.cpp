// The shared drawing routines: exact extents, wrapped and neighbour copies, palette effects.
#include <gtest/gtest.h>

#include "image/raster_primitives.h"
#include "support/test_support.h"

namespace pixmo {
namespace {

using test::Blank;
using test::FromGrid;
using test::ToGrid;
using Grid = std::vector<std::string>;


TEST(Primitives, StripsAndSinglePointsAreSetWhole) {
    auto d = Blank(5, 4);
    TDibCanvas& c = d->Canvas();
    c.Pen.Color = PaletteIndex(1);
    DrawRectangle(c, TRect{0, 0, 1, 4});  // one pixel wide: all four rows
    DrawEllipse(c, TRect{2, 3, 5, 4});    // one pixel high: all three columns
    const TPoint one[] = {{3, 1}};
    DrawPolygon(c, one, 0);
    EXPECT_EQ(ToGrid(*d), (Grid{"#....", "#..#.", "#....", "#.###"}));
    auto p = Blank(5, 3);
    p->Canvas().Pen.Color = PaletteIndex(2);
    const TPoint path[] = {{0, 0}, {4, 0}, {4, 2}, {0, 0}};
    DrawPolyline(p->Canvas(), path, 2);  // the last used point is set too
    DrawPolyline(p->Canvas(), std::span<const TPoint>(path).subspan(3), 0);
    EXPECT_EQ(ToGrid(*p), (Grid{"22222", "....2", "....2"}));
}

TEST(Primitives, WidePensUseTheShapesThemselves) {
    auto d = Blank(7, 5);
    TDibCanvas& c = d->Canvas();
    c.Pen = TPen{PaletteIndex(1), 3, TPenMode::Copy};
    const TPoint one[] = {{3, 2}};
    DrawPolyline(c, one, 0);  // a dot of the pen's size
    EXPECT_EQ(ToGrid(*d), (Grid{".......", "...#...", "..###..", "...#...", "......."}));
}

TEST(Primitives, CopyNeighboursGrowsAMaskByOnePixel) {
    auto mask = TMaskDib::Create(5, 5);
    mask->SetPixel(2, 2, 1);
    mask->SetPixel(3, 2, 1);
    auto grown = TMaskDib::CreateClone(*mask);
    grown->Canvas().CopyMode = TCopyMode::SrcPaint;
    CopyNeighbours(grown->Canvas(), mask->Canvas(), mask->GetRect());
    EXPECT_EQ(ToGrid(*grown), (Grid{".....", "..##.", ".####", "..##.", "....."}));
}

TEST(Primitives, ShiftImageIdentitiesAndWrap) {
    auto image = FromGrid({"234", "567", "89a"}, 16);
    for (auto [dx, dy] : {std::pair{3, 0}, {0, -3}, {0, 0}, {-6, 9}})
        EXPECT_EQ(ToGrid(*ShiftImage(*image, dx, dy)), ToGrid(*image)) << dx << "," << dy;
    EXPECT_EQ(ToGrid(*ShiftImage(*image, 1, 0)), (Grid{"423", "756", "a89"}));
    EXPECT_EQ(ToGrid(*ShiftImage(*image, 0, 1)), (Grid{"89a", "234", "567"}));
    EXPECT_EQ(ToGrid(*ShiftImage(*image, -1, -1)), (Grid{"675", "9a8", "342"}));
    EXPECT_EQ(ToGrid(*ShiftImage(*image, 5, -4)), (Grid{"675", "9a8", "342"}));
    auto mask = TMaskDib::Create(3, 1);
    mask->SetPixel(0, 0, 1);
    auto moved = ShiftImage(*mask, -1, 0);
    EXPECT_EQ(ToGrid(*moved), (Grid{"..#"}));
}

TEST(Primitives, CopyWrappedIntoAnotherPlace) {
    auto source = FromGrid({"2345", "6789"}, 16);
    auto dest = Blank(6, 4);
    CopyWrapped(dest->Canvas(), 1, 1, TRect{1, 0, 4, 2}, source->Canvas(), 1, 1);
    EXPECT_EQ(ToGrid(*dest), (Grid{"......", ".978..", ".534..", "......"}));
    CopyWrapped(dest->Canvas(), 0, 0, TRect{0, 0, 0, 2}, source->Canvas(), 1, 1);  // empty: nothing
    EXPECT_EQ(dest->Pixel(0, 0), 0);
}

TEST(Primitives, StretchBlockCopiesAndMirrors) {
    auto source = FromGrid({"23", "45"}, 16);
    auto dest = Blank(4, 2);
    StretchBlock(dest->Canvas(), TPoint{4, 0}, TPoint{0, 2}, source->Canvas(), source->GetRect());
    EXPECT_EQ(ToGrid(*dest), (Grid{"3322", "5544"}));
    StretchBlock(dest->Canvas(), TPoint{0, 0}, TPoint{4, 2}, source->Canvas(), TRect{0, 1, 2, 1});  // refused, no rows
    EXPECT_EQ(ToGrid(*dest), (Grid{"3322", "5544"}));
}

TEST(Primitives, PaletteEffects) {
    auto image = FromGrid({".#"}, 4);
    image->SetColor(0, RGB(0, 0, 0));
    image->SetColor(1, RGB(10, 20, 30));
    image->SetColor(2, RGB(20, 10, 30));
    image->SetColor(3, RGB(5, 5, 9));
    auto inverted = InvertColors(image.get());
    EXPECT_EQ(inverted->GetColor(0), RGB(255, 255, 255));
    EXPECT_EQ(inverted->GetColor(1), RGB(245, 235, 225));
    EXPECT_EQ(ToGrid(*inverted), ToGrid(*image));
    EXPECT_EQ(image->GetColor(0), RGB(0, 0, 0));
    EXPECT_EQ(SwapChannels(image.get(), 0)->GetColor(1), RGB(20, 10, 30));
    EXPECT_EQ(SwapChannels(image.get(), 1)->GetColor(1), RGB(10, 30, 20));
    EXPECT_EQ(SwapChannels(image.get(), 2)->GetColor(1), RGB(30, 20, 10));
    // Entry 2 is the excepted colour; entry 1 would become it: both stay.
    auto except = SwapChannelsExcept(image.get(), 0, RGB(20, 10, 30));
    EXPECT_EQ(except->GetColor(1), RGB(10, 20, 30));
    EXPECT_EQ(except->GetColor(2), RGB(20, 10, 30));
    EXPECT_EQ(except->GetColor(3), RGB(5, 5, 9));
    EXPECT_EQ(InvertColors(nullptr), nullptr);
    auto t = TTrueDib::Create(1, 1);
    t->Canvas().SetPixelColor(0, 0, RGB(1, 2, 3));
    EXPECT_EQ(InvertColors(t.get())->Canvas().GetPixelValue(0, 0), 0x010203u);
}

}  // namespace
}  // namespace pixmo
