#pragma once
// THelpWindow: the program's own help, short HTML pages bundled with it and chosen by help
// context (help_context.h). The tool windows' pages are registered by the windows' table.
// Unknown contexts show the contents. Pages show the program's own pictures through
// "glyph:NAME" addresses. Each language has its own set of pages under its own root, with the
// same names; links inside a page stay in its language.
#include <QImage>
#include <QTextBrowser>
#include <QWidget>
#include <functional>
#include <optional>

#include "uikit/help_context.h"
#include "translations/language.h"

namespace pixmo {

// Adds the page ("pen.html") of a context that the bundled list does not know.
void RegisterHelpPage(THelpContext context, const char* file);

// Draws the picture named after "glyph:" (a null image for an unknown name). The pictures
// belong to higher layers, which register their source at start-up.
using THelpPictureSource = std::function<QImage(const QString& name)>;
void SetHelpPictureSource(THelpPictureSource source);

// The pages' browser: "glyph:" addresses come from the picture source, the rest as usual.
class THelpBrowser : public QTextBrowser {
    Q_OBJECT
public:
    using QTextBrowser::QTextBrowser;
    QVariant loadResource(int type, const QUrl& name) override;
};

class THelpWindow : public QWidget {
    Q_OBJECT
public:
    explicit THelpWindow(QWidget* parent = nullptr);

    // Shows the page of a help context and brings the window up.
    void ShowContext(THelpContext context);
    // The pages' language: the program's unless told otherwise.
    void SetLanguage(TLanguage language) { FLanguage = language; }
    // The folder of a language's pages (":/help", ":/help/en").
    static QString PageRoot(TLanguage language);
    // The page a context opens ("qrc:/help/file.html", "qrc:/help/en/file.html").
    static QString PageFor(THelpContext context, TLanguage language = LanguageInEffect());
    // Every context that has a page of its own.
    static QList<THelpContext> Contexts();
    QTextBrowser* Browser() const { return FBrowser; }

private:
    QTextBrowser* FBrowser;
    TLanguage FLanguage = LanguageInEffect();
    bool FPlaced = false;
};

// Gives a window, menu or control the help context that F1 opens in it.
void SetHelpContext(QWidget* widget, THelpContext context);
// The help context of the window holding `widget` (a pop-up menu without one asks the menu
// it opened from), or none.
std::optional<THelpContext> HelpContextOf(const QWidget* widget);

// From now on F1 in a window that has a help context calls `show` with it; windows without
// one (the key dialogs, which refuse F1 as a shortcut) get the key as before. Ends with `owner`.
void InstallHelpKey(QObject* owner, std::function<void(THelpContext)> show);

}  // namespace pixmo
