// The selection: composition of masks, menu operations, floating, effects, clipboard.
#include <gtest/gtest.h>

#include "edit/undo_objects_selection.h"
#include "fake_edit.h"
#include "image/errors.h"
#include "support/test_support.h"

namespace pixmo::test {
namespace {

using Grid = std::vector<std::string>;

struct SelectionTest : ::testing::Test {
    TEditFixture F;
    void SetUp() override {
        F.Context.SetDib(FromGrid({"#2345", "6789a", "bcdef", "#2345"}, 16));
    }
    void Select(const Grid& rows) {
        auto m = MaskFromGrid(rows);
        F.Sel().Replace(*m, m->Bounds());
    }
    Grid MaskGrid() { return ToGrid(*F.Sel().Mask()); }
};

TEST_F(SelectionTest, ReplaceAddDeleteAndComposeTheMaskAndRectangle) {
    Select({"##...", "##...", ".....", "....."});
    EXPECT_EQ(F.Sel().GetRect(), Rect(0, 0, 2, 2));
    auto add = MaskFromGrid({".....", ".....", "....#", "....#"});
    F.Sel().AddMask(*add, add->Bounds());
    EXPECT_EQ(F.Sel().GetRect(), Rect(0, 0, 5, 4));
    EXPECT_EQ(MaskGrid(), (Grid{"##...", "##...", "....#", "....#"}));
    auto del = MaskFromGrid({".....", ".....", ".....", "....#"});
    F.Sel().DeleteMask(*del, del->Bounds());
    EXPECT_EQ(F.Sel().GetRect(), Rect(0, 0, 5, 3));
    auto keep = MaskFromGrid({"#####", ".....", "#####", "....."});
    F.Sel().AndMask(*keep, keep->Bounds());
    EXPECT_EQ(MaskGrid(), (Grid{"##...", ".....", "....#", "....."}));
    EXPECT_EQ(F.Sel().GetRect(), Rect(0, 0, 5, 3));
    EXPECT_EQ(F.History().Count(), 4);
    EXPECT_EQ(F.History().Items()[1]->GetCaption(), "Addit.of choic");
    EXPECT_EQ(F.History().Items()[2]->GetCaption(), "Part deletion of c");
    EXPECT_EQ(F.History().Items()[3]->GetCaption(), "Common Part Ch");
    EXPECT_EQ(F.Panels.LastRect, Rect(0, 0, 5, 3));
}

TEST_F(SelectionTest, AndWithADisjointMaskLeavesNothingSelected) {
    Select({"##...", "##...", ".....", "....."});
    auto other = MaskFromGrid({".....", ".....", "...##", "....."});
    F.Sel().AndMask(*other, other->Bounds());
    EXPECT_TRUE(F.Sel().IsEmpty());
    EXPECT_EQ(MaskGrid(), (Grid{".....", ".....", ".....", "....."}));
    EXPECT_EQ(F.Panels.LastMessage(), "Pixmo 3 - Versione Italiana   ");
}

TEST_F(SelectionTest, AndEmptyingAFloatingPieceDropsItsBackground) {
    Select({"##...", "##...", ".....", "....."});
    DragSelection(F.Context, false, TPoint{2, 2});
    ASSERT_TRUE(F.Sel().IsFloating());
    auto other = MaskFromGrid({"#....", ".....", ".....", "....."});
    F.Sel().AndMask(*other, other->Bounds());
    EXPECT_TRUE(F.Sel().IsEmpty());
    EXPECT_FALSE(F.Sel().IsFloating());
    EXPECT_EQ(F.Sel().FloatImage(), nullptr);
    // The piece went back to the background, which has the hole of colour 0.
    EXPECT_EQ(ToGrid(F.Image()), (Grid{"..345", "..89a", "bcdef", "#2345"}));
}

TEST_F(SelectionTest, DeletingAllOfAFloatingMaskFreesThePiece) {
    Select({".....", ".##..", ".....", "....."});
    F.Context.SetColor2Index(15);
    DragSelection(F.Context, false, TPoint{3, 2});
    EXPECT_EQ(ToGrid(F.Image()), (Grid{"#2345", "6ff9a", "bcd78", "#2345"}));
    auto all = MaskFromGrid({"#####", "#####", "#####", "#####"});
    F.Sel().DeleteMask(*all, all->Bounds());
    EXPECT_FALSE(F.Sel().IsFloating());
    EXPECT_EQ(F.Sel().FloatMask(), nullptr);
    EXPECT_EQ(F.Sel().FloatImage(), nullptr);
    EXPECT_TRUE(F.Sel().IsEmpty());
    EXPECT_EQ(ToGrid(F.Image()), (Grid{"#2345", "6ff9a", "bcdef", "#2345"}));
}

TEST_F(SelectionTest, DeleteMaskMissingTheSelectionChangesAndRecordsNothing) {
    Select({"#....", ".....", ".....", "....."});
    auto far = MaskFromGrid({".....", ".....", ".....", "....#"});
    F.Sel().DeleteMask(*far, far->Bounds());
    EXPECT_EQ(F.History().Count(), 1);
    EXPECT_EQ(F.Sel().GetRect(), Rect(0, 0, 1, 1));
}

TEST_F(SelectionTest, AddingBeyondTheSizeLimitIsRefusedWithAMessage) {
    F.Sel().SelectAll();
    DragSelection(F.Context, false, TPoint{-7998, 0});
    const TRect before = F.Sel().GetRect();
    const int steps = F.History().Count();
    auto m = MaskFromGrid({"....#", ".....", ".....", "....."});
    F.Sel().AddMask(*m, m->Bounds());
    EXPECT_EQ(F.Panels.LastMessage(), "Chosed range is too big ");
    EXPECT_EQ(F.Sel().GetRect(), before);
    EXPECT_EQ(F.History().Count(), steps);
}

TEST_F(SelectionTest, CancelKeepsAFloatingPieceDrawnAndRecordsOneStep) {
    Select({"##...", ".....", ".....", "....."});
    DragSelection(F.Context, false, TPoint{3, 3});
    const Grid shown = ToGrid(F.Image());
    const int steps = F.History().Count();
    F.Sel().Cancel();
    EXPECT_EQ(F.History().Count(), steps + 1);
    EXPECT_EQ(F.History().Items().back()->GetCaption(), "Selezione Annullata");
    EXPECT_EQ(ToGrid(F.Image()), shown);
    EXPECT_FALSE(F.Sel().IsFloating());
    EXPECT_TRUE(F.Sel().IsEmpty());
    F.History().Undo();
    EXPECT_TRUE(F.Sel().IsFloating());
    EXPECT_EQ(F.Sel().GetRect(), Rect(3, 3, 5, 4));
}

TEST_F(SelectionTest, DeleteEdgeRemovesAOnePixelLineAndEdgeKeepsTheBorder) {
    Select({".....", "####.", ".....", "....."});
    F.Sel().DeleteEdge();
    EXPECT_TRUE(F.Sel().IsEmpty());

    TEditFixture g;
    g.Context.SetDib(FromGrid({".....", ".....", ".....", ".....", "....."}, 2));
    auto block = MaskFromGrid({".....", ".###.", ".###.", ".###.", "....."});
    g.Sel().Replace(*block, block->Bounds());
    g.Sel().Edge();
    EXPECT_EQ(ToGrid(*g.Sel().Mask()), (Grid{".....", ".###.", ".#.#.", ".###.", "....."}));
    g.History().Undo();
    g.Sel().DeleteEdge();
    EXPECT_EQ(ToGrid(*g.Sel().Mask()), (Grid{".....", ".....", "..#..", ".....", "....."}));
    EXPECT_EQ(g.Sel().GetRect(), Rect(2, 2, 3, 3));
    g.Sel().AddEdge();
    EXPECT_EQ(ToGrid(*g.Sel().Mask()), (Grid{".....", "..#..", ".###.", "..#..", "....."}));
    EXPECT_EQ(g.Sel().GetRect(), Rect(1, 1, 4, 4));
}

TEST_F(SelectionTest, EdgeOfTheWholeImageCountsTheImageBorderAsOutside) {
    F.Sel().SelectAll();
    F.Sel().DeleteEdge();
    EXPECT_EQ(MaskGrid(), (Grid{".....", ".###.", ".###.", "....."}));
}

TEST_F(SelectionTest, ColourSelectionsAndInvert) {
    F.Sel().SelectColour(1);
    EXPECT_EQ(MaskGrid(), (Grid{"#....", ".....", ".....", "#...."}));
    F.Sel().AddColour(5);
    EXPECT_EQ(F.Sel().GetRect(), Rect(0, 0, 5, 4));
    F.Sel().DeleteColour(1);
    EXPECT_EQ(MaskGrid(), (Grid{"....#", ".....", ".....", "....#"}));
    F.Sel().Invert();
    EXPECT_EQ(MaskGrid(), (Grid{"####.", "#####", "#####", "####."}));
    F.Sel().SelectExceptColour(1);
    EXPECT_EQ(MaskGrid(), (Grid{".####", "#####", "#####", ".####"}));
}

TEST_F(SelectionTest, DeleteAndClearInsidePaintTheSecondaryColourThroughTheMask) {
    F.Context.SetColor2Index(0);
    Select({".#...", ".##..", ".....", "....."});
    F.Sel().ClearInside();
    EXPECT_EQ(ToGrid(F.Image()), (Grid{"#.345", "6..9a", "bcdef", "#2345"}));
    EXPECT_FALSE(F.Sel().IsEmpty());
    EXPECT_EQ(F.History().Items().back()->GetCaption(), "Cancellata immagine della Selezione");
    F.History().Undo();
    F.Sel().Delete();
    EXPECT_TRUE(F.Sel().IsEmpty());
    EXPECT_EQ(ToGrid(F.Image()), (Grid{"#.345", "6..9a", "bcdef", "#2345"}));
    F.History().Undo();
    EXPECT_EQ(ToGrid(F.Image()), (Grid{"#2345", "6789a", "bcdef", "#2345"}));
    EXPECT_EQ(MaskGrid(), (Grid{".#...", ".##..", ".....", "....."}));
}

TEST_F(SelectionTest, ClearAndCutOfNothingAbortSilentlyWithoutAStep) {
    EXPECT_THROW(F.Sel().Delete(), EAbort);
    EXPECT_THROW(F.Sel().Cut(), EAbort);
    EXPECT_EQ(F.History().Count(), 0);
    EXPECT_FALSE(F.Clipboard.HasFormat(CF_DIB));
}

TEST_F(SelectionTest, CutPutsPictureAndMaskOnTheClipboardAndPasteFloatsThemBack) {
    Select({".....", ".##..", "..#..", "....."});
    F.Context.SetColor2Index(0);
    F.Sel().Cut();
    EXPECT_EQ(F.History().Items().back()->GetCaption(), "Selezione Tagliata");
    EXPECT_EQ(ToGrid(F.Image()), (Grid{"#2345", "6..9a", "bc.ef", "#2345"}));
    ASSERT_TRUE(F.Clipboard.HasFormat(CF_DIB));
    ASSERT_TRUE(F.Clipboard.HasFormat(CF_DSPBITMAP));
    F.Client.Cursor = TPoint{4, 3};  // near the corner: the piece is moved inside
    F.Sel().PasteClipboard();
    EXPECT_EQ(F.History().Items().back()->GetCaption(), "Incolla ");
    EXPECT_EQ(F.Sel().GetRect(), Rect(3, 2, 5, 4));
    EXPECT_EQ(ToGrid(F.Image()), (Grid{"#2345", "6..9a", "bc.78", "#234d"}));
    EXPECT_EQ(F.Client.Aborts, 1);
    F.History().Undo();
    EXPECT_EQ(ToGrid(F.Image()), (Grid{"#2345", "6..9a", "bc.ef", "#2345"}));
    EXPECT_FALSE(F.Sel().IsFloating());
}

TEST_F(SelectionTest, AClipboardMaskOfAnotherSizeIsNotTrusted) {
    FromGrid({"23", "45"}, 16)->CopyToClipboard(F.Clipboard);
    MaskFromGrid({"#..", "...", "..."})->CopyToClipboard(F.Clipboard);
    F.Client.Cursor = TPoint{1, 1};
    F.Sel().PasteClipboard();
    EXPECT_EQ(ToGrid(*F.Sel().FloatMask()), (Grid{"##", "##"}));
    EXPECT_EQ(ToGrid(F.Image()), (Grid{"23345", "4589a", "bcdef", "#2345"}));
}

TEST_F(SelectionTest, PasteStaysInsideTheVisiblePartThenTheImage) {
    auto piece = FromGrid({"##", "##"}, 16);
    F.Client.Cursor = TPoint{0, 0};
    F.Client.Visible = Rect(1, 1, 5, 4);
    F.Sel().Paste(*piece, nullptr);
    EXPECT_EQ(F.Sel().GetRect(), Rect(1, 1, 3, 3));
    auto wide = FromGrid({"#######"}, 16);
    F.Sel().Paste(*wide, nullptr);
    EXPECT_EQ(F.Sel().GetRect(), Rect(0, 1, 7, 2));
}

TEST_F(SelectionTest, MovingANonFloatingSelectionTakesItsMaskAlong) {
    Select({"#....", "##...", ".....", "....."});
    F.Sel().MoveTo(Rect(3, 2, 0, 0));
    EXPECT_EQ(F.Sel().GetRect(), Rect(3, 2, 5, 4));
    EXPECT_EQ(MaskGrid(), (Grid{".....", ".....", "...#.", "...##"}));
    EXPECT_EQ(ToGrid(F.Image()), (Grid{"#2345", "6789a", "bcdef", "#2345"}));
}

TEST_F(SelectionTest, CancelFloatAnchorsThePieceAndKeepsTheMask) {
    Select({"##...", ".....", ".....", "....."});
    DragSelection(F.Context, false, TPoint{1, 1});
    F.Sel().CancelFloat();
    EXPECT_FALSE(F.Sel().IsFloating());
    EXPECT_EQ(F.Sel().GetRect(), Rect(1, 1, 3, 2));
    EXPECT_EQ(MaskGrid(), (Grid{".....", ".##..", ".....", "....."}));
    EXPECT_EQ(F.History().Items().back()->GetCaption(), "Trascinamento Rilasciato");
}

TEST_F(SelectionTest, FlipsFloatTheMirroredPieceOverTheHole) {
    F.Context.SetColor2Index(0);
    Select({"###..", "#....", ".....", "....."});
    F.Sel().FlipHorizontal();
    EXPECT_TRUE(F.Sel().IsFloating());
    EXPECT_EQ(ToGrid(F.Image()), (Grid{"32#45", ".769a", "bcdef", "#2345"}));
    EXPECT_EQ(ToGrid(*F.Sel().Background()), (Grid{"...45", ".789a", "bcdef", "#2345"}));
    EXPECT_EQ(F.History().Items().back()->GetCaption(), "Rifletti Orizzontale");
    F.History().Undo();
    EXPECT_EQ(ToGrid(F.Image()), (Grid{"#2345", "6789a", "bcdef", "#2345"}));
    EXPECT_FALSE(F.Sel().IsFloating());
    EXPECT_EQ(MaskGrid(), (Grid{"###..", "#....", ".....", "....."}));
    F.History().Redo();
    EXPECT_EQ(ToGrid(F.Image()), (Grid{"32#45", ".769a", "bcdef", "#2345"}));
    F.Sel().FlipVertical();
    EXPECT_EQ(ToGrid(F.Image()), (Grid{"..645", "32#9a", "bcdef", "#2345"}));
}

TEST_F(SelectionTest, FlipWithoutSelectionFloatsTheWholeImage) {
    F.Context.SetColor2Index(0);
    F.Sel().FlipVertical();
    EXPECT_EQ(ToGrid(F.Image()), (Grid{"#2345", "bcdef", "6789a", "#2345"}));
    EXPECT_EQ(F.Sel().GetRect(), Rect(0, 0, 5, 4));
    EXPECT_EQ(ToGrid(*F.Sel().Background()), (Grid{".....", ".....", ".....", "....."}));
    F.History().Undo();
    EXPECT_TRUE(F.Sel().IsEmpty());
    EXPECT_EQ(ToGrid(F.Image()), (Grid{"#2345", "6789a", "bcdef", "#2345"}));
}

TEST_F(SelectionTest, ShiftEffectsMoveThePieceCyclicallyInsideTheMask) {
    Select({"###..", "###..", ".....", "....."});
    F.Sel().Shift(1, 0);
    EXPECT_EQ(F.History().Items().back()->GetCaption(), "Shift :1,0");
    EXPECT_EQ(ToGrid(F.Image()), (Grid{"3#245", "8679a", "bcdef", "#2345"}));
    F.History().Undo();
    F.Sel().XShift();
    EXPECT_EQ(F.History().Items().back()->GetCaption(), "X Shift");
    EXPECT_EQ(ToGrid(F.Image()), (Grid{"86745", "3#29a", "bcdef", "#2345"}));
    const int steps = F.History().Count();
    F.Sel().Shift(0, 0);
    EXPECT_EQ(F.History().Count(), steps);
}

TEST_F(SelectionTest, AShapedFloatingPieceShiftsWithItsMaskAndDropsWhole) {
    // An "L" of colour f on colour 2, selected on the letter only, as placed text is.
    F.Sel().Paste(*FromGrid({"f222", "f222", "ff22"}, 16), MaskFromGrid({"#...", "#...", "##.."}).get());
    EXPECT_EQ(ToGrid(F.Image()), (Grid{"f2345", "f789a", "ffdef", "#2345"}));
    F.Sel().Shift(1, 0);
    EXPECT_EQ(F.History().Items().back()->GetCaption(), "Shift :1,0");
    EXPECT_EQ(ToGrid(*F.Sel().FloatMask()), (Grid{".#..", ".#..", ".##."}));
    EXPECT_EQ(ToGrid(F.Image()), (Grid{"#f345", "6f89a", "bffef", "#2345"}));
    F.Sel().Shift(-2, 1);  // wraps at the left and at the bottom
    EXPECT_EQ(ToGrid(*F.Sel().FloatMask()), (Grid{"#..#", "...#", "...#"}));
    EXPECT_EQ(ToGrid(F.Image()), (Grid{"f23f5", "678fa", "bcdff", "#2345"}));
    F.History().Undo();
    EXPECT_EQ(ToGrid(F.Image()), (Grid{"#f345", "6f89a", "bffef", "#2345"}));
    EXPECT_EQ(MaskGrid(), (Grid{".#...", ".#...", ".##..", "....."}));
    F.History().Redo();
    F.Sel().XShift();  // by (2, 1)
    EXPECT_EQ(ToGrid(F.Image()), (Grid{"#f345", "6ff9a", "bfdef", "#2345"}));
    // Dropped, the letter stays on the image as it was last shown.
    F.Sel().Cancel();
    EXPECT_EQ(ToGrid(F.Image()), (Grid{"#f345", "6ff9a", "bfdef", "#2345"}));

    // A rectangular piece turns inside its rectangle as before.
    F.Sel().Paste(*FromGrid({"23", "45"}, 16), nullptr);
    F.Sel().Shift(1, 0);
    EXPECT_EQ(ToGrid(F.Image()), (Grid{"32345", "54f9a", "bfdef", "#2345"}));
}

TEST_F(SelectionTest, ColourEffectsMatchTheResultToTheTable) {
    // Grey ramp: the complement of entry i is entry 15 - i.
    Select({"##...", ".....", ".....", "....."});
    F.Sel().InvertColors();
    EXPECT_EQ(ToGrid(F.Image()), (Grid{"ed345", "6789a", "bcdef", "#2345"}));
    EXPECT_EQ(F.History().Items().back()->GetCaption(), "Inverti Colori");
    F.Context.SetColor2Index(13);
    F.Sel().MakeMask();
    EXPECT_EQ(ToGrid(F.Image()), (Grid{".f345", "6789a", "bcdef", "#2345"}));
    F.Sel().DifferenceColors(2);  // grey stays grey
    EXPECT_EQ(F.History().Items().back()->GetCaption(), "Differenza Colori");
    EXPECT_EQ(ToGrid(F.Image()), (Grid{".f345", "6789a", "bcdef", "#2345"}));
}

TEST_F(SelectionTest, PaletteChangesReachTheFloatingImageAndBackground) {
    Select({"#....", ".....", ".....", "....."});
    DragSelection(F.Context, false, TPoint{1, 0});
    F.Context.SetPaletteColor(3, RGB(1, 2, 3));
    EXPECT_EQ(F.Sel().FloatImage()->GetColor(3), RGB(1, 2, 3));
    EXPECT_EQ(F.Sel().Background()->GetColor(3), RGB(1, 2, 3));
    EXPECT_EQ(F.Client.PaletteChanges, 1);
}

TEST_F(SelectionTest, ANewImageGetsAnEmptyMaskOfItsSize) {
    Select({"#....", ".....", ".....", "....."});
    F.Context.SetDib(FromGrid({"...", "..."}, 2));
    EXPECT_TRUE(F.Sel().IsEmpty());
    EXPECT_EQ(F.Sel().Mask()->GetSize(), (TPoint{3, 2}));
    EXPECT_EQ(F.Client.ImageInstalls, 2);
}

TEST_F(SelectionTest, QueriesWithoutSelection) {
    EXPECT_EQ(F.Sel().GetRectOrImage(), Rect(0, 0, 5, 4));
    EXPECT_EQ(ToGrid(*F.Sel().CopyMask()), (Grid{"#####", "#####", "#####", "#####"}));
    EXPECT_EQ(ToGrid(*F.Sel().CopySelected()), ToGrid(F.Image()));
    auto block = F.Sel().CopyBitmap();
    auto back = TDib::CreateFromPacked(block);
    EXPECT_EQ(back->BitCount(), 8);
    EXPECT_EQ(ToGrid(*back), ToGrid(F.Image()));
    TEditFixture none;
    none.Sel().SelectAll();
    none.Sel().Cancel();
    EXPECT_EQ(none.Sel().CopySelected(), nullptr);
    EXPECT_EQ(none.History().Count(), 0);
}

}  // namespace
}  // namespace pixmo::test
