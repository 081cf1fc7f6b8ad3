// The grid unit's dialog and the recent units of the Settings menu.
#include <QMenu>

#include "commands/edit_size_dialog.h"
#include "settings/ini.h"
#include "main_form_fixture.h"
#include "tools/edit_size.h"
#include "view/app_context.h"

namespace pixmo::test {

TEST_F(MainFormTest, GridUnitDialogSetsTheUnitOnlyWhenBothFieldsAreValid) {
    TMainForm& form = Build();
    TEditSize& editSize = FApp->EditSize();
    editSize.SetUnit(TPoint{16, 24});
    {
        TEditSizeDialog dialog(FApp->Ini(), editSize, &form);
        EXPECT_EQ(dialog.windowTitle(), QString::fromUtf8("Imposta Unità Griglia"));
        EXPECT_EQ(dialog.NEGridWidth->text(), "16");
        EXPECT_EQ(dialog.NEGridHeight->text(), "24");
        EXPECT_EQ(dialog.NEGridWidth->Max(), 8000);

        dialog.NEGridWidth->setText("0");  // out of range: the dialog stays open
        EXPECT_FALSE(dialog.Confirm());
        EXPECT_EQ(FBoxes.size(), 1u);
        EXPECT_EQ(editSize.Unit, (TPoint{16, 24}));

        dialog.NEGridWidth->setText("8000");
        dialog.NEGridHeight->setText("3");
        EXPECT_TRUE(dialog.Confirm());
        EXPECT_EQ(dialog.result(), QDialog::Accepted);
    }
    EXPECT_EQ(editSize.Unit, (TPoint{8000, 3}));
    EXPECT_EQ(form.GridHistory()[0], "16,24");
}

TEST_F(MainFormTest, RecentGridUnitsStandAboveTheGridSeparator) {
    TMainForm& form = Build();
    TEditSize& editSize = FApp->EditSize();
    editSize.SetUnit(TPoint{8, 8});
    editSize.SetUnit(TPoint{10, 12});  // history: "8,8", then the older unit
    form.RebuildGridHistoryMenu();
    QMenu* setting = form.Menu("MISetting");
    const auto actions = setting->actions();
    const qsizetype grid = actions.indexOf(form.Item("MSGrid"));
    ASSERT_GE(grid, 2);
    EXPECT_EQ(actions[grid - form.GridHistory().Count()]->text(), QString::fromStdString(form.GridHistory()[0]));

    // Choosing an entry takes it out of the history and makes it the unit.
    const std::string entry = "8,8";
    ASSERT_GE(form.GridHistory().IndexOf(entry), 0);
    form.GridHistoryClick(entry);
    EXPECT_EQ(editSize.Unit, (TPoint{8, 8}));
    EXPECT_LT(form.GridHistory().IndexOf(entry), 0);
    EXPECT_GE(form.GridHistory().IndexOf("10,12"), 0);
}

}  // namespace pixmo::test

namespace pixmo::test {

// Start-up reopens the tool windows whose "Place" starts with a non-zero number, and only those.
TEST_F(MainFormTest, ToolWindowsStoredOpenAreReopenedAtStart) {
    {
        TIni ini(Path("pixmo3.ini"));
        ini.Section = "PenForm";
        ini.WriteString("Place", "1,40,40,200,120");
        ini.Section = "OptionForm";
        ini.WriteString("Place", "0,40,200,200,300");
    }
    TMainForm& form = Build();
    form.OpenToolWindowsAtStart();
    const QWidget* pen = form.findChild<QWidget*>("PenForm");
    ASSERT_NE(pen, nullptr);
    EXPECT_TRUE(pen->isVisible());
    const QWidget* option = form.findChild<QWidget*>("OptionForm");
    EXPECT_TRUE(option == nullptr || !option->isVisible());
}

}  // namespace pixmo::test

namespace pixmo::test {

// "Navigatore" and "Muovi Immagine" toggle their windows, checked while shown; the one left
// open comes back at the next start.
TEST_F(MainFormTest, NavigatorAndShiftWindowsToggleAndReopen) {
    TMainForm& form = Build();
    auto shown = [&form](const char* name) {
        const QWidget* w = form.findChild<QWidget*>(name);
        return w && w->isVisible();
    };
    form.Item("MIShowPlace")->trigger();
    form.Item("MIShowShift")->trigger();
    EXPECT_TRUE(shown("PlaceForm") && shown("ShiftForm"));
    form.UpdateMenuStates("MIShow");
    EXPECT_TRUE(form.Item("MIShowPlace")->isChecked() && form.Item("MIShowShift")->isChecked());
    form.Item("MIShowPlace")->trigger();
    form.UpdateMenuStates("MIShow");
    EXPECT_FALSE(shown("PlaceForm") || form.Item("MIShowPlace")->isChecked());

    Destroy();
    TMainForm& again = Build();
    again.OpenToolWindowsAtStart();
    EXPECT_TRUE(again.findChild<QWidget*>("ShiftForm") && again.findChild<QWidget*>("ShiftForm")->isVisible());
    EXPECT_EQ(again.findChild<QWidget*>("PlaceForm"), nullptr);
}

}  // namespace pixmo::test
