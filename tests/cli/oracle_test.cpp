// Icons and animations of the converter checked by other programs: PIL and ImageMagick read
// our icons with the same pixels and transparency and we read theirs; ffprobe and ffmpeg
// play our AVI, PIL our GIF, APNG and strip, with exactly the cells' pixels. Skipped where
// those tools are not installed.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "formats/animation_file.h"
#include "formats/icon_file.h"
#include "formats/install_formats.h"
#include "image/file_format.h"
#include "image/dib.h"
#include "support/test_support.h"

namespace pixmo {
namespace {

namespace fs = std::filesystem;

bool Has(const std::string& command) { return std::system(("command -v " + command + " >/dev/null 2>&1").c_str()) == 0; }

class Oracle : public ::testing::Test {
protected:
    void SetUp() override {
        InstallFormats();
        dir = test::MakeTempDir();
    }
    void TearDown() override { fs::remove_all(dir); }
    std::string Path(const std::string& name) const { return dir + "/" + name; }

    // Runs a shell command; its standard output, or "!exit N" when it failed.
    std::string Shell(const std::string& command) {
        const int status = std::system((command + " >'" + Path("out") + "' 2>'" + Path("err") + "'").c_str());
        std::ifstream in(Path("out"));
        std::stringstream s;
        s << in.rdbuf();
        if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) return "!exit " + std::to_string(WEXITSTATUS(status));
        return s.str();
    }
    std::string Convert(const std::string& args) { return Shell(std::string("'") + PIXMO3_CONVERT + "' " + args); }

