// The undo steps one by one: what they store, their sizes, and both directions.
#include <gtest/gtest.h>

#include "edit/restore.h"
#include "edit/undo_objects_image.h"
#include "edit/undo_objects_palette.h"
#include "edit/undo_objects_selection.h"
#include "fake_edit.h"
#include "support/test_support.h"

namespace pixmo::test {
namespace {

using Grid = std::vector<std::string>;

struct UndoObjectsTest : ::testing::Test {
    TEditFixture F;
    void SetUp() override { F.Context.SetDib(FromGrid({"#2345", "6789a", "bcdef"}, 16)); }
    void Select(const Grid& rows) {
        auto m = MaskFromGrid(rows);
        F.Sel().Replace(*m, m->Bounds());
    }
    TUndoObject& Last() { return *F.History().Items().back(); }
};

TEST_F(UndoObjectsTest, FirstMoveUndoAnchorsAndRedoLeavesTheHoleColourOfItsTime) {
    Select({".##..", "..#..", "....."});
    F.Context.SetColor2Index(4);
    DragSelection(F.Context, false, TPoint{2, 1});
    const Grid moved{"#4445", "6723a", "bcd8f"};
    EXPECT_EQ(ToGrid(F.Image()), moved);
    EXPECT_EQ(Last().Size(), 20);
    EXPECT_EQ(Last().GetCaption(), "Selezione Spostata");
    F.Context.SetColor2Index(9);
    F.History().Undo();
    EXPECT_EQ(ToGrid(F.Image()), (Grid{"#2345", "6789a", "bcdef"}));
    EXPECT_FALSE(F.Sel().IsFloating());
    EXPECT_EQ(F.Sel().FloatImage(), nullptr);
    EXPECT_EQ(F.Sel().FloatMask(), nullptr);
    EXPECT_EQ(F.Sel().GetRect(), Rect(1, 0, 3, 2));
    F.History().Redo();
    EXPECT_EQ(ToGrid(F.Image()), moved);
    EXPECT_EQ(ToGrid(*F.Sel().Background()), (Grid{"#4445", "6749a", "bcdef"}));
    EXPECT_EQ(F.Sel().GetRect(), Rect(2, 1, 4, 3));
}

TEST_F(UndoObjectsTest, LaterMovesOfAFloatingPieceStoreOnlyTheRectangle) {
    Select({"#....", ".....", "....."});
    DragSelection(F.Context, false, TPoint{1, 1});
    DragSelection(F.Context, false, TPoint{3, 2});
    EXPECT_EQ(Last().Size(), 16);
    EXPECT_EQ(ToGrid(F.Image()), (Grid{".2345", "6789a", "bcd#f"}));
    F.History().Undo();
    EXPECT_EQ(ToGrid(F.Image()), (Grid{".2345", "6#89a", "bcdef"}));
    EXPECT_EQ(F.Sel().GetRect(), Rect(1, 1, 2, 2));
    F.History().Redo();
    EXPECT_EQ(F.Sel().GetRect(), Rect(3, 2, 4, 3));
}

TEST_F(UndoObjectsTest, DuplicateLeavesTheSourceAndUndoesBothWays) {
    Select({"##...", ".....", "....."});
    DragSelection(F.Context, true, TPoint{3, 1});
    EXPECT_EQ(Last().GetCaption(), "Selezione Copiata");
    EXPECT_EQ(Last().Size(), 16);  // nothing floated before: no block
    EXPECT_EQ(ToGrid(F.Image()), (Grid{"#2345", "678#2", "bcdef"}));
    F.History().Undo();
    EXPECT_EQ(ToGrid(F.Image()), (Grid{"#2345", "6789a", "bcdef"}));
    EXPECT_FALSE(F.Sel().IsFloating());
    F.History().Redo();
    EXPECT_EQ(ToGrid(F.Image()), (Grid{"#2345", "678#2", "bcdef"}));
    // A second copy of the floating piece stores the background under it.
    DragSelection(F.Context, true, TPoint{3, 2});
    EXPECT_EQ(Last().Size(), 16 + static_cast<int64_t>(PackRect(F.Image(), Rect(3, 1, 5, 2)).size()));
    EXPECT_EQ(ToGrid(F.Image()), (Grid{"#2345", "678#2", "bcd#2"}));
    F.History().Undo();
    EXPECT_EQ(ToGrid(F.Image()), (Grid{"#2345", "678#2", "bcdef"}));
    EXPECT_EQ(ToGrid(*F.Sel().Background()), (Grid{"#2345", "6789a", "bcdef"}));
}

TEST_F(UndoObjectsTest, UndoingACopyOfAPieceOutsideTheImageKeepsItFloating) {
    Select({"#....", ".....", "....."});
    DragSelection(F.Context, false, TPoint{-4, -4});
    DragSelection(F.Context, true, TPoint{2, 1});
    EXPECT_EQ(ToGrid(F.Image()), (Grid{".2345", "67#9a", "bcdef"}));
    F.History().Undo();
    EXPECT_TRUE(F.Sel().IsFloating());
    EXPECT_EQ(F.Sel().GetRect(), Rect(-4, -4, -3, -3));
    EXPECT_EQ(ToGrid(F.Image()), (Grid{".2345", "6789a", "bcdef"}));
    F.History().Undo();
    EXPECT_EQ(F.Sel().GetRect(), Rect(0, 0, 1, 1));
    EXPECT_EQ(ToGrid(F.Image()), (Grid{"#2345", "6789a", "bcdef"}));
}

TEST_F(UndoObjectsTest, PaletteUndoMakesTheEntryPrimaryAndSwapsTheColour) {
    const TColorRef before = F.Image().GetColor(6);
    F.History().AddPaletteColour(6, before);
    F.Context.SetPaletteColor(6, RGB(200, 0, 0));
    EXPECT_EQ(Last().Size(), 8);
    F.History().Undo();
    EXPECT_EQ(F.Image().GetColor(6), before);
    EXPECT_EQ(F.Context.Color1Index(), 6);
    EXPECT_EQ(F.Client.ColorChanges, (std::vector<int>{1}));
    F.History().Redo();
    EXPECT_EQ(F.Image().GetColor(6), RGB(200, 0, 0));
}

TEST_F(UndoObjectsTest, PaletteRangeAndExchangeComeBack) {
    F.History().Add(std::make_unique<TUndoPalettes>(F.Context, 2, 3));
    EXPECT_EQ(Last().Size(), 24);
    for (int i = 2; i < 5; ++i) F.Image().SetColor(i, RGB(i, i, 0));
    F.History().Undo();
    EXPECT_EQ(F.Image().GetColor(3), RGB(51, 51, 51));
    F.History().Redo();
    EXPECT_EQ(F.Image().GetColor(3), RGB(3, 3, 0));

    const TColorRef c2 = F.Image().GetColor(2), c7 = F.Image().GetColor(7);
    F.History().Add(std::make_unique<TUndoExchangePalette>(F.Context, 2, 7));
    F.Context.ExchangePaletteEntries(2, 7);
    EXPECT_EQ(ToGrid(F.Image()), (Grid{"#7345", "6289a", "bcdef"}));
    F.History().Undo();
    EXPECT_EQ(ToGrid(F.Image()), (Grid{"#2345", "6789a", "bcdef"}));
    EXPECT_EQ(F.Image().GetColor(2), c2);
    EXPECT_EQ(F.Image().GetColor(7), c7);
}

TEST_F(UndoObjectsTest, NewFileSwapsImageNameAndFloatingSelection) {
    F.Context.SetDibFile(FromGrid({"#2345", "6789a", "bcdef"}, 16), "first.bmp");
    Select({"#....", ".....", "....."});
    DragSelection(F.Context, false, TPoint{4, 2});
    F.History().AddNewFile("Apri");
    TSelection& sel = F.Sel();
    const size_t blocks = Pack(F.Image()).size() + Pack(*sel.FloatMask()).size() + Pack(*sel.FloatImage()).size() +
                          PackRect(*sel.Background(), sel.GetRect()).size();
    EXPECT_EQ(Last().GetCaption(), "Apri");
    EXPECT_EQ(Last().Size(), 32 + static_cast<int64_t>(blocks));
    F.Context.SetDibFile(FromGrid({"..", ".."}, 2), "second.bmp");
    EXPECT_FALSE(F.Context.Modified());
    F.History().Undo();
    EXPECT_EQ(F.Context.FileName(), "first.bmp");
    EXPECT_EQ(ToGrid(F.Image()), (Grid{".2345", "6789a", "bcde#"}));
    EXPECT_TRUE(F.Sel().IsFloating());
    EXPECT_EQ(F.Sel().GetRect(), Rect(4, 2, 5, 3));
    EXPECT_EQ(ToGrid(*F.Sel().Background()), (Grid{".2345", "6789a", "bcdef"}));
    F.History().Redo();
    EXPECT_EQ(F.Context.FileName(), "second.bmp");
    EXPECT_EQ(F.Image().Colors(), 2);
    EXPECT_TRUE(F.Sel().IsEmpty());
}

TEST_F(UndoObjectsTest, NewDibSizeIsItsBlocksPlusOneOverhead) {
    // 4x4 at 16 colours packs into 40 + 64 + 16 bytes; no selection adds no block.
    F.Context.SetDib(FromGrid({"0123", "4567", "89ab", "cdef"}, 16));
    F.History().AddNewDib("Cambia Dimensione Immagine");
    EXPECT_EQ(Last().Size(), 152);
    F.Context.SetDib(FromGrid({"#2345", "6789a", "bcdef"}, 16));
    Select({"##...", ".....", "....."});
    F.History().AddNewDib("Cambia Dimensione Immagine");
    const int64_t image = static_cast<int64_t>(Pack(F.Image()).size());
    const int64_t mask = static_cast<int64_t>(PackRect(*F.Sel().Mask(), Rect(0, 0, 2, 1)).size());
    EXPECT_EQ(Last().Size(), 32 + image + mask);
    int64_t sum = 0;
    for (const auto& item : F.History().Items()) sum += item->Size();
    EXPECT_EQ(F.History().TotalSize(), sum);
}

TEST_F(UndoObjectsTest, AStrokeOnAFloatingPieceKeepsTheFloatingImageInStep) {
    Select({"##...", ".....", "....."});
    DragSelection(F.Context, false, TPoint{2, 1});
    auto backup = TDib::CreateClone(F.Image());
    F.Image().SetPixel(2, 1, 15);
    F.Sel().SyncFloating(Rect(2, 1, 3, 2));
    F.History().AddDibRect(backup.get(), Rect(2, 1, 3, 2));
    EXPECT_EQ(ToGrid(*F.Sel().FloatImage()), (Grid{"f2"}));
    F.History().Undo();
    EXPECT_EQ(ToGrid(*F.Sel().FloatImage()), (Grid{"#2"}));
    F.History().Redo();
    EXPECT_EQ(ToGrid(*F.Sel().FloatImage()), (Grid{"f2"}));
}

TEST_F(UndoObjectsTest, ReplaceMaskRestoreObjectPutsTheOldSelectionBack) {
    Select({".#...", ".##..", "....."});
    TReplaceMask saved(F.Context);
    EXPECT_EQ(saved.Save(), static_cast<int64_t>(PackRect(*F.Sel().Mask(), Rect(1, 0, 3, 2)).size()));
    F.Sel().SelectAll();
    saved.Restore();
    EXPECT_EQ(F.Sel().GetRect(), Rect(1, 0, 3, 2));
    EXPECT_EQ(ToGrid(*F.Sel().Mask()), (Grid{".#...", ".##..", "....."}));
}

TEST_F(UndoObjectsTest, SelectionStepsRecordOnlyWhenSomethingIsOrWillBeSelected) {
    auto empty = TMaskDib::Create(5, 3);
    F.Sel().Replace(*empty, TRect{});
    EXPECT_EQ(F.History().Count(), 0);
    Select({"#....", ".....", "....."});
    EXPECT_EQ(Last().GetCaption(), "Selezione di un nuovo campo");
    EXPECT_EQ(Last().Size(), 32);  // nothing was selected before
    F.Sel().Replace(*empty, TRect{});
    EXPECT_EQ(F.History().Count(), 2);
}

}  // namespace
}  // namespace pixmo::test
