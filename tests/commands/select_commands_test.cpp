// The Select menu, the selection tools and the edit pop-up menu through the real window:
// messages, masks from mouse gestures, the pop-up's colour commands at the point it was
// opened, and files dropped with a modifier pasted as a floating piece.
#include <QApplication>
#include <QCursor>
#include <QGuiApplication>
#include <QLabel>
#include <QMouseEvent>
#include <QTest>

#include "commands/edit_popup_menu.h"
#include "edit/selection.h"
#include "edit/undo.h"
#include "main_form_fixture.h"
#include "view/paint_client.h"
#include "view/form_timer.h"
#include "view/status_panel.h"

namespace pixmo::test {
namespace {

using Rows = std::vector<std::string>;

class SelectCommandsTest : public MainFormTest {
protected:
    TMainForm& Open(const Rows& rows, int zoom = 8) {
        TMainForm& form = Build();
        form.App().Edit().SetDibFile(FromGrid(rows, 16), "");
        form.Client()->SetZoom(zoom);
        form.show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&form));
        return form;
    }
    QPoint At(TPoint p) {
        const TPoint c = FForm->Client()->ImageToClient(p);
        const int z = FForm->Client()->Zoom();
        return QPoint(c.X + z / 2, c.Y + z / 2);
    }
    void Send(QEvent::Type type, Qt::MouseButton button, TPoint p) {
        if (type == QEvent::MouseButtonPress) FHeld |= button;
        if (type == QEvent::MouseButtonRelease) FHeld &= ~Qt::MouseButtons(button);
        QWidget* view = FForm->Client()->viewport();
        const QPoint local = At(p);
        QCursor::setPos(view->mapToGlobal(local));
        QMouseEvent event(type, QPointF(local), QPointF(view->mapToGlobal(local)), button, FHeld, FMods);
        QApplication::sendEvent(view, &event);
    }
    void Drag(std::initializer_list<TPoint> points) {
        Send(QEvent::MouseButtonPress, Qt::LeftButton, *points.begin());
        for (const TPoint* p = points.begin() + 1; p != points.end(); ++p) Send(QEvent::MouseMove, Qt::NoButton, *p);
        Send(QEvent::MouseButtonRelease, Qt::LeftButton, *(points.end() - 1));
        // The event loop's turn: clicks queued behind a long operation are dropped until then.
        QApplication::processEvents();
    }
    std::string Message() { return FForm->StatusBar()->MessagePanel()->text().toStdString(); }
    Rows Selected() { return ToGrid(*Doc().Selection().Mask()); }
    Qt::MouseButtons FHeld;
    Qt::KeyboardModifiers FMods;
};

TEST_F(SelectCommandsTest, SelectMenuCommandsAndTheirMessages) {
    TMainForm& form = Open({"......", ".1111.", ".1221.", ".1111.", "......"});
    Doc().SetColor1Index(2);
    Doc().SetColor2Index(0);
    form.Item("MISelectColor1")->trigger();
    EXPECT_EQ(Selected(), (Rows{"......", "......", "..##..", "......", "......"}));
    form.Item("MISelectAddEdge")->trigger();
    EXPECT_EQ(Message(), "Il Bordo aumenta");
    EXPECT_EQ(Selected(), (Rows{"......", "..##..", ".####.", "..##..", "......"}));
    form.Item("MISelectDeleteEdge")->trigger();
    EXPECT_EQ(Message(), "Il Bordo diminuisce");
    EXPECT_EQ(Selected(), (Rows{"......", "......", "..##..", "......", "......"}));

    form.Item("MISelectExceptColor2")->trigger();
    EXPECT_EQ(Selected(), (Rows{"......", ".####.", ".####.", ".####.", "......"}));
    form.Item("MISelectEdge")->trigger();
    EXPECT_EQ(Message(), "Bordo Attivato");
    EXPECT_EQ(Selected(), (Rows{"......", ".####.", ".#..#.", ".####.", "......"}));
    form.Item("MISelectInvert")->trigger();
    EXPECT_EQ(Selected(), (Rows{"######", "#....#", "#.##.#", "#....#", "######"}));

    const int steps = Doc().Undo().Count();
    form.Item("MISelectCancel")->trigger();
    EXPECT_EQ(Message(), "Elimina Selezione");
    EXPECT_TRUE(Doc().Selection().IsEmpty());
    EXPECT_EQ(Doc().Undo().Count(), steps + 1);
    form.Item("MISelectAll")->trigger();
    EXPECT_EQ(Doc().Selection().GetRect(), (TRect{0, 0, 6, 5}));

    ASSERT_TRUE(form.Client()->ShowEdges());
    form.Item("MISelectVisibleEdge")->trigger();
    EXPECT_FALSE(form.Client()->ShowEdges());
    EXPECT_EQ(Message(), "La Linea del limite è stata nascosta");
    form.UpdateMenuStates("MISelect");
    EXPECT_FALSE(form.Item("MISelectVisibleEdge")->isChecked());
    form.Item("MISelectVisibleEdge")->trigger();
    EXPECT_EQ(Message(), "La Linea del limite è attivata");
    EXPECT_EQ(ToGrid(*Doc().Dib())[2], ".#22#.");  // untouched; '#' is index 1
}

