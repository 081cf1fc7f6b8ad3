#pragma once
// The pixel set of an ellipse inscribed in a half-open box, row by row. Every row of the
// box has one span, symmetric about the box's centre; the middle row(s) reach the full
// width and the middle column(s) the full height, so the shape touches all four sides.
#include <cstdint>

namespace pixmo {

class TEllipseSpans {
public:
    // The box [left, right) x [top, bottom); an empty box has no rows.
    TEllipseSpans(int64_t left, int64_t top, int64_t right, int64_t bottom);

    bool Empty() const { return FW <= 0 || FH <= 0; }
    int64_t Top() const { return FTop; }
    int64_t Bottom() const { return FTop + FH; }
    // The span [x0, x1) of row y; false for a row outside the box.
    bool Row(int64_t y, int64_t& x0, int64_t& x1) const;

private:
    int64_t FLeft, FTop, FW, FH;
};

}  // namespace pixmo
