// Clipboard exchange: format 8 images and format 130 masks, and blocks from outside.
#include <gtest/gtest.h>

#include "image/byte_order.h"
#include "image/clipboard.h"
#include "image/dib.h"
#include "image/errors.h"
#include "image/packed_dib.h"
#include "support/test_support.h"

namespace pixmo {
namespace {

using test::FromGrid;
using test::ToGrid;

TEST(Clipboard, ImageRoundTripKeepsSizeDepthTableAndIndices) {
    TMemoryClipboard clipboard;
    for (int colors : {2, 16, 40}) {
        const char top = colors == 2 ? '#' : 'f';
        auto image = FromGrid({std::string("#..") + top, "#.#.", "...#"}, colors);
        image->SetColor(0, RGB(9, 8, 7));
        image->CopyToClipboard(clipboard);
        ASSERT_TRUE(clipboard.HasFormat(CF_DIB));
        EXPECT_EQ(static_cast<int64_t>(clipboard.GetData(CF_DIB)->size()), image->PackedSize());
        auto pasted = TDib::CreateFromClipboard(clipboard);
        EXPECT_EQ(pasted->GetSize(), image->GetSize());
        EXPECT_EQ(pasted->BitCount(), image->BitCount());
        EXPECT_EQ(pasted->Colors(), colors);
        EXPECT_EQ(pasted->ColorTable(), image->ColorTable());
        EXPECT_EQ(ToGrid(*pasted), ToGrid(*image)) << colors;
    }
    auto rgb = TTrueDib::Create(3, 1);
    rgb->ScanLine(0)[4] = 200;
    rgb->CopyToClipboard(clipboard);
    auto pasted = TDib::CreateFromClipboard(clipboard);
    EXPECT_TRUE(pasted->IsTrueColor());
    EXPECT_EQ(pasted->ScanLine(0)[4], 200);
}

TEST(Clipboard, NothingToPasteIsASilentAbort) {
    TMemoryClipboard clipboard;
    EXPECT_THROW(TDib::CreateFromClipboard(clipboard), EAbort);
    EXPECT_THROW(TMaskDib::CreateFromClipboard(clipboard), EAbort);
    // An image is not a mask, and a mask block is not taken for an image.
    FromGrid({"#"})->CopyToClipboard(clipboard);
    EXPECT_THROW(TMaskDib::CreateFromClipboard(clipboard), EAbort);
    clipboard.Clear();
    TMaskDib::Create(2, 2)->CopyToClipboard(clipboard);
    EXPECT_FALSE(clipboard.HasFormat(CF_DIB));
    EXPECT_THROW(TDib::CreateFromClipboard(clipboard), EAbort);
    // Damaged blocks are errors with a message, not aborts.
    clipboard.SetData(CF_DIB, {1, 2, 3});
    EXPECT_THROW(TDib::CreateFromClipboard(clipboard), EPixmoError);
}

TEST(Clipboard, MaskRoundTripAndBlockLayout) {
    auto mask = TMaskDib::Create(10, 3);
    const std::vector<std::string> grid = {"#........#", ".###......", ".........#"};
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 10; ++x) mask->SetPixel(x, y, grid[y][x] == '#' ? (x % 2 ? 255 : 1) : 0);
    TMemoryClipboard clipboard;
    mask->CopyToClipboard(clipboard);
    const auto block = *clipboard.GetData(CF_DSPBITMAP);
    ASSERT_EQ(block.size(), 40u + 8u + 12u);
    EXPECT_EQ(ReadLE16(&block[14]), 1u);
    EXPECT_EQ(ReadLE32(&block[32]), 2u);
    EXPECT_EQ(ReadLE32(&block[40]), 0u);
    EXPECT_EQ(ReadLE32(&block[44]), 0x00FFFFFFu);
    EXPECT_EQ(block[48], 0x00);  // bottom row: pixel 9
    EXPECT_EQ(block[49], 0x40);
    EXPECT_EQ(block[56], 0x80);  // top row: pixels 0 and 9
    EXPECT_EQ(block[57], 0x40);

    auto back = TMaskDib::CreateFromClipboard(clipboard);
    EXPECT_EQ(ToGrid(*back), grid);
    EXPECT_EQ(back->Colors(), 2);
    EXPECT_EQ(back->GetColor(1), RGB(255, 255, 255));
}

TEST(Clipboard, MaskBlocksFromOutsideGoByColour) {
    TMemoryClipboard clipboard;
    // A 1-bit block with its table the other way round: white is index 0.
    auto inverted = FromGrid({"#.#."});
    inverted->SetColor(0, RGB(255, 255, 255));
    inverted->SetColor(1, RGB(0, 0, 0));
    clipboard.SetData(CF_DSPBITMAP, inverted->CreatePacked());
    EXPECT_EQ(ToGrid(*TMaskDib::CreateFromClipboard(clipboard)), (std::vector<std::string>{".#.#"}));

    // A 16-colour block: only pure white is inside.
    auto grey = FromGrid({"f0e1"}, 16);
    clipboard.SetData(CF_DSPBITMAP, grey->CreatePacked());
    EXPECT_EQ(ToGrid(*TMaskDib::CreateFromClipboard(clipboard)), (std::vector<std::string>{"#..."}));

    // A 24-bit block.
    auto rgb = TTrueDib::Create(3, 1);
    std::fill(rgb->ScanLine(0), rgb->ScanLine(0) + 9, 0xFF);
    rgb->ScanLine(0)[5] = 0xFE;
    clipboard.SetData(CF_DSPBITMAP, rgb->CreatePacked());
    EXPECT_EQ(ToGrid(*TMaskDib::CreateFromClipboard(clipboard)), (std::vector<std::string>{"#.#"}));

    // Indices beyond a short table are not white.
    auto shortTable = TDib::Create(2, 1, 3);
    shortTable->SetColor(2, RGB(255, 255, 255));
    shortTable->SetPixel(0, 0, 2);
    shortTable->SetPixel(1, 0, 200);
    clipboard.SetData(CF_DSPBITMAP, shortTable->CreatePacked());
    EXPECT_EQ(ToGrid(*TMaskDib::CreateFromClipboard(clipboard)), (std::vector<std::string>{"#."}));

    // Damaged blocks.
    auto block = TMaskDib::Create(9, 9)->CreatePacked();
    for (size_t cut : {size_t{0}, size_t{20}, size_t{44}, block.size() - 1}) {
        clipboard.SetData(CF_DSPBITMAP, std::vector<uint8_t>(block.begin(), block.begin() + cut));
        EXPECT_THROW(TMaskDib::CreateFromClipboard(clipboard), EPixmoError) << cut;
    }
}

}  // namespace
}  // namespace pixmo
