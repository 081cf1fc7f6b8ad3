// The image-size and drawing-settings dialogs, and the key menu's quarter turns: each control
// through the real dialog, taking effect at once and again after a restart.
#include <QApplication>
#include <QTest>
#include <QTimer>

#include "commands/edit_popup_menu.h"
#include "commands/new_size_dialog.h"
#include "commands/setting_dialog.h"
#include "edit/selection.h"
#include "edit/undo.h"
#include "image/file_format.h"
#include "settings/main_keys.h"
#include "main_form_fixture.h"
#include "uikit/help_window.h"
#include "view/paint_client.h"
#include "view/scroller.h"
#include "view/status_panel.h"

namespace pixmo::test {

namespace {

// Runs `answer` on the settings dialog as soon as it shows.
void AnswerSettingDialog(std::function<void(TSettingDialog&)> answer) {
    QTimer::singleShot(0, [answer] {
        for (QWidget* w : QApplication::topLevelWidgets())
            if (auto* d = qobject_cast<TSettingDialog*>(w); d && d->isVisible()) answer(*d);
    });
}

QStringList Captions(const QListWidget* list) {
    QStringList out;
    for (int i = 0; i < list->count(); ++i) out << list->item(i)->text();
    return out;
}

}  // namespace

TEST_F(MainFormTest, ImageSizePadsWithTheSecondaryColourCropsAndUndoesInOneStep) {
    Build();
    Doc().SetDibFile(FromGrid({".#23", "4567"}, 16), Path("a.bmp"));
    Doc().RestoreColorIndices(0, 9);
    Doc().Dib()->SetAlphas({255, 0});  // a transparent entry goes along, and comes back on undo
    {
        TNewSizeDialog dialog(*FApp);
        EXPECT_EQ(dialog.windowTitle(), "Dimensioni Immagine");
        EXPECT_EQ(dialog.LBOldWidth->text(), "4");
        dialog.NEWidth->setText("6");
        dialog.NEHeight->setText("3");
        ASSERT_TRUE(dialog.Confirm());
    }
    EXPECT_EQ(ToGrid(*Doc().Dib()), (std::vector<std::string>{".#2399", "456799", "999999"}));
    EXPECT_EQ(Doc().FileName(), Path("a.bmp"));
    EXPECT_EQ(Doc().Dib()->Colors(), 16);
    EXPECT_NE(Doc().Undo().GetUndoCaption().find("Cambia Dimensione Immagine"), std::string::npos);
    {
        TNewSizeDialog dialog(*FApp);  // "Size" presets the last choice
        EXPECT_EQ(dialog.NEWidth->text(), "6");
        dialog.NEWidth->setText("2");
        dialog.NEHeight->setText("1");
        ASSERT_TRUE(dialog.Confirm());
    }
    EXPECT_EQ(ToGrid(*Doc().Dib()), (std::vector<std::string>{".#"}));
    EXPECT_EQ(Doc().Dib()->TransparentEntry(), 1);
    FForm->MIEditUndoClick();
    FForm->MIEditUndoClick();
    EXPECT_EQ(ToGrid(*Doc().Dib()), (std::vector<std::string>{".#23", "4567"}));
    EXPECT_EQ(Doc().Dib()->TransparentEntry(), 1);
    // A size out of range is refused with the field's message and changes nothing.
    TNewSizeDialog dialog(*FApp);
    dialog.NEWidth->setText("0");
    EXPECT_FALSE(dialog.Confirm());
    ASSERT_EQ(FBoxes.size(), 1u);
    EXPECT_TRUE(FBoxes[0].Text.startsWith("Larghezza"));
    EXPECT_EQ(Doc().Dib()->Width(), 4);
}

TEST_F(MainFormTest, DrawingSettingsTakeEffectOnOkAndAfterARestart) {
    TMainForm& form = Build();
    Doc().SetDib(FromGrid({".#23", "4567"}, 16));
    AnswerSettingDialog([](TSettingDialog& d) {
        EXPECT_EQ(d.PageControl->currentIndex(), 0);
        EXPECT_EQ(d.NEUndoBuffer->text(), "10");
        d.DotLineWidth->setText("8");
        d.DotLineHeight->setText("16");
        d.DotLineVisible->setChecked(false);
        d.RGMeasureType->button(2)->setChecked(true);
        d.IconMaskColor->button(1)->setChecked(true);
        d.NEUndoBuffer->setText("25");
        d.CBShowStatusBar->setChecked(false);
        d.CBShowScroller->setChecked(false);
        d.CBAutoScroll->setChecked(false);
        d.CBAskWhenDestroy->setChecked(false);
        d.CBBackup->setChecked(true);
        d.EDBackupDir->setText("/tmp/bak");
        EXPECT_TRUE(d.CBShowTransparency->isChecked());
        d.CBShowTransparency->setChecked(false);
        d.OkButton->click();
    });
    form.Item("MISetPixmo")->trigger();
    auto check = [this](TMainForm& f) {
        TPaintClient* client = f.Client();
        EXPECT_EQ(client->UnitX(), 8);
        EXPECT_EQ(client->UnitY(), 16);
        EXPECT_FALSE(client->ShowUnitGrid());
        EXPECT_EQ(client->GridMode(), 2);
        EXPECT_TRUE(FApp->Settings().PixmoIconMaskBottomLeftPixel);
        EXPECT_EQ(Doc().UndoLimit(), 25000000);
        EXPECT_TRUE(f.StatusBar()->isHidden());
        EXPECT_FALSE(client->Scroller().Visible());
        EXPECT_FALSE(client->AutoScroll());
        EXPECT_FALSE(FApp->Settings().AskWhenDestroy);
        EXPECT_TRUE(FApp->Settings().Backup);
        EXPECT_EQ(FApp->Settings().BackupDir, "/tmp/bak");
        EXPECT_FALSE(client->ShowTransparency());
    };
    check(form);
    Destroy();
    check(Build());

    // Annulla drops every change; an invalid spacing keeps the dialog open with its message.
    AnswerSettingDialog([](TSettingDialog& d) {
        d.DotLineWidth->setText("321");
        d.OkButton->click();
        EXPECT_TRUE(d.isVisible());
        d.CBShowStatusBar->setChecked(true);
        d.CancelButton->click();
    });
    FForm->Item("MISetPixmo")->trigger();
    ASSERT_EQ(FBoxes.size(), 1u);
    EXPECT_TRUE(FBoxes[0].Text.contains("320"));
    EXPECT_TRUE(FForm->StatusBar()->isHidden());
    EXPECT_EQ(FForm->Client()->UnitX(), 8);
}

// "Compressione PNG": Normale at first; the level clicked is what the next save writes, and
// it is kept after a restart.
TEST_F(MainFormTest, PngCompressionChoosesWhatSavingWritesAndIsKept) {
    TMainForm& form = Build();
    const auto image = FromGrid({"0123", "4567", "0000", "4567"}, 16);
    auto levelFile = [&](TPngLevel level) {
        TSaveOptions options;
        options.Png = level;
        image->SaveToFile(Path("want.png"), options);
        return ReadFileBytes(Path("want.png"));
    };
    AnswerSettingDialog([](TSettingDialog& d) {
        EXPECT_TRUE(d.RGPngCompression->button(1)->isChecked());
        EXPECT_EQ(d.RGPngCompression->button(2)->text(), "Massima");
        QTest::mouseClick(d.RGPngCompression->button(2), Qt::LeftButton);
        QTest::mouseClick(d.OkButton, Qt::LeftButton);
    });
    form.Item("MISetPixmo")->trigger();
    Doc().SetDib(TDib::CreateClone(*image));
    form.SaveFile(Path("saved.png"));
    EXPECT_EQ(ReadFileBytes(Path("saved.png")), levelFile(TPngLevel::Max));
    EXPECT_NE(levelFile(TPngLevel::Max), levelFile(TPngLevel::Normal));
    Destroy();

    TMainForm& again = Build();
    AnswerSettingDialog([](TSettingDialog& d) {
        EXPECT_TRUE(d.RGPngCompression->button(2)->isChecked());
        QTest::mouseClick(d.RGPngCompression->button(0), Qt::LeftButton);
        QTest::mouseClick(d.OkButton, Qt::LeftButton);
    });
    again.Item("MISetPixmo")->trigger();
    Doc().SetDib(TDib::CreateClone(*image));
    again.SaveFile(Path("saved.png"));
    EXPECT_EQ(ReadFileBytes(Path("saved.png")), levelFile(TPngLevel::Fast));
}

// "Lingua": Automatica at first; the choice clicked is kept for the next start.
TEST_F(MainFormTest, LanguageChoiceIsKeptForTheNextStart) {
    TMainForm& form = Build();
    AnswerSettingDialog([](TSettingDialog& d) {
        EXPECT_TRUE(d.RGLanguage->button(0)->isChecked());
        EXPECT_EQ(d.RGLanguage->button(0)->text(), "Automatica");
        EXPECT_EQ(d.RGLanguage->button(2)->text(), "English");
        QTest::mouseClick(d.RGLanguage->button(2), Qt::LeftButton);
        QTest::mouseClick(d.OkButton, Qt::LeftButton);
    });
    form.Item("MISetPixmo")->trigger();
    EXPECT_EQ(FApp->Settings().Language, kLanguageEnglish);
    EXPECT_EQ(form.Item("MIFileSaveAs")->text(), "Salva con &Nome...");  // not before the next start
    Destroy();

    TMainForm& again = Build();
    EXPECT_EQ(FApp->Settings().Language, kLanguageEnglish);
    AnswerSettingDialog([](TSettingDialog& d) {
        EXPECT_TRUE(d.RGLanguage->button(2)->isChecked());
        QTest::mouseClick(d.RGLanguage->button(1), Qt::LeftButton);
        QTest::mouseClick(d.CancelButton, Qt::LeftButton);
    });
    again.Item("MISetPixmo")->trigger();
    EXPECT_EQ(FApp->Settings().Language, kLanguageEnglish);
}

TEST_F(MainFormTest, MenuPageShowsHidesAndOrdersThePopUpItems) {
    TMainForm& form = Build();
    Doc().SetDib(FromGrid({".#23", "4567"}, 16));
    TEditPopupMenu* popup = form.EditMoveMenu();
    AnswerSettingDialog([](TSettingDialog& d) {
        EXPECT_EQ(d.PageControl->currentWidget(), d.TSContextMenu);  // the pop-up asks for "Menu"
        EXPECT_TRUE(Captions(d.LBHideItem).isEmpty());
        EXPECT_EQ(Captions(d.LBShowItem).mid(0, 3), QStringList({"Annulla Selezione", "Taglia", "Copia"}));
        // What dragging does: "Taglia" to the hidden list, "Copia" to the top.
        d.LBHideItem->addItem(d.LBShowItem->takeItem(1));
        d.LBShowItem->insertItem(0, d.LBShowItem->takeItem(1));
        d.RMenuMode->setChecked(false);
        // F1 opens the page's help.
        QTest::keyClick(&d, Qt::Key_F1);
        d.OkButton->click();
    });
    popup->Item("PISetEditMenu")->trigger();
    ASSERT_NE(form.HelpWindow(), nullptr);
    EXPECT_TRUE(form.HelpWindow()->Browser()->source().toString().endsWith("settings_menu.html"));
    auto check = [](TEditPopupMenu* menu) {
        EXPECT_FALSE(menu->Item("PIEditCut")->isVisible());
        EXPECT_EQ(menu->Layout().at(0), "PIEditCopy");
        EXPECT_EQ(menu->Layout().at(1), "PIEditSelectClear");
        EXPECT_FALSE(menu->RightButtonChooses());
    };
    check(popup);
    Destroy();
    Build();
    check(FForm->EditMoveMenu());

    // The menu command opens the page the dialog was last closed on.
    AnswerSettingDialog([](TSettingDialog& d) {
        EXPECT_EQ(d.PageControl->currentIndex(), 0);
        d.PageControl->setCurrentIndex(1);
        EXPECT_EQ(d.HelpContext(), THelpContext::SettingsMenu);
        d.CancelButton->click();
    });
    FForm->Item("MISetPixmo")->trigger();
    AnswerSettingDialog([](TSettingDialog& d) {
        EXPECT_EQ(d.PageControl->currentIndex(), 1);
        d.CancelButton->click();
    });
    FForm->Item("MISetPixmo")->trigger();
}

TEST_F(MainFormTest, QuarterTurnItemsRotateByTheirCaption) {
    TMainForm& form = Build();
    Doc().SetDib(FromGrid({".#23", "4567"}, 8));
    form.Item("MIRotate90")->trigger();
    EXPECT_EQ(Doc().Selection().GetRect(), (TRect{0, 0, 2, 4}));
    EXPECT_EQ(Doc().Undo().Count(), 1);
    form.Item("MIRotate270")->trigger();
    form.Item("MISelectCancel")->trigger();
    EXPECT_EQ(ToGrid(*Doc().Dib()), (std::vector<std::string>{".#23", "4567"}));
}

}  // namespace pixmo::test
