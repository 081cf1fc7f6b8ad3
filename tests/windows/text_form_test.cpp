// The text window: placing text as one floating piece of two indices, the memo's file,
// loading files with tabs, the fonts and the settings.
#include <gtest/gtest.h>

#include <QApplication>
#include <QMimeData>
#include <QTest>
#include <QTextBlock>
#include <QUrl>
#include <fstream>
#include <set>

#include "edit/selection.h"
#include "edit/undo.h"
#include "image/clipboard.h"
#include "support/test_support.h"
#include "uikit/dialog_hooks.h"
#include "uikit/font_map.h"
#include "uikit/number_edit.h"
#include "uikit/number_input_dialog.h"
#include "uikit/strings_button.h"
#include "view/app_context.h"
#include "view/paint_client.h"
#include "windows/memo_ex.h"
#include "windows/text_form.h"
#include "windows/text_renderer.h"

namespace pixmo::test {
namespace {

struct TTextFixture {
    std::string Dir = MakeTempDir();
    TAppContext App{Dir + "/pixmo3.ini", TParams{}, std::make_unique<TMemoryClipboard>()};
    TPaintClient Client;
    std::vector<TMessageRequest> Boxes;
    TMessageHookScope Answer{[this](const TMessageRequest& r) {
        Boxes.push_back(r);
        return TMsgResult::Ok;
    }};

    explicit TTextFixture(int width = 120, int height = 60) {
        Client.SetContext(&App.Edit());
        App.SetPaintClient(&Client);
        App.Edit().SetDib(Blank(width, height));
        App.Edit().SetColor1Index(5);
        App.Edit().SetColor2Index(9);
        App.TextFont() = TFontSpec{"DejaVu Sans", 12, 0, 0};
    }
    ~TTextFixture() {
        Client.SetContext(nullptr);
        App.SetPaintClient(nullptr);
    }
    std::string Write(const std::string& name, const std::string& bytes) {
        std::ofstream(Dir + "/" + name, std::ios::binary) << bytes;
        return Dir + "/" + name;
    }
};

TPoint Extent(const TFontSpec& font, const std::string& text) {
    return TQtTextRenderer(QtFontOf(font)).TextExtent(text);
}

// The floating piece holds only the two indices, and its mask is set exactly on the primary's.
void ExpectTwoIndexPiece(const TSelection& selection) {
    ASSERT_TRUE(selection.IsFloating());
    const TDib& piece = *selection.FloatImage();
    const TMaskDib& mask = *selection.FloatMask();
    std::set<int> used;
    for (int y = 0; y < piece.Height(); ++y)
        for (int x = 0; x < piece.Width(); ++x) {
            used.insert(piece.Pixel(x, y));
            EXPECT_EQ(mask.Pixel(x, y) != 0, piece.Pixel(x, y) == 5) << x << "," << y;
        }
    EXPECT_EQ(used, (std::set<int>{5, 9}));
}

TEST(TextForm, PlacesTheSelectionOrAllLinesAsOneUndoableFloatingPiece) {
    TTextFixture f;
    TTextForm form(f.App);
    form.Memo->SetLines({"Ab", "Wg Wg"});
    const auto before = ToGrid(*f.App.Edit().Dib());

    form.PlaceText();
    TSelection& selection = f.App.Edit().Selection();
    ExpectTwoIndexPiece(selection);
    const TPoint line = Extent(f.App.TextFont(), "Wg Wg");
    EXPECT_EQ(selection.GetRect().Width(), line.X);
    EXPECT_EQ(selection.GetRect().Height(), 2 * line.Y);
    EXPECT_EQ(f.App.Edit().Undo().Count(), 1);
    f.App.Edit().Undo().Undo();
    EXPECT_EQ(ToGrid(*f.App.Edit().Dib()), before);
    EXPECT_TRUE(selection.IsEmpty());

    // Only the selected text: a double click selects the whole second line, then "Ab" alone
    // is one line as wide as "Ab".
    const QRect second = form.Memo->cursorRect(QTextCursor(form.Memo->document()->findBlockByNumber(1)));
    QTest::mouseDClick(form.Memo->viewport(), Qt::LeftButton, {}, second.center() + QPoint(3, 0));
    EXPECT_EQ(form.Memo->SelectedOrAllLines(), QStringList{"Wg Wg"});
    form.PlaceText();
    EXPECT_EQ(selection.GetRect().Width(), line.X);
    EXPECT_EQ(selection.GetRect().Height(), line.Y);
    QTextCursor cursor = form.Memo->textCursor();
    cursor.setPosition(0);
    cursor.setPosition(2, QTextCursor::KeepAnchor);
    form.Memo->setTextCursor(cursor);
    form.PlaceText();
    EXPECT_EQ(selection.GetRect().Width(), Extent(f.App.TextFont(), "Ab").X);
    EXPECT_EQ(selection.GetRect().Height(), line.Y);

    // Too wide and too many lines for the image: cut to its size, still two indices.
    form.Memo->SetLines(QStringList(20, "WWWWWWWWWWWWWWWWWWWWWWWW"));
    form.PlaceText();
    EXPECT_EQ(selection.GetRect(), (TRect{0, 0, 120, 60}));
    ExpectTwoIndexPiece(selection);
    EXPECT_EQ(f.App.Edit().Undo().Count(), 3);

    // An empty memo places nothing.
    form.SBClear->click();
    form.PlaceText();
    EXPECT_EQ(f.App.Edit().Undo().Count(), 3);
}

TEST(TextForm, ReleasingIncollaOverTheEditClientPlacesTheText) {
    TTextFixture f;
    TTextForm form(f.App);
    form.Memo->SetLines({"Hi"});
    f.Client.setGeometry(0, 0, 200, 150);
    f.Client.show();
    form.move(400, 0);
    form.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&f.Client) && QTest::qWaitForWindowExposed(&form));

