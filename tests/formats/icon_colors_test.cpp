// The colours of a written icon: a palette of at most 16 entries is kept in a 16-colour icon,
// a richer one takes the standard 16, and 256 colours always give an 8-bit icon.
#include <gtest/gtest.h>

#include "formats/icon_file.h"
#include "image/byte_order.h"
#include "support/test_support.h"

namespace pixmo {
namespace {

using test::FromGrid;

// The icon as made, and the file it gives in `bytes`.
TDIIcon Written(const TDib& source, bool colors256, TColorRef transparent, std::vector<uint8_t>* bytes) {
    TIcons icons;
    icons.Add(MakeIcon(source, transparent, 32, 32, colors256, false));
    *bytes = icons.SaveToBytes();
    return std::move(icons.Item(0));
}

TColorRef At(const TDIIcon& icon, int x, int y) { return icon.Color->GetColor(icon.Color->Pixel(x, y)); }

TEST(IconColors, FewEntriesKeepTheirColoursManyTakeTheStandard16And256IsAlways8Bits) {
    // Left half entry 1, right half entry 2; the bottom row entry 3 (transparent).
    std::vector<std::string> rows(32, std::string(16, '1') + std::string(16, '2'));
    rows[31] = std::string(32, '3');
    auto few = FromGrid(rows, 4);
    few->SetColor(1, RGB(159, 96, 96));
    few->SetColor(2, RGB(10, 200, 30));
    few->SetColor(3, RGB(255, 255, 255));
    std::vector<uint8_t> bytes;
    TDIIcon icon = Written(*few, false, RGB(255, 255, 255), &bytes);
    EXPECT_EQ(ReadLE16(&bytes[22 + 14]), 4);
    EXPECT_EQ(icon.Color->Colors(), 16);
    EXPECT_EQ(At(icon, 0, 0), RGB(159, 96, 96));
    EXPECT_EQ(At(icon, 31, 0), RGB(10, 200, 30));
    EXPECT_EQ(At(icon, 0, 31), RGB(0, 0, 0));
    EXPECT_EQ(icon.Mask->Pixel(0, 31), 1);
    EXPECT_EQ(icon.Mask->Pixel(0, 30), 0);

    // The same picture on a table of 17 entries lands on the standard colours.
    auto many = FromGrid(rows, 17);
    many->SetColor(1, RGB(159, 96, 96));
    icon = Written(*many, false, RGB(1, 2, 3), &bytes);
    EXPECT_EQ(At(icon, 0, 0), RGB(128, 128, 128));

    // 256 colours: 8 bits and the image's own colours, whatever the table's size.
    for (int colors : {2, 16, 200}) {
        auto image = FromGrid(rows, colors);
        image->SetColor(1, RGB(159, 96, 96));
        icon = Written(*image, true, RGB(1, 2, 3), &bytes);
        EXPECT_EQ(bytes[8], 0) << colors;
        EXPECT_EQ(ReadLE16(&bytes[22 + 14]), 8) << colors;
        EXPECT_EQ(At(icon, 0, 0), RGB(159, 96, 96)) << colors;
    }

    // A full table without black: the transparent colour's entry becomes the black that
    // masked pixels need, every other colour stays.
    auto full = TDib::Create(32, 32, 16);
    for (int i = 0; i < 16; ++i) full->SetColor(i, RGB(100 + i, 50, 50));
    for (int y = 0; y < 32; ++y)
        for (int x = 0; x < 32; ++x) full->SetPixel(x, y, static_cast<uint8_t>(x % 16));
    icon = Written(*full, false, RGB(105, 50, 50), &bytes);
    for (int x = 0; x < 16; ++x) {
        EXPECT_EQ(icon.Mask->Pixel(x, 3), x == 5 ? 1 : 0) << x;
        EXPECT_EQ(At(icon, x, 3), x == 5 ? RGB(0, 0, 0) : RGB(100 + x, 50, 50)) << x;
    }
}

}  // namespace
}  // namespace pixmo
