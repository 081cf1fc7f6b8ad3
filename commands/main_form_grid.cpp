// The grid unit's commands: its dialog and the recent units above MSGrid in the Settings menu.
#include <QAction>
#include <QMenu>
#include <cstdio>

#include "commands/edit_size_dialog.h"
#include "commands/main_form.h"
#include "tools/edit_size.h"
#include "view/app_context.h"

namespace pixmo {

void TMainForm::MISetEditSizeClick() {
    TEditSizeDialog dialog(App().Ini(), App().EditSize(), this);
    dialog.exec();
}

void TMainForm::GridHistoryClick(const std::string& entry) {
    const int index = FGridHistory.IndexOf(entry);
    if (index >= 0) FGridHistory.Delete(index);
    int x = 0;
    int y = 0;
    if (std::sscanf(entry.c_str(), "%d,%d", &x, &y) != 2) return;
    App().EditSize().SetUnit(TPoint{x, y});
}

void TMainForm::RebuildGridHistoryMenu() {
    QMenu* setting = Menu("MISetting");
    for (QAction* a : FGridHistoryItems) {
        setting->removeAction(a);
        a->deleteLater();
    }
    FGridHistoryItems.clear();
    QAction* before = Item("MSGrid");
    for (int i = 0; i < FGridHistory.Count(); ++i) {
        const std::string entry = FGridHistory[i];
        auto* a = new QAction(QString::fromStdString(entry), this);
        connect(a, &QAction::triggered, this, [this, entry] { Guard([this, entry] { GridHistoryClick(entry); }); });
        setting->insertAction(before, a);
        FGridHistoryItems.push_back(a);
    }
}

}  // namespace pixmo
