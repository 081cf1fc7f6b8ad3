#include "view/qt_clipboard.h"

#include <QApplication>
#include <QClipboard>
#include <QMimeData>
#include <cstring>

#include "image/dib.h"
#include "image/errors.h"

namespace pixmo {

namespace {
const char* MimeOf(int format) {
    if (format == CF_DIB) return kDibMimeType;
    if (format == CF_DSPBITMAP) return kMaskMimeType;
    if (format == CF_PNG) return kPngMimeType;
    return nullptr;
}
}  // namespace

TQtClipboard::TQtClipboard(QClipboard* clipboard)
    : FClipboard(clipboard ? clipboard : QApplication::clipboard()) {}

bool TQtClipboard::HasFormat(int format) const {
    const QMimeData* data = FClipboard->mimeData();
    const char* mime = MimeOf(format);
    if (!data || !mime) return false;
    if (data->hasFormat(mime)) return true;
    return format == CF_DIB && (data->hasImage() || data->hasFormat("image/png") || data->hasFormat("image/bmp"));
}

std::optional<std::vector<uint8_t>> TQtClipboard::GetData(int format) const {
    const QMimeData* data = FClipboard->mimeData();
    const char* mime = MimeOf(format);
    if (!data || !mime) return std::nullopt;
    if (data->hasFormat(mime)) {
        const QByteArray bytes = data->data(mime);
        return std::vector<uint8_t>(bytes.begin(), bytes.end());
    }
    if (format == CF_DIB && data->hasImage()) {
        const QImage image = qvariant_cast<QImage>(data->imageData());
        if (!image.isNull()) return ImageToPackedDib(image);
    }
    // Another program's picture as file bytes; a block that does not decode is no picture.
    for (const char* type : {"image/png", "image/bmp"}) {
        if (format != CF_DIB || !data->hasFormat(type)) continue;
        const QImage image = QImage::fromData(data->data(type));
        if (!image.isNull()) return ImageToPackedDib(image);
    }
    return std::nullopt;
}

void TQtClipboard::SetData(int format, std::vector<uint8_t> block) {
    const char* mime = MimeOf(format);
    if (!mime) return;
    // Keep the formats already there: the platform's clipboard takes several in one go.
    auto* next = new QMimeData;
    if (const QMimeData* old = FClipboard->mimeData()) {
        // A new picture's PNG, if it has one, comes after it: an older one goes.
        for (const char* keep : {kDibMimeType, kMaskMimeType, kPngMimeType})
            if (old->hasFormat(keep) && std::strcmp(keep, mime) != 0 && (format != CF_DIB || keep != kPngMimeType))
                next->setData(keep, old->data(keep));
        if (format != CF_DIB && old->hasFormat(kDibMimeType) && old->hasImage())
            next->setImageData(old->imageData());
    }
    next->setData(mime, QByteArray(reinterpret_cast<const char*>(block.data()), static_cast<qsizetype>(block.size())));
    if (format == CF_DIB) {
        try {
            next->setImageData(PackedDibToImage(block));
        } catch (const EPixmoError&) {
        }
    }
    // Other programs that take any image get it with its alpha too.
    if (format == CF_PNG) {
        const QImage image = QImage::fromData(next->data(kPngMimeType), "PNG");
        if (!image.isNull()) next->setImageData(image);
    }
    FClipboard->setMimeData(next);
}

void TQtClipboard::Clear() { FClipboard->clear(); }

QImage PackedDibToImage(std::span<const uint8_t> block) {
    const auto dib = TDib::CreateFromPacked(block);
    QImage image(dib->Width(), dib->Height(), QImage::Format_RGB32);
    for (int y = 0; y < dib->Height(); ++y) {
        const uint8_t* row = dib->ScanLine(y);
        auto* out = reinterpret_cast<QRgb*>(image.scanLine(y));
        if (dib->IsTrueColor()) {
            for (int x = 0; x < dib->Width(); ++x) out[x] = qRgb(row[3 * x + 2], row[3 * x + 1], row[3 * x]);
        } else {
            for (int x = 0; x < dib->Width(); ++x) {
                const TColorRef c = dib->GetColor(row[x]);
                out[x] = qRgb(GetRValue(c), GetGValue(c), GetBValue(c));
            }
        }
    }
    return image;
}

std::vector<uint8_t> ImageToPackedDib(const QImage& source) {
    if (source.isNull() || source.width() < 1 || source.height() < 1) RaiseError(Msg(PIXMO_MSG("pixmo::Core", "Immagine vuota negli Appunti")));
    if (source.width() > kMaxDibSide || source.height() > kMaxDibSide)
        RaiseError(Msg(PIXMO_MSG("pixmo::Core", "Dimensioni non valide: %1 x %2"), source.width(), source.height()));
    TBitmapInfoHeader header;
    header.Width = source.width();
    header.Height = source.height();
    std::vector<uint32_t> table;
    std::vector<uint8_t> bits;
    if (source.format() == QImage::Format_Indexed8 && source.colorCount() > 0 && source.colorCount() <= 256) {
        header.BitCount = 8;
        header.ClrUsed = static_cast<uint32_t>(source.colorCount());
        for (QRgb c : source.colorTable()) table.push_back(ColorRefToTableWord(RGB(qRed(c), qGreen(c), qBlue(c))));
        const size_t line = (static_cast<size_t>(header.Width) + 3) & ~size_t{3};
        bits.assign(line * static_cast<size_t>(header.Height), 0);
        for (int y = 0; y < header.Height; ++y)
            std::memcpy(bits.data() + line * static_cast<size_t>(header.Height - 1 - y), source.constScanLine(y),
                        static_cast<size_t>(header.Width));
    } else {
        const QImage rgb = source.convertToFormat(QImage::Format_RGB888);
        header.BitCount = 24;
        const size_t line = (static_cast<size_t>(header.Width) * 3 + 3) & ~size_t{3};
        bits.assign(line * static_cast<size_t>(header.Height), 0);
        for (int y = 0; y < header.Height; ++y) {
            const uint8_t* in = rgb.constScanLine(y);
            uint8_t* out = bits.data() + line * static_cast<size_t>(header.Height - 1 - y);
            for (int x = 0; x < header.Width; ++x) {
                out[3 * x] = in[3 * x + 2];
                out[3 * x + 1] = in[3 * x + 1];
                out[3 * x + 2] = in[3 * x];
            }
        }
    }
    header.SizeImage = static_cast<uint32_t>(bits.size());
    const auto dib = TDib::CreateFromInfo(header, table, bits.data(), bits.size());
    return dib->CreatePacked();
}

}  // namespace pixmo
