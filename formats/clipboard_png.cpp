#include "formats/clipboard_png.h"

#include <algorithm>

#include "formats/animation_file.h"
#include "formats/byte_stream.h"
#include "image/dib.h"

namespace pixmo {

void CopyWithTransparency(TClipboard& clipboard, const TDib& image) {
    image.CopyToClipboard(clipboard);
    if (!image.IsTrueColor() && !image.Alphas().empty()) clipboard.SetData(CF_PNG, PngFileBytes(image, -1));
}

std::optional<TPngPicture> TransparentPictureFromClipboard(const TClipboard& clipboard) {
    if (!clipboard.HasFormat(CF_PNG)) return std::nullopt;
    const std::optional<std::vector<uint8_t>> bytes = clipboard.GetData(CF_PNG);
    if (!bytes) return std::nullopt;
    TPngPicture picture;
    try {
        TByteReadStream stream(*bytes);
        picture = TKPNGLE::ReadPicture(stream);
    } catch (const EPixmoError&) {
        return std::nullopt;  // not a picture we read: the packed bitmap beside it may be
    }
    const TDib& dib = *picture.Dib;
    if (picture.Alpha.empty() && !dib.IsTrueColor() && !dib.Alphas().empty()) {
        // A palette's transparency is its entries': each pixel takes its entry's.
        picture.Alpha.resize(static_cast<size_t>(dib.Width()) * static_cast<size_t>(dib.Height()));
        for (int y = 0; y < dib.Height(); ++y)
            for (int x = 0; x < dib.Width(); ++x)
                picture.Alpha[static_cast<size_t>(y) * static_cast<size_t>(dib.Width()) + static_cast<size_t>(x)] =
                    dib.Alpha(dib.Pixel(x, y));
    }
    if (std::all_of(picture.Alpha.begin(), picture.Alpha.end(), [](uint8_t a) { return a == 255; })) return std::nullopt;
    return picture;
}

}  // namespace pixmo
