// The shortcut keys of the menu commands and the modifier roles of the mouse tools: the two
// key dialogs, a menu command chosen with Ctrl held, and keeping the menu's items, the edit
// client, the tools' options and the settings file in step after a change.
#include <QGuiApplication>
#include <QKeyEvent>
#include <QTimer>

#include "commands/main_form.h"
#include "settings/main_keys.h"
#include "tools/tool_options.h"
#include "uikit/key_dialog.h"
#include "uikit/set_key_dialog.h"
#include "uikit/shortcut_keys.h"
#include "view/app_context.h"
#include "view/paint_client.h"

namespace pixmo {

namespace {
// The main menu's menus in the order of the menu, the hidden ones first.
constexpr const char* kMenuOrder[] = {"MIKey",  "MIMouse", "MIFile",    "MIEdit", "MISelect",
                                      "MIShow", "MIZoom",  "MISetting", "MIHelp"};
}  // namespace

QList<QMenu*> TMainForm::MainMenus() const {
    QList<QMenu*> menus;
    for (const char* name : kMenuOrder)
        if (QMenu* m = Menu(name)) menus << m;
    return menus;
}

// A menu closes just before the chosen item runs: remember that item, only for that turn, so
// that a shortcut or a tool button that triggers it later is not taken for a menu choice.
void TMainForm::WatchMenuChoices() {
    for (const auto& [name, menu] : FMenus) {
        connect(menu, &QMenu::aboutToHide, this, [this, menu = menu] {
            QAction* active = menu->activeAction();
            if (!active || active->menu()) return;
            FMenuChoice = active;
            QTimer::singleShot(0, this, [this] { FMenuChoice = nullptr; });
        });
    }
}

bool TMainForm::ChosenWithCtrl(const QAction* action) {
    const bool fromMenu = action && action == FMenuChoice;
    FMenuChoice = nullptr;
    return fromMenu && (QGuiApplication::keyboardModifiers() & Qt::ControlModifier);
}

// Qt's shortcut map takes a key with every modifier held unless the platform's key map offers
// more: without one, "+" typed with Shift on a US keyboard finds no "+". The press is then
// read as the key dialog reads it, and the item whose key that is runs.
void TMainForm::keyPressEvent(QKeyEvent* event) {
    const std::optional<int> pressed = PressedShortcut(*event);
    if (pressed && *pressed != 0)
        for (QAction* a : ShortcutItems(MainMenus()))
            if (ItemShortcut(a) == *pressed && a->isEnabled() && a->isVisible() &&
                (a->autoRepeat() || !event->isAutoRepeat())) {
                a->trigger();
                return;
            }
    TCustomMainForm::keyPressEvent(event);
}

void TMainForm::EditShortcut(const std::string& itemName) {
    QAction* item = Item(itemName);
    if (!TKeyDialog::CanEdit(item)) return;
    TKeyDialog dialog(App().Ini(), item, MainMenus(), this);
    if (dialog.exec() == QDialog::Accepted) ShortcutsChanged();
}

void TMainForm::MISetKeyClick() {
    TShiftStateSettings& roles = App().ToolOptions().Shift;
    {
        TSetKeyDialog dialog(App().Ini(), MainMenus(), roles, this);
        dialog.exec();
    }
    // The shortcut page and "Quadrato" change at once, whatever button closed the dialog.
    ShortcutsChanged();
    if (Client()) Client()->SetShiftKeys(TClientShiftKeys{roles.Scroll, roles.Move, roles.Duplicate});
    WriteShiftState(App().Ini(), roles);
}

// The dialogs change the items' key sequences; the stored values follow, and only where the
// sequence differs, so that a value the sequence cannot tell apart (a keypad digit) is kept.
void TMainForm::ShortcutsChanged() {
    for (auto& [name, value] : FShortcuts) {
        const QAction* a = Item(name);
        if (a && !a->isSeparator() && a->shortcut() != ShortcutToKeySequence(value))
            value = KeySequenceToShortcut(a->shortcut());
    }
    SaveShortcuts();
}

}  // namespace pixmo
