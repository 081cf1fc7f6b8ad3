// Finestra > Testo: the text window toggles, is checked while shown, reopens at start-up
// where it was with its memo, and its placed text is one undo step that marks the image changed.
#include "main_form_fixture.h"

#include <QTest>

#include "edit/selection.h"
#include "edit/undo.h"
#include "windows/memo_ex.h"
#include "windows/text_form.h"

namespace pixmo::test {

TEST_F(MainFormTest, TextWindowTogglesPlacesTextAndComesBackWithItsMemo) {
    {
        TMainForm& form = Build();
        form.show();
        form.OpenFile(WriteImage("a.bmp", 16));
        form.Item("MIShowText")->trigger();
        auto* text = form.findChild<TTextForm*>("TextForm");
        ASSERT_TRUE(text && text->isVisible());
        form.UpdateMenuStates("MIShow");
        EXPECT_TRUE(form.Item("MIShowText")->isChecked());

        QTest::keyClicks(text->Memo, "Ciao");  // typed
        text->PlaceText();
        EXPECT_TRUE(Doc().Selection().IsFloating());
        EXPECT_EQ(Doc().Undo().Count(), 1);
        EXPECT_TRUE(Doc().Modified());

        form.Item("MIShowText")->trigger();
        EXPECT_FALSE(text->isVisible());
        form.UpdateMenuStates("MIShow");
        EXPECT_FALSE(form.Item("MIShowText")->isChecked());
        form.Item("MIShowText")->trigger();  // shown again for the next run
        text->move(333, 222);
        Destroy();
    }
    TMainForm& form = Build();
    form.show();
    form.OpenToolWindowsAtStart();
    auto* text = form.findChild<TTextForm*>("TextForm");
    ASSERT_TRUE(text && text->isVisible());
    EXPECT_EQ(text->pos(), QPoint(333, 222));  // where it was, not beside the main window again
    EXPECT_EQ(text->Memo->Lines(), QStringList{"Ciao"});
}

}  // namespace pixmo::test
