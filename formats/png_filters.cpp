#include "formats/png_filters.h"

#include <cstdlib>

namespace pixmo {

namespace {

void UnfilterSub(uint8_t* row, size_t length, size_t d) {
    for (size_t i = d; i < length; ++i) row[i] = static_cast<uint8_t>(row[i] + row[i - d]);
}

void UnfilterUp(uint8_t* row, const uint8_t* prior, size_t length) {
    for (size_t i = 0; i < length; ++i) row[i] = static_cast<uint8_t>(row[i] + prior[i]);
}

void UnfilterAverage(uint8_t* row, const uint8_t* prior, size_t length, size_t d) {
    const size_t head = d < length ? d : length;
    for (size_t i = 0; i < head; ++i) row[i] = static_cast<uint8_t>(row[i] + (prior[i] >> 1));
    for (size_t i = d; i < length; ++i) row[i] = static_cast<uint8_t>(row[i] + ((row[i - d] + prior[i]) >> 1));
}

// Branch-light form of the predictor for the hot loop: the same choices as PaethPredictor.
inline int Paeth(int a, int b, int c) {
    const int pa = std::abs(b - c);
    const int pb = std::abs(a - c);
    const int pc = std::abs(a + b - 2 * c);
    const int ab = pa <= pb ? a : b;
    const int pab = pa <= pb ? pa : pb;
    return pab <= pc ? ab : c;
}

void UnfilterPaeth(uint8_t* row, const uint8_t* prior, size_t length, size_t d) {
    const size_t head = d < length ? d : length;
    for (size_t i = 0; i < head; ++i) row[i] = static_cast<uint8_t>(row[i] + prior[i]);
    for (size_t i = d; i < length; ++i)
        row[i] = static_cast<uint8_t>(row[i] + Paeth(row[i - d], prior[i], prior[i - d]));
}

}  // namespace

bool UnfilterPngRow(int filterType, uint8_t* row, const uint8_t* prior, size_t length, size_t distance) {
    if (distance < 1) distance = 1;
    switch (filterType) {
        case 0:
            return true;
        case 1:
            UnfilterSub(row, length, distance);
            return true;
        case 2:
            UnfilterUp(row, prior, length);
            return true;
        case 3:
            UnfilterAverage(row, prior, length, distance);
            return true;
        case 4:
            UnfilterPaeth(row, prior, length, distance);
            return true;
        default:
            return false;
    }
}

}  // namespace pixmo
