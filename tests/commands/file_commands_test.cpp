// File commands: open and save BMP and PNG, the depth refusal, backups, Save As for an
// untitled image, the close query's three answers and the clipboard.
#include <QCloseEvent>
#include <QCoreApplication>
#include <QTranslator>

#include <fstream>
#include <iterator>

#include "commands/new_dib_dialog.h"
#include "edit/undo.h"
#include "image/file_io.h"
#include "main_form_fixture.h"
#include "translations/language.h"
#include "view/paint_client.h"

namespace pixmo::test {

namespace {
std::vector<uint8_t> Bytes(const std::string& path) { return ReadWholeFile(path); }
bool Exists(const std::string& path) { return std::filesystem::exists(path); }

// Marks the document changed as a recorded step does.
void Touch(TEditContext& doc) {
    doc.Undo().AddDibRect(doc.Dib(), TRect{0, 0, 1, 1});
    doc.Dib()->SetPixel(0, 0, 1);
}

bool TryClose(TMainForm& form) {
    QCloseEvent event;
    QCoreApplication::sendEvent(&form, &event);
    return event.isAccepted();
}
}  // namespace

TEST_F(MainFormTest, OpensAndSavesBmpAndPng) {
    TMainForm& form = Build();
    const std::string bmp = WriteImage("a.bmp", 16, 7, 5);
    form.OpenFile(bmp);
    ASSERT_NE(Doc().Dib(), nullptr);
    EXPECT_EQ(Doc().Dib()->Width(), 7);
    EXPECT_EQ(Doc().Dib()->BitCount(), 4);
    EXPECT_FALSE(Doc().Modified());

    const std::string png = Path("copy.png");
    form.SaveFile(png);
    const auto bytes = Bytes(png);
    ASSERT_GE(bytes.size(), 8u);
    EXPECT_EQ(bytes[1], 'P');
    EXPECT_EQ(Doc().FileName(), png);
    EXPECT_EQ(form.FileHistory()[0], png);

    form.OpenFile(png);
    EXPECT_EQ(Doc().Dib()->Width(), 7);
    EXPECT_EQ(Doc().Dib()->Pixel(3, 2), 5);
    EXPECT_TRUE(FBoxes.empty());
    EXPECT_EQ(ShownCaption(form), "Pixmo3 - " + png + " [7x5 16] Col");
}

TEST_F(MainFormTest, DeepImagesAreRefusedWithTheDepthName) {
    TMainForm& form = Build();
    // True colour of few colours opens as a palette image; more than 256 cannot.
    form.OpenFile(WriteImage("true.bmp", 0, 4, 4));
    EXPECT_EQ(Doc().Dib()->BitCount(), 8);
    form.OpenFile(WriteImage("small.bmp", 2, 3, 3));
    ManyColours(17, 16)->SaveToFile(Path("many.bmp"));
    form.OpenFile(Path("many.bmp"));
    ASSERT_EQ(FBoxes.size(), 1u);
    // The box names the file, says why and what makes it a palette image.
    const std::string text = FBoxes[0].Text.toStdString();
    EXPECT_EQ(text.find("\"" + Path("many.bmp") + "\" ha più di 256 colori"), 0u) << text;
    EXPECT_NE(text.find("pixmo3-convert --palette PALETTE \"" + Path("many.bmp") + "\""), std::string::npos);
    EXPECT_EQ(Doc().Dib()->Width(), 3);
    EXPECT_EQ(DepthName(1), "2色");
    EXPECT_EQ(DepthName(16), "16ﾋﾞｯﾄﾊｲｶﾗｰ");
    EXPECT_EQ(DepthName(32), "32ﾋﾞｯﾄﾌﾙｶﾗｰ");
    EXPECT_EQ(DepthName(7), "？？色");
}

TEST_F(MainFormTest, ABrokenFileReportsAndKeepsTheImage) {
    TMainForm& form = Build();
    form.OpenFile(WriteImage("good.bmp", 16));
    const std::string bad = Path("bad.bmp");
    std::ofstream(bad) << "BM not really";
    form.Item("MIFileOpen");  // the dialog path is covered below
    FFileAnswers.push_back(QString::fromStdString(bad));
    form.Item("MIFileOpen")->trigger();
    ASSERT_EQ(FBoxes.size(), 1u);
    EXPECT_EQ(Doc().FileName(), Path("good.bmp"));
    ASSERT_EQ(FFileRequests.size(), 1u);
    EXPECT_FALSE(FFileRequests[0].Save);
    EXPECT_EQ(FFileRequests[0].Name, "FileDialog");
    EXPECT_EQ(FFileRequests[0].DefaultExt, "bmp");
    EXPECT_EQ(FFileRequests[0].Filter,
              "File Immagine|*.bmp;*.png;*.ico;*.gif|File Bitmap (*.bmp)|*.bmp|File PNG (*.png)|*.png|Icona (*.ico)|*.ico|"
              "GIF animata|*.gif|Tutti i File (*.*)|*.*");
}

TEST_F(MainFormTest, SaveWithBackupLeavesTheOldFileAsBak) {
    TMainForm& form = Build();
    const std::string a = WriteImage("a.bmp", 16);
    const auto before = Bytes(a);
    form.OpenFile(a);
    FApp->Settings().Backup = true;
    Touch(Doc());
    form.Item("MIFileSave")->trigger();
    ASSERT_TRUE(Exists(Path("a.BAK")));
    EXPECT_EQ(Bytes(Path("a.BAK")), before);
    EXPECT_NE(Bytes(a), before);
    EXPECT_FALSE(Doc().Modified());
    EXPECT_TRUE(FBoxes.empty());

    // Without backups nothing more appears.
    FApp->Settings().Backup = false;
    std::filesystem::remove(Path("a.BAK"));
    form.SaveFile(a);
    EXPECT_FALSE(Exists(Path("a.BAK")));

    // Saved through a link: the link stays a link, its target gets the image, and a link
    // planted at the backup's name is replaced, not written through.
    const std::string target = WriteImage("target.bmp", 2);
    const std::string victim = WriteImage("victim.bmp", 2);
    const auto targetBefore = Bytes(target), victimBefore = Bytes(victim);
    std::filesystem::create_symlink(target, Path("link.bmp"));
    std::filesystem::create_symlink(victim, Path("link.BAK"));
    FApp->Settings().Backup = true;
    form.SaveFile(Path("link.bmp"));
    EXPECT_TRUE(std::filesystem::is_symlink(Path("link.bmp")));
    EXPECT_EQ(Bytes(target), Bytes(a));
    EXPECT_FALSE(std::filesystem::is_symlink(Path("link.BAK")));
    EXPECT_EQ(Bytes(Path("link.BAK")), targetBefore);
    EXPECT_EQ(Bytes(victim), victimBefore);
    EXPECT_TRUE(FBoxes.empty());
}

TEST_F(MainFormTest, MissingBackupFolderIsAskedFor) {
    TMainForm& form = Build();
    const std::string a = WriteImage("a.bmp", 16);
    const auto before = Bytes(a);
    form.OpenFile(a);
    const std::string dir = Path("old/copies");
    FApp->Settings().Backup = true;
    FApp->Settings().BackupDir = dir;
    Touch(Doc());

    FAnswers.push_back(TMsgResult::Cancel);
    form.Item("MIFileSave")->trigger();
    ASSERT_EQ(FBoxes.size(), 1u);
    EXPECT_EQ(FBoxes[0].Buttons, TMsgButtons::YesCancel);
    EXPECT_EQ(FBoxes[0].Text, QString::fromStdString(dir) + QString::fromUtf8("は存在しません\n作成してよいですか？"));
    EXPECT_EQ(Bytes(a), before);  // nothing written, no message
    EXPECT_FALSE(Exists(dir));
    EXPECT_TRUE(Doc().Modified());

    FAnswers.push_back(TMsgResult::Yes);
    form.Item("MIFileSave")->trigger();
    EXPECT_EQ(Bytes(dir + "/a.BAK"), before);
    EXPECT_NE(Bytes(a), before);
    EXPECT_FALSE(Doc().Modified());
}

TEST_F(MainFormTest, SavingAnUntitledImageRunsSaveAs) {
    TMainForm& form = Build();
    form.App().Edit().SetDibFile(TDib::Create(8, 8, 16), "");
    Touch(Doc());

    form.Item("MIFileSave")->trigger();  // cancelled
    ASSERT_EQ(FFileRequests.size(), 1u);
    EXPECT_TRUE(FFileRequests[0].Save);
    EXPECT_TRUE(Doc().Modified());
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(FDir), {}), 0);

    const std::string b = Path("b.bmp");
    FFileAnswers.push_back(QString::fromStdString(b));
    form.Item("MIFileSave")->trigger();
    EXPECT_TRUE(Exists(b));
    EXPECT_EQ(Doc().FileName(), b);
    EXPECT_FALSE(Doc().Modified());
    EXPECT_EQ(ShownCaption(form), "Pixmo3 - " + b + " [8x8 16] Col");
}

