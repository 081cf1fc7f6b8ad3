// True-colour pictures of few colours opened as palette images, and transparency kept: an
// RGBA PNG's transparent pixels share one entry with alpha 0, a palette PNG's tRNS goes
// back out on save, and more than 256 colours stay true colour.
#include <gtest/gtest.h>

#include <filesystem>

#include "formats/install_formats.h"
#include "image/dib.h"
#include "image/file_format.h"
#include "image/palette_reduce.h"
#include "png_test_files.h"
#include "support/test_support.h"

namespace pixmo {
namespace {

using test::TBytes;

std::string FindChunk(const TBytes& file, const std::string& type) {
    const std::string text(file.begin(), file.end());
    const size_t at = text.find(type);
    if (at == std::string::npos) return "";
    const uint32_t length = uint32_t(file[at - 4]) << 24 | uint32_t(file[at - 3]) << 16 | uint32_t(file[at - 2]) << 8 | file[at - 1];
    return text.substr(at + 4, length);
}

class Transparency : public ::testing::Test {
protected:
    void SetUp() override {
        InstallFormats();
        dir = test::MakeTempDir();
    }
    void TearDown() override { std::filesystem::remove_all(dir); }
    std::string Write(const std::string& name, const TBytes& bytes) {
        test::WriteFileBytes(dir + "/" + name, bytes);
        return dir + "/" + name;
    }
    std::string dir;
};

TEST_F(Transparency, AnRgbaPngOfFewColoursOpensAsAPaletteImageAndSavesItsTransparency) {
    // Red, then two transparent pixels of different colours, then blue, red; half-opaque green.
    const TBytes rows = {0, 255, 0, 0, 255, 1, 2, 3, 0, 9, 9, 9, 0,
                         0, 0, 0, 255, 255, 255, 0, 0, 255, 0, 255, 0, 128};
    const std::string path = Write("a.png", test::SimplePng(3, 2, 8, 6, rows));
    const auto image = OpenImageFile(path);
    ASSERT_FALSE(image->IsTrueColor());
    EXPECT_EQ(image->BitCount(), 8);
    EXPECT_EQ(test::ToGrid(*image), (std::vector<std::string>{".##", "2.3"}));
    EXPECT_EQ(image->Colors(), 4);
    EXPECT_EQ(image->GetColor(0), RGB(255, 0, 0));
    EXPECT_EQ(image->GetColor(1), RGB(1, 2, 3));  // the first transparent pixel's colour
    EXPECT_EQ(image->GetColor(2), RGB(0, 0, 255));
    EXPECT_EQ(image->Alphas(), (std::vector<uint8_t>{255, 0, 255, 128}));

    image->SaveToFile(dir + "/b.png");
    const TBytes saved = test::ReadFileBytes(dir + "/b.png");
    EXPECT_EQ(FindChunk(saved, "tRNS"), std::string("\xFF\x00\xFF\x80", 4));
    const auto back = OpenImageFile(dir + "/b.png");
    EXPECT_EQ(back->Alphas(), image->Alphas());
    EXPECT_EQ(test::ToGrid(*back), test::ToGrid(*image));

    // The codec's own reading is unchanged: true colour, alpha dropped.
    EXPECT_TRUE(TDib::CreateFromFile(path)->IsTrueColor());
}

TEST_F(Transparency, PaletteTrnsIsKeptAndTrueColourTrnsMarksItsColour) {
    const TBytes plte = {10, 20, 30, 40, 50, 60, 70, 80, 90};
    const TBytes palettePng = test::PngFile({test::PngChunk("IHDR", test::IhdrData(3, 1, 8, 3)),
                                             test::PngChunk("PLTE", plte), test::PngChunk("tRNS", {255, 0}),
                                             test::PngChunk("IDAT", test::Deflate({0, 0, 1, 2})),
                                             test::PngChunk("IEND", {})});
    const auto image = OpenImageFile(Write("p.png", palettePng));
    EXPECT_EQ(image->Alphas(), (std::vector<uint8_t>{255, 0}));
    image->SaveToFile(dir + "/p2.png");
    EXPECT_EQ(FindChunk(test::ReadFileBytes(dir + "/p2.png"), "tRNS"), std::string("\xFF\x00", 2));

    // RGB with the colour 9,9,9 transparent.
    const TBytes rgbPng = test::PngFile({test::PngChunk("IHDR", test::IhdrData(2, 1, 8, 2)),
                                         test::PngChunk("tRNS", {0, 9, 0, 9, 0, 9}),
                                         test::PngChunk("IDAT", test::Deflate({0, 9, 9, 9, 1, 1, 1})),
                                         test::PngChunk("IEND", {})});
    const auto rgb = OpenImageFile(Write("rgb.png", rgbPng));
    ASSERT_FALSE(rgb->IsTrueColor());
    EXPECT_EQ(rgb->Alphas(), (std::vector<uint8_t>{0}));
    EXPECT_EQ(rgb->GetColor(1), RGB(1, 1, 1));
}

TEST_F(Transparency, SixteenBitKeysCompareTheWholeSample) {
    // Grey: ff80 is the key; ff00 has the same high byte and stays opaque.
    const TBytes greyPng = test::PngFile({test::PngChunk("IHDR", test::IhdrData(3, 1, 16, 0)),
                                          test::PngChunk("tRNS", {0xFF, 0x80}),
                                          test::PngChunk("IDAT", test::Deflate({0, 0xFF, 0x80, 0xFF, 0x00, 0x12, 0x34})),
                                          test::PngChunk("IEND", {})});
    const auto grey = OpenImageFile(Write("g16.png", greyPng));
    ASSERT_FALSE(grey->IsTrueColor());
    const int clear = grey->Pixel(0, 0);
    EXPECT_EQ(grey->TransparentEntry(), clear);
    EXPECT_EQ(grey->GetColor(clear), RGB(255, 255, 255));
    EXPECT_NE(grey->Pixel(1, 0), clear);
    EXPECT_EQ(grey->GetColor(grey->Pixel(1, 0)), RGB(255, 255, 255));
    EXPECT_EQ(grey->GetColor(grey->Pixel(2, 0)), RGB(0x12, 0x12, 0x12));

    // Colour: 0102 0304 0506 is the key; 0100 0304 0506 looks the same at 8 bits.
    const TBytes rgbPng = test::PngFile(
        {test::PngChunk("IHDR", test::IhdrData(3, 1, 16, 2)), test::PngChunk("tRNS", {1, 2, 3, 4, 5, 6}),
         test::PngChunk("IDAT", test::Deflate({0, 1, 2, 3, 4, 5, 6, 1, 0, 3, 4, 5, 6, 0xFF, 0xFF, 0, 0, 0, 0})),
         test::PngChunk("IEND", {})});
    const auto rgb = OpenImageFile(Write("c16.png", rgbPng));
    ASSERT_FALSE(rgb->IsTrueColor());
    EXPECT_EQ(test::ToGrid(*rgb), (std::vector<std::string>{".#2"}));
    EXPECT_EQ(rgb->Alphas(), (std::vector<uint8_t>{0}));
    EXPECT_EQ(rgb->GetColor(1), RGB(1, 3, 5));

    // At 8 bits a key sample above 255 matches nothing.
    const TBytes wide = test::PngFile({test::PngChunk("IHDR", test::IhdrData(1, 1, 8, 2)),
                                       test::PngChunk("tRNS", {1, 9, 0, 9, 0, 9}),
                                       test::PngChunk("IDAT", test::Deflate({0, 9, 9, 9})), test::PngChunk("IEND", {})});
    EXPECT_TRUE(OpenImageFile(Write("wide.png", wide))->Alphas().empty());
}

TEST_F(Transparency, ActFilesCarryTheTransparentEntry) {
    const TBytes plte = {10, 20, 30, 40, 50, 60, 70, 80, 90};
    const TBytes png = test::PngFile({test::PngChunk("IHDR", test::IhdrData(3, 1, 8, 3)), test::PngChunk("PLTE", plte),
                                      test::PngChunk("tRNS", {255, 255, 0}),
                                      test::PngChunk("IDAT", test::Deflate({0, 0, 1, 2})), test::PngChunk("IEND", {})});
    OpenImageFile(Write("p.png", png))->SaveToFile(dir + "/p.act");
    const TBytes act = test::ReadFileBytes(dir + "/p.act");
    ASSERT_EQ(act.size(), 772u);
    EXPECT_EQ(act[770] << 8 | act[771], 2);
    OpenImageFile(dir + "/p.act")->SaveToFile(dir + "/back.png");
    EXPECT_EQ(FindChunk(test::ReadFileBytes(dir + "/back.png"), "tRNS"), std::string("\xFF\xFF\x00", 3));

    test::FromGrid({".#"})->SaveToFile(dir + "/opaque.act");
    const TBytes none = test::ReadFileBytes(dir + "/opaque.act");
    EXPECT_EQ(none[770] << 8 | none[771], 0xFFFF);
}

TEST_F(Transparency, MoreThan256ColoursStayTrueColourAndBmpIsReducedToo) {
    auto many = TTrueDib::Create(257, 1);
    for (int x = 0; x < 257; ++x) many->ScanLine(0)[3 * x] = static_cast<uint8_t>(x), many->ScanLine(0)[3 * x + 1] = x > 255;
    many->SaveToFile(dir + "/many.bmp");
    EXPECT_TRUE(OpenImageFile(dir + "/many.bmp")->IsTrueColor());
    auto few = TTrueDib::Create(4, 1);
    few->ScanLine(0)[3] = 200;  // pixel 1 blue
    few->SaveToFile(dir + "/few.bmp");
    const auto opened = OpenImageFile(dir + "/few.bmp");
    EXPECT_EQ(test::ToGrid(*opened), (std::vector<std::string>{".#.."}));
    EXPECT_EQ(opened->GetColor(1), RGB(0, 0, 200));
    EXPECT_TRUE(opened->Alphas().empty());
}

}  // namespace
}  // namespace pixmo
