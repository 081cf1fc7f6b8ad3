#include "palette/window/col_rate_dialog.h"

#include <QGridLayout>
#include <QLabel>
#include <QPushButton>

#include "edit/edit_context.h"
#include "image/dib.h"
#include "view/app_context.h"
#include "uikit/ok_cancel.h"

namespace pixmo {

TColRateDialog::TColRateDialog(TAppContext& app, QWidget* parent) : TIniDialog(app.Ini(), "ColRateDialog", parent) {
    setWindowTitle(tr("Colour Rate Setup"));
    if (const TDib* image = app.Edit().Dib()) FCopy = TDib::CreateClone(*image);
    auto* grid = new QGridLayout(this);
    const char* const names[3][3] = {{QT_TR_NOOP("Rosso"), "NERed", "SBRed"}, {QT_TR_NOOP("Verde"), "NEGreen", "SBGreen"}, {QT_TR_NOOP("Blu"), "NEBlue", "SBBlue"}};
    for (int i = 0; i < 3; ++i) {
        grid->addWidget(new QLabel(tr(names[i][0]), this), i, 0);
        Edits[i] = new TNumberEdit(names[i][1], tr(names[i][0]), 0, 255, 0, this);
        Bars[i] = new QScrollBar(Qt::Horizontal, this);
        Bars[i]->setObjectName(names[i][2]);
        Bars[i]->setRange(0, 255);
        Bars[i]->setPageStep(10);
        Bars[i]->setMinimumWidth(160);
        grid->addWidget(Edits[i], i, 1);
        grid->addWidget(Bars[i], i, 2);
        // Number and bar follow each other.
        connect(Bars[i], &QScrollBar::valueChanged, this, [this, i](int v) {
            if (Edits[i]->Value() != v) Edits[i]->SetValue(v);
        });
        connect(Edits[i], &QLineEdit::textChanged, this, [this, i] {
            if (auto v = Edits[i]->Value(); v && *v != Bars[i]->value()) Bars[i]->setValue(*v);
        });
    }
    grid->addWidget(OkCancelButtons(this, [this] { accept(); }), 3, 0, 1, 3);
    AfterConstruction();
}

TColRateDialog::~TColRateDialog() { BeforeDestruction(); }

}  // namespace pixmo
