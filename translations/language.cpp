#include "translations/language.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include "settings/main_keys.h"

namespace pixmo {

namespace {

TLanguage& InEffect() {
    static TLanguage language = TLanguage::Italian;
    return language;
}

QLocale LocaleOf(TLanguage language) {
    return language == TLanguage::English ? QLocale(QLocale::English, QLocale::UnitedStates)
                                          : QLocale(QLocale::Italian, QLocale::Italy);
}

}  // namespace

TLanguage ChooseLanguage(int setting, const QStringList& uiLanguages) {
    if (setting == kLanguageItalian) return TLanguage::Italian;
    if (setting == kLanguageEnglish) return TLanguage::English;
    for (const QString& name : uiLanguages) {
        const QString code = name.section('-', 0, 0).section('_', 0, 0).toLower();
        if (code == "it") return TLanguage::Italian;
        if (code == "en") return TLanguage::English;
    }
    return TLanguage::Italian;
}

QTranslator* InstallCatalogue(QCoreApplication& app, TLanguage language) {
    auto* translator = new QTranslator(&app);
    const QString name = language == TLanguage::English ? "pixmo3_en" : "pixmo3_it";
    if (!translator->load(name, ":/i18n")) {
        delete translator;
        return nullptr;
    }
    QCoreApplication::installTranslator(translator);
    return translator;
}

bool InstallQtCatalogue(QCoreApplication& app, TLanguage language) {
    static QTranslator* installed = nullptr;
    if (installed) return true;
    auto* translator = new QTranslator(&app);
    if (!translator->load(LocaleOf(language), "qtbase", "_", QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        delete translator;
        return false;
    }
    QCoreApplication::installTranslator(translator);
    installed = translator;
    return true;
}

void InstallLanguage(QCoreApplication& app, TLanguage language) {
    InEffect() = language;
    InstallCatalogue(app, language);
    InstallQtCatalogue(app, language);
    // Dates and numbers in Qt's dialogs follow the language of the program too; a user's own
    // locale of that language (en_GB, it_CH) keeps its conventions.
    const QLocale system = QLocale::system();
    QLocale::setDefault(system.language() == LocaleOf(language).language() ? system : LocaleOf(language));
}

TLanguage LanguageInEffect() { return InEffect(); }

}  // namespace pixmo
