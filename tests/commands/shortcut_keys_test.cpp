// The main window's shortcut keys: what the key dialogs set holds after a restart, and a menu
// command chosen with Ctrl held opens the key dialog while its key just runs it.
#include <QApplication>
#include <QTest>
#include <QTimer>

#include "main_form_fixture.h"
#include "settings/main_keys.h"
#include "uikit/key_dialog.h"
#include "uikit/set_key_dialog.h"
#include "view/paint_client.h"

namespace pixmo::test {

namespace {
void ShowActive(TMainForm& form) {
    form.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
    form.activateWindow();
    form.Client()->setFocus();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
}

// Presses the key in the item's key dialog, then OK.
void AssignInKeyDialog(TMainForm& form, const char* item, Qt::Key key, Qt::KeyboardModifiers modifiers) {
    QTimer::singleShot(0, [=] {
        for (QWidget* w : QApplication::topLevelWidgets())
            if (auto* d = qobject_cast<TKeyDialog*>(w); d && d->isVisible()) {
                QTest::keyClick(d->EDKey, key, modifiers);
                d->OkButton->click();
            }
    });
    form.EditShortcut(item);
}

}  // namespace

// "-", "+", "*" and "/" as a US keyboard gives them ("+" and "*" with Shift) and from the
// keypad: whichever row set the key, both rows run the command, also after a restart.
TEST_F(MainFormTest, SymbolKeysFromTheMainRowAndTheKeypadRunTheirCommand) {
    const struct {
        Qt::Key Key;
        Qt::KeyboardModifiers MainRow;
        int Stored;
    } keys[] = {{Qt::Key_Minus, {}, 109}, {Qt::Key_Plus, Qt::ShiftModifier, 107},
                {Qt::Key_Asterisk, Qt::ShiftModifier, 106}, {Qt::Key_Slash, {}, 111}};
    const auto item = [](size_t i) { return "MIZoom" + std::to_string(i + 1); };
    const auto assign = [&](TMainForm& form, bool keypad) {
        for (size_t i = 0; i < std::size(keys); ++i) {
            AssignInKeyDialog(form, item(i).c_str(), keys[i].Key, keypad ? Qt::KeypadModifier : keys[i].MainRow);
            EXPECT_EQ(ReadShortcut(FApp->Ini(), item(i), 0), keys[i].Stored);
        }
    };
    const auto expectBothRowsRun = [&](TMainForm& form) {
        ShowActive(form);
        for (size_t i = 0; i < std::size(keys); ++i)
            for (Qt::KeyboardModifiers row : {keys[i].MainRow, Qt::KeyboardModifiers(Qt::KeypadModifier)}) {
                form.Item("MIZoom0")->trigger();
                QTest::keyClick(form.Client(), keys[i].Key, row);
                EXPECT_EQ(form.Client()->Zoom(), kZoomSteps[i + 1]) << keys[i].Stored << " " << row;
            }
    };

    TMainForm* form = &Build();
    form->OpenFile(WriteImage("a.bmp"));
    assign(*form, false);
    expectBothRowsRun(*form);
    Destroy();
    form = &Build();
    form->OpenFile(WriteImage("a.bmp"));
    expectBothRowsRun(*form);
    assign(*form, true);
    expectBothRowsRun(*form);
}

TEST_F(MainFormTest, KeyAndRoleSetInTheDialogHoldAfterARestart) {
    TMainForm& form = Build();
    form.OpenFile(WriteImage("a.bmp"));
    QTimer::singleShot(0, [] {
        for (QWidget* w : QApplication::topLevelWidgets())
            if (auto* d = qobject_cast<TSetKeyDialog*>(w)) {
                d->LBParents->setCurrentRow(1);  // the hidden "Mouse" menu
                ASSERT_EQ(d->LBShortCuts->item(10)->text(), "Linea");
                d->LBShortCuts->setCurrentRow(10);
                QTest::keyClick(d->LBShortCuts, Qt::Key_K);
                d->LBRShift->setCurrentRow(0);
                QTest::keyClick(d->LBRShift, Qt::Key_Control, Qt::ControlModifier);
                d->OkButton->click();
            }
    });
    form.Item("MISetKey")->trigger();
    EXPECT_EQ(form.Item("MIDrawLine")->shortcut(), QKeySequence("K"));
    EXPECT_EQ(FApp->ToolOptions().Shift.Scroll, 4);

    Destroy();
    TMainForm& again = Build();
    EXPECT_EQ(FApp->ToolOptions().Shift.Scroll, 4);
    ASSERT_EQ(again.Item("MIDrawLine")->shortcut(), QKeySequence("K"));
    ShowActive(again);
    EXPECT_NE(again.Client()->ToolItem(), TToolItem::DrawLine);
    QTest::keyClick(again.Client(), Qt::Key_K);
    EXPECT_EQ(again.Client()->ToolItem(), TToolItem::DrawLine);
}

TEST_F(MainFormTest, CtrlOnAMenuChoiceEditsItsKeyWhileTheKeyRunsIt) {
    TMainForm& form = Build();
    form.OpenFile(WriteImage("a.bmp"));
    ShowActive(form);
    TKeyDialogCloser closer;
    QMenu* zoom = form.Menu("MIZoom");
    const auto choose = [&](const char* name, Qt::KeyboardModifiers modifiers) {
        zoom->popup(form.mapToGlobal(QPoint(20, 20)));
        ASSERT_TRUE(QTest::qWaitForWindowExposed(zoom));
        QTest::mouseClick(zoom, Qt::LeftButton, modifiers, zoom->actionGeometry(form.Item(name)).center());
        QTest::qWait(10);
    };

    choose("MIZoom5", Qt::ControlModifier);
    EXPECT_EQ(closer.Captions, QStringList{QString::fromUtf8("16のショートカット")});
    EXPECT_EQ(form.Client()->Zoom(), 1);
    choose("MIZoom5", Qt::NoModifier);
    EXPECT_EQ(form.Client()->Zoom(), 16);

    // A key that holds Ctrl itself, and a trigger from elsewhere while Ctrl is down, run it.
    form.Item("MIZoom3")->setShortcut(QKeySequence("Ctrl+K"));
    ShowActive(form);  // the offscreen platform gives the focus back to nobody after a popup
    QTest::keyClick(form.Client(), Qt::Key_K, Qt::ControlModifier);
    EXPECT_EQ(form.Client()->Zoom(), 8);
    QTest::keyPress(form.Client(), Qt::Key_Control, Qt::ControlModifier);
    ASSERT_TRUE(QGuiApplication::keyboardModifiers() & Qt::ControlModifier);
    form.Item("MIZoom0")->trigger();
    QTest::keyRelease(form.Client(), Qt::Key_Control, Qt::ControlModifier);
    EXPECT_EQ(form.Client()->Zoom(), 1);
    EXPECT_EQ(closer.Captions.size(), 1);
}

}  // namespace pixmo::test
