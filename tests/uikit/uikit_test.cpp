// The UI kit: stored shortcuts, file filters, number fields, the colour-count panel's
// settings, the help pages and the dialog hooks.
#include <gtest/gtest.h>

#include <QApplication>
#include <QTextBrowser>
#include <QTranslator>

#include "support/test_support.h"
#include "uikit/about_box.h"
#include "uikit/dialog_hooks.h"
#include "uikit/help_window.h"
#include "uikit/num_color_dialog.h"
#include "uikit/number_edit.h"
#include "translations/language.h"
#include "uikit/shortcut_keys.h"

namespace pixmo::test {

TEST(ShortcutKeysTest, StoredValuesAndKeySequences) {
    EXPECT_EQ(ShortcutToKeySequence(16463), QKeySequence("Ctrl+O"));
    EXPECT_EQ(ShortcutToKeySequence('Z'), QKeySequence("Z"));
    EXPECT_EQ(ShortcutToKeySequence(115), QKeySequence("F4"));
    EXPECT_EQ(ShortcutToKeySequence(46), QKeySequence(Qt::Key_Delete));
    EXPECT_EQ(ShortcutToKeySequence(32768 + '1'), QKeySequence("Alt+1"));
    EXPECT_EQ(ShortcutToKeySequence(219), QKeySequence("["));
    EXPECT_EQ(ShortcutToKeySequence(189), QKeySequence("-"));  // the main row's minus
    // Shift types a digit on a French keyboard: the key is the digit alone.
    EXPECT_EQ(KeySequenceToShortcut(QKeySequence(Qt::SHIFT | Qt::Key_1)), '1');
    EXPECT_TRUE(ShortcutToKeySequence(0).isEmpty());
    EXPECT_TRUE(ShortcutToKeySequence(7).isEmpty());       // no such key
    EXPECT_TRUE(ShortcutToKeySequence(-16463).isEmpty());
    EXPECT_TRUE(ShortcutToKeySequence(1 << 20).isEmpty());
    EXPECT_EQ(KeySequenceToShortcut(QKeySequence("Ctrl+O")), 16463);
    EXPECT_EQ(KeySequenceToShortcut(QKeySequence("Shift+Ctrl+Alt+F12")), 123 + 8192 + 16384 + 32768);
    EXPECT_EQ(KeySequenceToShortcut(QKeySequence("]")), 221);
    EXPECT_EQ(KeySequenceToShortcut(QKeySequence("Ctrl+A, B")), 0);
}

TEST(DialogHooksTest, FiltersDefaultExtensionsAndHooks) {
    EXPECT_EQ(QtFilter("File Immagine|*.bmp;*.png|Tutti i File (*.*)|*.*"),
              "File Immagine (*.bmp *.png);;Tutti i File (*.*) (*.*)");
    EXPECT_EQ(WithDefaultExt("/a/b", "bmp"), "/a/b.bmp");
    EXPECT_EQ(WithDefaultExt("/a/b.png", "bmp"), "/a/b.png");
    std::vector<QString> seen;
    {
        TMessageHookScope hook([&](const TMessageRequest& r) {
            seen.push_back(r.Text);
            return TMsgResult::No;
        });
        EXPECT_EQ(ShowMessageBox(nullptr, {TMsgKind::Question, TMsgButtons::YesNoCancel, {}, "q"}), TMsgResult::No);
        ShowErrorBox(nullptr, "e");
    }
    EXPECT_EQ(seen, (std::vector<QString>{"q", "e"}));
}

TEST(NumberEditTest, ValueOnlyWithinBoundsAndTheMessage) {
    TNumberEdit edit("NEElse", "Numero Colore", 2, 256, 64);
    EXPECT_EQ(edit.Value(), 64);
    edit.setText("256");
    EXPECT_EQ(edit.Value(), 256);
    for (const char* bad : {"1", "257", "", "x", "2x", "99999999999"}) {
        edit.setText(bad);
        EXPECT_FALSE(edit.IsValid()) << bad;
    }
    std::vector<QString> seen;
    TMessageHookScope hook([&](const TMessageRequest& r) {
        seen.push_back(r.Text);
        return TMsgResult::Ok;
    });
    EXPECT_FALSE(edit.Check());
    ASSERT_EQ(seen.size(), 1u);
    EXPECT_EQ(seen[0], QString::fromUtf8("Numero Coloreは 2 から 256 の間にして下さい"));
}

namespace {
// The most derived dialog finishes the construction.
class TColorCountDialog : public TNumColorDialog {
public:
    TColorCountDialog(TIni& ini) : TNumColorDialog(ini, "NewColorDialog", "Numero Massimo di Colori") {
        AfterConstruction();
    }
    ~TColorCountDialog() override { BeforeDestruction(); }
};
}  // namespace

TEST(NumColorDialogTest, KeepsElsePaletteAndLastAndEnablesByChoice) {
    const std::string dir = MakeTempDir();
    TIni ini(dir + "/p.ini");
    {
        TColorCountDialog dialog(ini);
        dialog.RBElse->setChecked(true);
        EXPECT_TRUE(dialog.NEElse->isEnabled());
        EXPECT_FALSE(dialog.EDPalette->isEnabled());
        dialog.NEElse->setText("100");
        EXPECT_EQ(dialog.ColorCount(), 100);
        dialog.EDPalette->setText("/x/p.bmp");
        dialog.RB16->setChecked(true);
        EXPECT_EQ(dialog.ColorCount(), 16);
        dialog.RBPalette->setChecked(true);
        EXPECT_EQ(dialog.ColorCount(), 0);
    }
    ini.Section = "NewColorDialog";
    EXPECT_EQ(ini.ReadString("Else", ""), "100");
    EXPECT_EQ(ini.ReadString("Palette", ""), "/x/p.bmp");
    EXPECT_EQ(ini.ReadString("Last", ""), "RBPalette");
    TColorCountDialog again(ini);
    EXPECT_TRUE(again.RBPalette->isChecked());
    EXPECT_EQ(again.NEElse->text(), "100");
    EXPECT_TRUE(again.EDPalette->isEnabled());
    EXPECT_FALSE(again.NEElse->isEnabled());
}

// The range message is one text: each catalogue puts the field's name and the bounds where
// its language wants them.
TEST(NumColorDialogTest, TheRangeMessageInEachCatalogue) {
    TIni ini(MakeTempDir() + "/p.ini");
    for (auto [language, text] : {std::pair{TLanguage::English, "Number of Colours must be between 2 and 256"},
                                  std::pair{TLanguage::Italian, "Numero di Colori deve essere tra 2 e 256"}}) {
        QTranslator* catalogue = InstallCatalogue(*qApp, language);
        ASSERT_NE(catalogue, nullptr);
        TColorCountDialog dialog(ini);
        EXPECT_EQ(dialog.NEElse->RangeMessage(), text);
        QCoreApplication::removeTranslator(catalogue);
    }
}

TEST(HelpWindowTest, EveryContextHasABundledPage) {
    THelpWindow help;
    for (int context : {0, -1, 5, 8, 9, 10, 11, 12, 13, 14, 16, 17, 29, 30, 999}) {
        help.ShowContext(static_cast<THelpContext>(context));
        EXPECT_FALSE(help.Browser()->toPlainText().isEmpty()) << context;
    }
    help.ShowContext(THelpContext::ZoomMenu);
    EXPECT_TRUE(help.Browser()->toPlainText().contains("Ingrandimento"));
    EXPECT_EQ(THelpWindow::PageFor(static_cast<THelpContext>(999)), "qrc:/help/index.html");
    TAboutBox about;
    EXPECT_TRUE(TAboutBox::Text().contains("Pixmo3"));
}

}  // namespace pixmo::test