    std::string dir;
};

// 32 x 32 on the standard 16 colours, so the icon keeps every colour; entry 1 is the
// colour the converter's icon makes transparent.
std::unique_ptr<TDib> StandardPicture() {
    auto image = TDib::Create(32, 32, 16);
    for (int i = 0; i < 16; ++i) image->SetColor(i, TableWordToColorRef(StandardColors16()[size_t(i)]));
    for (int y = 0; y < 32; ++y)
        for (int x = 0; x < 32; ++x) image->SetPixel(x, y, static_cast<uint8_t>((x / 3 + y) % 16));
    return image;
}

// One pixel as the dump scripts print it: "r g b 255".
std::string OpaqueText(TColorRef c) {
    return std::to_string(GetRValue(c)) + " " + std::to_string(GetGValue(c)) + " " + std::to_string(GetBValue(c)) +
           " 255\n";
}

// "r g b a" per pixel, row by row, as the picture's colours and the icon's rule say.
std::string ExpectedIconPixels(const TDib& image) {
    std::string text;
    for (int y = 0; y < 32; ++y)
        for (int x = 0; x < 32; ++x) {
            const int index = image.Pixel(x, y);
            const TColorRef c = image.GetColor(index);
            text += index == 1 ? "0 0 0 0\n" : OpaqueText(c);
        }
    return text;
}

TEST_F(Oracle, PilAndImageMagickReadOurIconsAndWeReadTheirs) {
    const std::string python = test::PilPython();
    if (python.empty()) GTEST_SKIP() << "PIL is not installed (python3-pil)";
    auto image = StandardPicture();
    image->SaveToFile(Path("a.bmp"));
    ASSERT_EQ(Convert("'" + Path("a.bmp") + "' '" + Path("a.ico") + "'"), "");
    const std::string dump = "from PIL import Image\nimport sys\nim = Image.open(sys.argv[1]).convert('RGBA')\n"
                             "assert im.size == (32, 32), im.size\n"
                             "for p in im.getdata(): print(*(p if p[3] else (0, 0, 0, 0)))\n";
    std::ofstream(Path("dump.py")) << dump;
    EXPECT_EQ(Shell(python + " '" + Path("dump.py") + "' '" + Path("a.ico") + "'"), ExpectedIconPixels(*image));
    if (Has("convert")) {
        EXPECT_EQ(Shell("convert '" + Path("a.ico") + "' -format %wx%h info:"), "32x32");
    }

    // Theirs: PIL's PNG and bitmap icons, ImageMagick's 32-bit one; the pixels come back.
    std::ofstream(Path("write.py")) << "from PIL import Image\nimport sys\nim = Image.open(sys.argv[1])\n"
                                       "im.save(sys.argv[2], sizes=[(32, 32)])\n"
                                       "im.save(sys.argv[3], sizes=[(32, 32)], bitmap_format='bmp')\n";
    ASSERT_EQ(Shell(python + " '" + Path("write.py") + "' '" + Path("a.bmp") + "' '" + Path("pil-png.ico") + "' '" +
                    Path("pil-bmp.ico") + "'"),
              "");
    std::vector<std::string> theirs = {"pil-png.ico", "pil-bmp.ico"};
    if (Has("convert") && Shell("convert '" + Path("a.bmp") + "' '" + Path("im.ico") + "'") == "") theirs.push_back("im.ico");
    for (const std::string& name : theirs) {
        ASSERT_EQ(Convert("'" + Path(name) + "' '" + Path(name + ".bmp") + "'"), "") << name;
        auto back = TDib::CreateFromFile(Path(name + ".bmp"));
        ASSERT_EQ(back->GetSize(), (TPoint{32, 32})) << name;
        for (int y = 0; y < 32; ++y)
            for (int x = 0; x < 32; ++x) {
                const TColorRef want = image->GetColor(image->Pixel(x, y));
                const TColorRef got = back->IsTrueColor() ? RGB(back->ScanLine(y)[3 * x + 2], back->ScanLine(y)[3 * x + 1],
                                                                back->ScanLine(y)[3 * x])
                                                          : back->GetColor(back->Pixel(x, y));
                ASSERT_EQ(got, want) << name << " at " << x << "," << y;
            }
    }
}

TEST_F(Oracle, FfmpegPlaysOurAviWithTheCellsPixels) {
    if (!Has("ffprobe") || !Has("ffmpeg")) GTEST_SKIP() << "ffprobe/ffmpeg are not installed (ffmpeg)";
    // A sheet of 3 x 2 cells of 5 x 4 pixels at each depth, and a strip of whole cells.
    for (int colors : {2, 16, 256}) {
        auto sheet = TDib::Create(15, 8, colors);
        for (int i = 0; i < colors; ++i) sheet->SetColor(i, RGB(i * 37, i * 91, 255 - i));
        for (int y = 0; y < 8; ++y)
            for (int x = 0; x < 15; ++x) sheet->SetPixel(x, y, static_cast<uint8_t>((x * 7 + y * 3) % colors));
        const std::string in = Path("sheet" + std::to_string(colors) + ".bmp");
        const std::string avi = Path("sheet" + std::to_string(colors) + ".avi");
        sheet->SaveToFile(in);
        ASSERT_EQ(Convert("--cells 5 4 --delay 500 '" + in + "' '" + avi + "'"), "");
        EXPECT_EQ(Shell("ffprobe -v error -count_frames -select_streams v:0 -show_entries "
                        "stream=codec_name,width,height,r_frame_rate,nb_read_frames -of csv=p=0 '" + avi + "'"),
                  "rawvideo,5,4,2/1,6\n")
            << colors;
        const std::string raw = Path("frames.rgb");
        ASSERT_EQ(Shell("ffmpeg -v error -y -i '" + avi + "' -f rawvideo -pix_fmt rgb24 '" + raw + "'"), "");
        std::vector<uint8_t> want;
        for (int cell = 0; cell < 6; ++cell)
            for (int y = 0; y < 4; ++y)
                for (int x = 0; x < 5; ++x) {
                    const TColorRef c = sheet->GetColor(sheet->Pixel(cell % 3 * 5 + x, cell / 3 * 4 + y));
                    want.insert(want.end(), {uint8_t(GetRValue(c)), uint8_t(GetGValue(c)), uint8_t(GetBValue(c))});
                }
        EXPECT_EQ(test::ReadFileBytes(raw), want) << colors;
    }
}

// Prints each frame of an animation as PIL plays it: its duration, then "r g b a" per pixel
// (colour 0 0 0 where alpha is 0); first the frame count and loop count.
constexpr const char* kPlayScript =
    "from PIL import Image, ImageSequence\nimport sys\nim = Image.open(sys.argv[1])\n"
    "print(im.format, im.n_frames, im.info.get('loop'), im.size)\n"
    "for frame in ImageSequence.Iterator(im):\n"
    "    print(round(frame.info.get('duration', -1)))\n"
    "    for p in frame.convert('RGBA').getdata(): print(*(p if p[3] else (0, 0, 0, 0)))\n";

// What PIL should print for `cells` of `sheet`, each shown `ms`, entry `transparent` clear.
std::string ExpectedPlay(const TDib& sheet, const std::vector<TRect>& cells, const std::string& format, int ms,
                         int transparent) {
    const TRect& first = cells[0];
    std::string text = format + " " + std::to_string(cells.size()) + " 0 (" + std::to_string(first.Width()) + ", " +
                       std::to_string(first.Height()) + ")\n";
    for (const TRect& cell : cells) {
        text += std::to_string(ms) + "\n";
        for (int y = cell.Top; y < cell.Bottom; ++y)
            for (int x = cell.Left; x < cell.Right; ++x) {
                const int index = sheet.Pixel(x, y);
                const TColorRef c = sheet.GetColor(index);
                text += index == transparent ? "0 0 0 0\n" : OpaqueText(c);
            }
    }
    return text;
}

TEST_F(Oracle, PilPlaysOurGifAndApngWithOurFramesDelaysLoopAndTransparency) {
    const std::string python = test::PilPython();
    if (python.empty()) GTEST_SKIP() << "PIL is not installed (python3-pil)";
    std::ofstream(Path("play.py")) << kPlayScript;
    // 3 x 2 cells of 5 x 4 pixels on 40 colours (a 64-entry GIF table).
    auto sheet = TDib::Create(15, 8, 40);
    for (int i = 0; i < 40; ++i) sheet->SetColor(i, RGB(i * 6, 255 - i * 5, (i * 97) % 256));
    for (int y = 0; y < 8; ++y)
        for (int x = 0; x < 15; ++x) sheet->SetPixel(x, y, static_cast<uint8_t>((x * 7 + y * 3) % 40));
    sheet->SaveToFile(Path("sheet.bmp"));
    std::vector<TRect> cells;
    for (int y = 0; y < 8; y += 4)
        for (int x = 0; x < 15; x += 5) cells.push_back(TRect{x, y, x + 5, y + 4});

    for (const std::string format : {"GIF", "PNG"}) {
        const std::string out = Path("a." + (format == "GIF" ? std::string("gif") : std::string("png")));
        ASSERT_EQ(Convert("--cells 5 4 --delay 120 '" + Path("sheet.bmp") + "' '" + out + "'"), "");
        EXPECT_EQ(Shell(python + " '" + Path("play.py") + "' '" + out + "'"), ExpectedPlay(*sheet, cells, format, 120, -1))
            << format;
        // The transparent entry the animation window passes: entry 3, on every frame.
        const std::string clear = Path("clear." + (format == "GIF" ? std::string("gif") : std::string("png")));
        WriteAnimation(*sheet, cells, 70, clear, 3);
        EXPECT_EQ(Shell(python + " '" + Path("play.py") + "' '" + clear + "'"), ExpectedPlay(*sheet, cells, format, 70, 3))
            << format;
    }

    // The strip: one still picture of the cells side by side.
    ASSERT_EQ(Convert("--cells 5 4 '" + Path("sheet.bmp") + "' '" + Path("a.strip.png") + "'"), "");
    std::string strip = "PNG 1 None (30, 4)\n-1\n";
    for (int y = 0; y < 4; ++y)
        for (const TRect& cell : cells)
            for (int x = cell.Left; x < cell.Right; ++x) {
                strip += OpaqueText(sheet->GetColor(sheet->Pixel(x, y + cell.Top)));
            }
    EXPECT_EQ(Shell(python + " '" + Path("play.py") + "' '" + Path("a.strip.png") + "'"), strip);
}

// Prints "r g b a" per pixel of a picture as PIL reads it (colour 0 0 0 where alpha is 0).
constexpr const char* kDumpScript =
    "from PIL import Image\nimport sys\nim = Image.open(sys.argv[1]).convert('RGBA')\n"
    "for p in im.getdata(): print(*(p if p[3] else (0, 0, 0, 0)))\n";

TEST_F(Oracle, RgbaSpritesOfOtherProgramsOpenAsPaletteImagesAndKeepTheirTransparency) {
    const std::string python = test::PilPython();
    if (python.empty()) GTEST_SKIP() << "PIL is not installed (python3-pil)";
    // A 12-colour RGBA sprite with a transparent border, as PIL and ImageMagick write it.
    std::ofstream(Path("make.py")) << "from PIL import Image\nimport sys\n"
                                      "im = Image.new('RGBA', (24, 16), (0, 0, 0, 0))\n"
                                      "for y in range(2, 14):\n"
                                      "    for x in range(2, 22):\n"
                                      "        k = (x // 2 + y) % 12\n"
                                      "        im.putpixel((x, y), (k * 20, 255 - k * 20, (k * 77) % 256, 255))\n"
                                      "im.save(sys.argv[1])\n";
    std::ofstream(Path("dump.py")) << kDumpScript;
    ASSERT_EQ(Shell(python + " '" + Path("make.py") + "' '" + Path("pil.png") + "'"), "");
    std::vector<std::string> theirs = {"pil.png"};
    if (Has("convert") && Shell("convert '" + Path("pil.png") + "' PNG32:'" + Path("magick.png") + "'") == "")
        theirs.push_back("magick.png");
    const std::string want = Shell(python + " '" + Path("dump.py") + "' '" + Path("pil.png") + "'");
    for (const std::string& name : theirs) {
        ASSERT_EQ(Convert("'" + Path(name) + "' '" + Path(name + ".out.png") + "'"), "") << name;
        EXPECT_EQ(Convert("--info '" + Path(name + ".out.png") + "'"), "24x16 8 13\n") << name;
        EXPECT_EQ(Shell(python + " '" + Path("dump.py") + "' '" + Path(name + ".out.png") + "'"), want) << name;
    }
}

TEST_F(Oracle, PngsMadeFromIconsAndShortTableBmpsKeepTheirPixelsAndTransparency) {
    const std::string python = test::PilPython();
    if (python.empty()) GTEST_SKIP() << "PIL is not installed (python3-pil)";
    // A 16 x 16 sprite of 5 colours on a transparent ground, as PIL writes icons: PNG inside,
    // and a 32-bit bitmap without an AND mask.
    std::ofstream(Path("make.py")) << "from PIL import Image\nimport sys\n"
                                      "im = Image.new('RGBA', (16, 16), (0, 0, 0, 0))\n"
                                      "for y in range(3, 13):\n"
                                      "    for x in range(2, 14):\n"
                                      "        k = (x + y) % 5\n"
                                      "        im.putpixel((x, y), (k * 50, 100, 200 - k * 40, 255))\n"
                                      "im.save(sys.argv[1])\n"
                                      "im.save(sys.argv[2], sizes=[(16, 16)])\n"
                                      "im.save(sys.argv[3], sizes=[(16, 16)], bitmap_format='bmp')\n";
    std::ofstream(Path("dump.py")) << kDumpScript;
    ASSERT_EQ(Shell(python + " '" + Path("make.py") + "' '" + Path("a.png") + "' '" + Path("png.ico") + "' '" +
                    Path("bmp.ico") + "'"),
              "");
    const std::string want = Shell(python + " '" + Path("dump.py") + "' '" + Path("a.png") + "'");
    for (const std::string name : {"png.ico", "bmp.ico"}) {
        ASSERT_EQ(Convert("'" + Path(name) + "' '" + Path(name + ".png") + "'"), "") << name;
        EXPECT_EQ(Convert("--info '" + Path(name + ".png") + "'"), "16x16 8 6\n") << name;
        EXPECT_EQ(Shell(python + " '" + Path("dump.py") + "' '" + Path(name + ".png") + "'"), want) << name;
    }

    // An 8-bit BMP that declares 2 colours (red, black) and uses index 5: readers take its PNG.
    std::vector<uint8_t> bmp(14 + 40 + 8 + 4, 0);
    bmp[0] = 'B';
    bmp[1] = 'M';
    bmp[10] = 14 + 40 + 8;
    WriteInfoHeader(&bmp[14], TBitmapInfoHeader{40, 4, 1, 1, 8, 0, 0, 0, 0, 2, 0});
    bmp[54 + 2] = 0xFF;
    bmp[63] = bmp[65] = 5;
    test::WriteFileBytes(Path("short.bmp"), bmp);
    ASSERT_EQ(Convert("'" + Path("short.bmp") + "' '" + Path("short.png") + "'"), "");
    EXPECT_EQ(Shell(python + " '" + Path("dump.py") + "' '" + Path("short.png") + "'"),
              "255 0 0 255\n0 0 0 255\n255 0 0 255\n0 0 0 255\n");
    if (Has("identify")) {
        EXPECT_NE(Shell("identify -verbose '" + Path("short.png") + "'").substr(0, 5), "!exit");
    }
}

// Three 8 x 6 frames and three 5 x 4 ones, each on a 16-colour table of its own with entry 3
// transparent, made by PIL for gifsicle and ImageMagick to put together.
constexpr const char* kFramesScript =
    "from PIL import Image\nimport random, sys\nrandom.seed(3)\n"
    "for n in range(3):\n"
    "    im = Image.new('P', (8, 6))\n"
    "    im.putpalette([v for i in range(16) for v in ((i*16+n*70)%256, (i*40+n*30)%256, (i*90+n*11)%256)])\n"
    "    for y in range(6):\n"
    "        for x in range(8): im.putpixel((x, y), random.randrange(16))\n"
    "    im.save(sys.argv[1] + '/f%d.gif' % n, transparency=3)\n"
    "    im.crop((0, 0, 5, 4)).save(sys.argv[1] + '/s%d.gif' % n, transparency=3)\n";

// Each frame as PIL composes it: its duration, then "r g b a" per pixel (0 0 0 0 where clear).
constexpr const char* kComposeScript =
    "from PIL import Image, ImageSequence\nimport sys\n"
    "for frame in ImageSequence.Iterator(Image.open(sys.argv[1])):\n"
    "    print(frame.info.get('duration'))\n"
    "    for p in frame.convert('RGBA').getdata(): print(*(p if p[3] else (0, 0, 0, 0)))\n";

// The same from the sheet we open: each frame's rectangle and delay.
std::string ComposedText(const TDib& sheet) {
    std::string text;
    const int clear = sheet.TransparentEntry();
    for (const TSheetFrame& f : sheet.Frames()) {
        text += std::to_string(f.DelayMs) + "\n";
        for (int y = f.Rect.Top; y < f.Rect.Bottom; ++y)
            for (int x = f.Rect.Left; x < f.Rect.Right; ++x) {
                const int index = sheet.Pixel(x, y);
                text += index == clear ? "0 0 0 0\n" : OpaqueText(sheet.GetColor(index));
            }
    }
    return text;
}

TEST_F(Oracle, GifsOfGifsicleAndImageMagickOpenWithTheirFramesAsPilComposesThem) {
    const std::string python = test::PilPython();
    if (python.empty() || !Has("gifsicle") || !Has("convert"))
        GTEST_SKIP() << "PIL, gifsicle or ImageMagick is not installed (python3-pil, gifsicle, imagemagick)";
    std::ofstream(Path("frames.py")) << kFramesScript;
    std::ofstream(Path("compose.py")) << kComposeScript;
    ASSERT_EQ(Shell(python + " '" + Path("frames.py") + "' '" + dir + "'"), "");
    const auto f = [&](const std::string& name) { return "'" + Path(name) + "'"; };
    // Disposal to background and to the previous picture; interlaced frames; local colour
    // tables and frames placed inside the screen.
    ASSERT_EQ(Shell("gifsicle --disposal background -d 10 " + f("f0.gif") + " -d 30 " + f("s1.gif") +
                    " --disposal previous " + f("s2.gif") + " -d 10 " + f("f1.gif") + " -o " + f("bg.gif")), "");
    ASSERT_EQ(Shell("gifsicle --interlace --disposal previous -d 7 " + f("f0.gif") + " " + f("s1.gif") + " " +
                    f("s2.gif") + " -o " + f("il.gif")), "");
    ASSERT_EQ(Shell("convert -dispose Background -delay 20 " + f("f0.gif") + " -dispose Previous -delay 40 -page +2+1 " +
                    f("s1.gif") + " -dispose None -page +0+0 " + f("s2.gif") + " -dispose Background -page +3+2 " +
                    f("s0.gif") + " -loop 0 " + f("im.gif")), "");
    ASSERT_NE(Shell("gifsicle --info " + f("im.gif")).find("local color table"), std::string::npos);
    for (const std::string name : {"bg.gif", "il.gif", "im.gif"}) {
        const auto sheet = OpenImageFile(Path(name));
        EXPECT_GE(sheet->Frames().size(), 3u) << name;
        EXPECT_EQ(ComposedText(*sheet), Shell(python + " '" + Path("compose.py") + "' '" + Path(name) + "'")) << name;
    }
}

// Four frames of 100, 100, 300 and 100 ms: gifsicle reads those delays from our GIF; our
// AVI shows frame 3 three ticks of 100 ms long, as ffprobe counts and ffmpeg decodes.
TEST_F(Oracle, GifsicleReadsOurDelaysAndFfmpegPlaysTheAviFramesRepeated) {
    auto sheet = TDib::Create(8, 2, 16);
    for (int i = 0; i < 16; ++i) sheet->SetColor(i, RGB(i * 16, 255 - i * 9, i * 5));
    for (int x = 0; x < 8; ++x) sheet->SetPixel(x, x % 2, static_cast<uint8_t>(x + 1));
    const TSheetFrames frames = {{TRect{0, 0, 2, 2}, 100}, {TRect{2, 0, 4, 2}, 100}, {TRect{4, 0, 6, 2}, 300},
                                 {TRect{6, 0, 8, 2}, 100}};
    if (Has("gifsicle")) {
        WriteAnimationFrames(*sheet, frames, Path("d.gif"));
        std::string delays;
        std::istringstream info(Shell("gifsicle --info '" + Path("d.gif") + "'"));
        for (std::string word; info >> word;)
            if (word == "delay" && info >> word) delays += word + " ";
        EXPECT_EQ(delays, "0.10s 0.10s 0.30s 0.10s ");
    }
    if (!Has("ffprobe") || !Has("ffmpeg")) GTEST_SKIP() << "ffprobe/ffmpeg are not installed (ffmpeg)";
    ASSERT_EQ(WriteAnimationFrames(*sheet, frames, Path("d.avi")).Text(), "");
    EXPECT_EQ(Shell("ffprobe -v error -count_frames -select_streams v:0 -show_entries stream=r_frame_rate,nb_read_frames "
                    "-of csv=p=0 '" + Path("d.avi") + "'"),
              "10/1,6\n");
    ASSERT_EQ(Shell("ffmpeg -v error -y -i '" + Path("d.avi") + "' -f rawvideo -pix_fmt rgb24 '" + Path("d.rgb") + "'"), "");
    std::vector<uint8_t> want;
    for (int cell : {0, 1, 2, 2, 2, 3})
        for (int y = 0; y < 2; ++y)
            for (int x = 0; x < 2; ++x) {
                const TColorRef c = sheet->GetColor(sheet->Pixel(cell * 2 + x, y));
                want.insert(want.end(), {uint8_t(GetRValue(c)), uint8_t(GetGValue(c)), uint8_t(GetBValue(c))});
            }
    EXPECT_EQ(test::ReadFileBytes(Path("d.rgb")), want);
}

// The frames chunk: the converter keeps it from PNG to PNG and --cells writes it into a
// strip; pngcheck, which knows every public chunk, finds both files clean.
TEST_F(Oracle, TheConverterKeepsAndWritesTheFramesChunkAndPngcheckPassesIt) {
    auto sheet = TDib::Create(6, 2, 4);
    for (int x = 0; x < 6; ++x) sheet->SetPixel(x, x % 2, static_cast<uint8_t>(x % 4));
    sheet->SaveToFile(Path("cells.bmp"));
    ASSERT_EQ(Convert("--cells 2 2 --delay 80 '" + Path("cells.bmp") + "' '" + Path("s.strip.png") + "'"), "");
    const TSheetFrames strip = {{TRect{0, 0, 2, 2}, 80}, {TRect{2, 0, 4, 2}, 80}, {TRect{4, 0, 6, 2}, 80}};
    EXPECT_EQ(OpenImageFile(Path("s.strip.png"))->Frames(), strip);
    ASSERT_EQ(Convert("'" + Path("s.strip.png") + "' '" + Path("copy.png") + "'"), "");
    EXPECT_EQ(OpenImageFile(Path("copy.png"))->Frames(), strip);
    ASSERT_EQ(Convert("'" + Path("s.strip.png") + "' '" + Path("copy.bmp") + "'"), "");
    if (!Has("pngcheck")) GTEST_SKIP() << "pngcheck is not installed (pngcheck)";
    for (const char* name : {"s.strip.png", "copy.png"}) {
        const std::string report = Shell("pngcheck -v '" + Path(name) + "'");
        EXPECT_NE(report.find("chunk pxFr"), std::string::npos) << report;
        EXPECT_NE(report.find("No errors detected"), std::string::npos) << report;
    }
}

}  // namespace
}  // namespace pixmo
