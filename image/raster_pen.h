#pragma once
// Writing pixels with a pen mode, and pens wider than one pixel.
//
// Shape routines enumerate pixels or spans; TPixelWriter decides what each pixel becomes
// (the mode is applied to the stored value: the index, or each byte of a 24-bit pixel).
// Everything is clipped to the image here, so callers may pass any coordinates.
#include <array>
#include <cstdint>
#include <utility>
#include <vector>

#include "image/dib_canvas.h"

namespace pixmo {

class TPaintRule;

class TPixelWriter {
public:
    // With a rule (one-byte pixels), the rule paints each span in place of the mode.
    TPixelWriter(TDib& dib, uint32_t value, TPenMode mode, const TPaintRule* rule = nullptr);

    int Width() const { return FWidth; }
    int Height() const { return FHeight; }
    // Pixels [x0, x1) of row y, clipped.
    void Span(int64_t y, int64_t x0, int64_t x1);
    void Pixel(int64_t x, int64_t y) { Span(y, x, x + 1); }
    // Writing a pixel twice gives what writing it once does.
    bool Idempotent() const { return FIdempotent; }

private:
    TDib& FDib;
    const TPaintRule* FRule;
    int FWidth, FHeight, FBytes;
    bool FFill;  // every pixel becomes the same value
    bool FIdempotent;
    std::array<uint8_t, 3> FFillBytes{};
    std::array<std::array<uint8_t, 256>, 3> FLut{};  // per byte of the pixel
};

// A pen of some width drawn at centre points. A one-pixel pen sets the point; a wider one a
// filled disc of that diameter centred on it (round ends and joins). With a mode that is
// not idempotent (xor, not) the covered pixels are gathered and each written once.
class TPenStroke {
public:
    TPenStroke(TPixelWriter& writer, int width);
    ~TPenStroke();
    TPenStroke(const TPenStroke&) = delete;
    TPenStroke& operator=(const TPenStroke&) = delete;

    const TPixelWriter& Writer() const { return FWriter; }
    // How far a mark reaches beyond its centre point, in any direction.
    int Reach() const { return FReach; }
    void Point(int64_t x, int64_t y);
    // A run of centres on one row: the union of their marks.
    void Run(int64_t y, int64_t x0, int64_t x1);
    // Writes what was gathered.
    void Flush();
    // The marks to come make one convex shape (a segment of a wide pen) within rows
    // [top, bottom): each row is gathered as one span and written once at Flush, which
    // spares a costly rule writing the overlaps of the discs again and again.
    void GatherRows(int64_t top, int64_t bottom);

private:
    struct TSpan {
        int64_t Y, X0, X1;
    };
    void Emit(int64_t y, int64_t x0, int64_t x1);

    TPixelWriter& FWriter;
    int FWidth;
    int FReach = 0;
    bool FGather = false;
    std::vector<TSpan> FDisc;  // relative to the centre
    std::vector<TSpan> FSpans;
    int64_t FRowsTop = 0;
    std::vector<std::pair<int64_t, int64_t>> FRows;  // x0, x1 per row from FRowsTop
};

}  // namespace pixmo
