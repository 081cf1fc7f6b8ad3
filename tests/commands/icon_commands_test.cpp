// The Icon submenu: "Salva come Icona..." through its dialog with the options panel and the
// previews, "Copia come Icona..." onto the clipboard, and Save refusing to squeeze a larger
// image into an icon file.
#include <QApplication>
#include <QTimer>
#include <filesystem>

#include "commands/icon_form.h"
#include "main_form_fixture.h"

namespace pixmo::test {

TEST_F(MainFormTest, SaveAsIconThroughItsDialogKeepsTheChosenOptions) {
    TMainForm& form = Build();
    auto image = FromGrid({"1111", "1221", "1221", "1111"}, 4);
    image->SetColor(1, RGB(255, 0, 0));
    image->SetColor(2, RGB(0, 0, 255));
    Doc().SetDib(std::move(image));
    Doc().RestoreColorIndices(0, 2);  // the secondary colour is transparent
    const std::string path = Path("a.ico");
    bool previewed = false;
    QTimer::singleShot(0, [&] {
        for (QWidget* w : QApplication::topLevelWidgets())
            if (auto* d = qobject_cast<TIconSaveDialog*>(w); d && d->isVisible()) {
                // The preview shows the window's background where the secondary colour was.
                const QImage preview = d->Panel->SavePreview->pixmap().toImage();
                const QColor window = d->Panel->palette().color(QPalette::Window);
                previewed = preview.pixelColor(0, 0) == QColor(255, 0, 0) && preview.pixelColor(16, 16) == window;
                d->Panel->SaveColors->button(1)->setChecked(true);
                d->Files->selectFile(QString::fromStdString(path));
                QMetaObject::invokeMethod(d->Files, "accept");
            }
    });
    form.Item("MISaveAsIcon")->trigger();
    EXPECT_TRUE(previewed);
    TIcons icons;
    icons.LoadFromFile(path);
    const TDIIcon& icon = icons.Item(0);
    EXPECT_EQ(icon.Color->Colors(), 4);  // 256 colours: the image's own table
    EXPECT_EQ(icon.Mask->Pixel(16, 16), 1);
    EXPECT_EQ(icon.Mask->Pixel(0, 0), 0);
    EXPECT_TRUE(FApp->Settings().IconSaveColor);

    form.Item("MICopyAsIcon")->trigger();
    EXPECT_TRUE(FClipboard->HasFormat(CF_DIB));
    EXPECT_TRUE(FClipboard->HasFormat(CF_DSPBITMAP));
    auto copied = TDib::CreateFromClipboard(*FClipboard);
    EXPECT_EQ(copied->GetSize(), (TPoint{32, 32}));
}

TEST_F(MainFormTest, SavingUnderAnIconNameTakesOnly32By32Images) {
    TMainForm& form = Build();
    Doc().SetDib(TDib::Create(40, 40, 16));
    form.Guard([&] { form.SaveFile(Path("big.ico")); });
    ASSERT_EQ(FBoxes.size(), 1u);
    EXPECT_TRUE(FBoxes[0].Text.contains("Salva come Icona"));
    EXPECT_FALSE(std::filesystem::exists(Path("big.ico")));
    Doc().SetDib(TDib::Create(32, 32, 16));
    form.SaveFile(Path("small.ico"));
    TIcons icons;
    icons.LoadFromFile(Path("small.ico"));
    EXPECT_EQ(icons.Item(0).Color->GetSize(), (TPoint{32, 32}));
}

}  // namespace pixmo::test
