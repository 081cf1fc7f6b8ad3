#pragma once
// Pixels that a file marks transparent (an icon's mask, a transparent 16-bit sample) held as
// the image holds transparency: one entry of alpha 0 that no opaque pixel shares.
#include <cstdint>
#include <memory>
#include <span>

#include "image/dib.h"

namespace pixmo {

// Gives the pixels whose alpha is 0 in `alpha` (one byte a pixel, top row first; any other
// value is opaque) an entry of alpha 0 of their own. The entry is, first found: one that only
// they use; a new one while the depth has room; in a full table, one whose colour another
// entry repeats (its opaque pixels move to the twin) or one no pixel uses; a new one at the
// next depth (1 or 4 bits to 8); at last, with 256 different colours all in use, the entry the
// fewest opaque pixels use, those taking the nearest other colour. A new or reused entry
// takes the colour most of the transparent pixels had. A true-colour image, or one with
// nothing transparent, comes back as it was.
std::unique_ptr<TDib> WithTransparentPixels(std::unique_ptr<TDib> image, std::span<const uint8_t> alpha);

}  // namespace pixmo
