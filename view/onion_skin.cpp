#include "view/onion_skin.h"

#include <QImage>
#include <QPainter>

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

// `ghost`'s pixels laid over `frame` from its top-left, as far as both reach.
void PaintGhost(TPaintClient& client, QPainter& painter, const QRect& rect, const TDib& dib, const TRect& frame,
                const TRect& ghost, double opacity) {
    const int w = std::min(frame.Width(), ghost.Width()), h = std::min(frame.Height(), ghost.Height());
    const TRect source = IntersectRect(TRect{ghost.Left, ghost.Top, ghost.Left + w, ghost.Top + h}, dib.GetRect());
    if (source.IsEmpty()) return;
    const TRect target{frame.Left, frame.Top, frame.Left + source.Width(), frame.Top + source.Height()};
    const TRect c = client.ImageRectToClient(target);
    const QRect area = QRect(c.Left, c.Top, c.Width(), c.Height()).intersected(rect);
    if (area.isEmpty()) return;
    QImage part(area.size(), QImage::Format_RGB32);
    DrawDibZoomed(dib, source, client.Zoom(), part, QPoint(c.Left, c.Top) - area.topLeft(), part.rect());
    painter.setOpacity(opacity);
    painter.drawImage(area.topLeft(), part);
    painter.setOpacity(1.0);
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
    if (index > 0) PaintGhost(client, painter, rect, dib, frame, frames[static_cast<size_t>(index) - 1].Rect, kOnionPreviousOpacity);
    if (onion.Next && index + 1 < static_cast<int>(frames.size()))
        PaintGhost(client, painter, rect, dib, frame, frames[static_cast<size_t>(index) + 1].Rect, kOnionNextOpacity);
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
