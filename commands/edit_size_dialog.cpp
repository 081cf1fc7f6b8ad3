#include "commands/edit_size_dialog.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QVBoxLayout>

#include "tools/edit_size.h"

namespace pixmo {

TEditSizeDialog::TEditSizeDialog(TIni& ini, TEditSize& editSize, QWidget* parent)
    : TIniDialog(ini, "EditSizeDialog", parent), FEditSize(editSize) {
    setWindowTitle(tr("Imposta Unità Griglia"));
    const int max = TEditSize::MaxUnit();
    NEGridWidth = new TNumberEdit("NEGridWidth", tr("Larghezza"), 1, max, editSize.Unit.X, this);
    NEGridHeight = new TNumberEdit("NEGridHeight", tr("Altezza"), 1, max, editSize.Unit.Y, this);
    OkBtn = new QPushButton(tr("OK"), this);
    OkBtn->setDefault(true);
    CancelBtn = new QPushButton(tr("Annulla"), this);

    auto* fields = new QFormLayout;
    fields->addRow(tr("Larghezza"), NEGridWidth);
    fields->addRow(tr("Altezza"), NEGridHeight);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(OkBtn);
    buttons->addWidget(CancelBtn);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(fields);
    layout->addLayout(buttons);

    connect(OkBtn, &QPushButton::clicked, this, [this] { Confirm(); });
    connect(CancelBtn, &QPushButton::clicked, this, &QDialog::reject);
    AfterConstruction();
}

TEditSizeDialog::~TEditSizeDialog() { BeforeDestruction(); }

bool TEditSizeDialog::Confirm() {
    if (!NEGridWidth->Check() || !NEGridHeight->Check()) return false;
    FEditSize.SetUnit(TPoint{*NEGridWidth->Value(), *NEGridHeight->Value()});
    accept();
    return true;
}

}  // namespace pixmo