TEST_F(SelectCommandsTest, ToolsThroughTheClient) {
    TMainForm& form = Open({"11..22", "1...22", "111..2", "......"});
    const Rows before = ToGrid(*Doc().Dib());
    form.Item("MISelectSurface")->trigger();
    Drag({{0, 0}});
    EXPECT_EQ(Selected(), (Rows{"##....", "#.....", "###...", "......"}));

    // With the Add key (Shift) held the wand adds the 2s.
    // A modifier key's event carries the state before it; Qt adds the key itself.
    QTest::keyPress(form.Client(), Qt::Key_Shift);
    FMods = Qt::ShiftModifier;
    // The Add mode's cursor: the wand's picture with its mark.
    EXPECT_EQ(form.Client()->CursorId(), 102);
    EXPECT_EQ(form.Client()->viewport()->cursor().shape(), Qt::BitmapCursor);
    EXPECT_FALSE(form.Client()->viewport()->cursor().pixmap().isNull());
    Drag({{5, 0}});
    FMods = {};
    QTest::keyRelease(form.Client(), Qt::Key_Shift, Qt::ShiftModifier);
    EXPECT_EQ(Selected(), (Rows{"##..##", "#...##", "###..#", "......"}));

    form.Item("MISelectColors")->trigger();
    Drag({{3, 3}, {4, 3}});
    EXPECT_EQ(Selected(), (Rows{"..##..", ".###..", "...##.", "######"}));

    // The lasso: one free-hand drag, closed by the release.
    Doc().Selection().Clear();
    form.Item("MISelectRegion")->trigger();
    Drag({{1, 0}, {4, 0}, {4, 2}, {1, 2}});
    EXPECT_EQ(Selected(), (Rows{".####.", ".####.", ".####.", "......"}));
    EXPECT_EQ(ToGrid(*Doc().Dib()), before);
}

TEST_F(SelectCommandsTest, ColourPickerOnlyInTheVisiblePart) {
    TMainForm& form = Build();
    auto image = FromGrid(Rows(100, std::string(100, '1')), 16);
    image->SetPixel(0, 0, 3);
    form.App().Edit().SetDibFile(std::move(image), "");
    form.Client()->SetZoom(40);
    form.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
    const TRect visible = form.Client()->VisibleImageRect();
    ASSERT_LT(visible.Right, 100);
    FApp->Settings().SelectInSight = true;
    form.Item("MISelectColors")->trigger();
    Drag({{1, 1}});
    EXPECT_EQ(Doc().Selection().GetRect(), (TRect{0, 0, visible.Right, visible.Bottom}));
    EXPECT_EQ(Doc().Selection().Mask()->Pixel(0, 0), 0);  // another colour
    EXPECT_EQ(Doc().Selection().Mask()->Pixel(visible.Right, 1), 0);

    FApp->Settings().SelectInSight = false;
    Doc().Selection().Clear();
    Drag({{1, 1}});
    EXPECT_EQ(Doc().Selection().GetRect(), (TRect{0, 0, 100, 100}));
}

