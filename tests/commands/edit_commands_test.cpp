// The Edit menu through the real window and edit client: a rectangle selected with the
// mouse, cut, pasted at the pointer and dragged, each step undone; the menu's states; the
// clipboard between our own windows and from other programs.
#include <QApplication>
#include <QBuffer>
#include <QClipboard>
#include <QCursor>
#include <QMimeData>
#include <QMouseEvent>
#include <QTest>

#include "commands/edit_popup_menu.h"
#include "edit/selection.h"
#include "edit/undo.h"
#include "main_form_fixture.h"
#include "view/paint_client.h"
#include "view/qt_clipboard.h"

namespace pixmo::test {
namespace {

constexpr int kZoom = 8;

// Mouse events on the client's viewport at image pixels, the way the user makes them.
class TPointer {
public:
    explicit TPointer(TPaintClient& client) : FClient(client) {}
    QPoint At(TPoint p) const {
        const TPoint c = FClient.ImageToClient(p);
        return QPoint(c.X + kZoom / 2, c.Y + kZoom / 2);
    }
    void Send(QEvent::Type type, Qt::MouseButton button, TPoint p, Qt::KeyboardModifiers mods = {}) {
        if (type == QEvent::MouseButtonPress) FHeld |= button;
        if (type == QEvent::MouseButtonRelease) FHeld &= ~Qt::MouseButtons(button);
        const QPoint local = At(p);
        QCursor::setPos(FClient.viewport()->mapToGlobal(local));
        QMouseEvent event(type, QPointF(local), QPointF(FClient.viewport()->mapToGlobal(local)), button, FHeld, mods);
        QApplication::sendEvent(FClient.viewport(), &event);
    }
    void Drag(std::initializer_list<TPoint> points, Qt::MouseButton button = Qt::LeftButton) {
        Send(QEvent::MouseButtonPress, button, *points.begin());
        for (const TPoint* p = points.begin() + 1; p != points.end(); ++p) Send(QEvent::MouseMove, Qt::NoButton, *p);
        Send(QEvent::MouseButtonRelease, button, *(points.end() - 1));
    }
    void Hover(TPoint p) { Send(QEvent::MouseMove, Qt::NoButton, p); }

private:
    TPaintClient& FClient;
    Qt::MouseButtons FHeld;
};

class EditCommandsTest : public MainFormTest {
protected:
    // A 16x12 picture of 16 greys whose pixel (x, y) is (x + y) mod 16, shown at zoom 8.
    TMainForm& Open() {
        TMainForm& form = Build();
        auto image = FromGrid(std::vector<std::string>(12, std::string(16, '.')), 16);
        for (int y = 0; y < 12; ++y)
            for (int x = 0; x < 16; ++x) image->SetPixel(x, y, static_cast<uint8_t>((x + y) % 16));
        form.App().Edit().SetDibFile(std::move(image), "");
        form.Client()->SetZoom(kZoom);
        form.show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&form));
        form.activateWindow();
        form.Client()->setFocus();
        EXPECT_TRUE(QTest::qWaitForWindowActive(&form));
        Pointer = std::make_unique<TPointer>(*form.Client());
        return form;
    }
    bool Enabled(const char* name) {
        FForm->UpdateMenuStates("MIEdit");
        FForm->UpdateMenuStates("MISelect");
        return FForm->Item(name)->isEnabled();
    }
    TDib& Image() { return *Doc().Dib(); }
    std::unique_ptr<TPointer> Pointer;
};

