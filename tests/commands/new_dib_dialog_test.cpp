// The new-image dialog: presets, the colour choice, refusals, the palette it gives, the
// history and the fill with the secondary colour.
#include <QApplication>
#include <QTest>
#include <QTimer>

#include "commands/new_dib_dialog.h"
#include "edit/undo.h"
#include "main_form_fixture.h"
#include "view/paint_client.h"

namespace pixmo::test {

TEST_F(MainFormTest, NewImageWithoutImageGetsTheDefaultPaletteAndTheSecondaryFill) {
    Build();
    {
        TNewDibDialog dialog(*FApp);
        EXPECT_EQ(dialog.windowTitle(), "Nuova Pagina");
        EXPECT_EQ(dialog.WidthEdit->text(), "640");
        EXPECT_TRUE(dialog.RB2->isChecked());
        EXPECT_FALSE(dialog.NEElse->isEnabled());
        dialog.WidthEdit->setText("12");
        dialog.HeightEdit->setText("5");
        dialog.RB16->setChecked(true);
        ASSERT_TRUE(dialog.Confirm());
        EXPECT_EQ(dialog.result(), QDialog::Accepted);
    }
    const TDib* image = Doc().Dib();
    ASSERT_NE(image, nullptr);
    EXPECT_EQ(image->Width(), 12);
    EXPECT_EQ(image->Colors(), 16);
    EXPECT_EQ(image->GetColor(0), RGB(0, 0, 0));
    EXPECT_EQ(image->GetColor(1), RGB(255, 255, 255));
    // Secondary colour index 1 by default: every pixel is entry 1.
    EXPECT_EQ(ToGrid(*image)[0], "############");
    EXPECT_EQ(Doc().FileName(), "");
    EXPECT_FALSE(Doc().Modified());
    EXPECT_EQ(ShownCaption(*FForm), "Pixmo3 - None [12x5 16] Col");

    // The choice is remembered for next time.
    TNewDibDialog again(*FApp);
    EXPECT_TRUE(again.RB16->isChecked());
    ASSERT_EQ(again.LBHistory->count(), 1);
    EXPECT_EQ(again.LBHistory->item(0)->text(), "12x5 16co");
}

TEST_F(MainFormTest, NewImageClickIntoADisabledFieldChoosesItAndTypesThere) {
    Build();
    TNewDibDialog dialog(*FApp);
    EXPECT_EQ(dialog.RBElse->text(), "Altro");
    EXPECT_EQ(dialog.RBPalette->text(), "Palette");
    dialog.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
    dialog.activateWindow();
    dialog.HeightEdit->setFocus();
    ASSERT_FALSE(dialog.NEElse->isEnabled());
    QTest::mouseClick(&dialog, Qt::LeftButton, {}, dialog.NEElse->geometry().center() + dialog.NEElse->parentWidget()->mapTo(&dialog, QPoint()));
    EXPECT_TRUE(dialog.RBElse->isChecked());
    EXPECT_TRUE(dialog.NEElse->hasFocus());
    QTest::keyClicks(QApplication::focusWidget(), "32");
    EXPECT_EQ(dialog.NEElse->text(), "32");
    EXPECT_NE(dialog.HeightEdit->text(), "48032");
}

TEST_F(MainFormTest, NewImageStartsWithEntryZeroTransparentWhenAskedAndRemembersIt) {
    Build();
    auto confirm = [this] {
        TNewDibDialog dialog(*FApp);
        EXPECT_EQ(dialog.CBTransparent->text(), "Colore 0 Trasparente");
        dialog.show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&dialog));
        const bool was = dialog.CBTransparent->isChecked();
        QTest::mouseClick(dialog.CBTransparent, Qt::LeftButton, {}, QPoint(6, dialog.CBTransparent->height() / 2));
        EXPECT_TRUE(dialog.Confirm());
        return was;
    };
    EXPECT_FALSE(confirm());
    EXPECT_EQ(Doc().Dib()->Alphas(), (std::vector<uint8_t>{0}));
    Destroy();
    Build();
    EXPECT_TRUE(confirm());  // kept in the settings; clicked off now
    EXPECT_TRUE(Doc().Dib()->Alphas().empty());
}

// A disabled button keeps a press to itself: the "..." and recent-files buttons still choose
// "Palette" as the field beside them does, and open nothing on that press.
TEST_F(MainFormTest, NewImagePressOnADisabledButtonChoosesItsOption) {
    Build();
    TNewDibDialog dialog(*FApp);
    dialog.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
    for (QWidget* button : std::initializer_list<QWidget*>{dialog.BTPalette, dialog.SBPalettes}) {
        dialog.RB16->setChecked(true);
        ASSERT_FALSE(button->isEnabled());
        QTest::mouseClick(button, Qt::LeftButton);
        EXPECT_TRUE(dialog.RBPalette->isChecked()) << button->objectName().toStdString();
        EXPECT_TRUE(dialog.EDPalette->hasFocus());
    }
    EXPECT_TRUE(FFileRequests.empty());
}

