// The colours of a made icon: a palette of at most 16 entries stays in a 16-colour icon, a
// richer one takes the standard 16, and 256 colours always give 8 bits.
#include <gtest/gtest.h>

#include "formats/icon_file.h"
#include "support/test_support.h"

namespace pixmo {
namespace {

TColorRef At(const TDIIcon& icon, int x, int y) { return icon.Color->GetColor(icon.Color->Pixel(x, y)); }

TEST(IconColors, FewEntriesStayManyTakeTheStandard16And256IsAlways8Bits) {
    std::vector<std::string> rows(32, std::string(16, '1') + std::string(16, '2'));
    rows[31] = std::string(32, '3');  // the transparent colour
    for (auto [colors, colors256] : {std::pair{4, false}, {17, false}, {4, true}, {16, true}, {200, true}}) {
        auto image = test::FromGrid(rows, colors);
        image->SetColor(1, RGB(159, 96, 96));
        image->SetColor(3, RGB(1, 2, 3));
        const TDIIcon icon = MakeIcon(*image, RGB(1, 2, 3), 32, 32, colors256, false);
        EXPECT_EQ(icon.Color->BitCount(), colors256 ? 8 : 4) << colors;
        EXPECT_EQ(At(icon, 0, 0), colors == 17 ? RGB(128, 128, 128) : RGB(159, 96, 96)) << colors;
        EXPECT_EQ(At(icon, 0, 31), RGB(0, 0, 0)) << colors;
        EXPECT_EQ(icon.Mask->Pixel(0, 31), 1) << colors;
    }
    // A full table without black: the transparent colour's entry becomes the black the masked
    // pixels need; every other colour stays.
    auto full = TDib::Create(32, 32, 16);
    for (int i = 0; i < 16; ++i) full->SetColor(i, RGB(100 + i, 50, 50));
    for (int x = 0; x < 32; ++x) full->SetPixel(x, 0, static_cast<uint8_t>(x % 16));
    const TDIIcon icon = MakeIcon(*full, RGB(105, 50, 50), 32, 32, false, false);
    for (int x = 0; x < 16; ++x) EXPECT_EQ(At(icon, x, 0), x == 5 ? RGB(0, 0, 0) : RGB(100 + x, 50, 50)) << x;
}

}  // namespace
}  // namespace pixmo
