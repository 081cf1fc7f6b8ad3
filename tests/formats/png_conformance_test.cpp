// The PNG test suite: every valid file decodes as libpng decodes it after the codec's
// reductions, and opening it as a file gives the same image; every damaged file is refused,
// except those whose only fault is a CRC, and the same way when opened as a file.
#include <gtest/gtest.h>

#include <dirent.h>

#include <algorithm>
#include <cstring>
#include <map>

#include "formats/install_formats.h"
#include "formats/kpngle.h"
#include "formats/png_test_files.h"
#include "image/dib.h"
#include "support/test_support.h"

namespace pixmo {
namespace {

std::vector<std::string> SuiteFiles(const std::string& dir) {
    std::vector<std::string> names;
    if (DIR* d = opendir(dir.c_str())) {
        while (dirent* e = readdir(d)) {
            std::string name = e->d_name;
            if (name.size() > 4 && name.substr(name.size() - 4) == ".png") names.push_back(name);
        }
        closedir(d);
    }
    std::sort(names.begin(), names.end());
    return names;
}

std::string SuiteDir() {
    const std::string root = test::TestDataDir();
    return root.empty() ? "" : root + "/pngsuite";
}

// Depth and colour count the image model should end with, from the file's header.
void ExpectedFormat(const test::TOracleImage& o, int& bits, int& colors) {
    const int type = o.ColorType & 3;
    const bool alpha = o.ColorType & 4;
    if (type == 2 || alpha) {
        bits = 24;
        colors = 0;
    } else if (type == 3) {
        bits = o.BitDepth == 2 ? 4 : o.BitDepth;
        colors = std::min(o.PaletteCount, 1 << bits);
    } else {
        bits = o.BitDepth == 2 ? 4 : o.BitDepth == 16 ? 8 : o.BitDepth;
        colors = 1 << std::min(o.BitDepth, 8);
    }
}

TEST(PngSuite, EveryValidFileMatchesTheReferenceDecoder) {
    const std::string dir = SuiteDir();
    if (dir.empty()) GTEST_SKIP() << "no pngsuite corpus";
    InstallFormats();
    int checked = 0;
    for (const std::string& name : SuiteFiles(dir)) {
        if (name[0] == 'x') continue;
        SCOPED_TRACE(name);
        const test::TBytes bytes = test::ReadFileBytes(dir + "/" + name);
        const test::TOracleImage oracle = test::OracleDecode(bytes);
        ASSERT_EQ(oracle.Error, "");
        TKPNGLE png;
        TByteReadStream stream(bytes);
        ASSERT_NO_THROW(png.LoadPng(stream));
        const auto dib = png.CreateDib();
        ASSERT_EQ(dib->Width(), oracle.Width);
        ASSERT_EQ(dib->Height(), oracle.Height);
        int bits = 0, colors = 0;
        ExpectedFormat(oracle, bits, colors);
        EXPECT_EQ(dib->BitCount(), bits);
        EXPECT_EQ(dib->Colors(), colors);
        int wrong = 0;
        for (int y = 0; y < dib->Height(); ++y)
            for (int x = 0; x < dib->Width(); ++x) {
                const uint8_t* want = &oracle.Rgb[3 * (static_cast<size_t>(y) * oracle.Width + x)];
                int r, g, b;
                if (dib->IsTrueColor()) {
                    const uint8_t* p = dib->ScanLine(y) + 3 * x;
                    b = p[0], g = p[1], r = p[2];
                } else {
                    const TColorRef c = dib->GetColor(dib->Pixel(x, y));
                    r = GetRValue(c), g = GetGValue(c), b = GetBValue(c);
                    if (!oracle.Indices.empty() && dib->Pixel(x, y) != oracle.Indices[y * oracle.Width + x]) ++wrong;
                }
                if (r != want[0] || g != want[1] || b != want[2]) ++wrong;
            }
        EXPECT_EQ(wrong, 0);
        // Straight from the file into the image: the same image.
        const auto opened = TDib::CreateFromFile(dir + "/" + name);
        EXPECT_EQ(opened->BitCount(), dib->BitCount());
        EXPECT_EQ(opened->ColorTable(), dib->ColorTable());
        for (int y = 0; y < dib->Height(); ++y)
            wrong += std::memcmp(opened->ScanLine(y), dib->ScanLine(y), static_cast<size_t>(dib->LineBytes())) != 0;
        EXPECT_EQ(wrong, 0);
        ++checked;
    }
    EXPECT_GE(checked, 150);
}

TEST(PngSuite, DamagedFilesAreRefusedExceptCrcOnlyFaults) {
    const std::string dir = SuiteDir();
    if (dir.empty()) GTEST_SKIP() << "no pngsuite corpus";
    InstallFormats();
    // "" marks a file whose only fault is a CRC: the codec does not compare them.
    const std::map<std::string, std::string> expected = {
        {"xc1n0g08.png", "Error ColorType"}, {"xc9n2c08.png", "Error ColorType"},
        {"xcrn0g04.png", "Not PNG Image"},   {"xcsn0g01.png", ""},
        {"xd0n2c08.png", "Error BitDepth"},  {"xd3n2c08.png", "Error BitDepth"},
        {"xd9n2c08.png", "Error BitDepth"},  {"xdtn0g01.png", "PNG file without image data"},
        {"xhdn0g08.png", ""},                {"xlfn0g04.png", "Not PNG Image"},
        {"xs1n0g01.png", "Not PNG Image"},   {"xs2n0g01.png", "Not PNG Image"},
        {"xs4n0g01.png", "Not PNG Image"},   {"xs7n0g01.png", "Not PNG Image"}};
    int checked = 0;
    for (const std::string& name : SuiteFiles(dir)) {
        if (name[0] != 'x') continue;
        SCOPED_TRACE(name);
        ASSERT_TRUE(expected.count(name));
        const test::TBytes bytes = test::ReadFileBytes(dir + "/" + name);
        TKPNGLE png;
        TByteReadStream stream(bytes);
        std::string message;
        try {
            png.LoadPng(stream);
        } catch (const ETKPNGLE& e) {
            message = e.what();
        }
        EXPECT_EQ(message, expected.at(name));
        if (!message.empty()) {
            try {
                TDib::CreateFromFile(dir + "/" + name);
            } catch (const EPixmoError& e) {
                message = e.what();
            }
            EXPECT_EQ(message, expected.at(name));
        }
        ++checked;
    }
    EXPECT_EQ(checked, 14);
}

}  // namespace
}  // namespace pixmo
