#include "commands/new_size_dialog.h"

#include <QVBoxLayout>
#include <cstring>

#include "edit/edit_context.h"
#include "edit/undo.h"
#include "image/dib.h"
#include "image/errors.h"
#include "uikit/core_text.h"
#include "uikit/dialog_hooks.h"
#include "uikit/ok_cancel.h"
#include "view/app_context.h"

namespace pixmo {

namespace {

TPoint CurrentSize(TAppContext& app) {
    const TDib* image = app.Edit().Dib();
    return image ? image->GetSize() : TPoint{1, 1};
}

// Up to the largest unit the grid knows; a new size beyond it is refused by the field.
constexpr int kMaxImageSide = 8000;

}  // namespace

TNewSizeDialog::TNewSizeDialog(TAppContext& app, QWidget* parent)
    : TSizeDialog(app.Ini(), "NewSizeDialog", CurrentSize(app), kMaxImageSide, parent),
      FApp(app),
      FHasImage(app.Edit().Dib() != nullptr) {
    setWindowTitle("Dimensioni Immagine");
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(SizeRows());
    layout->addWidget(OkCancelButtons(this, [this] { Confirm(); }));
    AfterConstruction();
    if (!FHasImage) reject();
}

TNewSizeDialog::~TNewSizeDialog() { BeforeDestruction(); }

void TNewSizeDialog::LoadSettings() {
    const TPoint size = Ini().ReadPoint("Size", OldSize());
    NEWidth->SetValue(size.X);
    NEHeight->SetValue(size.Y);
}

void TNewSizeDialog::SaveSettings() {
    if (result() == QDialog::Accepted) Ini().WritePoint("Size", NewSize());
}

bool TNewSizeDialog::Confirm() {
    TEditContext& doc = FApp.Edit();
    const TDib* image = doc.Dib();
    if (!image || !SizeValid()) return false;
    const TPoint size = NewSize();
    std::unique_ptr<TDib> result;
    try {
        result = TDib::CreateResized(*image, size);
        // The new area takes the secondary colour; the old pixels are copied over it again.
        const int index = std::clamp(doc.Color2Index(), 0, std::max(0, image->Colors() - 1));
        const TPoint old = image->GetSize();
        for (int y = 0; y < size.Y; ++y) {
            const int from = y < old.Y ? std::min(old.X, size.X) : 0;
            std::memset(result->ScanLine(y) + from, index, static_cast<size_t>(size.X - from));
        }
        doc.Undo().AddNewDib("Cambia Dimensione Immagine");
    } catch (const EAbort&) {
        return false;
    } catch (const std::exception& e) {
        ShowErrorBox(this, ErrorText(e));
        return false;
    }
    doc.SetDib(std::move(result));
    accept();
    return true;
}

}  // namespace pixmo
