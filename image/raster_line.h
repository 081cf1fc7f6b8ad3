#pragma once
// The integer line: the points of a Bresenham line in drawing order. Along the major axis
// every step moves one pixel; the minor coordinate after i steps is i * minor / major
// rounded to nearest (halves away from the start).
#include <algorithm>
#include <cstdint>
#include <limits>

namespace pixmo {

struct TLineClip {
    int64_t XMin = std::numeric_limits<int32_t>::min() - int64_t{1};
    int64_t YMin = std::numeric_limits<int32_t>::min() - int64_t{1};
    int64_t XMax = std::numeric_limits<int32_t>::max() + int64_t{1};  // inclusive
    int64_t YMax = std::numeric_limits<int32_t>::max() + int64_t{1};
};

// Calls visit(x, y) for the points from (x1, y1) to (x2, y2) that lie inside clip, the end
// point only when includeEnd. Points outside the clip cost nothing: the visited range of
// steps is found first.
template <typename Visit>
void ForEachLinePoint(int64_t x1, int64_t y1, int64_t x2, int64_t y2, bool includeEnd, const TLineClip& clip,
                      Visit&& visit) {
    using i128 = __int128;
    const bool xMajor = (x2 > x1 ? x2 - x1 : x1 - x2) >= (y2 > y1 ? y2 - y1 : y1 - y2);
    // Work in (major, minor) coordinates.
    const int64_t a1 = xMajor ? x1 : y1, b1 = xMajor ? y1 : x1;
    const int64_t a2 = xMajor ? x2 : y2, b2 = xMajor ? y2 : x2;
    const int64_t aMin = xMajor ? clip.XMin : clip.YMin, aMax = xMajor ? clip.XMax : clip.YMax;
    const int64_t bMin = xMajor ? clip.YMin : clip.XMin, bMax = xMajor ? clip.YMax : clip.XMax;
    const int64_t sa = a2 >= a1 ? 1 : -1, sb = b2 >= b1 ? 1 : -1;
    const int64_t da = (a2 - a1) * sa, db = (b2 - b1) * sb;
    const int64_t last = includeEnd ? da : da - 1;
    if (last < 0) return;
    // Steps whose major coordinate is inside the clip.
    int64_t lo = sa > 0 ? aMin - a1 : a1 - aMax;
    int64_t hi = sa > 0 ? aMax - a1 : a1 - aMin;
    lo = std::max<int64_t>(lo, 0);
    hi = std::min<int64_t>(hi, last);
    if (lo > hi) return;
    auto minorSteps = [&](int64_t i) -> int64_t {
        if (da == 0) return 0;
        return static_cast<int64_t>((i128(2) * i * db + da) / (i128(2) * da));
    };
    // Steps whose minor coordinate is inside the clip (it moves monotonically).
    const int64_t qLo = sb > 0 ? bMin - b1 : b1 - bMax;
    const int64_t qHi = sb > 0 ? bMax - b1 : b1 - bMin;
    if (minorSteps(hi) < qLo || minorSteps(lo) > qHi) return;
    if (minorSteps(lo) < qLo) {
        int64_t l = lo, h = hi;  // first step with minorSteps >= qLo
        while (l < h) {
            const int64_t m = l + (h - l) / 2;
            if (minorSteps(m) >= qLo) h = m; else l = m + 1;
        }
        lo = l;
    }
    if (minorSteps(hi) > qHi) {
        int64_t l = lo, h = hi;  // last step with minorSteps <= qHi
        while (l < h) {
            const int64_t m = l + (h - l + 1) / 2;
            if (minorSteps(m) <= qHi) l = m; else h = m - 1;
        }
        hi = l;
    }
    // Walk with an error term from the first visited step.
    int64_t q = minorSteps(lo);
    int64_t rem = da == 0 ? 0 : static_cast<int64_t>((i128(2) * lo * db + da) - i128(q) * 2 * da);
    const int64_t twoDa = 2 * da, twoDb = 2 * db;
    for (int64_t i = lo; i <= hi; ++i) {
        const int64_t a = a1 + sa * i, b = b1 + sb * q;
        if (xMajor) visit(a, b); else visit(b, a);
        rem += twoDb;
        if (rem >= twoDa && da != 0) {
            rem -= twoDa;
            ++q;
        }
    }
}

}  // namespace pixmo
