#include "palette/window/palette_form.h"

#include <QContextMenuEvent>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <tuple>

#include "edit/edit_context.h"
#include "edit/edit_view.h"
#include "edit/main_panels.h"
#include "edit/selection.h"
#include "edit/undo.h"
#include "edit/undo_objects_palette.h"
#include "image/dib.h"
#include "image/errors.h"
#include "palette/window/find_color_dialog.h"
#include "palette/window/palette_glyphs.h"
#include "settings/main_keys.h"
#include "uikit/dialog_hooks.h"
#include "uikit/grid.h"
#include "view/app_context.h"
#include "view/checkerboard.h"

namespace pixmo {

namespace {

constexpr int kColumns = 16, kCellWidth = 14, kCellHeight = 11;
constexpr int kClientWidth = kColumns * kCellWidth + 1;
constexpr int kTopHeight = 28, kBottomHeight = 62;
constexpr int kBarHeight = 16, kBarWidth = 118;

QColor ToQColor(TColorRef c) { return QColor(GetRValue(c), GetGValue(c), GetBValue(c)); }

// An entry's colour with its alpha.
QColor EntryColour(const TDib& dib, int index) {
    QColor c = ToQColor(dib.GetColor(index));
    const std::vector<uint8_t>& alphas = dib.Alphas();
    if (index >= 0 && static_cast<size_t>(index) < alphas.size()) c.setAlpha(alphas[static_cast<size_t>(index)]);
    return c;
}

// A swatch showing one palette entry, a transparent one over the checkerboard.
class TSwatch : public QWidget {
public:
    TSwatch(const char* name, const QString& hint, std::function<std::optional<QColor>()> colour,
            std::function<int()> checker, QWidget* parent)
        : QWidget(parent), FColour(std::move(colour)), FChecker(std::move(checker)) {
        setObjectName(name);
        setToolTip(hint);
    }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        p.fillRect(rect(), palette().color(QPalette::Window));
        if (const std::optional<QColor> c = FColour()) FillOverChecker(p, rect().adjusted(1, 1, -1, -1), *c, FChecker());
        p.setPen(Qt::black);
        p.setBrush(Qt::NoBrush);
        p.drawRect(rect().adjusted(0, 0, -1, -1));
    }

private:
    std::function<std::optional<QColor>()> FColour;
    std::function<int()> FChecker;
};

}  // namespace

