#include "view/client.h"

#include <QCursor>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QScrollBar>
#include <algorithm>

#include "image/int_math.h"
#include "settings/ini.h"

namespace pixmo {

namespace {

// Drag steps while the button is held; the nested loop this stands for stepped on every
// message, at least as often as the main window's timer.
constexpr int kDragStepMs = 50;

int Cut16(long long v) { return static_cast<int>(std::clamp<long long>(v, -32768, 32767)); }

}  // namespace

TClient::TClient(QWidget* parent) : QAbstractScrollArea(parent), FScroller(std::make_unique<TScroller>(*this)) {
    viewport()->setAttribute(Qt::WA_OpaquePaintEvent);
    viewport()->setAttribute(Qt::WA_NoSystemBackground);
    viewport()->setMouseTracking(true);
    setFocusPolicy(Qt::StrongFocus);
    setFrameShape(QFrame::NoFrame);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    horizontalScrollBar()->setRange(0, 0);
    verticalScrollBar()->setRange(0, 0);
    FDragTimer.setInterval(kDragStepMs);
    connect(&FDragTimer, &QTimer::timeout, this, [this] { DragTimerTick(); });
}

TClient::~TClient() = default;

TPoint TClient::ClientToImage(TPoint p) const {
    return TPoint{Div(p.X, FScroller->ZoomX()) + FScroller->PosX(), Div(p.Y, FScroller->ZoomY()) + FScroller->PosY()};
}

TPoint TClient::ImageToClient(TPoint p) const {
    return TPoint{(p.X - FScroller->PosX()) * FScroller->ZoomX(), (p.Y - FScroller->PosY()) * FScroller->ZoomY()};
}

TRect TClient::ClientRectToImage(const TRect& r) const {
    const TPoint a = ClientToImage({r.Left, r.Top});
    const TPoint b = ClientToImage({r.Right, r.Bottom});
    return TRect{a.X, a.Y, b.X, b.Y};
}

// Far corners of a big image at a high zoom do not fit 16 bits; they are held at the
// limit rather than wrapped, so the rectangle still covers what it should on screen.
TRect TClient::ImageRectToClient(const TRect& r) const {
    const long long zx = FScroller->ZoomX(), zy = FScroller->ZoomY();
    const long long px = FScroller->PosX(), py = FScroller->PosY();
    return TRect{Cut16((r.Left - px) * zx), Cut16((r.Top - py) * zy), Cut16((r.Right - px) * zx),
                 Cut16((r.Bottom - py) * zy)};
}

TPoint TClient::MessagePosToImage(uint32_t pos) const {
    const int x = static_cast<int16_t>(pos & 0xFFFF);
    const int y = static_cast<int16_t>(pos >> 16);
    return ClientToImage({x, y});
}

TPoint TClient::CursorPos() const {
    const QPoint p = viewport()->mapFromGlobal(QCursor::pos());
    return TPoint{p.x(), p.y()};
}

int TClient::ClientWidth() const { return viewport()->width(); }
int TClient::ClientHeight() const { return viewport()->height(); }

void TClient::Repaint() {
    InvalidateAll(false);
    viewport()->repaint();
}

void TClient::InvalidateRect(const TRect& r, bool) {
    const QRect q = QRect(r.Left, r.Top, r.Width(), r.Height()).intersected(viewport()->rect());
    if (q.isEmpty()) return;
    Invalidated(q);
    viewport()->update(q);
}

// Every paint covers its whole area, so erasing first would add nothing but flicker.
void TClient::InvalidateAll(bool) {
    Invalidated(viewport()->rect());
    viewport()->update();
}

void TClient::EndDrag() {
    const TPoint c = CursorPos();
    FDragLoopActive = false;
    StopDragTimer();
    HandleRelease(Qt::LeftButton, QPoint(c.X, c.Y));
    HandleRelease(Qt::RightButton, QPoint(c.X, c.Y));
}

void TClient::LoadSettings(TIni& ini) {
    FAutoScroll = ini.ReadBool("AutoScroll", FAutoScroll);
    FScroller->SetVisible(ini.ReadBool("ScrollerVisible", FScroller->Visible()));
    FScroller->SetPosition(ini.ReadPoint("ScrollerPos", FScroller->GetPosition()));
}

void TClient::SaveSettings(TIni& ini) {
    ini.WriteBool("AutoScroll", FAutoScroll);
    ini.WritePoint("ScrollerPos", FScroller->GetPosition());
    ini.WriteBool("ScrollerVisible", FScroller->Visible());
}

void TClient::SetBars(bool visible, int rangeX, int pageX, int posX, int rangeY, int pageY, int posY) {
    FSettingBars = true;
    const Qt::ScrollBarPolicy policy = visible ? Qt::ScrollBarAsNeeded : Qt::ScrollBarAlwaysOff;
    if (horizontalScrollBarPolicy() != policy) setHorizontalScrollBarPolicy(policy);
    if (verticalScrollBarPolicy() != policy) setVerticalScrollBarPolicy(policy);
    // A bar shows exactly when the page is less than the range: its maximum is then > 0.
    QScrollBar* h = horizontalScrollBar();
    h->setRange(0, std::max(0, rangeX - pageX));
    h->setPageStep(std::max(1, pageX));
    h->setSingleStep(1);
    h->setValue(posX);
    QScrollBar* v = verticalScrollBar();
    v->setRange(0, std::max(0, rangeY - pageY));
    v->setPageStep(std::max(1, pageY));
    v->setSingleStep(1);
    v->setValue(posY);
    FSettingBars = false;
}

void TClient::SetBarPositions(int x, int y) {
    FSettingBars = true;
    horizontalScrollBar()->setValue(x);
    verticalScrollBar()->setValue(y);
    FSettingBars = false;
}

void TClient::scrollContentsBy(int, int) {
    if (FSettingBars) return;
    FScroller->SetPosition(horizontalScrollBar()->value(), verticalScrollBar()->value());
}

void TClient::PaintViewport(QPainter& painter, const QRect& rect) {
    painter.fillRect(rect, palette().color(QPalette::Window));
}

bool TClient::viewportEvent(QEvent* event) {
    switch (event->type()) {
        case QEvent::Paint: {
            QPainter painter(viewport());
            for (const QRect& r : static_cast<QPaintEvent*>(event)->region()) PaintViewport(painter, r);
            return true;
        }
        case QEvent::Resize:
            ViewportResized();
            FScroller->Recalculate();
            Invalidated(viewport()->rect());
            return true;
        default:
            return QAbstractScrollArea::viewportEvent(event);
    }
}

void TClient::mousePressEvent(QMouseEvent* event) {
    HandlePress(event->button(), event->position().toPoint(), event->modifiers());
    event->accept();
}

void TClient::mouseReleaseEvent(QMouseEvent* event) {
    HandleRelease(event->button(), event->position().toPoint());
    event->accept();
}

void TClient::mouseMoveEvent(QMouseEvent* event) {
    HandleMove(event->position().toPoint());
    event->accept();
}

// A right double click counts as a press; a left one goes to LeftDoubleClick only.
void TClient::mouseDoubleClickEvent(QMouseEvent* event) {
    const QPoint pos = event->position().toPoint();
    if (event->button() == Qt::RightButton)
        HandlePress(Qt::RightButton, pos, event->modifiers());
    else if (event->button() == Qt::LeftButton)
        LeftDoubleClick(ClientToImage({pos.x(), pos.y()}));
    event->accept();
}

void TClient::HandlePress(Qt::MouseButton button, QPoint pos, Qt::KeyboardModifiers modifiers) {
    FEventPoint = TPoint{pos.x(), pos.y()};
    const TPoint p = ClientToImage({pos.x(), pos.y()});
    if (button == Qt::LeftButton) {
        if (FRightDragging) {
            FRightDragging = false;
            FDragLoopActive = false;
            StopDragTimer();
            CancelDrag();
            return;
        }
        StartDrag(true, p);
    } else if (button == Qt::RightButton) {
        if (FLeftDragging) {
            FLeftDragging = false;
            FDragLoopActive = false;
            StopDragTimer();
            CancelDrag();
            return;
        }
        if (!ExamineRightDown(p, modifiers)) return;
        StartDrag(false, p);
    }
}

void TClient::StartDrag(bool left, TPoint p) {
    (left ? FLeftDragging : FRightDragging) = true;
    FDragLoopActive = FAutoScroll;
    if (left)
        LeftDown(p);
    else
        RightDown(p);
    if (FDragLoopActive && (FLeftDragging || FRightDragging)) FDragTimer.start();
}

void TClient::HandleRelease(Qt::MouseButton button, QPoint pos) {
    FEventPoint = TPoint{pos.x(), pos.y()};
    const TPoint p = ClientToImage({pos.x(), pos.y()});
    if (button == Qt::LeftButton && FLeftDragging) {
        FLeftDragging = false;
        FDragLoopActive = false;
        StopDragTimer();
        LeftUp(p);
    } else if (button == Qt::RightButton && FRightDragging) {
        FRightDragging = false;
        FDragLoopActive = false;
        StopDragTimer();
        RightUp(p);
    }
}

void TClient::HandleMove(QPoint pos) {
    const TPoint p = ClientToImage({pos.x(), pos.y()});
    if (FHasLastPoint && p == FLastPoint) return;
    FEventPoint = TPoint{pos.x(), pos.y()};
    FHasLastPoint = true;
    FLastPoint = p;
    MouseMove(p);
}

void TClient::StopDragTimer() { FDragTimer.stop(); }

// After a step the pointer stands over another image pixel: the move is reported so that
// the tool follows it even when the mouse itself stays still.
void TClient::DragTimerTick() {
    if (!FDragLoopActive || !(FLeftDragging || FRightDragging)) {
        StopDragTimer();
        return;
    }
    FScroller->AutoScrollStep();
    const TPoint c = CursorPos();
    HandleMove(QPoint(c.X, c.Y));
}

}  // namespace pixmo
