#pragma once
// TEditSize: the grid unit that shape corners and moved selections snap to when the grid
// is in use. One instance lives as long as the program; setting a unit keeps the previous
// one in the grid history and announces the change.
#include <functional>

#include "image/geometry.h"

namespace pixmo {

class TMaxStringList;

inline constexpr int kEditSizeMaxUnit = 8000;

class TEditSize {
public:
    TPoint Unit{32, 32};

    // The recent units ("%d,%d"), and who hears of a change (the shape-options notice); both
    // optional.
    TMaxStringList* History = nullptr;
    std::function<void()> OnChanged;

    // The stored unit, each coordinate clamped to 1 .. 8000.
    void Load(TPoint stored);
    // Refused (nothing changes) when a coordinate is <= 0 or > 8000.
    void SetUnit(TPoint p);
    static int MaxUnit() { return kEditSizeMaxUnit; }

    // The smaller coordinate goes down to its cell's first pixel, the larger up to its
    // cell's last pixel.
    void SnapCorners(TPoint& a, TPoint& b) const;
    // Moves rect so that p's cell holds the same cell of the rectangle as before, its
    // corner on the grid.
    void SnapRect(TRect& rect, TPoint p) const;
};

}  // namespace pixmo