TPaletteForm::TPaletteForm(TAppContext& app, QWidget* parent)
    : TDibForm(app, "PaletteForm", false, parent, Qt::Tool) {
    setWindowTitle(tr("Palette"));

    PNTop = new QWidget(this);
    PNTop->setObjectName("PNTop");
    int x = 2;
    auto button = [&](const char* name, const char* hint, TPaletteGlyph glyph, bool toggle, int gap = 0) {
        auto* b = new QToolButton(PNTop);
        b->setObjectName(name);
        b->setToolTip(tr(hint));
        b->setIcon(PaletteGlyph(glyph));
        b->setIconSize(QSize(kPaletteGlyphSize, kPaletteGlyphSize));
        b->setCheckable(toggle);
        b->setAutoRaise(false);
        b->setFocusPolicy(Qt::NoFocus);
        x += gap;
        b->setGeometry(x, 1, 28, kTopHeight - 2);
        x += 30;
        return b;
    };
    SBSame = button("SBSame", QT_TR_NOOP("Cerca Colori Doppi"), TPaletteGlyph::Same, true);
    SBUnUsed = button("SBUnUsed", QT_TR_NOOP("Cerca Colori Non Utilizzati"), TPaletteGlyph::UnUsed, true, 3);
    SBUsed = button("SBUsed", QT_TR_NOOP("Cerca Colori Utilizzati"), TPaletteGlyph::Used, true);
    SBSearch = button("SBSearch", QT_TR_NOOP("Cerca Colori"), TPaletteGlyph::Search, false, 3);
    SBExchange = button("SBExchange", QT_TR_NOOP("Cambia Posizione Colori"), TPaletteGlyph::Exchange, true, 3);
    SBChangeable = button("SBChangeable", QT_TR_NOOP("Attiva Sfumatura"), TPaletteGlyph::Changeable, true);
    SBGrad = button("SBGrad", QT_TR_NOOP("Sfuma (Colore Primario -> Secondario)"), TPaletteGlyph::Grad, false);
    SBChangeable->setChecked(App().Settings().PalChangeable);
    connect(SBSame, &QToolButton::clicked, this, [this] { SBSameClick(); });
    connect(SBUsed, &QToolButton::clicked, this, [this] { SBUsedClick(false); });
    connect(SBUnUsed, &QToolButton::clicked, this, [this] { SBUsedClick(true); });
    connect(SBSearch, &QToolButton::clicked, this, [this] { SBSearchClick(); });
    connect(SBChangeable, &QToolButton::clicked, this, [this] { SBChangeableClick(); });
    connect(SBGrad, &QToolButton::clicked, this, [this] { SBGradClick(); });

    GDColors = new TGrid(this);
    GDColors->setObjectName("GDColors");
    GDColors->SetColumns(kColumns);
    GDColors->SetCellSize(kCellWidth, kCellHeight);
    GDColors->SetOnDrawCell([this](QPainter& p, int cell, const QRect& inside) { DrawCell(p, cell, inside); });
    // A right click picks the secondary colour and opens the window's menu for that entry.
    GDColors->setContextMenuPolicy(Qt::DefaultContextMenu);
    connect(GDColors, &TGrid::cellClicked, this, &TPaletteForm::GDColorsClickCell);
    connect(GDColors, &TGrid::cellDoubleClicked, this, &TPaletteForm::GDColorsDblClickCell);
    connect(GDColors, &TGrid::cancelled, this, &TPaletteForm::GDColorsCancel);
    connect(GDColors, &TGrid::cellDropped, this, &TPaletteForm::GDColorsDragDrop);

    PNBottom = new QWidget(this);
    PNBottom->setObjectName("PNBottom");
    // The value labels carry the bar's colour: the panel has no room for captions.
    auto bar = [this](const char* name, const char* label, QLabel*& value, int row, const QColor& tint) {
        auto* b = new QScrollBar(Qt::Horizontal, PNBottom);
        b->setObjectName(name);
        b->setRange(0, 255);
        b->setPageStep(10);
        b->setSingleStep(1);
        b->setContextMenuPolicy(Qt::NoContextMenu);
        b->setGeometry(4, 4 + row * 19, kBarWidth, kBarHeight);
        b->installEventFilter(this);
        value = new QLabel("0", PNBottom);
        value->setObjectName(label);
        value->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        value->setGeometry(kBarWidth + 6, 4 + row * 19, 28, kBarHeight);
        QPalette pal = value->palette();
        pal.setColor(QPalette::WindowText, tint);
        value->setPalette(pal);
        connect(b, &QScrollBar::valueChanged, this, [this] { BarChanged(); });
        return b;
    };
    SBRed = bar("SBRed", "LBRed", LBRed, 0, QColor(0xC0, 0, 0));
    SBGreen = bar("SBGreen", "LBGreen", LBGreen, 1, QColor(0, 0x80, 0));
    SBBlue = bar("SBBlue", "LBBlue", LBBlue, 2, QColor(0, 0, 0xD0));

    auto entry = [this](bool primary) -> std::optional<QColor> {
        const TDib* dib = Image();
        if (!dib) return std::nullopt;
        return EntryColour(*dib, primary ? App().Edit().Color1Index() : App().Edit().Color2Index());
    };
    auto checker = [this] { return Checker(); };
    PBColor1 = new TSwatch("PBColor1", tr("Colore Primario"), [entry] { return entry(true); }, checker, PNBottom);
    PBColor2 = new TSwatch("PBColor2", tr("Colore Secondario (Trasparente)"), [entry] { return entry(false); }, checker,
                           PNBottom);
    PBColor1->setGeometry(158, 4, 30, 34);
    PBColor2->setGeometry(192, 4, 30, 34);
    // An entry that is not opaque shows its alpha at the foot of its swatch.
    for (auto [label, swatch, name] : {std::tuple{&LBAlpha1, PBColor1, "LBAlpha1"}, std::tuple{&LBAlpha2, PBColor2, "LBAlpha2"}}) {
        *label = new QLabel(swatch);
        (*label)->setObjectName(name);
        (*label)->setGeometry(1, 20, 28, 13);
        (*label)->setAlignment(Qt::AlignCenter);
        (*label)->setAutoFillBackground(true);
        (*label)->setAttribute(Qt::WA_TransparentForMouseEvents);
        (*label)->hide();
    }
    LBColor1 = new QLabel(PNBottom);
    LBColor1->setObjectName("LBColor1");
    LBColor2 = new QLabel(PNBottom);
    LBColor2->setObjectName("LBColor2");
    LBColor1->setGeometry(156, 40, 34, 18);
    LBColor2->setGeometry(190, 40, 34, 18);
    for (QWidget* w : {static_cast<QWidget*>(PBColor1), static_cast<QWidget*>(PBColor2),
                       static_cast<QWidget*>(LBColor1), static_cast<QWidget*>(LBColor2)})
        w->installEventFilter(this);
    LBColor1->setAlignment(Qt::AlignCenter);
    LBColor2->setAlignment(Qt::AlignCenter);

    // The window manager gives no system menu to add to: the item lives in a context menu.
    MIToolBar = new QAction(tr("ﾂｰﾙﾊﾞｰを表示(&T)"), this);
    MIToolBar->setObjectName("MIToolBar");
    MIToolBar->setCheckable(true);
    MIToolBar->setChecked(true);
    connect(MIToolBar, &QAction::triggered, this, [this] { SetToolBarVisible(!FToolBar); });
    MITransparent = new QAction(tr("Trasparente"), this);
    MITransparent->setObjectName("MITransparent");
    MITransparent->setCheckable(true);
    connect(MITransparent, &QAction::triggered, this, [this] { ToggleTransparent(FMenuCell); });

    SetSizeable(false);
    EnableEditing();
    UpdateLayout();
    UpdateIndexLabels();
    UpdateFrames();
    SetEditedColour(TEditedColour::Primary);
    AfterConstruction();
}

