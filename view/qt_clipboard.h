#pragma once
// The system clipboard as the image model sees it. Format 8 (a packed DIB) and format 130
// (a mask block) travel under our own MIME types; a DIB is also offered as an image, so that
// other programs can paste it, and an image another program copied reads as format 8. PNG
// bytes (CF_PNG) are "image/png" both ways.
#include <QImage>
#include <span>

#include "image/clipboard.h"

class QClipboard;

namespace pixmo {

inline constexpr char kDibMimeType[] = "application/x-pixmo3-dib";
inline constexpr char kMaskMimeType[] = "application/x-pixmo3-mask";
inline constexpr char kPngMimeType[] = "image/png";

class TQtClipboard : public TClipboard {
public:
    // Null takes the application's clipboard.
    explicit TQtClipboard(QClipboard* clipboard = nullptr);

    bool HasFormat(int format) const override;
    std::optional<std::vector<uint8_t>> GetData(int format) const override;
    void SetData(int format, std::vector<uint8_t> block) override;
    void Clear() override;

private:
    QClipboard* FClipboard;
};

// A packed DIB as an image (raises EPixmoError on a bad block).
QImage PackedDibToImage(std::span<const uint8_t> block);
// An image as a packed DIB: indexed images keep their table (8 bits), others become 24-bit.
// Raises EPixmoError for an empty image or one over the size limit.
std::vector<uint8_t> ImageToPackedDib(const QImage& image);

}  // namespace pixmo
