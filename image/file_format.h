#pragma once
// The table of file formats: one entry per format with its extensions, what it can do, its
// line in the file dialogs, a test of a file's first bytes, and its loader and saver. The
// entries are named here; the codecs above the image model attach theirs through
// InstallFormats(). Nothing else looks at a file name's extension.
#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <vector>

#include "image/byte_source.h"

namespace pixmo {

class TDib;

// The icon options of the program: 256 colours, and which colour is transparent.
struct TIconOptions {
    bool Colors256 = false;          // "IconSaveColor"
    bool MaskBottomLeft = false;     // "PixmoIconMaskBottomLeftPixel"
    int SecondaryIndex = 1;          // the secondary colour's index when the above is off
};

// How hard a PNG's image data is compressed ("Compressione PNG"): Fast is zlib level 1
// without filters, Normal the choices libpng makes by default, Max the smallest of many
// filter and deflate trials. Palette, indices and chunks are the same at every level.
enum class TPngLevel { Fast, Normal, Max };

// What a saver with options (kFormatOptions) is given with the image.
struct TSaveOptions {
    TIconOptions Icon;
    TPngLevel Png = TPngLevel::Normal;
};

// What a format can do.
enum TFormatCaps : unsigned {
    kFormatStill = 1,      // one picture, opened and saved by the editor
    kFormatPalette = 2,    // a palette's colours
    kFormatAnimation = 4,  // frames cut from one image
    kFormatOptions = 8,    // its saver needs options (icons): not offered where none are given
};

// The form of a palette file or an animation, which its writer and reader switch on.
enum class TPaletteFileForm { None, Gpl, Pal, Hex, Act };
enum class TAnimationFileForm { Avi, Gif, Apng, Strip };

struct TFileFormat {
    std::string Name;                     // "BMP", "PNG"
    std::vector<std::string> Extensions;  // lower-case, with the dot; the first is the dialogs'
    // Whether the first bytes of a file are of this format.
    bool (*Test)(std::span<const uint8_t> head) = nullptr;
    // Reads an image from the whole of `source`; `fileName` is for messages.
    std::unique_ptr<TDib> (*Load)(TByteSource& source, const std::string& fileName) = nullptr;
    // Writes the image safely over `fileName`.
    void (*Save)(const TDib& image, const std::string& fileName) = nullptr;
    // Reads as the editor opens a file, where the format knows more than Load gives (its
    // transparency); without it, Load and then PaletteIfFew.
    std::unique_ptr<TDib> (*LoadForEditing)(TByteSource& source, const std::string& fileName) = nullptr;
    unsigned Caps = 0;       // TFormatCaps
    std::string Label = {};  // its file-dialog line, "File PNG (*.png)"
    int Form = 0;            // a palette or animation entry's TPaletteFileForm / TAnimationFileForm
    int Side = 0;            // a format of square pictures of this side only (icons), else 0
    // Writes as Save does, as `options` ask (kFormatOptions); Save writes with the defaults.
    void (*SaveWithOptions)(const TDib& image, const std::string& fileName, const TSaveOptions& options) = nullptr;
};

// Enters a format, replacing the entry of the same name.
void RegisterFormat(const TFileFormat& format);

// The entry of that name, or null.
const TFileFormat* FindFormat(const std::string& name);

// The format a name asks for: the picture or palette entry holding its extension (an animation
// entry that also opens as a picture counts as one), compared
// lower-cased, else BMP. An entry without a loader or saver raises "NAME non ancora
// supportato" when used.
const TFileFormat& FormatForName(const std::string& fileName);

// The palette form a name asks for (a name needs a stem before its extension).
TPaletteFileForm PaletteFormForName(const std::string& fileName);
// The animation entry a name asks for, the longest extension winning ("a.strip.png"), or null.
const TFileFormat* AnimationFormatForName(const std::string& fileName);

// File-dialog filters from the table, "label|patterns|...|Tutti i File (*.*)|*.*".
std::string ImageFileFilter();      // pictures, all together first
std::string SelectionFileFilter();  // pictures saved without options
std::string PaletteFileFilter();    // palette files
std::string PaletteSourceFilter();  // bitmaps and palette files, each kind together
std::string AnimationFileFilter();  // animations

// A file as the editor and the converter open it: a true-colour picture of at most 256
// colours (transparency counted) becomes a palette image with exactly those colours.
std::unique_ptr<TDib> OpenImageFile(const std::string& fileName);

// BMP files, entered by the table itself (dib_file.cpp).
TFileFormat BmpFileFormat();

}  // namespace pixmo
