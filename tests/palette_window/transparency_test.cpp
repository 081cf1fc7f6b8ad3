// Transparent entries in the real main window: the checkerboard in the edit view, the
// navigator and the palette; "Trasparente" in the palette window's menu with its undo step;
// the files written afterwards (read back by PIL and by the program); the clipboard's PNG.
#include <gtest/gtest.h>

#include <QApplication>
#include <QBuffer>
#include <QContextMenuEvent>
#include <QMenu>
#include <QScrollBar>
#include <QTest>
#include <QTimer>
#include <algorithm>
#include <cstdio>

#include "commands/main_form.h"
#include "edit/selection.h"
#include "edit/undo.h"
#include "formats/animation_file.h"
#include "formats/clipboard_png.h"
#include "formats/install_formats.h"
#include "image/clipboard.h"
#include "image/file_format.h"
#include "palette/window/palette_form.h"
#include "windows/option_form.h"
#include "support/test_support.h"
#include "uikit/dialog_hooks.h"
#include "uikit/grid.h"
#include "view/app_context.h"
#include "view/checkerboard.h"
#include "view/paint_client.h"
#include "view/status_panel.h"
#include "windows/place_client.h"
#include "windows/place_form.h"

namespace pixmo::test {
namespace {

constexpr QRgb kGreen = 0xFF00FF00u, kRed = 0xFFFF0000u;

// 32 x 32: the left half entry 0 (green, transparent), the right half entry 1 (red), the
// last column entry 2 (blue, half opaque).
std::unique_ptr<TDib> Sprite() {
    std::vector<std::string> rows(32, std::string(16, '.') + std::string(15, '#') + "2");
    auto dib = FromGrid(rows, 3);
    dib->SetColor(0, RGB(0, 255, 0));
    dib->SetColor(1, RGB(255, 0, 0));
    dib->SetColor(2, RGB(0, 0, 255));
    dib->SetAlphas({0, 255, 128});
    return dib;
}

QRgb Grey(bool dark) { return dark ? kCheckerDark : kCheckerLight; }
QRgb HalfBlue(bool dark) { return OverChecker(qRgba(0, 0, 255, 128), dark ? 8 : 0, 0, TCheckerboard{8, {}}); }
int Count(const QImage& shot, QRgb colour) {
    return static_cast<int>(std::count(reinterpret_cast<const QRgb*>(shot.constBits()),
                                       reinterpret_cast<const QRgb*>(shot.constBits()) + shot.width() * shot.height(), colour));
}

// A command's standard output.
std::string Output(const std::string& command) {
    std::string out;
    if (FILE* pipe = popen(command.c_str(), "r")) {
        char buffer[4096];
        for (size_t n; (n = fread(buffer, 1, sizeof buffer, pipe)) > 0;) out.append(buffer, n);
        pclose(pipe);
    }
    return out;
}

class TransparencyTest : public ::testing::Test {
protected:
    void SetUp() override {
        InstallFormats();
        App = std::make_unique<TAppContext>(Dir + "/t.ini", TParams{}, std::make_unique<TMemoryClipboard>());
        Main = std::make_unique<TMainForm>(*App);
        Main->Start();
        Palette = Main->findChild<TPaletteForm*>("PaletteForm");
        Main->App().Edit().SetDib(Sprite());
        Main->resize(600, 500);
        Main->show();
    }
    void TearDown() override {
        Main.reset();
        App.reset();
    }
    TEditContext& Doc() { return App->Edit(); }
    QImage Shot(QWidget* w) { return w->grab().toImage().convertToFormat(QImage::Format_RGB32); }
    QRgb Cell(int i) {
        const QImage shot = Shot(Palette->GDColors);
        return shot.pixel(Palette->GDColors->CellRect(i).topLeft() + QPoint(2, 2));
    }
    // The palette window's context menu on a cell, its "Trasparente" clicked; whether it was checked.
    bool ClickTransparentOn(int cell) {
        bool checked = false;
        QTimer::singleShot(0, [&] {
            auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
            ASSERT_NE(menu, nullptr);
            checked = Palette->MITransparent->isChecked();
            QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(Palette->MITransparent).center());
        });
        const QPoint at = Palette->GDColors->CellRect(cell).center();
        QContextMenuEvent event(QContextMenuEvent::Mouse, at, Palette->GDColors->mapToGlobal(at));
        QApplication::sendEvent(Palette->GDColors, &event);
        return checked;
    }

