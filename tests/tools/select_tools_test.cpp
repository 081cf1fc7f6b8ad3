// The selection tools: the mask each gesture makes, the modes of the modifier keys, the
// press that moves the selection, the wand, the border and the colour picker, and the
// image left untouched by all of them.
#include <gtest/gtest.h>

#include "image/dib_canvas.h"
#include "tools/cursor_images.h"
#include "tool_fixture.h"
#include "tools/internal_select.h"
#include "tools/select_marks.h"
#include "tools/select_mice.h"

namespace pixmo::test {
namespace {

using Rows = std::vector<std::string>;

struct TSelectFixture : TToolFixture {
    Rows Selected() { return ToGrid(*Sel().Mask()); }
    TInternalSelect& Internal() { return static_cast<TInternalSelect&>(*static_cast<TMouse&>(*Tool).Internal); }
    // Clicks (press and release) at each point, then a double click at the last.
    void Clicks(std::initializer_list<TPoint> points) {
        for (TPoint p : points) {
            Tool->OnButtonDown(p);
            Tool->OnMove(p);
            Tool->OnButtonUp(p);
        }
        Tool->DoubleClick(*(points.end() - 1));
    }
};

TEST(SelectTools, EachShapeGestureMakesItsMask) {
    TSelectFixture f;
    f.Blank(7, 7, '3');
    const Rows before = f.Grid();

    f.Use(TToolItem::SelectRect);
    f.Drag({{1, 1}, {2, 3}, {3, 2}});
    EXPECT_EQ(f.Selected(), (Rows{".......", ".###...", ".###...", ".......", ".......", ".......", "......."}));
    EXPECT_EQ(f.Sel().GetRect(), (TRect{1, 1, 4, 3}));

    f.Sel().Clear();
    f.Use(TToolItem::SelectEllipse);
    f.Drag({{0, 0}, {6, 6}});
    const Rows ellipse = f.Selected();
    EXPECT_EQ(ellipse[3], "#######");
    EXPECT_EQ(ellipse[0][0], '.');
    EXPECT_EQ(ellipse[6][6], '.');
    EXPECT_EQ(ellipse[0][3], '#');
    EXPECT_EQ(f.Sel().GetRect(), (TRect{0, 0, 7, 7}));

    // A right triangle by clicks, closed with a double click.
    f.Sel().Clear();
    f.Use(TToolItem::SelectPoly);
    f.Clicks({{0, 0}, {6, 0}, {0, 6}});
    const Rows triangle = f.Selected();
    EXPECT_EQ(triangle[0], "#######");
    EXPECT_EQ(triangle[6][0], '#');
    EXPECT_EQ(triangle[6][6], '.');
    EXPECT_EQ(triangle[5][5], '.');
    EXPECT_EQ(f.Sel().GetRect(), (TRect{0, 0, 7, 7}));

    // The lasso: one free-hand drag around a square, closed by the release.
    f.Sel().Clear();
    f.Use(TToolItem::SelectRegion);
    f.Drag({{1, 1}, {5, 1}, {5, 5}, {1, 5}});
    EXPECT_EQ(f.Selected(), (Rows{".......", ".#####.", ".#####.", ".#####.", ".#####.", ".#####.", "......."}));

    // The parallelogram: first side by a drag, the second by the next click.
    f.Sel().Clear();
    f.Use(TToolItem::SelectParallelogram);
    f.Host.LeftHeld = true;
    f.Tool->OnButtonDown({0, 1});
    f.Tool->OnMove({3, 1});
    f.Host.LeftHeld = false;
    f.Tool->OnButtonUp({3, 1});
    f.Tool->OnMove({6, 5});
    f.Tool->OnButtonDown({6, 5});
    f.Tool->OnButtonUp({6, 5});
    const Rows slanted = f.Selected();
    EXPECT_EQ(slanted[1].substr(0, 4), "####");
    EXPECT_EQ(slanted[5][6], '#');
    EXPECT_EQ(slanted[5][0], '.');
    EXPECT_EQ(slanted[1][6], '.');

    // Five selections, five undo steps, and never a changed pixel.
    EXPECT_EQ(f.Steps(), 5);
    EXPECT_EQ(f.Grid(), before);
}

TEST(SelectTools, ModifierRolesAddDeleteAndIntersect) {
    TSelectFixture f;
    f.Blank(8, 4);
    f.Use(TToolItem::SelectRect);
    EXPECT_EQ(f.Host.Registered[kCursorSelect], "CR_TSELECTRECT");

    // Without a selection the Add keys change nothing: the gesture replaces, and Shift
    // keeps its other role of making the rectangle square.
    f.Tool->ShiftChanged(f.Options.Shift.Add, false);
    EXPECT_EQ(f.Internal().Mode, TSelectMode::Replace);
    EXPECT_EQ(f.Host.Cursor, kCursorSelect);
    f.Drag({{0, 0}, {3, 1}});
    EXPECT_EQ(f.Selected(), Rows(4, "####...."));

    f.Tool->ShiftChanged(f.Options.Shift.Add, false);
    EXPECT_EQ(f.Internal().Mode, TSelectMode::Add);
    EXPECT_EQ(f.Host.Cursor, kCursorSelectAdd);
    EXPECT_EQ(f.Host.Registered[kCursorSelectAdd], "CR_TSELECTRECT+BM_ADD");
    f.Drag({{2, 1}, {6, 2}});
    EXPECT_EQ(f.Selected(), (Rows{"####....", "#######.", "#######.", "####...."}));
    EXPECT_EQ(f.Sel().GetRect(), (TRect{0, 0, 7, 4}));

    f.Tool->ShiftChanged(f.Options.Shift.Delete, false);
    EXPECT_EQ(f.Host.Cursor, kCursorSelectDelete);
    f.Drag({{3, 0}, {4, 3}});
    EXPECT_EQ(f.Selected(), (Rows{"###.....", "###..##.", "###..##.", "###....."}));

    f.Tool->ShiftChanged(f.Options.Shift.And, false);
    EXPECT_EQ(f.Host.Cursor, kCursorSelectAnd);
    f.Drag({{1, 1}, {7, 3}});
    EXPECT_EQ(f.Selected(), (Rows{"........", ".##..##.", ".##..##.", ".##....."}));
    EXPECT_EQ(f.Sel().GetRect(), (TRect{1, 1, 7, 4}));

    // A shift that is no role leaves the mode at replace.
    f.Tool->ShiftChanged(kCtrlKey | kShiftKey, false);
    EXPECT_EQ(f.Internal().Mode, TSelectMode::Replace);
    EXPECT_EQ(f.Steps(), 4);
    EXPECT_EQ(f.Grid(), Rows(4, "........"));
}

TEST(SelectTools, PlainPressOnTheSelectionMovesIt) {
    TSelectFixture f;
    f.Install({"......", ".12...", ".34...", "......"}, 16);
    f.Context.SetColor2Index(9);
    f.Use(TToolItem::SelectRect);
    f.Drag({{1, 1}, {2, 2}});
    const int steps = f.Steps();

    f.Tool->OnMove({1, 1});
    EXPECT_EQ(f.Host.Cursor, kCursorMove);
    f.Drag({{1, 1}, {2, 1}, {4, 2}});
    EXPECT_EQ(f.Sel().GetRect(), (TRect{4, 2, 6, 4}));
    // '#' is index 1.
    EXPECT_EQ(f.Grid(), (Rows{"......", ".99...", ".99.#2", "....34"}));
    EXPECT_EQ(f.Steps(), steps + 1);
    EXPECT_FALSE(f.Tool->IsDragging());

    // With the Add keys held a press inside starts a new gesture instead.
    f.Tool->ShiftChanged(f.Options.Shift.Add, false);
    f.Drag({{4, 2}, {5, 3}});
    EXPECT_EQ(f.Sel().GetRect(), (TRect{4, 2, 6, 4}));
    EXPECT_EQ(f.Grid()[2], ".99.#2");
}

TEST(SelectTools, MagicWandKeepsTheConnectedAreaWithinTheTolerance) {
    TSelectFixture f;
    // Grey ramp: index n is n * 17 in each channel.
    f.Install({"1122.3", "1.2..3", "1.2223", "111..."}, 16);
    f.Use(TToolItem::SelectSurface);
    f.Drag({{0, 0}});
    EXPECT_EQ(f.Selected(), (Rows{"##....", "#.....", "#.....", "###..."}));
    EXPECT_EQ(f.Sel().GetRect(), (TRect{0, 0, 3, 4}));

    // Within 17 the greys either side of 1 join in; the 3s (34 away) stay out.
    f.Sel().Clear();
    f.Settings.SelectLimit = 17;
    f.Drag({{0, 0}});
    EXPECT_EQ(f.Selected(), (Rows{"#####.", "#####.", "#####.", "######"}));

    f.Sel().Clear();
    f.Settings.SelectLimit = 16;
    f.Drag({{2, 0}});
    EXPECT_EQ(f.Selected(), (Rows{"..##..", "..#...", "..###.", "......"}));
    EXPECT_EQ(f.Client.BusyDepth, 0);
}

TEST(SelectTools, BorderOfTheSecondaryColourEnclosesTheArea) {
    TSelectFixture f;
    f.Install({"#####.", "#..3#.", "#.#.#.", "#####."}, 16);
    f.Context.SetColor2Index(1);
    f.Use(TToolItem::SelectBorder);
    f.Drag({{1, 1}});
    EXPECT_EQ(f.Selected(), (Rows{"......", ".###..", ".#.#..", "......"}));
    EXPECT_EQ(f.Sel().GetRect(), (TRect{1, 1, 4, 3}));
    EXPECT_EQ(f.Host.Registered[kCursorSelect], "CR_TSELECTBORDER");
}

TEST(SelectTools, ColourPickerTakesEveryColourItCrossed) {
    TSelectFixture f;
    f.Install({"1234..", "......", "4....2", "3....."}, 16);
    f.Use(TToolItem::SelectColors);
    // From the 1 across the 2 to the 3: the 4 is left out.
    f.Drag({{0, 0}, {1, 0}, {2, 0}});
    EXPECT_EQ(f.Selected(), (Rows{"###...", "......", ".....#", "#....."}));
    EXPECT_EQ(f.Sel().GetRect(), (TRect{0, 0, 6, 4}));

    // Only the visible part, with "SelectInSight".
    f.Settings.SelectInSight = true;
    f.Client.Visible = TRect{0, 0, 4, 3};
    f.Drag({{3, 0}, {1, 0}});
    EXPECT_EQ(f.Selected(), (Rows{".###..", "......", "#.....", "......"}));
    EXPECT_EQ(f.Sel().GetRect(), (TRect{0, 0, 4, 3}));
    EXPECT_EQ(f.Grid()[0], "#234..");
}

TEST(SelectTools, FeedbackStaysOnTheToolsOwnCopy) {
    TSelectFixture f;
    f.Blank(6, 6, '2');
    const Rows before = f.Grid();
    f.Settings.SelectPenColor = 65280;
    f.Settings.SelectPenMode = kSelectPenModeCopy;
    f.Use(TToolItem::SelectRect);
    EXPECT_EQ(f.Tool->GetCanvas(), &f.Image().Canvas());

    f.Host.LeftHeld = true;
    f.Tool->OnButtonDown({1, 1});
    f.Tool->OnMove({4, 4});
    TDibCanvas* shown = f.Tool->GetCanvas();
    ASSERT_NE(shown, &f.Image().Canvas());
    EXPECT_EQ(shown->GetPixelValue(1, 1), 0x00FF00u);  // green, as blue | green << 8 | red << 16
    EXPECT_EQ(shown->GetPixelValue(2, 2), 0x222222u);  // inside keeps the image's look
    EXPECT_EQ(f.Grid(), before);

    // Inverting feedback: the pixel under the pen turns over.
    f.Settings.SelectPenMode = kSelectPenModeNotXor;
    f.Tool->Notify(TNotice::SelectPen);
    f.Tool->OnMove({3, 3});
    EXPECT_EQ(shown->GetPixelValue(1, 1), 0x00FF00u ^ 0x222222u ^ 0xFFFFFFu);
    EXPECT_EQ(shown->GetPixelValue(4, 4), 0x222222u);  // the old feedback is gone

    // Cancelled: nothing selected, nothing changed, the image shown again.
    f.Tool->Abort();
    EXPECT_TRUE(f.Sel().IsEmpty());
    EXPECT_EQ(f.Steps(), 0);
    EXPECT_EQ(f.Grid(), before);
    EXPECT_EQ(f.Tool->GetCanvas(), &f.Image().Canvas());
}

TEST(SelectTools, ModeCursorsCarryTheirMark) {
    const std::vector<std::string> add = MarkedCursorXpm("CR_TSELECTRECT+BM_ADD");
    ASSERT_EQ(add.size(), 1u + 3u + 32u);
    EXPECT_EQ(add[0], "32 32 3 1");
    // The plus's bar on row 20 + 3, from column 25 to the edge; the tool's picture stays.
    EXPECT_EQ(add[4 + 23].substr(25), ".#####.");
    EXPECT_EQ(add[4 + 0].substr(0, 6), std::string(FindCursorImage("CR_TSELECTRECT")->Xpm[4]).substr(0, 6));
    EXPECT_EQ(MarkedCursorXpm("CR_TSELECTRECT+BM_DELETE")[4 + 23].substr(25), ".#####.");
    EXPECT_NE(MarkedCursorXpm("CR_TSELECTRECT+BM_AND"), add);
    EXPECT_TRUE(MarkedCursorXpm("CR_TSELECTRECT+BM_NONE").empty());
    EXPECT_TRUE(MarkedCursorXpm("CR_NONE+BM_ADD").empty());
    EXPECT_TRUE(MarkedCursorXpm("CR_TSELECTRECT").empty());
}

}  // namespace
}  // namespace pixmo::test