TEST_F(MainFormTest, CloseQueryCancelNoAndYes) {
    TMainForm& form = Build();
    const std::string a = WriteImage("a.bmp", 16);
    const auto before = Bytes(a);
    form.OpenFile(a);
    EXPECT_TRUE(form.QueryClose());  // unchanged: no question
    EXPECT_TRUE(FBoxes.empty());

    Touch(Doc());
    FAnswers.push_back(TMsgResult::Cancel);
    EXPECT_FALSE(TryClose(form));
    ASSERT_EQ(FBoxes.size(), 1u);
    EXPECT_EQ(FBoxes[0].Buttons, TMsgButtons::YesNoCancel);
    EXPECT_EQ(FBoxes[0].Text, QString::fromStdString(a) + QString::fromUtf8(" è cambiato.        \nVuoi salvare? "));

    FAnswers.push_back(TMsgResult::No);
    EXPECT_TRUE(TryClose(form));
    EXPECT_EQ(Bytes(a), before);

    FAnswers.push_back(TMsgResult::Yes);
    EXPECT_TRUE(TryClose(form));
    EXPECT_NE(Bytes(a), before);
    EXPECT_FALSE(Doc().Modified());

    // With the question switched off nothing is asked.
    Touch(Doc());
    FApp->Settings().AskWhenDestroy = false;
    const size_t asked = FBoxes.size();
    EXPECT_TRUE(form.QueryClose());
    EXPECT_EQ(FBoxes.size(), asked);
}

