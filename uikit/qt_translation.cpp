#include "uikit/qt_translation.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace pixmo {

bool InstallQtItalian(QCoreApplication& app) {
    static QTranslator* installed = nullptr;
    if (installed) return true;
    auto* translator = new QTranslator(&app);
    if (!translator->load(QLocale(QLocale::Italian, QLocale::Italy), "qtbase", "_",
                          QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        delete translator;
        return false;
    }
    QCoreApplication::installTranslator(translator);
    installed = translator;
    // Dates and numbers in Qt's dialogs follow the language of the program too.
    QLocale::setDefault(QLocale(QLocale::Italian, QLocale::Italy));
    return true;
}

}  // namespace pixmo