    std::string Dir = MakeTempDir();
    TMessageHookScope Boxes{[](const TMessageRequest&) { return TMsgResult::Cancel; }};
    std::unique_ptr<TAppContext> App;
    std::unique_ptr<TMainForm> Main;
    TPaletteForm* Palette = nullptr;
};

TEST_F(TransparencyTest, CheckerboardShowsExactlyOnTransparentPixelsInEveryView) {
    TPaintClient* client = Main->Client();
    // Zoom 1: squares of 8 from the picture's corner; the half-opaque column blended over them.
    client->SetZoom(1);
    QImage shot = Shot(client->viewport());
    for (int y = 0; y < 32; ++y)
        for (int x = 0; x < 32; ++x) {
            const bool dark = (x / 8 + y / 8) % 2 == 1;
            const QRgb want = x < 16 ? Grey(dark) : x < 31 ? kRed : HalfBlue(dark);
            ASSERT_EQ(shot.pixel(x, y), want) << x << "," << y;
        }
    // Zoom 8: each pixel one square, on both sides of the grid line.
    client->SetZoom(8);
    shot = Shot(client->viewport());
    const int columns = std::min(32, client->viewport()->width() / 8), rows = std::min(32, client->viewport()->height() / 8);
    ASSERT_GT(columns, 16);
    for (int y = 0; y < rows; ++y)
        for (int x = 0; x < columns; ++x)
            for (QPoint inside : {QPoint(1, 1), QPoint(4, 4), QPoint(7, 7)})
                ASSERT_EQ(shot.pixel(QPoint(x, y) * 8 + inside),
                          x < 16 ? Grey((x + y) % 2 == 1) : x < 31 ? kRed : HalfBlue((x + y) % 2 == 1))
                    << x << "," << y;

    // Zoom 4: a square covers two by two pixels.
    client->SetZoom(4);
    shot = Shot(client->viewport());
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 16; ++x) ASSERT_EQ(shot.pixel(x * 4 + 2, y * 4 + 2), Grey((x / 2 + y / 2) % 2 == 1)) << x << "," << y;

    // The navigator and the palette show it too; the entry's own colour nowhere.
    Main->Item("MIShowPlace")->trigger();
    const QImage nav = Shot(Main->findChild<TPlaceForm*>("PlaceForm")->Client()->viewport());
    EXPECT_GT(Count(nav, kCheckerLight), 0);
    EXPECT_GT(Count(nav, kRed), 0);
    EXPECT_EQ(Count(nav, kGreen), 0);
    EXPECT_EQ(Cell(0), kCheckerLight);
    EXPECT_EQ(Cell(1), kRed);

    // Turned off, each entry shows its colour again, everywhere; the blend rate chosen stays.
    Main->Item("MIShowOption")->trigger();
    QScrollBar* rate = Main->findChild<TOptionForm*>("OptionForm")->SBTransRate;
    rate->setValue(40);
    emit rate->sliderReleased();
    ApplyShowTransparency(*App, false);
    EXPECT_EQ(Shot(client->viewport()).pixel(4, 4), kGreen);
    EXPECT_EQ(Cell(0), kGreen);
    EXPECT_EQ(rate->value(), 40);
}

TEST_F(TransparencyTest, TrasparenteTogglesOneEntryAsOneStepThatUndoesAndRedoes) {
    Main->Client()->SetZoom(1);
    EXPECT_FALSE(ClickTransparentOn(1));
    EXPECT_EQ(Doc().Dib()->Alphas(), (std::vector<uint8_t>{0, 0, 128}));  // the partial alpha kept
    EXPECT_NE(Doc().Undo().GetUndoCaption().find("Trasparente"), std::string::npos);
    EXPECT_EQ(Shot(Main->Client()->viewport()).pixel(20, 0), kCheckerLight);  // the view heard of it
    EXPECT_EQ(Cell(1), kCheckerLight);
    Main->MIEditUndoClick();
    EXPECT_EQ(Doc().Dib()->Alpha(1), 255);
    EXPECT_EQ(Shot(Main->Client()->viewport()).pixel(20, 0), kRed);
    Main->UpdateMenuStates("MIEdit");
    Main->Item("MIEditRedo")->trigger();
    EXPECT_EQ(Doc().Dib()->Alpha(1), 0);
    // Checked on a transparent entry: it becomes opaque again.
    EXPECT_TRUE(ClickTransparentOn(0));
    EXPECT_EQ(Doc().Dib()->Alphas(), (std::vector<uint8_t>{255, 0, 128}));
    // The swatches' feet show an alpha that is not opaque.
    QTest::mouseClick(Palette->GDColors, Qt::LeftButton, {}, Palette->GDColors->CellRect(2).center());
    EXPECT_TRUE(Palette->LBAlpha1->isVisibleTo(Palette));
    EXPECT_EQ(Palette->LBAlpha1->text(), "128");
    QTest::mouseClick(Palette->GDColors, Qt::LeftButton, {}, Palette->GDColors->CellRect(0).center());
    EXPECT_FALSE(Palette->LBAlpha1->isVisibleTo(Palette));
}

