#pragma once
// Reading GIF files (gif_read.cpp) and APNG files (apng_read.cpp) as sheets: the frames as the
// file shows them, side by side on one palette (animation_sheet.h).
#include <memory>
#include <span>

#include "image/byte_source.h"

namespace pixmo {

class TDib;

std::unique_ptr<TDib> ReadGif(TByteSource& source);
bool IsGifHead(std::span<const uint8_t> head);

// An APNG's frames, each decoded by our own PNG reader; null when the PNG has no animation
// control chunk (a still PNG).
std::unique_ptr<TDib> ReadApng(TByteSource& source);

}  // namespace pixmo
