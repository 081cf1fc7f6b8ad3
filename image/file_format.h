#pragma once
// The table of file formats: one entry per format with its extensions, a test of a file's
// first bytes, and its loader and saver. BMP enters itself here; the codecs above the image
// model enter theirs through InstallFormats(). Nothing else looks at a file name's extension.
#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <vector>

#include "image/byte_source.h"

namespace pixmo {

class TDib;

struct TFileFormat {
    std::string Name;                     // "BMP", "PNG"
    std::vector<std::string> Extensions;  // lower-case, with the dot
    // Whether the first bytes of a file are of this format.
    bool (*Test)(std::span<const uint8_t> head) = nullptr;
    // Reads an image from the whole of `source`; `fileName` is for messages.
    std::unique_ptr<TDib> (*Load)(TByteSource& source, const std::string& fileName) = nullptr;
    // Writes the image safely over `fileName`.
    void (*Save)(const TDib& image, const std::string& fileName) = nullptr;
    // Reads as the editor opens a file, where the format knows more than Load gives (its
    // transparency); without it, Load and then PaletteIfFew.
    std::unique_ptr<TDib> (*LoadForEditing)(TByteSource& source, const std::string& fileName) = nullptr;
};

// Enters a format, replacing the entry of the same name.
void RegisterFormat(const TFileFormat& format);

// The format a name asks for: the entry holding its extension, compared lower-cased, else
// BMP. An entry without a loader or saver raises "NAME non ancora supportato" when used.
const TFileFormat& FormatForName(const std::string& fileName);

// A file as the editor and the converter open it: a true-colour picture of at most 256
// colours (transparency counted) becomes a palette image with exactly those colours.
std::unique_ptr<TDib> OpenImageFile(const std::string& fileName);

// BMP files, entered by the table itself (dib_file.cpp).
TFileFormat BmpFileFormat();

}  // namespace pixmo
