#pragma once
// THelpWindow: the program's own help, short HTML pages bundled with it and chosen by help
// context (5 the main window, 8 … 13 and 29 the menus, 14 the edit pop-up, 16 and 17 the
// settings pages, 30 the common strings). Unknown contexts show the contents.
#include <QTextBrowser>
#include <QWidget>

namespace pixmo {

inline constexpr int kHelpContents = 0;
inline constexpr int kHelpOnHelp = -1;

class THelpWindow : public QWidget {
    Q_OBJECT
public:
    explicit THelpWindow(QWidget* parent = nullptr);

    // Shows the page of a help context and brings the window up.
    void ShowContext(int context);
    // The page a context opens ("qrc:/help/file.html").
    static QString PageFor(int context);
    QTextBrowser* Browser() const { return FBrowser; }

private:
    QTextBrowser* FBrowser;
    bool FPlaced = false;
};

}  // namespace pixmo
