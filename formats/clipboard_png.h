#pragma once
// Transparency through the clipboard: a picture with entries that are not opaque travels as
// PNG file bytes (CF_PNG, "image/png" to other programs) beside its packed bitmap, which has
// no room for alpha; a PNG another program put there is read with its transparency.
#include <optional>

#include "formats/kpngle.h"
#include "image/clipboard.h"

namespace pixmo {

class TDib;

// The image's packed bitmap, and its PNG when one of its entries is not opaque, added to
// what the clipboard holds.
void CopyWithTransparency(TClipboard& clipboard, const TDib& image);

// The clipboard's PNG when some pixel of it is not opaque: the picture and each pixel's
// alpha (top row first, 0 transparent). Nothing otherwise: the packed bitmap serves.
std::optional<TPngPicture> TransparentPictureFromClipboard(const TClipboard& clipboard);

}  // namespace pixmo