TPaletteForm::~TPaletteForm() { BeforeDestruction(); }

void TPaletteForm::LoadSettings() { SetToolBarVisible(Ini().ReadBool("ToolBar", true)); }

void TPaletteForm::SaveSettings() { Ini().WriteBool("ToolBar", FToolBar); }

TDib* TPaletteForm::Image() const {
    TDib* dib = App().Edit().Dib();
    return dib && !dib->IsTrueColor() ? dib : nullptr;
}

int TPaletteForm::EditedIndex() const {
    return FEdited == TEditedColour::Primary ? App().Edit().Color1Index() : App().Edit().Color2Index();
}

TColorRef TPaletteForm::BarColour() const { return RGB(SBRed->value(), SBGreen->value(), SBBlue->value()); }

void TPaletteForm::AbortTool() { App().Edit().View().AbortTool(); }

void TPaletteForm::ShowStatus(const std::string& text) { App().Edit().Panels().ShowMessage(text); }

// --- layout and refresh ---

void TPaletteForm::SetToolBarVisible(bool visible) {
    FToolBar = visible;
    PNTop->setVisible(visible);
    MIToolBar->setChecked(visible);
    UpdateLayout();
}

void TPaletteForm::UpdateLayout() {
    const TDib* dib = Image();
    GDColors->SetCellCount(dib ? dib->Colors() : 0);
    const QSize grid = GDColors->GridSize();
    const int top = FToolBar ? kTopHeight + 1 : 1;
    PNTop->setGeometry(0, 0, kClientWidth, kTopHeight);
    GDColors->setGeometry(0, top, grid.width(), grid.height());
    PNBottom->setGeometry(0, top + grid.height(), kClientWidth, kBottomHeight);
    const QSize size(kClientWidth, kBottomHeight + grid.height() + 1 + (FToolBar ? kTopHeight : 0));
    SetDesignedSize(size);
    setFixedSize(size);
}

void TPaletteForm::LoadBars() {
    UpdateAlphaLabels();
    const TDib* dib = Image();
    const TColorRef c = dib ? dib->GetColor(EditedIndex()) : 0;
    FSettingBars = true;
    SBRed->setValue(GetRValue(c));
    SBGreen->setValue(GetGValue(c));
    SBBlue->setValue(GetBValue(c));
    FSettingBars = false;
}

void TPaletteForm::UpdateIndexLabels() {
    LBColor1->setText(QString::number(App().Edit().Color1Index()));
    LBColor2->setText(QString::number(App().Edit().Color2Index()));
}

