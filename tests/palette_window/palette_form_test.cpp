// The palette window inside the real main window: cells, clicks, bars, gradient, exchange,
// searches and the find-colour dialog, read back as pixels, palette entries, undo steps and
// status texts.
#include <gtest/gtest.h>

#include <QApplication>
#include <QMouseEvent>
#include <QTest>
#include <QTranslator>
#include <deque>

#include "commands/main_form.h"
#include "edit/undo.h"
#include "formats/palette_file.h"
#include "image/errors.h"
#include "image/clipboard.h"
#include "palette/window/find_color_dialog.h"
#include "palette/window/palette_form.h"
#include "settings/main_keys.h"
#include "support/test_support.h"
#include "uikit/dialog_hooks.h"
#include "uikit/grid.h"
#include "uikit/number_edit.h"
#include "uikit/placement.h"
#include "translations/language.h"
#include "view/app_context.h"
#include "view/paint_client.h"
#include "view/status_panel.h"

namespace pixmo::test {
namespace {

// An image from a text grid whose entries are the given colours.
std::unique_ptr<TDib> Picture(const std::vector<std::string>& rows, const std::vector<TColorRef>& colours) {
    auto dib = FromGrid(rows, static_cast<int>(colours.size()));
    for (size_t i = 0; i < colours.size(); ++i) dib->SetColor(static_cast<int>(i), colours[i]);
    return dib;
}

constexpr TColorRef kRed = RGB(255, 0, 0), kGreen = RGB(0, 255, 0), kBlue = RGB(0, 0, 255);

class PaletteFormTest : public ::testing::Test {
protected:
    void Build(std::unique_ptr<TDib> image = nullptr) {
        App = std::make_unique<TAppContext>(Dir + "/p.ini", TParams{}, std::make_unique<TMemoryClipboard>());
        Main = std::make_unique<TMainForm>(*App);
        Main->Start();
        Form = Main->findChild<TPaletteForm*>("PaletteForm");
        ASSERT_NE(Form, nullptr);
        if (image) Main->App().Edit().SetDib(std::move(image));
    }
    void TearDown() override {
        Main.reset();
        App.reset();
    }

    TEditContext& Doc() { return App->Edit(); }
    QPoint Cell(int i) const { return Form->GDColors->CellRect(i).center(); }
    void Click(int cell, Qt::MouseButton button = Qt::LeftButton) {
        QTest::mouseClick(Form->GDColors, button, {}, Cell(cell));
    }
    QString Status() const { return Main->StatusBar()->MessagePanel()->text(); }
    // The inside of a cell as shown.
    QColor Shown(int cell) {
        const QImage shot = Form->GDColors->grab().toImage();
        return shot.pixelColor(Form->GDColors->CellRect(cell).center() * shot.devicePixelRatio());
    }
    std::vector<TColorRef> Entries() const {
        std::vector<TColorRef> out;
        for (int i = 0; i < App->Edit().Dib()->Colors(); ++i) out.push_back(App->Edit().Dib()->GetColor(i));
        return out;
    }
    // A drag of a bar by the mouse: pressed, moved through the values, released.
    void DragBar(QScrollBar* bar, std::initializer_list<int> values) {
        const QPoint at(bar->width() / 2, bar->height() / 2);
        QMouseEvent press(QEvent::MouseButtonPress, at, bar->mapToGlobal(at), Qt::LeftButton, Qt::LeftButton, {});
        QApplication::sendEvent(bar, &press);
        for (int v : values) bar->setValue(v);
        QMouseEvent release(QEvent::MouseButtonRelease, at, bar->mapToGlobal(at), Qt::LeftButton, Qt::NoButton, {});
        QApplication::sendEvent(bar, &release);
    }

