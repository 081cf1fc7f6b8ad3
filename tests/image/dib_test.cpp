// The in-memory image: storage, header checks, colour table, registry and masks.
#include <gtest/gtest.h>

#include "image/dib.h"
#include "image/dib_canvas.h"
#include "image/errors.h"
#include "support/test_support.h"

namespace pixmo {
namespace {

using test::FromGrid;
using test::Header;
using test::ToGrid;

std::string MessageOf(TBitmapInfoHeader h) {
    try {
        TDib::CreateFromInfo(h, {}, nullptr, 0);
    } catch (const EPixmoError& e) {
        return e.what();
    }
    return "<no error>";
}

TEST(DibStorage, OneBytePerPixelWhateverTheNominalDepth) {
    auto two = TDib::Create(33, 1, 2);
    EXPECT_EQ(two->BitCount(), 1);
    EXPECT_EQ(two->LineBytes(), 36);
    EXPECT_EQ(two->ImageSize(), 8);
    EXPECT_EQ(two->HeaderSize(), 48);

    auto sixteen = TDib::Create(3, 2, 16);
    EXPECT_EQ(sixteen->BitCount(), 4);
    EXPECT_EQ(sixteen->LineBytes(), 4);
    EXPECT_EQ(sixteen->ImageSize(), 8);

    auto truecolor = TTrueDib::Create(5, 3);
    EXPECT_EQ(truecolor->Colors(), 0);
    EXPECT_EQ(truecolor->BitCount(), 24);
    EXPECT_EQ(truecolor->LineBytes(), 16);
    EXPECT_EQ(truecolor->HeaderSize(), 40);

    // Rows are bottom-up: the top row is the last in memory.
    auto img = TDib::Create(2, 3, 256);
    img->SetPixel(1, 0, 7);
    EXPECT_EQ(img->Bits()[2 * img->LineBytes() + 1], 7);
    for (size_t i = 0; i < static_cast<size_t>(img->LineBytes()) * 3; ++i) {
        if (i != static_cast<size_t>(2 * img->LineBytes() + 1)) {
            EXPECT_EQ(img->Bits()[i], 0);
        }
    }
}

TEST(DibDepthRules, ColoursAndDepths) {
    EXPECT_EQ(ColorsOfDepth(1), 2);
    EXPECT_EQ(ColorsOfDepth(4), 16);
    EXPECT_EQ(ColorsOfDepth(8), 256);
    EXPECT_EQ(ColorsOfDepth(24), 0);
    EXPECT_EQ(ColorsOfDepth(32), 0);
    try {
        ColorsOfDepth(3);
        FAIL();
    } catch (const EPixmoError& e) {
        EXPECT_STREQ(e.what(), "An illegal bit count:3");
    }
    EXPECT_EQ(DepthForColors(0), 24);
    EXPECT_EQ(DepthForColors(1), 1);
    EXPECT_EQ(DepthForColors(2), 1);
    EXPECT_EQ(DepthForColors(3), 4);
    EXPECT_EQ(DepthForColors(16), 4);
    EXPECT_EQ(DepthForColors(17), 8);
    EXPECT_EQ(DepthForColors(256), 8);
    EXPECT_EQ(DepthForColors(257), 24);
    EXPECT_EQ(DepthRefusedMessage(16), "16ﾋﾞｯﾄﾊｲｶﾗｰ doesn't cope with a picture.");
    EXPECT_EQ(DepthRefusedMessage(5), "？？色 doesn't cope with a picture.");
}

TEST(DibCreateFromInfo, ChecksInOrderWithTheirMessages) {
    TBitmapInfoHeader planes = Header(4, 4, 8);
    planes.Planes = 2;
    EXPECT_EQ(MessageOf(planes), "");

    // Compression is looked at before the depth.
    TBitmapInfoHeader rle = Header(4, 4, 7);
    rle.Compression = 1;
    EXPECT_EQ(MessageOf(rle), "E' stato compresso!");

    EXPECT_EQ(MessageOf(Header(4, 4, 16)), "16ﾋﾞｯﾄﾊｲｶﾗｰ doesn't cope with a picture.");
    EXPECT_EQ(MessageOf(Header(4, 4, 32)), "32ﾋﾞｯﾄﾌﾙｶﾗｰ doesn't cope with a picture.");
    EXPECT_EQ(MessageOf(Header(8001, 1, 8)), "L'immagine è troppo grande");
    EXPECT_EQ(MessageOf(Header(1, 8001, 8)), "L'immagine è troppo grande");
    EXPECT_EQ(MessageOf(Header(0, 5, 8)), "Dimensioni non valide: 0 x 5");
    EXPECT_EQ(MessageOf(Header(5, -3, 8)), "Dimensioni non valide: 5 x -3");

    TBitmapInfoHeader big = Header(8000, 1, 1);
    auto wide = TDib::CreateFromInfo(big, {}, nullptr, 0);
    EXPECT_EQ(wide->Width(), 8000);
}

TEST(DibCreateFromInfo, ColoursUsedAndBits) {
    // Colours used 0 is filled from the depth, in the caller's header too.
    TBitmapInfoHeader h = Header(3, 2, 8);
    auto img = TDib::CreateFromInfo(h, {}, nullptr, 0);
    EXPECT_EQ(h.ClrUsed, 256u);
    EXPECT_EQ(img->Colors(), 256);

    // 4-bit rows, bottom-up, high nibble first.
    TBitmapInfoHeader h4 = Header(3, 2, 4);
    h4.ClrUsed = 16;
    const uint8_t bits4[] = {0x12, 0x30, 0, 0, 0xAB, 0xC0, 0, 0};
    uint32_t table[16] = {};
    table[10] = 0x00FF0000;
    auto img4 = TDib::CreateFromInfo(h4, table, bits4, sizeof bits4);
    EXPECT_EQ(ToGrid(*img4), (std::vector<std::string>{"abc", "#23"}));
    EXPECT_EQ(img4->GetColor(10), RGB(255, 0, 0));

    // 1-bit, leftmost pixel in the most significant bit.
    TBitmapInfoHeader h1 = Header(10, 1, 1);
    const uint8_t bits1[] = {0xA0, 0x40, 0, 0};
    auto img1 = TDib::CreateFromInfo(h1, {}, bits1, sizeof bits1);
    EXPECT_EQ(ToGrid(*img1)[0], "#.#......#");

    // Bits that do not cover every row are refused.
    TBitmapInfoHeader hs = Header(10, 2, 1);
    EXPECT_THROW(TDib::CreateFromInfo(hs, {}, bits1, sizeof bits1), EPixmoError);

    // A true-colour image built from paletted bits draws them through their colours.
    TBitmapInfoHeader ht = Header(2, 1, 1);
    const uint32_t bw[2] = {0x00102030, 0x00FFEEDD};
    const uint8_t bitsT[] = {0x40, 0, 0, 0};
    auto t = TTrueDib::CreateFromInfo(ht, bw, bitsT, sizeof bitsT);
    EXPECT_EQ(t->BitCount(), 24);
    EXPECT_EQ(t->Colors(), 0);
    EXPECT_EQ(t->GetPixel(0, 0)[0], 0x30);
    EXPECT_EQ(t->GetPixel(0, 0)[2], 0x10);
    EXPECT_EQ(t->GetPixel(1, 0)[1], 0xEE);
}

TEST(DibColorTable, SetColorIndexOfColorAndPalette) {
    auto img = TDib::Create(2, 2, 16);
    img->SetColor(3, RGB(10, 20, 30));
    img->SetColor(5, RGB(10, 20, 30));
    EXPECT_EQ(img->ColorTable()[3], 0x000A141Eu);  // 0x00RRGGBB as a table word
    EXPECT_EQ(img->GetColor(3), RGB(10, 20, 30));
    EXPECT_EQ(img->IndexOfColor(RGB(10, 20, 30)), 3);
    EXPECT_EQ(img->IndexOfColor(RGB(1, 2, 3)), -1);

    const TPalette* pal = img->PaletteHandle();
    ASSERT_NE(pal, nullptr);
    EXPECT_EQ(pal->Entries.size(), 16u);
    EXPECT_EQ(pal->Entries[3], (TPaletteEntry{10, 20, 30, 0}));
    // Setting a colour already there leaves the cached palette alone; a new one updates it.
    img->SetColor(3, RGB(10, 20, 30));
    EXPECT_EQ(img->PaletteHandle(), pal);
    img->SetColor(4, RGB(200, 0, 1));
    EXPECT_EQ(img->PaletteHandle(), pal);
    EXPECT_EQ(pal->Entries[4], (TPaletteEntry{200, 0, 1, 0}));

    TPalette other;
    other.Entries.assign(20, TPaletteEntry{1, 2, 3, 0});
    img->SetPaletteHandle(other);
    EXPECT_FALSE(img->HasCachedPalette());
    EXPECT_EQ(img->GetColor(15), RGB(1, 2, 3));

    EXPECT_EQ(TTrueDib::Create(1, 1)->PaletteHandle(), nullptr);
}

TEST(DibRegistry, EveryImageIsListedWhileAlive) {
    const size_t before = TDib::Registry().size();
    {
        auto a = TDib::Create(1, 1, 2);
        auto m = TMaskDib::Create(1, 1);
        EXPECT_EQ(TDib::Registry().size(), before + 2);
        EXPECT_EQ(TDib::Registry().back(), m.get());
    }
    EXPECT_EQ(TDib::Registry().size(), before);
    // A constructor that fails leaves nothing registered.
    TBitmapInfoHeader bad = Header(0, 0, 8);
    EXPECT_THROW(TDib::CreateFromInfo(bad, {}, nullptr, 0), EPixmoError);
    EXPECT_EQ(TDib::Registry().size(), before);
}

TEST(DibCopies, CloneResizedRectAndTrue) {
    auto src = FromGrid({"123", "456"}, 16);
    src->SetColor(4, RGB(9, 8, 7));
    auto clone = TDib::CreateClone(*src);
    EXPECT_EQ(ToGrid(*clone), ToGrid(*src));
    EXPECT_EQ(clone->BitCount(), 4);
    EXPECT_EQ(clone->GetColor(4), RGB(9, 8, 7));

    auto bigger = TDib::CreateResized(*src, TPoint{4, 3});
    EXPECT_EQ(ToGrid(*bigger), (std::vector<std::string>{"#23.", "456.", "...."}));
    auto smaller = TDib::CreateResized(*src, TPoint{2, 1});
    EXPECT_EQ(ToGrid(*smaller), (std::vector<std::string>{"#2"}));

    auto part = TDib::CreateFromRect(*src, Rect(1, 1, 3, 2));
    EXPECT_EQ(ToGrid(*part), (std::vector<std::string>{"56"}));
    EXPECT_EQ(part->GetColor(4), RGB(9, 8, 7));

    auto t = TTrueDib::CreateTrue(*src);
    const uint8_t* p = t->GetPixel(0, 1);  // index 4
    EXPECT_EQ(p[0], 7);
    EXPECT_EQ(p[1], 8);
    EXPECT_EQ(p[2], 9);
}

TEST(TrueDibSample, BilinearWithRounding) {
    auto t = TTrueDib::Create(2, 2);
    auto set = [&](int x, int y, int v) {
        uint8_t* p = t->ScanLine(y) + 3 * x;
        p[0] = p[1] = p[2] = static_cast<uint8_t>(v);
    };
    set(0, 0, 0);
    set(1, 0, 100);
    set(0, 1, 200);
    set(1, 1, 255);
    EXPECT_EQ(t->Sample(0, 0), RGB(0, 0, 0));
    EXPECT_EQ(t->Sample(0, 0.5), RGB(50, 50, 50));
    EXPECT_EQ(t->Sample(0.5, 0), RGB(100, 100, 100));
    // 0.25*0 + 0.25*100 + 0.25*200 + 0.25*255 = 138.75 -> 139
    EXPECT_EQ(t->Sample(0.5, 0.5), RGB(139, 139, 139));
}

TEST(MaskDib, NewMasksAreEmptyBlackAndWhite) {
    auto m = TMaskDib::Create(3, 2);
    EXPECT_EQ(m->Colors(), 2);
    EXPECT_EQ(m->BitCount(), 1);
    EXPECT_EQ(m->GetColor(0), RGB(0, 0, 0));
    EXPECT_EQ(m->GetColor(1), RGB(255, 255, 255));
    EXPECT_EQ(ToGrid(*m), (std::vector<std::string>{"...", "..."}));
    EXPECT_TRUE(m->Bounds().IsEmpty());
    EXPECT_FALSE(m->Contains(TPoint{0, 0}));
    m->SetPixel(2, 1, 200);  // any non-zero value is inside
    EXPECT_TRUE(m->Contains(TPoint{2, 1}));
    EXPECT_FALSE(m->Contains(TPoint{3, 1}));
    EXPECT_FALSE(m->Contains(TPoint{-1, 0}));
}

TEST(MaskDib, BoundsIn) {
    auto grid = FromGrid({
        "......",
        "..#...",
        "....#.",
        "......",
    });
    auto m = TMaskDib::Create(6, 4);
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 6; ++x) m->SetPixel(x, y, grid->Pixel(x, y));
    EXPECT_EQ(m->Bounds(), Rect(2, 1, 5, 3));
    EXPECT_EQ(m->BoundsIn(Rect(0, 0, 4, 4)), Rect(2, 1, 3, 2));
    EXPECT_EQ(m->BoundsIn(Rect(3, 2, 6, 4)), Rect(4, 2, 5, 3));
    EXPECT_TRUE(m->BoundsIn(Rect(0, 3, 6, 4)).IsEmpty());
    EXPECT_EQ(m->BoundsIn(Rect(-10, -10, 100, 100)), Rect(2, 1, 5, 3));
}

std::unique_ptr<TMaskDib> MaskOf(const std::vector<std::string>& rows) {
    auto grid = FromGrid(rows);
    auto m = TMaskDib::Create(grid->Width(), grid->Height());
    for (int y = 0; y < grid->Height(); ++y)
        for (int x = 0; x < grid->Width(); ++x) m->SetPixel(x, y, grid->Pixel(x, y));
    return m;
}

TEST(MaskDib, RowBandAndDiffBand) {
    auto m = MaskOf({
        "#.....",
        "......",
        "...#..",
        ".#....",
        "....##",
        "......",
    });
    TRect r;
    m->RowBand(TPoint{3, 3}, r);
    EXPECT_EQ(r, Rect(1, 2, 6, 5));
    m->RowBand(TPoint{0, 1}, r);  // empty row: nothing below, nothing above it counted
    EXPECT_EQ(r, Rect(0, 0, 1, 1));
    m->RowBand(TPoint{9, 1}, r);
    EXPECT_TRUE(r.IsEmpty());

    auto a = FromGrid({"1234", "1234", "1234"}, 16);
    auto b = FromGrid({"1234", "1934", "1235"}, 16);
    a->DiffBand(*b, TPoint{1, 1}, r);
    EXPECT_EQ(r, Rect(1, 1, 4, 3));
}

TEST(MaskDib, BuildFromColorWithAndWithoutTolerance) {
    auto img = FromGrid({"0123", "3210"}, 4);
    img->SetColor(0, RGB(0, 0, 0));
    img->SetColor(1, RGB(100, 100, 100));
    img->SetColor(2, RGB(104, 96, 100));
    img->SetColor(3, RGB(100, 100, 106));
    auto m = TMaskDib::CreateFromColor(*img, true, RGB(100, 100, 100));
    EXPECT_EQ(ToGrid(*m), (std::vector<std::string>{".#..", "..#."}));
    auto out = TMaskDib::CreateFromColor(*img, false, RGB(100, 100, 100));
    EXPECT_EQ(ToGrid(*out), (std::vector<std::string>{"#.##", "##.#"}));
    m->BuildFromColor(*img, RGB(100, 100, 100), 4, true);
    EXPECT_EQ(ToGrid(*m), (std::vector<std::string>{".##.", ".##."}));
    m->BuildFromColor(*img, RGB(100, 100, 100), 6, true);
    EXPECT_EQ(ToGrid(*m), (std::vector<std::string>{".###", "###."}));
}

TEST(MaskDib, SelectSurfaceAndBorder) {
    auto img = FromGrid({
        "..#..",
        "..#..",
        "###..",
        ".....",
    });
    auto m = TMaskDib::Create(5, 4);
    m->SelectSurface(img.get(), TPoint{0, 0}, 0);
    EXPECT_EQ(ToGrid(*m), (std::vector<std::string>{"##...", "##...", ".....", "....."}));
    m->SelectSurface(img.get(), TPoint{4, 0}, 0);
    EXPECT_EQ(ToGrid(*m), (std::vector<std::string>{"...##", "...##", "...##", "#####"}));

    // Outside the image, a negative tolerance or no image: the mask stays as it was.
    auto before = ToGrid(*m);
    m->SelectSurface(img.get(), TPoint{5, 0}, 0);
    m->SelectSurface(img.get(), TPoint{0, 0}, -1);
    m->SelectSurface(nullptr, TPoint{0, 0}, 0);
    EXPECT_EQ(ToGrid(*m), before);

    // Border: the area around the point up to the border colour (index 1, white).
    m->SelectBorder(img.get(), TPoint{0, 1}, 0, img->GetColor(1));
    EXPECT_EQ(ToGrid(*m), (std::vector<std::string>{"##...", "##...", ".....", "....."}));
    m->SelectBorder(img.get(), TPoint{2, 2}, 0, img->GetColor(1));
    EXPECT_EQ(ToGrid(*m), (std::vector<std::string>{".....", ".....", ".....", "....."}));
}

}  // namespace
}  // namespace pixmo
