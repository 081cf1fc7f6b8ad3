// Palette operations on an image: marks, gradient, transformations, count change and the
// find-colour answer.
#include <gtest/gtest.h>

#include "image/dib.h"
#include "palette/palette_ops.h"
#include "support/test_support.h"

namespace pixmo::test {

TEST(PaletteOps, DuplicateAndUsedMarks) {
    auto image = FromGrid({"0011", "0044"}, 8);
    image->SetColor(2, image->GetColor(1));
    image->SetColor(5, image->GetColor(1));  // three equal entries: 1, 2, 5
    TEntryMarks marks{};
    marks[7] = kMarkDuplicate;  // stale marks are cleared
    EXPECT_EQ(MarkDuplicates(*image, marks), 3);
    EXPECT_EQ(marks[1] & kMarkDuplicate, kMarkDuplicate);
    EXPECT_EQ(marks[2] & kMarkDuplicate, kMarkDuplicate);
    EXPECT_EQ(marks[5] & kMarkDuplicate, kMarkDuplicate);
    EXPECT_EQ(marks[7], 0);
    EXPECT_EQ(MarkUsed(*image, marks), 3);
    for (int i = 0; i < 8; ++i)
        EXPECT_EQ((marks[static_cast<size_t>(i)] & kMarkUsed) != 0, i == 0 || i == 1 || i == 4) << i;
}

// Rows long enough for the vector scan and its tail, and more than 64 of them: a value seen
// once anywhere counts, an index beyond the palette does not.
TEST(PaletteOps, UsedMarksOnALargeImage) {
    auto image = TDib::Create(70, 130, 16);
    image->SetPixel(40, 100, 9);
    image->SetPixel(69, 5, 200);
    image->SetPixel(3, 129, 15);
    TEntryMarks marks{};
    EXPECT_EQ(MarkUsed(*image, marks), 3);
    for (int i = 0; i < 256; ++i)
        EXPECT_EQ((marks[static_cast<size_t>(i)] & kMarkUsed) != 0, i == 0 || i == 9 || i == 15) << i;
}

TEST(PaletteOps, GradientTruncatesTheRunningValues) {
    auto image = TDib::Create(4, 4, 16);
    image->SetColor(0, RGB(0, 0, 0));
    image->SetColor(15, RGB(255, 255, 255));
    image->SetColor(16 - 1, RGB(255, 255, 255));
    ASSERT_TRUE(Gradient(*image, 15, 0));
    for (int i = 0; i < 16; ++i) EXPECT_EQ(image->GetColor(i), RGB(17 * i, 17 * i, 17 * i)) << i;
    // One entry in between: a third of the way gives 85.333…, truncated.
    image->SetColor(0, RGB(0, 0, 0));
    image->SetColor(3, RGB(255, 0, 10));
    ASSERT_TRUE(Gradient(*image, 0, 3));
    EXPECT_EQ(image->GetColor(1), RGB(85, 0, 3));
    EXPECT_EQ(image->GetColor(2), RGB(170, 0, 6));
    EXPECT_FALSE(Gradient(*image, 4, 4));
    EXPECT_FALSE(Gradient(*image, 0, 16));
}

TEST(PaletteOps, TransformsChangeEntriesNotPixels) {
    auto image = FromGrid({"01"}, 2);
    image->SetColor(0, RGB(10, 20, 30));
    auto copy = TDib::CreateClone(*image);
    TransformPalette(*copy, TPaletteTransform::Invert);
    EXPECT_EQ(copy->GetColor(0), RGB(245, 235, 225));
    TransformPalette(*image, TPaletteTransform::SwapRedGreen);
    EXPECT_EQ(image->GetColor(0), RGB(20, 10, 30));
    TransformPalette(*image, TPaletteTransform::SwapGreenBlue);
    EXPECT_EQ(image->GetColor(0), RGB(20, 30, 10));
    TransformPalette(*image, TPaletteTransform::SwapBlueRed);
    EXPECT_EQ(image->GetColor(0), RGB(10, 30, 20));
    EXPECT_EQ(ToGrid(*image), (std::vector<std::string>{".#"}));
}

TEST(PaletteOps, ColorCountKeepsIndicesAndMapsTheOnesBeyond) {
    auto image = FromGrid({"0123", "4567"}, 8);
    image->SetColor(5, image->GetColor(1));
    auto fewer = CreateWithColorCount(*image, 4);
    EXPECT_EQ(fewer->Colors(), 4);
    // 5 holds entry 1's colour; 4, 6 and 7 go to their nearest among 0..3.
    const auto grid = ToGrid(*fewer);
    EXPECT_EQ(grid[0], ".#23");
    EXPECT_EQ(grid[1][1], '#');
    for (int x = 0; x < 4; ++x) EXPECT_LT(fewer->Pixel(x, 1), 4);
    auto more = CreateWithColorCount(*image, 16);
    EXPECT_EQ(more->GetColor(7), image->GetColor(7));
    EXPECT_EQ(more->GetColor(12), RGB(0, 0, 0));
    EXPECT_EQ(ToGrid(*more), ToGrid(*image));
}

TEST(PaletteOps, FindColorListsIndicesAsWritten) {
    auto image = TDib::Create(1, 1, 256);
    for (int i = 0; i < 256; ++i) image->SetColor(i, RGB(i, 1, 1));
    EXPECT_EQ(FindColorMessage(*image, RGB(0, 0, 0)).Text(), "ありません");
    image->SetColor(3, RGB(9, 9, 9));
    image->SetColor(5, RGB(9, 9, 9));
    EXPECT_EQ(FindColorMessage(*image, RGB(9, 9, 9)).Text(), "3,5 番の色がそうです");
    for (int i : {10, 11, 12, 13}) image->SetColor(i, RGB(9, 9, 9));
    // "3,5,10,11," is longer than nine characters: the fifth index is cut.
    EXPECT_EQ(FindColorMessage(*image, RGB(9, 9, 9)).Text(), "3,5,10,11,... 番の色がそうです");
}

}  // namespace pixmo::test