    auto releaseAt = [&](QPoint global) {
        QTest::mousePress(form.SBDrag, Qt::LeftButton);
        QTest::mouseRelease(form.SBDrag, Qt::LeftButton, {}, form.SBDrag->mapFromGlobal(global));
    };
    releaseAt(form.Memo->mapToGlobal(QPoint(5, 5)));  // over its own memo: nothing
    EXPECT_EQ(f.App.Edit().Undo().Count(), 0);
    releaseAt(f.Client.viewport()->mapToGlobal(QPoint(20, 20)));
    EXPECT_EQ(f.App.Edit().Undo().Count(), 1);
    ExpectTwoIndexPiece(f.App.Edit().Selection());
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}

TEST(TextForm, LoadedFilesGetTabSpaceSpacesAndHugeOnesAreRefused) {
    TTextFixture f;
    TTextForm form(f.App);
    const std::string tabs = f.Write("tabs.txt", "a\tb\r\n\tc\n");
    form.LoadFile(QString::fromStdString(tabs));
    EXPECT_EQ(form.Memo->Lines(), (QStringList{"a     b", "     c"}));
    // "Larghezza..." asks 0 to 32; "Apri..." names its dialog, filter and extension.
    auto previous = TNumberInputDialog::SetHook([](TNumberInputDialog& dialog) {
        dialog.Edit()->setText("0");
        dialog.done(QDialog::Accepted);
        return dialog.result();
    });
    form.TabSpaceClick();
    TNumberInputDialog::SetHook(previous);
    EXPECT_EQ(form.TabSpace(), 0);
    std::vector<TFileRequest> asked;
    {
        TFileHookScope hook([&](const TFileRequest& r) -> std::optional<QString> {
            asked.push_back(r);
            return QString::fromStdString(tabs);
        });
        form.OpenClick();
    }
    ASSERT_EQ(asked.size(), 1u);
    EXPECT_EQ(asked[0].Name, "TextOpenDialog");
    EXPECT_EQ(asked[0].Filter, "File Testo (*.txt;*.mem)|*.txt;*.mem|Tutti i File (*.*)|*.*");
    EXPECT_EQ(asked[0].DefaultExt, "txt");
    EXPECT_EQ(form.Memo->Lines(), (QStringList{"ab", "c"}));

    // Dropped files: the first one is loaded; one over the limit is refused with a message.
    const std::string latin = f.Write("latin.txt", "caff\xE8\n");
    const std::string huge = f.Write("huge.txt", std::string(TTextForm::kMaxTextFileSize + 1, 'x'));
    QMimeData data;
    data.setUrls({QUrl::fromLocalFile(QString::fromStdString(latin)), QUrl::fromLocalFile(QString::fromStdString(tabs))});
    QDropEvent drop(QPointF(5, 5), Qt::CopyAction, &data, Qt::LeftButton, {});
    QDragEnterEvent enter(QPoint(5, 5), Qt::CopyAction, &data, Qt::LeftButton, {});
    QApplication::sendEvent(form.Memo->viewport(), &enter);
    EXPECT_TRUE(enter.isAccepted());
    QApplication::sendEvent(form.Memo->viewport(), &drop);
    EXPECT_EQ(form.Memo->Lines(), (QStringList{QString::fromUtf8("caff\xC3\xA8")}));
    form.DropFiles({QString::fromStdString(huge)});
    ASSERT_EQ(f.Boxes.size(), 1u);
    EXPECT_TRUE(f.Boxes[0].Text.contains("File troppo grande"));
    EXPECT_EQ(form.Memo->Lines(), (QStringList{QString::fromUtf8("caff\xC3\xA8")}));
}

