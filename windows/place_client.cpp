#include "windows/place_client.h"

#include <QContextMenuEvent>
#include <QPainter>
#include <algorithm>
#include <cmath>

#include "edit/edit_context.h"
#include "image/errors.h"
#include "image/int_math.h"
#include "settings/main_keys.h"
#include "tools/internal_select.h"
#include "view/app_context.h"
#include "view/checkerboard.h"
#include "view/dib_to_qimage.h"
#include "view/paint_client.h"

namespace pixmo {

namespace {

int Scaled(int c, float s) { return static_cast<int>(std::lround(static_cast<double>(c) * s)); }

}  // namespace

TPlaceClient::TPlaceClient(TAppContext& app, QWidget* parent) : TClient(parent), FApp(app) {
    setObjectName("PlaceClient");
    LoadPen();
    // Whatever the edit client paints (scrolls, zooms, edits) shows here too.
    if (TPaintClient* edit = app.PaintClient())
        connect(edit, &TPaintClient::painted, this, [this] { viewport()->update(); });
}

TDib* TPlaceClient::Dib() const { return FApp.Edit().Dib(); }
TPaintClient* TPlaceClient::EditClient() const { return FApp.PaintClient(); }

void TPlaceClient::SetVisibleRect(bool on) {
    FVisibleRect = on;
    InvalidateAll(false);
}

void TPlaceClient::SetStretch(bool on) {
    if (on == FStretch) return;
    FStretch = on;
    ImageChanged();
    if (!on) CenterOnFrame();
}

void TPlaceClient::SetZoomSize(int zoom) {
    if (zoom < 1 || zoom > kMaxZoomSize) RaiseError(tr("Valore d'Ingrandimento non valido: %1").arg(zoom).toStdString());
    FZoomSize = zoom;
    ImageChanged();
}

float TPlaceClient::FitScale() const {
    const TDib* dib = Dib();
    if (!dib) return 1.0f;
    const int64_t w = dib->Width(), h = dib->Height();
    const int64_t cw = std::max(1, ClientWidth()), ch = std::max(1, ClientHeight());
    if (h * cw >= ch * w) return ch >= h ? 1.0f : static_cast<float>(ch) / static_cast<float>(h);
    return cw >= w ? 1.0f : static_cast<float>(cw) / static_cast<float>(w);
}

TRect TPlaceClient::FrameRect() const {
    const TPaintClient* edit = EditClient();
    if (!edit || !Dib()) return TRect{};
    const TRect v = edit->VisibleImageRect();
    TRect r;
    if (FStretch) {
        const float s = FitScale();
        r = TRect{Scaled(v.Left, s), Scaled(v.Top, s), Scaled(v.Right, s), Scaled(v.Bottom, s)};
    } else {
        r = ImageRectToClient(v);
    }
    if (r.Width() == 0) ++r.Right;
    if (r.Height() == 0) ++r.Bottom;
    return r;
}

void TPlaceClient::CenterOnFrame() {
    if (FStretch || !Dib()) return;
    const TRect f = FrameRect();
    const int dx = Div(Div(f.Left + f.Right, 2) - Div(ClientWidth(), 2), FZoomSize);
    const int dy = Div(Div(f.Top + f.Bottom, 2) - Div(ClientHeight(), 2), FZoomSize);
    TScroller& s = Scroller();
    s.SetPosition(std::max(0, s.PosX() + dx), std::max(0, s.PosY() + dy));
}

// In fit mode the view neither scrolls nor zooms, so every pixel the mouse moves is reported.
void TPlaceClient::ImageChanged() {
    const TDib* dib = Dib();
    const int zoom = FStretch ? 1 : FZoomSize;
    Scroller().SetZoom(zoom, zoom);
    Scroller().SetRange(FStretch || !dib ? TPoint{} : TPoint{dib->Width(), dib->Height()});
    InvalidateAll(false);
}

void TPlaceClient::LoadPen() {
    const TMainSettings& s = FApp.Settings();
    const uint32_t c = static_cast<uint32_t>(s.SelectPenColor);
    FPenColor = qRgb(static_cast<int>(c & 0xFF), static_cast<int>((c >> 8) & 0xFF), static_cast<int>((c >> 16) & 0xFF));
    FPenNotXor = s.SelectPenMode == kSelectPenModeNotXor;
    InvalidateAll(false);
}

// --- painting ---

void TPlaceClient::PaintViewport(QPainter& painter, const QRect& rect) {
    if (FBuffer.size() != viewport()->size()) FBuffer = QImage(viewport()->size(), QImage::Format_RGB32);
    if (FBuffer.isNull()) return;
    try {
        Render(rect.intersected(FBuffer.rect()));
    } catch (...) {
        // A failed paint leaves the old pixels; the program goes on.
    }
    painter.drawImage(rect.topLeft(), FBuffer, rect);
}

void TPlaceClient::Render(const QRect& rect) {
    if (rect.isEmpty()) return;
    QPainter(&FBuffer).fillRect(rect, palette().color(QPalette::Window));
    const TDib* dib = Dib();
    if (!dib) return;
    if (FStretch) {
        const float s = FitScale();
        const QRect target(0, 0, std::max(Scaled(dib->Width(), s), 1), std::max(Scaled(dib->Height(), s), 1));
        DrawDibStretched(*dib, dib->GetRect(), target, FBuffer, rect, CheckerCell(*this, FApp.Settings().ShowTransparency));
    } else {
        // The cells any part of which lies in the rectangle.
        const int z = FZoomSize;
        const TRect widened{rect.left() - Mod(rect.left(), z), rect.top() - Mod(rect.top(), z),
                            rect.right() + 1 + Mod(z - Mod(rect.right() + 1, z), z),
                            rect.bottom() + 1 + Mod(z - Mod(rect.bottom() + 1, z), z)};
        const TRect source = IntersectRect(ClientRectToImage(widened), dib->GetRect());
        const TRect placed = ImageRectToClient(source);
        DrawDibZoomed(*dib, source, z, FBuffer, QPoint(placed.Left, placed.Top), rect,
                      CheckerCell(*this, FApp.Settings().ShowTransparency));
    }
    if (FVisibleRect || FDragging) DrawFrame(rect);
}

// A one-pixel outline, each pixel once, so that the not-xor pen inverts every pixel alike.
void TPlaceClient::DrawFrame(const QRect& clip) {
    const TRect f = FrameRect();
    const QRect area = clip.intersected(QRect(f.Left, f.Top, f.Width(), f.Height()));
    if (area.isEmpty()) return;
    auto plot = [this](QRgb* row, int x) {
        row[x] = FPenNotXor ? 0xFF000000u | (~(row[x] ^ FPenColor) & 0xFFFFFFu) : FPenColor;
    };
    for (int y = area.top(); y <= area.bottom(); ++y) {
        auto* row = reinterpret_cast<QRgb*>(FBuffer.scanLine(y));
        if (y == f.Top || y == f.Bottom - 1) {
            for (int x = area.left(); x <= area.right(); ++x) plot(row, x);
            continue;
        }
        if (area.left() == f.Left) plot(row, f.Left);
        if (area.right() == f.Right - 1 && f.Right - 1 != f.Left) plot(row, f.Right - 1);
    }
}

// --- the mouse ---

void TPlaceClient::LeftDown(TPoint) {
    if (!Dib() || !EditClient() || FDragging) return;
    FDragging = true;
    const TRect f = FrameRect();
    const TPoint e = EventPoint();
    FGrab = f.Contains(e) ? TPoint{e.X - f.Left, e.Y - f.Top} : TPoint{Div(f.Width(), 2), Div(f.Height(), 2)};
    DragTo(e);
}

void TPlaceClient::MouseMove(TPoint) {
    if (FDragging) DragTo(EventPoint());
}

void TPlaceClient::LeftUp(TPoint) { EndDragging(); }
void TPlaceClient::CancelDrag() { EndDragging(); }

void TPlaceClient::EndDragging() {
    if (!FDragging) return;
    FDragging = false;
    if (!FVisibleRect) Repaint();
}

void TPlaceClient::DragTo(TPoint at) {
    TPaintClient* edit = EditClient();
    const TDib* dib = Dib();
    if (!edit || !dib) return;
    const TPoint corner{at.X - FGrab.X, at.Y - FGrab.Y};
    TPoint target;
    if (FStretch) {
        // A rectangle of the visible area's size at that point, kept inside the image.
        const float s = FitScale();
        const TRect v = edit->VisibleImageRect();
        const int x = static_cast<int>(std::lround(corner.X / s)), y = static_cast<int>(std::lround(corner.Y / s));
        target = TPoint{std::max(0, std::min(x, dib->Width() - v.Width())), std::max(0, std::min(y, dib->Height() - v.Height()))};
    } else {
        target = ClientToImage(corner);
    }
    edit->Scroller().SetPosition(target);
    edit->UpdateNow();
    Repaint();
}

// The right button toggles fit mode and starts no drag; with Ctrl it asks for the menu,
// which the context-menu event brings.
bool TPlaceClient::ExamineRightDown(TPoint, Qt::KeyboardModifiers modifiers) {
    if ((modifiers & Qt::ControlModifier) || !Dib() || FDragging) return false;
    SetStretch(!FStretch);
    Repaint();
    return false;
}

void TPlaceClient::contextMenuEvent(QContextMenuEvent* event) {
    if (event->reason() != QContextMenuEvent::Mouse || (event->modifiers() & Qt::ControlModifier))
        emit menuRequested(event->globalPos());
    event->accept();
}

}  // namespace pixmo
