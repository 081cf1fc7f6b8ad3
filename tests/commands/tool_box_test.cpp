// The tool box follows the current tool however it was chosen, and its buttons choose tools.
#include <QTest>

#include "main_form_fixture.h"
#include "view/paint_client.h"
#include "windows/tool_form.h"

namespace pixmo::test {

namespace {
// The names of the buttons that are down.
QStringList Down(const TToolForm& box) {
    QStringList names;
    for (const TAppButton* b : box.Buttons())
        if (b->IsDown()) names << b->objectName();
    return names;
}
}  // namespace

TEST_F(MainFormTest, ToolBoxFollowsTheToolFromSettingsMenuAndKeys) {
    {
        TIni ini(Path("pixmo3.ini"));
        ini.Section = "MainForm";
        ini.WriteString("Mouse", "MIFillRect");
        ini.Section = "MainMenu";
        ini.WriteInteger("MIDrawEllipse", 'E');
    }
    TMainForm& form = Build();
    form.OpenToolWindowsAtStart();
    form.OpenFile(WriteImage("a.bmp", 16));
    auto* box = form.findChild<TToolForm*>("ToolForm");
    ASSERT_NE(box, nullptr);  // made at start-up, hidden
    EXPECT_FALSE(box->isVisible());
    EXPECT_EQ(Down(*box), QStringList{"SBFillRect"});

    form.Item("MIDrawLine")->trigger();
    EXPECT_EQ(Down(*box), QStringList{"SBDrawLine"});

    form.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
    form.activateWindow();
    form.Client()->setFocus();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
    QTest::keyClick(form.Client(), Qt::Key_E);
    EXPECT_EQ(form.Client()->ToolItem(), TToolItem::DrawEllipse);
    EXPECT_EQ(Down(*box), QStringList{"SBDrawEllipse"});

    // A button chooses its tool; with Ctrl it also asks for the tool's key, once.
    QTest::mousePress(box->Button("SBFill"), Qt::LeftButton);
    EXPECT_EQ(form.Client()->ToolItem(), TToolItem::Fill);
    EXPECT_EQ(Down(*box), QStringList{"SBFill"});
    TKeyDialogCloser closer;
    QTest::mousePress(box->Button("SBDrawBezier"), Qt::LeftButton, Qt::ControlModifier);
    EXPECT_EQ(form.Client()->ToolItem(), TToolItem::DrawBezier);
    EXPECT_EQ(closer.Captions, QStringList{"Curva" + QString::fromUtf8("のショートカット")});

    form.Item("MIShowToolBox")->trigger();
    EXPECT_TRUE(box->isVisible());
    EXPECT_EQ(box->size(), QSize(52, 216));
}

}  // namespace pixmo::test
