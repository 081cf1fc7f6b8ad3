#pragma once
// The frames of an animation cut from one image (a sheet): each a rectangle of the image and
// how long it shows. The image keeps them so that they travel with its file.
#include <vector>

#include "image/geometry.h"

namespace pixmo {

inline constexpr int kMinFrameDelay = 1;
inline constexpr int kMaxFrameDelay = 65535;  // what APNG's 16-bit numerator holds in ms

struct TSheetFrame {
    TRect Rect;
    int DelayMs = 500;
    bool operator==(const TSheetFrame&) const = default;
};

using TSheetFrames = std::vector<TSheetFrame>;

// Each rectangle with the same delay.
inline TSheetFrames FramesWithDelay(const std::vector<TRect>& rects, int delayMs) {
    TSheetFrames frames;
    for (const TRect& r : rects) frames.push_back(TSheetFrame{r, delayMs});
    return frames;
}

inline std::vector<TRect> FrameRects(const TSheetFrames& frames) {
    std::vector<TRect> rects;
    for (const TSheetFrame& f : frames) rects.push_back(f.Rect);
    return rects;
}

}  // namespace pixmo
