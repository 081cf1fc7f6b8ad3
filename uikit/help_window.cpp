#include "uikit/help_window.h"

#include "uikit/placement.h"

#include <QFile>
#include <QVBoxLayout>

// Resources of a static library are registered by name, outside any namespace.
static void InitHelpResources() { Q_INIT_RESOURCE(help); }

namespace pixmo {

namespace {
struct TPage {
    int Context;
    const char* File;
};

constexpr TPage kPages[] = {
    {kHelpContents, "index.html"}, {kHelpOnHelp, "help_on_help.html"}, {5, "main_window.html"},
    {8, "file.html"},              {9, "edit.html"},                   {10, "select.html"},
    {11, "window.html"},           {12, "zoom.html"},                  {13, "settings.html"},
    {14, "edit.html"},             {16, "settings_main.html"},         {17, "settings_menu.html"},
    {29, "help_on_help.html"},     {30, "main_window.html"},
};
}  // namespace

THelpWindow::THelpWindow(QWidget* parent) : QWidget(parent, Qt::Window) {
    InitHelpResources();
    setObjectName("HelpWindow");
    setWindowTitle("Pixmo3 - Aiuto");
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    FBrowser = new QTextBrowser(this);
    FBrowser->setOpenLinks(true);
    FBrowser->setSearchPaths({":/help"});
    layout->addWidget(FBrowser);
    resize(520, 460);
}

QString THelpWindow::PageFor(int context) {
    for (const TPage& p : kPages)
        if (p.Context == context) return QString("qrc:/help/") + p.File;
    return "qrc:/help/index.html";
}

void THelpWindow::ShowContext(int context) {
    FBrowser->setSource(QUrl(PageFor(context)));
    // Over the program's window the first time, never past the screen's edge.
    if (!isVisible() && !FPlaced && parentWidget()) {
        PlaceCentred(*this, *parentWidget()->window());
        FPlaced = true;
    }
    show();
    raise();
    activateWindow();
}

}  // namespace pixmo
