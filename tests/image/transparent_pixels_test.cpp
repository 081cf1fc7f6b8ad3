// Transparent pixels given an entry of their own in a full 8-bit table: a repeated colour is
// freed first, and with 256 different colours in use the rarest gives way to its nearest.
#include <gtest/gtest.h>

#include "image/dib.h"
#include "image/transparent_pixels.h"

namespace pixmo {
namespace {

TEST(TransparentPixels, AFullTableFreesARepeatedColourElseTheRarest) {
    // 256 x 2: row 0 shows every entry once, row 1 entry 7 again and then entry 200.
    auto image = TDib::Create(256, 2, 256);
    for (int i = 0; i < 256; ++i) {
        image->SetColor(i, RGB(i, i, 255 - i));
        image->SetPixel(i, 0, static_cast<uint8_t>(i));
        image->SetPixel(i, 1, static_cast<uint8_t>(i < 128 ? 7 : 200));
    }
    std::vector<uint8_t> alpha(512, 255);
    alpha[256 + 5] = 0;  // one pixel of entry 7 in row 1 is transparent

    // Entry 9 repeats entry 3: its pixel moves to 3 and entry 9 is the transparent one.
    auto twin = TDib::CreateClone(*image);
    twin->SetColor(9, RGB(3, 3, 252));
    twin = WithTransparentPixels(std::move(twin), alpha);
    EXPECT_EQ(twin->Pixel(9, 0), 3);
    EXPECT_EQ(twin->Pixel(5, 1), 9);
    EXPECT_EQ(twin->GetColor(9), RGB(7, 7, 248));
    EXPECT_EQ(twin->TransparentEntry(), 9);

    // All different: entry 0, used once, goes to its nearest colour (entry 1).
    image = WithTransparentPixels(std::move(image), alpha);
    EXPECT_EQ(image->Colors(), 256);
    EXPECT_EQ(image->Pixel(0, 0), 1);
    EXPECT_EQ(image->Pixel(5, 1), 0);
    EXPECT_EQ(image->Pixel(6, 1), 7);
    EXPECT_EQ(image->GetColor(0), RGB(7, 7, 248));
    EXPECT_EQ(image->TransparentEntry(), 0);
}

}  // namespace
}  // namespace pixmo
