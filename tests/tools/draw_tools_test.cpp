// The drawing tools' pixels and undo steps: pencil, selection mask, transparency, spray,
// bucket fill, edge, colour pick, moving the selection.
#include <gtest/gtest.h>

#include <cmath>

#include "edit/selection.h"
#include "edit/undo_objects_image.h"
#include "tool_fixture.h"
#include "tools/draw_tools.h"
#include "tools/temp_mice.h"

namespace pixmo::test {
namespace {

using Grid = std::vector<std::string>;

TEST(DrawTools, PencilClickStrokeRightButtonAndUndo) {
    TToolFixture f;
    f.Blank(8, 4);
    f.Context.SetColor1Index(1);
    f.Context.SetColor2Index(2);
    f.Use(TToolItem::DrawDot);
    EXPECT_EQ(f.Host.Cursor, kCursorTool);
    EXPECT_EQ(f.Host.Registered[kCursorTool], "CR_TDRAWDOT");
    f.Drag({{3, 1}});
    EXPECT_EQ(f.Grid(), (Grid{"........", "...#....", "........", "........"}));
    f.Drag({{0, 3}, {2, 3}, {4, 1}});
    EXPECT_EQ(f.Grid(), (Grid{"........", "...##...", "...#....", "###....."}));
    // The right button draws with the secondary colour and pen.
    f.Settings.PenWidths[1] = 1;
    f.Drag({{7, 0}, {7, 3}}, true);
    EXPECT_EQ(f.Grid(), (Grid{".......2", "...##..2", "...#...2", "###....2"}));
    EXPECT_EQ(f.Steps(), 3);
    f.History().Undo();
    f.History().Undo();
    EXPECT_EQ(f.Grid(), (Grid{"........", "...#....", "........", "........"}));
    f.History().Redo();
    EXPECT_EQ(f.Grid(), (Grid{"........", "...##...", "...#....", "###....."}));
}

TEST(DrawTools, LineAcrossTheSelectionEdge) {
    TToolFixture f;
    f.Blank(10, 5);
    f.Sel().Replace(*MaskFromGrid({"..........", "..........", "..######..", "..######..", ".........."}),
                    TRect{2, 2, 8, 4});
    f.Sel().SetRect(TRect{2, 2, 8, 4});
    f.Context.SetColor1Index(1);
    f.Use(TToolItem::DrawLine);
    const int before = f.Steps();
    f.Drag({{0, 2}, {9, 2}});
    EXPECT_EQ(f.Grid()[2], "..######..");
    ASSERT_EQ(f.Steps(), before + 1);
    const auto* step = dynamic_cast<const TUndoDibRect*>(f.History().Items().back().get());
    ASSERT_NE(step, nullptr);
    EXPECT_EQ(step->Rect(), (TRect{2, 2, 8, 3}));
    f.History().Undo();
    EXPECT_EQ(f.Grid()[2], "..........");
}

TEST(DrawTools, TransparencyZeroFiftyHundred) {
    // Entries: 0 black, 1 white, 2 mid grey, 3 red, 4 half red.
    auto make = [](TToolFixture& f) {
        auto image = FromGrid({"0000", "1111", "3333"}, 5);
        image->SetColor(0, RGB(0, 0, 0));
        image->SetColor(1, RGB(255, 255, 255));
        image->SetColor(2, RGB(127, 127, 127));
        image->SetColor(3, RGB(255, 0, 0));
        image->SetColor(4, RGB(127, 0, 0));
        f.Context.SetDib(std::move(image));
        f.Context.SetColor1Index(1);  // white
    };
    for (int rate : {0, 50, 100}) {
        TToolFixture f;
        make(f);
        f.Options.SetTransRate(rate, f.Context.Dib(), &f.Client);
        EXPECT_EQ(f.Client.BusyDepth, 0);
        f.Use(TToolItem::DrawLine);
        f.Drag({{0, 0}, {0, 2}});
        const Grid g = f.Grid();
        const std::string column{g[0][0], g[1][0], g[2][0]};
        if (rate == 0) {
            EXPECT_EQ(column, "###");
        } else if (rate == 50) {
            // White over black is mid grey; white over itself stays white; over red a pink
            // whose nearest entry is the grey.
            EXPECT_EQ(column, "2#2");
        } else {
            EXPECT_EQ(column, ".#3");
        }
    }
    // The table's diagonal keeps a colour drawn over itself, even with a duplicate entry.
    TToolOptions options;
    auto dup = FromGrid({"01"}, 2);
    dup->SetColor(0, RGB(9, 9, 9));
    dup->SetColor(1, RGB(9, 9, 9));
    options.SetTransRate(30, dup.get());
    EXPECT_EQ(options.Trans(1, 1), 1);
    EXPECT_EQ(options.Trans(0, 1), 0);
}

TEST(DrawTools, SprayWidthOneAndNine) {
    TToolFixture f;
    f.Blank(20, 20);
    f.Context.SetColor1Index(1);
    f.Use(TToolItem::DrawSpray);
    f.Drag({{5, 5}});
    Grid g = f.Grid();
    int set = 0;
    for (const auto& row : g) set += static_cast<int>(std::count(row.begin(), row.end(), '#'));
    EXPECT_EQ(set, 1);
    EXPECT_EQ(g[5][5], '#');

    for (int seed = 1; seed < 40; ++seed) {
        TToolFixture w;
        w.Blank(20, 20);
        w.Context.SetColor1Index(1);
        w.Settings.PenWidths[0] = 9;
        w.Options.Randomize(static_cast<uint32_t>(seed));
        w.Use(TToolItem::DrawSpray);
        w.Drag({{10, 10}});
        const Grid h = w.Grid();
        int count = 0;
        for (int y = 0; y < 20; ++y)
            for (int x = 0; x < 20; ++x)
                if (h[static_cast<size_t>(y)][static_cast<size_t>(x)] == '#') {
                    ++count;
                    EXPECT_LE((x - 10) * (x - 10) + (y - 10) * (y - 10), 16) << x << "," << y;
                }
        EXPECT_GE(count, 1);
        EXPECT_LE(count, 5);
        EXPECT_EQ(w.Steps(), 1);
    }
}

TEST(DrawTools, SprayIntervalStepsAlongTheLine) {
    TToolFixture f;
    f.Blank(20, 3);
    f.Context.SetColor1Index(1);
    f.Settings.SprayInterval = 4;
    f.Use(TToolItem::DrawSpray);
    // The press sprays; the line from there counts its own first point again.
    f.Drag({{0, 1}, {16, 1}});
    EXPECT_EQ(f.Grid()[1], "#..#...#...#...#....");
}

TEST(DrawTools, BucketFill) {
    TToolFixture f;
    f.Install({"..#..", "..#..", "###..", "....."});
    f.Context.SetColor1Index(0);
    f.Use(TToolItem::Fill);
    f.Drag({{0, 0}});  // own colour: nothing changes, nothing recorded
    f.Context.SetColor1Index(3);
    f.Drag({{2, 0}});
    f.Drag({{2, 0}});  // again: now its own colour
    EXPECT_EQ(f.Grid(), (Grid{"..3..", "..3..", "333..", "....."}));
    EXPECT_EQ(f.Steps(), 1);
    const auto* step = dynamic_cast<const TUndoDibRect*>(f.History().Items()[0].get());
    ASSERT_NE(step, nullptr);
    EXPECT_EQ(step->Rect(), (TRect{0, 0, 3, 3}));
    f.Context.SetColor1Index(1);
    f.Drag({{0, 0}});  // the 4-connected area only
    EXPECT_EQ(f.Grid(), (Grid{"##3..", "##3..", "333..", "....."}));
    EXPECT_EQ(f.Steps(), 2);
}

TEST(DrawTools, EdgeOnOnePixelAndOnASolidRectangle) {
    TToolFixture f;
    f.Install({"........", ".2......", "....3333", "....3333", "....3333", "....3333"});
    f.Context.SetColor1Index(1);
    f.Use(TToolItem::DrawEdge);
    f.Drag({{1, 1}});
    f.Drag({{5, 3}});
    EXPECT_EQ(f.Grid(), (Grid{"........", ".#......", "....####", "....#33#", "....#33#", "....####"}));
    EXPECT_EQ(f.Steps(), 2);
    f.Drag({{1, 1}});  // the pen's own colour: nothing
    EXPECT_EQ(f.Steps(), 2);
    EXPECT_EQ(f.Client.BusyDepth, 0);
}

TEST(DrawTools, ColourPickAndItsAbort) {
    TToolFixture f;
    f.Install({"0123", "4567"});
    f.Context.SetColor1Index(9);
    f.Tool = f.Factory.CreateTempTool(TTempToolKind::GetColor1, f.Host);
    EXPECT_EQ(f.Host.Cursor, kCursorGetColor);
    f.Tool->OnButtonDown({1, 0});
    EXPECT_EQ(f.Context.Color1Index(), 1);
    f.Tool->OnMove({2, 1});
    EXPECT_EQ(f.Context.Color1Index(), 6);
    f.Tool->OnMove({9, 9});  // outside: kept
    EXPECT_EQ(f.Context.Color1Index(), 6);
    f.Tool->Abort();
    EXPECT_EQ(f.Context.Color1Index(), 9);
    f.Tool->OnButtonDown({3, 1});
    f.Tool->OnButtonUp({3, 1});
    EXPECT_EQ(f.Context.Color1Index(), 7);
    // Freed, the temporary tool gives the cursor back.
    f.Tool.reset();
    f.Host.Cursor = 42;
    f.Tool = f.Factory.CreateTempTool(TTempToolKind::Scroll, f.Host);
    EXPECT_EQ(f.Host.Cursor, kCursorHand);
    f.Tool->OnButtonDown({5, 5});
    f.Tool->OnMove({3, 4});
    EXPECT_EQ(f.Host.Scrolled, (TPoint{2, 1}));
    f.Tool->OnButtonUp({3, 4});
    f.Tool.reset();
    EXPECT_EQ(f.Host.Cursor, 42);
}

TEST(DrawTools, MoveAndDuplicateTheSelection) {
    TToolFixture f;
    f.Install({"12....", "34....", "......"});
    f.Context.SetColor2Index(0);
    f.Sel().Replace(*MaskFromGrid({"##....", "##....", "......"}), TRect{0, 0, 2, 2});
    f.Sel().SetRect(TRect{0, 0, 2, 2});
    const int start = f.Steps();
    f.Tool = f.Factory.CreateTempTool(TTempToolKind::Move, f.Host);
    f.Drag({{0, 0}, {2, 1}, {3, 1}});
    EXPECT_EQ(f.Grid(), (Grid{"......", "...#2.", "...34."}));
    EXPECT_EQ(f.Sel().GetRect(), (TRect{3, 1, 5, 3}));
    EXPECT_EQ(f.Panels.LastRect, (TRect{3, 1, 5, 3}));
    EXPECT_EQ(f.Steps(), start + 1);
    f.Tool = f.Factory.CreateTempTool(TTempToolKind::Duplicate, f.Host);
    f.Drag({{3, 1}, {1, 1}});
    EXPECT_EQ(f.Grid(), (Grid{"......", ".#2#2.", ".3434."}));
    EXPECT_EQ(f.Steps(), start + 2);
    // An aborted move puts everything back.
    f.Tool = f.Factory.CreateTempTool(TTempToolKind::Move, f.Host);
    f.Tool->OnButtonDown({1, 1});
    f.Tool->OnMove({4, 0});
    f.Tool->Abort();
    EXPECT_EQ(f.Grid(), (Grid{"......", ".#2#2.", ".3434."}));
    EXPECT_EQ(f.Sel().GetRect(), (TRect{1, 1, 3, 3}));
    EXPECT_EQ(f.Steps(), start + 2);
    f.History().Undo();
    f.History().Undo();
    EXPECT_EQ(f.Grid(), (Grid{"#2....", "34....", "......"}));
}

TEST(DrawTools, NoImageNoStroke) {
    TToolFixture f;
    for (TToolItem item : {TToolItem::DrawDot, TToolItem::DrawRect, TToolItem::Fill, TToolItem::DrawEdge,
                           TToolItem::DrawSpray, TToolItem::DrawBezier}) {
        f.Use(item);
        f.Drag({{1, 1}, {2, 2}});
        f.Tool->Abort();
    }
    EXPECT_EQ(f.Steps(), 0);
    // The selection tools exist now, and without an image they do nothing either.
    f.Use(TToolItem::SelectRect);
    f.Drag({{1, 1}, {2, 2}});
    EXPECT_EQ(f.Steps(), 0);
}

}  // namespace
}  // namespace pixmo::test