TEST_F(TransparencyTest, FilesWrittenAfterTheToggleCarryTheTransparentEntry) {
    Palette->ToggleTransparent(0);  // opaque now: entry 1 alone made transparent below
    Palette->ToggleTransparent(1);
    const TDib& image = *Doc().Dib();
    Main->SaveFile(Dir + "/a.png");
    Main->SaveFile(Dir + "/a.ico");
    WriteAnimation(image, {image.GetRect()}, 100, Dir + "/a.gif", image.TransparentEntry());
    Main->SaveFile(Dir + "/a.act");
    EXPECT_EQ(OpenImageFile(Dir + "/a.png")->Alphas(), (std::vector<uint8_t>{255, 0, 128}));
    const std::vector<uint8_t> act = ReadFileBytes(Dir + "/a.act");
    ASSERT_EQ(act.size(), 772u);
    EXPECT_EQ(act[770] << 8 | act[771], 1);

    // PIL sees alpha 0 exactly on entry 1's pixels (the half-opaque column keeps 128 in PNG).
    std::string want, wantOpaque;
    for (int x = 0; x < 32; ++x) want += x < 16 ? "255 " : x < 31 ? "0 " : "128 ", wantOpaque += x < 16 || x == 31 ? "255 " : "0 ";
    const std::string python = PilPython();
    if (python.empty()) GTEST_SKIP() << "PIL is not installed (python3-pil)";
    const std::string script = "from PIL import Image\nimport sys\nim = Image.open(sys.argv[1]).convert('RGBA')\n"
                               "print(' '.join(str(im.getpixel((x, 5))[3]) for x in range(32)))\n";
    WriteFileBytes(Dir + "/alpha.py", std::vector<uint8_t>(script.begin(), script.end()));
    auto alphaRow = [&](const std::string& file) { return Output(python + " " + Dir + "/alpha.py " + Dir + "/" + file); };
    EXPECT_EQ(alphaRow("a.png"), want.substr(0, want.size() - 1) + "\n");
    for (const char* file : {"a.ico", "a.gif"}) EXPECT_EQ(alphaRow(file), wantOpaque.substr(0, wantOpaque.size() - 1) + "\n") << file;

    // BMP keeps none: written all the same, and the status bar says so.
    Main->SaveFile(Dir + "/a.bmp");
    EXPECT_TRUE(TDib::CreateFromFile(Dir + "/a.bmp")->Alphas().empty());
    EXPECT_EQ(Main->StatusBar()->MessagePanel()->text(), "Il file BMP non conserva la trasparenza");
}

TEST_F(TransparencyTest, ClipboardCarriesTransparencyAsPngBothWays) {
    TClipboard& clipboard = App->Clipboard();
    // Ours out: the packed bitmap and a PNG with the entries' alphas; back in as a new image.
    Main->UpdateMenuStates("MIFile");
    Main->Item("MIFileToClipboard")->trigger();
    ASSERT_TRUE(clipboard.HasFormat(CF_DIB));
    ASSERT_TRUE(clipboard.HasFormat(CF_PNG));
    const QImage png = QImage::fromData(QByteArray::fromStdString(std::string(
        reinterpret_cast<const char*>(clipboard.GetData(CF_PNG)->data()), clipboard.GetData(CF_PNG)->size())));
    EXPECT_EQ(qAlpha(png.pixel(0, 0)), 0);
    EXPECT_EQ(qAlpha(png.pixel(20, 0)), 255);
    const auto grid = ToGrid(*Doc().Dib());
    Main->UpdateMenuStates("MIFile");
    Main->Item("MIFileCreateFromClipboard")->trigger();
    EXPECT_EQ(ToGrid(*Doc().Dib()), grid);
    EXPECT_EQ(Doc().Dib()->Alphas(), (std::vector<uint8_t>{0, 255, 128}));

    // Theirs in: an RGBA PNG's clear pixels take the transparent entry of the image pasted on.
    QImage theirs(2, 1, QImage::Format_ARGB32);
    theirs.setPixel(0, 0, qRgba(9, 9, 9, 0));
    theirs.setPixel(1, 0, kRed);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    theirs.save(&buffer, "PNG");
    clipboard.Clear();
    clipboard.SetData(CF_PNG, std::vector<uint8_t>(bytes.begin(), bytes.end()));
    Doc().Selection().PasteClipboard();
    ASSERT_NE(Doc().Selection().FloatImage(), nullptr);
    EXPECT_EQ(ToGrid(*Doc().Selection().FloatImage()), (std::vector<std::string>{".#"}));
    // Without a transparent entry, they stay out of the piece.
    Doc().SetDib(FromGrid({"...."}, 2));
    Doc().Selection().PasteClipboard();
    EXPECT_EQ(Doc().Selection().FloatMask()->Pixel(0, 0), 0);
    EXPECT_EQ(Doc().Selection().FloatMask()->Pixel(1, 0), 1);
}

}  // namespace
}  // namespace pixmo::test