    std::string Dir = MakeTempDir();
    TMessageHookScope Boxes{[](const TMessageRequest&) { return TMsgResult::Cancel; }};
    std::unique_ptr<TAppContext> App;
    std::unique_ptr<TMainForm> Main;
    TPaletteForm* Form = nullptr;
};

TEST_F(PaletteFormTest, TwoColourImageShowsOneRowAndTheWindowShrinks) {
    Build(FromGrid({"0123"}, 256));
    const int tall = Form->height();
    Main->App().Edit().SetDib(Picture({".#"}, {kRed, kBlue}));
    EXPECT_EQ(tall - Form->height(), 15 * 11);
    EXPECT_EQ(Form->GDColors->height(), 12);
    EXPECT_EQ(Shown(0), QColor(Qt::red));
    EXPECT_EQ(Shown(1), QColor(Qt::blue));
    EXPECT_EQ(Shown(2), Form->palette().color(QPalette::Window));  // no third cell

    // The context menu's item hides the tool bar; the setting keeps it for next time.
    const int withBar = Form->height();
    Form->MIToolBar->trigger();
    EXPECT_FALSE(Form->MIToolBar->isChecked());
    EXPECT_EQ(withBar - Form->height(), Form->PNTop->height());
    EXPECT_EQ(Form->GDColors->y(), 1);
    Main.reset();
    Build();
    EXPECT_FALSE(Form->ToolBarVisible());
}

TEST_F(PaletteFormTest, WindowMenuShowsThePaletteAndItReopensAtStart) {
    Build(FromGrid({"01"}, 4));
    EXPECT_FALSE(Form->isVisible());
    QAction* item = Main->Item("MIShowPalette");
    ASSERT_TRUE(item->isEnabled());
    item->trigger();
    EXPECT_TRUE(Form->isVisible());
    EXPECT_TRUE(item->isChecked());
    Form->close();  // hidden, not destroyed
    EXPECT_EQ(Main->findChild<TPaletteForm*>("PaletteForm"), Form);
    item->trigger();
    Main.reset();
    EXPECT_TRUE(PlacementSaysOpen(App->Ini(), "PaletteForm"));
    Build();
    Main->OpenToolWindowsAtStart();
    EXPECT_TRUE(Form->isVisible());
}

TEST_F(PaletteFormTest, ClicksPickPrimaryAndSecondaryAndThePencilDrawsInThem) {
    Build(FromGrid({"....", "...."}, 4));
    Main->show();
    Click(2);
    Click(3, Qt::RightButton);
    EXPECT_EQ(Doc().Color1Index(), 2);
    EXPECT_EQ(Doc().Color2Index(), 3);
    EXPECT_EQ(Form->LBColor1->text(), "2");
    EXPECT_EQ(Form->LBColor2->text(), "3");
    EXPECT_TRUE(Form->LBColor2->font().underline());
    EXPECT_FALSE(Form->LBColor1->font().underline());

    // A press of the other button while one is held cancels: the primary comes back.
    QTest::mousePress(Form->GDColors, Qt::LeftButton, {}, Cell(1));
    EXPECT_EQ(Doc().Color1Index(), 1);
    QMouseEvent other(QEvent::MouseButtonPress, Cell(1), Form->GDColors->mapToGlobal(Cell(1)), Qt::RightButton,
                      Qt::LeftButton | Qt::RightButton, {});
    QApplication::sendEvent(Form->GDColors, &other);
    EXPECT_EQ(Doc().Color1Index(), 2);
    EXPECT_EQ(Doc().Color2Index(), 3);
    QTest::mouseRelease(Form->GDColors, Qt::LeftButton, {}, Cell(1));

    TPaintClient* client = Main->Client();
    client->SetZoom(8);
    client->SetRightButtonDraws(true);
    App->Settings().NPen2 = 0;
    client->SelectTool(TToolItem::DrawDot);
    QTest::mouseClick(client->viewport(), Qt::LeftButton, {}, QPoint(4, 4));
    QTest::mouseClick(client->viewport(), Qt::RightButton, {}, QPoint(20, 12));
    EXPECT_EQ(ToGrid(*Doc().Dib()), std::vector<std::string>({"2...", "..3."}));
}

TEST_F(PaletteFormTest, GradientFromBlackAtZeroToWhiteAtFifteenIsOneStep) {
    auto image = FromGrid({"0"}, 16);
    image->SetColor(0, RGB(0, 0, 0));
    image->SetColor(15, RGB(255, 255, 255));
    Build(std::move(image));
    const std::vector<TColorRef> before = Entries();
    Click(15, Qt::RightButton);
    Click(0);
    QTest::mouseClick(Form->SBGrad, Qt::LeftButton);
    for (int i = 0; i < 16; ++i) EXPECT_EQ(Doc().Dib()->GetColor(i), RGB(17 * i, 17 * i, 17 * i)) << i;
    EXPECT_EQ(Shown(1), QColor(17, 17, 17));
    EXPECT_EQ(Doc().Undo().Count(), 1);
    Doc().Undo().Undo();
    EXPECT_EQ(Entries(), before);

    // Primary and secondary on one entry: nothing, and nothing recorded.
    Click(15);
    QTest::mouseClick(Form->SBGrad, Qt::LeftButton);
    EXPECT_EQ(Entries(), before);
    EXPECT_EQ(Doc().Undo().Position(), 0);
}

TEST_F(PaletteFormTest, BarDragIsOneStepAndNoneWhenItEndsAtTheStartColour) {
    Build(Picture({".#"}, {kRed, kGreen}));
    Main->show();
    Click(1);
    EXPECT_EQ(Form->SBGreen->value(), 255);
    DragBar(Form->SBRed, {10, 60, 90});
    EXPECT_EQ(Doc().Dib()->GetColor(1), RGB(90, 255, 0));
    EXPECT_EQ(Form->LBRed->text(), "90");
    EXPECT_EQ(Doc().Undo().Count(), 1);
    EXPECT_EQ(Shown(1), QColor(90, 255, 0));
    Main->Client()->RenderBackBuffer(Main->Client()->viewport()->rect());
    const QImage view = Main->Client()->BackBuffer();
    EXPECT_EQ(QColor(view.pixel(Main->Client()->Zoom(), 0)), QColor(90, 255, 0));

    DragBar(Form->SBBlue, {40, 0});
    EXPECT_EQ(Doc().Undo().Count(), 1);
    Doc().Undo().Undo();
    EXPECT_EQ(Doc().Dib()->GetColor(1), kGreen);
    EXPECT_EQ(Form->SBRed->value(), 0);
}

TEST_F(PaletteFormTest, BarMovedWhileEditingIsOffChangesNothing) {
    Build(Picture({".#"}, {kRed, kGreen}));
    QTest::mouseClick(Form->SBChangeable, Qt::LeftButton);
    EXPECT_FALSE(App->Settings().PalChangeable);
    EXPECT_FALSE(Form->SBRed->isEnabled());
    EXPECT_FALSE(Form->SBGrad->isEnabled());
    Form->SBGreen->setValue(100);
    DragBar(Form->SBBlue, {100});
    EXPECT_EQ(Entries(), std::vector<TColorRef>({kRed, kGreen}));
    EXPECT_EQ(Doc().Undo().Count(), 0);
    // Nor does a double click ask for a colour.
    int asked = 0;
    TColorHookScope hook([&](const QColor&) -> std::optional<QColor> { return ++asked, QColor(1, 2, 3); });
    QTest::mouseDClick(Form->GDColors, Qt::LeftButton, {}, Cell(0));
    EXPECT_EQ(asked, 0);
}

TEST_F(PaletteFormTest, DoubleClickEditsTheEntryThroughTheColourChooser) {
    Build(Picture({".#"}, {kRed, kGreen}));
    std::optional<QColor> answer = QColor(1, 2, 3);
    TColorHookScope hook([&](const QColor& initial) {
        EXPECT_EQ(initial, QColor(Qt::green));
        return answer;
    });
    Click(1);  // a double click's first press
    QTest::mouseDClick(Form->GDColors, Qt::LeftButton, {}, Cell(1));
    EXPECT_EQ(Doc().Dib()->GetColor(1), RGB(1, 2, 3));
    EXPECT_EQ(Form->SBBlue->value(), 3);
    EXPECT_EQ(Doc().Undo().Count(), 1);
    Doc().Undo().Undo();
    answer.reset();
    QTest::mouseDClick(Form->GDColors, Qt::LeftButton, {}, Cell(1));
    EXPECT_EQ(Doc().Dib()->GetColor(1), kGreen);
}

TEST_F(PaletteFormTest, ExchangeKeepsTheLookAndUndoRestoresEntriesAndIndices) {
    // Entries 0 and 2 are the same red: matching colours would merge them. Rows of 36
    // pixels: whole blocks and a tail.
    const auto rows = [](const std::string& a, const std::string& b) {
        std::vector<std::string> out(2);
        for (int i = 0; i < 9; ++i) out[0] += a, out[1] += b;
        return out;
    };
    Build(Picture(rows(".#23", "2#.3"), {kRed, kGreen, kRed, kBlue}));
    const auto look = [this] {
        std::vector<TColorRef> colours;
        const TDib& dib = *Doc().Dib();
        for (int y = 0; y < dib.Height(); ++y)
            for (int x = 0; x < dib.Width(); ++x) colours.push_back(dib.GetColor(dib.Pixel(x, y)));
        return colours;
    };
    const auto before = look();
    QTest::mouseClick(Form->SBExchange, Qt::LeftButton);
    QTest::mousePress(Form->GDColors, Qt::LeftButton, {}, Cell(1));
    QTest::mouseMove(Form->GDColors, Cell(3));
    QTest::mouseRelease(Form->GDColors, Qt::LeftButton, {}, Cell(3));
    EXPECT_EQ(Entries(), std::vector<TColorRef>({kRed, kBlue, kRed, kGreen}));
    EXPECT_EQ(ToGrid(*Doc().Dib()), rows(".32#", "23.#"));
    EXPECT_EQ(look(), before);
    EXPECT_EQ(Doc().Color1Index(), 3);
    EXPECT_EQ(Doc().Undo().Count(), 1);
    Doc().Undo().Undo();
    EXPECT_EQ(Entries(), std::vector<TColorRef>({kRed, kGreen, kRed, kBlue}));
    EXPECT_EQ(ToGrid(*Doc().Dib()), rows(".#23", "2#.3"));
}

TEST_F(PaletteFormTest, UsedAndUnusedFiltersShowHiddenCellsInTheWindowBackground) {
    Build(Picture({"0202"}, {kRed, kGreen, kBlue, RGB(9, 9, 9)}));
    const QColor background = Form->palette().color(QPalette::Window);
    QTest::mouseClick(Form->SBUsed, Qt::LeftButton);
    EXPECT_EQ(Status().toStdString(), "Il numero di Colori uitilizzati è: 2 Individual");
    EXPECT_EQ(Shown(0), QColor(Qt::red));
    EXPECT_EQ(Shown(1), background);
    EXPECT_EQ(Shown(2), QColor(Qt::blue));
    EXPECT_EQ(Shown(3), background);
    QTest::mouseClick(Form->SBUnUsed, Qt::LeftButton);
    EXPECT_FALSE(Form->SBUsed->isChecked());
    EXPECT_EQ(Status().toStdString(), "Il numro dei Colori che non sono utilizzati è: 2 Individual");
    EXPECT_EQ(Shown(0), background);
    EXPECT_EQ(Shown(1), QColor(Qt::green));
    // A new image releases the searches.
    Main->App().Edit().SetDib(Picture({"0"}, {kRed, kGreen}));
    EXPECT_FALSE(Form->SBUnUsed->isChecked());
    EXPECT_EQ(Shown(1), QColor(Qt::green));
}

TEST_F(PaletteFormTest, ThreeEqualEntriesCountThree) {
    Build(Picture({"0"}, {kRed, kBlue, kGreen, kBlue, kRed + 1, kBlue}));
    QTest::mouseClick(Form->SBSame, Qt::LeftButton);
    EXPECT_EQ(Status().toStdString(), "Il numro dei Colori doppi è: 3 Individual");
    EXPECT_EQ(Shown(0), Form->palette().color(QPalette::Window));
    EXPECT_EQ(Shown(1), QColor(Qt::blue));
    // The count is part of one text, which the Italian catalogue mends.
    QTranslator* italian = InstallCatalogue(*qApp, TLanguage::Italian);
    ASSERT_NE(italian, nullptr);
    QTest::mouseClick(Form->SBSame, Qt::LeftButton);
    EXPECT_EQ(Status(), "Numero di colori doppi: 0");
    QCoreApplication::removeTranslator(italian);
}

TEST_F(PaletteFormTest, FindColourListsIndicesAsWrittenAndOkPicksTheFirst) {
    std::vector<TColorRef> colours(16, RGB(0, 0, 0));
    colours[3] = colours[5] = RGB(10, 20, 30);
    Build(Picture({"0"}, colours));
    Click(1, Qt::RightButton);
    Click(15);  // the primary is the edited colour
    std::vector<std::string> messages;
    auto previous = TFindColorDialog::SetHook([&](TFindColorDialog& dialog) {
        EXPECT_EQ(dialog.windowTitle(), "Cerca Colore");
        messages.push_back(dialog.LBMessage->text().toStdString());  // black, as the bars were
        dialog.NERed->setText("1");
        messages.push_back(dialog.LBMessage->text().toStdString());
        dialog.SBRed->setValue(10);
        dialog.NEGreen->setText("20");
        dialog.NEBlue->setText("30");
        EXPECT_EQ(dialog.SBBlue->value(), 30);
        messages.push_back(dialog.LBMessage->text().toStdString());
        dialog.accept();
        return dialog.result();
    });
    QTest::mouseClick(Form->SBSearch, Qt::LeftButton);
    TFindColorDialog::SetHook(previous);
    EXPECT_EQ(messages, std::vector<std::string>({"0,1,2,4,6,... 番の色がそうです", "ありません",
                                                  "3,5 番の色がそうです"}));
    EXPECT_EQ(Doc().Color1Index(), 3);
    EXPECT_EQ(Doc().Color2Index(), 1);
}

}  // namespace
}  // namespace pixmo::test

