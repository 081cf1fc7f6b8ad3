// The shortcut-key dialogs over a small menu of their own: the key of one item, the table of
// all keys, and the modifier roles with their conflict marks.
#include <gtest/gtest.h>

#include <QTest>
#include <QTranslator>
#include <memory>

#include "support/test_support.h"
#include "uikit/key_dialog.h"
#include "translations/language.h"
#include "uikit/set_key_dialog.h"

namespace pixmo::test {

namespace {
class KeyDialogsTest : public ::testing::Test {
protected:
    void SetUp() override {
        FIni = std::make_unique<TIni>(MakeTempDir() + "/p.ini");
        FFile.setTitle("&File");
        Add(&FFile, "MIFileNew", "&Nuovo...", "Ctrl+N");
        Add(&FFile, "MIFileOpen", "&Apri...", "Ctrl+O");
        FFile.addSeparator()->setObjectName("MSFile");
        QMenu* sub = FFile.addMenu("&Icona");
        Add(sub, "MISaveAsIcon", "&Salva come Icona...", "Ctrl+N");
        FFile.addAction("/tmp/recent.bmp");  // no name: never listed
        FKey.setTitle("Key");
        Add(&FKey, "MIZoomIn", "Zoom In", "Z");
    }

    void Add(QMenu* menu, const char* name, const char* caption, const char* key) {
        QAction* a = FItems[name] = menu->addAction(QString::fromUtf8(caption));
        a->setObjectName(name);
        a->setShortcut(QKeySequence(key));
    }
    QString Key(const char* name) { return FItems[name]->shortcut().toString(); }
    QList<QMenu*> Menus() { return {&FKey, &FFile}; }

