// The Edit menu's selection commands: cut, copy, paste, clear, clear inside, saving the
// selection to a file and pasting one from a file, with the recent selection files, and the
// menu's states. Undo and redo are in main_form_zoom.cpp.
#include "commands/edit_popup_menu.h"
#include "commands/main_form.h"
#include "edit/edit_context.h"
#include "edit/selection.h"
#include "image/clipboard.h"
#include "image/dib.h"
#include "image/file_format.h"
#include "uikit/dialog_hooks.h"
#include "view/app_context.h"
#include "view/paint_client.h"

namespace pixmo {

namespace {
std::optional<std::string> AskSelectionFileName(QWidget* parent, bool save) {
    TFileRequest request;
    request.Save = save;
    request.Name = "EditDialog";
    request.Filter = ShownFilter(SelectionFileFilter());
    request.DefaultExt = "bmp";
    auto name = AskFileName(parent, request);
    if (!name || name->isEmpty()) return std::nullopt;
    return name->toStdString();
}
}  // namespace

// Shortcuts reach a command whatever its menu showed, so each checks what it needs itself.
void TMainForm::SelectionCommand(bool needsSelection, const std::function<void()>& command) {
    TEditContext& doc = App().Edit();
    if (!doc.Dib() || (Client() && Client()->IsBusy())) return;
    if (needsSelection && doc.Selection().IsEmpty()) return;
    command();
}

void TMainForm::MIEditCutClick() {
    SelectionCommand(true, [this] { App().Edit().Selection().Cut(); });
}

void TMainForm::MIEditCopyClick() {
    SelectionCommand(true, [this] { App().Edit().Selection().CopyToClipboard(); });
}

void TMainForm::MIEditPasteClick() {
    SelectionCommand(false, [this] {
        if (App().Clipboard().HasFormat(CF_DIB)) App().Edit().Selection().PasteClipboard();
    });
}

void TMainForm::MIEditClearClick() {
    SelectionCommand(true, [this] { App().Edit().Selection().Delete(); });
}

void TMainForm::MIEditClearInsideClick() {
    SelectionCommand(true, [this] { App().Edit().Selection().ClearInside(); });
}

void TMainForm::MIEditSaveClick() {
    SelectionCommand(true, [this] {
        const auto name = AskSelectionFileName(this, true);
        if (!name) return;
        const TSelection& selection = App().Edit().Selection();
        if (const TDib* piece = selection.FloatImage()) {
            SaveImageFile(*piece, *name);
            return;
        }
        if (auto piece = selection.CopySelected()) SaveImageFile(*piece, *name);
    });
}

void TMainForm::PasteSelectionFile(const std::string& name) {
    const TDib* image = App().Edit().Dib();
    if (!image || name.empty()) return;
    auto piece = TDib::CreateFromFileOnPalette(name, *image);
    App().Edit().Selection().Paste(*piece, nullptr);
}

void TMainForm::MIEditPasteFromFileClick(bool fromMainMenu) {
    SelectionCommand(false, [this, fromMainMenu] {
        const auto name = AskSelectionFileName(this, false);
        if (!name) return;
        PasteSelectionFile(*name);
        if (fromMainMenu) {
            FEditHistory.Insert(0, *name);
            RebuildEditHistoryMenu();
        }
    });
}

void TMainForm::EditHistoryClick(const std::string& name) {
    SelectionCommand(false, [this, name] {
        PasteSelectionFile(name);
        FEditHistory.Insert(0, name);
        RebuildEditHistoryMenu();
    });
}

void TMainForm::RebuildEditHistoryMenu() {
    QMenu* edit = Menu("MIEdit");
    if (!edit) return;
    for (QAction* a : FEditHistoryItems) {
        edit->removeAction(a);
        a->deleteLater();
    }
    FEditHistoryItems.clear();
    QAction* before = Item("MSEditAdd");
    for (int i = 0; i < FEditHistory.Count(); ++i) {
        const std::string name = FEditHistory[i];
        auto* a = new QAction(QString::fromStdString(name).replace("&", "&&"), this);
        a->setData(QString::fromStdString(name));
        connect(a, &QAction::triggered, this, [this, name] { Guard([this, name] { EditHistoryClick(name); }); });
        edit->insertAction(before, a);
        FEditHistoryItems.push_back(a);
    }
}

void TMainForm::UpdateEditMenuStates() {
    TEditContext& doc = App().Edit();
    const bool ok = doc.Dib() && !(Client() && Client()->IsBusy());
    const bool sel = ok && !doc.Selection().IsEmpty();
    for (const char* name : {"MIEditCut", "MIEditCopy", "MIEditClear", "MIEditClearInside", "MIEditSave"})
        if (QAction* a = Item(name)) a->setEnabled(sel);
    if (QAction* a = Item("MIEditPaste")) a->setEnabled(ok && App().Clipboard().HasFormat(CF_DIB));
    if (QAction* a = Item("MIEditPasteFromFile")) a->setEnabled(ok);
    // The list read with the settings reaches the menu here.
    RebuildEditHistoryMenu();
    for (QAction* a : FEditHistoryItems) a->setEnabled(ok);
}

}  // namespace pixmo
