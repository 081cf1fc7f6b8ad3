#pragma once
// TClient: a zoomed, scrollable control. It maps between control pixels and image pixels
// through its TScroller, drives the scroll bars, holds the mouse during drags (scrolling
// on its own while the cursor is at an edge) and turns mouse events into calls carrying
// image points. Descendants paint the viewport and override the mouse calls.
#include <QAbstractScrollArea>
#include <QTimer>
#include <cstdint>
#include <memory>

#include "image/geometry.h"
#include "view/scroller.h"

namespace pixmo {

class TIni;

class TClient : public QAbstractScrollArea {
    Q_OBJECT
public:
    explicit TClient(QWidget* parent = nullptr);
    ~TClient() override;

    TScroller& Scroller() const { return *FScroller; }

    // --- mapping (division truncates toward zero) ---
    TPoint ClientToImage(TPoint p) const;
    TPoint ImageToClient(TPoint p) const;
    TRect ClientRectToImage(const TRect& r) const;
    // Corners are kept within 16 bits.
    TRect ImageRectToClient(const TRect& r) const;
    // A packed position: x the low 16 bits, y the high 16 bits, both signed.
    TPoint MessagePosToImage(uint32_t pos) const;
    // The mouse position in control coordinates.
    virtual TPoint CursorPos() const;

    int ClientWidth() const;
    int ClientHeight() const;

    // --- repainting ---
    // Invalidate all without erasing and paint at once.
    void Repaint();
    void InvalidateRect(const TRect& r, bool erase);
    void InvalidateAll(bool erase);

    // --- drags ---
    bool LeftDragging() const { return FLeftDragging; }
    bool RightDragging() const { return FRightDragging; }
    bool DragLoopActive() const { return FDragLoopActive; }
    bool AutoScroll() const { return FAutoScroll; }
    void SetAutoScroll(bool on) { FAutoScroll = on; }
    // Ends a drag from outside, as if the button were released where the cursor is.
    void EndDrag();

    // "AutoScroll", "ScrollerVisible", "ScrollerPos" in the ini's current section.
    void LoadSettings(TIni& ini);
    void SaveSettings(TIni& ini);

    // --- called by the scroller ---
    // Range 0..range-1 with a page; a bar is shown exactly when page differs from range.
    void SetBars(bool visible, int rangeX, int pageX, int posX, int rangeY, int pageY, int posY);
    void SetBarPositions(int x, int y);
    virtual void Scrolled() {}

protected:
    // --- what descendants override (nothing here) ---
    virtual void LeftDown(TPoint) {}
    virtual void RightDown(TPoint) {}
    virtual void LeftUp(TPoint) {}
    virtual void RightUp(TPoint) {}
    virtual void MouseMove(TPoint) {}
    virtual void CancelDrag() {}
    // A right press outside a left drag: answer false to start no drag.
    virtual bool ExamineRightDown(TPoint, Qt::KeyboardModifiers) { return true; }
    // A left double click (TClient ignores them).
    virtual void LeftDoubleClick(TPoint) {}
    // Paints the part `rect` of the viewport.
    virtual void PaintViewport(QPainter& painter, const QRect& rect);
    // Part of the viewport must be painted again (image content changed there).
    virtual void Invalidated(const QRect&) {}
    virtual void ViewportResized() {}

    bool viewportEvent(QEvent* event) override;
    void scrollContentsBy(int dx, int dy) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

    // The control point of the press, move or release being reported (the image point a
    // call carries loses the part of a cell).
    TPoint EventPoint() const { return FEventPoint; }

private:
    void HandlePress(Qt::MouseButton button, QPoint pos, Qt::KeyboardModifiers modifiers);
    void HandleRelease(Qt::MouseButton button, QPoint pos);
    void HandleMove(QPoint pos);
    void StartDrag(bool left, TPoint p);
    void StopDragTimer();
    void DragTimerTick();

    std::unique_ptr<TScroller> FScroller;
    bool FLeftDragging = false;
    bool FRightDragging = false;
    bool FAutoScroll = true;
    bool FDragLoopActive = false;
    bool FHasLastPoint = false;
    bool FSettingBars = false;
    TPoint FLastPoint;
    TPoint FEventPoint;
    QTimer FDragTimer;
};

}  // namespace pixmo