    std::unique_ptr<TIni> FIni;
    QMenu FKey;
    QMenu FFile;
    std::map<std::string, QAction*> FItems;
};

const QString kRefused = QString::fromUtf8("F1 non può essere usato perchè è il tasto di Aiuto");
}  // namespace

TEST_F(KeyDialogsTest, KeyDialogRefusesF1AndOkTakesTheKeyFromEveryOtherItem) {
    EXPECT_FALSE(TKeyDialog::CanEdit(FFile.actions()[2]));  // separator
    EXPECT_FALSE(TKeyDialog::CanEdit(FFile.actions().last()));  // no name
    {
        TKeyDialog dialog(*FIni, FItems["MIFileOpen"], Menus());
        EXPECT_EQ(dialog.windowTitle(), QString::fromUtf8("Apri...のショートカット"));
        EXPECT_EQ(dialog.EDKey->text(), "Ctrl+O");
        QTest::keyClick(dialog.EDKey, Qt::Key_F1);
        QTest::keyClick(dialog.EDKey, Qt::Key_F1, Qt::ShiftModifier);
        EXPECT_EQ(dialog.LBMessage->text(), kRefused);
        EXPECT_EQ(dialog.EDKey->text(), "Ctrl+O");
        QTest::keyClick(dialog.EDKey, Qt::Key_N, Qt::ControlModifier);
        EXPECT_EQ(dialog.EDKey->text(), "Ctrl+N");
        EXPECT_EQ(dialog.LBMessage->text(), "Nuovo...");
        dialog.OkButton->click();
        EXPECT_EQ(dialog.result(), QDialog::Accepted);
    }
    EXPECT_EQ(Key("MIFileOpen"), "Ctrl+N");
    EXPECT_EQ(Key("MIFileNew"), "");
    EXPECT_EQ(Key("MISaveAsIcon"), "");
    EXPECT_EQ(Key("MIZoomIn"), "Z");

    // "Pulisci" then OK leaves the item without a key.
    TKeyDialog dialog(*FIni, FItems["MIZoomIn"], Menus());
    dialog.ClearButton->click();
    EXPECT_EQ(dialog.EDKey->text(), "");
    dialog.OkButton->click();
    EXPECT_EQ(Key("MIZoomIn"), "");
}

TEST_F(KeyDialogsTest, ShortcutTableAssignsAtOnceRefusesF1AndCountsSharedKeys) {
    TShiftStateSettings roles;
    TSetKeyDialog dialog(*FIni, Menus(), roles);
    ASSERT_EQ(dialog.LBParents->count(), 2);
    EXPECT_EQ(dialog.LBParents->item(1)->text(), "File");
    dialog.LBParents->setCurrentRow(1);
    ASSERT_EQ(dialog.LBShortCuts->count(), 3);  // no separator, sub-menu or unnamed item
    EXPECT_EQ(dialog.LBShortCuts->item(2)->text(), "Salva come Icona...");
    EXPECT_EQ(dialog.LBShortCuts->item(1)->data(TSetKeyDialog::kKeyTextRole).toString(), "Ctrl+O");

    dialog.LBShortCuts->setCurrentRow(1);
    QTest::keyClick(dialog.LBShortCuts, Qt::Key_F1);
    EXPECT_EQ(dialog.LBMessage->text(), kRefused);
    EXPECT_EQ(Key("MIFileOpen"), "Ctrl+O");
    // A modifier alone changes nothing; the whole combination does, at once.
    QTest::keyClick(dialog.LBShortCuts, Qt::Key_Alt, Qt::AltModifier);
    EXPECT_EQ(Key("MIFileOpen"), "Ctrl+O");
    QTest::keyClick(dialog.LBShortCuts, Qt::Key_Z, Qt::AltModifier);
    EXPECT_EQ(Key("MIFileOpen"), "Alt+Z");
    EXPECT_EQ(dialog.LBMessage->text(), "The item which has the same shortcut : 2 individual");
    QTest::keyClick(dialog.LBShortCuts, Qt::Key_Z);  // now shared with "Zoom In" in another menu
    EXPECT_EQ(dialog.LBShortCuts->item(1)->data(TSetKeyDialog::kKeyTextRole).toString(), "Z");
    EXPECT_EQ(dialog.LBMessage->text(), "The item which has the same shortcut : 3 individual");
    dialog.CancelButton->click();
    EXPECT_EQ(Key("MIFileOpen"), "Z");
}

TEST_F(KeyDialogsTest, RolesMarkConflictsOkWritesThemQuadratoAtOnceAndThePageIsKept) {
    TShiftStateSettings roles;
    {
        TSetKeyDialog dialog(*FIni, Menus(), roles);
        QListWidget* list = dialog.LBShift;
        ASSERT_EQ(list->count(), 5);
        EXPECT_EQ(list->item(1)->text(), "Reprod.choice ");
        EXPECT_EQ(list->item(1)->data(TSetKeyDialog::kKeyTextRole).toString(), "Ctrl+Alt");
        // Move (Ctrl) set to Shift: Add holds Shift already, both are marked.
        list->setCurrentRow(0);
        QTest::keyPress(list, Qt::Key_Shift);
        QTest::keyRelease(list, Qt::Key_Shift);
        EXPECT_EQ(list->item(0)->data(TSetKeyDialog::kKeyTextRole).toString(), "Shift");
        EXPECT_EQ(list->item(0)->data(TSetKeyDialog::kMarkRole).toString(), "X");
        EXPECT_EQ(list->item(2)->data(TSetKeyDialog::kMarkRole).toString(), "X");
        EXPECT_EQ(list->item(4)->data(TSetKeyDialog::kMarkRole).toString(), "");
        QTest::keyClick(list, Qt::Key_A, Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier);
        EXPECT_EQ(list->item(0)->data(TSetKeyDialog::kKeyTextRole).toString(), "Shift+Ctrl+Alt");
        EXPECT_EQ(list->item(2)->data(TSetKeyDialog::kMarkRole).toString(), "");
        // On "Quadrato" the key itself counts and is written at once.
        dialog.LBRect->setCurrentRow(2);
        QTest::keyClick(dialog.LBRect, Qt::Key_Alt, Qt::AltModifier);
        EXPECT_EQ(roles.Snap, 2);
        dialog.PageControl->setCurrentIndex(3);
        dialog.CancelButton->click();
    }
    EXPECT_EQ(roles.Move, 4);
    EXPECT_EQ(roles.Snap, 2);

    TSetKeyDialog dialog(*FIni, Menus(), roles);
    EXPECT_EQ(dialog.PageControl->currentIndex(), 3);
    EXPECT_EQ(dialog.PageControl->tabText(3), "Quadrato");
    dialog.LBRShift->setCurrentRow(0);
    QTest::keyClick(dialog.LBRShift, Qt::Key_Control, Qt::ControlModifier);
    dialog.OkButton->click();
    EXPECT_EQ(roles.Scroll, 4);
}

// Texts with numbers and names in them are whole sentences in the catalogue.
TEST_F(KeyDialogsTest, TheirTextsReadWholeInEnglish) {
    QTranslator* en = InstallCatalogue(*qApp, TLanguage::English);
    ASSERT_NE(en, nullptr);
    {
        TKeyDialog dialog(*FIni, FItems["MIFileOpen"], Menus());
        EXPECT_EQ(dialog.windowTitle(), "Shortcut for Apri...");
        QTest::keyClick(dialog.EDKey, Qt::Key_F1);
        EXPECT_EQ(dialog.LBMessage->text(), "F1 cannot be used: it is the Help key");
    }
    TShiftStateSettings roles;
    TSetKeyDialog dialog(*FIni, Menus(), roles);
    EXPECT_EQ(dialog.LBRect->item(0)->text(), "Square Selection");
    dialog.LBParents->setCurrentRow(1);
    dialog.LBShortCuts->setCurrentRow(1);
    QTest::keyClick(dialog.LBShortCuts, Qt::Key_N, Qt::ControlModifier);
    EXPECT_EQ(dialog.LBMessage->text(), "Items sharing a shortcut with another: 3");
    QCoreApplication::removeTranslator(en);
}

}  // namespace pixmo::test
