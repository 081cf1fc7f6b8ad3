#pragma once
// TAnimationForm ("Animazione"): plays frames cut from the current image in its view,
// TAnimationClient. The animation tool picks the frames; the timer steps through them; tile
// mode repeats the frame over the whole view; the pop-up sets the interval and the zoom and
// writes the frames as an AVI file.
#include <QImage>
#include <QLabel>
#include <QMenu>
#include <QTimer>
#include <QToolButton>
#include <array>
#include <vector>

#include "image/sheet_frames.h"
#include "settings/rect_list.h"
#include "tools/animation_mouse.h"
#include "view/client.h"
#include "view/dib_form.h"

namespace pixmo {

class TAnimationForm;

inline constexpr int kMinAnimationZoom = 1;
inline constexpr int kMaxAnimationZoom = 40;
inline constexpr int kMinAnimationInterval = 1;
inline constexpr int kMaxAnimationInterval = 5000;
inline constexpr int kDefaultAnimationInterval = 500;

class TAnimationClient : public TClient {
    Q_OBJECT
public:
    TAnimationClient(TAnimationForm& form, QWidget* parent);
    // The tile-mode bitmap is made again when next needed.
    void FreeTileBitmap() { FTile = QImage(); }
    bool HasTileBitmap() const { return !FTile.isNull(); }

protected:
    void LeftDown(TPoint) override;
    void RightDown(TPoint) override;
    void LeftDoubleClick(TPoint) override;
    void PaintViewport(QPainter& painter, const QRect& rect) override;
    // The right button plays and stops here; the pop-up belongs to the rest of the window.
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    void PaintCentred(QPainter& painter, const QRect& rect, const TRect& frame, QRgb background);
    void PaintTiled(QPainter& painter, const QRect& rect, const TRect& frame);
    TAnimationForm& FForm;
    QImage FTile;
};

class TAnimationForm : public TDibForm, public TAnimationHost {
    Q_OBJECT
public:
    explicit TAnimationForm(TAppContext& app, QWidget* parent = nullptr);
    ~TAnimationForm() override;

    QToolButton* SBStart = nullptr;
    QToolButton* SBSelect = nullptr;
    QToolButton* SBStop = nullptr;
    QToolButton* SBTile = nullptr;
    QLabel* LBFrame = nullptr;
    QTimer* Timer = nullptr;
    TAnimationClient* Client = nullptr;
    QMenu* PopupMenu = nullptr;
    QAction* MIDelay = nullptr;
    std::array<QAction*, 4> MIZoomItems{};
    QAction* MISaveAvi = nullptr;
    // Frame list editing, delays and onion skin (animation_form_frames.cpp).
    QAction* MIFrameDelay = nullptr;
    QAction* MIAllDelays = nullptr;
    QAction* MIRemoveFrame = nullptr;
    QAction* MIMoveEarlier = nullptr;
    QAction* MIMoveLater = nullptr;
    QAction* MIOnionSkin = nullptr;
    QAction* MIOnionNext = nullptr;

    const TRectList& Frames() const { return FFrames; }
    // Each frame's delay in ms, in the frames' order; new frames take Interval().
    const std::vector<int>& Delays() const { return FDelays; }
    TSheetFrames SheetFrames() const;
    // "Ritardo": the delay new frames take.
    int Interval() const { return FInterval; }
    // 0 for none, else 1..count.
    int Current() const { return FCurrent; }
    int Zoom() const { return FZoom; }
    // Outside 1..40 fails with "Valore d'Ingrandimento non valido: %d"; a change is announced.
    void SetZoom(int zoom);
    bool Tile() const { return SBTile->isChecked(); }
    bool ToolActive() const { return FTool != nullptr; }
    bool Playing() const { return Timer->isActive(); }
    // The current frame, or the last picked one while the tool is active; empty for none.
    TRect FrameToDraw() const;
    // The secondary colour of the image, the window's colour without one.
    QRgb Background() const;

    void SBStartClick();
    void SBStopClick();
    void SBSelectClick();
    void SBTileClick();
    void TimerTimer();
    // Clicks in the view.
    void ViewLeftClick();
    void ViewRightClick();
    void MIDelayClick();
    void MISaveAviClick();
    void MIFrameDelayClick();
    void MIAllDelaysClick();
    void MIRemoveFrameClick();
    // Swaps the current frame with its neighbour before (-1) or after (+1).
    void MoveFrame(int step);
    void MIOnionSkinClick();
    // The pop-up's states as it opens.
    void PopupMenuPopup();

    void HandleMessage(TNotice notice) override;

    // --- TAnimationHost ---
    void ToolStarted(TAnimationMouse& tool) override;
    void FramePicked() override;
    void ToolEnded(const TRectList& frames) override;
    void ShowNotice(const TMessage& message) override;

protected:
    void LoadSettings() override;
    void SaveSettings() override;
    void hideEvent(QHideEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    void BuildFramesMenu();
    // The frames go into the image (so its PNG keeps them) and the views show them.
    void FramesChanged();
    // The frames the image brought, or none.
    void TakeImageFrames();
    // The timer waits the current frame's delay while playing (SBStart down), "Ritardo" otherwise.
    void ScheduleTimer();
    // Ends the animation tool in the edit client; its frames come back through ToolEnded.
    void EndTool();
    void Stop();
    void UpdateLabel();
    void Redraw();

    TRectList FFrames;
    std::vector<int> FDelays;
    int FInterval = kDefaultAnimationInterval;
    int FCurrent = 0;
    int FZoom = 1;
    TAnimationMouse* FTool = nullptr;
    bool FNoticeQueued = false;
};

}  // namespace pixmo