TEST_F(MainFormTest, NewImagePresetsFromTheOpenImageAndCopiesItsEntries) {
    TMainForm& form = Build();
    form.OpenFile(WriteImage("a.bmp", 16, 20, 10));
    Doc().Dib()->SetColor(3, RGB(1, 2, 3));
    TNewDibDialog dialog(*FApp);
    EXPECT_EQ(dialog.WidthEdit->text(), "20");
    EXPECT_EQ(dialog.HeightEdit->text(), "10");
    EXPECT_TRUE(dialog.RB16->isChecked());
    dialog.RB256->setChecked(true);
    ASSERT_TRUE(dialog.Confirm());
    EXPECT_EQ(Doc().Dib()->Colors(), 256);
    EXPECT_EQ(Doc().Dib()->GetColor(3), RGB(1, 2, 3));
    EXPECT_NE(Doc().Undo().GetUndoCaption().find("Nuova Pagina"), std::string::npos);
}

TEST_F(MainFormTest, NewImageRefusesBadNumbersAndStaysOpen) {
    Build();
    TNewDibDialog dialog(*FApp);
    dialog.RBElse->setChecked(true);
    EXPECT_TRUE(dialog.NEElse->isEnabled());
    dialog.NEElse->setText("300");
    EXPECT_EQ(dialog.ColorCount(), 0);
    EXPECT_FALSE(dialog.Confirm());
    ASSERT_EQ(FBoxes.size(), 1u);
    EXPECT_EQ(FBoxes[0].Text, QString::fromUtf8("Numero Coloreは 2 から 256 の間にして下さい"));
    EXPECT_EQ(Doc().Dib(), nullptr);

    dialog.NEElse->setText("64");
    dialog.WidthEdit->setText("4001");
    EXPECT_FALSE(dialog.Confirm());
    EXPECT_EQ(FBoxes.back().Text, QString::fromUtf8("Larghezzaは 1 から 4000 の間にして下さい"));
    dialog.WidthEdit->setText("abc");
    EXPECT_FALSE(dialog.Confirm());
    EXPECT_EQ(Doc().Dib(), nullptr);
    dialog.WidthEdit->setText("3");
    EXPECT_TRUE(dialog.Confirm());
    EXPECT_EQ(Doc().Dib()->Colors(), 64);
}

TEST_F(MainFormTest, NewImageHistoryEntriesPresetTheDialog) {
    EXPECT_EQ(ParseHistoryEntry("32x32 16co"), (std::array<int, 3>{32, 32, 16}));
    EXPECT_EQ(ParseHistoryEntry("40x8"), (std::array<int, 3>{40, 8, 0}));
    EXPECT_EQ(ParseHistoryEntry(""), (std::array<int, 3>{0, 0, 0}));
    EXPECT_EQ(ParseHistoryEntry("99999999999x1"), (std::array<int, 3>{INT32_MAX, 1, 0}));
    {
        TIni ini(Path("pixmo3.ini"));
        ini.Section = "LBHistory";
        ini.WriteInteger("C", 2);
        ini.WriteString("S0", "32x32 16co");
        ini.WriteString("S1", "40x8");
    }
    Build();
    TNewDibDialog dialog(*FApp);
    dialog.RB256->setChecked(true);
    dialog.LBHistory->setCurrentRow(1);
    EXPECT_EQ(dialog.WidthEdit->text(), "40");
    EXPECT_EQ(dialog.HeightEdit->text(), "8");
    EXPECT_TRUE(dialog.RB256->isChecked());
    dialog.LBHistory->setCurrentRow(0);
    EXPECT_EQ(dialog.WidthEdit->text(), "32");
    EXPECT_TRUE(dialog.RB16->isChecked());
}

TEST_F(MainFormTest, NewImageFromAPaletteFile) {
    Build();
    auto palette = TDib::Create(2, 2, 4);
    palette->SetColor(2, RGB(10, 20, 30));
    palette->SaveToFile(Path("pal.bmp"));
    TNewDibDialog dialog(*FApp);
    EXPECT_FALSE(dialog.EDPalette->isEnabled());
    dialog.RBPalette->setChecked(true);
    EXPECT_TRUE(dialog.EDPalette->isEnabled());
    dialog.EDPalette->setText(QString::fromStdString(Path("pal.bmp")));
    dialog.WidthEdit->setText("6");
    dialog.HeightEdit->setText("6");
    ASSERT_TRUE(dialog.Confirm());
    EXPECT_EQ(Doc().Dib()->Colors(), 4);
    EXPECT_EQ(Doc().Dib()->GetColor(2), RGB(10, 20, 30));
    EXPECT_EQ(dialog.LBHistory->item(0)->text(), "6x6");
    EXPECT_EQ(dialog.SBPalettes->Recent()[0], Path("pal.bmp"));

    // An unreadable palette file: an error box, the dialog stays.
    TNewDibDialog second(*FApp);
    second.RBPalette->setChecked(true);
    second.EDPalette->setText(QString::fromStdString(Path("none.bmp")));
    EXPECT_FALSE(second.Confirm());
    EXPECT_EQ(FBoxes.size(), 1u);
}

TEST_F(MainFormTest, FileNewRunsTheDialog) {
    TMainForm& form = Build();
    // A modal dialog answered as soon as it shows.
    QTimer::singleShot(0, [] {
        for (QWidget* w : QApplication::topLevelWidgets())
            if (auto* d = qobject_cast<TNewDibDialog*>(w)) {
                d->WidthEdit->setText("7");
                d->HeightEdit->setText("3");
                d->OKButton->click();
            }
    });
    form.Item("MIFileNew")->trigger();
    ASSERT_NE(Doc().Dib(), nullptr);
    EXPECT_EQ(Doc().Dib()->Width(), 7);
}

}  // namespace pixmo::test
