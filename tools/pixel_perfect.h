#pragma once
// Pixel-perfect strokes: a one-pixel free-hand stroke keeps no L-shaped corners. Of three
// pixels in a row of the stroke where the middle one touches both others by a side and they
// touch each other by a corner, the middle one is taken out again as the stroke is drawn.
#include <cstdint>
#include <optional>
#include <unordered_map>

#include "image/geometry.h"

namespace pixmo {

class TPixelPerfect {
public:
    void Start();
    bool Empty() const { return FCount == 0; }
    // The stroke's next pixel; answers the pixel to take out, if one became a corner.
    std::optional<TPoint> Add(TPoint p);
    // True while another pixel of the stroke still stands at p (so taking p out keeps it).
    bool Holds(TPoint p) const;

private:
    static uint64_t Key(TPoint p) { return uint64_t{static_cast<uint32_t>(p.X)} << 32 | static_cast<uint32_t>(p.Y); }
    // The last two pixels kept, the latest last.
    TPoint FBefore, FLast;
    int FCount = 0;
    std::unordered_map<uint64_t, int> FPainted;
};

}  // namespace pixmo
