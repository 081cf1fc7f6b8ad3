#include "uikit/ini_dialog.h"

#include <exception>

#include "image/errors.h"
#include "uikit/core_text.h"
#include "uikit/dialog_hooks.h"
#include "uikit/placement.h"

namespace pixmo {

TIniDialog::TIniDialog(TIni& ini, const QString& name, QWidget* parent) : QDialog(parent), FIni(ini) {
    setObjectName(name);
}

TIniDialog::~TIniDialog() { BeforeDestruction(); }

void TIniDialog::AfterConstruction() {
    if (FConstructed) return;
    FConstructed = true;
    TSectionScope scope(FIni, SectionName());
    // A dialog is shown by its caller: only the position is taken from "Place", once its
    // layout has given it a size.
    if (auto stored = FIni.ReadPlacement()) {
        const TRect& r = stored->Normal;
        if (r.Right - r.Left > 0 && r.Bottom - r.Top > 0) FStoredCorner = QPoint(r.Left, r.Top);
    }
    try {
        LoadSettings();
    } catch (const EAbort&) {
    } catch (const std::exception& e) {
        ShowErrorBox(this, ErrorText(e));
    }
}

void TIniDialog::showEvent(QShowEvent* event) {
    if (FStoredCorner) {
        adjustSize();
        PlaceAt(*this, *FStoredCorner);
        FStoredCorner.reset();
    }
    QDialog::showEvent(event);
}

void TIniDialog::BeforeDestruction() {
    if (!FConstructed || FDestroyed) return;
    FDestroyed = true;
    TSectionScope scope(FIni, SectionName());
    TPlacement p = WindowPlacement(*this);
    p.Show = kShowHidden;
    try {
        FIni.WritePlacement(p);
        SaveSettings();
    } catch (const EAbort&) {
    } catch (const std::exception& e) {
        ShowErrorBox(this, ErrorText(e));
    }
}

}  // namespace pixmo
