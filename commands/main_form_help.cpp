// The Help menu: our own help window and the About box; the help contexts of the menus and
// the F1 key that opens the page of the active window.
#include <QMenu>

#include "commands/help_pictures.h"
#include "commands/main_form.h"
#include "uikit/about_box.h"
#include "uikit/help_window.h"

namespace pixmo {

namespace {
struct TMenuContext {
    const char* Menu;
    int Context;
};
constexpr TMenuContext kMenuContexts[] = {
    {"MIFile", 8}, {"MIEdit", 9}, {"MIIcon", 9}, {"MISelect", 10}, {"MIShow", 11},
    {"MIZoom", 12}, {"MISetting", 13}, {"MIHelp", 29},
};
}  // namespace

void TMainForm::InstallHelp() {
    for (const TMenuContext& m : kMenuContexts)
        if (QMenu* menu = Menu(m.Menu)) menu->setProperty("helpContext", m.Context);
    InstallHelpPictures();
    InstallHelpKey(this, [this](int context) { ShowHelpContext(context); });
}

void TMainForm::MIHelpContentsClick() {
    if (!FHelp) FHelp = new THelpWindow(this);
    FHelp->ShowContext(kHelpContents);
}

void TMainForm::MIHelpOnHelpClick() {
    if (!FHelp) FHelp = new THelpWindow(this);
    FHelp->ShowContext(kHelpOnHelp);
}

void TMainForm::MIHelpAboutClick() {
    TAboutBox box(this);
    box.exec();
}

}  // namespace pixmo
