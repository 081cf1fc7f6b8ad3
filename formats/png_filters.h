#pragma once
// Undoing the five row filters of the PNG standard.
#include <cstddef>
#include <cstdint>

namespace pixmo {

// Unfilters `length` bytes of `row` in place, `distance` bytes per pixel (at least 1),
// against `prior` (the previous row of the same pass, zeros for the first). Returns false
// for a filter type above 4, leaving the row as it was.
bool UnfilterPngRow(int filterType, uint8_t* row, const uint8_t* prior, size_t length, size_t distance);

// Paeth predictor; ties prefer left, then above, then upper-left.
inline uint8_t PaethPredictor(int left, int above, int upperLeft) {
    const int p = left + above - upperLeft;
    const int pa = p > left ? p - left : left - p;
    const int pb = p > above ? p - above : above - p;
    const int pc = p > upperLeft ? p - upperLeft : upperLeft - p;
    if (pa <= pb && pa <= pc) return static_cast<uint8_t>(left);
    if (pb <= pc) return static_cast<uint8_t>(above);
    return static_cast<uint8_t>(upperLeft);
}

}  // namespace pixmo
