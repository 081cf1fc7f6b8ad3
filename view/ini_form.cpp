#include "view/ini_form.h"

#include <QCloseEvent>
#include <exception>

#include "image/errors.h"
#include "uikit/core_text.h"
#include "uikit/dialog_hooks.h"
#include "uikit/placement.h"

namespace pixmo {

TIniForm::TIniForm(TIni& ini, const QString& name, bool isMainWindow, QWidget* parent,
                   Qt::WindowFlags flags)
    : QWidget(parent, flags), FIni(ini), FIsMainWindow(isMainWindow) {
    setObjectName(name);
    setMinimumWidth(1);
}

TIniForm::~TIniForm() { BeforeDestruction(); }

void TIniForm::Report(const std::exception& e) { ShowErrorBox(this, ErrorText(e)); }

void TIniForm::LoadPlacement() {
    TSectionScope scope(FIni, SectionName());
    // Showing happens in there: the window must not then be put beside its owner.
    FHasPlacement = true;
    FHasPlacement = pixmo::LoadPlacement(*this, FIni, TPlacementRules{FSizeable, FDesignedSize, !FIsMainWindow});
}

void TIniForm::SavePlacement() {
    // A window never shown has no place of its own to keep (it would come back at the
    // screen's corner): what is stored stays.
    if (!FShown) return;
    TSectionScope scope(FIni, SectionName());
    if (!FFrozen) {
        pixmo::SavePlacement(*this, FIni);
        return;
    }
    try {
        FIni.WritePlacement(*FFrozen);
    } catch (const std::exception&) {
    }
}

void TIniForm::FreezePlacement() { FFrozen = WindowPlacement(*this); }

void TIniForm::AfterConstruction() {
    if (FConstructed) return;
    FConstructed = true;
    LoadPlacement();
    try {
        TSectionScope scope(FIni, SectionName());
        LoadSettings();
    } catch (const EAbort&) {
    } catch (const std::exception& e) {
        Report(e);
    }
}

void TIniForm::BeforeDestruction() {
    if (!FConstructed || FDestroyed) return;
    FDestroyed = true;
    SavePlacement();
    try {
        TSectionScope scope(FIni, SectionName());
        SaveSettings();
    } catch (const EAbort&) {
    } catch (const std::exception& e) {
        Report(e);
    }
}

void TIniForm::showEvent(QShowEvent* event) {
    if (!FShown && !FHasPlacement && !FIsMainWindow && parentWidget()) PlaceBeside(*this, *parentWidget()->window());
    FShown = true;
    QWidget::showEvent(event);
}

void TIniForm::closeEvent(QCloseEvent* event) {
    if (FIsMainWindow) {
        QWidget::closeEvent(event);
        return;
    }
    hide();
    event->ignore();
}

}  // namespace pixmo
