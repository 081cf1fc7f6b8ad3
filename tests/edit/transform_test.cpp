// Stretch and rotate: the pictures they make, the floating piece and undo step they leave,
// and a stopped pass that leaves everything as it was.
#include <gtest/gtest.h>

#include "edit/pixel_ops.h"
#include "edit/transform.h"
#include "fake_edit.h"
#include "support/test_support.h"

namespace pixmo::test {
namespace {

using Grid = std::vector<std::string>;

// Counts the steps and asks to stop before row `stopAt` (never when negative).
struct TFakeProgress : TProgress {
    int StopAt = -1, Steps = 0, Opens = 0, Closes = 0, Maximum = 0;
    std::string Caption;
    void Open(const std::string& caption, int maximum) override { ++Opens, Caption = caption, Maximum = maximum; }
    bool Step() override { return Steps++ != StopAt; }
    void Close() override { ++Closes; }
};

std::unique_ptr<TMaskDib> Full(const TDib& image) {
    auto mask = TMaskDib::CreateSize(image.GetSize());
    FillAll(*mask, 1);
    return mask;
}

Grid MaskGrid(const TDib& mask) {
    Grid rows = ToGrid(mask);
    for (auto& row : rows)
        for (char& c : row) c = c == '.' ? '.' : '#';
    return rows;
}

TEST(StretchPiece, NearestAndSmoothedPicturesAtOneAndAHalf) {
    auto source = FromGrid({"08f8", "4c4c", "f080"}, 16);
    auto mask = MaskFromGrid({"##..", "#...", "...#"});
    TNoProgress none;
    auto nearest = StretchPiece(*source, *mask, false, TPoint{6, 4}, none);
    ASSERT_TRUE(nearest.Done);
    EXPECT_EQ(ToGrid(*nearest.Image), (Grid{"..8ff8", "..8ff8", "44c44c", "ff.88."}));
    const Grid nearestMask{"###...", "###...", "##....", ".....#"};
    EXPECT_EQ(MaskGrid(*nearest.Mask), nearestMask);

    // Colours blend (last column and row read themselves as neighbour); the mask does not.
    TFakeProgress progress;
    auto smooth = StretchPiece(*source, *mask, true, TPoint{6, 4}, progress);
    ASSERT_TRUE(smooth.Done);
    EXPECT_EQ(ToGrid(*smooth.Image), (Grid{".59ec8", "37a89b", "887668", "f6265."}));
    EXPECT_EQ(MaskGrid(*smooth.Mask), nearestMask);
    EXPECT_EQ(progress.Caption, "Estendi... ");
    EXPECT_EQ(progress.Maximum, 4);
    EXPECT_EQ(progress.Steps, 4);
    EXPECT_EQ(progress.Closes, 1);
}

TEST(StretchPiece, WidthOrHeightOneSamplesTheFirstColumnOrRow) {
    auto source = FromGrid({"08f8", "4c4c", "f080"}, 16);
    auto mask = Full(*source);
    TNoProgress none;
    for (bool smooth : {false, true}) {
        EXPECT_EQ(ToGrid(*StretchPiece(*source, *mask, smooth, TPoint{1, 3}, none).Image), (Grid{".", "4", "f"}));
        EXPECT_EQ(ToGrid(*StretchPiece(*source, *mask, smooth, TPoint{4, 1}, none).Image), (Grid{".8f8"}));
    }
}

TEST(RotatePiece, ThirtyThreeDegreesNearestAndSmoothed) {
    auto source = FromGrid({"12345", "6789a", "bcdef", "fedcb"}, 16);
    auto mask = MaskFromGrid({"#####", "####.", "###..", "##..."});
    const Grid rotatedMask{".#...", "####.", "#####", "#.##."};
    TFakeProgress progress;
    auto nearest = RotatePiece(*source, *mask, 33, false, RGB(0, 0, 0), progress);
    ASSERT_TRUE(nearest.Done);
    EXPECT_EQ(ToGrid(*nearest.Image), (Grid{".#...", "6723.", "bc895", "edd9a"}));
    EXPECT_EQ(MaskGrid(*nearest.Mask), rotatedMask);
    EXPECT_EQ(progress.Caption, "Ruota ");
    EXPECT_EQ(progress.Steps, progress.Maximum);

    auto smooth = RotatePiece(*source, *mask, 33, true, RGB(0, 0, 0), progress);
    ASSERT_TRUE(smooth.Done);
    EXPECT_EQ(ToGrid(*smooth.Image), (Grid{".#...", "6643.", "ca975", "eddba"}));
    EXPECT_EQ(MaskGrid(*smooth.Mask), rotatedMask);
}

struct TransformTest : ::testing::Test {
    TEditFixture F;
    TFakeProgress Progress;
    void SetUp() override {
        F.Context.SetDib(FromGrid({"......", ".123..", ".456..", "......"}, 16));
        F.Context.SetColor2Index(9);
    }
    void Select(const Grid& rows) {
        auto m = MaskFromGrid(rows);
        F.Sel().Replace(*m, m->Bounds());
    }
};

TEST_F(TransformTest, RotateByNinetyFloatsTheTurnedPieceAtTheOldTopLeftAndUndoesInOneStep) {
    Select({"......", ".###..", ".###..", "......"});
    const int steps = F.History().Count();
    ASSERT_TRUE(RotateSelection(F.Context, 90, false, Progress));
    EXPECT_TRUE(F.Sel().IsFloating());
    EXPECT_EQ(F.Sel().GetRect(), Rect(1, 1, 3, 4));
    EXPECT_EQ(ToGrid(F.Image()), (Grid{"......", ".4#9..", ".529..", ".63..."}));
    EXPECT_EQ(F.History().Count(), steps + 1);
    EXPECT_EQ(F.History().Items().back()->GetCaption(), "Ruota");
    F.History().Undo();
    EXPECT_EQ(ToGrid(F.Image()), (Grid{"......", ".#23..", ".456..", "......"}));
    EXPECT_EQ(F.Sel().GetRect(), Rect(1, 1, 4, 3));
}

TEST_F(TransformTest, StretchWithoutSelectionFillsTheImageAndFloatsTheWholePicture) {
    ASSERT_TRUE(StretchSelection(F.Context, TPoint{3, 2}, false, Progress));
    EXPECT_EQ(Progress.Opens, 0);  // the nearest stretch shows no progress
    EXPECT_EQ(F.Sel().GetRect(), Rect(0, 0, 3, 2));
    EXPECT_EQ(ToGrid(F.Image()), (Grid{"...999", ".5.999", "999999", "999999"}));
    EXPECT_EQ(F.History().Items().back()->GetCaption(), "Aumenta, Diminuisce");
}

TEST_F(TransformTest, FullTurnsRecordNothingAndAnEmptyMaskEndsWithNoSelection) {
    Select({"......", ".###..", ".###..", "......"});
    const int steps = F.History().Count();
    for (int angle : {0, 360, -360}) EXPECT_TRUE(RotateSelection(F.Context, angle, true, Progress));
    EXPECT_EQ(F.History().Count(), steps);
    EXPECT_EQ(Progress.Opens, 0);
    EXPECT_FALSE(F.Sel().IsFloating());

    // A floating piece whose mask selects nothing: the rotation keeps no pixel.
    auto piece = FromGrid({"12", "34"}, 16);
    auto empty = TMaskDib::Create(2, 2);
    F.Sel().SetFloating(piece.get(), empty.get(), Rect(3, 0, 5, 2));
    ASSERT_FALSE(F.Sel().IsEmpty());
    ASSERT_TRUE(RotateSelection(F.Context, 45, false, Progress));
    EXPECT_TRUE(F.Sel().IsEmpty());
    EXPECT_FALSE(F.Sel().IsFloating());
    EXPECT_EQ(MaskGrid(*F.Sel().Mask()), (Grid{"......", "......", "......", "......"}));
    EXPECT_EQ(F.History().Items().back()->GetCaption(), "Ruota");
}

TEST_F(TransformTest, AStoppedPassLeavesImageSelectionAndHistoryAsTheyWere) {
    Select({"......", ".##...", ".###..", "......"});
    const Grid image = ToGrid(F.Image()), mask = MaskGrid(*F.Sel().Mask());
    const TRect rect = F.Sel().GetRect();
    const int steps = F.History().Count();
    for (int stopAt : {0, 1}) {
        TFakeProgress stop;
        stop.StopAt = stopAt;
        EXPECT_FALSE(StretchSelection(F.Context, TPoint{5, 3}, true, stop));
        EXPECT_EQ(stop.Closes, 1);
        stop = TFakeProgress{};
        stop.StopAt = stopAt;
        EXPECT_FALSE(RotateSelection(F.Context, 33, stopAt == 1, stop));
        EXPECT_EQ(stop.Closes, 1);
    }
    EXPECT_EQ(ToGrid(F.Image()), image);
    EXPECT_EQ(MaskGrid(*F.Sel().Mask()), mask);
    EXPECT_EQ(F.Sel().GetRect(), rect);
    EXPECT_FALSE(F.Sel().IsFloating());
    EXPECT_EQ(F.History().Count(), steps);
}

}  // namespace
}  // namespace pixmo::test
