// Icons as the editor opens them: the AND mask and the alpha channel become the image's
// transparent entry, a colour table shorter than the pixels grows, refusals name the file.
#include <gtest/gtest.h>

#include <filesystem>

#include "formats/icon_file.h"
#include "formats/install_formats.h"
#include "image/byte_order.h"
#include "image/errors.h"
#include "image/file_format.h"
#include "support/test_support.h"

namespace pixmo {
namespace {

using test::FromGrid;
using test::ToGrid;
using TRows = std::vector<std::string>;

// An icon file of one bitmap image: the colour image as saved, '#' in `mask` transparent.
std::vector<uint8_t> IconOf(std::unique_ptr<TDib> color, const TRows& mask) {
    TDIIcon icon;
    icon.Mask = TMaskDib::Create(color->Width(), color->Height());
    for (int y = 0; y < color->Height(); ++y)
        for (int x = 0; x < color->Width(); ++x)
            if (mask[size_t(y)][size_t(x)] == '#') icon.Mask->SetPixel(x, y, 1);
    icon.Color = std::move(color);
    TIcons icons;
    icons.Add(std::move(icon));
    return icons.SaveToBytes();
}

// An icon file around a hand-made image block: header (height doubled here), table, rows.
std::vector<uint8_t> IconFile(TBitmapInfoHeader h, const std::vector<uint32_t>& table, const std::vector<uint8_t>& rows) {
    std::vector<uint8_t> file(6 + 16 + 40 + 4 * table.size());
    file[2] = 1;
    file[4] = 1;
    WriteLE32(&file[6 + 8], static_cast<uint32_t>(40 + 4 * table.size() + rows.size()));
    WriteLE32(&file[6 + 12], 22);
    h.Height *= 2;
    WriteInfoHeader(&file[22], h);
    for (size_t i = 0; i < table.size(); ++i) WriteLE32(&file[62 + 4 * i], table[i]);
    file.insert(file.end(), rows.begin(), rows.end());
    return file;
}

std::unique_ptr<TDib> Open(const std::vector<uint8_t>& bytes) {
    TMemorySource source(bytes);
    return OpenIconPicture(source, "a.ico");
}

TEST(IconRead, TheMaskBecomesAnEntryOfItsOwnThatOpaquePixelsDoNotShare) {
    // Index 1 is under the mask at (0, 0) and opaque at (2, 1): a fifth entry is added.
    auto added = Open(IconOf(FromGrid({"#..2", "..#."}, 4), {"#...", "...."}));
    EXPECT_EQ(ToGrid(*added), (TRows{"4..2", "..#."}));
    ASSERT_EQ(added->Colors(), 5);
    EXPECT_EQ(added->GetColor(4), added->GetColor(1));
    EXPECT_EQ(added->Alphas(), (std::vector<uint8_t>{255, 255, 255, 255, 0}));

    // Index 2 only under the mask: it is the transparent entry, the other masked pixel joins it.
    auto found = Open(IconOf(FromGrid({"#.2.", "..#2"}, 4), {"#.#.", "...#"}));
    EXPECT_EQ(ToGrid(*found), (TRows{"2.2.", "..#2"}));
    EXPECT_EQ(found->Colors(), 4);
    EXPECT_EQ(found->Alphas(), (std::vector<uint8_t>{255, 255, 0}));

    // Two colours, both in use: the picture moves to 4 bits for a third entry.
    auto mono = Open(IconOf(FromGrid({"#.", ".#"}), {"..", "#."}));
    EXPECT_EQ(mono->BitCount(), 4);
    EXPECT_EQ(ToGrid(*mono), (TRows{"#.", "2#"}));
    EXPECT_EQ(mono->GetColor(2), RGB(0, 0, 0));
    EXPECT_EQ(mono->Alphas(), (std::vector<uint8_t>{255, 255, 0}));

    // A full 16-colour table with unused entries: the first unused one is taken, 4 bits kept.
    auto full = Open(IconOf(FromGrid({"#.", ".."}, 16), {"..", "#."}));
    EXPECT_EQ(full->BitCount(), 4);
    EXPECT_EQ(full->Colors(), 16);
    EXPECT_EQ(ToGrid(*full), (TRows{"#.", "2."}));
    EXPECT_EQ(full->GetColor(2), RGB(0, 0, 0));
    EXPECT_EQ(full->Alphas(), (std::vector<uint8_t>{255, 255, 0}));
}

TEST(IconRead, AlphaChannelsAndShortTables) {
    // 32 bits, 2 x 1: red opaque, green clear, then the AND mask rows (nothing set).
    TBitmapInfoHeader h = test::Header(2, 1, 32);
    const std::vector<uint8_t> rows = {0, 0, 255, 255, 0, 255, 0, 0, 0, 0, 0, 0};
    auto alpha = Open(IconFile(h, {}, rows));
    ASSERT_FALSE(alpha->IsTrueColor());
    EXPECT_EQ(alpha->GetColor(alpha->Pixel(1, 0)), RGB(0, 255, 0));
    EXPECT_EQ(alpha->TransparentEntry(), alpha->Pixel(1, 0));
    EXPECT_NE(alpha->Pixel(0, 0), alpha->Pixel(1, 0));

    // An alpha channel of zeros is none: the AND mask (first pixel) decides.
    std::vector<uint8_t> zeros = {0, 0, 255, 0, 0, 255, 0, 0, 0x80, 0, 0, 0};
    auto masked = Open(IconFile(h, {}, zeros));
    EXPECT_EQ(masked->TransparentEntry(), masked->Pixel(0, 0));
    EXPECT_NE(masked->Pixel(1, 0), masked->Pixel(0, 0));

    // 4 bits declaring 2 colours with a pixel of index 3: four entries, the new ones black.
    TIcons icons;
    const std::vector<uint8_t> nibbles = {0x13, 0, 0, 0, 0, 0, 0, 0};
    const std::vector<uint8_t> file = IconFile(test::Header(2, 1, 4, 2), {0xFF0000, 0x00FF00}, nibbles);
    TMemorySource source(file);
    icons.LoadFromSource(source);
    const TDib& color = *icons.Item(0).Color;
    EXPECT_EQ(color.Colors(), 4);
    EXPECT_EQ(color.GetColor(3), RGB(0, 0, 0));
    EXPECT_EQ(color.GetColor(1), RGB(0, 255, 0));
}

TEST(IconRead, RefusalsOfAFileNameIt) {
    std::vector<uint8_t> cursor = IconOf(FromGrid({"#."}), {".."});
    cursor[2] = 2;
    TMemorySource source(cursor);
    InstallFormats();
    try {
        FormatForName("x.ico").Load(source, "dir/x.ico");
        ADD_FAILURE() << "loaded";
    } catch (const EPixmoError& e) {
        EXPECT_STREQ(e.what(), "dir/x.ico: Icona non valida.");
    }
    EXPECT_THROW(OpenIconPicture(source, "x.ico"), EPixmoError);
}

// The options go with the save call: the same image saved with other options, other bytes.
TEST(IconRead, SaveOptionsTravelWithTheSaveCall) {
    InstallFormats();
    const std::string dir = test::MakeTempDir();
    auto image = TDib::CreateResized(*FromGrid({"#.", ".#"}, 16), TPoint{32, 32});
    const TIconOptions options{true, false, 0};
    image->SaveToFile(dir + "/a.ico", TSaveOptions{options});
    SaveIconFile(*image, dir + "/b.ico", options);
    image->SaveToFile(dir + "/c.ico");
    SaveIconFile(*image, dir + "/d.ico", TIconOptions{});
    EXPECT_EQ(test::ReadFileBytes(dir + "/a.ico"), test::ReadFileBytes(dir + "/b.ico"));
    EXPECT_EQ(test::ReadFileBytes(dir + "/c.ico"), test::ReadFileBytes(dir + "/d.ico"));
    EXPECT_NE(test::ReadFileBytes(dir + "/a.ico"), test::ReadFileBytes(dir + "/c.ico"));
    EXPECT_EQ(FormatForName("A.ICO").Side, 32);
    std::filesystem::remove_all(dir);
}

}  // namespace
}  // namespace pixmo
