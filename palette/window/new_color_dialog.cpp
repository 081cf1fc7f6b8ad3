#include "palette/window/new_color_dialog.h"

#include "edit/edit_context.h"
#include "edit/undo.h"
#include "image/color.h"
#include "image/dib.h"
#include "image/errors.h"
#include "palette/palette_ops.h"
#include "uikit/core_text.h"
#include "uikit/dialog_hooks.h"
#include "view/app_context.h"

namespace pixmo {

TNewColorDialog::TNewColorDialog(TAppContext& app, QWidget* parent)
    : TNumColorDialog(app.Ini(), "NewColorDialog", tr("Numero Massimo di Colori"), parent), FApp(app) {
    const TDib* image = app.Edit().Dib();
    LBNow = new QLabel(tr("%1色").arg(image ? image->Colors() : 0), this);
    LBNow->setObjectName("LBNow");
    ExtraArea()->addWidget(LBNow);
    AfterConstruction();
}

TNewColorDialog::~TNewColorDialog() { BeforeDestruction(); }

bool TNewColorDialog::Confirm() {
    TEditContext& doc = FApp.Edit();
    const TDib* image = doc.Dib();
    if (!image) {
        reject();
        return false;
    }
    std::unique_ptr<TDib> result;
    try {
        if (RBPalette->isChecked()) {
            SBPalettes->AddRecent(EDPalette->text());
            const auto palette = TDib::CreateFromFile(EDPalette->text().toStdString());
            if (palette->Colors() == 0) RaiseError(DepthRefused(24));
            result = TDib::CreateOnPalette(*image, *palette);
        } else {
            const int count = ColorCount();
            if (count == 0) {
                NEElse->Check();
                return false;
            }
            result = CreateWithColorCount(*image, count);
        }
    } catch (const EAbort&) {
        return false;
    } catch (const std::exception& e) {
        ShowErrorBox(this, ErrorText(e));
        return false;
    }
    doc.Undo().AddNewDib(QT_TRANSLATE_NOOP("pixmo::Core", "Aumenta, Diminuisic Colori"));
    doc.SetDib(std::move(result));
    accept();
    return true;
}

}  // namespace pixmo
