#pragma once
// TPlaceClient: the navigator's view. It shows the current image fitted to the window or at
// a zoom of its own and frames the part that the edit client shows; dragging the frame, or
// pressing elsewhere, scrolls the edit client at once.
#include <QImage>

#include "image/geometry.h"
#include "view/client.h"

namespace pixmo {

class TAppContext;
class TDib;
class TPaintClient;

class TPlaceClient : public TClient {
    Q_OBJECT
public:
    static constexpr int kMaxZoomSize = 80;

    explicit TPlaceClient(TAppContext& app, QWidget* parent = nullptr);

    // Draw the frame even when no drag is in progress.
    bool VisibleRect() const { return FVisibleRect; }
    void SetVisibleRect(bool on);
    // Fit mode: the whole image scaled down to the window. Leaving it centres the view on
    // the frame.
    bool Stretch() const { return FStretch; }
    void SetStretch(bool on);
    // The zoom outside fit mode, 1..80; another value raises an error and changes nothing.
    int ZoomSize() const { return FZoomSize; }
    void SetZoomSize(int zoom);
    bool Dragging() const { return FDragging; }

    // The scale of fit mode, never above 1 (1 without image).
    float FitScale() const;
    // The edit client's visible area in navigator pixels, at least one pixel each way.
    TRect FrameRect() const;
    // Scrolls the view (outside fit mode) so that the frame's centre is at its middle.
    void CenterOnFrame();
    // The scroll range follows the image (none in fit mode or without image); repaints.
    void ImageChanged();
    // The marking pen's colour and mode from the settings; repaints.
    void LoadPen();

signals:
    // The window's own commands are wanted at a screen point.
    void menuRequested(QPoint global);

protected:
    void LeftDown(TPoint p) override;
    void LeftUp(TPoint p) override;
    void MouseMove(TPoint p) override;
    void CancelDrag() override;
    bool ExamineRightDown(TPoint p, Qt::KeyboardModifiers modifiers) override;
    void PaintViewport(QPainter& painter, const QRect& rect) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    TDib* Dib() const;
    TPaintClient* EditClient() const;
    void Render(const QRect& rect);
    void DrawFrame(const QRect& clip);
    // The frame's grab point goes to navigator point `at`; the edit client follows.
    void DragTo(TPoint at);
    void EndDragging();

    TAppContext& FApp;
    QImage FBuffer;
    bool FVisibleRect = true;
    bool FStretch = false;
    int FZoomSize = 1;
    bool FDragging = false;
    TPoint FGrab;
    QRgb FPenColor = 0xFF00FF00u;
    bool FPenNotXor = true;
};

}  // namespace pixmo