TEST_F(MainFormTest, CloseQueryOnAnUntitledImageKeepsItWhenSaveAsIsCancelled) {
    TMainForm& form = Build();
    form.App().Edit().SetDibFile(TDib::Create(4, 4, 2), "");
    Touch(Doc());
    FAnswers.push_back(TMsgResult::Yes);
    EXPECT_FALSE(form.QueryClose());
    EXPECT_EQ(FBoxes.back().Text.left(4), "None");
    // Opening another file asks first and is refused the same way.
    const std::string a = WriteImage("a.bmp", 16);
    FAnswers.push_back(TMsgResult::Cancel);
    form.OpenFile(a);
    EXPECT_EQ(Doc().Dib()->Width(), 4);
}

TEST_F(MainFormTest, ClipboardCopyAndCreate) {
    TMainForm& form = Build();
    form.OpenFile(WriteImage("a.bmp", 16, 5, 3));
    form.Item("MIFileToClipboard")->trigger();
    ASSERT_TRUE(FClipboard->HasFormat(CF_DIB));
    EXPECT_EQ(*FClipboard->GetData(CF_DIB), Doc().Dib()->CreatePacked());

    FClipboard->Clear();
    TDib::Create(9, 2, 2)->CopyToClipboard(*FClipboard);
    form.Item("MIFileCreateFromClipboard")->trigger();
    EXPECT_EQ(Doc().Dib()->Width(), 9);
    EXPECT_EQ(Doc().FileName(), "");
    EXPECT_FALSE(Doc().Modified());
    EXPECT_EQ(Doc().Undo().GetUndoCaption().find("Creato dagli Appunti") != std::string::npos, true);
    EXPECT_EQ(ShownCaption(form), "Pixmo3 - None [9x2 2] Col");

    FClipboard->Clear();
    ManyColours(17, 16)->CopyToClipboard(*FClipboard);
    form.Item("MIFileCreateFromClipboard")->trigger();
    ASSERT_EQ(FBoxes.size(), 1u);
    EXPECT_TRUE(FBoxes[0].Text.startsWith("L'immagine negli Appunti ha più di 256 colori")) << FBoxes[0].Text.toStdString();
    EXPECT_EQ(Doc().Dib()->Width(), 9);
}

TEST_F(MainFormTest, CommandsThatReplaceTheImageAskFirstAndUndoBringsBackTheChangedMark) {
    TMainForm& form = Build();
    form.OpenFile(WriteImage("a.bmp", 16, 5, 3));
    Touch(Doc());
    const size_t asked = FBoxes.size();
    // Annulla keeps the drawn image, both for a new page and for one from the clipboard.
    FAnswers.push_back(TMsgResult::Cancel);
    {
        TNewDibDialog dialog(*FApp, &form);
        dialog.WidthEdit->setText("12");
        dialog.Confirm();
        EXPECT_EQ(dialog.result(), QDialog::Rejected);
    }
    TDib::Create(9, 2, 2)->CopyToClipboard(*FClipboard);
    FAnswers.push_back(TMsgResult::Cancel);
    form.Item("MIFileCreateFromClipboard")->trigger();
    EXPECT_EQ(FBoxes.size(), asked + 2);
    EXPECT_EQ(Doc().Dib()->Width(), 5);
    EXPECT_TRUE(Doc().Modified());

    FAnswers.push_back(TMsgResult::No);
    {
        TNewDibDialog dialog(*FApp, &form);
        dialog.WidthEdit->setText("12");
        dialog.Confirm();
    }
    EXPECT_EQ(Doc().Dib()->Width(), 12);
    EXPECT_FALSE(Doc().Modified());
    // Undoing the new page brings back the drawn image, and with it its unsaved changes.
    Doc().Undo().Undo();
    EXPECT_EQ(Doc().Dib()->Width(), 5);
    EXPECT_TRUE(Doc().Modified());
    EXPECT_EQ(ShownCaption(form).find('*') != std::string::npos, true);
    FAnswers.push_back(TMsgResult::Cancel);
    EXPECT_FALSE(TryClose(form));
    // Back at the state that was opened the mark goes; away from it, it comes back.
    Doc().Undo().Undo();
    EXPECT_FALSE(Doc().Modified());
    Doc().Undo().Redo();
    EXPECT_TRUE(Doc().Modified());
    Doc().Undo().Redo();
    EXPECT_FALSE(Doc().Modified());
    EXPECT_EQ(Doc().Dib()->Width(), 12);
}

