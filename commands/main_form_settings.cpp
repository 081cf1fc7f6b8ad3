// What the main window reads when it is built and writes when it goes: the menu shortcuts,
// its keys in the order of the settings table, the first document, the edit client's keys,
// the current tool last; written back in the same order with the shortcuts last.
#include <QTimer>

#include "commands/edit_popup_menu.h"
#include "commands/main_form.h"
#include "edit/edit_context.h"
#include "edit/undo.h"
#include "image/dib.h"
#include "image/errors.h"
#include "uikit/core_text.h"
#include "uikit/dialog_hooks.h"
#include "settings/main_keys.h"
#include "tools/edit_size.h"
#include "tools/tool_items.h"
#include "tools/tool_options.h"
#include "view/app_context.h"
#include "view/form_timer.h"
#include "view/paint_client.h"
#include "view/status_panel.h"

namespace pixmo {

void TMainForm::LoadSettings() {
    TIni& ini = App().Ini();
    LoadShortcuts();
    TMainSettings& s = App().Settings();
    s = ReadMainSettings(ini);
    App().EditSize().Load(s.GridSize);
    const TShiftStateSettings shift = ReadShiftState(ini);
    ReadHistory(ini, kFileHistorySection, FFileHistory);
    ReadHistory(ini, kGridHistorySection, FGridHistory);
    ReadHistory(ini, kEditHistorySection, FEditHistory);
    RebuildFileHistoryMenu();

    TEditContext& doc = App().Edit();
    doc.SetUndoLimit(s.UndoBuffer);
    doc.RestoreColorIndices(s.NColor1, s.NColor2);
    FTimer->SetInterval(s.Timer);
    TPaintClient* client = Client();
    client->SetShiftKeys(TClientShiftKeys{shift.Scroll, shift.Move, shift.Duplicate});
    client->SetRightButtonDraws(s.RDraw);
    client->SetShowUnitGrid(s.DotLineVisible);
    client->SetUnit(s.DotLineWidth, s.DotLineHeight);
    client->SetGridMode(s.MeasureType);
    client->SetShowTransparency(s.ShowTransparency);
    client->SetZoom(s.ZoomSize);
    if (FEditMoveMenu) FEditMoveMenu->SetRightButtonChooses(s.RMenuMode);

    OpenStartDocument();

    {
        TSectionScope scope(ini, kMainFormSection);
        client->LoadSettings(ini);
        if (FStatusBar) FStatusBar->setVisible(ini.ReadBool("StatusBarVisible", true));
        s.Mouse = ini.ReadString("Mouse", s.Mouse);
    }
    client->SelectTool(ToolItemByName(s.Mouse).value_or(TToolItem::DrawDot));
}

// The command line's file, else -C's clipboard, else the file open last time. A failure
// here leaves the program without image; only a file the user named now is worth a message,
// shown once the window is up.
void TMainForm::OpenStartDocument() {
    const TParams& params = App().Params();
    try {
        if (!params.FileName.empty()) OpenFile(params.FileName);
        else if (params.HasSwitch('C')) MIFileCreateFromClipboardClick();
        else if (!App().Settings().FileName.empty()) OpenFile(App().Settings().FileName);
    } catch (const EAbort&) {
    } catch (const std::exception& e) {
        if (params.FileName.empty()) return;
        const QString text = ErrorText(e);
        QTimer::singleShot(0, this, [this, text] { ShowErrorBox(this, text); });
    }
}

void TMainForm::SaveSettings() {
    TIni& ini = App().Ini();
    TIniUpdate update(ini);
    TMainSettings& s = App().Settings();
    TEditContext& doc = App().Edit();
    TPaintClient* client = Client();
    if (doc.Dib()) {
        s.NColor1 = doc.Color1Index();
        s.NColor2 = doc.Color2Index();
    }
    s.UndoBuffer = static_cast<int>(std::min<int64_t>(doc.UndoLimit(), INT32_MAX));
    s.Timer = FTimer->Interval();
    s.DotLineVisible = client->ShowUnitGrid();
    s.DotLineWidth = client->UnitX();
    s.DotLineHeight = client->UnitY();
    s.MeasureType = client->GridMode();
    s.ZoomSize = client->Zoom();
    s.FileName = doc.FileName();
    s.GridSize = App().EditSize().Unit;
    if (const std::string tool = ToolItemName(client->ToolItem()); !tool.empty()) s.Mouse = tool;
    WriteMainSettings(ini, s);
    {
        TSectionScope scope(ini, kMainFormSection);
        client->SaveSettings(ini);
        if (FStatusBar) ini.WriteBool("StatusBarVisible", !FStatusBar->isHidden());
    }
    WriteHistory(ini, kFileHistorySection, FFileHistory);
    WriteHistory(ini, kGridHistorySection, FGridHistory);
    WriteHistory(ini, kEditHistorySection, FEditHistory);
    // Only a layout that was stored or chosen goes back: nothing is added to a fresh file.
    if (FMenuLayoutKept && FEditMoveMenu) WriteMenuLayout(ini, FEditMoveMenu->Layout());
    SaveShortcuts();
}

// The tools' kit gets the modifier roles and the grid unit the settings keep.
void TMainForm::InstallToolFactory() {
    TPaintClient* client = Client();
    if (!client) return;
    App().ToolOptions().Shift = ReadShiftState(App().Ini());
    TEditSize& unit = App().EditSize();
    unit.Load(App().Settings().GridSize);
    unit.History = &FGridHistory;
    unit.OnChanged = [this] { App().Broadcast(TNotice::ShapeOptions); };
    client->SetToolFactory(&App().ToolFactory());
}

}  // namespace pixmo
