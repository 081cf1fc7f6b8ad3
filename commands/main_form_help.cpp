// The Help menu: our own help window and the About box.
#include "commands/main_form.h"
#include "uikit/about_box.h"
#include "uikit/help_window.h"

namespace pixmo {

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
