#pragma once
// THelpWindow: the program's own help, short HTML pages bundled with it and chosen by help
// context (5 the main window, 8 … 13 and 29 the menus, 14 the edit pop-up, 16 and 17 the
// settings pages, 30 the common strings, 40 … 47 the tool windows). Unknown contexts show
// the contents. Pages show the program's own pictures through "glyph:NAME" addresses.
#include <QImage>
#include <QTextBrowser>
#include <QWidget>
#include <functional>
#include <optional>

namespace pixmo {

inline constexpr int kHelpContents = 0;
inline constexpr int kHelpOnHelp = -1;
inline constexpr int kHelpToolBox = 40;
inline constexpr int kHelpOptions = 41;
inline constexpr int kHelpPen = 42;
inline constexpr int kHelpNavigator = 43;
inline constexpr int kHelpPalette = 44;
inline constexpr int kHelpAnimation = 45;
inline constexpr int kHelpText = 46;
inline constexpr int kHelpShift = 47;

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
    void ShowContext(int context);
    // The page a context opens ("qrc:/help/file.html").
    static QString PageFor(int context);
    // Every context that has a page of its own.
    static QList<int> Contexts();
    QTextBrowser* Browser() const { return FBrowser; }

private:
    QTextBrowser* FBrowser;
    bool FPlaced = false;
};

// The help context of the window holding `widget` (its "helpContext" property; a pop-up menu
// without one asks the menu it opened from), or none.
std::optional<int> HelpContextOf(const QWidget* widget);

// From now on F1 in a window that has a help context calls `show` with it; windows without
// one (the key dialogs, which refuse F1 as a shortcut) get the key as before. Ends with `owner`.
void InstallHelpKey(QObject* owner, std::function<void(int)> show);

}  // namespace pixmo
