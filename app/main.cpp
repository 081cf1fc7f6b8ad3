// Pixmo3: start-up. The formats and the settings file first, then the title, the main window
// with its settings and first document, the tool windows that were open, and the message
// loop until the main window closes.
#include <QApplication>
#include <QElapsedTimer>
#include <QIcon>
#include <QImage>
#include <QLocale>
#include <QPixmap>
#include <QTimer>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "commands/main_form.h"
#include "formats/install_formats.h"
#include "resources/icon/app_icon.h"
#include "settings/main_keys.h"
#include "settings/params.h"
#include "settings/settings_location.h"
#include "translations/language.h"
#include "view/app_context.h"
#include "view/paint_client.h"

namespace {

// The icon's pixel grid, enlarged by whole pixels for each size a window manager asks for.
QIcon AppIcon() {
    QImage grid(pixmo::kAppIconSide, pixmo::kAppIconSide, QImage::Format_ARGB32);
    for (int y = 0; y < pixmo::kAppIconSide; ++y)
        for (int x = 0; x < pixmo::kAppIconSide; ++x)
            grid.setPixel(x, y, pixmo::AppIconColour(pixmo::kAppIconRows[static_cast<size_t>(y)][x]));
    QIcon icon;
    for (int scale : {1, 2, 3, 4, 8, 16}) icon.addPixmap(QPixmap::fromImage(grid.scaled(grid.size() * scale)));
    return icon;
}

}  // namespace

int main(int argc, char** argv) {
    QElapsedTimer clock;
    clock.start();
    QApplication app(argc, argv);
    QApplication::setApplicationName("Pixmo3");
    // No display name: the X11 window title would get " — Pixmo3" appended to the caption.
    pixmo::InstallFormats();
    QApplication::setWindowIcon(AppIcon());

    // Qt has taken its own options out of the arguments by now.
    std::vector<std::string> args;
    const QStringList arguments = QApplication::arguments();
    for (qsizetype i = 1; i < arguments.size(); ++i) args.push_back(arguments[i].toStdString());
    const std::string iniName = pixmo::SettingsFileName(pixmo::CurrentProgramPath(argv[0]));

    pixmo::TAppContext context(iniName, pixmo::TParams(args));
    // Before any window exists: every text is built in the chosen language.
    pixmo::InstallLanguage(app, pixmo::ChooseLanguage(pixmo::ReadMainSettings(context.Ini()).Language,
                                                      QLocale::system().uiLanguages()));
    int result = 0;
    {
        pixmo::TMainForm form(context);
        form.Start();
        form.OpenToolWindowsAtStart();
        if (!form.isVisible()) form.show();
        form.activateWindow();
        form.Client()->setFocus();
        if (std::getenv("PIXMO3_STARTUP_TIMING")) {
            QTimer::singleShot(0, &form, [&clock] {
                std::fprintf(stderr, "pixmo3: window shown after %lld ms\n", static_cast<long long>(clock.elapsed()));
            });
        }
        result = QApplication::exec();
    }
    return result;
}
