// Packed DIBs: the exact block layout, packing at the nominal depth, round trips, and
// refusal of blocks that do not hold what they claim.
#include <gtest/gtest.h>

#include <cstring>
#include <random>

#include "image/byte_order.h"
#include "image/dib.h"
#include "image/dib_canvas.h"
#include "image/errors.h"
#include "image/packed_dib.h"
#include "support/test_support.h"

namespace pixmo {
namespace {

using test::FromGrid;
using test::Header;
using test::ToGrid;

std::string PackedMessage(std::span<const uint8_t> block) {
    try {
        TDib::CreateFromPacked(block);
    } catch (const EPixmoError& e) {
        return e.what();
    }
    return "<no error>";
}

// A hand-made packed block: header fields as given, `tableEntries` table words, then `bits`.
std::vector<uint8_t> Block(TBitmapInfoHeader h, std::vector<uint32_t> table, std::vector<uint8_t> bits) {
    std::vector<uint8_t> out(h.Size > 40 ? h.Size : 40);
    WriteInfoHeader(out.data(), h);
    for (uint32_t w : table) {
        uint8_t b[4];
        WriteLE32(b, w);
        out.insert(out.end(), b, b + 4);
    }
    out.insert(out.end(), bits.begin(), bits.end());
    return out;
}

std::unique_ptr<TDib> RandomImage(int width, int height, int colors, std::mt19937& rng) {
    auto image = colors ? TDib::Create(width, height, colors) : std::unique_ptr<TDib>(TTrueDib::Create(width, height));
    for (int i = 0; i < colors; ++i) image->SetColor(i, static_cast<TColorRef>(rng() & 0xFFFFFF));
    const int bytes = colors ? width : 3 * width;
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < bytes; ++x)
            image->ScanLine(y)[x] = static_cast<uint8_t>(colors ? rng() % colors : rng());
    return image;
}

void ExpectSameImage(const TDib& a, const TDib& b) {
    ASSERT_EQ(a.Width(), b.Width());
    ASSERT_EQ(a.Height(), b.Height());
    ASSERT_EQ(a.BitCount(), b.BitCount());
    ASSERT_EQ(a.Colors(), b.Colors());
    for (int i = 0; i < a.Colors(); ++i) ASSERT_EQ(a.GetColor(i), b.GetColor(i)) << "entry " << i;
    const size_t rowBytes = static_cast<size_t>(a.Width()) * a.PixelBytes();
    for (int y = 0; y < a.Height(); ++y)
        ASSERT_EQ(0, std::memcmp(a.ScanLine(y), b.ScanLine(y), rowBytes)) << "row " << y;
}

TEST(PackedDib, TwoColourLayoutIsExact) {
    auto image = FromGrid({"#.#" + std::string(29, '.') + "#"});  // 33 x 1
    image->SetColor(0, RGB(1, 2, 3));
    image->SetColor(1, RGB(250, 251, 252));
    const std::vector<uint8_t> block = image->CreatePacked();
    ASSERT_EQ(block.size(), 40u + 8u + 8u);
    EXPECT_EQ(ReadLE32(&block[0]), 40u);
    EXPECT_EQ(ReadLE32(&block[4]), 33u);
    EXPECT_EQ(ReadLE32(&block[8]), 1u);
    EXPECT_EQ(ReadLE16(&block[12]), 1u);
    EXPECT_EQ(ReadLE16(&block[14]), 1u);
    EXPECT_EQ(ReadLE32(&block[16]), 0u);
    EXPECT_EQ(ReadLE32(&block[20]), 8u);
    EXPECT_EQ(ReadLE32(&block[24]), 0u);
    EXPECT_EQ(ReadLE32(&block[28]), 0u);
    EXPECT_EQ(ReadLE32(&block[32]), 2u);
    EXPECT_EQ(ReadLE32(&block[36]), 0u);
    // Table entries blue, green, red, 0.
    EXPECT_EQ(std::vector<uint8_t>(block.begin() + 40, block.begin() + 48),
              (std::vector<uint8_t>{3, 2, 1, 0, 252, 251, 250, 0}));
    // Leftmost pixel in the top bit; the row padded with zeros to 8 bytes.
    EXPECT_EQ(std::vector<uint8_t>(block.begin() + 48, block.end()),
              (std::vector<uint8_t>{0xA0, 0, 0, 0, 0x80, 0, 0, 0}));
}

TEST(PackedDib, FourAndEightBitRowsBottomUp) {
    auto four = FromGrid({"123", "fe."}, 16);
    const std::vector<uint8_t> b4 = four->CreatePacked();
    ASSERT_EQ(b4.size(), 40u + 64u + 8u);
    // Bottom row first, high nibble leftmost.
    EXPECT_EQ(std::vector<uint8_t>(b4.begin() + 104, b4.end()),
              (std::vector<uint8_t>{0xFE, 0x00, 0, 0, 0x12, 0x30, 0, 0}));

    auto eight = FromGrid({"12345", "67890"}, 17);
    EXPECT_EQ(eight->BitCount(), 8);
    const std::vector<uint8_t> b8 = eight->CreatePacked();
    ASSERT_EQ(b8.size(), 40u + 68u + 16u);
    EXPECT_EQ(std::vector<uint8_t>(b8.begin() + 108, b8.end()),
              (std::vector<uint8_t>{6, 7, 8, 9, 0, 0, 0, 0, 1, 2, 3, 4, 5, 0, 0, 0}));
}

TEST(PackedDib, IndicesBeyondTheDepthAreClamped) {
    auto four = TDib::Create(2, 1, 16);
    four->SetPixel(0, 0, 200);
    four->SetPixel(1, 0, 15);
    const auto b4 = four->CreatePacked();
    EXPECT_EQ(b4[40 + 64], 0xFF);

    auto mask = TMaskDib::Create(3, 1);
    mask->SetPixel(0, 0, 255);
    mask->SetPixel(2, 0, 2);
    const auto bm = mask->CreatePacked();
    EXPECT_EQ(bm[48], 0xA0);
    EXPECT_EQ(ToGrid(*TDib::CreateFromPacked(bm)), (std::vector<std::string>{"#.#"}));
}

TEST(PackedDib, TrueColourHasNoTable) {
    auto image = TTrueDib::Create(2, 1);
    const uint8_t px[6] = {1, 2, 3, 4, 5, 6};
    std::memcpy(image->ScanLine(0), px, 6);
    const auto block = image->CreatePacked();
    ASSERT_EQ(block.size(), 48u);
    EXPECT_EQ(ReadLE16(&block[14]), 24u);
    EXPECT_EQ(ReadLE32(&block[32]), 0u);
    EXPECT_EQ(std::vector<uint8_t>(block.begin() + 40, block.end()), (std::vector<uint8_t>{1, 2, 3, 4, 5, 6, 0, 0}));
}

TEST(PackedDib, RoundTripsEveryDepthAtOddWidths) {
    std::mt19937 rng(7);
    for (int colors : {2, 16, 256, 0}) {
        std::vector<int> widths;
        for (int w = 1; w <= 40; ++w) widths.push_back(w);
        widths.insert(widths.end(), {255, 257, 1001});
        for (int width : widths) {
            SCOPED_TRACE("colours " + std::to_string(colors) + " width " + std::to_string(width));
            auto image = RandomImage(width, 3, colors, rng);
            const auto block = image->CreatePacked();
            ASSERT_EQ(static_cast<int64_t>(block.size()), image->PackedSize());
            auto back = TDib::CreateFromPacked(block);
            ExpectSameImage(*image, *back);
        }
    }
    // A table shorter than the depth's count keeps its length.
    auto three = RandomImage(9, 2, 3, rng);
    auto back = TDib::CreateFromPacked(three->CreatePacked());
    ExpectSameImage(*three, *back);
}

TEST(PackedDib, PackedRectCopiesThePart) {
    auto image = FromGrid({"#..#", ".##.", "#..."});
    EXPECT_TRUE(image->CreatePackedRect(TRect{2, 1, 2, 3}).empty());
    EXPECT_TRUE(image->CreatePackedRect(TRect{}).empty());
    auto part = TDib::CreateFromPacked(image->CreatePackedRect(TRect{1, 0, 4, 2}));
    EXPECT_EQ(ToGrid(*part), (std::vector<std::string>{"..#", "##."}));
    EXPECT_EQ(part->Colors(), 2);
}

TEST(PackedDib, TableLocationFollowsTheColoursUsedField) {
    // Colours used 0 at 8 bits: 256 entries, pixels after them.
    std::vector<uint32_t> table(256, 0);
    table[5] = 0x00112233;
    auto full = TDib::CreateFromPacked(Block(Header(1, 1, 8, 0), table, {5, 0, 0, 0}));
    EXPECT_EQ(full->Colors(), 256);
    EXPECT_EQ(full->Pixel(0, 0), 5);
    EXPECT_EQ(full->GetColor(5), RGB(0x11, 0x22, 0x33));

    // More entries than the depth holds: the depth's count is kept, pixels follow all of them.
    std::vector<uint32_t> table3(3, 0x00FFFFFF);
    auto clamped = TDib::CreateFromPacked(Block(Header(1, 1, 1, 3), table3, {0x80, 0, 0, 0}));
    EXPECT_EQ(clamped->Colors(), 2);
    EXPECT_EQ(clamped->Pixel(0, 0), 1);

    // 24 bits with a table (an optimisation hint): the pixels follow it.
    auto hinted = TDib::CreateFromPacked(Block(Header(1, 1, 24, 1), {0x00ABCDEF}, {9, 8, 7, 0}));
    EXPECT_EQ(hinted->Colors(), 0);
    EXPECT_EQ(hinted->ScanLine(0)[0], 9);

    // A longer header: the table follows the whole of it.
    TBitmapInfoHeader v5 = Header(1, 1, 1, 2);
    v5.Size = 124;
    auto longHeader = TDib::CreateFromPacked(Block(v5, {0, 0x00FF0000}, {0x80, 0, 0, 0}));
    EXPECT_EQ(longHeader->GetColor(1), RGB(255, 0, 0));
    EXPECT_EQ(longHeader->Pixel(0, 0), 1);
}

TEST(PackedDib, RefusesBlocksThatDoNotHoldWhatTheyClaim) {
    const std::vector<uint8_t> good = Block(Header(3, 2, 8, 2), {0, 0xFFFFFF}, std::vector<uint8_t>(8, 1));
    ASSERT_EQ(PackedMessage(good), "<no error>");

    EXPECT_EQ(PackedMessage({}), kMsgBadInfoHeader);
    EXPECT_EQ(PackedMessage(std::span(good).first(39)), kMsgBadInfoHeader);
    TBitmapInfoHeader small = Header(3, 2, 8, 2);
    small.Size = 12;
    EXPECT_EQ(PackedMessage(Block(small, {0, 0}, std::vector<uint8_t>(8))), kMsgBadInfoHeader);
    TBitmapInfoHeader huge = Header(3, 2, 8, 2);
    huge.Size = 0xFFFFFFF0;
    std::vector<uint8_t> hugeBlock(64);
    WriteInfoHeader(hugeBlock.data(), huge);
    EXPECT_EQ(PackedMessage(hugeBlock), kMsgBadInfoHeader);

    EXPECT_EQ(PackedMessage(std::span(good).first(45)), kMsgColorTableShort);
    EXPECT_EQ(PackedMessage(Block(Header(3, 2, 8, 0xFFFFFFFF), {0, 0}, std::vector<uint8_t>(8))), kMsgColorTableShort);
    EXPECT_EQ(PackedMessage(std::span(good).first(good.size() - 1)), kMsgBitsShort);
    EXPECT_EQ(PackedMessage(std::span(good).first(48)), kMsgBitsShort);
    // Rows that would need gigabytes are refused from the length alone.
    EXPECT_EQ(PackedMessage(Block(Header(8000, 8000, 24, 0), {}, std::vector<uint8_t>(100))), kMsgBitsShort);

    // The image model's own checks come before the table and rows are looked at.
    TBitmapInfoHeader planes = Header(3, 2, 8, 2);
    planes.Planes = 2;
    EXPECT_EQ(PackedMessage(Block(planes, {}, {})), "");
    TBitmapInfoHeader rle = Header(3, 2, 8, 2);
    rle.Compression = 1;
    EXPECT_EQ(PackedMessage(Block(rle, {}, {})), "E' stato compresso!");
    EXPECT_EQ(PackedMessage(Block(Header(3, 2, 16, 0), {}, {})), DepthRefusedMessage(16));
    EXPECT_EQ(PackedMessage(Block(Header(8001, 1, 8, 0), {}, {})), "L'immagine è troppo grande");
    EXPECT_EQ(PackedMessage(Block(Header(0, 5, 8, 0), {}, {})), "Dimensioni non valide: 0 x 5");
    EXPECT_EQ(PackedMessage(Block(Header(3, -2, 8, 0), {}, {})), "Dimensioni non valide: 3 x -2");
}

TEST(PackedDib, DrawPackedMatchesColoursToTheTarget) {
    auto target = FromGrid({"....", "...."});  // black, white
    auto source = FromGrid({"#.", ".#"});
    source->SetColor(0, RGB(255, 255, 255));
    source->SetColor(1, RGB(0, 0, 0));
    target->Canvas().CopyMode = TCopyMode::SrcInvert;
    target->DrawPacked(TPoint{1, 0}, source->CreatePacked());
    EXPECT_EQ(ToGrid(*target), (std::vector<std::string>{"..#.", ".#.."}));
    EXPECT_EQ(target->Canvas().CopyMode, TCopyMode::SrcInvert);
}

}  // namespace
}  // namespace pixmo
