#include "commands/setting_dialog.h"

#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QRadioButton>
#include <QVBoxLayout>

#include "settings/main_keys.h"
#include "uikit/radio_group.h"

namespace pixmo {

namespace {

// The undo budget is edited in MB; beyond 2000 it would no longer fit the stored integer.
constexpr int kUndoBufferMaxMB = 2000;

QCheckBox* CheckBox(QWidget* parent, const char* name, const QString& caption, bool checked) {
    auto* box = new QCheckBox(caption, parent);
    box->setObjectName(name);
    box->setChecked(checked);
    return box;
}

QListWidget* ItemList(QWidget* parent, const char* name) {
    auto* list = new QListWidget(parent);
    list->setObjectName(name);
    // Entries move between and within the two lists by dragging.
    list->setDragDropMode(QAbstractItemView::DragDrop);
    list->setDefaultDropAction(Qt::MoveAction);
    list->setSelectionMode(QAbstractItemView::SingleSelection);
    return list;
}

}  // namespace

TSettingDialog::TSettingDialog(TIni& ini, const TDrawingSettings& state, int page, TApply apply, THelp help,
                               QWidget* parent)
    : TIniDialog(ini, "SettingDialog", parent), FState(state), FApply(std::move(apply)), FHelp(std::move(help)) {
    setWindowTitle(tr("Configurazione di Pixmo"));
    PageControl = new QTabWidget(this);
    PageControl->setObjectName("PageControl");
    TSMain = BuildMainPage(state);
    TSContextMenu = BuildMenuPage(state);
    PageControl->addTab(TSMain, tr("Finestra Principale"));
    PageControl->addTab(TSContextMenu, tr("Menu"));
    if (page >= 0 && page < PageControl->count()) PageControl->setCurrentIndex(page);

    HelpBtn = new QPushButton(tr("Aiuto"), this);
    OkButton = new QPushButton(tr("OK"), this);
    OkButton->setDefault(true);
    CancelButton = new QPushButton(tr("Annulla"), this);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(HelpBtn);
    buttons->addStretch();
    buttons->addWidget(OkButton);
    buttons->addWidget(CancelButton);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(PageControl);
    layout->addLayout(buttons);
    connect(HelpBtn, &QPushButton::clicked, this, [this] {
        if (FHelp) FHelp(HelpContext());
    });
    connect(OkButton, &QPushButton::clicked, this, [this] { Confirm(); });
    connect(CancelButton, &QPushButton::clicked, this, &QDialog::reject);
    AfterConstruction();
}

TSettingDialog::~TSettingDialog() { BeforeDestruction(); }

QWidget* TSettingDialog::BuildMainPage(const TDrawingSettings& s) {
    auto* page = new QWidget(this);
    page->setObjectName("TSMain");

    auto* grid = new QGroupBox(tr("Griglia (Solo nell'Ingrandimento) "), page);
    DotLineWidth = new TNumberEdit("DotLineWidth", tr("Larghezza"), 1, kDotLineLimit, s.DotLineWidth, grid);
    DotLineHeight = new TNumberEdit("DotLineHeight", tr("Altezza"), 1, kDotLineLimit, s.DotLineHeight, grid);
    DotLineVisible = CheckBox(grid, "DotLineVisible", tr("Mostra Linea Tratteggiata"), s.DotLineVisible);
    auto* gridRows = new QFormLayout(grid);
    gridRows->addRow(tr("Larghezza"), DotLineWidth);
    gridRows->addRow(tr("Altezza"), DotLineHeight);
    gridRows->addRow(DotLineVisible);

    auto* measure = new QGroupBox(tr("Colore Griglia "), page);
    RGMeasureType = RadioGroup(measure, "RGMeasureType", {tr("Nessuno"), tr("Nero"), tr("Grigio")}, s.MeasureType);
    auto* icon = new QGroupBox(tr("Sfondo delle Icone "), page);
    IconMaskColor = RadioGroup(icon, "IconMaskColor", {tr("Visibile"), tr("Trasparente")}, s.IconMaskBottomLeft ? 1 : 0);

    const int mb = static_cast<int>(std::clamp<int64_t>(s.UndoBuffer / 1000000, 1, kUndoBufferMaxMB));
    NEUndoBuffer = new TNumberEdit("NEUndoBuffer", tr("Buffer Annulla"), 1, kUndoBufferMaxMB, mb, page);
    auto* undo = new QHBoxLayout;
    undo->addWidget(new QLabel(tr("Buffer Annulla"), page));
    undo->addWidget(NEUndoBuffer);
    undo->addWidget(new QLabel(tr("MB"), page));
    undo->addStretch();

    CBShowStatusBar = CheckBox(page, "CBShowStatusBar", tr("Mostra Barra di Stato"), s.ShowStatusBar);
    CBShowScroller = CheckBox(page, "CBShowScroller", tr("Mostra Barra di Scorrimento"), s.ShowScroller);
    CBAutoScroll = CheckBox(page, "CBAutoScroll", tr("Scorrimento Automatico"), s.AutoScroll);
    CBAskWhenDestroy = CheckBox(page, "CBAskWhenDestroy", tr("Conferma Eliminazione"), s.AskWhenDestroy);
    CBBackup = CheckBox(page, "CBBackup", tr("Crea file di Backup"), s.Backup);
    EDBackupDir = new QLineEdit(QString::fromStdString(s.BackupDir), page);
    EDBackupDir->setObjectName("EDBackupDir");

    auto* left = new QVBoxLayout;
    left->addWidget(grid);
    left->addWidget(measure);
    left->addWidget(icon);
    auto* png = new QGroupBox(tr("Compressione PNG"), page);
    RGPngCompression = RadioGroup(png, "RGPngCompression", {tr("Veloce"), tr("Normale"), tr("Massima")}, s.PngCompression);
    left->addWidget(png);
    auto* right = new QVBoxLayout;
    right->addLayout(undo);
    for (QCheckBox* box : {CBShowStatusBar, CBShowScroller, CBAutoScroll, CBAskWhenDestroy, CBBackup})
        right->addWidget(box);
    right->addWidget(new QLabel(tr("Salva Backup nella Cartella:"), page));
    right->addWidget(EDBackupDir);
    CBShowTransparency = CheckBox(page, "CBShowTransparency", tr("Mostra Trasparenza"), s.ShowTransparency);
    right->addWidget(CBShowTransparency);
    // The menus and windows are built in one language: a new one is taken at the next start.
    auto* language = new QGroupBox(tr("Lingua"), page);
    RGLanguage = RadioGroup(language, "RGLanguage", {tr("Automatica"), tr("Italiano"), "English"}, s.Language);
    right->addWidget(language);
    right->addWidget(new QLabel(tr("La lingua cambia al prossimo avvio."), page));
    right->addStretch();
    auto* layout = new QHBoxLayout(page);
    layout->addLayout(left);
    layout->addLayout(right);
    return page;
}

QWidget* TSettingDialog::BuildMenuPage(const TDrawingSettings& s) {
    auto* page = new QWidget(this);
    page->setObjectName("TSContextMenu");
    RMenuMode = CheckBox(page, "RMenuMode", tr("Tieni premuto il tasto Destro del Mouse"), s.RMenuMode);
    LBShowItem = ItemList(page, "LBShowItem");
    LBHideItem = ItemList(page, "LBHideItem");
    for (const TPopupItem& item : s.PopupItems) {
        auto* entry = new QListWidgetItem(item.Caption);
        entry->setData(Qt::UserRole, QString::fromStdString(item.Name));
        (item.Visible ? LBShowItem : LBHideItem)->addItem(entry);
    }
    // A double click moves an entry to the end of the other list, for those who do not drag.
    auto moveAcross = [](QListWidget* from, QListWidget* to) {
        connect(from, &QListWidget::itemDoubleClicked, from, [from, to](QListWidgetItem* item) {
            to->addItem(from->takeItem(from->row(item)));
        });
    };
    moveAcross(LBShowItem, LBHideItem);
    moveAcross(LBHideItem, LBShowItem);

    auto column = [page](const QString& caption, QListWidget* list) {
        auto* box = new QVBoxLayout;
        box->addWidget(new QLabel(caption, page));
        box->addWidget(list);
        return box;
    };
    auto* lists = new QHBoxLayout;
    lists->addLayout(column(tr("Oggetti Visibili"), LBShowItem));
    lists->addLayout(column(tr("Non mostrare questi Oggetti"), LBHideItem));
    auto* layout = new QVBoxLayout(page);
    layout->addWidget(RMenuMode);
    layout->addLayout(lists);
    return page;
}

THelpContext TSettingDialog::HelpContext() const {
    return PageControl->currentWidget() == TSContextMenu ? THelpContext::SettingsMenu : THelpContext::SettingsMain;
}

void TSettingDialog::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_F1 && event->modifiers() == Qt::NoModifier) {
        if (FHelp) FHelp(HelpContext());
        return;
    }
    TIniDialog::keyPressEvent(event);
}

