// The option window's panels per tool and its controls; the pen window's clicks.
#include <gtest/gtest.h>

#include <QApplication>
#include <QMouseEvent>
#include <QTest>

#include "settings/main_keys.h"
#include "tools/tool_options.h"
#include "uikit/number_edit.h"
#include "uikit/number_input_dialog.h"
#include "windows/option_form.h"
#include "windows/pen_form.h"
#include "windows_fixture.h"

namespace pixmo::test {
namespace {

std::string Shown(const TOptionForm& f) {
    std::string s;
    for (const QWidget* p : {f.PNTrans, f.PNSpray, f.PNRMode, f.PNRect, f.PNLimit, f.PNSelectColors})
        if (!p->isHidden()) s += p->objectName().toStdString() + " ";
    return s;
}

TEST(OptionForm, PanelsPerTool) {
    TWindowsFixture f;
    TOptionForm form(f.App, f.Options);
    EXPECT_EQ(Shown(form), "");
    const std::pair<TToolItem, const char*> cases[] = {
        {TToolItem::DrawDot, "PNTrans PNRMode "},
        {TToolItem::DrawSpray, "PNTrans PNSpray PNRMode "},
        {TToolItem::DrawRect, "PNTrans PNRMode PNRect "},
        {TToolItem::FillEllipse, "PNTrans PNRMode PNRect "},
        {TToolItem::DrawLine, "PNTrans PNRMode PNRect "},
        {TToolItem::Fill, "PNTrans PNRMode "},
        {TToolItem::SelectRect, "PNRect "},
        {TToolItem::SelectSurface, "PNLimit "},
        {TToolItem::SelectBorder, ""},
        {TToolItem::SelectColors, "PNSelectColors "},
    };
    for (const auto& [item, panels] : cases) {
        f.Client.SelectTool(item);
        form.HandleMessage(TNotice::ToolChanged);
        EXPECT_EQ(Shown(form), panels) << static_cast<int>(item);
    }
}

TEST(OptionForm, ControlsChangeTheOptions) {
    TWindowsFixture f;
    TOptionForm form(f.App, f.Options);
    EXPECT_EQ(form.SBTransRate->value(), 100);
    form.SBTransRate->setValue(60);
    form.SBTransRate->triggerAction(QAbstractSlider::SliderPageStepSub);
    QCoreApplication::processEvents();
    EXPECT_EQ(f.Options.TransRate(), 50);
    QTest::mouseClick(form.PBTransRate, Qt::LeftButton);  // "100": opaque
    EXPECT_EQ(form.SBTransRate->value(), 100);
    EXPECT_EQ(f.Options.TransRate(), 0);
    form.SBTransRate->setValue(50);
    form.SBTransRate->triggerAction(QAbstractSlider::SliderPageStepSub);
    QCoreApplication::processEvents();
    EXPECT_EQ(f.Options.TransRate(), 60);
    form.HandleMessage(TNotice::PaletteChanged);  // palette changed: opaque again
    EXPECT_EQ(f.Options.TransRate(), 0);
    EXPECT_EQ(form.SBTransRate->value(), 100);

    form.CBSquare->click();
    form.CBCenter->click();
    EXPECT_EQ(f.App.Settings().DefRectOpt, 3);
    form.CBSquare->click();
    EXPECT_EQ(f.App.Settings().DefRectOpt, 2);
    form.CBRDraw->click();
    EXPECT_TRUE(f.App.Settings().RDraw);
    EXPECT_TRUE(f.Client.RightButtonDraws());
    form.NEInterval->setText("3");
    EXPECT_EQ(f.App.Settings().SprayInterval, 3);
    form.NELimit->setText("300");  // out of range: kept
    EXPECT_EQ(f.App.Settings().SelectLimit, 0);
}

TEST(PenForm, ClicksDoubleClicksAndTheRightButton) {
    TWindowsFixture f;
    TPenForm form(f.App);
    TMainSettings& s = f.App.Settings();
    TPenGrid* grid = form.Grid();
    QTest::mouseClick(grid, Qt::LeftButton, {}, grid->CellRect(3).center());
    EXPECT_EQ(s.NPen1, 3);
    QTest::mouseClick(grid, Qt::RightButton, {}, grid->CellRect(9).center());
    EXPECT_EQ(s.NPen2, 1);  // the right button does not draw: nothing
    form.CellDoubleClick(9, true);
    EXPECT_EQ(s.PenWidths[9], 40);
    s.RDraw = true;
    QTest::mouseClick(grid, Qt::RightButton, {}, grid->CellRect(9).center());
    EXPECT_EQ(s.NPen2, 9);

    // The width dialog refuses 0 and 101 and takes 7.
    std::vector<std::string> answers{"0", "101", "7"};
    int asked = 0;
    auto previous = TNumberInputDialog::SetHook([&](TNumberInputDialog& dialog) {
        EXPECT_EQ(dialog.windowTitle().toStdString(), "ペンの太さ");
        EXPECT_EQ(dialog.Edit()->text().toStdString(), "3");
        for (const std::string& a : answers) {
            dialog.Edit()->setText(QString::fromStdString(a));
            if (a != "7") {
                EXPECT_FALSE(dialog.Edit()->IsValid());
            }
        }
        ++asked;
        dialog.done(QDialog::Accepted);
        return dialog.result();
    });
    form.CellDoubleClick(2, false);
    TNumberInputDialog::SetHook(previous);
    EXPECT_EQ(asked, 1);
    EXPECT_EQ(s.PenWidths[2], 7);
}

}  // namespace
}  // namespace pixmo::test

namespace pixmo::test {

// Each cell is white inside its grey frame, whatever the cells before it drew: the pen dot is
// black, and the primary cell is highlighted.
TEST(PenForm, CellsPaintWhiteWithTheirDot) {
    TWindowsFixture f;
    TPenForm form(f.App);
    TPenGrid* grid = form.Grid();
    grid->resize(grid->sizeHint().expandedTo(QSize(225, 65)));
    const QImage shot = grid->grab().toImage();
    const qreal dpr = shot.devicePixelRatio();
    for (int i = 1; i < 14; ++i) {
        const QRect r = grid->CellRect(i);
        const QPoint inside = r.topLeft() + QPoint(2, 2);
        EXPECT_EQ(shot.pixelColor(inside * dpr), QColor(Qt::white)) << "cell " << i;
    }
    const QRect first = grid->CellRect(4);  // width 5: black at the centre
    EXPECT_EQ(shot.pixelColor(QPoint(first.left() + first.width() / 2, first.top() + first.height() / 2) * dpr),
              QColor(Qt::black));
}

}  // namespace pixmo::test
