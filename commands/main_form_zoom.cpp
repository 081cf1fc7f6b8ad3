// The Zoom menu, the hidden key menu's commands and the two history commands of the Edit menu.
#include "commands/main_form.h"
#include "edit/edit_context.h"
#include "edit/undo.h"
#include "image/dib.h"
#include "view/app_context.h"
#include "view/paint_client.h"

namespace pixmo {

namespace {
constexpr int kPenGreen = 65280;
constexpr int kPenPurple = 8388736;
constexpr uint8_t kPenModeTurnOver = 15;
constexpr uint8_t kPenModeKeep = 4;
}  // namespace

void TMainForm::MIZoomItemClick(int zoom) {
    if (Client()) Client()->SetZoom(zoom, false);
}

// Keys Z and X: the pixel under the mouse stays under it.
void TMainForm::MIZoomInClick() {
    if (Client()) Client()->ZoomIn(true);
}

void TMainForm::MIZoomOutClick() {
    if (Client()) Client()->ZoomOut(true);
}

void TMainForm::MIEditUndoClick() {
    if (Client() && Client()->IsBusy()) return;
    TUndo& undo = App().Edit().Undo();
    if (undo.CanUndo()) undo.Undo();
}

void TMainForm::MIEditRedoClick() {
    if (Client() && Client()->IsBusy()) return;
    TUndo& undo = App().Edit().Undo();
    if (undo.CanRedo()) undo.Redo();
}

void TMainForm::MIColorClick(int which) {
    const TDib* image = App().Edit().Dib();
    if (!image || !Client() || Client()->IsBusy() || image->IsTrueColor()) return;
    const TPoint p = Client()->CursorImagePoint();
    if (!image->GetRect().Contains(p)) return;
    const int index = image->Pixel(p.X, p.Y);
    if (which == 1) SetColor1Index(index);
    else SetColor2Index(index);
}

void TMainForm::MIMeasureTypeClick() {
    if (!Client()) return;
    const int next = (Client()->GridMode() + 1) % 3;
    Client()->SetGridMode(next);
    App().Settings().MeasureType = next;
}

void TMainForm::MIRDrawClick() {
    TMainSettings& s = App().Settings();
    s.RDraw = !s.RDraw;
    if (Client()) Client()->SetRightButtonDraws(s.RDraw);
    ShowMessageText(s.RDraw ? tr("Righ Mous BtDraw") : tr("Righ Mous BtPick Col"));
    App().Broadcast(TNotice::RightDraws);
}

void TMainForm::MISelectPenColorClick() {
    TMainSettings& s = App().Settings();
    s.SelectPenColor = s.SelectPenColor == kPenGreen ? kPenPurple : kPenGreen;
    ShowMessageText(s.SelectPenColor == kPenPurple ? tr("Purp") : tr("Gren"));
    App().Broadcast(TNotice::SelectPen);
}

void TMainForm::MISelectPenModeClick() {
    TMainSettings& s = App().Settings();
    s.SelectPenMode = s.SelectPenMode == kPenModeTurnOver ? kPenModeKeep : kPenModeTurnOver;
    ShowMessageText(s.SelectPenMode == kPenModeKeep ? tr("Dont trn o") : tr("Turn ovr"));
    App().Broadcast(TNotice::SelectPen);
}

void TMainForm::MIUseEditSizeClick() {
    TMainSettings& s = App().Settings();
    s.DefRectOpt = static_cast<uint8_t>(s.DefRectOpt ^ kDefRectOptUseGrid);
    ShowMessageText((s.DefRectOpt & kDefRectOptUseGrid) ? tr("Griglia Attivato") : tr("Griglia Disattivato"));
    App().Broadcast(TNotice::ShapeOptions);
}

}  // namespace pixmo
