#pragma once
// The 2000 x 2000 piece the transform benchmarks turn and stretch: a 256-colour palette and
// diagonal bands, so that smoothing meets many distinct colours, wholly selected.
#include <memory>

#include "edit/pixel_ops.h"
#include "image/dib.h"

namespace pixmo::bench {

inline constexpr int kPieceSize = 2000;

struct TPiece {
    std::unique_ptr<TDib> Image;
    std::unique_ptr<TMaskDib> Mask;
};

inline const TPiece& Piece() {
    static const TPiece piece = [] {
        TPiece p{TDib::Create(kPieceSize, kPieceSize, 256), TMaskDib::Create(kPieceSize, kPieceSize)};
        for (int i = 0; i < 256; ++i) p.Image->SetColor(i, RGB(i, (i * 7) & 0xFF, (i * 13) & 0xFF));
        for (int y = 0; y < kPieceSize; ++y)
            for (int x = 0; x < kPieceSize; ++x) p.Image->SetPixel(x, y, static_cast<uint8_t>((x / 3 + y / 5) & 0xFF));
        FillAll(*p.Mask, 1);
        return p;
    }();
    return piece;
}

}  // namespace pixmo::bench
