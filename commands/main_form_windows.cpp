// The Window menu: each item toggles its tool window, made the first time it is wanted; the
// palette and animation windows are made at start-up and live until the end.
#include "commands/main_form.h"
#include "palette/window/palette_form.h"
#include "uikit/placement.h"
#include "view/app_context.h"
#include "view/paint_client.h"
#include "windows/animation_form.h"
#include "windows/option_form.h"
#include "windows/pen_form.h"
#include "windows/place_form.h"
#include "windows/shift_form.h"
#include "windows/text_form.h"
#include "windows/tool_form.h"

namespace pixmo {

TDibForm* TMainForm::ToolWindow(const std::string& item, bool create) {
    if (item == "MIShowOption") {
        if (!FOptionForm && create) FOptionForm = new TOptionForm(App(), App().ToolOptions(), this);
        return FOptionForm;
    }
    if (item == "MIShowToolBox") {
        if (!FToolForm && create) FToolForm = new TToolForm(App(), this);
        return FToolForm;
    }
    if (item == "MIShowPen") {
        if (!FPenForm && create) FPenForm = new TPenForm(App(), this);
        return FPenForm;
    }
    if (item == "MIShowPlace") {
        if (!FPlaceForm && create) FPlaceForm = new TPlaceForm(App(), this);
        return FPlaceForm;
    }
    if (item == "MIShowShift") {
        if (!FShiftForm && create) FShiftForm = new TShiftForm(App(), this);
        return FShiftForm;
    }
    if (item == "MIShowPalette") {
        if (!FPaletteForm && create) FPaletteForm = new TPaletteForm(App(), this);
        return FPaletteForm;
    }
    if (item == "MIShowText") {
        if (!FTextForm && create) FTextForm = new TTextForm(App(), this);
        return FTextForm;
    }
    if (item == "MIShowAnimation") {
        if (!FAnimationForm && create) FAnimationForm = new TAnimationForm(App(), this);
        return FAnimationForm;
    }
    return nullptr;
}

void TMainForm::OpenToolWindowsAtStart() {
    // Settings section and Window menu item, in the order the windows are reopened.
    static const char* const kOrder[][2] = {
        {"PenForm", "MIShowPen"},     {"ToolForm", "MIShowToolBox"},    {"OptionForm", "MIShowOption"},
        {"PlaceForm", "MIShowPlace"}, {"PaletteForm", "MIShowPalette"}, {"AnimationForm", "MIShowAnimation"},
        {"TextForm", "MIShowText"},   {"ShiftForm", "MIShowShift"},
    };
    for (const auto& [section, item] : kOrder) {
        if (!PlacementSaysOpen(App().Ini(), section)) continue;
        if (TDibForm* form = ToolWindow(item, true)) form->show();
    }
    // The tool box is made at start-up even when hidden: it follows the current tool.
    ToolWindow("MIShowToolBox", true);
}

void TMainForm::ShowClick(const std::string& item) {
    TDibForm* form = ToolWindow(item, true);
    if (!form) return;
    if (form->isMinimized()) {
        form->showNormal();
    } else if (form->isVisible()) {
        form->hide();
        activateWindow();
        if (Client()) Client()->setFocus();
    } else {
        form->show();
    }
    if (QAction* a = Item(item)) a->setChecked(form->isVisible());
}

}  // namespace pixmo
