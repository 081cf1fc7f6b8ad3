#pragma once
// The image data of a PNG above the fastest level: the row filters chosen and the deflate
// settings tried. Only the zlib stream depends on the level; the rows it holds are the same.
#include <cstddef>
#include <cstdint>
#include <functional>
#include <vector>

#include "image/file_format.h"

namespace pixmo {

struct TPngRows {
    int Width = 0, Height = 0;
    size_t RowBytes = 0;   // one row's bytes, without the filter byte
    size_t Distance = 1;   // bytes of a whole pixel (at least 1): the filters' left neighbour
    bool Truecolour = false;  // 8 bits a sample: libpng filters such rows by default
    // Puts row y (top first) in PNG byte order into RowBytes bytes.
    std::function<void(int y, uint8_t* row)> Read;
};

// The zlib stream of the filtered rows. Normal: no filter for palette images, libpng's
// adaptive choice per row for truecolour, zlib's default level. Max: the smallest of every
// filter and several deflate settings. Fast is not handled here. Raises ETKPNGLE when zlib fails.
std::vector<uint8_t> DeflatePngRows(const TPngRows& rows, TPngLevel level);

// Filters one row into out[0] (the type, 0 … 4) and out[1 … length].
void FilterPngRow(int type, const uint8_t* row, const uint8_t* prior, size_t length, size_t distance, uint8_t* out);

}  // namespace pixmo