bool TSettingDialog::Confirm() {
    if (!DotLineWidth->Check() || !DotLineHeight->Check() || !NEUndoBuffer->Check()) return false;
    TDrawingSettings s = FState;
    s.DotLineWidth = *DotLineWidth->Value();
    s.DotLineHeight = *DotLineHeight->Value();
    s.DotLineVisible = DotLineVisible->isChecked();
    s.MeasureType = std::max(0, RGMeasureType->checkedId());
    s.IconMaskBottomLeft = IconMaskColor->checkedId() == 1;
    s.UndoBuffer = int64_t{*NEUndoBuffer->Value()} * 1000000;
    s.ShowStatusBar = CBShowStatusBar->isChecked();
    s.ShowScroller = CBShowScroller->isChecked();
    s.AutoScroll = CBAutoScroll->isChecked();
    s.AskWhenDestroy = CBAskWhenDestroy->isChecked();
    s.Backup = CBBackup->isChecked();
    s.BackupDir = EDBackupDir->text().toStdString();
    s.RMenuMode = RMenuMode->isChecked();
    s.ShowTransparency = CBShowTransparency->isChecked();
    s.ShownItems.clear();
    for (int i = 0; i < LBShowItem->count(); ++i)
        s.ShownItems.push_back(LBShowItem->item(i)->data(Qt::UserRole).toString().toStdString());
    s.PngCompression = std::max(0, RGPngCompression->checkedId());
    s.Language = std::max(0, RGLanguage->checkedId());
    accept();
    if (FApply) FApply(s);
    return true;
}

}  // namespace pixmo