void TPaletteForm::UpdateFrames() {
    const TEditContext& doc = App().Edit();
    FDrawnColor1 = doc.Color1Index();
    FDrawnColor2 = doc.Color2Index();
    GDColors->SetFramedCells({FDrawnColor1, FDrawnColor2});
}

void TPaletteForm::SetEditedColour(TEditedColour edited) {
    FEdited = edited;
    for (QLabel* label : {LBColor1, LBColor2}) {
        QFont font = label->font();
        font.setUnderline((label == LBColor1) == (edited == TEditedColour::Primary));
        label->setFont(font);
    }
    LoadBars();
}

void TPaletteForm::EnableEditing() {
    const bool on = SBChangeable->isChecked();
    for (QWidget* w : {static_cast<QWidget*>(SBExchange), static_cast<QWidget*>(SBGrad),
                       static_cast<QWidget*>(SBRed), static_cast<QWidget*>(SBGreen), static_cast<QWidget*>(SBBlue)})
        w->setEnabled(on);
}

void TPaletteForm::ReleaseSearchButtons() {
    for (QToolButton* b : {SBSame, SBUnUsed, SBUsed}) b->setChecked(false);
    FMarks.fill(0);
}

bool TPaletteForm::CellHidden(int cell) const {
    const uint8_t m = FMarks[static_cast<size_t>(cell & 0xFF)];
    return (SBSame->isChecked() && !(m & kMarkDuplicate)) || (SBUsed->isChecked() && !(m & kMarkUsed)) ||
           (SBUnUsed->isChecked() && (m & kMarkUsed));
}

void TPaletteForm::DrawCell(QPainter& painter, int cell, const QRect& inside) const {
    const TDib* dib = Image();
    if (!dib || cell >= dib->Colors() || CellHidden(cell)) return;  // the grid shows the window colour
    FillOverChecker(painter, inside, EntryColour(*dib, cell), Checker());
}

int TPaletteForm::Checker() const { return CheckerCell(*this, App().Settings().ShowTransparency); }

void TPaletteForm::UpdateAlphaLabels() {
    const TDib* dib = Image();
    const TEditContext& doc = App().Edit();
    for (auto [label, index] : {std::pair{LBAlpha1, doc.Color1Index()}, std::pair{LBAlpha2, doc.Color2Index()}}) {
        const int alpha = dib && index < dib->Colors() ? EntryColour(*dib, index).alpha() : 255;
        label->setText(QString::number(alpha));
        label->setVisible(alpha < 255);
    }
}

// Only the cells whose frame comes or goes are repainted.
void TPaletteForm::ColoursChanged() {
    const TEditContext& doc = App().Edit();
    if (doc.Color1Index() != FDrawnColor1 || doc.Color2Index() != FDrawnColor2) UpdateFrames();
    UpdateIndexLabels();
    LoadBars();
    PBColor1->update();
    PBColor2->update();
}

void TPaletteForm::SelectColour(TEditedColour which, int index) {
    TEditContext& doc = App().Edit();
    if (which == TEditedColour::Primary)
        doc.SetColor1Index(index);
    else
        doc.SetColor2Index(index);
    // Also when no main window passes the notice on.
    ColoursChanged();
}

void TPaletteForm::HandleMessage(TNotice notice) {
    switch (notice) {
        case TNotice::NewImage:
            FBarDragging = false;
            ReleaseSearchButtons();
            UpdateLayout();
            UpdateIndexLabels();
            UpdateFrames();
            LoadBars();
            update();
            break;
        case TNotice::Color1Changed:
        case TNotice::Color2Changed:
            if (!Image()) return;
            ColoursChanged();
            break;
        case TNotice::ShowTransparency:
        case TNotice::PaletteChanged:
            if (!Image()) return;
            PBColor1->update();
            PBColor2->update();
            GDColors->update();
            LoadBars();
            break;
        case TNotice::PaletteMode:
            SBChangeable->setChecked(App().Settings().PalChangeable);
            EnableEditing();
            break;
        default: break;
    }
}

// --- the grid ---

void TPaletteForm::GDColorsClickCell(int cell, Qt::MouseButton button) {
    if (!Image()) return;
    const TEditContext& doc = App().Edit();
    if (button == Qt::LeftButton) {
        FIndexBeforeClick = doc.Color1Index();
        SelectColour(TEditedColour::Primary, cell);
        SetEditedColour(TEditedColour::Primary);
        if (SBExchange->isEnabled() && SBExchange->isChecked()) GDColors->BeginDrag();
    } else if (button == Qt::RightButton) {
        FIndexBeforeClick = doc.Color2Index();
        SelectColour(TEditedColour::Secondary, cell);
        SetEditedColour(TEditedColour::Secondary);
    }
}

