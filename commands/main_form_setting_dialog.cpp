// The Settings menu's drawing-settings and image-size dialogs, and the pop-up's
// "Impostazioni...": what the settings dialog shows and how its OK takes effect.
#include "commands/edit_popup_menu.h"
#include "commands/main_form.h"
#include "commands/new_size_dialog.h"
#include "commands/setting_dialog.h"
#include "commands/transform_dialogs.h"
#include "edit/edit_context.h"
#include "uikit/help_window.h"
#include "view/app_context.h"
#include "view/checkerboard.h"
#include "view/paint_client.h"
#include "view/scroller.h"
#include "view/status_panel.h"

namespace pixmo {

TDrawingSettings TMainForm::DrawingSettings() {
    const TMainSettings& m = App().Settings();
    TDrawingSettings s;
    if (const TPaintClient* client = Client()) {
        s.DotLineWidth = client->UnitX();
        s.DotLineHeight = client->UnitY();
        s.DotLineVisible = client->ShowUnitGrid();
        s.MeasureType = client->GridMode();
        s.ShowScroller = client->Scroller().Visible();
        s.AutoScroll = client->AutoScroll();
    }
    s.IconMaskBottomLeft = m.PixmoIconMaskBottomLeftPixel;
    s.UndoBuffer = App().Edit().UndoLimit();
    s.ShowStatusBar = FStatusBar && !FStatusBar->isHidden();
    s.AskWhenDestroy = m.AskWhenDestroy;
    s.Backup = m.Backup;
    s.BackupDir = m.BackupDir;
    s.RMenuMode = m.RMenuMode;
    s.PngCompression = m.PngCompression;
    s.ShowTransparency = m.ShowTransparency;
    s.Language = m.Language;
    if (FEditMoveMenu)
        for (QAction* a : FEditMoveMenu->actions())
            s.PopupItems.push_back({a->objectName().toStdString(), a->isSeparator() ? QString("-") : a->text(), a->isVisible()});
    return s;
}

void TMainForm::ApplyDrawingSettings(const TDrawingSettings& s) {
    TMainSettings& m = App().Settings();
    if (TPaintClient* client = Client()) {
        client->SetUnit(s.DotLineWidth, s.DotLineHeight);
        client->SetShowUnitGrid(s.DotLineVisible);
        client->SetGridMode(s.MeasureType);
        client->Scroller().SetVisible(s.ShowScroller);
        client->SetAutoScroll(s.AutoScroll);
    }
    m.PixmoIconMaskBottomLeftPixel = s.IconMaskBottomLeft;
    App().Edit().SetUndoLimit(s.UndoBuffer);
    if (FStatusBar) FStatusBar->setVisible(s.ShowStatusBar);
    m.AskWhenDestroy = s.AskWhenDestroy;
    m.Backup = s.Backup;
    m.BackupDir = s.BackupDir;
    m.RMenuMode = s.RMenuMode;
    m.PngCompression = s.PngCompression;
    m.Language = s.Language;
    if (FEditMoveMenu) {
        FEditMoveMenu->ApplyLayout(s.ShownItems);
        FEditMoveMenu->SetRightButtonChooses(s.RMenuMode);
        FMenuLayoutKept = true;
    }
    ApplyShowTransparency(App(), s.ShowTransparency);
}

void TMainForm::MISetPixmoClick(int page) {
    TSettingDialog dialog(App().Ini(), DrawingSettings(), page < 0 ? FSettingPage : page,
                          [this](const TDrawingSettings& s) { ApplyDrawingSettings(s); },
                          [this](THelpContext context) { ShowHelpContext(context); }, this);
    dialog.exec();
    FSettingPage = dialog.PageControl->currentIndex();
}

void TMainForm::MISetSizeClick() {
    if (!App().Edit().Dib()) return;
    TNewSizeDialog dialog(App(), this);
    if (dialog.HasImage()) dialog.exec();
}

void TMainForm::RotateByItemClick(const std::string& item) {
    if (QAction* a = Item(item)) RotateByCaption(App(), a->text(), this);
}

}  // namespace pixmo
