// Qt's own buttons speak Italian once the catalogue is installed, as the close query shows.
#include <gtest/gtest.h>

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>

#include "uikit/qt_translation.h"

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

}  // namespace
}  // namespace pixmo
