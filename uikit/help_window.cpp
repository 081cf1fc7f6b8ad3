#include "uikit/help_window.h"

#include "uikit/placement.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMenu>
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
    {14, "popup.html"},            {16, "settings_main.html"},         {17, "settings_menu.html"},
    {29, "help_on_help.html"},     {30, "main_window.html"},           {kHelpToolBox, "toolbox.html"},
    {kHelpOptions, "options.html"}, {kHelpPen, "pen.html"},            {kHelpNavigator, "navigator.html"},
    {kHelpPalette, "palette.html"}, {kHelpAnimation, "animation.html"}, {kHelpText, "text.html"},
    {kHelpShift, "shift.html"},
};

THelpPictureSource& PictureSource() {
    static THelpPictureSource source;
    return source;
}

class THelpKeyFilter : public QObject {
public:
    THelpKeyFilter(QObject* owner, std::function<void(int)> show) : QObject(owner), FShow(std::move(show)) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::KeyPress || !watched->isWidgetType()) return false;
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() != Qt::Key_F1 || key->modifiers() != Qt::NoModifier) return false;
        const std::optional<int> context = HelpContextOf(static_cast<QWidget*>(watched));
        if (!context) return false;
        // An open menu holds the keyboard and would keep the page behind it.
        while (QWidget* popup = QApplication::activePopupWidget()) popup->close();
        FShow(*context);
        return true;
    }

private:
    std::function<void(int)> FShow;
};
}  // namespace

void SetHelpPictureSource(THelpPictureSource source) { PictureSource() = std::move(source); }

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
    setWindowTitle("Pixmo3 - Aiuto");
    setProperty("helpContext", kHelpOnHelp);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    FBrowser = new THelpBrowser(this);
    FBrowser->setOpenLinks(true);
    FBrowser->setSearchPaths({":/help"});
    layout->addWidget(FBrowser);
    resize(620, 560);
}

QString THelpWindow::PageFor(int context) {
    for (const TPage& p : kPages)
        if (p.Context == context) return QString("qrc:/help/") + p.File;
    return "qrc:/help/index.html";
}

QList<int> THelpWindow::Contexts() {
    QList<int> contexts;
    for (const TPage& p : kPages) contexts << p.Context;
    return contexts;
}

void THelpWindow::ShowContext(int context) {
    FBrowser->setSource(QUrl(PageFor(context)));
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

std::optional<int> HelpContextOf(const QWidget* widget) {
    for (const QWidget* w = widget; w; w = w->parentWidget()) {
        const QVariant context = w->property("helpContext");
        if (context.isValid()) return context.toInt();
        // A window ends the search, except a pop-up menu: its page is its parent menu's.
        if (w->isWindow() && !qobject_cast<const QMenu*>(w)) break;
    }
    return std::nullopt;
}

void InstallHelpKey(QObject* owner, std::function<void(int)> show) {
    qApp->installEventFilter(new THelpKeyFilter(owner, std::move(show)));
}

}  // namespace pixmo
