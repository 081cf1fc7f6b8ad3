// The BMP Suite corpus: every file loads or is refused with a message, and files that show
// the same picture in different ways decode to the same colours.
#include <gtest/gtest.h>

#include <filesystem>
#include <set>

#include "image/dib.h"
#include "image/errors.h"
#include "support/test_support.h"

namespace pixmo {
namespace {

namespace fs = std::filesystem;

std::string SuiteDir() {
    const std::string root = test::TestDataDir();
    if (root.empty() || !fs::is_directory(root + "/bmpsuite")) return "";
    return root + "/bmpsuite";
}

// The colour of every pixel, whatever the depth.
std::vector<TColorRef> Colours(const TDib& image) {
    std::vector<TColorRef> out;
    for (int y = 0; y < image.Height(); ++y)
        for (int x = 0; x < image.Width(); ++x) {
            if (image.IsTrueColor()) {
                const uint8_t* p = image.ScanLine(y) + 3 * x;
                out.push_back(RGB(p[2], p[1], p[0]));
            } else {
                out.push_back(image.GetColor(image.Pixel(x, y)));
            }
        }
    return out;
}

TEST(BmpSuite, EveryFileLoadsOrIsRefusedWithAMessage) {
    const std::string dir = SuiteDir();
    if (dir.empty()) GTEST_SKIP() << "BMP Suite not found";
    std::set<std::string> loaded;
    int files = 0;
    for (const char* folder : {"g", "q", "b", "x"}) {
        if (!fs::is_directory(dir + "/" + folder)) continue;
        for (const auto& entry : fs::directory_iterator(dir + "/" + folder)) {
            ++files;
            const std::string name = std::string(folder) + "/" + entry.path().filename().string();
            try {
                auto image = TDib::CreateFromFile(entry.path().string());
                EXPECT_GE(image->Width(), 1) << name;
                loaded.insert(name);
            } catch (const EPixmoError&) {
            } catch (const std::exception& e) {
                ADD_FAILURE() << name << ": unexpected " << e.what();
            }
        }
    }
    EXPECT_GT(files, 50);
    // What the image model holds must load; what it cannot hold must not.
    for (const char* good : {"g/pal1.bmp", "g/pal1bg.bmp", "g/pal1wb.bmp", "g/pal4.bmp", "g/pal4gs.bmp",
                             "g/pal8.bmp", "g/pal8-0.bmp", "g/pal8gs.bmp", "g/pal8nonsquare.bmp", "g/pal8v4.bmp",
                             "g/pal8v5.bmp", "g/pal8w124.bmp", "g/pal8w125.bmp", "g/pal8w126.bmp", "g/rgb24.bmp",
                             "g/rgb24pal.bmp"})
        EXPECT_TRUE(loaded.count(good)) << good;
    for (const char* bad : {"g/pal4rle.bmp", "g/pal8rle.bmp", "g/pal8topdown.bmp", "g/rgb16.bmp", "g/rgb32.bmp",
                            "g/pal8os2.bmp", "b/badplanes.bmp", "b/badbitcount.bmp", "b/badwidth.bmp",
                            "b/reallybig.bmp", "b/shortfile.bmp", "b/rletopdown.bmp",
                            "x/ba-bm.bmp"})
        EXPECT_FALSE(loaded.count(bad)) << bad;
}

TEST(BmpSuite, RefusalsCarryTheProgramsMessages) {
    const std::string dir = SuiteDir();
    if (dir.empty()) GTEST_SKIP() << "BMP Suite not found";
    auto messageOf = [&](const std::string& name) -> std::string {
        try {
            TDib::CreateFromFile(dir + "/" + name);
        } catch (const EPixmoError& e) {
            return e.what();
        }
        return "<loaded>";
    };
    EXPECT_EQ(messageOf("g/pal8rle.bmp"), "E' stato compresso!");
    EXPECT_EQ(messageOf("g/pal8topdown.bmp"), "Dimensioni non valide: 127 x -64");
    EXPECT_EQ(messageOf("g/rgb32.bmp"), DepthRefusedMessage(32));
    EXPECT_EQ(messageOf("b/badplanes.bmp"), "");
    EXPECT_EQ(messageOf("b/shortfile.bmp"), "Dati dell'immagine incompleti");
    EXPECT_EQ(messageOf("x/ba-bm.bmp"), dir + "/x/ba-bm.bmp non è un file BMP");
}

TEST(BmpSuite, SamePictureAtDifferentDepthsDecodesAlike) {
    const std::string dir = SuiteDir();
    if (dir.empty()) GTEST_SKIP() << "BMP Suite not found";
    auto load = [&](const char* name) { return TDib::CreateFromFile(dir + "/" + name); };
    auto sameAs = [&](const char* referenceName, std::initializer_list<const char*> names) {
        auto reference = load(referenceName);
        ASSERT_EQ(reference->GetSize(), (TPoint{127, 64}));
        const auto expected = Colours(*reference);
        for (const char* name : names) EXPECT_EQ(Colours(*load(name)), expected) << name << " vs " << referenceName;
    };
    sameAs("g/rgb24.bmp", {"g/rgb24pal.bmp", "q/rgb24largepal.bmp"});
    sameAs("g/pal8.bmp", {"g/pal8-0.bmp", "g/pal8v4.bmp", "g/pal8v5.bmp", "q/pal8offs.bmp", "q/pal8oversizepal.bmp"});
    // Table in the other order, same colours on screen.
    sameAs("g/pal1.bmp", {"g/pal1wb.bmp"});
    // Colours used 0 at 8 bits reads the full table; 101 declared for indices up to 252 reads 253.
    EXPECT_EQ(load("g/pal8-0.bmp")->Colors(), 256);
    EXPECT_EQ(load("b/pal8badindex.bmp")->Colors(), 253);

    // The 1-bit pictures differ only in their two colours.
    auto pal1 = load("g/pal1.bmp");
    auto pal1bg = load("g/pal1bg.bmp");
    EXPECT_EQ(test::ToGrid(*pal1), test::ToGrid(*pal1bg));
    EXPECT_NE(pal1->GetColor(0), pal1bg->GetColor(0));
    EXPECT_EQ(pal1->GetColor(0), RGB(0, 0, 0));
    EXPECT_EQ(pal1->GetColor(1), RGB(255, 255, 255));
}

}  // namespace
}  // namespace pixmo
