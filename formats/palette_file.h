#pragma once
// Palette files as other paint programs exchange them: GIMP ".gpl", JASC-PAL and RIFF ".pal"
// (told apart by their first bytes), Lospec ".hex" (one RRGGBB a line) and Adobe ".act"
// (768 bytes of RGB, optionally a count and a transparent index). 1 to 256 colours; anything
// else is refused with "File di palette non valido: ..." before a large allocation.
#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <vector>

#include "image/byte_source.h"

namespace pixmo {

class TDib;

struct TPaletteFile {
    std::vector<uint32_t> Colors;  // colour-table words 0x00RRGGBB, 1 to 256
    int TransparentIndex = -1;     // an ".act" file's transparent entry, -1 for none
};

// Whether the name ends in ".gpl", ".pal", ".hex" or ".act" (any case).
bool IsPaletteFileName(const std::string& fileName);

// Reads the form the name's extension asks for (size-checked, regular files only).
TPaletteFile ReadPaletteFile(const std::string& fileName);
TPaletteFile ReadPaletteSource(TByteSource& source, const std::string& fileName);
// The same from bytes in memory; `fileName` chooses the form and names the file in messages.
TPaletteFile ParsePaletteFile(std::span<const uint8_t> bytes, const std::string& fileName);

// The colours as the name's extension asks: ".gpl", ".pal" (JASC-PAL), ".hex" or ".act"
// (with the count and `transparentIndex`, 0xFFFF for none). Written safely over the file.
std::vector<uint8_t> BuildPaletteFile(std::span<const uint32_t> colors, const std::string& fileName,
                                      int transparentIndex = -1);
void WritePaletteFile(std::span<const uint32_t> colors, const std::string& fileName, int transparentIndex = -1);

// The palette as an image, so that every place that takes a palette from an image file takes
// one from a palette file as well: one row of Colors.size() pixels, pixel x showing entry x.
std::unique_ptr<TDib> CreatePaletteDib(const TPaletteFile& palette);

}  // namespace pixmo
