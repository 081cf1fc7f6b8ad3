#include "uikit/set_key_dialog.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QPainter>
#include <QStyledItemDelegate>
#include <QVBoxLayout>
#include <algorithm>

#include "uikit/key_dialog.h"

namespace pixmo {

namespace {
constexpr char kActivePageKey[] = "ActivePage";
constexpr int kRoleColumn = 180;
constexpr int kRowMargin = 4;
constexpr int kPlainRows = -2;

// A row's text at the left, then its key text: at a fixed column, or right-aligned when
// the column is -1; the mark at the right edge.
class TRowDelegate : public QStyledItemDelegate {
public:
    TRowDelegate(int column, QObject* parent) : QStyledItemDelegate(parent), FColumn(column) {}

    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override {
        QStyleOptionViewItem opt(option);
        initStyleOption(&opt, index);
        const QString text = opt.text;
        opt.text.clear();
        QStyle* style = opt.widget ? opt.widget->style() : QApplication::style();
        style->drawControl(QStyle::CE_ItemViewItem, &opt, painter, opt.widget);

        const QRect r = opt.rect.adjusted(kRowMargin, 0, -kRowMargin, 0);
        const QString key = index.data(TSetKeyDialog::kKeyTextRole).toString();
        const QString mark = index.data(TSetKeyDialog::kMarkRole).toString();
        const QFontMetrics& fm = opt.fontMetrics;
        painter->save();
        painter->setFont(opt.font);
        painter->setPen(opt.palette.color(opt.state & QStyle::State_Selected ? QPalette::HighlightedText
                                                                             : QPalette::Text));
        const int markWidth = mark.isEmpty() ? 0 : fm.horizontalAdvance(mark) + kRowMargin * 2;
        const int align = Qt::AlignVCenter | Qt::AlignLeft;
        if (FColumn >= 0) {
            painter->drawText(QRect(r.left(), r.top(), FColumn - kRowMargin, r.height()), align,
                              fm.elidedText(text, Qt::ElideRight, FColumn - kRowMargin));
            const int keyWidth = r.width() - FColumn - markWidth;
            painter->drawText(QRect(r.left() + FColumn, r.top(), keyWidth, r.height()), align,
                              fm.elidedText(key, Qt::ElideRight, keyWidth));
        } else {
            const int keyWidth = key.isEmpty() ? 0 : fm.horizontalAdvance(key) + kRowMargin * 3;
            painter->drawText(r.adjusted(0, 0, -markWidth, 0), Qt::AlignVCenter | Qt::AlignRight, key);
            const int textWidth = r.width() - keyWidth - markWidth;
            painter->drawText(QRect(r.left(), r.top(), textWidth, r.height()), align,
                              fm.elidedText(text, Qt::ElideRight, textWidth));
        }
        if (!mark.isEmpty()) painter->drawText(r, Qt::AlignVCenter | Qt::AlignRight, mark);
        painter->restore();
    }

private:
    int FColumn;
};

// column: that of TRowDelegate, or kPlainRows for a list without key texts.
QListWidget* NewList(const char* name, int column, QWidget* parent) {
    auto* list = new QListWidget(parent);
    list->setObjectName(name);
    if (column != kPlainRows) list->setItemDelegate(new TRowDelegate(column, list));
    list->setSelectionMode(QAbstractItemView::SingleSelection);
    return list;
}

QWidget* Page(QWidget* content) {
    auto* page = new QWidget;
    auto* layout = new QVBoxLayout(page);
    layout->addWidget(content);
    return page;
}

// The modifiers held while a key goes down, the key itself counted when it is one.
uint8_t HeldShift(const QKeyEvent& key) {
    Qt::KeyboardModifiers held = key.modifiers();
    if (key.key() == Qt::Key_Shift) held |= Qt::ShiftModifier;
    if (key.key() == Qt::Key_Control) held |= Qt::ControlModifier;
    if (key.key() == Qt::Key_Alt) held |= Qt::AltModifier;
    return static_cast<uint8_t>(((held & Qt::ShiftModifier) ? 1 : 0) | ((held & Qt::AltModifier) ? 2 : 0) |
                                ((held & Qt::ControlModifier) ? 4 : 0));
}

// On "Quadrato" the key itself is the role.
uint8_t KeyShift(int key) {
    if (key == Qt::Key_Shift) return 1;
    if (key == Qt::Key_Control) return 4;
    if (key == Qt::Key_Alt) return 2;
    return 0;
}
}  // namespace

void MarkConflicts(std::vector<TShift>& list) {
    for (TShift& e : list) e.Conflict = false;
    for (size_t i = 0; i < list.size(); ++i)
        for (size_t j = 0; j < list.size(); ++j)
            if (i != j && list[j].Value != 0 && list[j].Value == list[i].Value && list[j].Group == list[i].Group)
                list[j].Conflict = true;
}

QString ShiftText(uint8_t value) {
    QStringList parts;
    if (value & 1) parts << "Shift";
    if (value & 4) parts << "Ctrl";
    if (value & 2) parts << "Alt";
    return parts.join('+');
}

TSetKeyDialog::TSetKeyDialog(TIni& ini, QList<QMenu*> menus, TShiftStateSettings& roles, QWidget* parent)
    : TIniDialog(ini, "SetKeyDialog", parent), FMenus(std::move(menus)) {
    setWindowTitle(tr("Tasti a Scelta Rapida"));
    FShift = {{&roles.Move, roles.Move, 0},
              {&roles.Duplicate, roles.Duplicate, 0},
              {&roles.Add, roles.Add, 0},
              {&roles.Delete, roles.Delete, 0},
              {&roles.And, roles.And, 0}};
    FRShift = {{&roles.Scroll, roles.Scroll, 1}};
    FRect = {{&roles.Square, roles.Square, 0}, {&roles.Center, roles.Center, 0}, {&roles.Snap, roles.Snap, 0}};

    PageControl = new QTabWidget(this);
    PageControl->setObjectName("PageControl");

    auto* keysPage = new QWidget;
    LBParents = NewList("LBParents", kPlainRows, keysPage);
    LBParents->setMaximumWidth(160);
    for (const QMenu* m : FMenus) LBParents->addItem(PlainCaption(m->title()));
    LBShortCuts = NewList("LBShortCuts", -1, keysPage);
    LBShortCuts->setMinimumWidth(380);
    LBMessage = new QLabel(keysPage);
    LBMessage->setObjectName("LBMessage");
    auto* lists = new QHBoxLayout;
    lists->addWidget(LBParents, 1);
    lists->addWidget(LBShortCuts, 3);
    auto* keysLayout = new QVBoxLayout(keysPage);
    keysLayout->addLayout(lists, 1);
    keysLayout->addWidget(LBMessage);
    PageControl->addTab(keysPage, tr("Tavola dei Tasti Rapidi"));

    const auto roleList = [this](const char* name, std::initializer_list<const char*> texts) {
        QListWidget* list = NewList(name, kRoleColumn, nullptr);
        list->setMinimumWidth(kRoleColumn + 160);
        for (const char* text : texts) list->addItem(tr(text));
        return list;
    };
    LBShift = roleList("LBShift", {QT_TR_NOOP("Move Selection"), QT_TR_NOOP("Reprod.choice "),
                                   QT_TR_NOOP("Expand choice "), QT_TR_NOOP("Part of choic removd"),
                                   QT_TR_NOOP("Choice CommPrt")});
    LBRShift = roleList("LBRShift", {QT_TR_NOOP("Scrolling ")});
    LBRect = roleList("LBRect", {QT_TR_NOOP("Square Choic"), QT_TR_NOOP("ChoicFrmCntr"), QT_TR_NOOP("Fits to Units Grid")});
    PageControl->addTab(Page(LBShift), tr("Tavola delle Condizioni"));
    PageControl->addTab(Page(LBRShift), tr("Fuga"));
    PageControl->addTab(Page(LBRect), tr("Quadrato"));
    for (QListWidget* list : {LBShortCuts, LBShift, LBRShift, LBRect}) list->installEventFilter(this);
    for (QListWidget* list : {LBShift, LBRShift, LBRect}) {
        MarkConflicts(Entries(list));
        ShowRoles(list);
    }

    OkButton = new QPushButton(tr("OK"), this);
    OkButton->setAutoDefault(false);
    CancelButton = new QPushButton(tr("Annulla"), this);
    CancelButton->setAutoDefault(false);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(OkButton);
    buttons->addWidget(CancelButton);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(PageControl, 1);
    layout->addLayout(buttons);
    resize(600, 400);

    connect(LBParents, &QListWidget::currentRowChanged, this, [this](int row) { ParentsClick(row); });
    connect(OkButton, &QPushButton::clicked, this, [this] { OkButtonClick(); });
    connect(CancelButton, &QPushButton::clicked, this, &QDialog::reject);
    if (!FMenus.isEmpty()) LBParents->setCurrentRow(0);
    AfterConstruction();
}

TSetKeyDialog::~TSetKeyDialog() { BeforeDestruction(); }

void TSetKeyDialog::LoadSettings() {
    PageControl->setCurrentIndex(std::clamp(Ini().ReadInteger(kActivePageKey, 0), 0, PageControl->count() - 1));
}

void TSetKeyDialog::SaveSettings() { Ini().WriteInteger(kActivePageKey, PageControl->currentIndex()); }

void TSetKeyDialog::OkButtonClick() {
    for (auto* entries : {&FShift, &FRShift, &FRect})
        for (const TShift& e : *entries) *e.Role = e.Value;
    accept();
}

void TSetKeyDialog::ParentsClick(int row) {
    LBShortCuts->clear();
    FListed.clear();
    if (row < 0 || row >= FMenus.size()) return;
    FListed = ShortcutItems({FMenus[row]});
    for (QAction* a : FListed) {
        auto* item = new QListWidgetItem(PlainCaption(a->text()), LBShortCuts);
        item->setData(kKeyTextRole, ShortcutText(ItemShortcut(a)));
    }
}

void TSetKeyDialog::ShortCutsKey(int shortcut) {
    const int row = LBShortCuts->currentRow();
    if (row < 0 || row >= static_cast<int>(FListed.size())) return;
    if ((shortcut & 0xFF) == kVkF1) {
        LBMessage->setText(HelpKeyRefusedText());
        return;
    }
    SetItemShortcut(FListed[row], shortcut);
    LBShortCuts->item(row)->setData(kKeyTextRole, ShortcutText(shortcut));
    const std::vector<QAction*> all = ShortcutItems(FMenus);
    int same = 0;
    for (const QAction* a : FListed) {
        const int s = ItemShortcut(a);
        if (s != 0 && std::any_of(all.begin(), all.end(), [&](const QAction* b) { return b != a && ItemShortcut(b) == s; }))
            ++same;
    }
    LBMessage->setText(tr("The item which has the same shortcut : %1 individual").arg(same));
}

std::vector<TShift>& TSetKeyDialog::Entries(QListWidget* list) {
    if (list == LBRShift) return FRShift;
    if (list == LBRect) return FRect;
    return FShift;
}

void TSetKeyDialog::RoleKey(QListWidget* list, const QKeyEvent& key) {
    const int row = list->currentRow();
    std::vector<TShift>& entries = Entries(list);
    if (row < 0 || row >= static_cast<int>(entries.size())) return;
    TShift& entry = entries[static_cast<size_t>(row)];
    if (list == LBRect) {
        entry.Value = KeyShift(key.key());
        *entry.Role = entry.Value;
    } else {
        entry.Value = HeldShift(key);
    }
    MarkConflicts(entries);
    ShowRoles(list);
}

void TSetKeyDialog::ShowRoles(QListWidget* list) {
    const std::vector<TShift>& entries = Entries(list);
    for (int i = 0; i < list->count() && i < static_cast<int>(entries.size()); ++i) {
        const TShift& e = entries[static_cast<size_t>(i)];
        list->item(i)->setData(kKeyTextRole, ShiftText(e.Value));
        list->item(i)->setData(kMarkRole, e.Conflict ? QString("X") : QString());
    }
    list->viewport()->update();
}

// The lists take every key while a row is selected, also keys that are shortcuts elsewhere.
bool TSetKeyDialog::eventFilter(QObject* watched, QEvent* event) {
    auto* list = qobject_cast<QListWidget*>(watched);
    if (!list || (event->type() != QEvent::KeyPress && event->type() != QEvent::ShortcutOverride))
        return TIniDialog::eventFilter(watched, event);
    auto* key = static_cast<QKeyEvent*>(event);
    if (IsFocusKey(*key) || list->currentRow() < 0) return false;
    key->accept();
    if (event->type() != QEvent::KeyPress) return true;
    if (list == LBShortCuts) {
        if (const std::optional<int> shortcut = PressedShortcut(*key)) ShortCutsKey(*shortcut);
    } else {
        RoleKey(list, *key);
    }
    return true;
}

}  // namespace pixmo