TEST(TextForm, FontsStyleAndMemoComeBackInTheNextRun) {
    TTextFixture f;
    std::string memoFile;
    {
        TTextForm form(f.App);
        memoFile = form.MemoFileName();
        EXPECT_EQ(memoFile, f.Dir + "/" + QCoreApplication::applicationFilePath().section('/', -1).toStdString() + ".MEM");
        QFont chosen("DejaVu Serif", 14);
        chosen.setBold(true);
        chosen.setItalic(true);
        {
            TFontHookScope hook([&](const QFont& initial) -> std::optional<QFont> {
                EXPECT_EQ(initial.family(), "DejaVu Sans");
                return chosen;
            });
            form.SBFontClick();
        }
        EXPECT_EQ(f.App.TextFont(), (TFontSpec{"DejaVu Serif", 14, kFontBold | kFontItalic, 0}));
        EXPECT_EQ(form.Memo->font().family(), "DejaVu Serif");
        EXPECT_EQ(form.SBFonts->Recent()[0], "DejaVu Serif,14,3,1");
        form.ChooseFont("DejaVu Sans,x");  // a bad size: 9 points, plain
        EXPECT_EQ(f.App.TextFont(), (TFontSpec{"DejaVu Sans", 9, 0, 0}));
        form.SBFonts->menu()->findChild<QAction*>("Set")->trigger();  // stores the text font's
        EXPECT_EQ(form.SBFonts->Recent()[0], "DejaVu Sans,9,0,1");

        form.SetAlignment(TTextAlign::Center);
        form.SetTabSpace(40);
        EXPECT_EQ(form.TabSpace(), 32);
        form.PMStyle->aboutToShow();
        EXPECT_TRUE(form.PIAlignCenter->isChecked());
        EXPECT_EQ(form.PITabSpace->text(), "Larghezza... (32)");
        form.Memo->SetLines({"prima riga", "", "terza"});
        form.Memo->document()->setModified(true);
    }
    EXPECT_EQ(ReadFileBytes(memoFile), (std::vector<uint8_t>{'p', 'r', 'i', 'm', 'a', ' ', 'r', 'i', 'g', 'a', '\n', '\n',
                                                             't', 'e', 'r', 'z', 'a', '\n'}));
    f.App.TextFont() = TFontSpec{};
    TTextForm again(f.App);
    EXPECT_EQ(again.Memo->Lines(), (QStringList{"prima riga", "", "terza"}));
    EXPECT_EQ(f.App.TextFont(), (TFontSpec{"DejaVu Sans", 9, 0, 0}));
    EXPECT_EQ(again.Alignment(), TTextAlign::Center);
    EXPECT_EQ(again.TabSpace(), 32);
    EXPECT_EQ(again.SBFonts->Recent().Count(), 2);
}


TEST(TextForm, TheMemoFileIsNeverLostToTheSizeLimitOrAnUnreadableFile) {
    TTextFixture f;
    const std::string memoFile = TTextForm(f.App).MemoFileName();
    // A memo of the largest size the file may hold comes back; a longer one is not written
    // and the file stays as it was.
    const QStringList full(TTextForm::kMaxTextFileSize / 64, QString(63, 'x'));
    {
        TTextForm form(f.App);
        form.Memo->SetLines(full);
        form.Memo->document()->setModified(true);
        form.SaveMemo();
        form.Memo->SetLines(full + QStringList{"y"});
        form.Memo->document()->setModified(true);
        try {
            form.SaveMemo();
            ADD_FAILURE() << "saved";
        } catch (const std::exception& e) {
            EXPECT_EQ(std::string(e.what()), "Il testo supera 1048576 byte e non può essere salvato in \"" + memoFile +
                                                 "\": il file resta com'era.");
        }
        form.Memo->SetLines(full);
    }
    EXPECT_EQ(ReadFileBytes(memoFile).size(), size_t{TTextForm::kMaxTextFileSize});
    {
        TTextForm again(f.App);
        EXPECT_EQ(again.Memo->Lines(), full);
    }
    EXPECT_TRUE(f.Boxes.empty());

    // A memo file that cannot be read goes aside, named in the message, and is not written over.
    const std::string unreadable(TTextForm::kMaxTextFileSize + 1, 'z');
    std::ofstream(memoFile, std::ios::binary) << unreadable;
    {
        TTextForm form(f.App);
        ASSERT_EQ(f.Boxes.size(), 1u);
        EXPECT_TRUE(f.Boxes[0].Text.startsWith(QString::fromStdString(
            "Il file \"" + memoFile + "\" non può essere letto: è stato messo da parte come \"" + memoFile +
            ".bak\".\nFile troppo grande")));
        EXPECT_TRUE(form.Memo->Lines().isEmpty());
        form.Memo->SetLines({"nuovo"});
        form.Memo->document()->setModified(true);
    }
    EXPECT_EQ(ReadFileBytes(memoFile + ".bak"), std::vector<uint8_t>(unreadable.begin(), unreadable.end()));
    EXPECT_EQ(ReadFileBytes(memoFile), (std::vector<uint8_t>{'n', 'u', 'o', 'v', 'o', '\n'}));
    // A second one does not take the place of the first one kept.
    std::ofstream(memoFile, std::ios::binary) << unreadable;
    { TTextForm form(f.App); }
    ASSERT_EQ(f.Boxes.size(), 2u);
    EXPECT_TRUE(f.Boxes[1].Text.contains(QString::fromStdString("\"" + memoFile + ".2.bak\"")));
    EXPECT_EQ(ReadFileBytes(memoFile + ".bak").size(), unreadable.size());
    EXPECT_EQ(ReadFileBytes(memoFile + ".2.bak").size(), unreadable.size());
}

}  // namespace
}  // namespace pixmo::test
