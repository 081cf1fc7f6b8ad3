#include "view/onion_skin.h"

#include <QImage>
#include <QPaintEngine>
#include <QPainter>
#include <cmath>
#include <array>
#include <cstring>
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

// A ghost colour weighted by its opacity, red and blue apart from green, so that laying it
// over a pixel takes two multiplications.
struct TGhostColour {
    uint32_t RB = 0, G = 0;
};

TGhostColour Weighted(QRgb c, uint32_t alpha) { return {(c & 0xFF00FF) * alpha, (c & 0xFF00) * alpha}; }

inline QRgb Blend(QRgb under, TGhostColour over, uint32_t keep) {
    const uint32_t rb = (over.RB + (under & 0xFF00FF) * keep) >> 8 & 0xFF00FF;
    const uint32_t g = (over.G + (under & 0xFF00) * keep) >> 8 & 0xFF00;
    return 0xFF000000u | rb | g;
}

// `ghost`'s pixels laid over `frame` from its top-left, as far as both reach, into `screen`,
// which stands for the viewport's `area`: over what `under` shows there (viewport
// coordinates), or over the screen's own pixels without it. One pass over the pixels: the
// paint is bound by memory, not by arithmetic.
void BlendGhost(const TPaintClient& client, const QImage* under, QImage& screen, const QRect& area, const TDib& dib,
                const TRect& frame, const TRect& ghost, double opacity) {
    const int w = std::min(frame.Width(), ghost.Width()), h = std::min(frame.Height(), ghost.Height());
    const TRect source = IntersectRect(TRect{ghost.Left, ghost.Top, ghost.Left + w, ghost.Top + h}, dib.GetRect());
    if (source.IsEmpty()) return;
    const TRect target{frame.Left, frame.Top, frame.Left + source.Width(), frame.Top + source.Height()};
    const TRect c = client.ImageRectToClient(target);
    const QRect part = QRect(c.Left, c.Top, c.Width(), c.Height()).intersected(area);
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
    std::array<TGhostColour, 256> weighted{};
    if (!dib.IsTrueColor()) {
        const std::array<QRgb, 256> table = PaletteRgb(dib);
        for (size_t i = 0; i < table.size(); ++i) weighted[i] = Weighted(table[i], alpha);
    }
    // Only the columns the area shows are read.
    const int first = (part.left() - c.Left) / z, last = (part.right() - c.Left) / z;
    std::vector<TGhostColour> colours(static_cast<size_t>(last - first + 1));
    int loadedRow = -1;
    for (int y = part.top(); y <= part.bottom(); ++y) {
        const int row = source.Top + (y - c.Top) / z;
        if (row != loadedRow) {
            const uint8_t* bits = dib.ScanLine(row) + static_cast<ptrdiff_t>(source.Left + first) * dib.PixelBytes();
            if (dib.IsTrueColor()) {
                for (size_t i = 0; i < colours.size(); ++i)
                    colours[i] = Weighted(qRgb(bits[3 * i + 2], bits[3 * i + 1], bits[3 * i]), alpha);
            } else {
                for (size_t i = 0; i < colours.size(); ++i) colours[i] = weighted[bits[i]];
            }
            loadedRow = row;
        }
        auto* out = reinterpret_cast<QRgb*>(screen.scanLine(y - area.top())) - area.left();
        const QRgb* in = under ? reinterpret_cast<const QRgb*>(under->constScanLine(y)) : out;
        // Runs of one screen colour under one ghost colour (a zoomed cell) are blended once.
        if (z == 1) {
            const TGhostColour* ghostRow = colours.data() - part.left();
            for (int x = part.left(); x <= part.right(); ++x) out[x] = Blend(in[x], ghostRow[x], keep);
            continue;
        }
        // Column by image column: each ghost pixel covers z screen pixels.
        size_t column = 0;
        for (int x = part.left(), edge = c.Left + (first + 1) * z; x <= part.right(); ++column, edge += z) {
            const TGhostColour ghostColour = colours[column];
            QRgb last = ~in[x], blended = 0;
            for (const int end = std::min(edge, part.right() + 1); x < end; ++x) {
                if (in[x] != last) {
                    last = in[x];
                    blended = Blend(last, ghostColour, keep);
                }
                out[x] = blended;
            }
        }
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
