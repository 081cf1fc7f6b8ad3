// Palette files: samples of each form written here from its published layout read with the
// right colours, our own files read back the same, bad files refused with a message, and the
// format table's palette entry as a palette source.
#include <gtest/gtest.h>

#include <filesystem>

#include "formats/install_formats.h"
#include "formats/palette_file.h"
#include "formats/riff_builder.h"
#include "image/dib.h"
#include "image/errors.h"
#include "support/test_support.h"

namespace pixmo {
namespace {

namespace fs = std::filesystem;
using TColors = std::vector<uint32_t>;

std::vector<uint8_t> Bytes(const std::string& text) { return {text.begin(), text.end()}; }

TPaletteFile Parse(const std::string& name, const std::vector<uint8_t>& bytes) { return ParsePaletteFile(bytes, name); }

std::string Refusal(const std::string& name, const std::vector<uint8_t>& bytes) {
    try {
        Parse(name, bytes);
    } catch (const EPixmoError& e) {
        return e.what();
    }
    return "read";
}

// RIFF "PAL " with an odd-sized chunk before "data", as some writers put one there.
std::vector<uint8_t> RiffPalette(const TColors& colors, uint16_t declared, uint32_t riffSizeExtra = 0) {
    TLEBuilder b;
    b.FourCC("RIFF");
    b.U32(0);
    b.FourCC("PAL ");
    b.FourCC("note");
    b.U32(3);
    b.Bytes(std::vector<uint8_t>{'a', 'b', 'c', 0});
    b.FourCC("data");
    b.U32(static_cast<uint32_t>(4 + 4 * colors.size()));
    b.U16(0x0300);
    b.U16(declared);
    for (uint32_t c : colors) {
        b.U8(static_cast<uint8_t>(c >> 16));
        b.U8(static_cast<uint8_t>(c >> 8));
        b.U8(static_cast<uint8_t>(c));
        b.U8(0);  // flags
    }
    std::vector<uint8_t> bytes = b.Data();
    WriteLE32(&bytes[4], static_cast<uint32_t>(bytes.size() - 8 + riffSizeExtra));
    return bytes;
}

std::vector<uint8_t> ActPalette(const TColors& colors, int count, int transparent) {
    std::vector<uint8_t> bytes(768, 0);
    for (size_t i = 0; i < colors.size(); ++i) {
        bytes[3 * i] = static_cast<uint8_t>(colors[i] >> 16);
        bytes[3 * i + 1] = static_cast<uint8_t>(colors[i] >> 8);
        bytes[3 * i + 2] = static_cast<uint8_t>(colors[i]);
    }
    if (count >= 0)
        bytes.insert(bytes.end(), {uint8_t(count >> 8), uint8_t(count), uint8_t(transparent >> 8), uint8_t(transparent)});
    return bytes;
}

TEST(PaletteFile, SamplesOfEachPublishedLayoutReadWithTheirColours) {
    const TColors three = {0xFF0000, 0x00FF80, 0x102030};
    const std::string gpl =
        "GIMP Palette\r\nName: Sample\r\nColumns: 4\r\n#\r\n# a comment\r\n"
        "255   0   0\tRed\r\n  0 255 128 Mint green\r\n\t16\t32\t48\r\n\r\n";
    EXPECT_EQ(Parse("a.gpl", Bytes(gpl)).Colors, three);
    EXPECT_EQ(Parse("a.pal", Bytes("JASC-PAL\r\n0100\r\n3\r\n255 0 0\r\n0 255 128\r\n16 32 48\r\n")).Colors, three);
    EXPECT_EQ(Parse("A.PAL", RiffPalette(three, 3)).Colors, three);
    EXPECT_EQ(Parse("a.hex", Bytes("ff0000\n#00FF80\n102030")).Colors, three);

    const TPaletteFile counted = Parse("a.act", ActPalette(three, 3, 1));
    EXPECT_EQ(counted.Colors, three);
    EXPECT_EQ(counted.TransparentIndex, 1);
    EXPECT_EQ(CreatePaletteDib(counted)->TransparentEntry(), 1);  // an image made from it keeps it
    EXPECT_EQ(Parse("a.act", ActPalette(three, 3, 0xFFFF)).TransparentIndex, -1);
    const TPaletteFile full = Parse("a.act", ActPalette(three, -1, 0));
    ASSERT_EQ(full.Colors.size(), 256u);
    EXPECT_EQ(TColors(full.Colors.begin(), full.Colors.begin() + 4), (TColors{0xFF0000, 0x00FF80, 0x102030, 0}));
    EXPECT_EQ(full.TransparentIndex, -1);
}

TEST(PaletteFile, EachFormWritesWhatReadsBackTheSame) {
    TColors all(256);
    for (size_t i = 0; i < all.size(); ++i) all[i] = static_cast<uint32_t>(i * 0x010305 + (i << 20)) & 0xFFFFFF;
    for (const TColors& colors : {TColors{0xABCDEF}, TColors{0, 0xFFFFFF, 0x7F0080}, all})
        for (const char* name : {"p.gpl", "p.pal", "p.hex", "p.act"}) {
            const TPaletteFile back = Parse(name, BuildPaletteFile(colors, name, 0));
            EXPECT_EQ(back.Colors, colors) << name;
            if (std::string(name) == "p.act") {
                EXPECT_EQ(back.TransparentIndex, 0);
            }
        }
    // The layouts others read: JASC's header lines and the Lospec form.
    EXPECT_EQ(BuildPaletteFile(TColors{0x0A0B0C}, "x.pal"), Bytes("JASC-PAL\r\n0100\r\n1\r\n10 11 12\r\n"));
    EXPECT_EQ(BuildPaletteFile(TColors{0x0A0B0C, 0xFF0000}, "x.hex"), Bytes("0a0b0c\nff0000\n"));
    const std::vector<uint8_t> act = BuildPaletteFile(TColors{1, 2}, "x.act");
    ASSERT_EQ(act.size(), 772u);
    EXPECT_EQ(std::vector<uint8_t>(act.end() - 4, act.end()), (std::vector<uint8_t>{0, 2, 0xFF, 0xFF}));
}

TEST(PaletteFile, BadFilesAreRefusedWithTheReason) {
    std::string gpl257 = "GIMP Palette\n", hex257;
    for (int i = 0; i < 257; ++i) {
        gpl257 += "1 2 3\n";
        hex257 += "010203\n";
    }
    const std::vector<uint8_t> riff = RiffPalette({1, 2, 3}, 3);
    const std::vector<std::tuple<std::string, std::vector<uint8_t>, std::string>> cases = {
        {"a.gpl", Bytes(gpl257), "più di 256 colori"},
        {"a.hex", Bytes(hex257), "più di 256 colori"},
        {"a.pal", Bytes("JASC-PAL\n0100\n257\n"), "più di 256 colori"},
        {"a.pal", RiffPalette(TColors(300, 0), 300), "più di 256 colori"},
        {"a.gpl", Bytes("GIMP Palette\nName: empty\n"), "nessun colore"},
        {"a.act", ActPalette({}, 0, 0xFFFF), "nessun colore"},
        {"a.hex", {}, "file vuoto"},
        {"a.pal", Bytes("JASC-PAL\n0100\n3\n1 2 3\n4 5 6\n"), "file troncato"},
        {"a.pal", Bytes("JASC-PAL\n0100\n1\n1 2 3\n4 5 6\n"), "più colori di quanti dichiarati"},
        {"a.pal", std::vector<uint8_t>(riff.begin(), riff.end() - 1), "file troncato"},
        {"a.pal", RiffPalette({1, 2, 3}, 4), "file troncato"},
        {"a.pal", Bytes(std::string("RIFF\4\0\0\0PAL ", 12)), "manca il blocco \"data\""},
        {"a.pal", Bytes("PAL 1 2 3"), "né JASC-PAL né RIFF"},
        {"a.gpl", Bytes("GIMP Palette\n256 0 0\n"), "riga 2: colore non valido"},
        {"a.gpl", Bytes("GIMP Palette\n1 2\n"), "riga 2: colore non valido"},
        {"a.gpl", Bytes("GIMP Palette\n12a 0 0\n"), "riga 2: colore non valido"},
        {"a.gpl", Bytes("GIMP Palette\nColumns: many\n"), "riga 2: numero di colonne non valido"},
        {"a.gpl", Bytes("Palette\n1 2 3\n"), "manca l'intestazione \"GIMP Palette\""},
        {"a.pal", Bytes("JASC-PAL\n0100\n1\n1 2 3 4\n"), "riga 4: colore non valido"},
        {"a.pal", Bytes("JASC-PAL\n0200\n1\n1 2 3\n"), "versione non supportata"},
        {"a.hex", Bytes("ff0000\n12345\n"), "riga 2: colore non valido (RRGGBB)"},
        {"a.hex", Bytes("GG0000\n"), "riga 1: colore non valido (RRGGBB)"},
        {"a.act", std::vector<uint8_t>(770, 0), "770 byte invece di 768 o 772"},
        {"a.act", ActPalette({}, 257, 0xFFFF), "più di 256 colori"},
        {"a.act", ActPalette({}, 4, 4), "indice trasparente oltre i colori"},
        {"a.hex", std::vector<uint8_t>((1 << 20) + 1, '0'), "file troppo grande"},
    };
    for (const auto& [name, bytes, reason] : cases)
        EXPECT_EQ(Refusal(name, bytes), "File di palette non valido: " + name + ": " + reason) << name << " " << reason;
    EXPECT_EQ(Refusal("a.bmp", Bytes("ff0000")), "Non è un nome di file di palette (.gpl, .pal, .hex, .act): a.bmp");
}

TEST(PaletteFile, TheFormatTableTakesPaletteFilesAsPaletteImages) {
    InstallFormats();
    const std::string dir = test::MakeTempDir();
    test::WriteFileBytes(dir + "/p.hex", Bytes("ff0000\n00ff00\n0000ff\n"));
    EXPECT_TRUE(IsPaletteFileName(dir + "/p.hex"));
    EXPECT_FALSE(IsPaletteFileName(dir + "/p.png"));
    EXPECT_FALSE(IsPaletteFileName(".hex"));
    const auto palette = TDib::CreateFromFile(dir + "/p.hex");
    EXPECT_EQ(palette->Colors(), 3);
    EXPECT_EQ(test::ToGrid(*palette), (std::vector<std::string>{".#2"}));
    EXPECT_EQ(palette->GetColor(2), RGB(0, 0, 255));

    // Saving an image as a palette file writes its colour table; true colour has none.
    palette->SaveToFile(dir + "/back.gpl");
    EXPECT_EQ(ReadPaletteFile(dir + "/back.gpl").Colors, (TColors{0xFF0000, 0x00FF00, 0x0000FF}));
    EXPECT_THROW(TTrueDib::Create(2, 2)->SaveToFile(dir + "/rgb.act"), EPixmoError);
    EXPECT_FALSE(fs::exists(dir + "/rgb.act"));
    EXPECT_THROW(ReadPaletteFile(dir + "/missing.gpl"), EPixmoError);
    fs::remove_all(dir);
}

}  // namespace
}  // namespace pixmo
