#pragma once
// TKeyDialog: the shortcut of one menu item ("…のショートカット"). A key combination pressed in
// the dialog becomes the new shortcut; OK takes it away from every other item of the menu and
// gives it to the item. Below it, what both shortcut dialogs share: the menu items they list,
// the readable key names and the meaning of a key press.
#include <QLabel>
#include <QLineEdit>
#include <QList>
#include <QMenu>
#include <QPushButton>
#include <optional>
#include <vector>

#include "uikit/ini_dialog.h"

class QKeyEvent;

namespace pixmo {

inline constexpr int kVkF1 = 112;
// Shown when F1 is pressed in either dialog.
QString HelpKeyRefusedText();

// The caption as the menu shows it ("&Nuovo..." is "Nuovo...").
QString PlainCaption(const QString& caption);
// A readable name of a stored shortcut value; "" for 0 or a key without a name.
QString ShortcutText(int shortcut);
// The stored value of an item's shortcut (0 for none) and the setter.
int ItemShortcut(const QAction* item);
void SetItemShortcut(QAction* item, int shortcut);
// Every item of the menus at every depth that has a name, no sub-items and is no separator.
std::vector<QAction*> ShortcutItems(const QList<QMenu*>& menus);
// The value of a key press (0 for a key without a name), or nothing for a modifier alone.
std::optional<int> PressedShortcut(const QKeyEvent& event);
// Plain Tab and Shift+Tab keep moving the focus in the dialogs; every other key is taken.
bool IsFocusKey(const QKeyEvent& event);

class TKeyDialog : public TIniDialog {
    Q_OBJECT
public:
    // True for an item the dialog may edit: one with a name whose caption is not "-".
    static bool CanEdit(const QAction* item);

    // menus: the whole menu the item belongs to, hidden menus included.
    TKeyDialog(TIni& ini, QAction* item, QList<QMenu*> menus, QWidget* parent = nullptr);
    ~TKeyDialog() override;

    int ShortCut() const { return FShortCut; }
    // A key combination pressed: F1 is refused, anything else becomes the new shortcut.
    void KeyPressed(int shortcut);
    void ClearButtonClick();
    void OkButtonClick();

    QLineEdit* EDKey = nullptr;
    QLabel* LBMessage = nullptr;
    QPushButton* ClearButton = nullptr;
    QPushButton* OkButton = nullptr;
    QPushButton* CancelButton = nullptr;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QAction* FItem;
    QList<QMenu*> FMenus;
    int FShortCut = 0;
};

}  // namespace pixmo
