// The drawing aids in the real windows: the option window's panels per tool, their check
// boxes and keys, the mirror axes on screen, and the options in the next session.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QTest>

#include "main_form_fixture.h"
#include "settings/main_keys.h"
#include "tools/tool_options.h"
#include "view/drawing_aids_view.h"
#include "view/paint_client.h"
#include "windows/option_form.h"

namespace pixmo::test {
namespace {

TEST_F(MainFormTest, DrawingAidOptionsShowForTheirToolsAndOutliveARestart) {
    TMainForm& form = Build();
    form.OpenFile(WriteImage("a.bmp", 16));
    form.ShowClick("MIShowOption");
    auto* options = form.findChild<TOptionForm*>("OptionForm");
    ASSERT_NE(options, nullptr);
    TDrawingAidPanels& aids = *options->Aids;
    auto shown = [&] {
        return std::string(aids.PNInk->isVisible() ? "I" : "") + (aids.PNMirror->isVisible() ? "M" : "") +
               (aids.PNPixelPerfect->isVisible() ? "P" : "");
    };
    EXPECT_EQ(shown(), "IMP");
    form.Item("MIFill")->trigger();
    EXPECT_EQ(shown(), "IM");
    form.Item("MISelectRect")->trigger();
    EXPECT_EQ(shown(), "");
    form.Item("MIDrawDot")->trigger();

    // On the box itself: a wide check box's middle may lie past its caption.
    auto click = [](QCheckBox* box) { QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(8, box->height() / 2)); };
    click(aids.CBShade);
    click(aids.CBMirrorHorizontal);
    click(aids.CBPixelPerfect);
    EXPECT_EQ(FApp->Settings().Ink, kInkShade);
    // The other ink takes the place of the first.
    click(aids.CBDither);
    EXPECT_TRUE(aids.CBDither->isChecked());
    EXPECT_FALSE(aids.CBShade->isChecked());
    // A key of the shortcut table, and the window follows.
    QTest::keyClick(&form, Qt::Key_V);
    EXPECT_TRUE(aids.CBMirrorVertical->isChecked());

    // The axes show as lines over the picture: through the centre, then at a set place.
    form.Client()->resize(200, 200);
    form.Client()->SetZoom(4);
    auto column = [&form](int x) {
        const QImage shot = form.Client()->viewport()->grab().toImage();
        int light = 0;
        for (int y = 0; y < 128; ++y) light += qGray(shot.pixel(x, y)) == 255;
        return light;
    };
    EXPECT_GT(column(64), 40);
    FApp->ToolOptions().MirrorSumX = 20;
    EXPECT_LT(column(64), 2);
    EXPECT_GT(column(42), 40);
    // The pointer's place at zoom 8: near a cell's edges the edge, else its middle.
    EXPECT_EQ(MirrorSumAt(8 * 3 + 0, 8, 10), 25);
    EXPECT_EQ(MirrorSumAt(8 * 3 + 3, 8, 10), 26);
    EXPECT_EQ(MirrorSumAt(8 * 3 + 7, 8, 10), 27);
    EXPECT_EQ(MirrorSumAt(5, 1, 0), 10);
    Destroy();

    TMainForm& again = Build();
    again.ShowClick("MIShowOption");
    options = again.findChild<TOptionForm*>("OptionForm");
    ASSERT_NE(options, nullptr);
    EXPECT_TRUE(options->Aids->CBDither->isChecked());
    EXPECT_FALSE(options->Aids->CBShade->isChecked());
    EXPECT_TRUE(options->Aids->CBMirrorHorizontal->isChecked());
    EXPECT_TRUE(options->Aids->CBMirrorVertical->isChecked());
    EXPECT_TRUE(options->Aids->CBPixelPerfect->isChecked());
}

}  // namespace
}  // namespace pixmo::test
