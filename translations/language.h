#pragma once
// The language people read: the program's catalogue (the source texts are Italian with some
// Japanese and English; the catalogues make them one language) and Qt's own, so that file
// dialogs and Sì/No/Annulla speak the same language.
#include <QStringList>

class QCoreApplication;
class QTranslator;

namespace pixmo {

enum class TLanguage { Italian, English };

// "Lingua" (kLanguageAuto, kLanguageItalian, kLanguageEnglish): Automatica takes the first of
// the user's languages (QLocale's reading of LANGUAGE, LC_ALL, LC_MESSAGES, LANG) that has a
// catalogue, and Italian when none has.
TLanguage ChooseLanguage(int setting, const QStringList& uiLanguages);

// Our catalogue of `language`, installed; null when it cannot be loaded.
QTranslator* InstallCatalogue(QCoreApplication& app, TLanguage language);
// Qt's own catalogue of `language`, installed once; false when it is not on this machine
// (Debian package qt6-translations-l10n), where Qt's dialogs stay in English.
bool InstallQtCatalogue(QCoreApplication& app, TLanguage language);
inline bool InstallQtItalian(QCoreApplication& app) { return InstallQtCatalogue(app, TLanguage::Italian); }
// Both catalogues, and dates and numbers in Qt's dialogs in that language too.
void InstallLanguage(QCoreApplication& app, TLanguage language);
// The language InstallLanguage put in effect; Italian before it runs (the source texts).
TLanguage LanguageInEffect();

}  // namespace pixmo
