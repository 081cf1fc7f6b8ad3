// The language chosen at start-up and its catalogues; Qt's own buttons speak Italian once
// Qt's catalogue is installed, as the close query shows.
#include <gtest/gtest.h>

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTranslator>

#include "settings/main_keys.h"

#include "translations/core_text.h"
#include "translations/language.h"

namespace pixmo {
namespace {

TEST(QtItalian, TheCloseQuerysButtonsReadSiNoAnnulla) {
    if (!InstallQtItalian(*qApp)) GTEST_SKIP() << "Qt's Italian catalogue is not installed (qt6-translations-l10n)";
    QMessageBox box(QMessageBox::Question, "Pixmo3", "?", QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
    auto text = [&](QMessageBox::StandardButton b) { return box.button(b)->text().remove('&'); };
    EXPECT_EQ(text(QMessageBox::Yes), QString::fromUtf8("Sì"));
    EXPECT_EQ(text(QMessageBox::No), "No");
    EXPECT_EQ(text(QMessageBox::Cancel), "Annulla");
}

// "Lingua" decides when set; Automatica takes the first of the user's languages we have a
// catalogue for, whatever its region or spelling, and Italian when there is none.
TEST(Language, TheSettingOverridesTheLocaleWhichFallsBackToItalian) {
    const auto it = TLanguage::Italian, en = TLanguage::English;
    EXPECT_EQ(ChooseLanguage(kLanguageItalian, {"en-US"}), it);
    EXPECT_EQ(ChooseLanguage(kLanguageEnglish, {"it-IT"}), en);
    EXPECT_EQ(ChooseLanguage(kLanguageEnglish, {}), en);
    EXPECT_EQ(ChooseLanguage(kLanguageAuto, {"en-GB", "en"}), en);
    EXPECT_EQ(ChooseLanguage(kLanguageAuto, {"en_US"}), en);
    EXPECT_EQ(ChooseLanguage(kLanguageAuto, {"it-CH"}), it);
    EXPECT_EQ(ChooseLanguage(kLanguageAuto, {"de-DE", "EN"}), en);
    EXPECT_EQ(ChooseLanguage(kLanguageAuto, {"de-DE", "fr"}), it);
    EXPECT_EQ(ChooseLanguage(kLanguageAuto, {"C"}), it);
    EXPECT_EQ(ChooseLanguage(kLanguageAuto, {}), it);
    EXPECT_EQ(ChooseLanguage(7, {"en"}), en);  // a value the settings reader would not pass
}

// The catalogues are compiled in: English turns the menus' source texts into English, the
// Italian one mends the texts that were not Italian.
TEST(Language, TheCataloguesAreInTheProgram) {
    QTranslator* en = InstallCatalogue(*qApp, TLanguage::English);
    ASSERT_NE(en, nullptr);
    EXPECT_EQ(QCoreApplication::translate("pixmo::TMainForm", "Salva con &Nome..."), "Save &As...");
    EXPECT_EQ(QCoreApplication::translate("pixmo::Tools", "Secchiello"), "Fill Bucket");
    // A core message is translated first and filled in after, so the numbers survive.
    EPixmoError error(Msg(PIXMO_MSG("pixmo::Core", "Dimensioni non valide: %1 x %2"), 0, -3));
    EXPECT_STREQ(error.what(), "Dimensioni non valide: 0 x -3");
    EXPECT_EQ(ErrorText(error), "Invalid size: 0 x -3");
    // For the converter's streams the arguments keep their bytes, UTF-8 or not.
    EXPECT_EQ(CoreTextBytes(Msg(PIXMO_MSG("pixmo::Core", "Dimensioni non valide: %1 x %2"), "\xff", 2)),
              "Invalid size: \xff x 2");
    EXPECT_EQ(ErrorText(std::runtime_error("50% %1")), "50% %1");
    QCoreApplication::removeTranslator(en);
    QTranslator* it = InstallCatalogue(*qApp, TLanguage::Italian);
    ASSERT_NE(it, nullptr);
    EXPECT_EQ(QCoreApplication::translate("pixmo::TMainForm", "Zoom In"), "Ingrandisci");
    EXPECT_EQ(QCoreApplication::translate("pixmo::TMainForm", "&Apri..."), "&Apri...");
    QCoreApplication::removeTranslator(it);
    EXPECT_EQ(QCoreApplication::translate("pixmo::TMainForm", "Zoom In"), "Zoom In");
}

}  // namespace
}  // namespace pixmo
