#include "palette/window/find_color_dialog.h"

#include <QGridLayout>
#include <QPushButton>
#include <QVBoxLayout>

#include "image/dib.h"
#include "palette/palette_ops.h"
#include "uikit/core_text.h"
#include "uikit/number_edit.h"
#include "uikit/ok_cancel.h"

namespace pixmo {

namespace {
TFindColorDialog::THook& Hook() {
    static TFindColorDialog::THook hook;
    return hook;
}
}  // namespace

TFindColorDialog::TFindColorDialog(TIni& ini, const TDib& image, TColorRef start, QWidget* parent)
    : TIniDialog(ini, "FindColorDialog", parent), FImage(image) {
    setWindowTitle(tr("Cerca Colore"));
    auto* layout = new QVBoxLayout(this);
    auto* rows = new QGridLayout;
    layout->addLayout(rows);
    auto row = [&](int r, const char* letter, const char* editName, const char* barName, int value,
                   TNumberEdit*& edit, QScrollBar*& bar) {
        rows->addWidget(new QLabel(tr(letter), this), r, 0);
        edit = new TNumberEdit(editName, tr(letter), 0, 255, value, this);
        edit->setFixedWidth(edit->fontMetrics().horizontalAdvance("0000") + 12);
        rows->addWidget(edit, r, 1);
        bar = new QScrollBar(Qt::Horizontal, this);
        bar->setObjectName(barName);
        bar->setRange(0, 255);
        bar->setPageStep(10);
        bar->setValue(value);
        bar->setMinimumWidth(200);
        rows->addWidget(bar, r, 2);
        connect(edit, &QLineEdit::textChanged, this, [this, edit, bar] { EditChanged(edit, bar); });
        connect(bar, &QScrollBar::valueChanged, this, [this, edit, bar] { BarChanged(bar, edit); });
    };
    row(0, QT_TR_NOOP("R"), "NERed", "SBRed", GetRValue(start), NERed, SBRed);
    row(1, QT_TR_NOOP("G"), "NEGreen", "SBGreen", GetGValue(start), NEGreen, SBGreen);
    row(2, QT_TR_NOOP("B"), "NEBlue", "SBBlue", GetBValue(start), NEBlue, SBBlue);
    LBMessage = new QLabel(this);
    LBMessage->setObjectName("LBMessage");
    layout->addWidget(LBMessage);
    layout->addWidget(OkCancelButtons(this, [this] { accept(); }));
    UpdateMessage();
    AfterConstruction();
}

TFindColorDialog::~TFindColorDialog() { BeforeDestruction(); }

TColorRef TFindColorDialog::Colour() const { return RGB(SBRed->value(), SBGreen->value(), SBBlue->value()); }

int TFindColorDialog::FirstMatch() const {
    const TColorRef c = Colour();
    for (int i = 0; i < FImage.Colors(); ++i)
        if (FImage.GetColor(i) == c) return i;
    return -1;
}

void TFindColorDialog::accept() {
    for (TNumberEdit* edit : {NERed, NEGreen, NEBlue})
        if (!edit->Check()) return;
    QDialog::accept();
}

void TFindColorDialog::EditChanged(TNumberEdit* edit, QScrollBar* bar) {
    if (FFollowing) return;
    if (const auto value = edit->Value()) {
        FFollowing = true;
        bar->setValue(*value);
        FFollowing = false;
    }
    UpdateMessage();
}

void TFindColorDialog::BarChanged(QScrollBar* bar, TNumberEdit* edit) {
    if (FFollowing) return;
    FFollowing = true;
    edit->SetValue(bar->value());
    FFollowing = false;
    UpdateMessage();
}

void TFindColorDialog::UpdateMessage() {
    LBMessage->setText(CoreText(FindColorMessage(FImage, Colour())));
}

int TFindColorDialog::Run(TFindColorDialog& dialog) { return Hook() ? Hook()(dialog) : dialog.exec(); }

TFindColorDialog::THook TFindColorDialog::SetHook(THook hook) {
    THook previous = std::move(Hook());
    Hook() = std::move(hook);
    return previous;
}

}  // namespace pixmo
