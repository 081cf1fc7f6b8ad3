// BMP files: exact bytes written, round trips through real files, the extension rule,
// the loader family, refusals, and saving that never destroys what was there.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <cstring>

#include "image/byte_order.h"
#include "image/dib.h"
#include "image/errors.h"
#include "image/file_format.h"
#include "image/file_io.h"
#include "image/packed_dib.h"
#include "support/test_support.h"

namespace pixmo {
namespace {

namespace fs = std::filesystem;
using test::FromGrid;
using test::Header;
using test::ToGrid;

// A BMP file around a hand-made header: file header, info header, table, bits; the pixel
// offset right after the table unless given.
std::vector<uint8_t> BmpBytes(TBitmapInfoHeader h, size_t tableEntries, size_t bitsBytes, int64_t offset = -1) {
    std::vector<uint8_t> out(14 + 40 + 4 * tableEntries + bitsBytes, 0);
    out[0] = 'B';
    out[1] = 'M';
    WriteLE32(&out[2], static_cast<uint32_t>(out.size()));
    WriteLE32(&out[10], static_cast<uint32_t>(offset >= 0 ? offset : 54 + 4 * static_cast<int64_t>(tableEntries)));
    WriteInfoHeader(&out[14], h);
    return out;
}

std::string BmpMessage(const std::vector<uint8_t>& bytes, const std::string& name = "x.bmp") {
    try {
        CreateFromBmpBytes<TDib>(bytes, name);
    } catch (const EPixmoError& e) {
        return e.what();
    }
    return "<no error>";
}

class BmpFile : public ::testing::Test {
protected:
    void SetUp() override { dir = test::MakeTempDir(); }
    void TearDown() override { fs::remove_all(dir); }
    std::string Path(const std::string& name) const { return dir + "/" + name; }
    std::string dir;
};

TEST_F(BmpFile, TwoColourFileIsSeventyBytes) {
    auto image = FromGrid({std::string(32, '.') + "#"});
    image->SaveToFile(Path("a.bmp"));
    const auto b = test::ReadFileBytes(Path("a.bmp"));
    ASSERT_EQ(b.size(), 70u);
    const std::vector<uint8_t> head(b.begin(), b.begin() + 14);
    EXPECT_EQ(head, (std::vector<uint8_t>{'B', 'M', 70, 0, 0, 0, 0, 0, 0, 0, 62, 0, 0, 0}));
    EXPECT_EQ(ReadLE32(&b[14]), 40u);
    EXPECT_EQ(ReadLE32(&b[18]), 33u);
    EXPECT_EQ(ReadLE32(&b[22]), 1u);
    EXPECT_EQ(ReadLE16(&b[28]), 1u);
    EXPECT_EQ(ReadLE32(&b[34]), 8u);
    EXPECT_EQ(ReadLE32(&b[46]), 2u);
    EXPECT_EQ(std::vector<uint8_t>(b.begin() + 54, b.end()),
              (std::vector<uint8_t>{0, 0, 0, 0, 255, 255, 255, 0, 0, 0, 0, 0, 0x80, 0, 0, 0}));
}

TEST_F(BmpFile, TrueColourFileHasOffset54AndNoTable) {
    auto image = TTrueDib::Create(3, 2);
    image->ScanLine(0)[0] = 0x11;
    image->SaveToFile(Path("t.bmp"));
    const auto b = test::ReadFileBytes(Path("t.bmp"));
    ASSERT_EQ(b.size(), 54u + 24u);
    EXPECT_EQ(ReadLE32(&b[2]), 78u);
    EXPECT_EQ(ReadLE32(&b[10]), 54u);
    EXPECT_EQ(ReadLE16(&b[28]), 24u);
    EXPECT_EQ(ReadLE32(&b[34]), 24u);
    EXPECT_EQ(ReadLE32(&b[46]), 0u);
    EXPECT_EQ(b[54 + 12], 0x11);  // top row is the second in the file
}

TEST_F(BmpFile, RoundTripsThroughFiles) {
    auto two = FromGrid({"#..#.", ".##.#", "#...#"});
    auto sixteen = FromGrid({"0123456789abcdef.", "fedcba9876543210#"}, 16);
    auto many = FromGrid({"9..3", "..71"}, 200);
    auto rgb = TTrueDib::Create(5, 3);
    for (int i = 0; i < 5 * 3; ++i) rgb->ScanLine(i / 5)[3 * (i % 5) + 1] = static_cast<uint8_t>(17 * i);
    for (TDib* image : {two.get(), sixteen.get(), many.get(), static_cast<TDib*>(rgb.get())}) {
        const std::string path = Path("r" + std::to_string(image->BitCount()) + ".bmp");
        image->SaveToFile(path);
        auto back = TDib::CreateFromFile(path);
        EXPECT_EQ(back->BitCount(), image->BitCount());
        EXPECT_EQ(back->Colors(), image->Colors());
        EXPECT_EQ(back->ColorTable(), image->ColorTable());
        for (int y = 0; y < image->Height(); ++y)
            EXPECT_EQ(0, std::memcmp(back->ScanLine(y), image->ScanLine(y),
                                     static_cast<size_t>(image->Width()) * image->PixelBytes()));
    }
    // The reader's inverse of the writer, on bytes.
    auto again = CreateFromBmpBytes<TDib>(BuildBmpFile(*sixteen), "m.bmp");
    EXPECT_EQ(ToGrid(*again), ToGrid(*sixteen));
    // The other classes read through the same path.
    auto mask = CreateFromBmpBytes<TMaskDib>(BuildBmpFile(*two), "m.bmp");
    EXPECT_EQ(ToGrid(*mask), ToGrid(*two));
    auto truecolor = CreateFromBmpBytes<TTrueDib>(BuildBmpFile(*two), "m.bmp");
    EXPECT_EQ(truecolor->BitCount(), 24);
    EXPECT_EQ(truecolor->GetPixel(0, 0)[0], 255);
}

TEST_F(BmpFile, ReadsWhatOtherWritersProduce) {
    // Colours used 0 at 8 bits: a 256-entry table.
    auto zero = BmpBytes(Header(1, 1, 8, 0), 256, 4);
    WriteLE32(&zero[54 + 4 * 255], 0x00FF8000);
    zero[54 + 1024] = 255;
    auto image = CreateFromBmpBytes<TDib>(zero, "z.bmp");
    EXPECT_EQ(image->Colors(), 256);
    EXPECT_EQ(image->Pixel(0, 0), 255);
    EXPECT_EQ(image->GetColor(255), RGB(255, 128, 0));

    // Pixels after a gap, found by the offset field.
    auto gap = BmpBytes(Header(2, 1, 1, 2), 2, 100, 54 + 8 + 96);
    WriteLE32(&gap[58], 0x00FFFFFF);
    gap[54 + 8 + 96] = 0x40;
    EXPECT_EQ(ToGrid(*CreateFromBmpBytes<TDib>(gap, "g.bmp")), (std::vector<std::string>{".#"}));

    // A longer info header: the table follows all of it.
    TBitmapInfoHeader v4 = Header(2, 1, 1, 2);
    v4.Size = 108;
    auto longer = BmpBytes(v4, 2 + 17, 4, 14 + 108 + 8);
    WriteLE32(&longer[14 + 108 + 4], 0x000000FF);
    longer[14 + 108 + 8] = 0x80;
    auto withV4 = CreateFromBmpBytes<TDib>(longer, "v4.bmp");
    EXPECT_EQ(withV4->GetColor(1), RGB(0, 0, 255));
    EXPECT_EQ(ToGrid(*withV4), (std::vector<std::string>{"#."}));

    // 8000 wide is allowed.
    EXPECT_EQ(BmpMessage(BmpBytes(Header(8000, 1, 8, 1), 1, 8000)), "<no error>");
}

TEST_F(BmpFile, AColourCountShortOfThePixelsIsMadeUpWithBlackEntries) {
    // 8 bits, two colours declared, a pixel of index 5.
    auto eight = BmpBytes(Header(4, 1, 8, 2), 2, 4);
    WriteLE32(&eight[54], 0x00FF0000);
    WriteLE32(&eight[58], 0x0000FF00);
    const uint8_t pixels[] = {0, 1, 5, 1};
    std::memcpy(&eight[62], pixels, 4);
    auto image = CreateFromBmpBytes<TDib>(eight, "e.bmp");
    EXPECT_EQ(ToGrid(*image), (std::vector<std::string>{".#5#"}));
    ASSERT_EQ(image->Colors(), 6);
    EXPECT_EQ(image->GetColor(1), RGB(0, 255, 0));
    for (int i = 2; i < 6; ++i) EXPECT_EQ(image->GetColor(i), RGB(0, 0, 0)) << i;
    EXPECT_EQ(ReadLE32(&BuildBmpFile(*image)[14 + 32]), 6u);  // what is written covers it

    // 4 bits, one colour declared, index 3; and a packed DIB (the clipboard's) likewise.
    auto four = BmpBytes(Header(2, 1, 4, 1), 1, 4);
    four[58] = 0x03;
    EXPECT_EQ(CreateFromBmpBytes<TDib>(four, "f.bmp")->Colors(), 4);
    std::vector<uint8_t> packed(40 + 8 + 4, 0);
    WriteInfoHeader(packed.data(), Header(1, 1, 8, 2));
    packed[48] = 7;
    EXPECT_EQ(TDib::CreateFromPacked(packed)->Colors(), 8);

    // A table that covers the pixels keeps its own count.
    auto covered = BmpBytes(Header(2, 1, 8, 3), 3, 4);
    covered[54 + 12 + 1] = 1;
    EXPECT_EQ(CreateFromBmpBytes<TDib>(covered, "c.bmp")->Colors(), 3);
}

TEST_F(BmpFile, RefusesWithTheProgramsMessages) {
    EXPECT_EQ(BmpMessage({'B', 'A', 0, 0}, "foto.bmp"), "foto.bmp non è un file BMP");
    EXPECT_EQ(BmpMessage({}, "vuoto.bmp"), "vuoto.bmp non è un file BMP");
    EXPECT_EQ(BmpMessage({'B', 'M', 0, 0, 0}), kMsgBadInfoHeader);

    TBitmapInfoHeader planes = Header(4, 2, 8, 1);
    planes.Planes = 2;
    EXPECT_EQ(BmpMessage(BmpBytes(planes, 1, 16)), "");
    TBitmapInfoHeader rle = Header(4, 2, 8, 1);
    rle.Compression = 1;
    EXPECT_EQ(BmpMessage(BmpBytes(rle, 1, 16)), "E' stato compresso!");
    EXPECT_EQ(BmpMessage(BmpBytes(Header(4, -2, 8, 1), 1, 16)), "Dimensioni non valide: 4 x -2");
    EXPECT_EQ(BmpMessage(BmpBytes(Header(0, 5, 8, 1), 1, 16)), "Dimensioni non valide: 0 x 5");
    EXPECT_EQ(BmpMessage(BmpBytes(Header(8001, 1, 8, 1), 1, 8004)), "L'immagine è troppo grande");
    EXPECT_EQ(BmpMessage(BmpBytes(Header(4, 2, 16), 0, 16)), DepthRefusedMessage(16));
    EXPECT_EQ(BmpMessage(BmpBytes(Header(4, 2, 32), 0, 32)), DepthRefusedMessage(32));

    // Self-contradictions.
    auto good = BmpBytes(Header(4, 2, 8, 1), 1, 8);
    ASSERT_EQ(BmpMessage(good), "<no error>");
    EXPECT_EQ(BmpMessage(std::vector<uint8_t>(good.begin(), good.end() - 1)), kMsgBitsShort);
    EXPECT_EQ(BmpMessage(std::vector<uint8_t>(good.begin(), good.begin() + 56)), kMsgColorTableShort);
    EXPECT_EQ(BmpMessage(std::vector<uint8_t>(good.begin(), good.begin() + 40)), kMsgBadInfoHeader);
    EXPECT_EQ(BmpMessage(BmpBytes(Header(4, 2, 8, 1), 1, 8, 20)), kMsgBadPixelOffset);
    EXPECT_EQ(BmpMessage(BmpBytes(Header(4, 2, 8, 1), 1, 8, 0xFFFFFFFF)), kMsgBadPixelOffset);
    TBitmapInfoHeader os2 = Header(4, 2, 8, 1);
    os2.Size = 12;
    EXPECT_EQ(BmpMessage(BmpBytes(os2, 1, 8)), kMsgBadInfoHeader);
    EXPECT_EQ(BmpMessage(BmpBytes(Header(8000, 8000, 24), 0, 10)), kMsgBitsShort);

    // From a real file: the same messages, and the file system's when there is none.
    test::WriteFileBytes(Path("rle.bmp"), BmpBytes(rle, 1, 16));
    EXPECT_THROW(
        {
            try {
                TDib::CreateFromFile(Path("rle.bmp"));
            } catch (const EPixmoError& e) {
                EXPECT_STREQ(e.what(), "E' stato compresso!");
                throw;
            }
        },
        EPixmoError);
    EXPECT_THROW(TDib::CreateFromFile(Path("missing.bmp")), EPixmoError);
}

TEST_F(BmpFile, LoaderFamily) {
    auto rgb = TTrueDib::Create(2, 2);
    rgb->SaveToFile(Path("rgb.bmp"));
    auto pal = FromGrid({"123", "456"}, 16);
    pal->SaveToFile(Path("pal.bmp"));

    EXPECT_EQ(TDib::CreateFromFilePaletted(Path("pal.bmp"))->BitCount(), 4);
    try {
        TDib::CreateFromFilePaletted(Path("rgb.bmp"));
        ADD_FAILURE() << "24 bits accepted";
    } catch (const EPixmoError& e) {
        EXPECT_EQ(std::string(e.what()), DepthRefusedMessage(24));
    }
    EXPECT_THROW(TDib::CreateFromFileResized(Path("rgb.bmp"), TPoint{4, 4}), EPixmoError);

    auto resized = TDib::CreateFromFileResized(Path("pal.bmp"), TPoint{4, 3});
    EXPECT_EQ(resized->Colors(), 16);
    EXPECT_EQ(resized->GetColor(3), pal->GetColor(3));
    EXPECT_EQ(ToGrid(*resized), (std::vector<std::string>{"#23.", "456.", "...."}));
}

struct TFakePng {
    static inline std::string Saved, Loaded;
    static void Save(const TDib&, const std::string& name) { Saved = name; }
    static std::unique_ptr<TDib> Load(TByteSource&, const std::string& name) {
        Loaded = name;
        return TDib::Create(7, 3, 2);
    }
};

TEST_F(BmpFile, ExtensionChoosesTheFormat) {
    const TFileFormat previous = FormatForName("x.png");
    auto image = FromGrid({"#."});
    RegisterFormat(TFileFormat{"PNG", {".png"}});
    try {
        image->SaveToFile(Path("PICTURE.PNG"));
        ADD_FAILURE() << "no PNG codec, yet saved";
    } catch (const EPixmoError& e) {
        EXPECT_STREQ(e.what(), "PNG non ancora supportato");
    }
    EXPECT_FALSE(fs::exists(Path("PICTURE.PNG")));
    EXPECT_THROW(TDib::CreateFromFile(Path("PICTURE.PNG")), EPixmoError);

    RegisterFormat(TFileFormat{"PNG", {".png"}, nullptr, &TFakePng::Load, &TFakePng::Save});
    image->SaveToFile(Path("PICTURE.PNG"));
    EXPECT_EQ(TFakePng::Saved, Path("PICTURE.PNG"));
    test::WriteFileBytes(Path("x.Png"), {1});
    EXPECT_EQ(TDib::CreateFromFile(Path("x.Png"))->Width(), 7);
    EXPECT_EQ(TFakePng::Loaded, Path("x.Png"));
    for (const char* name : {"picture.bmp", "picture.dib", "picture", "picture.png.bak"}) {
        image->SaveToFile(Path(name));
        const auto b = test::ReadFileBytes(Path(name));
        ASSERT_EQ(b.size(), 14u + 48u + 4u) << name;
        EXPECT_EQ(b[0], 'B');
        EXPECT_TRUE(FormatForName(name).Test(b)) << name;
        EXPECT_EQ(TDib::CreateFromFile(Path(name))->Width(), 2) << name;
    }
    EXPECT_FALSE(FormatForName("a.bmp").Test(std::vector<uint8_t>{'B'}));
    RegisterFormat(previous);
}

TEST_F(BmpFile, FailedSaveLeavesWhatWasThere) {
    auto image = FromGrid({"#."});
    auto other = FromGrid({"..", "##"});
    // Replacing a file works and leaves no temporary behind.
    image->SaveToFile(Path("keep.bmp"));
    other->SaveToFile(Path("keep.bmp"));
    EXPECT_EQ(ToGrid(*TDib::CreateFromFile(Path("keep.bmp"))), ToGrid(*other));
    EXPECT_EQ(std::distance(fs::directory_iterator(dir), fs::directory_iterator()), 1);

    // A directory in the way stays as it was, with its content.
    fs::create_directory(Path("sub.bmp"));
    test::WriteFileBytes(Path("sub.bmp/inner"), {1, 2, 3});
    EXPECT_THROW(image->SaveToFile(Path("sub.bmp")), EPixmoError);
    EXPECT_TRUE(fs::is_directory(Path("sub.bmp")));
    EXPECT_EQ(test::ReadFileBytes(Path("sub.bmp/inner")), (std::vector<uint8_t>{1, 2, 3}));
    EXPECT_THROW(image->SaveToFile(Path("nowhere/x.bmp")), EPixmoError);
    EXPECT_EQ(std::distance(fs::directory_iterator(dir), fs::directory_iterator()), 2);

    // A folder we may not write into keeps the old file (root may write anywhere).
    if (::geteuid() != 0) {
        fs::create_directory(Path("ro"));
        image->SaveToFile(Path("ro/old.bmp"));
        ::chmod(Path("ro").c_str(), 0555);
        EXPECT_THROW(other->SaveToFile(Path("ro/old.bmp")), EPixmoError);
        ::chmod(Path("ro").c_str(), 0755);
        EXPECT_EQ(ToGrid(*TDib::CreateFromFile(Path("ro/old.bmp"))), ToGrid(*image));
    }
}

}  // namespace
}  // namespace pixmo
