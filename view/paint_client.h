#pragma once
// TPaintClient: the edit client of the main window. It shows the current image magnified
// with the pixel grid and the unit grid, animates the selection outline, owns the current
// and the temporary mouse tool and routes every mouse event to them. The document (image,
// selection, undo, colour indices) is the edit context's; the client is its view.
#include <QCursor>
#include <QImage>
#include <map>
#include <QString>
#include <QTimer>
#include <array>
#include <functional>
#include <memory>
#include <string>

#include "edit/edit_view.h"
#include "image/dib.h"
#include "image/paint_rule.h"
#include "tools/mouse.h"
#include "tools/mouse_tool.h"
#include "view/client.h"
#include "view/onion_skin.h"
#include "view/selection_outline.h"

namespace pixmo {

class TEditContext;
class TViewObjects;

// The zoom menu's entries, in menu order.
inline constexpr std::array<int, 10> kZoomSteps{1, 2, 4, 8, 12, 16, 20, 24, 32, 40};
inline constexpr int kMaxZoom = 80;

// The modifier roles the client itself acts on (shift bytes; 0 disables the role).
struct TClientShiftKeys {
    int Scroll = 2;
    int Move = 4;
    int Duplicate = 6;
};

class TPaintClient : public TClient, public TEditView, public TEditNotices, public TBusyBracket, public TToolHost {
    Q_OBJECT
public:
    // `objects` (not owned) holds the back buffer and the outline masks; null makes a
    // set of the client's own.
    explicit TPaintClient(QWidget* parent = nullptr, TViewObjects* objects = nullptr);
    ~TPaintClient() override;

    // The document the client shows; set once after construction.
    // The document this client shows; it becomes the document's view, notice listener and
    // busy bracket (null detaches from the previous one).
    void SetContext(TEditContext* context);
    TEditContext* Context() const { return FContext; }
    TDib* Dib() const;

    // --- zoom and grids ---
    int Zoom() const { return FZoom; }
    // 1..80. With `anchorAtCursor` (a keyboard shortcut) the image pixel under the cursor
    // stays under it.
    void SetZoom(int z, bool anchorAtCursor = false);
    // To the next / previous entry of the zoom menu; false when there is none.
    bool ZoomIn(bool anchorAtCursor = false);
    bool ZoomOut(bool anchorAtCursor = false);
    int GridMode() const { return FGridMode; }  // 0 none, 1 black, 2 grey
    void SetGridMode(int mode);
    int UnitX() const { return FUnitX; }
    int UnitY() const { return FUnitY; }
    void SetUnit(int x, int y);
    bool ShowUnitGrid() const { return FShowUnitGrid; }
    void SetShowUnitGrid(bool show);
    // The animated selection outline ("ShowEdges").
    bool ShowEdges() const { return FShowEdges; }
    void SetShowEdges(bool show);
    // Transparent entries over a checkerboard ("ShowTransparency"); off shows their colours.
    bool ShowTransparency() const { return FShowTransparency; }
    void SetShowTransparency(bool show);

    // --- tools ---
    void SetToolFactory(TToolFactory* factory) { FFactory = factory; }
    // Frees the current tool and creates the item's (none for an item without a tool).
    void SelectTool(TToolItem item);
    void RestoreTool() { SelectTool(FLastToolItem); }
    TToolItem ToolItem() const { return FToolItem; }
    TToolItem LastToolItem() const { return FLastToolItem; }
    TMouseTool* Tool() const { return FTool.get(); }
    TMouseTool* TempTool() const { return FTempTool.get(); }
    // The surface shown: the temporary tool's, else the current tool's, else the image's.
    TDibCanvas* ToolCanvas() const;
    bool IsDragging() const;
    // The modifier keys may have changed (any window's key release runs this).
    void UpdateTempTool();
    // A broadcast reaching the tools: the temporary one, then the current one.
    void NotifyTools(TNotice notice);
    void SetShiftKeys(const TClientShiftKeys& keys) { FShiftKeys = keys; }
    // When on, a right drag draws with the current tool instead of picking a colour.
    void SetRightButtonDraws(bool on) { FRightButtonDraws = on; }
    bool RightButtonDraws() const { return FRightButtonDraws; }
    // The cursor panel is shown: moves report "x,y".

    // --- the selection outline ---
    // One tick of the outline's animation (the main window's 200 ms timer calls this).
    void AnimateOutline();
    void BuildOutline();
    const TSelectionOutline& Outline() const { return FOutline; }

