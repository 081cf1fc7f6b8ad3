// pixmo3-convert run as a program on temporary files: output, exit codes, messages, and
// nothing written when something fails.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "formats/install_formats.h"
#include "image/bitmap_header.h"
#include "image/byte_order.h"
#include "image/dib.h"
#include "support/test_support.h"

namespace pixmo {
namespace {

namespace fs = std::filesystem;

std::string Slurp(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

class Convert : public ::testing::Test {
protected:
    void SetUp() override {
        InstallFormats();
        dir = test::MakeTempDir();
    }
    void TearDown() override { fs::remove_all(dir); }
    std::string Path(const std::string& name) const { return dir + "/" + name; }

    // Runs the program with the arguments (quoted), keeps stdout and stderr, returns the exit
    // code; a run that hangs is stopped after 5 s and gives 124. The locale is C (the Italian
    // catalogue) unless `locale` sets other variables.
    int Run(const std::vector<std::string>& args, const std::string& locale = "LANG=C") {
        std::string command = "env -u LANGUAGE -u LC_ALL -u LC_MESSAGES " + locale + " timeout 5 '" + PIXMO3_CONVERT + "'";
        for (const auto& a : args) command += " '" + a + "'";
        command += " >'" + Path("stdout") + "' 2>'" + Path("stderr") + "'";
        const int status = std::system(command.c_str());
        out = Slurp(Path("stdout"));
        err = Slurp(Path("stderr"));
        fs::remove(Path("stdout"));
        fs::remove(Path("stderr"));
        return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    }

    void WriteBytes(const std::string& name, const std::vector<uint8_t>& bytes) {
        test::WriteFileBytes(Path(name), bytes);
    }
    // A BMP of 16 pixel bytes with `header`: file header, info header, no colour table.
    void WriteHeaderBmp(const std::string& name, const TBitmapInfoHeader& header) {
        std::vector<uint8_t> file(14 + 40 + 16, 0);
        file[0] = 'B';
        file[1] = 'M';
        WriteLE32(&file[10], 54);
        WriteInfoHeader(&file[14], header);
        WriteBytes(name, file);
    }

    std::string dir, out, err;
};

TEST_F(Convert, HelpAndBadArguments) {
    EXPECT_EQ(Run({"--help"}), 0);
    EXPECT_NE(out.find("pixmo3-convert IN OUT"), std::string::npos);
    EXPECT_EQ(err, "");

    for (const std::vector<std::string>& bad :
         {std::vector<std::string>{}, {"one"}, {"a", "b", "c"}, {"--bogus", "x"}, {"--info"}}) {
        EXPECT_EQ(Run(bad), 2);
        EXPECT_NE(err.find("pixmo3-convert IN OUT"), std::string::npos);
        EXPECT_EQ(out, "");
    }
}

// The locale picks the catalogue for the usage, the converter's own messages and the core's;
// --info's numbers are the same in every language.
TEST_F(Convert, SpeaksTheLanguageOfTheLocale) {
    TBitmapInfoHeader header;
    header.Height = 2;
    header.BitCount = 8;
    WriteHeaderBmp("zero.bmp", header);
    test::FromGrid({"#.", ".#"})->SaveToFile(Path("two.bmp"));
    struct TCase {
        std::string Lang, Usage, Reads, Angle, NoCell, Size;
    };
    for (const TCase& c :
         {TCase{"LANG=en_US.UTF-8", "Usage: pixmo3-convert IN OUT\n", "\n\nReads IN and writes it to OUT;",
                "the angle must be between -360 and 360", "the image does not hold a single whole cell",
                "Invalid size: 0 x 2"},
          TCase{"LANG=it_IT.UTF-8", "Uso: pixmo3-convert IN OUT\n", "\n\nLegge IN e lo scrive in OUT;",
                "l'angolo deve essere tra -360 e 360", "l'immagine non contiene nessuna cella intera",
                "Dimensioni non valide: 0 x 2"}}) {
        EXPECT_EQ(Run({"--bogus", "x"}, c.Lang), 2);
        EXPECT_EQ(err.substr(0, c.Usage.size()), c.Usage);
        EXPECT_NE(err.find(c.Reads), std::string::npos) << err;
        EXPECT_EQ(Run({"--rotate", "361", Path("two.bmp"), Path("out.bmp")}, c.Lang), 1);
        EXPECT_EQ(err, "pixmo3-convert: " + c.Angle + "\n");
        EXPECT_EQ(Run({"--cells", "4", "4", Path("two.bmp"), Path("out.gif")}, c.Lang), 1);
        EXPECT_EQ(err, "pixmo3-convert: " + c.NoCell + "\n");
        EXPECT_EQ(Run({Path("zero.bmp"), Path("out.bmp")}, c.Lang), 1);
        EXPECT_EQ(err, c.Size + "\n");
        EXPECT_EQ(Run({"--info", Path("two.bmp")}, c.Lang), 0);
        EXPECT_EQ(out, "2x2 1 2\n");
    }
    // LANGUAGE comes before LANG, as in the program.
    EXPECT_EQ(Run({"--rotate", "361", "a", "b"}, "LANGUAGE=en:it LANG=it_IT.UTF-8"), 1);
    EXPECT_EQ(err, "pixmo3-convert: the angle must be between -360 and 360\n");
}

TEST_F(Convert, InfoPrintsSizeDepthAndColours) {
    test::FromGrid({std::string(33, '#')})->SaveToFile(Path("two.bmp"));
    EXPECT_EQ(Run({"--info", Path("two.bmp")}), 0);
    EXPECT_EQ(out, "33x1 1 2\n");
    TTrueDib::Create(5, 3)->SaveToFile(Path("rgb.bmp"));
    EXPECT_EQ(Run({"--info", Path("rgb.bmp")}), 0);
    EXPECT_EQ(out, "5x3 24 0\n");
    test::FromGrid({"12", "34"}, 40)->SaveToFile(Path("forty"));
    EXPECT_EQ(Run({"--info", Path("forty")}), 0);
    EXPECT_EQ(out, "2x2 8 40\n");
}

TEST_F(Convert, ConvertsBmpExactly) {
    auto two = test::FromGrid({"#.#.#.#.#", "..##..##."});
    auto sixteen = test::FromGrid({"0123456789abcdef", "fedcba9876543210"}, 16);
    auto many = test::FromGrid({"9.3", "7.1"}, 256);
    auto rgb = TTrueDib::Create(7, 2);
    for (int i = 0; i < 21; ++i) rgb->ScanLine(0)[i] = static_cast<uint8_t>(i * 11);
    int n = 0;
    for (const TDib* image : {two.get(), sixteen.get(), many.get()}) {
        const std::string in = Path("in" + std::to_string(n) + ".bmp");
        const std::string outName = Path("out" + std::to_string(n++) + ".dib");
        image->SaveToFile(in);
        ASSERT_EQ(Run({in, outName}), 0) << err;
        EXPECT_EQ(Slurp(outName), Slurp(in));
    }
    // True colour of few colours comes out as a palette image of exactly those colours.
    rgb->SaveToFile(Path("rgb.bmp"));
    ASSERT_EQ(Run({Path("rgb.bmp"), Path("rgb8.bmp")}), 0) << err;
    const auto eight = TDib::CreateFromFile(Path("rgb8.bmp"));
    ASSERT_EQ(eight->BitCount(), 8);
    for (int x = 0; x < 7; ++x) {
        const uint8_t* p = rgb->ScanLine(0) + 3 * x;
        EXPECT_EQ(eight->GetColor(eight->Pixel(x, 0)), RGB(p[2], p[1], p[0]));
    }
}

TEST_F(Convert, PngRoundTripKeepsTheIndices) {
    auto image = test::FromGrid({"0123", "4567", "89ab"}, 16);
    image->SaveToFile(Path("a.bmp"));
    ASSERT_EQ(Run({Path("a.bmp"), Path("a.PNG")}), 0) << err;
    ASSERT_EQ(Run({Path("a.PNG"), Path("b.bmp")}), 0) << err;
    auto back = TDib::CreateFromFile(Path("b.bmp"));
    EXPECT_EQ(test::ToGrid(*back), test::ToGrid(*image));
    EXPECT_EQ(back->GetColor(5), image->GetColor(5));
}

// "--png" anywhere chooses the level: the same picture, only the image data differs
// (zlib's level class in its header's second byte); normal when not given.
TEST_F(Convert, PngLevelChoosesTheCompression) {
    auto image = test::FromGrid({"0123456789abcdef", "0000000011111111", "0123456789abcdef"}, 16);
    image->SaveToFile(Path("a.bmp"));
    const std::vector<std::pair<std::vector<std::string>, int>> runs = {
        {{"--png", "fast", Path("a.bmp"), Path("fast.png")}, 0},
        {{Path("a.bmp"), Path("normal.png")}, 2},
        {{"--png", "max", "--stretch", "16", "3", Path("a.bmp"), Path("max.png")}, 3},
        {{"--stretch", "16", "3", Path("a.bmp"), "--png", "normal", Path("normal2.png")}, 2}};
    for (const auto& [args, levelClass] : runs) {
        ASSERT_EQ(Run(args), 0) << err;
        const std::string file = Slurp(args.back());
        const size_t idat = file.find("IDAT");
        ASSERT_NE(idat, std::string::npos);
        EXPECT_EQ(static_cast<uint8_t>(file[idat + 5]) >> 6, levelClass) << args.back();
        EXPECT_EQ(test::ToGrid(*TDib::CreateFromFile(args.back())), test::ToGrid(*image));
    }
    EXPECT_EQ(Slurp(Path("normal.png")), Slurp(Path("normal2.png")));
    for (const std::vector<std::string>& bad :
         {std::vector<std::string>{"--png", "slow", Path("a.bmp"), Path("b.png")}, {Path("a.bmp"), Path("b.png"), "--png"}}) {
        EXPECT_EQ(Run(bad), 2);
        EXPECT_NE(err.find("--png fast|normal|max"), std::string::npos);
        EXPECT_FALSE(fs::exists(Path("b.png")));
    }
}

TEST_F(Convert, OnlyRegularFilesAreReadAndNothingBlocks) {
    ASSERT_EQ(::mkfifo(Path("fifo.png").c_str(), 0600), 0);
    fs::create_directory(Path("dir.bmp"));
    const std::vector<std::pair<std::string, std::string>> cases = {
        {Path("fifo.png"), "non è un file normale"}, {"/dev/zero", "non è un file normale"}, {Path("dir.bmp"), "è una cartella"}};
    for (const auto& [in, reason] : cases) {
        EXPECT_EQ(Run({in, Path("out.bmp")}), 1) << in;
        EXPECT_EQ(err, "Impossibile aprire il file \"" + in + "\": " + reason + ".\n");
    }
    EXPECT_FALSE(fs::exists(Path("out.bmp")));
}

TEST_F(Convert, TruncatedPngIsReportedWithItsName) {
    test::FromGrid({"#.", ".#"})->SaveToFile(Path("a.bmp"));
    ASSERT_EQ(Run({Path("a.bmp"), Path("a.png")}), 0) << err;
    const std::string png = Slurp(Path("a.png"));
    WriteBytes("cut.png", std::vector<uint8_t>(png.begin(), png.end() - 6));
    EXPECT_EQ(Run({Path("cut.png"), Path("out.bmp")}), 1);
    EXPECT_EQ(err, "Errore di lettura in \"" + Path("cut.png") + "\": il file è troncato o danneggiato\n");
}

TEST_F(Convert, FailuresReportTheMessageAndWriteNothing) {
    // Compressed.
    TBitmapInfoHeader rle;
    rle.Width = 2;
    rle.Height = 2;
    rle.BitCount = 8;
    rle.Compression = 1;
    WriteHeaderBmp("rle.bmp", rle);
    EXPECT_EQ(Run({Path("rle.bmp"), Path("out.bmp")}), 1);
    EXPECT_EQ(err, "È un BMP compresso: solo i BMP non compressi si possono aprire\n");
    EXPECT_EQ(out, "");
    EXPECT_FALSE(fs::exists(Path("out.bmp")));

    // Planes 2: the image model's message is empty, so the tool names the file.
    rle.Compression = 0;
    rle.Planes = 2;
    WriteHeaderBmp("planes.bmp", rle);
    EXPECT_EQ(Run({"--info", Path("planes.bmp")}), 1);
    EXPECT_EQ(err, "pixmo3-convert: " + Path("planes.bmp") + ": errore\n");
    EXPECT_EQ(out, "");

    // Not a BMP; truncated; missing.
    WriteBytes("text.bmp", {'h', 'e', 'l', 'l', 'o'});
    EXPECT_EQ(Run({Path("text.bmp"), Path("out.bmp")}), 1);
    EXPECT_EQ(err, Path("text.bmp") + " non è un file BMP\n");
    test::FromGrid({"#.#", "..."})->SaveToFile(Path("good.bmp"));
    std::string good = Slurp(Path("good.bmp"));
    WriteBytes("cut.bmp", std::vector<uint8_t>(good.begin(), good.end() - 1));
    EXPECT_EQ(Run({Path("cut.bmp"), Path("out.bmp")}), 1);
    EXPECT_EQ(err, "Dati dell'immagine incompleti: il file è troncato o danneggiato\n");
    EXPECT_EQ(Run({Path("missing.bmp"), Path("out.bmp")}), 1);
    EXPECT_NE(err, "");
    EXPECT_FALSE(fs::exists(Path("out.bmp")));

    // A failed save keeps what was at the target.
    fs::create_directory(Path("target.bmp"));
    EXPECT_EQ(Run({Path("good.bmp"), Path("target.bmp")}), 1);
    EXPECT_NE(err, "");
    EXPECT_TRUE(fs::is_directory(Path("target.bmp")));
    EXPECT_EQ(Run({Path("good.bmp"), Path("no/such/dir.bmp")}), 1);
    // Only the files this test made are there: no temporary left behind.
    int entries = 0;
    for ([[maybe_unused]] const auto& e : fs::directory_iterator(dir)) ++entries;
    EXPECT_EQ(entries, 6);
}

TEST_F(Convert, StretchAndRotateWriteTheWholeImageTransformed) {
    test::FromGrid({"08f8", "4c4c", "f080"}, 16)->SaveToFile(Path("in.bmp"));
    using Grid = std::vector<std::string>;
    EXPECT_EQ(Run({"--stretch", "6", "4", Path("in.bmp"), Path("near.bmp")}), 0);
    EXPECT_EQ(test::ToGrid(*TDib::CreateFromFile(Path("near.bmp"))), (Grid{"..8ff8", "..8ff8", "44c44c", "ff.88."}));
    EXPECT_EQ(Run({"--stretch", "6", "4", "--smooth", Path("in.bmp"), Path("smooth.bmp")}), 0);
    EXPECT_EQ(test::ToGrid(*TDib::CreateFromFile(Path("smooth.bmp"))), (Grid{".59ec8", "37a89b", "887668", "f6265."}));

    test::FromGrid({"123", "456"}, 16)->SaveToFile(Path("small.bmp"));
    EXPECT_EQ(Run({"--rotate", "90", Path("small.bmp"), Path("turned.bmp")}), 0);
    EXPECT_EQ(test::ToGrid(*TDib::CreateFromFile(Path("turned.bmp"))), (Grid{"4#", "52", "63"}));
    EXPECT_EQ(Run({"--rotate", "-360", "--smooth", Path("small.bmp"), Path("same.bmp")}), 0);
    EXPECT_EQ(test::ToGrid(*TDib::CreateFromFile(Path("same.bmp"))), (Grid{"#23", "456"}));
    EXPECT_EQ(out, "");
    EXPECT_EQ(err, "");
}

TEST_F(Convert, TransformFailuresReportAndWriteNothing) {
    test::FromGrid({"12", "34"}, 16)->SaveToFile(Path("in.bmp"));
    test::ManyColours(17, 16)->SaveToFile(Path("rgb.bmp"));
    EXPECT_EQ(Run({"--stretch", "9000", "2", Path("in.bmp"), Path("out.bmp")}), 1);
    EXPECT_EQ(err, "L'immagine è troppo grande: i lati vanno da 1 a 8000 pixel\n");
    EXPECT_EQ(Run({"--stretch", "0", "2", Path("in.bmp"), Path("out.bmp")}), 1);
    EXPECT_EQ(err, "Dimensioni non valide: 0 x 2\n");
    EXPECT_EQ(Run({"--rotate", "361", Path("in.bmp"), Path("out.bmp")}), 1);
    EXPECT_EQ(err, "pixmo3-convert: l'angolo deve essere tra -360 e 360\n");
    EXPECT_EQ(Run({"--rotate", "10", Path("rgb.bmp"), Path("out.bmp")}), 1);
    EXPECT_NE(err, "");
    EXPECT_FALSE(fs::exists(Path("out.bmp")));
    for (const std::vector<std::string>& bad :
         {std::vector<std::string>{"--stretch", "3", "x", "a", "b"}, {"--stretch", "3", "a", "b"},
          {"--rotate", "5", "--smooth", "a"}, {"--rotate", "5.5", "a", "b"}, {"--rotate", "5", "a", "b", "--smooth"}}) {
        EXPECT_EQ(Run(bad), 2);
        EXPECT_NE(err.find("pixmo3-convert --rotate DEG [--smooth] IN OUT"), std::string::npos);
    }
}

TEST_F(Convert, PaletteMapsExactColoursAndTakesTheNearestForTheRest) {
    // Red twice in the palette: an exact colour goes to the lower entry.
    std::ofstream(Path("p.gpl")) << "GIMP Palette\nName: test\n# red twice\n"
                                    "0 0 0\tblack\n255 255 255 white\n255 0 0 red\n0 0 255 blue\n255 0 0 red\n";
    auto image = test::FromGrid({"0123", "3210"}, 16);
    image->SetColor(0, RGB(255, 0, 0));   // exact: 2
    image->SetColor(1, RGB(250, 10, 5));  // near red: 2
    image->SetColor(2, RGB(0, 0, 0));     // exact: 0
    image->SetColor(3, RGB(20, 20, 240)); // near blue: 3
    image->SaveToFile(Path("in.bmp"));
    ASSERT_EQ(Run({"--palette", Path("p.gpl"), Path("in.bmp"), Path("out.bmp")}), 0) << err;
    auto mapped = TDib::CreateFromFile(Path("out.bmp"));
    EXPECT_EQ(mapped->Colors(), 5);
    EXPECT_EQ(test::ToGrid(*mapped), (std::vector<std::string>{"22.3", "3.22"}));
    EXPECT_EQ(mapped->GetColor(4), RGB(255, 0, 0));

    // An image is a palette source too, and a palette file can be written from an image.
    ASSERT_EQ(Run({Path("out.bmp"), Path("back.hex")}), 0) << err;
    EXPECT_EQ(Slurp(Path("back.hex")), "000000\nffffff\nff0000\n0000ff\nff0000\n");
    ASSERT_EQ(Run({"--palette", Path("out.bmp"), Path("in.bmp"), Path("again.png")}), 0) << err;
    EXPECT_EQ(test::ToGrid(*TDib::CreateFromFile(Path("again.png"))), test::ToGrid(*mapped));

    // Refusals: a bad palette file, a palette of no colours, wrong arguments.
    std::ofstream(Path("bad.hex")) << "ff0000\nnot a colour\n";
    EXPECT_EQ(Run({"--palette", Path("bad.hex"), Path("in.bmp"), Path("x.bmp")}), 1);
    EXPECT_EQ(err, "File di palette non valido: " + Path("bad.hex") + ": riga 2: colore non valido (RRGGBB)\n");
    TTrueDib::Create(2, 2)->SaveToFile(Path("rgb.bmp"));
    EXPECT_EQ(Run({"--palette", Path("rgb.bmp"), Path("in.bmp"), Path("x.bmp")}), 1);
    EXPECT_NE(err.find("non sono gestite"), std::string::npos);
    EXPECT_FALSE(fs::exists(Path("x.bmp")));
    EXPECT_EQ(Run({"--palette", Path("p.gpl"), Path("in.bmp")}), 2);
}

TEST_F(Convert, CellsWriteTheAnimationFormTheNameAsks) {
    test::FromGrid({"012345678", "9abcdef.#"}, 16)->SaveToFile(Path("sheet.bmp"));
    for (const char* name : {"a.avi", "a.gif", "a.png", "a.strip.png"}) {
        EXPECT_EQ(Run({"--cells", "3", "2", "--delay", "40", Path("sheet.bmp"), Path(name)}), 0) << name << err;
        EXPECT_EQ(err, "");
    }
    EXPECT_EQ(test::ToGrid(*TDib::CreateFromFile(Path("a.strip.png"))), test::ToGrid(*TDib::CreateFromFile(Path("sheet.bmp"))));
    EXPECT_EQ(Run({"--cells", "3", "2", Path("sheet.bmp"), Path("a.mng")}), 1);
    EXPECT_EQ(err, "pixmo3-convert: le animazioni si scrivono in file \".avi\", \".gif\", \".png\" o \".strip.png\"\n");
    EXPECT_FALSE(fs::exists(Path("a.mng")));
}

}  // namespace
}  // namespace pixmo
