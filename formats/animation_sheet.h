#pragma once
// Opened animations (GIF, APNG) become one palette image of their frames side by side, in
// rows when wider than an image may be, with the frames and delays set from the file. The
// readers compose each frame on the file's canvas; here the frames meet one palette.
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "image/translate_noop.h"

namespace pixmo {

class TDib;

// A frame as the file shows it: canvas-sized colours 0xAARRGGBB, alpha 0 or 255.
struct TCanvasFrame {
    std::vector<uint32_t> Pixels;
    int DelayMs = 100;
};

// How many frames of that canvas a sheet holds; a reader stops before more.
size_t MaxSheetFrames(int width, int height);

// The sheet of the frames on one palette: the colours as they first appear, a transparent
// pixel the one transparent entry. One frame gives a still picture without frames. More than
// 256 colours together raise kMsgTooManyColors with the count.
std::unique_ptr<TDib> BuildAnimationSheet(int width, int height, const std::vector<TCanvasFrame>& frames);

inline constexpr TSourceText kMsgTooManyColors =
    PIXMO_MSG("pixmo::Core", "I fotogrammi hanno insieme %1 colori: una tavolozza ne tiene al massimo 256");
inline constexpr const char* kMsgTooManyFrames =
    PIXMO_TRANSLATE_NOOP("pixmo::Core", "Troppi fotogrammi per un'immagine di 8000 x 8000 pixel");

}  // namespace pixmo
