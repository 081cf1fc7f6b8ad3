#include "uikit/num_color_dialog.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QMouseEvent>

#include "image/file_format.h"
#include "uikit/dialog_hooks.h"

namespace pixmo {

TNumColorDialog::TNumColorDialog(TIni& ini, const QString& name, const QString& caption, QWidget* parent)
    : TIniDialog(ini, name, parent) {
    setWindowTitle(caption);
    auto* main = new QVBoxLayout(this);
    FExtra = new QVBoxLayout;
    main->addLayout(FExtra);

    auto* box = new QGroupBox(this);
    auto* grid = new QGridLayout(box);
    auto* group = new QButtonGroup(this);
    auto radio = [&](const char* objectName, const QString& text, int row) {
        auto* b = new QRadioButton(text, box);
        b->setObjectName(objectName);
        group->addButton(b);
        grid->addWidget(b, row, 0);
        connect(b, &QRadioButton::toggled, this, [this] { UpdateStates(); });
        return b;
    };
    RB2 = radio("RB2", tr("2 Colori"), 0);
    RB16 = radio("RB16", tr("16 Colori"), 1);
    RB256 = radio("RB256", tr("256 Colori"), 2);
    RBElse = radio("RBElse", tr("Altro"), 3);
    NEElse = new TNumberEdit("NEElse", tr("Numero Colore"), 2, 256, 64, box);
    grid->addWidget(NEElse, 3, 1, 1, 2);
    RBPalette = radio("RBPalette", tr("Palette"), 4);
    EDPalette = new QLineEdit(box);
    EDPalette->setObjectName("EDPalette");
    grid->addWidget(EDPalette, 4, 1);
    BTPalette = new QPushButton("...", box);
    BTPalette->setObjectName("BTPalette");
    grid->addWidget(BTPalette, 4, 2);
    SBPalettes = new TStringsButton("SBPalettes", box);
    grid->addWidget(SBPalettes, 4, 3);
    main->addWidget(box);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    OKButton = new QPushButton(tr("OK"), this);
    OKButton->setObjectName("OKButton");
    OKButton->setDefault(true);
    CancelButton = new QPushButton(tr("Annulla"), this);
    CancelButton->setObjectName("CancelButton");
    buttons->addWidget(OKButton);
    buttons->addWidget(CancelButton);
    main->addLayout(buttons);

    connect(NEElse, &TNumberEdit::Pressed, this, [this] { ChooseWithFocus(RBElse, NEElse); });
    connect(BTPalette, &QPushButton::clicked, this, [this] { BrowsePalette(); });
    SBPalettes->SetOnChoose([this](const QString& text) {
        EDPalette->setText(text);
        RBPalette->setChecked(true);
    });
    for (QWidget* control : std::initializer_list<QWidget*>{EDPalette, BTPalette, SBPalettes})
        control->installEventFilter(this);
    connect(OKButton, &QPushButton::clicked, this, [this] { OkClick(); });
    connect(CancelButton, &QPushButton::clicked, this, &QDialog::reject);
    RB2->setChecked(true);
}

TNumColorDialog::~TNumColorDialog() { BeforeDestruction(); }

QList<QRadioButton*> TNumColorDialog::Buttons() const { return {RB2, RB16, RB256, RBElse, RBPalette}; }

int TNumColorDialog::ColorCount() const {
    if (RB2->isChecked()) return 2;
    if (RB16->isChecked()) return 16;
    if (RB256->isChecked()) return 256;
    if (RBElse->isChecked()) return NEElse->Value().value_or(0);
    return 0;
}

void TNumColorDialog::PresetColorCount(int count) {
    if (count == 2) RB2->setChecked(true);
    else if (count == 16) RB16->setChecked(true);
    else if (count == 256) RB256->setChecked(true);
    else {
        RBElse->setChecked(true);
        NEElse->SetValue(count);
    }
}

QString TNumColorDialog::CheckedName() const {
    for (QRadioButton* b : Buttons())
        if (b->isChecked()) return b->objectName();
    return "RB2";
}

void TNumColorDialog::UpdateStates() {
    NEElse->setEnabled(RBElse->isChecked());
    const bool palette = RBPalette->isChecked();
    EDPalette->setEnabled(palette);
    SBPalettes->setEnabled(palette);
    BTPalette->setEnabled(palette);
}

void TNumColorDialog::LoadSettings() {
    TIni& ini = Ini();
    NEElse->setText(QString::fromStdString(ini.ReadString("Else", NEElse->text().toStdString())));
    EDPalette->setText(QString::fromStdString(ini.ReadString("Palette", "")));
    const QString last = QString::fromStdString(ini.ReadString("Last", "RB2"));
    for (QRadioButton* b : Buttons())
        if (b->objectName() == last) b->setChecked(true);
    SBPalettes->Load(ini);
    UpdateStates();
}

void TNumColorDialog::SaveSettings() {
    TIni& ini = Ini();
    ini.WriteString("Else", NEElse->text().toStdString());
    ini.WriteString("Palette", EDPalette->text().toStdString());
    ini.WriteString("Last", CheckedName().toStdString());
    SBPalettes->Save(ini);
}

void TNumColorDialog::BrowsePalette() {
    TFileRequest request;
    request.Name = "PaletteDialog";
    request.Title = tr("Seleziona Palette     ");
    request.Filter = QString::fromStdString(PaletteSourceFilter());
    request.DefaultExt = "bmp";
    request.InitialName = EDPalette->text();
    if (auto name = AskFileName(this, request)) EDPalette->setText(*name);
}

// A click into a field chooses its option and the typing goes there.
void TNumColorDialog::ChooseWithFocus(QRadioButton* option, QLineEdit* field) {
    option->setChecked(true);
    field->setFocus(Qt::MouseFocusReason);
    field->selectAll();
}

// A press over a disabled field reaches the dialog; it chooses the field's option.
void TNumColorDialog::mousePressEvent(QMouseEvent* event) {
    ChooseByPress(childAt(event->position().toPoint()));
    TIniDialog::mousePressEvent(event);
}

bool TNumColorDialog::ChooseByPress(const QObject* control) {
    if (control == EDPalette || control == BTPalette || control == SBPalettes) ChooseWithFocus(RBPalette, EDPalette);
    else if (control == NEElse) ChooseWithFocus(RBElse, NEElse);
    else return false;
    return true;
}

// A disabled button keeps a press to itself, so the press never reaches the dialog: the
// buttons' filter catches it first, and the button does not run on that press.
bool TNumColorDialog::eventFilter(QObject* watched, QEvent* event) {
    auto* control = qobject_cast<QWidget*>(watched);
    if (control && event->type() == QEvent::MouseButtonPress) {
        const bool disabled = !control->isEnabled();
        if ((disabled || control == EDPalette) && ChooseByPress(control))
            return disabled && qobject_cast<QAbstractButton*>(control);
    }
    return TIniDialog::eventFilter(watched, event);
}

}  // namespace pixmo
