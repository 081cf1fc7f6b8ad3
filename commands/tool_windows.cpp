#include "commands/tool_windows.h"

#include <QtGlobal>
#include <algorithm>
#include <string>
#include <vector>

#include "palette/window/palette_form.h"
#include "uikit/help_window.h"
#include "uikit/placement.h"
#include "view/app_context.h"
#include "windows/animation_form.h"
#include "windows/option_form.h"
#include "windows/pen_form.h"
#include "windows/place_form.h"
#include "windows/shift_form.h"
#include "windows/text_form.h"
#include "windows/tool_form.h"

namespace pixmo {

namespace {
template <class TForm>
TDibForm* Make(TAppContext& app, QWidget* owner) {
    return new TForm(app, owner);
}

TDibForm* MakeOptionForm(TAppContext& app, QWidget* owner) { return new TOptionForm(app, app.ToolOptions(), owner); }

using C = THelpContext;
using B = TWindowBirth;
const TToolWindowEntry kWindows[] = {
    {"MIShowToolBox", QT_TRANSLATE_NOOP("pixmo::TMainForm", "&Strumenti"), "ToolForm", C::ToolBox, "toolbox.html", 1, B::AfterReopen, Make<TToolForm>},
    {"MIShowOption", QT_TRANSLATE_NOOP("pixmo::TMainForm", "&Opzioni"), "OptionForm", C::Options, "options.html", 2, B::FirstUse, MakeOptionForm},
    {"MIShowPen", QT_TRANSLATE_NOOP("pixmo::TMainForm", "&Matita"), "PenForm", C::Pen, "pen.html", 0, B::FirstUse, Make<TPenForm>},
    {"MIShowPlace", QT_TRANSLATE_NOOP("pixmo::TMainForm", "&Navigatore"), "PlaceForm", C::Navigator, "navigator.html", 3, B::FirstUse, Make<TPlaceForm>},
    {"MIShowPalette", QT_TRANSLATE_NOOP("pixmo::TMainForm", "Palette"), "PaletteForm", C::Palette, "palette.html", 4, B::Start, Make<TPaletteForm>},
    {"MIShowAnimation", QT_TRANSLATE_NOOP("pixmo::TMainForm", "&Animazione"), "AnimationForm", C::Animation, "animation.html", 5, B::Start,
     Make<TAnimationForm>},
    {"MIShowText", QT_TRANSLATE_NOOP("pixmo::TMainForm", "&Testo"), "TextForm", C::Text, "text.html", 6, B::FirstUse, Make<TTextForm>},
    {"MIShowShift", QT_TRANSLATE_NOOP("pixmo::TMainForm", "Muovi &Immagine"), "ShiftForm", C::Shift, "shift.html", 7, B::FirstUse, Make<TShiftForm>},
};
}  // namespace

std::span<const TToolWindowEntry> ToolWindowEntries() { return kWindows; }

const TToolWindowEntry* ToolWindowEntry(const std::string& menuItem) {
    for (const TToolWindowEntry& e : kWindows)
        if (menuItem == e.MenuItem) return &e;
    return nullptr;
}

TDibForm* TToolWindowSet::Window(const std::string& menuItem, bool make) {
    const TToolWindowEntry* entry = ToolWindowEntry(menuItem);
    if (!entry) return nullptr;
    TDibForm*& form = FWindows[entry->MenuItem];
    if (!form && make) {
        form = entry->Make(FApp, FOwner);
        SetHelpContext(form, entry->Help);
    }
    return form;
}

void TToolWindowSet::MakeAtStart() {
    for (const TToolWindowEntry& w : kWindows)
        if (w.Birth == TWindowBirth::Start) Window(w.MenuItem, true);
}

void TToolWindowSet::ReopenAtStart() {
    std::vector<const TToolWindowEntry*> order;
    for (const TToolWindowEntry& w : kWindows) order.push_back(&w);
    std::sort(order.begin(), order.end(), [](auto* a, auto* b) { return a->ReopenRank < b->ReopenRank; });
    for (const TToolWindowEntry* w : order)
        if (PlacementSaysOpen(FApp.Ini(), w->Section)) Window(w->MenuItem, true)->show();
    for (const TToolWindowEntry& w : kWindows)
        if (w.Birth == TWindowBirth::AfterReopen) Window(w.MenuItem, true);
}

}  // namespace pixmo