void TPaletteForm::GDColorsCancel() {
    if (!Image() || FIndexBeforeClick < 0) return;
    SelectColour(FEdited, FIndexBeforeClick);
    FIndexBeforeClick = -1;
}

void TPaletteForm::GDColorsDblClickCell(int cell, Qt::MouseButton) {
    TDib* dib = Image();
    if (!dib || !SBChangeable->isChecked() || cell >= dib->Colors()) return;
    const TColorRef old = dib->GetColor(cell);
    const std::optional<QColor> chosen = AskColor(this, ToQColor(old));
    if (!chosen) return;
    const TColorRef colour = RGB(chosen->red(), chosen->green(), chosen->blue());
    if (colour == old) return;
    AbortTool();
    TEditContext& doc = App().Edit();
    doc.Undo().AddPaletteColour(cell, old);
    doc.SetPaletteColor(cell, colour);
    LoadBars();
}

// The dragged entry (the primary) and the one it is dropped on trade places.
void TPaletteForm::GDColorsDragDrop(int cell) {
    TDib* dib = Image();
    TEditContext& doc = App().Edit();
    const int primary = doc.Color1Index();
    FIndexBeforeClick = -1;
    if (!dib || cell < 0 || cell >= dib->Colors() || cell == primary) return;
    doc.Undo().Add(std::make_unique<TUndoExchangePalette>(doc, cell, primary));
    AbortTool();
    doc.ExchangePaletteEntries(cell, primary);
    std::swap(FMarks[static_cast<size_t>(cell)], FMarks[static_cast<size_t>(primary)]);
    SelectColour(TEditedColour::Primary, cell);
    GDColors->update();
}

void TPaletteForm::ToggleTransparent(int cell) {
    TDib* dib = Image();
    if (!dib || cell < 0 || cell >= dib->Colors()) return;
    AbortTool();
    TEditContext& doc = App().Edit();
    const uint8_t old = dib->Alpha(cell);
    doc.Undo().Add(std::make_unique<TUndoPaletteAlpha>(doc, cell, old));
    dib->SetAlpha(cell, old == 0 ? 255 : 0);
    doc.PaletteChanged();
}

// --- the tool bar ---

void TPaletteForm::SBSameClick() {
    const TDib* dib = Image();
    if (!dib) return;
    int count = 0;
    if (SBSame->isChecked())
        count = MarkDuplicates(*dib, FMarks);
    else
        for (uint8_t& m : FMarks) m &= static_cast<uint8_t>(~kMarkDuplicate);
    GDColors->update();
    ShowStatus(tr("Il numro dei Colori doppi è: %1 Individual").arg(count).toStdString());
}

void TPaletteForm::SBUsedClick(bool unused) {
    // One group that may be all up.
    if (unused && SBUnUsed->isChecked()) SBUsed->setChecked(false);
    if (!unused && SBUsed->isChecked()) SBUnUsed->setChecked(false);
    const TDib* dib = Image();
    if (!dib) return;
    const int used = MarkUsed(*dib, FMarks);
    GDColors->update();
    if (unused)
        ShowStatus(tr("Il numro dei Colori che non sono utilizzati è: %1 Individual").arg(dib->Colors() - used).toStdString());
    else
        ShowStatus(tr("Il numero di Colori uitilizzati è: %1 Individual").arg(used).toStdString());
}

void TPaletteForm::SBSearchClick() {
    const TDib* dib = Image();
    if (!dib) return;
    TFindColorDialog dialog(App().Ini(), *dib, BarColour(), this);
    if (TFindColorDialog::Run(dialog) != QDialog::Accepted) return;
    const int index = dialog.FirstMatch();
    if (index >= 0) SelectColour(FEdited, index);
}

void TPaletteForm::SBChangeableClick() {
    EnableEditing();
    App().Settings().PalChangeable = SBChangeable->isChecked();
    App().Broadcast(TNotice::PaletteMode);
}

