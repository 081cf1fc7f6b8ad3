// The boxes of a failed open or save name the file and say what can be done, in the
// reader's language: source texts without a catalogue, English with the English one; the
// file dialog's labels too.
#include <QCoreApplication>

#include <fstream>

#include "image/file_format.h"
#include "image/file_io.h"
#include "main_form_fixture.h"
#include "translations/language.h"

namespace pixmo::test {

TEST_F(MainFormTest, FailedOpensAndSavesNameTheFileAndSayWhatToDo) {
    TMainForm& form = Build();
    const std::string cut = WriteImage("cut.png", 16), icon = Path("bad.ico"), many = Path("many.png");
    std::vector<uint8_t> png = ReadWholeFile(cut);
    png.resize(png.size() - 20);  // the end of the image data and IEND
    WriteFileAtomically(cut, png);
    std::ofstream(icon) << "not an icon at all";
    ManyColours(17, 16)->SaveToFile(many);
    const std::string ro = WriteImage("ro.png", 16);
    form.OpenFile(ro);
    std::filesystem::permissions(ro, std::filesystem::perms(0444));  // refused to root as well

    auto boxes = [&] {
        FBoxes.clear();
        for (const std::string& name : {cut, icon, many}) {
            FFileAnswers.push_back(QString::fromStdString(name));
            form.Item("MIFileOpen")->trigger();
        }
        form.Item("MIFileSave")->trigger();
        std::vector<std::string> texts;
        for (const TMessageRequest& box : FBoxes) texts.push_back(box.Text.toStdString());
        return texts;
    };
    const auto q = [](const std::string& name) { return "\"" + name + "\""; };

    std::vector<std::string> shown = boxes();
    ASSERT_EQ(shown.size(), 4u);
    EXPECT_EQ(shown[0], "Impossibile aprire " + q(cut) + ".\nPNG chunk runs past the end of the file");
    EXPECT_EQ(shown[1], icon + ": Icona non valida.");
    EXPECT_EQ(shown[2].find(q(many) + " ha più di 256 colori"), 0u) << shown[2];
    EXPECT_NE(shown[2].find("pixmo3-convert --palette PALETTE " + q(many) + " NUOVA.png"), std::string::npos);
    EXPECT_EQ(shown[3], "Cannot create file " + q(ro) +
                            ". Permission denied\nL'immagine è ancora aperta: si può "
                            "salvarla in un'altra cartella con \"Salva con Nome...\".");

    QTranslator* en = InstallCatalogue(*qApp, TLanguage::English);
    ASSERT_NE(en, nullptr);
    shown = boxes();
    const QString filter = QtFilter(QString::fromStdString(ImageFileFilter()));
    QCoreApplication::removeTranslator(en);
    EXPECT_TRUE(filter.startsWith("Image Files (*.bmp")) << filter.toStdString();
    EXPECT_TRUE(filter.contains(";;PNG File (*.png) (*.png);;")) << filter.toStdString();
    EXPECT_TRUE(filter.endsWith(";;All Files (*.*) (*.*)")) << filter.toStdString();
    ASSERT_EQ(shown.size(), 4u);
    EXPECT_EQ(shown[0], "Cannot open " + q(cut) +
                            ".\nA PNG chunk runs past the end of the file: the file is truncated or damaged");
    EXPECT_EQ(shown[1], icon + ": not a valid icon (the file is damaged or is not an icon).");
    EXPECT_EQ(shown[2].find(q(many) + " has more than 256 colours"), 0u) << shown[2];
    EXPECT_NE(shown[2].find("pixmo3-convert --palette PALETTE " + q(many) + " NEW.png"), std::string::npos);
    EXPECT_EQ(shown[3], "Cannot create the file " + q(ro) +
                            ": permission denied.\nThe picture is still open: you can "
                            "save it in another folder with \"Save As...\".");
    EXPECT_EQ(Doc().FileName(), ro);
}

}  // namespace pixmo::test
