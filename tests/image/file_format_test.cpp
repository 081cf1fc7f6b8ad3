#include <gtest/gtest.h>

#include <set>

#include "image/file_format.h"

namespace pixmo {
namespace {

// The dialogs' filters come from the table, exactly as the dialogs always showed them.
TEST(FileFormatTable, FiltersAreBuiltFromTheEntries) {
    EXPECT_EQ(ImageFileFilter(),
              "File Immagine|*.bmp;*.png;*.ico;*.gif|File Bitmap (*.bmp)|*.bmp|File PNG (*.png)|*.png|Icona (*.ico)|*.ico|"
              "GIF animata|*.gif|"
              "Tutti i File (*.*)|*.*");
    EXPECT_EQ(SelectionFileFilter(),
              "File Immagine|*.bmp;*.png;*.gif|File Bitmap (*.bmp)|*.bmp|File PNG (*.png)|*.png|GIF animata|*.gif|"
              "Tutti i File (*.*)|*.*");
    EXPECT_EQ(PaletteFileFilter(),
              "Palette GIMP (*.gpl)|*.gpl|Palette JASC (*.pal)|*.pal|Palette Lospec (*.hex)|*.hex|"
              "Palette Adobe (*.act)|*.act|Tutti i File (*.*)|*.*");
    EXPECT_EQ(PaletteSourceFilter(),
              "Bitmap (*.bmp)|*.bmp|Palette (*.gpl;*.pal;*.hex;*.act)|*.gpl;*.pal;*.hex;*.act|Tutti i File (*.*)|*.*");
    EXPECT_EQ(AnimationFileFilter(),
              "File AVI|*.avi|GIF animata|*.gif|PNG animata (APNG)|*.png|Striscia di fotogrammi|*.strip.png|"
              "Tutti i File (*.*)|*.*");
}

// Pictures, palettes and animations share one lookup; each family sees only its own entries.
TEST(FileFormatTable, EveryEntryIsCompleteAndNamesFindTheirEntry) {
    std::set<std::string> names;
    for (const char* name : {"BMP", "PNG", "ICO", "GPL", "PAL", "HEX", "ACT", "AVI", "GIF", "APNG", "Strip"}) {
        const TFileFormat* f = FindFormat(name);
        ASSERT_NE(f, nullptr) << name;
        EXPECT_TRUE(names.insert(f->Name).second) << name;
        EXPECT_NE(f->Caps, 0u) << name;
        EXPECT_FALSE(f->Label.empty()) << name;
        ASSERT_FALSE(f->Extensions.empty()) << name;
        EXPECT_EQ(f->Extensions.front()[0], '.') << name;
    }
    EXPECT_EQ(FormatForName("A.STRIP.PNG").Name, "PNG");
    EXPECT_EQ(FormatForName("dir.png/a").Name, "BMP");
    EXPECT_EQ(FormatForName("p.Pal").Name, "PAL");
    EXPECT_EQ(FormatForName("x.gif").Name, "GIF");
    EXPECT_EQ(AnimationFormatForName("A.STRIP.PNG")->Name, "Strip");
    EXPECT_EQ(AnimationFormatForName("a.png")->Name, "APNG");
    EXPECT_EQ(AnimationFormatForName("a.bmp"), nullptr);
    EXPECT_EQ(PaletteFormForName("dir/x.ACT"), TPaletteFileForm::Act);
    EXPECT_EQ(PaletteFormForName("dir/.act"), TPaletteFileForm::None);
    EXPECT_EQ(PaletteFormForName("x.png"), TPaletteFileForm::None);
}

}  // namespace
}  // namespace pixmo