TEST_F(EditCommandsTest, CutPasteAtThePointerDragAndUndoEachStep) {
    TMainForm& form = Open();
    Doc().SetColor2Index(9);
    const std::vector<std::string> original = ToGrid(Image());
    form.Item("MISelectRect")->trigger();
    Pointer->Drag({{2, 2}, {4, 3}, {5, 4}});
    ASSERT_EQ(Doc().Selection().GetRect(), (TRect{2, 2, 6, 5}));
    EXPECT_EQ(ToGrid(Image()), original);

    QTest::keyClick(form.Client(), Qt::Key_X, Qt::ControlModifier);
    EXPECT_TRUE(Doc().Selection().IsEmpty());
    for (int y = 2; y < 5; ++y)
        for (int x = 2; x < 6; ++x) EXPECT_EQ(Image().Pixel(x, y), 9) << x << "," << y;
    EXPECT_EQ(Image().Pixel(6, 2), 8);
    ASSERT_TRUE(FClipboard->HasFormat(CF_DIB));
    ASSERT_TRUE(FClipboard->HasFormat(CF_DSPBITMAP));
    const auto piece = TDib::CreateFromClipboard(*FClipboard);
    EXPECT_EQ(ToGrid(*piece), (std::vector<std::string>{"4567", "5678", "6789"}));

    // The pointer near the bottom-right corner: the piece is pushed back inside.
    Pointer->Hover({15, 11});
    QTest::keyClick(form.Client(), Qt::Key_V, Qt::ControlModifier);
    ASSERT_TRUE(Doc().Selection().IsFloating());
    EXPECT_EQ(Doc().Selection().GetRect(), (TRect{12, 9, 16, 12}));
    EXPECT_EQ(Image().Pixel(12, 9), 4);
    EXPECT_EQ(Image().Pixel(15, 11), 9);

    // A plain press on the floating piece drags it.
    Pointer->Drag({{13, 10}, {11, 8}, {10, 6}});
    EXPECT_EQ(Doc().Selection().GetRect(), (TRect{9, 5, 13, 8}));
    EXPECT_EQ(Image().Pixel(9, 5), 4);
    EXPECT_EQ(Image().Pixel(12, 7), 9);
    EXPECT_EQ(Image().Pixel(12, 9), (12 + 9) % 16);  // the background came back

    QTest::keyClick(form.Client(), Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(Doc().Selection().GetRect(), (TRect{12, 9, 16, 12}));
    QTest::keyClick(form.Client(), Qt::Key_Z, Qt::ControlModifier);
    EXPECT_FALSE(Doc().Selection().IsFloating());
    EXPECT_EQ(Image().Pixel(12, 9), (12 + 9) % 16);
    EXPECT_EQ(Image().Pixel(3, 3), 9);
    QTest::keyClick(form.Client(), Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(ToGrid(Image()), original);
    EXPECT_EQ(Doc().Selection().GetRect(), (TRect{2, 2, 6, 5}));
}

TEST_F(EditCommandsTest, EditAndSelectMenusEnableWhatTheStateAllows) {
    Build();
    for (const char* name : {"MIEditCut", "MIEditCopy", "MIEditPaste", "MIEditClear", "MIEditClearInside",
                             "MIEditSave", "MIEditPasteFromFile", "MISelectAll", "MISelectCancel", "MISelectColor1"})
        EXPECT_FALSE(Enabled(name)) << name;
    Destroy();

    Open();
    for (const char* name : {"MIEditCut", "MIEditCopy", "MIEditClear", "MIEditClearInside", "MIEditSave",
                             "MIEditPaste", "MISelectCancel", "MISelectInvert", "MISelectCancelFloat", "MISelectEdge",
                             "MISelectAddEdge", "MISelectDeleteEdge"})
        EXPECT_FALSE(Enabled(name)) << name;
    for (const char* name : {"MIEditPasteFromFile", "MISelectAll", "MISelectColor1", "MISelectExceptColor2"})
        EXPECT_TRUE(Enabled(name)) << name;

    FForm->Item("MISelectAll")->trigger();
    for (const char* name : {"MIEditCut", "MIEditCopy", "MIEditClear", "MIEditClearInside", "MIEditSave",
                             "MISelectCancel", "MISelectInvert", "MISelectEdge", "MISelectAddEdge", "MISelectDeleteEdge"})
        EXPECT_TRUE(Enabled(name)) << name;
    EXPECT_FALSE(Enabled("MISelectCancelFloat"));
    EXPECT_FALSE(Enabled("MIEditPaste"));

    FForm->Item("MIEditCopy")->trigger();
    EXPECT_TRUE(Enabled("MIEditPaste"));
    FForm->Item("MIEditPaste")->trigger();
    EXPECT_TRUE(Enabled("MISelectCancelFloat"));
    FForm->Item("MISelectCancelFloat")->trigger();
    EXPECT_FALSE(Doc().Selection().IsFloating());
    EXPECT_FALSE(Enabled("MISelectCancelFloat"));
    FForm->UpdateMenuStates("MIEdit");
    EXPECT_NE(FForm->Item("MIEditUndo")->text().toStdString().find("&Annulla"), std::string::npos);

    // While a drag is in progress nothing may start.
    FForm->Item("MISelectRect")->trigger();
    Pointer->Send(QEvent::MouseButtonPress, Qt::LeftButton, {1, 1});
    Pointer->Send(QEvent::MouseMove, Qt::NoButton, {3, 3});
    for (const char* name : {"MIEditCut", "MIEditPaste", "MIEditPasteFromFile", "MISelectAll", "MISelectCancel",
                             "MIEditUndo"})
        EXPECT_FALSE(Enabled(name)) << name;
    TEditPopupMenu* popup = FForm->EditMoveMenu();
    FForm->EditMoveMenuPopup();
    EXPECT_FALSE(popup->Item("PIEditCut")->isEnabled());
    EXPECT_FALSE(popup->Item("PIEditLeftRight")->isEnabled());
    EXPECT_FALSE(popup->Item("PISetEditMenu")->isEnabled());
    Pointer->Send(QEvent::MouseButtonRelease, Qt::LeftButton, {3, 3});
    FForm->EditMoveMenuPopup();
    EXPECT_TRUE(popup->Item("PIEditCut")->isEnabled());
    EXPECT_TRUE(popup->Item("PIEditPaste")->isEnabled());
    EXPECT_TRUE(popup->Item("PIEditLeftRight")->isEnabled());
    EXPECT_TRUE(popup->Item("PIEditRotate")->isEnabled());
    EXPECT_TRUE(popup->Item("PISetEditMenu")->isEnabled());
}

TEST_F(EditCommandsTest, OurClipboardKeepsIndicesAndMaskOthersPasteOurPicture) {
    TMainForm& form = Open();
    form.Item("MISelectEllipse")->trigger();
    Pointer->Drag({{1, 1}, {6, 5}});
    const TRect rect = Doc().Selection().GetRect();
    ASSERT_EQ(rect, (TRect{1, 1, 7, 6}));
    const auto selected = Doc().Selection().CopySelected();
    const auto mask = Doc().Selection().CopyMask();
    form.Item("MIEditCopy")->trigger();

    // Through the system clipboard, as between two of our windows.
    TQtClipboard system;
    system.Clear();
    for (int format : {CF_DIB, CF_DSPBITMAP}) system.SetData(format, *FClipboard->GetData(format));
    const QMimeData* data = QApplication::clipboard()->mimeData();
    ASSERT_TRUE(data->hasImage());  // what other programs paste
    const QImage offered = qvariant_cast<QImage>(data->imageData());
    EXPECT_EQ(offered.size(), QSize(6, 5));
    EXPECT_EQ(QColor(offered.pixel(2, 2)).red(), Image().GetColor((3 + 3) % 16) & 0xFF);
    FClipboard->Clear();
    for (int format : {CF_DIB, CF_DSPBITMAP}) FClipboard->SetData(format, *TQtClipboard().GetData(format));

    Pointer->Hover({8, 8});
    form.Item("MIEditPaste")->trigger();
    ASSERT_TRUE(Doc().Selection().IsFloating());
    EXPECT_EQ(ToGrid(*Doc().Selection().FloatImage()), ToGrid(*selected));
    EXPECT_EQ(ToGrid(*Doc().Selection().FloatMask()), ToGrid(*mask));
    EXPECT_EQ(ToGrid(*mask)[0], ".####.");  // an ellipse: the corners stay out
}

TEST_F(EditCommandsTest, AnotherProgramsPngArrivesOnOurPalette) {
    TMainForm& form = Open();
    Image().SetColor(3, RGB(255, 0, 0));
    Image().SetColor(7, RGB(0, 0, 255));
    QImage picture(3, 2, QImage::Format_RGB32);
    picture.fill(qRgb(250, 5, 5));
    picture.setPixel(1, 1, qRgb(0, 0, 240));
    picture.setPixel(2, 0, qRgb(119, 119, 119));  // grey 7 * 17 is no longer there: nearest grey
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    ASSERT_TRUE(picture.save(&buffer, "PNG"));
    auto* mime = new QMimeData;
    mime->setData("image/png", png);
    QApplication::clipboard()->setMimeData(mime);

    TQtClipboard system;
    ASSERT_TRUE(system.HasFormat(CF_DIB));
    ASSERT_FALSE(system.HasFormat(CF_DSPBITMAP));
    FClipboard->Clear();
    FClipboard->SetData(CF_DIB, *system.GetData(CF_DIB));
    Pointer->Hover({5, 5});
    form.Item("MIEditPaste")->trigger();
    ASSERT_TRUE(Doc().Selection().IsFloating());
    EXPECT_EQ(ToGrid(*Doc().Selection().FloatImage()), (std::vector<std::string>{"336", "373"}));
    EXPECT_EQ(ToGrid(*Doc().Selection().FloatMask()), (std::vector<std::string>{"###", "###"}));

    // A block that is no picture is refused, not pasted.
    auto* broken = new QMimeData;
    broken->setData("image/png", QByteArray("\x89PNG\r\n\x1a\nbroken", 15));
    QApplication::clipboard()->setMimeData(broken);
    EXPECT_FALSE(TQtClipboard().GetData(CF_DIB).has_value());
}

TEST_F(EditCommandsTest, SaveAndLoadSelectionWithTheRecentList) {
    TMainForm& form = Open();
    form.Item("MISelectRect")->trigger();
    Pointer->Drag({{0, 0}, {2, 1}});
    const std::string file = Path("piece.png");
    FFileAnswers.push_back(QString::fromStdString(file));
    form.Item("MIEditSave")->trigger();
    ASSERT_EQ(FFileRequests.size(), 1u);
    EXPECT_EQ(FFileRequests[0].Name, "EditDialog");
    EXPECT_TRUE(FFileRequests[0].Save);
    EXPECT_EQ(ToGrid(*TDib::CreateFromFile(file)), (std::vector<std::string>{".#2", "#23"}));

    // Loading from the main menu lists the file; from the pop-up it does not.
    FFileAnswers.push_back(QString::fromStdString(file));
    form.EditMoveMenu()->Item("PIEditPasteFromFile")->trigger();
    EXPECT_TRUE(Doc().Selection().IsFloating());
    EXPECT_EQ(form.EditHistory().Count(), 0);
    FFileAnswers.push_back(QString::fromStdString(file));
    form.Item("MIEditPasteFromFile")->trigger();
    ASSERT_EQ(form.EditHistory().Count(), 1);
    EXPECT_EQ(form.EditHistory()[0], file);
    form.UpdateMenuStates("MIEdit");
    QAction* recent = nullptr;
    for (QAction* a : form.Menu("MIEdit")->actions())
        if (a->data().toString().toStdString() == file) recent = a;
    ASSERT_NE(recent, nullptr);
    const int steps = Doc().Undo().Count();
    recent->trigger();
    EXPECT_EQ(Doc().Undo().Count(), steps + 1);
    EXPECT_EQ(ToGrid(*Doc().Selection().FloatImage()), (std::vector<std::string>{".#2", "#23"}));
}

}  // namespace
}  // namespace pixmo::test
