#include "view/onion_skin.h"

#include <QImage>
#include <QPaintEngine>
#include <QPainter>
#include <cmath>
#include <array>
#include <cstring>
#if defined(__SSE2__)
#include <emmintrin.h>
#endif
#include <vector>

#include "edit/edit_context.h"
#include "edit/selection.h"
#include "image/dib.h"
#include "view/dib_to_qimage.h"
#include "view/paint_client.h"

namespace pixmo {

namespace {

const TSheetFrames* FramesOf(const TPaintClient& client) {
    const TDib* dib = client.Dib();
    return dib && !dib->Frames().empty() ? &dib->Frames() : nullptr;
}

TRect SelectionOf(const TPaintClient& client) {
    return client.Context() ? client.Context()->Selection().GetRect() : TRect{};
}

int FrameIndexAt(const TSheetFrames& frames, TPoint p) {
    for (size_t i = 0; i < frames.size(); ++i)
        if (frames[i].Rect.Contains(p)) return static_cast<int>(i);
    return -1;
}

int CurrentOnionFrame(const TPaintClient& client, const TOnionSkin& onion) {
    const TSheetFrames* frames = FramesOf(client);
    return onion.On && frames ? OnionFrame(*frames, onion, SelectionOf(client)) : -1;
}

void UpdateFrameArea(TPaintClient& client, int index) {
    const TSheetFrames* frames = FramesOf(client);
    if (!frames || index < 0 || index >= static_cast<int>(frames->size())) return;
    const TRect c = client.ImageRectToClient((*frames)[static_cast<size_t>(index)].Rect);
    client.viewport()->update(QRect(c.Left, c.Top, c.Width(), c.Height()));
}

// (ghost * alpha + under * keep) / 256 per channel, alpha + keep = 256; opaque result.
inline QRgb Blend(QRgb under, QRgb ghost, uint32_t alpha, uint32_t keep) {
    const uint32_t rb = ((ghost & 0xFF00FF) * alpha + (under & 0xFF00FF) * keep) >> 8 & 0xFF00FF;
    const uint32_t g = ((ghost & 0xFF00) * alpha + (under & 0xFF00) * keep) >> 8 & 0xFF00;
    return 0xFF000000u | rb | g;
}

#if defined(__SSE2__)
// Four pixels at once in 16-bit lanes (no channel exceeds 255 * 256); a and k hold alpha and keep.
inline __m128i Blend4(__m128i under, __m128i ghost, __m128i a, __m128i k) {
    const __m128i zero = _mm_setzero_si128();
    const __m128i lo = _mm_srli_epi16(_mm_add_epi16(_mm_mullo_epi16(_mm_unpacklo_epi8(under, zero), k),
                                                    _mm_mullo_epi16(_mm_unpacklo_epi8(ghost, zero), a)), 8);
    const __m128i hi = _mm_srli_epi16(_mm_add_epi16(_mm_mullo_epi16(_mm_unpackhi_epi8(under, zero), k),
                                                    _mm_mullo_epi16(_mm_unpackhi_epi8(ghost, zero), a)), 8);
    return _mm_or_si128(_mm_packus_epi16(lo, hi), _mm_set1_epi32(static_cast<int>(0xFF000000u)));
}
#endif

// The same for a row.
void BlendRow(QRgb* out, const QRgb* under, const QRgb* ghost, int count, uint32_t alpha, uint32_t keep) {
    int x = 0;
#if defined(__SSE2__)
    const __m128i a = _mm_set1_epi16(static_cast<short>(alpha)), k = _mm_set1_epi16(static_cast<short>(keep));
    for (; x + 4 <= count; x += 4) {
        const __m128i u = _mm_loadu_si128(reinterpret_cast<const __m128i*>(under + x));
        const __m128i g = _mm_loadu_si128(reinterpret_cast<const __m128i*>(ghost + x));
        _mm_storeu_si128(reinterpret_cast<__m128i*>(out + x), Blend4(u, g, a, k));
    }
#endif
    for (; x < count; ++x) out[x] = Blend(under[x], ghost[x], alpha, keep);
}

// The same at zoom 1 over palette indices: the ghost's colours are looked up as they are blended.
void BlendIndexedRow(QRgb* out, const QRgb* under, const uint8_t* indices, const std::array<QRgb, 256>& table,
                     int count, uint32_t alpha, uint32_t keep) {
    int x = 0;
#if defined(__SSE2__)
    const __m128i a = _mm_set1_epi16(static_cast<short>(alpha)), k = _mm_set1_epi16(static_cast<short>(keep));
    for (; x + 4 <= count; x += 4) {
        const __m128i u = _mm_loadu_si128(reinterpret_cast<const __m128i*>(under + x));
        const __m128i g = _mm_set_epi32(static_cast<int>(table[indices[x + 3]]), static_cast<int>(table[indices[x + 2]]),
                                        static_cast<int>(table[indices[x + 1]]), static_cast<int>(table[indices[x]]));
        _mm_storeu_si128(reinterpret_cast<__m128i*>(out + x), Blend4(u, g, a, k));
    }
#endif
    for (; x < count; ++x) out[x] = Blend(under[x], table[indices[x]], alpha, keep);
}

// `ghost`'s pixels laid over `frame` from its top-left, as far as both reach, into `screen`,
// which stands for the viewport's `area`: over what `under` shows there (viewport
// coordinates), or over the screen's own pixels without it. One pass over the pixels: the
// paint is bound by memory, not by arithmetic.
void BlendGhost(const TPaintClient& client, const QImage* under, QImage& screen, const QRect& area, const TDib& dib,
                const TRect& frame, const TRect& ghost, double opacity) {
    const int w = std::min(frame.Width(), ghost.Width()), h = std::min(frame.Height(), ghost.Height());
    const TRect source = IntersectRect(TRect{ghost.Left, ghost.Top, ghost.Left + w, ghost.Top + h}, dib.GetRect());
    const TRect target{frame.Left, frame.Top, frame.Left + source.Width(), frame.Top + source.Height()};
    const TRect c = client.ImageRectToClient(target);
    // Empty for a ghost outside the image; `screen` must still get what `under` shows.
    const QRect part = source.IsEmpty() ? QRect() : QRect(c.Left, c.Top, c.Width(), c.Height()).intersected(area);
    if (under && part != area) {
        // The ghost leaves some of the area as it is: take it all first, then blend in place.
        const size_t rowBytes = static_cast<size_t>(area.width()) * sizeof(QRgb);
        for (int y = 0; y < area.height(); ++y)
            std::memcpy(screen.scanLine(y), under->constScanLine(area.top() + y) + area.left() * sizeof(QRgb), rowBytes);
        under = nullptr;
    }
    if (part.isEmpty()) return;
    const int z = client.Zoom();
    const auto alpha = static_cast<uint32_t>(opacity * 256 + 0.5);
    const uint32_t keep = 256 - alpha;
    const std::array<QRgb, 256> table = dib.IsTrueColor() ? std::array<QRgb, 256>{} : PaletteRgb(dib);
    // The ghost's colour under each screen column of the part, made again when the image row changes.
    const int first = (part.left() - c.Left) / z;
    std::vector<QRgb> ghostRow(static_cast<size_t>(part.width()));
    int loadedRow = -1;
    for (int y = part.top(); y <= part.bottom(); ++y) {
        const int row = source.Top + (y - c.Top) / z;
        QRgb* out = reinterpret_cast<QRgb*>(screen.scanLine(y - area.top())) + (part.left() - area.left());
        const QRgb* in = under ? reinterpret_cast<const QRgb*>(under->constScanLine(y)) + part.left() : out;
        if (z == 1 && !dib.IsTrueColor()) {
            BlendIndexedRow(out, in, dib.ScanLine(row) + source.Left + first, table, part.width(), alpha, keep);
            continue;
        }
        if (row != loadedRow) {
            const uint8_t* bits = dib.ScanLine(row) + static_cast<ptrdiff_t>(source.Left + first) * dib.PixelBytes();
            // Each image column covers z screen columns; the first may be cut by the part's edge.
            size_t i = 0;
            for (int x = part.left(), edge = c.Left + (first + 1) * z; x <= part.right(); edge += z) {
                const QRgb colour = dib.IsTrueColor() ? qRgb(bits[2], bits[1], bits[0]) : table[*bits];
                for (const int end = std::min(edge, part.right() + 1); x < end; ++x) ghostRow[i++] = colour;
                bits += dib.PixelBytes();
            }
            loadedRow = row;
        }
        BlendRow(out, in, ghostRow.data(), part.width(), alpha, keep);
    }
}

// Where the painter draws `area` of the viewport, when that is a plain image of 32-bit pixels
// it paints on directly at a whole-pixel offset (the window's backing store, an image being
// rendered into): those pixels as an image of their own; else a null image.
QImage DeviceArea(QPainter& painter, const QRect& area) {
    QPaintEngine* engine = painter.paintEngine();
    QPaintDevice* device = engine ? engine->paintDevice() : nullptr;
    if (!device || device->devType() != QInternal::Image) return QImage();
    auto* image = static_cast<QImage*>(device);
    const QTransform t = painter.deviceTransform();
    if (t.type() > QTransform::TxTranslate || t.dx() != std::floor(t.dx()) || t.dy() != std::floor(t.dy())) return QImage();
    if (image->format() != QImage::Format_RGB32 && image->format() != QImage::Format_ARGB32_Premultiplied) return QImage();
    if (!image->isDetached() || image->devicePixelRatio() != 1.0) return QImage();
    const QRect placed = area.translated(static_cast<int>(t.dx()), static_cast<int>(t.dy()));
    if (!image->rect().contains(placed)) return QImage();
    uchar* at = image->bits() + static_cast<ptrdiff_t>(placed.top()) * image->bytesPerLine() + placed.left() * 4;
    return QImage(at, placed.width(), placed.height(), image->bytesPerLine(), image->format());
}

}  // namespace

int OnionFrame(const TSheetFrames& frames, const TOnionSkin& onion, const TRect& selection) {
    const int atPointer = onion.HasPointer ? FrameIndexAt(frames, onion.Pointer) : -1;
    if (atPointer >= 0 || selection.IsEmpty()) return atPointer;
    return FrameIndexAt(frames, TPoint{selection.Left, selection.Top});
}

void PaintOnionSkin(TPaintClient& client, QPainter& painter, const QRect& rect) {
    TOnionSkin& onion = client.OnionSkin();
    const int index = CurrentOnionFrame(client, onion);
    onion.Shown = index;
    if (index < 0) return;
    const TDib& dib = *client.Dib();
    const TSheetFrames& frames = dib.Frames();
    const TRect& frame = frames[static_cast<size_t>(index)].Rect;
    const bool previous = index > 0, next = onion.Next && index + 1 < static_cast<int>(frames.size());
    if (!previous && !next) return;
    const TRect c = client.ImageRectToClient(frame);
    const QRect area = QRect(c.Left, c.Top, c.Width(), c.Height()).intersected(rect).intersected(client.BackBuffer().rect());
    if (area.isEmpty()) return;
    if (QImage device = DeviceArea(painter, area); !device.isNull()) {
        // The painter has just drawn the back buffer there: the ghosts go over it in place.
        if (previous) BlendGhost(client, nullptr, device, area, dib, frame, frames[size_t(index) - 1].Rect, kOnionPreviousOpacity);
        if (next) BlendGhost(client, nullptr, device, area, dib, frame, frames[size_t(index) + 1].Rect, kOnionNextOpacity);
        return;
    }
    // Elsewhere the screen's pixels there, as the back buffer holds them, with the ghosts over
    // them; the scratch image stays for the next paint.
    QImage& screen = onion.Scratch;
    if (screen.width() < area.width() || screen.height() < area.height())
        screen = QImage(client.BackBuffer().size().expandedTo(area.size()), QImage::Format_RGB32);
    const QImage* under = &client.BackBuffer();
    if (previous) {
        BlendGhost(client, under, screen, area, dib, frame, frames[static_cast<size_t>(index) - 1].Rect,
                   kOnionPreviousOpacity);
        under = nullptr;
    }
    if (next)
        BlendGhost(client, under, screen, area, dib, frame, frames[static_cast<size_t>(index) + 1].Rect, kOnionNextOpacity);
    painter.drawImage(area.topLeft(), screen, QRect(QPoint(0, 0), area.size()));
}

void OnionPointerMoved(TPaintClient& client, TPoint p) {
    TOnionSkin& onion = client.OnionSkin();
    onion.HasPointer = true;
    onion.Pointer = p;
    if (!onion.On) return;
    const int index = CurrentOnionFrame(client, onion);
    if (index == onion.Shown) return;
    UpdateFrameArea(client, onion.Shown);
    UpdateFrameArea(client, index);
    onion.Shown = index;
}

void RefreshOnionSkin(TPaintClient& client) { client.viewport()->update(); }

}  // namespace pixmo
