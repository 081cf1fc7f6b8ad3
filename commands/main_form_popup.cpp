// The edit pop-up menu with its states and effects, and the key menu's commands that go with
// it: showing the pop-up, the colour under the cursor, the screen colours.
#include <QCursor>
#include <QGuiApplication>
#include <QPixmap>
#include <QScreen>

#include "commands/edit_popup_menu.h"
#include "commands/main_form.h"
#include "commands/transform_dialogs.h"
#include "edit/edit_context.h"
#include "edit/selection.h"
#include "edit/undo.h"
#include "image/clipboard.h"
#include "image/dib.h"
#include "view/app_context.h"
#include "view/hourglass.h"
#include "view/paint_client.h"

namespace pixmo {

void TMainForm::BuildEditCommands() {
    InstallToolFactory();
    // A child of the client: the window drops the document's link to it before the client goes.
    App().Edit().AttachBusy(new THourglass(*FTimer, Client()));
    FEditMoveMenu = new TEditPopupMenu(this);
    TEditPopupMenu* m = FEditMoveMenu;
    auto on = [this, m](const char* name, std::function<void()> handler) {
        connect(m->Item(name), &QAction::triggered, this, [this, handler = std::move(handler)] { Guard(handler); });
    };
    on("PIEditSelectClear", [this] { MISelectCancelClick(); });
    on("PIEditCut", [this] { MIEditCutClick(); });
    on("PIEditStretch", [this] { PIEditStretchClick(); });
    on("PIEditRotate", [this] { PIEditRotateClick(); });
    on("PIEditCopy", [this] { MIEditCopyClick(); });
    on("PIEditPaste", [this] { MIEditPasteClick(); });
    on("PIEditDelete", [this] { MIEditClearClick(); });
    on("PIEditSelectAll", [this] { MISelectAllClick(); });
    on("PIEditSave", [this] { MIEditSaveClick(); });
    on("PIEditPasteFromFile", [this] { MIEditPasteFromFileClick(false); });
    on("PISetColor2", [this] { PISetColor2Click(); });
    on("PISelAddColor", [this] { PISelAddColorClick(); });
    on("PISelDelColor", [this] { PISelDelColorClick(); });
    on("PIEditLeftRight", [this] { PIEditInverseClick(true); });
    on("PIEditUpDown", [this] { PIEditInverseClick(false); });
    on("PIInvertColor", [this] { PIInvertColorClick(); });
    on("PIRedBlue", [this] { PIChangeColorClick(2); });
    on("PIGreenRed", [this] { PIChangeColorClick(0); });
    on("PIBlueGreen", [this] { PIChangeColorClick(1); });
    on("PIEditToMask", [this] { PIEditToMaskClick(); });
    on("PISetEditMenu", [this] { PISetEditMenuClick(); });
    connect(m, &QMenu::aboutToShow, this, [this] { EditMoveMenuPopup(); });
    if (auto layout = ReadMenuLayout(App().Ini())) {
        m->ApplyLayout(*layout);
        FMenuLayoutKept = true;
    }
    if (TPaintClient* client = Client())
        connect(client, &TPaintClient::toolPopupRequested, this, [this](QPoint global) { ShowEditMoveMenu(global); });
}

void TMainForm::EditMoveMenuPopup() {
    TEditContext& doc = App().Edit();
    TEditPopupState state;
    state.Image = doc.Dib() != nullptr;
    state.Busy = Client() && Client()->IsBusy();
    state.Selection = !doc.Selection().IsEmpty();
    state.ClipboardDib = App().Clipboard().HasFormat(CF_DIB);
    FEditMoveMenu->UpdateStates(state);
}

void TMainForm::ShowEditMoveMenu(const QPoint& global) {
    if (!FEditMoveMenu) return;
    if (TPaintClient* client = Client()) {
        const QPoint local = client->viewport()->mapFromGlobal(global);
        FEditMoveMenu->PopupPoint = client->ClientToImage(TPoint{local.x(), local.y()});
    }
    FEditMoveMenu->popup(global);
}

void TMainForm::MIPopupClick() { ShowEditMoveMenu(QCursor::pos()); }

std::optional<TPoint> TMainForm::CursorPixel() const {
    const TDib* image = App().Edit().Dib();
    if (!image || !Client()) return std::nullopt;
    const TPoint p = Client()->CursorImagePoint();
    if (!image->GetRect().Contains(p)) return std::nullopt;
    return p;
}

// --- the colour under the cursor ---

void TMainForm::MIAddCursorColorClick() {
    SelectionCommand(false, [this] {
        if (auto p = CursorPixel(); p && !App().Edit().Dib()->IsTrueColor())
            App().Edit().Selection().AddColour(App().Edit().Dib()->Pixel(p->X, p->Y));
    });
}

void TMainForm::MIDeleteCursorColorClick() {
    SelectionCommand(false, [this] {
        if (auto p = CursorPixel(); p && !App().Edit().Dib()->IsTrueColor())
            App().Edit().Selection().DeleteColour(App().Edit().Dib()->Pixel(p->X, p->Y));
    });
}

// The pop-up's colour commands take the pixel where the menu was opened.
void TMainForm::PISetColor2Click() {
    const TDib* image = App().Edit().Dib();
    const TPoint p = FEditMoveMenu->PopupPoint;
    if (!image || image->IsTrueColor() || !image->GetRect().Contains(p)) return;
    SetColor2Index(image->Pixel(p.X, p.Y));
}

void TMainForm::PISelAddColorClick() {
    SelectionCommand(false, [this] {
        const TDib* image = App().Edit().Dib();
        const TPoint p = FEditMoveMenu->PopupPoint;
        if (!image->IsTrueColor() && image->GetRect().Contains(p)) App().Edit().Selection().AddColour(image->Pixel(p.X, p.Y));
    });
}

void TMainForm::PISelDelColorClick() {
    SelectionCommand(true, [this] {
        const TDib* image = App().Edit().Dib();
        const TPoint p = FEditMoveMenu->PopupPoint;
        if (!image->IsTrueColor() && image->GetRect().Contains(p))
            App().Edit().Selection().DeleteColour(image->Pixel(p.X, p.Y));
    });
}

// Alt+1, Alt+2: the colour on the screen under the mouse becomes the palette entry of the
// primary or secondary colour.
void TMainForm::MIScreenColorClick(int which) {
    TEditContext& doc = App().Edit();
    TDib* image = doc.Dib();
    if (!image || image->IsTrueColor() || !App().Settings().PalChangeable) return;
    const QPoint pos = QCursor::pos();
    QScreen* screen = QGuiApplication::screenAt(pos);
    if (!screen) screen = QGuiApplication::primaryScreen();
    if (!screen) return;
    const QPoint local = pos - screen->geometry().topLeft();
    const QImage shot = screen->grabWindow(0, local.x(), local.y(), 1, 1).toImage();
    if (shot.isNull() || shot.width() < 1 || shot.height() < 1) return;
    const QRgb rgb = shot.pixel(0, 0);
    const TColorRef colour = RGB(qRed(rgb), qGreen(rgb), qBlue(rgb));
    const int index = which == 1 ? doc.Color1Index() : doc.Color2Index();
    if (index < 0 || index >= image->Colors() || image->GetColor(index) == colour) return;
    if (Client()) Client()->AbortTool();
    doc.Undo().AddPaletteColour(index, image->GetColor(index));
    doc.SetPaletteColor(index, colour);
}

// --- effects on the selected content ---

void TMainForm::PIEditInverseClick(bool horizontal) {
    SelectionCommand(false, [this, horizontal] {
        if (horizontal)
            App().Edit().Selection().FlipHorizontal();
        else
            App().Edit().Selection().FlipVertical();
    });
}

void TMainForm::PIInvertColorClick() {
    SelectionCommand(false, [this] { App().Edit().Selection().InvertColors(); });
}

void TMainForm::PIChangeColorClick(int kind) {
    SelectionCommand(false, [this, kind] { App().Edit().Selection().DifferenceColors(kind); });
}

void TMainForm::PIEditStretchClick() {
    if (!App().Edit().Dib()) return;
    TStretchDialog dialog(App(), nullptr, this);
    dialog.exec();
}

void TMainForm::PIEditRotateClick() {
    if (!App().Edit().Dib()) return;
    TRotateDialog dialog(App(), nullptr, this);
    dialog.exec();
}

void TMainForm::PIEditToMaskClick() {
    SelectionCommand(false, [this] { App().Edit().Selection().MakeMask(); });
}

}  // namespace pixmo
