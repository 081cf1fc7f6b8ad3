// The Help menu: our own help window and the About box; the help contexts of the menus and
// the F1 key that opens the page of the active window.
#include <QMenu>

#include "commands/help_pictures.h"
#include "commands/main_form.h"
#include "commands/tool_windows.h"
#include "uikit/about_box.h"
#include "uikit/help_window.h"

namespace pixmo {

namespace {
using C = THelpContext;
struct TMenuContext {
    const char* Menu;
    THelpContext Context;
};
constexpr TMenuContext kMenuContexts[] = {
    {"MIFile", C::FileMenu},     {"MIEdit", C::EditMenu},       {"MIIcon", C::EditMenu},
    {"MISelect", C::SelectMenu}, {"MIShow", C::WindowMenu},     {"MIZoom", C::ZoomMenu},
    {"MISetting", C::SettingMenu}, {"MIHelp", C::HelpMenu},
};
}  // namespace

void TMainForm::InstallHelp() {
    for (const TMenuContext& m : kMenuContexts)
        if (QMenu* menu = Menu(m.Menu)) SetHelpContext(menu, m.Context);
    for (const TToolWindowEntry& w : ToolWindowEntries()) RegisterHelpPage(w.Help, w.GuidePage);
    InstallHelpPictures();
    InstallHelpKey(this, [this](THelpContext context) { ShowHelpContext(context); });
}

void TMainForm::MIHelpContentsClick() {
    if (!FHelp) FHelp = new THelpWindow(this);
    FHelp->ShowContext(THelpContext::Contents);
}

void TMainForm::MIHelpOnHelpClick() {
    if (!FHelp) FHelp = new THelpWindow(this);
    FHelp->ShowContext(THelpContext::OnHelp);
}

void TMainForm::MIHelpAboutClick() {
    TAboutBox box(this);
    box.exec();
}

void TMainForm::ShowHelpContext(THelpContext context) {
    if (!FHelp) FHelp = new THelpWindow(this);
    FHelp->ShowContext(context);
}

}  // namespace pixmo
