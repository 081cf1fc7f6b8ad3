// The animation window in the main window: made at start-up, the Window menu's item, the
// Animazione tool kept from the last session, the prompt in the status line.
#include <gtest/gtest.h>

#include "main_form_fixture.h"
#include "tools/animation_mouse.h"
#include "view/paint_client.h"
#include "view/status_panel.h"
#include "windows/animation_form.h"

namespace pixmo::test {
namespace {

TEST_F(MainFormTest, AnimationWindowAndToolFromStartToTheNextSession) {
    TMainForm& form = Build();
    auto* animation = form.findChild<TAnimationForm*>("AnimationForm");
    ASSERT_NE(animation, nullptr);
    EXPECT_FALSE(animation->isVisible());
    form.ShowClick("MIShowAnimation");
    EXPECT_TRUE(animation->isVisible());
    form.UpdateMenuStates("MIShow");
    EXPECT_TRUE(form.Item("MIShowAnimation")->isChecked());
    form.ShowClick("MIShowAnimation");
    EXPECT_FALSE(animation->isVisible());

    // Chosen from the Mouse menu: the prompt stays in the status line after the tool change.
    form.OpenFile(WriteImage("a.bmp"));
    form.Item("MIAnimation")->trigger();
    EXPECT_EQ(form.Client()->ToolItem(), TToolItem::Animation);
    EXPECT_TRUE(animation->isVisible());
    EXPECT_TRUE(animation->SBSelect->isChecked());
    EXPECT_EQ(form.StatusBar()->MessagePanel()->text().toStdString(), kMsgChooseFrames.Text);
    // A new image starts the tool afresh with nothing picked.
    form.OpenFile(WriteImage("b.bmp"));
    EXPECT_EQ(form.Client()->ToolItem(), TToolItem::Animation);
    EXPECT_TRUE(animation->ToolActive());
    Destroy();

    // A session that ended with the tool starts with it and its window.
    {
        TIni ini(Path("pixmo3.ini"));
        ini.Section = "MainForm";
        ini.WriteString("Mouse", "MIAnimation");
    }
    TMainForm& again = Build();
    EXPECT_EQ(again.Client()->ToolItem(), TToolItem::Animation);
    animation = again.findChild<TAnimationForm*>("AnimationForm");
    ASSERT_NE(animation, nullptr);
    EXPECT_TRUE(animation->ToolActive());
    EXPECT_TRUE(animation->isVisible());
    // Leaving it with no tool chosen before goes to the pencil.
    animation->SBStopClick();
    EXPECT_EQ(again.Client()->ToolItem(), TToolItem::DrawDot);
}

}  // namespace
}  // namespace pixmo::test