TEST_F(SelectCommandsTest, PopUpOnARightClickAndItsColourCommands) {
    TMainForm& form = Open({"1234", "1234", "5555"});
    form.Item("MISelectRect")->trigger();
    TEditPopupMenu* popup = form.EditMoveMenu();
    ASSERT_NE(popup, nullptr);
    EXPECT_EQ(popup->ItemNames(),
              (std::vector<std::string>{"PIEditSelectClear", "PIEditCut", "PIEditCopy", "PIEditPaste", "PIEditDelete",
                                        "PIEditSelectAll", "PIEditSave", "PIEditPasteFromFile", "PSMoveMenu3",
                                        "PISetColor2", "PISelAddColor", "PISelDelColor", "PSMoveMenu1",
                                        "PIEditLeftRight", "PIEditUpDown", "PIEditRotate", "PIEditStretch",
                                        "PIInvertColor", "PIChangeColor", "PIEditToMask", "PSMoveMenu2",
                                        "PISetEditMenu"}));
    Send(QEvent::MouseButtonPress, Qt::RightButton, {2, 1});
    Send(QEvent::MouseButtonRelease, Qt::RightButton, {2, 1});
    EXPECT_TRUE(popup->isVisible());
    EXPECT_EQ(popup->PopupPoint, (TPoint{2, 1}));
    EXPECT_FALSE(popup->Item("PIEditCut")->isEnabled());
    EXPECT_TRUE(popup->Item("PISetColor2")->isEnabled());
    popup->Item("PISetColor2")->trigger();
    popup->hide();
    EXPECT_EQ(Doc().Color2Index(), 3);

    popup->Item("PISelAddColor")->trigger();
    EXPECT_EQ(Selected(), (Rows{"..#.", "..#.", "...."}));
    form.EditMoveMenuPopup();  // as on opening it again: now there is a selection
    popup->PopupPoint = TPoint{0, 2};
    popup->Item("PISelAddColor")->trigger();
    EXPECT_EQ(Selected(), (Rows{"..#.", "..#.", "####"}));
    popup->PopupPoint = TPoint{2, 0};
    popup->Item("PISelDelColor")->trigger();
    EXPECT_EQ(Selected(), (Rows{"....", "....", "####"}));

    // The flips work on what is selected.
    form.Item("MISelectAll")->trigger();
    popup->Item("PIEditUpDown")->trigger();
    EXPECT_EQ(ToGrid(*Doc().Dib()), (Rows{"5555", "#234", "#234"}));
    EXPECT_EQ(Doc().Undo().GetUndoCaption().find("Rifletti Verticale") != std::string::npos, true);

    // The key menu's cursor colour commands take the pixel under the mouse.
    Doc().Selection().Clear();
    QCursor::setPos(form.Client()->viewport()->mapToGlobal(At({1, 1})));
    form.Item("MIAddCursorColor")->trigger();
    EXPECT_EQ(Selected(), (Rows{"....", ".#..", ".#.."}));
    form.Item("MIDeleteCursorColor")->trigger();
    EXPECT_TRUE(Doc().Selection().IsEmpty());
}

TEST_F(SelectCommandsTest, BusyBracketRestsTheTimerAndDropsQueuedClicks) {
    TMainForm& form = Open({"1111", "1111"});
    form.Item("MISelectRect")->trigger();
    ASSERT_TRUE(form.Timer()->Enabled());
    TBusyBracket& client = Doc().Busy();
    client.BeginBusyCursor();
    client.BeginBusyCursor();
    EXPECT_FALSE(form.Timer()->Enabled());
    ASSERT_NE(QGuiApplication::overrideCursor(), nullptr);
    EXPECT_EQ(QGuiApplication::overrideCursor()->shape(), Qt::WaitCursor);
    client.EndBusyCursor();
    EXPECT_FALSE(form.Timer()->Enabled());  // the inner pair does nothing
    EXPECT_NE(QGuiApplication::overrideCursor(), nullptr);
    client.EndBusyCursor();
    EXPECT_TRUE(form.Timer()->Enabled());
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);

    // A click that waited behind the operation is not taken; the next one is.
    Send(QEvent::MouseButtonPress, Qt::LeftButton, {0, 0});
    Send(QEvent::MouseButtonRelease, Qt::LeftButton, {2, 1});
    EXPECT_TRUE(Doc().Selection().IsEmpty());
    QApplication::processEvents();
    Drag({{0, 0}, {1, 0}, {2, 1}});
    EXPECT_EQ(Doc().Selection().GetRect(), (TRect{0, 0, 3, 2}));
}

TEST_F(SelectCommandsTest, DroppedFileWithAModifierPastesFloating) {
    TMainForm& form = Open({"....", "....", "....", "...."});
    const std::string piece = WriteImage("piece.bmp", 16, 2, 2);
    form.DropFiles({QString::fromStdString(piece)}, Qt::ControlModifier);
    ASSERT_TRUE(Doc().Selection().IsFloating());
    EXPECT_EQ(Doc().Selection().GetRect().Width(), 2);
    EXPECT_EQ(Doc().Dib()->Width(), 4);

    FAnswers.push_back(TMsgResult::No);  // the pasted piece changed the picture
    form.DropFiles({QString::fromStdString(piece)}, Qt::NoModifier);
    EXPECT_EQ(Doc().Dib()->Width(), 2);
    EXPECT_EQ(Doc().FileName(), piece);
}

}  // namespace
}  // namespace pixmo::test
