// The pop-up's stretch and rotate dialogs: percent mode, one undo step each, settings kept only
// on OK, and a stop through the progress window that leaves everything as it was.
#include <QMenu>
#include <QTest>

#include "commands/transform_dialogs.h"
#include "edit/selection.h"
#include "edit/undo.h"
#include "main_form_fixture.h"
#include "view/abort_dialog.h"

namespace pixmo::test {

TEST_F(MainFormTest, StretchDialogPercentModeStretchesTheImageInOneStep) {
    Build();
    Doc().SetDib(FromGrid({"0123", "4567"}, 8));
    {
        TStretchDialog dialog(*FApp);
        EXPECT_EQ(dialog.LBOldWidth->text(), "4");
        EXPECT_FALSE(dialog.NEPercent->isVisibleTo(&dialog));
        dialog.UsePercent->setChecked(true);
        dialog.NEPercent->setText("150");
        EXPECT_EQ(dialog.NEWidth->text(), "6");
        EXPECT_EQ(dialog.NEHeight->text(), "3");
        ASSERT_TRUE(dialog.Confirm());
    }
    EXPECT_EQ(Doc().Selection().GetRect(), (TRect{0, 0, 6, 3}));
    EXPECT_NE(Doc().Undo().GetUndoCaption().find("Aumenta, Diminuisce"), std::string::npos);
    TStretchDialog again(*FApp);
    EXPECT_TRUE(again.UsePercent->isChecked());  // kept: the last one closed with OK
    EXPECT_EQ(again.NEPercent->text(), "150");
}

// The last width and height come back; the percentages used with OK are offered again,
// newest first, by the button beside the percentage.
TEST_F(MainFormTest, StretchDialogRestoresTheSizesAndOffersTheRecentPercentages) {
    Build();
    const auto stretch = [this](bool percent, const char* value) {
        Doc().SetDib(FromGrid({"0123", "4567"}, 8));
        TStretchDialog dialog(*FApp);
        dialog.UsePercent->setChecked(percent);
        (percent ? dialog.NEPercent : dialog.NEWidth)->setText(value);
        ASSERT_TRUE(dialog.Confirm());
    };
    stretch(true, "200");
    stretch(true, "50");
    stretch(false, "7");  // the height stays as 50 % left it
    Doc().SetDib(FromGrid({"0123", "4567"}, 8));
    TStretchDialog dialog(*FApp);
    EXPECT_EQ(dialog.NEWidth->text(), "7");
    EXPECT_EQ(dialog.NEHeight->text(), "1");
    QStringList offered;
    for (QAction* a : dialog.StretchPercent->menu()->actions()) offered << a->text();
    EXPECT_EQ(offered.join(",").toStdString(), "50,200");
    dialog.UsePercent->setChecked(true);
    EXPECT_TRUE(dialog.StretchPercent->isVisibleTo(&dialog));
    dialog.StretchPercent->menu()->actions()[1]->trigger();
    EXPECT_EQ(dialog.NEWidth->text(), "8");
}

TEST_F(MainFormTest, RotateDialogTurnsAndAStopLeavesEverythingAsItWas) {
    Build();
    Doc().SetDib(FromGrid({"0123", "4567"}, 8));
    const auto before = ToGrid(*Doc().Dib());
    {
        // Stop pressed at once: the pass ends, nothing is recorded, the dialog stays.
        TAbortDialog progress(*FApp);
        QObject::connect(&progress, &QDialog::windowTitleChanged, [&] { progress.StopButton->click(); });
        TRotateDialog dialog(*FApp, &progress);
        dialog.NEAngle->setText("33");
        dialog.CBRotateType->setChecked(true);
        EXPECT_FALSE(dialog.Confirm());
        EXPECT_TRUE(progress.Aborted);
        EXPECT_EQ(Doc().Undo().Count(), 0);
        EXPECT_EQ(ToGrid(*Doc().Dib()), before);
        EXPECT_TRUE(Doc().Selection().GetRect().IsEmpty());
    }
    {
        TRotateDialog dialog(*FApp);
        dialog.NEAngle->setText("90");
        ASSERT_TRUE(dialog.Confirm());
    }
    EXPECT_EQ(Doc().Selection().GetRect(), (TRect{0, 0, 2, 4}));
    EXPECT_EQ(Doc().Undo().Count(), 1);
    TRotateDialog again(*FApp);
    EXPECT_EQ(again.NEAngle->text(), "90");
}

}  // namespace pixmo::test

namespace pixmo::test {

TEST_F(MainFormTest, StopStaysClickableOverTheDialogThatStartedThePass) {
    Build();
    Doc().SetDib(FromGrid({"0123", "4567"}, 8));
    TRotateDialog dialog(*FApp);
    dialog.show();
    QApplication::setActiveWindow(&dialog);
    ASSERT_EQ(QApplication::activeWindow(), &dialog);
    TAbortDialog progress(*FApp, &dialog);
    progress.Open("Ruota ", 10);
    EXPECT_TRUE(progress.StopButton->isEnabled());
    QTest::keyClick(&progress, Qt::Key_Escape);
    EXPECT_FALSE(progress.Step());
    progress.Close();
}

}  // namespace pixmo::test
