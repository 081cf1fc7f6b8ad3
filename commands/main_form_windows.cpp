// The Window menu: each item toggles its tool window (tool_windows.h).
#include "commands/main_form.h"
#include "commands/tool_windows.h"
#include "view/paint_client.h"

namespace pixmo {

void TMainForm::OpenToolWindowsAtStart() { FToolWindows->ReopenAtStart(); }

void TMainForm::ShowClick(const std::string& item) {
    TDibForm* form = FToolWindows->Window(item, true);
    if (!form) return;
    if (form->isMinimized()) {
        form->showNormal();
    } else if (form->isVisible()) {
        form->hide();
        activateWindow();
        if (Client()) Client()->setFocus();
    } else {
        form->show();
    }
    if (QAction* a = Item(item)) a->setChecked(form->isVisible());
}

}  // namespace pixmo
