// The history: budget, step cap, redo tail, captions, panel and messages.
#include <gtest/gtest.h>

#include "edit/undo_objects_image.h"
#include "edit/undo_objects_palette.h"
#include "fake_edit.h"
#include "image/errors.h"
#include "support/test_support.h"

namespace pixmo::test {
namespace {

// A step of a chosen size and caption that counts its swaps.
class TCountingStep : public TUndoObject {
public:
    TCountingStep(TEditContext& context, std::string caption, int64_t size, int* swaps = nullptr)
        : TUndoObject(context), FCaption(std::move(caption)), FSwaps(swaps) {
        FSize = size;
    }
    std::string GetCaption() const override { return FCaption; }
    void Exchange() override {
        if (FSwaps) ++*FSwaps;
    }

private:
    std::string FCaption;
    int* FSwaps;
};

struct UndoTest : ::testing::Test {
    TEditFixture F;
    void SetUp() override { F.Context.SetDib(FromGrid({"....", "....", "...."}, 16)); }
    void AddStep(const std::string& caption, int64_t size = 10) {
        F.History().Add(std::make_unique<TCountingStep>(F.Context, caption, size));
    }
};

TEST_F(UndoTest, TheThousandthStepDropsTheOldest) {
    for (int i = 0; i < 1000; ++i) AddStep("s" + std::to_string(i));
    EXPECT_EQ(F.History().Count(), 999);
    EXPECT_EQ(F.History().Position(), 999);
    EXPECT_EQ(F.Panels.UndoPanel, "999/999");
    EXPECT_EQ(F.History().Items().front()->GetCaption(), "s1");
    EXPECT_EQ(F.History().TotalSize(), 999 * 10);
}

TEST_F(UndoTest, BudgetDropsOldestAndKeepsAnOversizedStepAlone) {
    F.Context.SetUndoLimit(100);
    for (int i = 0; i < 5; ++i) AddStep("small", 30);
    EXPECT_EQ(F.History().Count(), 3);  // 3 x 30 fits in 100, a fourth does not
    EXPECT_EQ(F.History().TotalSize(), 90);
    AddStep("huge", 500);
    EXPECT_EQ(F.History().Count(), 1);
    EXPECT_EQ(F.Panels.UndoPanel, "1/1");
    EXPECT_EQ(F.History().TotalSize(), 500);
}

TEST_F(UndoTest, BudgetZeroEmptiesTheHistoryAndRecordsNothing) {
    AddStep("a");
    AddStep("b");
    F.Context.SetUndoLimit(0);
    F.Context.SetModified(false);
    F.History().AddDibRect(F.Context.Dib(), Rect(0, 0, 2, 2));
    EXPECT_EQ(F.History().Count(), 0);
    EXPECT_EQ(F.History().Position(), 0);
    EXPECT_EQ(F.History().TotalSize(), 0);
    EXPECT_EQ(F.Panels.UndoPanel, "0/0");
    EXPECT_TRUE(F.Context.Modified());  // the document still counts as changed
    EXPECT_TRUE(F.Panels.Modified);
}

TEST_F(UndoTest, SavePointOutlivesDroppedOldStepsButNotTheStateItNamed) {
    F.Context.SetUndoLimit(100);
    AddStep("a", 30);
    F.Context.SetModified(false);  // saved after "a"
    AddStep("b", 30);
    AddStep("c", 30);
    AddStep("d", 30);  // "a" is dropped; the saved state is now the oldest one kept
    EXPECT_TRUE(F.Context.Modified());
    for (int i = 0; i < 3; ++i) F.History().Undo();
    EXPECT_FALSE(F.Context.Modified());
    EXPECT_FALSE(F.Panels.Modified);
    F.History().Redo();
    F.Context.SetModified(false);  // saved after "b"
    F.History().Undo();
    EXPECT_TRUE(F.Context.Modified());
    AddStep("e");  // drops the redo tail, and the saved state with it
    F.History().Undo();
    EXPECT_TRUE(F.Context.Modified());
    F.History().Redo();
    EXPECT_TRUE(F.Context.Modified());
}

TEST_F(UndoTest, TwoUndosOfFiveThenANewStepDropsTheRedoTail) {
    for (int i = 1; i <= 5; ++i) AddStep("step " + std::to_string(i));
    EXPECT_EQ(F.History().GetRedoCaption(), "Ripeti ");
    F.History().Undo();
    F.History().Undo();
    EXPECT_EQ(F.Panels.UndoPanel, "3/5");
    EXPECT_EQ(F.History().GetRedoCaption(), "Ripeti (step 4)");
    EXPECT_EQ(F.History().GetUndoCaption(), "&Annulla   (step 3)");
    EXPECT_EQ(F.Panels.LastMessage(), "step 4 Annullato  ");
    F.History().Redo();
    EXPECT_EQ(F.Panels.LastMessage(), "step 4 Ripetuto     ");
    EXPECT_EQ(F.Panels.UndoPanel, "4/5");
    F.History().Undo();
    F.History().AddDibRect(F.Context.Dib(), Rect(0, 0, 1, 1));
    EXPECT_EQ(F.Panels.UndoPanel, "4/4");
    EXPECT_EQ(F.History().TotalSize(), 3 * 10 + 13);
    EXPECT_FALSE(F.History().CanRedo());
}

TEST_F(UndoTest, EmptyHistoryCaptionsAndNothingToDo) {
    EXPECT_EQ(F.History().GetUndoCaption(), "&Annulla   ");
    EXPECT_EQ(F.History().GetRedoCaption(), "Ripeti ");
    F.History().Undo();
    F.History().Redo();
    EXPECT_EQ(F.History().Position(), 0);
    EXPECT_TRUE(F.Panels.Messages.empty());
}

TEST_F(UndoTest, UndoAndRedoDuringADragDoNothing) {
    int swaps = 0;
    F.History().Add(std::make_unique<TCountingStep>(F.Context, "x", 1, &swaps));
    F.Client.Busy = true;
    F.History().Undo();
    EXPECT_EQ(F.History().Position(), 1);
    F.Client.Busy = false;
    F.History().Undo();
    F.Client.Busy = true;
    F.History().Redo();
    EXPECT_EQ(F.History().Position(), 0);
    EXPECT_EQ(swaps, 1);
}

TEST_F(UndoTest, DeleteItemKeepsPositionAndTotalInStep) {
    for (int i = 0; i < 4; ++i) AddStep("s", 5 + i);
    F.History().Undo();  // position 3
    F.History().DeleteItem(7);
    F.History().DeleteItem(-1);
    EXPECT_EQ(F.History().Count(), 4);
    F.History().DeleteItem(3);  // the redo step
    EXPECT_EQ(F.History().Position(), 3);
    F.History().DeleteItem(0);
    EXPECT_EQ(F.History().Position(), 2);
    EXPECT_EQ(F.History().TotalSize(), 6 + 7);
}

TEST_F(UndoTest, SetLimitRefreshesThePanelOnlyWhenChanged) {
    AddStep("a");
    F.Panels.UndoPanel = "stale";
    F.History().SetLimit(kDefaultUndoLimit);
    EXPECT_EQ(F.Panels.UndoPanel, "stale");
    F.History().SetLimit(5000);
    EXPECT_EQ(F.Panels.UndoPanel, "1/1");
    EXPECT_EQ(F.History().GetLimit(), 5000);
}

TEST_F(UndoTest, AStrokeStoresOnlyItsRectangle) {
    auto big = TDib::Create(8000, 8000, 256);
    F.Context.SetDib(std::move(big));
    F.History().AddDibRect(F.Context.Dib(), Rect(7990, 7995, 8010, 8010));  // clipped to 10 x 5
    ASSERT_EQ(F.History().Count(), 1);
    EXPECT_EQ(F.History().TotalSize(), 10 * 5 + 12);
    F.History().AddDibRect(F.Context.Dib(), Rect(8000, 0, 8001, 1));  // outside: nothing
    F.History().AddDibRect(nullptr, Rect(0, 0, 1, 1));
    EXPECT_EQ(F.History().Count(), 1);
}

TEST_F(UndoTest, StrokeUndoAndRedoSwapThePixels) {
    TDib& image = F.Image();
    F.History().AddDibRect(&image, Rect(1, 0, 3, 2));
    image.SetPixel(1, 0, 5);
    image.SetPixel(2, 1, 7);
    image.SetPixel(0, 2, 9);  // outside the step: not ours to undo
    F.History().Undo();
    EXPECT_EQ(ToGrid(image), (std::vector<std::string>{"....", "....", "9..."}));
    F.History().Redo();
    EXPECT_EQ(ToGrid(image), (std::vector<std::string>{".5..", "..7.", "9..."}));
}

TEST_F(UndoTest, AFailingUndoLeavesPositionLoweredAndPropagates) {
    F.History().Add(std::make_unique<TUndoPalettes>(F.Context, 8, 8));
    EXPECT_EQ(F.History().TotalSize(), 64);
    F.Context.SetDib(FromGrid({".."}, 2));  // the range now runs past the palette
    try {
        F.History().Undo();
        FAIL() << "no error";
    } catch (const EPixmoError& e) {
        EXPECT_STREQ(e.what(), "Errore Annulla");
    }
    EXPECT_EQ(F.History().Position(), 0);
    EXPECT_EQ(F.History().TotalSize(), 64);
}

TEST_F(UndoTest, PaletteRangeOutsideThePaletteIsRefusedBeforeRecording) {
    EXPECT_THROW(F.History().Add(std::make_unique<TUndoPalettes>(F.Context, 10, 7)), EPixmoError);
    EXPECT_EQ(F.History().Count(), 0);
    TEditFixture empty;
    EXPECT_THROW(TUndoPalettes(empty.Context, 0, 1), EPixmoError);
}

}  // namespace
}  // namespace pixmo::test
