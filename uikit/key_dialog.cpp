#include "uikit/key_dialog.h"

#include <QCoreApplication>
#include <QEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>

#include "uikit/shortcut_keys.h"

namespace pixmo {

QString HelpKeyRefusedText() {
    return QCoreApplication::translate("pixmo::TKeyDialog", "F1 non può essere usato perchè è il tasto di Aiuto");
}

namespace {
void CollectItems(const QMenu* menu, std::vector<QAction*>& items) {
    for (QAction* a : menu->actions()) {
        if (a->menu()) CollectItems(a->menu(), items);
        else if (!a->isSeparator()) items.push_back(a);
    }
}

std::vector<QAction*> AllItems(const QList<QMenu*>& menus) {
    std::vector<QAction*> items;
    for (const QMenu* m : menus) CollectItems(m, items);
    return items;
}

bool IsModifierKey(int key) {
    return key == Qt::Key_Shift || key == Qt::Key_Control || key == Qt::Key_Alt || key == Qt::Key_Meta ||
           key == Qt::Key_AltGr || key == Qt::Key_unknown;
}
}  // namespace

QString PlainCaption(const QString& caption) {
    QString plain;
    for (qsizetype i = 0; i < caption.size(); ++i) {
        if (caption[i] == '&' && i + 1 < caption.size()) ++i;
        else if (caption[i] == '&') continue;
        plain += caption[i];
    }
    return plain;
}

QString ShortcutText(int shortcut) { return ShortcutToKeySequence(shortcut).toString(QKeySequence::NativeText); }

int ItemShortcut(const QAction* item) { return KeySequenceToShortcut(item->shortcut()); }

void SetItemShortcut(QAction* item, int shortcut) { item->setShortcut(ShortcutToKeySequence(shortcut)); }

std::vector<QAction*> ShortcutItems(const QList<QMenu*>& menus) {
    std::vector<QAction*> items;
    for (QAction* a : AllItems(menus))
        if (!a->objectName().isEmpty()) items.push_back(a);
    return items;
}

std::optional<int> PressedShortcut(const QKeyEvent& event) {
    if (IsModifierKey(event.key())) return std::nullopt;
    const Qt::KeyboardModifiers held =
        event.modifiers() & (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier | Qt::KeypadModifier);
    return KeySequenceToShortcut(QKeySequence(QKeyCombination(held, static_cast<Qt::Key>(event.key()))));
}

bool IsFocusKey(const QKeyEvent& event) {
    return (event.key() == Qt::Key_Tab || event.key() == Qt::Key_Backtab) &&
           !(event.modifiers() & (Qt::ControlModifier | Qt::AltModifier));
}

// --- TKeyDialog ---

bool TKeyDialog::CanEdit(const QAction* item) {
    return item && !item->objectName().isEmpty() && !item->isSeparator() && !item->menu() && item->text() != "-";
}

TKeyDialog::TKeyDialog(TIni& ini, QAction* item, QList<QMenu*> menus, QWidget* parent)
    : TIniDialog(ini, "KeyDialog", parent), FItem(item), FMenus(std::move(menus)), FShortCut(ItemShortcut(item)) {
    setWindowTitle(tr("%1のショートカット").arg(PlainCaption(item->text())));
    EDKey = new QLineEdit(ShortcutText(FShortCut), this);
    EDKey->setReadOnly(true);
    EDKey->setMinimumWidth(200);
    EDKey->installEventFilter(this);
    ClearButton = new QPushButton(tr("Pulisci"), this);
    ClearButton->setAutoDefault(false);
    LBMessage = new QLabel(this);
    LBMessage->setWordWrap(true);
    LBMessage->setMinimumHeight(LBMessage->fontMetrics().height() * 2);
    OkButton = new QPushButton(tr("OK"), this);
    CancelButton = new QPushButton(tr("Annulla"), this);

    auto* layout = new QGridLayout(this);
    layout->addWidget(EDKey, 0, 0);
    layout->addWidget(ClearButton, 0, 1);
    layout->addWidget(LBMessage, 1, 0, 1, 2);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(OkButton);
    buttons->addWidget(CancelButton);
    layout->addLayout(buttons, 2, 0, 1, 2);

    connect(ClearButton, &QPushButton::clicked, this, [this] { ClearButtonClick(); });
    connect(OkButton, &QPushButton::clicked, this, [this] { OkButtonClick(); });
    connect(CancelButton, &QPushButton::clicked, this, &QDialog::reject);
    EDKey->setFocus();
    AfterConstruction();
}

TKeyDialog::~TKeyDialog() { BeforeDestruction(); }

void TKeyDialog::KeyPressed(int shortcut) {
    if ((shortcut & 0xFF) == kVkF1) {
        LBMessage->setText(HelpKeyRefusedText());
        return;
    }
    FShortCut = shortcut;
    EDKey->setText(ShortcutText(shortcut));
    QString holder;
    if (shortcut != 0)
        for (QAction* a : ShortcutItems(FMenus))
            if (a != FItem && ItemShortcut(a) == shortcut) {
                holder = PlainCaption(a->text());
                break;
            }
    LBMessage->setText(holder);
}

void TKeyDialog::ClearButtonClick() {
    FShortCut = 0;
    EDKey->clear();
    LBMessage->clear();
}

void TKeyDialog::OkButtonClick() {
    if (FShortCut != 0)
        for (QAction* a : AllItems(FMenus))
            if (ItemShortcut(a) == FShortCut) SetItemShortcut(a, 0);
    SetItemShortcut(FItem, FShortCut);
    accept();
}

// The edit takes every key combination, also those that are shortcuts elsewhere.
bool TKeyDialog::eventFilter(QObject* watched, QEvent* event) {
    if (watched != EDKey || (event->type() != QEvent::KeyPress && event->type() != QEvent::ShortcutOverride))
        return TIniDialog::eventFilter(watched, event);
    auto* key = static_cast<QKeyEvent*>(event);
    if (IsFocusKey(*key)) return false;
    key->accept();
    if (event->type() == QEvent::KeyPress)
        if (const std::optional<int> shortcut = PressedShortcut(*key)) KeyPressed(*shortcut);
    return true;
}

}  // namespace pixmo