TEST_F(MainFormTest, ChangePaletteRefusesATrueColourImage) {
    TMainForm& form = Build();
    form.App().Edit().SetDibFile(TTrueDib::Create(4, 4), "");
    const int steps = Doc().Undo().Count();
    form.MISetChangePaletteClick();
    ASSERT_EQ(FBoxes.size(), 1u);
    EXPECT_EQ(FBoxes[0].Text, QString::fromUtf8("24ﾋﾞｯﾄﾌﾙｶﾗｰ doesn't cope with a picture."));
    EXPECT_EQ(Doc().Undo().Count(), steps);
    EXPECT_FALSE(Doc().Modified());
}

TEST(BackupNameTest, ReplacesTheExtension) {
    EXPECT_EQ(BackupName("/x/a.bmp"), "/x/a.BAK");
    EXPECT_EQ(BackupName("/x/a.b.png"), "/x/a.b.BAK");
    EXPECT_EQ(BackupName("/x/noext"), "/x/noext.BAK");
}

// In English the caption, the Undo item, the close query and the backup question read as
// whole English sentences with the names and numbers in their places.
TEST_F(MainFormTest, FileCommandTextsReadInEnglish) {
    // Removed however the test ends, so the other tests read the source texts.
    std::unique_ptr<QTranslator, void (*)(QTranslator*)> en(InstallCatalogue(*qApp, TLanguage::English),
                                                            [](QTranslator* t) {
                                                                QCoreApplication::removeTranslator(t);
                                                                delete t;
                                                            });
    ASSERT_NE(en, nullptr);
    TMainForm& form = Build();
    TDib::Create(9, 2, 2)->CopyToClipboard(*FClipboard);
    form.Item("MIFileCreateFromClipboard")->trigger();
    EXPECT_EQ(ShownCaption(form), "Pixmo3 - Untitled [9x2, 2 colours]");
    const std::string a = WriteImage("a.bmp", 16, 7, 5);
    form.OpenFile(a);
    EXPECT_EQ(ShownCaption(form), "Pixmo3 - " + a + " [7x5, 16 colours]");
    emit form.Menu("MIEdit")->aboutToShow();
    EXPECT_EQ(form.Item("MIEditUndo")->text(), "&Undo (Open)");
    EXPECT_EQ(form.Item("MIEditRedo")->text(), "&Redo");
    form.Item("MIFileOpen")->trigger();  // cancelled
    ASSERT_EQ(FFileRequests.size(), 1u);
    EXPECT_TRUE(FFileRequests[0].Filter.startsWith("Image Files|*.bmp;*.png;*.ico;*.gif|Bitmap File (*.bmp)|*.bmp|"));
    EXPECT_TRUE(FFileRequests[0].Filter.endsWith("|All Files (*.*)|*.*"));

    Touch(Doc());
    FAnswers.push_back(TMsgResult::Cancel);
    EXPECT_FALSE(TryClose(form));
    ASSERT_EQ(FBoxes.size(), 1u);
    EXPECT_EQ(FBoxes[0].Text, QString::fromStdString(a) + " has changed.\nDo you want to save it?");
    FApp->Settings().Backup = true;
    FApp->Settings().BackupDir = Path("copies");
    FAnswers.push_back(TMsgResult::Cancel);
    form.Item("MIFileSave")->trigger();
    ASSERT_EQ(FBoxes.size(), 2u);
    EXPECT_EQ(FBoxes[1].Text, "The folder " + QString::fromStdString(Path("copies")) + " does not exist.\nDo you want to create it?");
}

}  // namespace pixmo::test
