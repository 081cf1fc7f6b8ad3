// Animations opened again: GIF and APNG written then read give the same sheet, frames and
// delays; frames and delays kept in the PNG's own chunk; the AVI's frame repetition; the
// refusals of frames that do not fit one palette.
#include <gtest/gtest.h>

#include <filesystem>

#include "formats/animation_file.h"
#include "formats/avi_stream.h"
#include "formats/frames_chunk.h"
#include "formats/install_formats.h"
#include "formats/png_chunks.h"
#include "image/byte_order.h"
#include "image/dib.h"
#include "image/errors.h"
#include "image/file_format.h"
#include "support/test_support.h"

namespace pixmo {
namespace {

namespace fs = std::filesystem;

// Each pixel's colour as "rrggbb", or "--" where transparent: independent of entry order.
std::vector<std::string> Colours(const TDib& image, const TRect& r) {
    std::vector<std::string> out;
    const int clear = image.TransparentEntry();
    for (int y = r.Top; y < r.Bottom; ++y)
        for (int x = r.Left; x < r.Right; ++x) {
            const int index = image.Pixel(x, y);
            out.push_back(index == clear ? "--" : Format("%06x", image.GetColor(index) & 0xFFFFFF));
        }
    return out;
}

class AnimationOpen : public ::testing::Test {
protected:
    void SetUp() override {
        InstallFormats();
        dir = test::MakeTempDir();
        sheet = test::FromGrid({".#2345678", "9abcdef.#"}, 16);
        sheet->SetAlphas({255, 255, 0});  // entry 2 transparent
    }
    void TearDown() override { fs::remove_all(dir); }
    std::string Path(const std::string& name) const { return dir + "/" + name; }
    const TSheetFrames frames = {{TRect{0, 0, 3, 2}, 100}, {TRect{3, 0, 6, 2}, 300}, {TRect{6, 0, 9, 2}, 100}};
    std::unique_ptr<TDib> sheet;
    std::string dir;
};

TEST_F(AnimationOpen, GifAndApngWrittenThenOpenedGiveTheSheetFramesAndDelays) {
    for (const std::string name : {"a.gif", "a.png"}) {
        EXPECT_EQ(WriteAnimationFrames(*sheet, frames, Path(name), 2).Text(), "");
        const auto opened = OpenImageFile(Path(name));
        EXPECT_EQ(opened->Frames(), frames) << name;
        EXPECT_EQ(Colours(*opened, opened->GetRect()), Colours(*sheet, sheet->GetRect())) << name;
        EXPECT_LE(opened->Colors(), 16) << name;
    }
    // Fifteen frames of 1000 x 1 do not fit in one row of 8000: eight in the first, the rest below.
    auto wide = TDib::Create(1000, 15, 16);
    for (int y = 0; y < 15; ++y) wide->SetPixel(y * 7, y, static_cast<uint8_t>(1 + y));
    TSheetFrames rows;
    for (int y = 0; y < 15; ++y) rows.push_back({TRect{0, y, 1000, y + 1}, 40});
    WriteAnimationFrames(*wide, rows, Path("w.gif"));
    const auto opened = OpenImageFile(Path("w.gif"));
    ASSERT_EQ(opened->GetSize(), (TPoint{8000, 2}));
    ASSERT_EQ(opened->Frames().size(), 15u);
    EXPECT_EQ(opened->Frames()[9], (TSheetFrame{TRect{1000, 1, 2000, 2}, 40}));
    EXPECT_EQ(Colours(*opened, opened->Frames()[9].Rect), Colours(*wide, rows[9].Rect));
    // An opened animation saved as a GIF again stays that animation.
    OpenImageFile(Path("a.gif"))->SaveToFile(Path("again.gif"));
    EXPECT_EQ(OpenImageFile(Path("again.gif"))->Frames(), frames);
    // A still GIF opens as a palette picture without frames.
    sheet->SaveToFile(Path("still.gif"));
    const auto still = OpenImageFile(Path("still.gif"));
    EXPECT_TRUE(still->Frames().empty());
    EXPECT_EQ(Colours(*still, still->GetRect()), Colours(*sheet, sheet->GetRect()));
}

TEST_F(AnimationOpen, FramesOfMoreThan256ColoursTogetherAreRefusedWithTheCount) {
    // Two true-colour frames of 150 colours each, none shared.
    auto rgb = TTrueDib::Create(150, 2);
    for (int y = 0; y < 2; ++y)
        for (int x = 0; x < 150; ++x) {
            uint8_t* p = rgb->ScanLine(y) + 3 * x;
            p[0] = 7, p[1] = static_cast<uint8_t>(y * 200), p[2] = static_cast<uint8_t>(x);
        }
    WriteAnimation(*rgb, {TRect{0, 0, 150, 1}, TRect{0, 1, 150, 2}}, 100, Path("many.png"));
    try {
        OpenImageFile(Path("many.png"));
        FAIL() << "opened";
    } catch (const EPixmoError& e) {
        EXPECT_STREQ(e.what(), "I fotogrammi hanno insieme 300 colori: una tavolozza ne tiene al massimo 256");
    }
}

TEST_F(AnimationOpen, PngKeepsTheFramesInItsOwnChunkAndOpensWithThem) {
    sheet->SetFrames(frames);
    sheet->SaveToFile(Path("s.png"));
    const std::vector<uint8_t> bytes = test::ReadFileBytes(Path("s.png"));
    const std::string text(bytes.begin(), bytes.end());
    ASSERT_NE(text.find("pxFr"), std::string::npos);
    EXPECT_LT(text.find("pxFr"), text.find("IDAT"));
    EXPECT_EQ(OpenImageFile(Path("s.png"))->Frames(), frames);
    if (std::system("command -v pngcheck >/dev/null 2>&1") == 0) {
        EXPECT_EQ(std::system(("pngcheck -q '" + Path("s.png") + "' >/dev/null").c_str()), 0);
    }
    // A frame outside the picture or a delay of 0: the chunk is ignored, the picture opens.
    EXPECT_FALSE(ParseFramesChunk(FramesChunkData({{TRect{0, 0, 10, 2}, 100}}), 9, 2));
    EXPECT_FALSE(ParseFramesChunk(FramesChunkData({{TRect{0, 0, 1, 1}, 0}}), 9, 2));
    sheet->SetFrames({{TRect{0, 0, 3, 2}, 0}});
    sheet->SaveToFile(Path("bad.png"));
    EXPECT_TRUE(OpenImageFile(Path("bad.png"))->Frames().empty());
    // No frames, no chunk.
    sheet->SetFrames({});
    sheet->SaveToFile(Path("plain.png"));
    const std::vector<uint8_t> plain = test::ReadFileBytes(Path("plain.png"));
    EXPECT_EQ(std::string(plain.begin(), plain.end()).find("pxFr"), std::string::npos);
}

TEST_F(AnimationOpen, AviRepeatsFramesAtTheDelaysCommonDivisorUpTo10000Frames) {
    const TAviTiming t = AviTiming({{TRect{}, 100}, {TRect{}, 100}, {TRect{}, 300}, {TRect{}, 150}});
    EXPECT_EQ(t.TickMs, 50);
    EXPECT_EQ(t.Repeats, (std::vector<int>{2, 2, 6, 3}));
    EXPECT_FALSE(t.OneDelay);
    // 1 + 20000 frames would be written: each once, at the delay most frames have.
    const TSheetFrames slow = {{TRect{0, 0, 3, 2}, 1}, {TRect{3, 0, 6, 2}, 20000}, {TRect{6, 0, 9, 2}, 20000}};
    const TAviTiming capped = AviTiming(slow);
    EXPECT_EQ(capped.TickMs, 20000);
    EXPECT_EQ(capped.Repeats, (std::vector<int>{1, 1, 1}));
    EXPECT_EQ(WriteAnimationFrames(*sheet, slow, Path("slow.avi")).Text(),
              "Con i loro ritardi i fotogrammi sarebbero più di 10000: nell'AVI ognuno dura 20000 ms");
    EXPECT_EQ(WriteAnimationFrames(*sheet, frames, Path("a.avi")).Text(), "");
    const std::vector<uint8_t> avi = test::ReadFileBytes(Path("a.avi"));
    EXPECT_EQ(ReadLE32(&avi[48]), 5u);   // total frames: 1 + 3 + 1
    EXPECT_EQ(ReadLE32(&avi[128]), 100u);  // scale: one tick of 100 ms
}

}  // namespace
}  // namespace pixmo
