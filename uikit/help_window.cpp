#include "uikit/help_window.h"

#include "uikit/placement.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QVBoxLayout>
#include <vector>

// Resources of a static library are registered by name, outside any namespace.
static void InitHelpResources() { Q_INIT_RESOURCE(help); }

namespace pixmo {

namespace {
using C = THelpContext;
struct TPage {
    THelpContext Context;
    const char* File;
};

constexpr TPage kPages[] = {
    {C::Contents, "index.html"},        {C::OnHelp, "help_on_help.html"},
    {C::MainWindow, "main_window.html"}, {C::FileMenu, "file.html"},
    {C::EditMenu, "edit.html"},         {C::SelectMenu, "select.html"},
    {C::WindowMenu, "window.html"},     {C::ZoomMenu, "zoom.html"},
    {C::SettingMenu, "settings.html"},  {C::EditPopup, "popup.html"},
    {C::SettingsMain, "settings_main.html"}, {C::SettingsMenu, "settings_menu.html"},
    {C::HelpMenu, "help_on_help.html"}, {C::CommonStrings, "main_window.html"},
};

// The pages of the tool windows, from their table.
std::vector<TPage>& RegisteredPages() {
    static std::vector<TPage> pages;
    return pages;
}

constexpr char kContextProperty[] = "helpContext";

THelpPictureSource& PictureSource() {
    static THelpPictureSource source;
    return source;
}

class THelpKeyFilter : public QObject {
public:
    THelpKeyFilter(QObject* owner, std::function<void(THelpContext)> show) : QObject(owner), FShow(std::move(show)) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::KeyPress || !watched->isWidgetType()) return false;
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() != Qt::Key_F1 || key->modifiers() != Qt::NoModifier) return false;
        const std::optional<THelpContext> context = HelpContextOf(static_cast<QWidget*>(watched));
        if (!context) return false;
        // An open menu holds the keyboard and would keep the page behind it.
        while (QWidget* popup = QApplication::activePopupWidget()) popup->close();
        FShow(*context);
        return true;
    }

private:
    std::function<void(THelpContext)> FShow;
};
}  // namespace

void SetHelpPictureSource(THelpPictureSource source) { PictureSource() = std::move(source); }

void RegisterHelpPage(THelpContext context, const char* file) {
    for (TPage& p : RegisteredPages())
        if (p.Context == context) {
            p.File = file;
            return;
        }
    RegisteredPages().push_back({context, file});
}

QVariant THelpBrowser::loadResource(int type, const QUrl& name) {
    if (name.scheme() == "glyph") {
        const THelpPictureSource& source = PictureSource();
        const QImage image = source ? source(name.path()) : QImage();
        return image.isNull() ? QVariant() : QVariant(image);
    }
    return QTextBrowser::loadResource(type, name);
}

THelpWindow::THelpWindow(QWidget* parent) : QWidget(parent, Qt::Window) {
    InitHelpResources();
    setObjectName("HelpWindow");
    setWindowTitle(tr("Pixmo3 - Aiuto"));
    SetHelpContext(this, THelpContext::OnHelp);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    FBrowser = new THelpBrowser(this);
    FBrowser->setOpenLinks(true);
    FBrowser->setSearchPaths({":/help"});
    layout->addWidget(FBrowser);
    resize(620, 560);
}

QString THelpWindow::PageRoot(TLanguage language) {
    return language == TLanguage::English ? ":/help/en" : ":/help";
}

QString THelpWindow::PageFor(THelpContext context, TLanguage language) {
    const QString root = "qrc" + PageRoot(language) + "/";
    for (const TPage& p : kPages)
        if (p.Context == context) return root + p.File;
    for (const TPage& p : RegisteredPages())
        if (p.Context == context) return root + p.File;
    return root + "index.html";
}

QList<THelpContext> THelpWindow::Contexts() {
    QList<THelpContext> contexts;
    for (const TPage& p : kPages) contexts << p.Context;
    for (const TPage& p : RegisteredPages()) contexts << p.Context;
    return contexts;
}

void THelpWindow::ShowContext(THelpContext context) {
    FBrowser->setSource(QUrl(PageFor(context, FLanguage)));
    // Over the program's window the first time, never past the screen's edge.
    if (!isVisible() && !FPlaced && parentWidget()) {
        PlaceCentred(*this, *parentWidget()->window());
        FPlaced = true;
    }
    if (isMinimized()) showNormal();
    else show();
    raise();
    activateWindow();
}

void SetHelpContext(QWidget* widget, THelpContext context) {
    widget->setProperty(kContextProperty, static_cast<int>(context));
}

std::optional<THelpContext> HelpContextOf(const QWidget* widget) {
    for (const QWidget* w = widget; w; w = w->parentWidget()) {
        const QVariant context = w->property(kContextProperty);
        if (context.isValid()) return static_cast<THelpContext>(context.toInt());
        // A window ends the search, except a pop-up menu: its page is its parent menu's.
        if (w->isWindow() && !qobject_cast<const QMenu*>(w)) break;
    }
    return std::nullopt;
}

void InstallHelpKey(QObject* owner, std::function<void(THelpContext)> show) {
    qApp->installEventFilter(new THelpKeyFilter(owner, std::move(show)));
}

}  // namespace pixmo
