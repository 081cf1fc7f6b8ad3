// The Icon submenu: "Salva come Icona..." through its dialog with the options panel and the
// previews, "Copia come Icona..." onto the clipboard, and Save refusing to squeeze a larger
// image into an icon file.
#include <QApplication>
#include <QTest>
#include <QTimer>
#include <functional>
#include <filesystem>

#include "commands/icon_form.h"
#include "main_form_fixture.h"
#include "view/checkerboard.h"

namespace pixmo::test {

// Runs `answer` on the icon dialog once the command has shown it.
void WhenIconDialogShows(std::function<void(TIconSaveDialog&)> answer) {
    QTimer::singleShot(0, [answer] {
        for (QWidget* w : QApplication::topLevelWidgets())
            if (auto* d = qobject_cast<TIconSaveDialog*>(w); d && d->isVisible()) {
                answer(*d);
                if (d->isVisible()) {  // left open, it would hold the test
                    ADD_FAILURE() << "the dialog is still open";
                    d->reject();
                }
            }
    });
}

// Types a name over the one offered, into the active dialog, as a person does.
void TypeName(TIconSaveDialog& d, const QString& name) {
    d.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&d));
    QTest::mouseClick(d.FileNameEdit, Qt::LeftButton);
    ASSERT_TRUE(d.FileNameEdit->hasFocus());
    QTest::keyClick(d.FileNameEdit, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(d.FileNameEdit, name);
}

TEST_F(MainFormTest, SaveAsIconThroughItsOwnControlsAndEveryPathWritesTheSameIcon) {
    TMainForm& form = Build();
    std::vector<std::string> rows(32, std::string(16, '1') + std::string(16, '3'));
    rows[31] = std::string(32, '2');
    auto image = FromGrid(rows, 4);
    image->SetColor(1, RGB(159, 96, 96));
    image->SetColor(3, RGB(0, 0, 255));
    Doc().SetDib(std::move(image));
    Doc().RestoreColorIndices(0, 3);
    Doc().SetFileName(Path("pic.bmp"));
    // Annulla writes nothing.
    bool shown = false;
    WhenIconDialogShows([&](TIconSaveDialog& d) {
        shown = d.SaveButton->isVisible() && d.CancelButton->isVisible() && d.FileNameEdit->text() == "pic.ico";
        TypeName(d, "a");
        QTest::mouseClick(d.CancelButton, Qt::LeftButton);
    });
    form.Item("MISaveAsIcon")->trigger();
    EXPECT_TRUE(shown);
    EXPECT_FALSE(std::filesystem::exists(Path("a.ico")));

    // 16 colours keep the image's own; "Visibile" shows the checkerboard where the secondary
    // colour was (its fourth square of the top row is dark).
    bool previewed = false;
    WhenIconDialogShows([&](TIconSaveDialog& d) {
        const QImage preview = d.Panel->SavePreview->pixmap().toImage();
        previewed = preview.pixelColor(0, 0) == QColor(159, 96, 96) && preview.pixel(31, 0) == kCheckerDark;
        QTest::mouseClick(d.Panel->SaveColors->button(1), Qt::LeftButton);
        QTest::mouseClick(d.Panel->MaskColor->button(1), Qt::LeftButton);  // "Trasparente": the bottom row's colour
        TypeName(d, "a");  // ".ico" added
        QTest::mouseClick(d.SaveButton, Qt::LeftButton);
    });
    form.Item("MISaveAsIcon")->trigger();
    EXPECT_TRUE(previewed);
    EXPECT_TRUE(FApp->Settings().IconSaveColor);
    TIcons icons;
    icons.LoadFromFile(Path("a.ico"));
    EXPECT_EQ(icons.Item(0).Color->BitCount(), 8);
    EXPECT_EQ(icons.Item(0).Mask->Pixel(0, 31), 1);
    EXPECT_EQ(icons.Item(0).Color->GetColor(icons.Item(0).Color->Pixel(0, 0)), RGB(159, 96, 96));

    // Salva Selezione and Salva con Nome under ".ico" write the same file.
    form.Item("MISelectAll")->trigger();
    FFileAnswers = {QString::fromStdString(Path("piece.ico")), QString::fromStdString(Path("file.ico"))};
    form.Item("MIEditSave")->trigger();
    form.Item("MIFileSaveAs")->trigger();
    EXPECT_EQ(ReadFileBytes(Path("piece.ico")), ReadFileBytes(Path("a.ico")));
    EXPECT_EQ(ReadFileBytes(Path("file.ico")), ReadFileBytes(Path("a.ico")));

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
