// Painting of the edit client: the zoomed image, the grids, the selection outline, all
// through the back buffer.
#include <QPainter>
#include <algorithm>

#include "edit/edit_context.h"
#include "edit/selection.h"
#include "image/dib_canvas.h"
#include "image/int_math.h"
#include "view/checkerboard.h"
#include "view/dib_to_qimage.h"
#include "view/drawing_aids_view.h"
#include "view/paint_client.h"
#include "view/view_objects.h"

namespace pixmo {

namespace {

constexpr QRgb kBlack = 0xFF000000u;
constexpr QRgb kWhite = 0xFFFFFFFFu;
constexpr QRgb kGrey = 0xFF808080u;
// The unit grid's dots: three on, three off, counted from the control's edge so that
// partial repaints join up.
constexpr int kDotPeriod = 6;
constexpr int kDotOn = 3;

QRect ToQRect(const TRect& r) { return QRect(r.Left, r.Top, r.Width(), r.Height()); }
TRect ToTRect(const QRect& r) { return TRect{r.left(), r.top(), r.right() + 1, r.bottom() + 1}; }

void FillArea(QImage& image, const QRect& area, QRgb color) {
    const QRect r = area.intersected(image.rect());
    for (int y = r.top(); y <= r.bottom(); ++y) {
        auto* row = reinterpret_cast<QRgb*>(image.scanLine(y));
        std::fill(row + r.left(), row + r.right() + 1, color);
    }
}

void VerticalLine(QImage& image, int x, const QRect& clip, QRgb color, bool dotted) {
    if (x < clip.left() || x > clip.right()) return;
    for (int y = clip.top(); y <= clip.bottom(); ++y) {
        const QRgb c = !dotted || y % kDotPeriod < kDotOn ? color : kWhite;
        reinterpret_cast<QRgb*>(image.scanLine(y))[x] = c;
    }
}

void HorizontalLine(QImage& image, int y, const QRect& clip, QRgb color, bool dotted) {
    if (y < clip.top() || y > clip.bottom()) return;
    auto* row = reinterpret_cast<QRgb*>(image.scanLine(y));
    for (int x = clip.left(); x <= clip.right(); ++x) row[x] = !dotted || x % kDotPeriod < kDotOn ? color : kWhite;
}

}  // namespace

const QImage& TPaintClient::BackBuffer() const { return FObjects->BackBuffer(); }

void TPaintClient::Invalidated(const QRect& rect) { FDirty += rect; }

void TPaintClient::ViewportResized() {
    FObjects->ResizeBackBuffer(viewport()->size());
    FOutline.Drop();
    FDirty = QRegion(viewport()->rect());
}

TOutlineGeometry TPaintClient::CurrentGeometry() const {
    return TOutlineGeometry{viewport()->size(), FZoom, Scroller().GetPosition()};
}

void TPaintClient::PaintViewport(QPainter& painter, const QRect& rect) {
    QImage& buffer = FObjects->BackBuffer();
    if (buffer.size() != viewport()->size()) {
        FObjects->ResizeBackBuffer(viewport()->size());
        FDirty = QRegion(viewport()->rect());
    }
    const QRegion stale = FDirty.intersected(rect);
    for (const QRect& r : stale) RenderBackBuffer(r);
    FDirty -= rect;
    painter.drawImage(rect.topLeft(), FObjects->BackBuffer(), rect);
    PaintOnionSkin(*this, painter, rect);
    if (!FFrameRect.IsEmpty()) {
        // White under black dashes shows on any picture.
        const TRect c = ImageRectToClient(FFrameRect);
        const QRect outline(c.Left, c.Top, c.Width() - 1, c.Height() - 1);
        painter.setClipRect(rect);
        painter.setBrush(Qt::NoBrush);
        painter.setPen(QPen(Qt::white, 1));
        painter.drawRect(outline);
        painter.setPen(QPen(Qt::black, 1, Qt::DashLine));
        painter.drawRect(outline);
        painter.setClipping(false);
    }
    if (MirrorAxes) PaintMirrorGuide(painter, rect, *this, MirrorAxes());
    if (!stale.isEmpty()) emit painted();
}

void TPaintClient::ShowFrameRect(const TRect& rect) {
    if (rect == FFrameRect) return;
    // Only the screen changes: the back buffer still holds the picture under both marks.
    for (const TRect& r : {FFrameRect, rect}) {
        if (r.IsEmpty()) continue;
        const TRect c = ImageRectToClient(r);
        viewport()->update(QRect(c.Left, c.Top, c.Width(), c.Height()).adjusted(-1, -1, 1, 1));
    }
    FFrameRect = rect;
}

void TPaintClient::RenderBackBuffer(const QRect& rect) {
    try {
        PaintImage(rect.intersected(FObjects->BackBuffer().rect()));
        if (OutlineMayAnimate()) FOutline.Draw(*FObjects, rect);
    } catch (...) {
        // A failed paint leaves the old pixels; the program goes on.
    }
}

void TPaintClient::PaintImage(const QRect& rect) {
    QImage& buffer = FObjects->BackBuffer();
    const QRgb background = palette().color(QPalette::Window).rgb();
    const TDibCanvas* canvas = ToolCanvas();
    if (rect.isEmpty()) return;
    if (!canvas) {
        FillArea(buffer, rect, background);
        return;
    }
    const TDib& dib = canvas->Dib();
    const int z = FZoom;
    const TScroller& s = Scroller();

    // The cells any part of which lies in the rectangle.
    TRect widened = ToTRect(rect);
    if (z > 1) {
        widened.Left = widened.Left - Mod(widened.Left, z) - 1;
        widened.Top = widened.Top - Mod(widened.Top, z) - 1;
        widened.Right = widened.Right + z - Mod(widened.Right, z);
        widened.Bottom = widened.Bottom + z - Mod(widened.Bottom, z);
    }
    const TRect source = IntersectRect(ClientRectToImage(widened), dib.GetRect());
    const TRect placed = ImageRectToClient(source);
    const QRect covered = ToQRect(placed).intersected(rect);

    // What the image does not cover shows the control's colour.
    const QRegion uncovered = QRegion(rect).subtracted(QRegion(covered));
    for (const QRect& r : uncovered) FillArea(buffer, r, background);
    if (source.IsEmpty()) return;
    DrawDibZoomed(dib, source, z, buffer, QPoint(placed.Left, placed.Top), rect, CheckerCell(*this, FShowTransparency));
    if (z < 8) return;

    if (FGridMode == 1 || FGridMode == 2) {
        const QRgb color = FGridMode == 1 ? kBlack : kGrey;
        for (int x = rect.left() + Mod(z - Mod(rect.left(), z), z); x <= rect.right(); x += z)
            VerticalLine(buffer, x, rect, color, false);
        for (int y = rect.top() + Mod(z - Mod(rect.top(), z), z); y <= rect.bottom(); y += z)
            HorizontalLine(buffer, y, rect, color, false);
    }
    if (FShowUnitGrid) {
        // 64-bit steps: no unit or zoom can make them wrap to zero.
        if (FUnitX > 0) {
            const int64_t step = int64_t{FUnitX} * z;
            for (int64_t x = -int64_t{Mod(s.PosX(), FUnitX)} * z; x < ClientWidth() && x <= rect.right(); x += step)
                VerticalLine(buffer, static_cast<int>(x), rect, kBlack, true);
        }
        if (FUnitY > 0) {
            const int64_t step = int64_t{FUnitY} * z;
            for (int64_t y = -int64_t{Mod(s.PosY(), FUnitY)} * z; y < ClientHeight() && y <= rect.bottom(); y += step)
                HorizontalLine(buffer, static_cast<int>(y), rect, kBlack, true);
        }
    }
    // Past the image's last column and row only the closing grid line stays.
    const int right = (s.RangeX() - s.PosX()) * z + 1;
    const int bottom = (s.RangeY() - s.PosY()) * z + 1;
    if (s.PosX() == s.MaxPosX() && right <= rect.right())
        FillArea(buffer, QRect(QPoint(right, rect.top()), rect.bottomRight()), background);
    if (s.PosY() == s.MaxPosY() && bottom <= rect.bottom())
        FillArea(buffer, QRect(QPoint(rect.left(), bottom), rect.bottomRight()), background);
}

// --- the selection outline ---

// A floating piece has its outline too: its edges must show on any picture.
bool TPaintClient::OutlineMayAnimate() const {
    return FShowEdges && Dib() && FContext && !IsDragging() && FOutline.IsBuiltFor(CurrentGeometry());
}

void TPaintClient::BuildOutline() {
    const TDib* dib = Dib();
    const TMaskDib* mask = FContext ? FContext->Selection().Mask() : nullptr;
    if (!dib || !mask) {
        FOutline.Drop();
        return;
    }
    try {
        FOutline.Build(*FObjects, CurrentGeometry(), *mask, FContext->Selection().GetRect());
        FOutline.FillPattern(*FObjects);
    } catch (...) {
        FOutline.Drop();
    }
}

// The old outline's pixels are painted over from the image; the new one shows at once.
void TPaintClient::OutlineChanged() {
    const QRect before = FOutline.IsBuilt() ? FOutline.Rect() : QRect();
    BuildOutline();
    const QRect area = before.united(FOutline.Rect());
    if (!area.isEmpty()) InvalidateRect(ToTRect(area), false);
}

void TPaintClient::EraseOutline() {
    const QRect area = FOutline.IsBuilt() ? FOutline.Rect() : QRect();
    FOutline.Drop();
    if (!area.isEmpty()) InvalidateRect(ToTRect(area), false);
}

void TPaintClient::AnimateOutline() {
    if (!FShowEdges || !Dib() || !FContext || IsDragging()) return;
    if (!FOutline.IsBuiltFor(CurrentGeometry())) BuildOutline();
    FOutline.FillPattern(*FObjects);
    // A paint is waiting: this tick draws nothing.
    if (!FDirty.isEmpty()) return;
    FOutline.Step();
    const QRect r = FOutline.Rect();
    if (r.isEmpty()) return;
    FOutline.Draw(*FObjects, r);
    viewport()->update(r);
}

// --- repaint requests in image pixels ---

void TPaintClient::InvalidateImageRect(const TRect& rect) { InvalidateRect(ImageRectToClient(rect), false); }

void TPaintClient::RepaintImageRect(const TRect& rect) {
    InvalidateImageRect(rect);
    UpdateNow();
}

void TPaintClient::UpdateNow() {
    if (!FDirty.isEmpty()) viewport()->repaint(FDirty);
}

TRect TPaintClient::VisibleImageRect() const {
    const TDib* dib = Dib();
    if (!dib) return TRect{};
    TRect r{0, 0, ClientWidth(), ClientHeight()};
    const int z = FZoom;
    if (z > 1) {
        r.Left = -1;
        r.Top = -1;
        r.Right = r.Right + z - Mod(r.Right, z);
        r.Bottom = r.Bottom + z - Mod(r.Bottom, z);
    }
    return IntersectRect(ClientRectToImage(r), dib->GetRect());
}

}  // namespace pixmo
