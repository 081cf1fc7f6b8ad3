#pragma once
// Helpers shared by the test programs: pictures as text grids and the corpus location.
#include <cstdint>
#include <string>
#include <vector>

#include "image/bitmap_header.h"
#include "image/dib.h"

namespace pixmo::test {

// Rows of characters, one per pixel: '.' is index 0, '#' index 1, '0'..'9' and 'a'..'f'
// those indices. Returns an image of `colors` colours (table: grey ramp unless given).
std::unique_ptr<TDib> FromGrid(const std::vector<std::string>& rows, int colors = 2);
// The image's indices as rows of the same characters.
std::vector<std::string> ToGrid(const TDib& image);
// A true-colour image of width x height pixels, every one a different colour (more than
// 256 colours from 17 x 16 up), which no palette can hold.
std::unique_ptr<TDib> ManyColours(int width, int height);
// A 16-colour image of index 0.
std::unique_ptr<TDib> Blank(int width, int height);

// An info header with these fields, the others as a new header has them.
TBitmapInfoHeader Header(int width, int height, int bits, uint32_t clrUsed = 0);

// Whole files as bytes.
std::vector<uint8_t> ReadFileBytes(const std::string& path);
void WriteFileBytes(const std::string& path, const std::vector<uint8_t>& bytes);

// The folder of the outside corpora (pngsuite/, bmpsuite/), or "" when absent.
std::string TestDataDir();

// A fresh empty folder under the system's temporary folder.
std::string MakeTempDir();
// Debian's own Python, where PIL is installed by the test set-up; empty without PIL.
std::string PilPython();

}  // namespace pixmo::test
