#pragma once
// The 8000 x 8000 8-bit picture the widget benchmarks paint: every colour of a full table in
// a pattern that leaves no two neighbouring rows or columns alike.
#include <memory>

#include "image/dib.h"

namespace pixmo {

inline std::unique_ptr<TDib> BigPatternImage() {
    auto image = TDib::Create(8000, 8000, 256);
    for (int i = 0; i < 256; ++i) image->SetColor(i, RGB(i, 255 - i, (i * 7) & 0xFF));
    for (int y = 0; y < 8000; ++y) {
        uint8_t* row = image->ScanLine(y);
        for (int x = 0; x < 8000; ++x) row[x] = static_cast<uint8_t>((x * 3 + y * 5) ^ (x >> 4));
    }
    return image;
}

}  // namespace pixmo
