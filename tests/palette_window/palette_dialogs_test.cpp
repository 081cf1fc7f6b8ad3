// The palette dialogs of the menus: colour count, palette transformations and an image from
// the clipboard on a file's palette, each one undo step.
#include <gtest/gtest.h>

#include <QApplication>
#include <filesystem>

#include "edit/undo.h"
#include "image/clipboard.h"
#include "image/dib.h"
#include "palette/window/change_palette_dialog.h"
#include "palette/window/col_rate_dialog.h"
#include "palette/window/create_from_palette_dialog.h"
#include "palette/window/new_color_dialog.h"
#include "support/test_support.h"
#include "uikit/dialog_hooks.h"
#include "view/app_context.h"
#include "view/paint_client.h"

namespace pixmo::test {
namespace {

struct TDialogsFixture {
    std::string Dir = MakeTempDir();
    TAppContext App{Dir + "/pixmo3.ini", TParams{}, std::make_unique<TMemoryClipboard>()};
    TPaintClient Client;
    std::vector<TMessageRequest> Boxes;
    TMessageHookScope Hook{[this](const TMessageRequest& r) {
        Boxes.push_back(r);
        return TMsgResult::Ok;
    }};

    TDialogsFixture() {
        Client.SetContext(&App.Edit());
        App.SetPaintClient(&Client);
        App.Edit().SetDib(FromGrid({"0123", "4567"}, 8));
    }
    ~TDialogsFixture() {
        Client.SetContext(nullptr);
        App.SetPaintClient(nullptr);
        std::filesystem::remove_all(Dir);
    }
    TDib& Image() { return *App.Edit().Dib(); }
    TUndo& History() { return App.Edit().Undo(); }
    // A two-entry palette file: black and white.
    std::string BlackWhite() {
        auto file = TDib::Create(1, 1, 2);
        file->SetColor(0, RGB(0, 0, 0));
        file->SetColor(1, RGB(255, 255, 255));
        file->SaveToFile(Dir + "/bw.bmp");
        return Dir + "/bw.bmp";
    }
};

}  // namespace

TEST(PaletteDialogs, ColourCountGrowsWithBlackAndShrinksOntoTheKeptEntries) {
    TDialogsFixture f;
    const auto before = ToGrid(f.Image());
    const TColorRef seven = f.Image().GetColor(7);
    {
        TNewColorDialog dialog(f.App);
        EXPECT_EQ(dialog.LBNow->text(), QString::fromUtf8("8色"));
        dialog.RB16->setChecked(true);
        ASSERT_TRUE(dialog.Confirm());
    }
    EXPECT_EQ(f.Image().Colors(), 16);
    EXPECT_EQ(f.Image().GetColor(7), seven);
    EXPECT_EQ(f.Image().GetColor(8), RGB(0, 0, 0));
    EXPECT_EQ(ToGrid(f.Image()), before);
    EXPECT_EQ(f.History().GetUndoCaption().find("Aumenta, Diminuisic Colori") != std::string::npos, true);

    {
        TNewColorDialog dialog(f.App);
        dialog.RBElse->setChecked(true);
        dialog.NEElse->setText("1");  // below 2: refused, the dialog stays
        EXPECT_FALSE(dialog.Confirm());
        EXPECT_EQ(f.Boxes.size(), 1u);
        dialog.NEElse->setText("4");
        ASSERT_TRUE(dialog.Confirm());
    }
    EXPECT_EQ(f.Image().Colors(), 4);
    for (int x = 0; x < 4; ++x) EXPECT_LT(f.Image().Pixel(x, 1), 4);
    f.History().Undo();
    f.History().Undo();
    EXPECT_EQ(f.Image().Colors(), 8);
    EXPECT_EQ(ToGrid(f.Image()), before);
}

TEST(PaletteDialogs, ColourCountFromAPaletteFileMatchesThePixels) {
    TDialogsFixture f;
    f.Image().SetColor(2, RGB(250, 250, 250));
    TNewColorDialog dialog(f.App);
    dialog.RBPalette->setChecked(true);
    dialog.EDPalette->setText(QString::fromStdString(f.BlackWhite()));
    ASSERT_TRUE(dialog.Confirm());
    EXPECT_EQ(f.Image().Colors(), 2);
    EXPECT_EQ(f.Image().Pixel(2, 0), 1);  // near white
    EXPECT_EQ(f.Image().Pixel(0, 0), 0);  // the grey ramp's black
}

TEST(PaletteDialogs, ChangePaletteTransformsEntriesAndKeepsTheChoiceOnlyOnOk) {
    TDialogsFixture f;
    f.Image().SetColor(1, RGB(10, 20, 30));
    const auto before = ToGrid(f.Image());
    {
        TChangePaletteDialog dialog(f.App);
        EXPECT_EQ(dialog.windowTitle(), "Cambia Palette");
        dialog.RBRedGreen->setChecked(true);
        dialog.Confirm();
    }
    EXPECT_EQ(f.Image().GetColor(1), RGB(20, 10, 30));
    EXPECT_EQ(ToGrid(f.Image()), before);
    EXPECT_NE(f.History().GetUndoCaption().find("Cambia Palette"), std::string::npos);
    {
        TChangePaletteDialog dialog(f.App);
        EXPECT_TRUE(dialog.RBRedGreen->isChecked());
        dialog.RBBlueRed->setChecked(true);
        dialog.reject();
    }
    TChangePaletteDialog again(f.App);
    EXPECT_TRUE(again.RBRedGreen->isChecked());
    f.History().Undo();
    EXPECT_EQ(f.Image().GetColor(1), RGB(10, 20, 30));
}

TEST(PaletteDialogs, ImageFromTheClipboardOnAFilesPalette) {
    TDialogsFixture f;
    const std::string palette = f.BlackWhite();
    {
        TCreateFromPaletteDialog dialog(f.App);
        dialog.EDPalette->setText(QString::fromStdString(palette));
        dialog.Confirm();
        ASSERT_EQ(f.Boxes.size(), 1u);
        EXPECT_EQ(f.Boxes[0].Text, QString::fromUtf8("クリップボードに絵がありません。"));
    }
    auto picture = FromGrid({"07", "70"}, 8);
    picture->SetColor(7, RGB(240, 240, 240));
    picture->CopyToClipboard(f.App.Clipboard());
    {
        TCreateFromPaletteDialog dialog(f.App);
        EXPECT_EQ(dialog.EDPalette->text().toStdString(), palette);  // kept from last time
        ASSERT_TRUE(dialog.Confirm());
    }
    EXPECT_EQ(f.Image().Colors(), 2);
    EXPECT_EQ(ToGrid(f.Image()), (std::vector<std::string>{".#", "#."}));
    EXPECT_NE(f.History().GetUndoCaption().find("Creato dagli Appunti"), std::string::npos);
    EXPECT_EQ(f.App.Edit().FileName(), "");
}

TEST(PaletteDialogs, ColourRateNumbersAndBarsFollowEachOtherAndOkChangesNothing) {
    TDialogsFixture f;
    const auto before = ToGrid(f.Image());
    TColRateDialog dialog(f.App);
    dialog.Bars[1]->setValue(77);
    EXPECT_EQ(dialog.Edits[1]->text(), "77");
    dialog.Edits[2]->setText("200");
    EXPECT_EQ(dialog.Bars[2]->value(), 200);
    ASSERT_NE(dialog.Copy(), nullptr);
    dialog.accept();
    EXPECT_EQ(ToGrid(f.Image()), before);
    EXPECT_EQ(f.History().Count(), 0);
}

}  // namespace pixmo::test
