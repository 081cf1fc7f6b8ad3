// The Window menu: each item toggles its tool window, made when its row of the table says;
// the windows live until the end.
#include <algorithm>
#include <vector>

#include "commands/main_form.h"
#include "commands/tool_windows.h"
#include "uikit/help_window.h"
#include "uikit/placement.h"
#include "view/app_context.h"
#include "view/paint_client.h"

namespace pixmo {

TDibForm* TMainForm::ToolWindow(const std::string& item, bool create) {
    const TToolWindowEntry* entry = ToolWindowEntry(item);
    if (!entry) return nullptr;
    TDibForm*& form = FToolWindows[entry->MenuItem];
    if (!form && create) {
        form = entry->Make(App(), this);
        SetHelpContext(form, entry->Help);
    }
    return form;
}

void TMainForm::OpenToolWindowsAtStart() {
    std::vector<const TToolWindowEntry*> order;
    for (const TToolWindowEntry& w : ToolWindowEntries()) order.push_back(&w);
    std::sort(order.begin(), order.end(), [](auto* a, auto* b) { return a->ReopenRank < b->ReopenRank; });
    for (const TToolWindowEntry* w : order) {
        if (!PlacementSaysOpen(App().Ini(), w->Section)) continue;
        if (TDibForm* form = ToolWindow(w->MenuItem, true)) form->show();
    }
    for (const TToolWindowEntry& w : ToolWindowEntries())
        if (w.Birth == TWindowBirth::AfterReopen) ToolWindow(w.MenuItem, true);
}

void TMainForm::ShowClick(const std::string& item) {
    TDibForm* form = ToolWindow(item, true);
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