    // --- painting ---
    void RepaintImageRect(const TRect& rect) override;
    void InvalidateImageRect(const TRect& rect) override;
    // Renders part of the viewport into the back buffer (what a paint request does before
    // the copy to the screen).
    void RenderBackBuffer(const QRect& rect);
    const QImage& BackBuffer() const;

    // --- TEditView, TEditNotices, TBusyBracket ---
    bool IsBusy() const override { return IsDragging(); }
    void InvalidateAll() override { TClient::InvalidateAll(false); }
    void UpdateNow() override;
    void RedrawOutline() override;
    void UpdateToolCursor() override;
    void AbortTool() override;
    TPoint CursorImagePoint() const override { return ClientToImage(CursorPos()); }
    TRect VisibleImageRect() const override;
    void BringToFront() override;
    // A new image: range, outline dropped, whole control invalidated.
    void ImageInstalled() override;
    void PaletteChanged() override;
    void BeginBusyCursor() override;
    void EndBusyCursor() override;

    // --- TToolHost ---
    void SetCursorId(int id) override;
    int CursorId() const override { return FCursorId; }
    void ScrollBy(int dx, int dy) override { Scroller().ScrollBy(dx, dy); }
    bool RightButtonDrag() const override { return FRightButton; }

    bool LeftButtonHeld() const override { return LeftDragging(); }
    void ReleasePointer() override { EndDrag(); }
    // Our own cursor picture of that name (resources/cursors) for the id.
    void RegisterCursor(int id, const std::string& resourceName) override;
    // Drawn over the picture on screen only, never into the back buffer.
    void ShowFrameRect(const TRect& rect) override;
    const TRect& FrameRect() const { return FFrameRect; }
    // The mirror axes shown over the picture; unset shows none.
    std::function<TMirrorAxes()> MirrorAxes;
    TOnionSkin& OnionSkin() { return FOnionSkin; }

    void Scrolled() override;

    // The pen image's cache is dropped (queued; repeated requests fold into one).

signals:
    // The cursor panel's text "x,y".
    void cursorTextChanged(const QString& text);
    // A tool was selected (the main window broadcasts it).
    void toolChanged();
    void zoomChanged(int zoom);
    void scrolled();
    // Views that follow the edit view (navigator, animation) should repaint.
    void painted();
    // The current tool's own pop-up menu is wanted at a screen point.
    void toolPopupRequested(QPoint global);
    void bringToFrontRequested();

protected:
    void LeftDown(TPoint p) override;
    void RightDown(TPoint p) override;
    void LeftUp(TPoint p) override;
    void RightUp(TPoint p) override;
    void MouseMove(TPoint p) override;
    void CancelDrag() override;
    bool ExamineRightDown(TPoint p, Qt::KeyboardModifiers modifiers) override;
    void LeftDoubleClick(TPoint p) override;
    void PaintViewport(QPainter& painter, const QRect& rect) override;
    void Invalidated(const QRect& rect) override;
    void ViewportResized() override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;

private:
    void FreeTempTool();
    void UpdateTempToolFor(int shift);
    TOutlineGeometry CurrentGeometry() const;
    void OutlineChanged();
    // Paints the outline's pixels over from the image and forgets it.
    void EraseOutline();
    void ButtonUp(TPoint p);
    int HeldShift() const;
    void PaintImage(const QRect& rect);
    bool OutlineMayAnimate() const;
    template <class F> void Guarded(F&& f);

    TEditContext* FContext = nullptr;
    TViewObjects* FObjects = nullptr;
    std::unique_ptr<TViewObjects> FOwnObjects;
    TToolFactory* FFactory = nullptr;
    std::unique_ptr<TMouseTool> FTool;
    std::unique_ptr<TMouseTool> FTempTool;
    TToolItem FToolItem = TToolItem::None;
    TToolItem FLastToolItem = TToolItem::None;
    TClientShiftKeys FShiftKeys;
    TSelectionOutline FOutline;
    QRegion FDirty;
    int FZoom = 1;
    int FGridMode = 0;
    bool FShowUnitGrid = true;
    int FUnitX = 32;
    int FUnitY = 32;
    bool FShowEdges = true;
    bool FShowTransparency = true;
    bool FRightButtonDraws = false;
    bool FRightButton = false;
    bool FOutlinePending = false;
    int FCursorId = kCursorArrow;
    TRect FFrameRect;
    TOnionSkin FOnionSkin;
    std::map<int, QCursor> FCursors;
    int FBusyDepth = 0;
    Qt::KeyboardModifiers FModifiers;
};

}  // namespace pixmo
