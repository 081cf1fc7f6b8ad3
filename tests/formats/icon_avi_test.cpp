// Icons and AVI files written and read byte for byte: the ICO layout, the mask rule, hostile
// icon files, the AVI headers and frames, and files that are replaced only when finished.
#include <gtest/gtest.h>

#include <filesystem>

#include "formats/avi_stream.h"
#include "formats/icon_file.h"
#include "image/byte_order.h"
#include "image/byte_source.h"
#include "image/errors.h"
#include "support/test_support.h"

namespace pixmo {
namespace {

namespace fs = std::filesystem;
using test::FromGrid;
using test::ToGrid;

std::vector<uint8_t> IconBytes(const TDib& source, bool colors256, TColorRef transparent) {
    TIcons icons;
    icons.Add(MakeIcon(source, transparent, 32, 32, colors256, false));
    return icons.SaveToBytes();
}

TIcons LoadIcon(const std::vector<uint8_t>& bytes) {
    TMemorySource source(bytes);
    TIcons icons;
    icons.LoadFromSource(source);
    return icons;
}

std::string BadIconMessage(const std::vector<uint8_t>& bytes) {
    try {
        LoadIcon(bytes);
    } catch (const EPixmoError& e) {
        return e.what();
    }
    return "loaded";
}

TEST(IconFile, LayoutOfA16And256ColourIcon) {
    auto source = TDib::Create(100, 60, 16);
    const std::vector<uint8_t> b16 = IconBytes(*source, false, RGB(1, 2, 3));
    EXPECT_EQ(ReadLE16(&b16[0]), 0);
    EXPECT_EQ(ReadLE16(&b16[2]), 1);  // type
    EXPECT_EQ(ReadLE16(&b16[4]), 1);  // count
    EXPECT_EQ(b16[6], 32);
    EXPECT_EQ(b16[7], 32);
    EXPECT_EQ(b16[8], 16);  // colour count
    EXPECT_EQ(ReadLE32(&b16[18]), 22u);  // offset
    const uint32_t block16 = 40 + 16 * 4 + 16 * 32 + 4 * 32;
    EXPECT_EQ(ReadLE32(&b16[14]), block16);
    EXPECT_EQ(b16.size(), 22 + block16);
    EXPECT_EQ(ReadLE32(&b16[22 + 8]), 64u);  // height doubled
    EXPECT_EQ(ReadLE16(&b16[22 + 14]), 4);
    EXPECT_EQ(ReadLE32(&b16[22 + 32]), 16u);                  // colours used
    EXPECT_EQ(ReadLE32(&b16[22 + 20]), 16u * 32 + 4u * 32);  // colour and mask bits

    auto rich = TDib::Create(100, 60, 256);
    const std::vector<uint8_t> b256 = IconBytes(*rich, true, RGB(1, 2, 3));
    EXPECT_EQ(b256[8], 0);
    EXPECT_EQ(ReadLE32(&b256[22 + 32]), 256u);
    EXPECT_EQ(ReadLE32(&b256[14]), 40 + 256 * 4 + 32 * 32 + 4 * 32u);
}

TEST(IconFile, TheTransparentColourIsBlackInTheImageAndWhiteInTheMask) {
    // Index 2 is the transparent colour; the picture is 32 x 32, so no pixel is lost.
    std::vector<std::string> rows(32, std::string(32, '1'));
    rows[0] = std::string(16, '2') + std::string(16, '3');
    rows[31][31] = '2';
    auto source = FromGrid(rows, 4);
    source->SetColor(1, RGB(255, 0, 0));
    source->SetColor(2, RGB(0, 255, 0));
    source->SetColor(3, RGB(0, 0, 255));
    for (bool colors256 : {false, true}) {
        TIcons icons = LoadIcon(IconBytes(*source, colors256, RGB(0, 255, 0)));
        ASSERT_EQ(icons.Count(), 1);
        const TDIIcon& icon = icons.Item(0);
        ASSERT_EQ(icon.Color->GetSize(), (TPoint{32, 32}));
        EXPECT_EQ(icon.Color->Colors(), colors256 ? 4 : 16);
        for (int x = 0; x < 32; ++x) {
            EXPECT_EQ(icon.Mask->Pixel(x, 0), x < 16 ? 1 : 0) << x;
            EXPECT_EQ(icon.Color->GetColor(icon.Color->Pixel(x, 0)), x < 16 ? RGB(0, 0, 0) : RGB(0, 0, 255)) << x;
        }
        EXPECT_EQ(icon.Mask->Pixel(31, 31), 1);
        EXPECT_EQ(icon.Color->GetColor(icon.Color->Pixel(5, 5)), RGB(255, 0, 0));
    }
    EXPECT_THROW(MakeIcon(*source, 0, 32, 32, false, true), EPixmoError);  // no dither on deep screens
}

TEST(IconFile, CursorsAndMalformedFilesAreRefusedAndTheFirstImageIsRead) {
    auto source = FromGrid({"12", "21"}, 4);
    std::vector<uint8_t> good = IconBytes(*source, true, RGB(9, 9, 9));
    std::vector<uint8_t> cursor = good;
    cursor[2] = 2;
    EXPECT_EQ(BadIconMessage(cursor), kMsgBadIcon);

    // Two images: the second entry points at a copy of the block; the first is shown.
    TIcons two;
    two.Add(MakeIcon(*source, 0, 32, 32, true, false));
    two.Add(MakeIcon(*FromGrid({"3"}, 4), 0, 32, 32, true, false));
    const std::vector<uint8_t> both = two.SaveToBytes();
    EXPECT_EQ(ReadLE16(&both[4]), 2);
    EXPECT_EQ(ReadLE32(&both[18]), 38u);
    EXPECT_EQ(ToGrid(*LoadIcon(both).Item(0).Color)[0], ToGrid(*LoadIcon(good).Item(0).Color)[0]);

    // Every truncation and a run of hostile fields: a clean refusal, never a crash.
    for (size_t n = 0; n < good.size(); n += 7)
        EXPECT_EQ(BadIconMessage(std::vector<uint8_t>(good.begin(), good.begin() + long(n))), kMsgBadIcon) << n;
    const std::vector<std::pair<size_t, uint32_t>> hostile = {
        {4, 0},           {14, 0xFFFFFFFF},  {18, 0xFFFFFFF0}, {22, 0x7FFFFFFF},
        {22 + 4, 0x7FFFFFFF}, {22 + 8, 0x80000000}, {22 + 32, 100000}, {22 + 16, 3}};
    for (const auto& [at, value] : hostile) {
        std::vector<uint8_t> bad = good;
        WriteLE32(&bad[at], value);
        EXPECT_NE(BadIconMessage(bad), "loaded") << at;
    }
}

class AviFile : public ::testing::Test {
protected:
    void SetUp() override { dir = test::MakeTempDir(); }
    void TearDown() override { fs::remove_all(dir); }
    std::string Path(const std::string& name) const { return dir + "/" + name; }
    std::string dir;
};

TEST_F(AviFile, HeadersFormatBlockFramesAndIndex) {
    auto image = FromGrid({"0123", "4567", "89ab"}, 16);
    WriteAnimationAvi(*image, {TRect{0, 0, 2, 2}, TRect{2, 0, 4, 3}}, 500, Path("a.avi"));
    const std::vector<uint8_t> b = test::ReadFileBytes(Path("a.avi"));
    auto at = [&](const char* code) {
        const std::string text(b.begin(), b.end());
        const size_t p = text.find(code);
        EXPECT_NE(p, std::string::npos) << code;
        return p;
    };
    EXPECT_EQ(std::string(b.begin(), b.begin() + 4), "RIFF");
    EXPECT_EQ(ReadLE32(&b[4]), b.size() - 8);
    const size_t strh = at("strh") + 8;
    EXPECT_EQ(std::string(&b[strh], &b[strh + 8]), "vidsDIB ");
    EXPECT_EQ(ReadLE32(&b[strh + 20]), 500u);   // scale
    EXPECT_EQ(ReadLE32(&b[strh + 24]), 1000u);  // rate: 2 frames a second
    EXPECT_EQ(ReadLE32(&b[strh + 32]), 2u);     // length
    EXPECT_EQ(ReadLE32(&b[strh + 40]), 0xFFFFFFFFu);  // quality: the default
    const size_t strf = at("strf");
    EXPECT_EQ(ReadLE32(&b[strf + 4]), 40u + 16 * 4);
    EXPECT_EQ(ReadLE32(&b[strf + 8 + 4]), 2u);  // frame 1's width, for every frame
    EXPECT_EQ(ReadLE32(&b[at("strn") + 4]), 64u);
    // Frame 2 is cut at frame 1's size; rows bottom-up, 4-bit, padded to 4 bytes.
    const size_t frame2 = at("00db") + 8 + 8 + 8;
    EXPECT_EQ(b[frame2], 0x67);
    EXPECT_EQ(b[frame2 + 4], 0x23);
    const size_t idx = at("idx1");
    EXPECT_EQ(ReadLE32(&b[idx + 4]), 32u);
    EXPECT_EQ(ReadLE32(&b[idx + 12]), 0x10u);  // key frames
    EXPECT_EQ(ReadLE32(&b[idx + 16]), 4u);     // from "movi"
    EXPECT_EQ(idx + 8 + 32, b.size());

    // 256 colours: a table of 1024 bytes; true colour: none.
    WriteAnimationAvi(*FromGrid({"01"}, 256), {TRect{0, 0, 1, 1}}, 100, Path("b.avi"));
    const std::vector<uint8_t> b8 = test::ReadFileBytes(Path("b.avi"));
    EXPECT_EQ(ReadLE32(&b8[std::string(b8.begin(), b8.end()).find("strf") + 4]), 40u + 1024);
    // An 8-bit image of few colours stays 8 bits: header, then 256 table entries.
    TBitmapInfoHeader eight = test::Header(3, 2, 8, 3);
    const uint32_t table[] = {0x102030, 0x405060, 0x708090};
    const uint8_t pixels[] = {0, 1, 2, 0, 2, 1, 0, 0};
    WriteAnimationAvi(*TDib::CreateFromInfo(eight, table, pixels, sizeof pixels), {TRect{0, 0, 3, 2}}, 100,
                      Path("d.avi"));
    const std::vector<uint8_t> d = test::ReadFileBytes(Path("d.avi"));
    const size_t block = std::string(d.begin(), d.end()).find("strf") + 4;
    std::vector<uint8_t> format = {(40 + 1024) & 0xFF, (40 + 1024) >> 8, 0, 0, 40, 0, 0, 0, 3, 0, 0, 0, 2, 0, 0, 0,
                                   1, 0, 8, 0, 0, 0, 0, 0, 8, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 1, 0, 0, 0, 0, 0, 0,
                                   0x30, 0x20, 0x10, 0, 0x60, 0x50, 0x40, 0, 0x90, 0x80, 0x70, 0};
    format.resize(4 + 40 + 1024);
    EXPECT_EQ(std::vector<uint8_t>(d.begin() + long(block), d.begin() + long(block + format.size())), format);
    WriteAnimationAvi(*TTrueDib::Create(3, 3), {TRect{0, 0, 3, 3}}, 100, Path("c.avi"));
    const std::vector<uint8_t> b24 = test::ReadFileBytes(Path("c.avi"));
    EXPECT_EQ(ReadLE32(&b24[std::string(b24.begin(), b24.end()).find("strf") + 4]), 40u);
}

TEST_F(AviFile, ReplacesAFileOnlyWhenFinishedAndSaysWhatFailed) {
    auto image = FromGrid({"01"}, 2);
    test::WriteFileBytes(Path("old.avi"), {1, 2, 3});
    {
        TAVIStream stream(Path("old.avi"));
        stream.WriteFrame(*image);
    }  // dropped without Close
    EXPECT_EQ(test::ReadFileBytes(Path("old.avi")), (std::vector<uint8_t>{1, 2, 3}));
    EXPECT_EQ(fs::directory_iterator(dir)->path().filename(), "old.avi");
    WriteAnimationAvi(*image, {TRect{0, 0, 2, 1}}, 40, Path("old.avi"));
    EXPECT_GT(fs::file_size(Path("old.avi")), 3u);

    TAVIStream stream(Path("none/x.avi"));
    EXPECT_THROW(
        try { stream.WriteFrame(*image); } catch (const EAvi& e) {
            EXPECT_EQ(std::string(e.what()), "File " + Path("none/x.avi") + " non può essere creato.");
            throw;
        },
        EAvi);
    try {
        stream.SetRate(0, 5);
        FAIL();
    } catch (const EAvi& e) {
        EXPECT_STREQ(e.what(), "TAVIStream.SetRate Il valore trasmesso non è valido: (0, 5)");
    }
}

}  // namespace
}  // namespace pixmo
