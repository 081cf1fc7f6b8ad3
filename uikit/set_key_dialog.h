#pragma once
// TSetKeyDialog ("Tasti a Scelta Rapida"): the shortcuts of every menu command and the
// modifier keys of the mouse tools' roles, on four pages. A key pressed on the shortcut list
// changes the selected item at once; the roles of "Quadrato" are written at once, the others
// on OK. The last active page is shown again next time.
#include <QLabel>
#include <QList>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QTabWidget>
#include <cstdint>
#include <vector>

#include "settings/main_keys.h"
#include "uikit/ini_dialog.h"

namespace pixmo {

// One role row: the process-wide byte it edits (1 Shift, 2 Alt, 4 Ctrl), the byte being
// edited, its conflict group and whether another row of its list holds the same value.
struct TShift {
    uint8_t* Role = nullptr;
    uint8_t Value = 0;
    uint8_t Group = 0;
    bool Conflict = false;
};

// Marks every entry whose non-zero value another entry of the same group also holds.
void MarkConflicts(std::vector<TShift>& list);
// "Shift", "Ctrl", "Alt" joined by "+" ("" for 0).
QString ShiftText(uint8_t value);

class TSetKeyDialog : public TIniDialog {
    Q_OBJECT
public:
    // What a row shows besides its text: the key or modifiers, and the conflict mark "X".
    static constexpr int kKeyTextRole = Qt::UserRole;
    static constexpr int kMarkRole = Qt::UserRole + 1;

    // menus: the main menu's menus in order, hidden ones included; roles: the live role bytes.
    TSetKeyDialog(TIni& ini, QList<QMenu*> menus, TShiftStateSettings& roles, QWidget* parent = nullptr);
    ~TSetKeyDialog() override;

    void OkButtonClick();

    QTabWidget* PageControl = nullptr;
    QListWidget* LBParents = nullptr;
    QListWidget* LBShortCuts = nullptr;
    QLabel* LBMessage = nullptr;
    QListWidget* LBShift = nullptr;
    QListWidget* LBRShift = nullptr;
    QListWidget* LBRect = nullptr;
    QPushButton* OkButton = nullptr;
    QPushButton* CancelButton = nullptr;

protected:
    void LoadSettings() override;
    void SaveSettings() override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void ParentsClick(int row);
    void ShortCutsKey(int shortcut);
    void RoleKey(QListWidget* list, const QKeyEvent& key);
    void ShowRoles(QListWidget* list);
    std::vector<TShift>& Entries(QListWidget* list);

    QList<QMenu*> FMenus;
    std::vector<QAction*> FListed;
    std::vector<TShift> FShift;
    std::vector<TShift> FRShift;
    std::vector<TShift> FRect;
};

}  // namespace pixmo
