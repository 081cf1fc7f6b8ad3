#include "palette/window/change_palette_dialog.h"

#include <QPushButton>
#include <QVBoxLayout>

#include "edit/edit_context.h"
#include "edit/undo.h"
#include "image/dib.h"
#include "image/errors.h"
#include "palette/palette_ops.h"
#include "uikit/core_text.h"
#include "view/app_context.h"
#include "uikit/dialog_hooks.h"
#include "uikit/ok_cancel.h"

namespace pixmo {

TChangePaletteDialog::TChangePaletteDialog(TAppContext& app, QWidget* parent)
    : TIniDialog(app.Ini(), "ChangePaletteDialog", parent), FApp(app) {
    setWindowTitle(tr("Cambia Palette"));
    auto* layout = new QVBoxLayout(this);
    auto radio = [&](const char* name, const char* text) {
        auto* b = new QRadioButton(tr(text), this);
        b->setObjectName(name);
        layout->addWidget(b);
        return b;
    };
    RBInvert = radio("RBInvert", QT_TR_NOOP("Inverti Colori"));
    RBRedGreen = radio("RBRedGreen", QT_TR_NOOP("Cambia Rosso-Verde"));
    RBGreenBlue = radio("RBGreenBlue", QT_TR_NOOP("Cambia Verde-Blu"));
    RBBlueRed = radio("RBBlueRed", QT_TR_NOOP("Cambia Blu-Rosso"));
    RBInvert->setChecked(true);
    layout->addWidget(OkCancelButtons(this, [this] { Confirm(); }));
    AfterConstruction();
}

TChangePaletteDialog::~TChangePaletteDialog() { BeforeDestruction(); }

void TChangePaletteDialog::LoadSettings() {
    const QString last = QString::fromStdString(Ini().ReadString("LastButton", "RBInvert"));
    for (QRadioButton* b : {RBInvert, RBRedGreen, RBGreenBlue, RBBlueRed})
        if (b->objectName() == last) b->setChecked(true);
}

// Only a dialog closed with OK leaves its choice for next time.
void TChangePaletteDialog::SaveSettings() {
    if (result() != QDialog::Accepted) return;
    for (QRadioButton* b : {RBInvert, RBRedGreen, RBGreenBlue, RBBlueRed})
        if (b->isChecked()) Ini().WriteString("LastButton", b->objectName().toStdString());
}

void TChangePaletteDialog::Confirm() {
    TEditContext& doc = FApp.Edit();
    const TDib* image = doc.Dib();
    if (image && image->BitCount() > 8) {
        ShowErrorBox(this, CoreText(DepthRefused(image->BitCount())));
        reject();
        return;
    }
    if (image) {
        auto copy = TDib::CreateClone(*image);
        TransformPalette(*copy, RBInvert->isChecked()     ? TPaletteTransform::Invert
                                : RBRedGreen->isChecked() ? TPaletteTransform::SwapRedGreen
                                : RBGreenBlue->isChecked() ? TPaletteTransform::SwapGreenBlue
                                                           : TPaletteTransform::SwapBlueRed);
        doc.Undo().AddNewDib(QT_TRANSLATE_NOOP("pixmo::Core", "Cambia Palette"));
        doc.SetDib(std::move(copy));
    }
    accept();
}

}  // namespace pixmo
