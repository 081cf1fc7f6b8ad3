#include "image/raster_ellipse.h"

#include <cmath>

namespace pixmo {

TEllipseSpans::TEllipseSpans(int64_t left, int64_t top, int64_t right, int64_t bottom)
    : FLeft(left), FTop(top), FW(right - left), FH(bottom - top) {}

// In doubled coordinates about the centre, pixel column i sits at X = 2i - (w - 1) and row j
// at Y = 2j - (h - 1). A pixel belongs to the ellipse when
//     X^2 h^2 + Y^2 w^2 <= w^2 h^2 - (w^2 + h^2),
// that is inside the box-sized ellipse less a small margin that keeps tiny circles round
// (3 x 3 gives a plus, not a square).
bool TEllipseSpans::Row(int64_t y, int64_t& x0, int64_t& x1) const {
    if (Empty() || y < FTop || y >= FTop + FH) return false;
    const int64_t w = FW, h = FH;
    const int64_t Y = 2 * (y - FTop) - (h - 1);
    const int64_t parity = (w - 1) & 1;
    int64_t half;  // largest |X| in the row
    if (Y >= -1 && Y <= 1) {
        half = w - 1;
    } else if (w <= (int64_t{1} << 24) && h <= (int64_t{1} << 24)) {
        using i128 = __int128;
        const i128 rhs = i128(w) * w * h * h - (i128(w) * w + i128(h) * h) - i128(Y) * Y * w * w;
        const i128 h2 = i128(h) * h;
        auto fits = [&](int64_t X) { return i128(X) * X * h2 <= rhs; };
        if (rhs < 0 || !fits(parity)) {
            half = parity;
        } else {
            long double guess = std::sqrt(static_cast<long double>(rhs) / static_cast<long double>(h2));
            int64_t X = static_cast<int64_t>(guess);
            if (X > w - 1) X = w - 1;
            if ((X & 1) != parity) --X;
            while (X + 2 <= w - 1 && fits(X + 2)) X += 2;
            while (X > parity && !fits(X)) X -= 2;
            half = X;
        }
    } else {
        // Too large for exact arithmetic; far beyond any image, so a close answer will do.
        const long double lw = static_cast<long double>(w), lh = static_cast<long double>(h);
        const long double ly = static_cast<long double>(Y) / lh;
        const long double r = 1.0L - ly * ly;
        int64_t X = r > 0 ? static_cast<int64_t>(lw * std::sqrt(r)) : 0;
        if (X > w - 1) X = w - 1;
        if ((X & 1) != parity) --X;
        half = X < parity ? parity : X;
    }
    // Columns with |X| <= half: i from (w - 1 - half) / 2 to (w - 1 + half) / 2.
    x0 = FLeft + (w - 1 - half) / 2;
    x1 = FLeft + (w - 1 + half) / 2 + 1;
    return true;
}

}  // namespace pixmo