void TPaletteForm::SBGradClick() {
    TDib* dib = Image();
    if (!dib) return;
    AbortTool();
    TEditContext& doc = App().Edit();
    const int lo = std::min(doc.Color1Index(), doc.Color2Index());
    const int hi = std::max(doc.Color1Index(), doc.Color2Index());
    if (lo == hi) return;
    doc.Undo().Add(std::make_unique<TUndoPalettes>(doc, lo, hi - lo + 1));
    Gradient(*dib, lo, hi);
    doc.PaletteChanged();
}

// --- the bars ---

void TPaletteForm::BarDragStart() {
    const TDib* dib = Image();
    if (!dib || !SBChangeable->isChecked() || FBarDragging) return;
    FBarIndex = EditedIndex();
    if (FBarIndex < 0 || FBarIndex >= dib->Colors()) return;
    FBarDragging = true;
    FBarStart = dib->GetColor(FBarIndex);
    AbortTool();
}

// Live: the entry, the swatches, its cell and the edit view follow; the rest of the program
// hears of it when the drag ends.
void TPaletteForm::BarChanged() {
    LBRed->setText(QString::number(SBRed->value()));
    LBGreen->setText(QString::number(SBGreen->value()));
    LBBlue->setText(QString::number(SBBlue->value()));
    if (FSettingBars) return;
    TDib* dib = Image();
    if (!dib || !SBChangeable->isChecked()) return;
    // A step from the keyboard or the wheel is a drag of its own.
    const bool single = !FBarDragging;
    if (single) BarDragStart();
    if (!FBarDragging) return;
    TEditContext& doc = App().Edit();
    dib->SetColor(FBarIndex, BarColour());
    doc.Selection().PaletteChanged();
    PBColor1->update();
    PBColor2->update();
    GDColors->InvalidateCell(FBarIndex);
    doc.View().InvalidateAll();
    if (single) BarDragEnd();
}

void TPaletteForm::BarDragEnd() {
    if (!FBarDragging) return;
    FBarDragging = false;
    const TDib* dib = Image();
    if (!dib || FBarIndex >= dib->Colors() || dib->GetColor(FBarIndex) == FBarStart) return;
    AbortTool();
    TEditContext& doc = App().Edit();
    doc.Undo().AddPaletteColour(FBarIndex, FBarStart);
    doc.PaletteChanged();
}

// --- events ---

bool TPaletteForm::eventFilter(QObject* watched, QEvent* event) {
    const QEvent::Type type = event->type();
    if (watched == SBRed || watched == SBGreen || watched == SBBlue) {
        if (type != QEvent::MouseButtonPress && type != QEvent::MouseButtonRelease) return false;
        if (static_cast<QMouseEvent*>(event)->button() != Qt::LeftButton) return false;
        if (type == QEvent::MouseButtonPress)
            BarDragStart();
        else
            BarDragEnd();
        return false;
    }
    if (type == QEvent::MouseButtonPress && Image()) {
        if (watched == PBColor1 || watched == LBColor1) SetEditedColour(TEditedColour::Primary);
        if (watched == PBColor2 || watched == LBColor2) SetEditedColour(TEditedColour::Secondary);
    }
    return TDibForm::eventFilter(watched, event);
}

void TPaletteForm::contextMenuEvent(QContextMenuEvent* event) {
    QMenu menu(this);
    const TDib* dib = Image();
    FMenuCell = dib ? GDColors->CellAt(GDColors->mapFrom(this, event->pos())) : -1;
    // Only a cell that shows an entry of a palette image has one to make transparent.
    if (FMenuCell >= 0 && (dib->IsTrueColor() || FMenuCell >= dib->Colors() || CellHidden(FMenuCell))) FMenuCell = -1;
    MITransparent->setEnabled(FMenuCell >= 0);
    MITransparent->setChecked(FMenuCell >= 0 && dib->Alpha(FMenuCell) == 0);
    menu.addAction(MITransparent);
    menu.addSeparator();
    menu.addAction(MIToolBar);
    menu.addSeparator();
    const bool paletteImage = Image() && !Image()->IsTrueColor();
    menu.addAction(tr("Salva Palette..."), this, [this] { SavePaletteClick(); })->setEnabled(paletteImage);
    menu.addAction(tr("Carica Palette..."), this, [this] { LoadPaletteClick(); })->setEnabled(paletteImage);
    TrackMenu(&menu);
    menu.exec(event->globalPos());
}

}  // namespace pixmo