namespace pixmo::test {
namespace {

TEST_F(PaletteFormTest, PaletteFilesSaveAndLoadKeepingEveryPixelIndex) {
    Build(Picture({"0120", "2101"}, {kRed, kGreen, kBlue}));
    std::deque<std::string> answers = {Dir + "/p.hex"};
    TFileHookScope files([&](const TFileRequest&) -> std::optional<QString> {
        const QString name = QString::fromStdString(answers.front());
        answers.pop_front();
        return name;
    });
    auto write = [](const std::string& path, const std::string& text) {
        WriteFileBytes(path, std::vector<uint8_t>(text.begin(), text.end()));
    };
    Form->SavePaletteClick();
    EXPECT_EQ(ReadPaletteFile(Dir + "/p.hex").Colors, (std::vector<uint32_t>{0xFF0000, 0x00FF00, 0x0000FF}));
    // Two colours from a file: entries 0 and 1 change, the pixels stay, one step undoes it.
    write(Dir + "/two.gpl", "GIMP Palette\nName: x\n#\n  1   2   3\tA\n4 5 6 B\n");
    const auto grid = ToGrid(*Doc().Dib());
    answers = {Dir + "/two.gpl"};
    Form->LoadPaletteClick();
    EXPECT_EQ(ToGrid(*Doc().Dib()), grid);
    EXPECT_EQ(Doc().Dib()->GetColor(0), RGB(1, 2, 3));
    EXPECT_EQ(Doc().Dib()->GetColor(1), RGB(4, 5, 6));
    EXPECT_EQ(Doc().Dib()->GetColor(2), kBlue);
    Main->MIEditUndoClick();
    EXPECT_EQ(Doc().Dib()->GetColor(0), kRed);
    // A longer palette lengthens the table as far as the depth holds.
    std::string hex;
    for (int i = 0; i < 20; ++i) hex += Format("%06X\n", i);
    write(Dir + "/long.hex", hex);
    answers = {Dir + "/long.hex"};
    Form->LoadPaletteClick();
    EXPECT_EQ(Doc().Dib()->Colors(), 1 << Doc().Dib()->BitCount());
    EXPECT_EQ(ToGrid(*Doc().Dib()), grid);
    EXPECT_EQ(Doc().Dib()->GetColor(3), RGB(0, 0, 3));
}

}  // namespace
}  // namespace pixmo::test
