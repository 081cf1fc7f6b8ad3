// The image-shift window: each button one cyclic shift of the piece and one undo step.
#include <gtest/gtest.h>

#include <QApplication>
#include <QTest>

#include "edit/edit_context.h"
#include "edit/main_panels.h"
#include "edit/selection.h"
#include "edit/undo.h"
#include "uikit/dialog_hooks.h"
#include "uikit/number_edit.h"
#include "uikit/strings_button.h"
#include "windows/shift_form.h"
#include "windows_fixture.h"

namespace pixmo::test {
namespace {

using Grid = std::vector<std::string>;

class TMessages : public TMainPanels {
public:
    std::vector<std::string> Texts;
    void ShowMessage(const std::string& text) override { Texts.push_back(text); }
    void ShowRect(const TRect&) override {}
    void SetUndoPanel(const std::string&) override {}
    void ModifiedChanged(bool) override {}
    void FileNameChanged(const std::string&) override {}
};

struct TShiftFixture : TWindowsFixture {
    TMessages Panels;
    TShiftForm Form{App};
    TShiftFixture() { App.Edit().AttachPanels(&Panels); }
    ~TShiftFixture() { App.Edit().AttachPanels(nullptr); }
    Grid Image() { return ToGrid(*App.Edit().Dib()); }
    int Steps() { return App.Edit().Undo().Count(); }
};

TEST(ShiftForm, ArrowsShiftThePieceOneStepEach) {
    TShiftFixture f;
    // The first three columns selected: three presses of the right arrow give them back.
    auto mask = TMaskDib::Create(4, 2);
    for (int y = 0; y < 2; ++y)
        for (int x = 0; x < 3; ++x) mask->SetPixel(x, y, 1);
    f.App.Edit().Selection().Replace(*mask, TRect{0, 0, 3, 2});
    const int start = f.Steps();
    f.Form.ShiftRightButton->click();
    EXPECT_EQ(f.Image(), (Grid{"2.#3", "6457"}));
    EXPECT_EQ(f.Panels.Texts.back(), "L'immagine viene spostata a Destra");
    f.Form.ShiftRightButton->click();
    f.Form.ShiftRightButton->click();
    EXPECT_EQ(f.Image(), (Grid{".#23", "4567"}));
    EXPECT_EQ(f.Steps(), start + 3);
    f.App.Edit().Undo().Undo();
    EXPECT_EQ(f.Image(), (Grid{"#2.3", "5647"}));
    f.App.Edit().Undo().Redo();

    // Without a selection the whole image moves; each arrow says where.
    f.App.Edit().Selection().Clear();
    const int before = f.Steps();
    const std::tuple<QToolButton*, const char*, Grid> arrows[] = {
        {f.Form.ShiftLeftButton, "L'immagine viene spostata a Sinistra", {"#23.", "5674"}},
        {f.Form.ShiftUpButton, "L'immagine viene spostata in Alto", {"5674", "#23."}},
        {f.Form.ShiftDownButton, "L'immagine viene spostata in Basso", {"#23.", "5674"}},
        {f.Form.ShiftRightButton, "L'immagine viene spostata a Destra", {".#23", "4567"}},
    };
    for (const auto& [button, text, after] : arrows) {
        button->click();
        EXPECT_EQ(f.Panels.Texts.back(), text);
        EXPECT_EQ(f.Image(), after) << text;
    }
    EXPECT_EQ(f.Steps(), before + 4);
}

TEST(ShiftForm, MoveByTheNumbersAndReflect) {
    TShiftFixture f;
    // 0,0 changes nothing and records nothing.
    f.Form.ShiftButton->click();
    EXPECT_EQ(f.Steps(), 0);
    EXPECT_EQ(f.Image(), (Grid{".#23", "4567"}));
    f.Form.HorzShift->setText("1");
    f.Form.VertShift->setText("-1");
    f.Form.ShiftButton->click();
    EXPECT_EQ(f.Image(), (Grid{"7456", "3.#2"}));
    EXPECT_EQ(f.Steps(), 1);
    EXPECT_EQ(f.Form.HorzShiftButton->Recent()[0], "1");
    EXPECT_EQ(f.Form.VertShiftButton->Recent()[0], "-1");
    // A recent value goes back into its field.
    f.Form.HorzShift->setText("3");
    f.Form.HorzShiftButton->Choose(0);
    EXPECT_EQ(f.Form.HorzShift->text(), "1");
    // A number out of range is named and nothing moves.
    std::vector<QString> boxes;
    {
        TMessageHookScope hook([&](const TMessageRequest& r) {
            boxes.push_back(r.Text);
            return TMsgResult::Ok;
        });
        f.Form.HorzShift->setText("9000");
        f.Form.ShiftButton->click();
    }
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_TRUE(boxes[0].startsWith("Sposta in Orizzontale"));
    EXPECT_EQ(f.Steps(), 1);

    // "Rifletti": half the width and half the height; twice gives the image back.
    f.App.Edit().Undo().Undo();
    f.Form.XShiftButton->click();
    EXPECT_EQ(f.Image(), (Grid{"6745", "23.#"}));
    f.Form.XShiftButton->click();
    EXPECT_EQ(f.Image(), (Grid{".#23", "4567"}));
}

// A drag in the edit client ends before the shift, so the tool puts back what it drew.
TEST(ShiftForm, EndsTheEditClientsDragFirst) {
    TShiftFixture f;
    f.Client.resize(40, 40);
    f.Client.show();
    f.Client.SelectTool(TToolItem::DrawRect);
    QTest::mousePress(f.Client.viewport(), Qt::LeftButton, {}, QPoint(0, 0));
    QTest::mouseMove(f.Client.viewport(), QPoint(3, 1));
    ASSERT_TRUE(f.Client.IsDragging());
    f.Form.ShiftRightButton->click();
    EXPECT_FALSE(f.Client.IsDragging());
    EXPECT_EQ(f.Image(), (Grid{"3.#2", "7456"}));
    QTest::mouseRelease(f.Client.viewport(), Qt::LeftButton, {}, QPoint(3, 1));
    EXPECT_EQ(f.Image(), (Grid{"3.#2", "7456"}));
    EXPECT_EQ(f.Steps(), 1);
}

}  // namespace
}  // namespace pixmo::test
