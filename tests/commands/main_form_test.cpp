// The main window: caption, zoom through the menu and the keys, the menu as built, the
// settings it keeps, start-up documents and dropped files.
#include <QMenu>
#include <QApplication>
#include <QTest>
#include <QTimer>
#include <QTranslator>
#include <fstream>

#include "uikit/placement.h"
#include "translations/language.h"

#include "image/errors.h"
#include "main_form_fixture.h"
#include "view/paint_client.h"
#include "view/status_panel.h"

namespace pixmo::test {

namespace {
std::string Caption(const TMainForm& form) { return ShownCaption(form); }
}  // namespace

TEST_F(MainFormTest, CaptionForNoImageAFileAndAnUntitledImage) {
    TMainForm& form = Build();
    EXPECT_EQ(Caption(form), "Pixmo3 - ");

    const std::string a = WriteImage("a.bmp", 16, 20, 10);
    form.OpenFile(a);
    EXPECT_EQ(Caption(form), "Pixmo3 - " + a + " [20x10 16] Col");

    form.App().Edit().SetDibFile(TDib::Create(32, 32, 256), "");
    EXPECT_EQ(Caption(form), "Pixmo3 - None [32x32 256] Col");
    // The unsaved-changes mark follows the changed flag.
    Doc().SetModified(true);
    EXPECT_EQ(Caption(form), "Pixmo3 - *None [32x32 256] Col");
    Doc().SetModified(false);
    EXPECT_EQ(Caption(form), "Pixmo3 - None [32x32 256] Col");
}

// In English the caption and a tool's status line are English, the numbers in their places.
TEST_F(MainFormTest, CaptionAndToolStatusInEnglish) {
    QTranslator* en = InstallCatalogue(*qApp, TLanguage::English);
    ASSERT_NE(en, nullptr);
    TMainForm& form = Build();
    form.App().Edit().SetDibFile(TDib::Create(32, 32, 256), "");
    EXPECT_EQ(Caption(form), "Pixmo3 - Untitled [32x32, 256 colours]");
    form.Client()->SelectTool(TToolItem::DrawLine);
    TMouseTool& tool = *form.Client()->Tool();
    tool.OnButtonDown({1, 1});
    tool.OnMove({3, 3});
    EXPECT_EQ(form.StatusBar()->MessagePanel()->text(),
              QString::fromUtf8("(1,1)-(3,3) W:3 H:3 Angle:45.000000\u00b0 (-315.000000\u00b0) "));
    tool.OnButtonUp({3, 3});
    QCoreApplication::removeTranslator(en);
}

TEST_F(MainFormTest, ZoomItemsAndTheZAndXKeys) {
    TMainForm& form = Build();
    form.OpenFile(WriteImage("a.bmp"));
    form.Item("MIZoom3")->trigger();
    EXPECT_EQ(form.Client()->Zoom(), 8);
    form.UpdateMenuStates("MIZoom");
    EXPECT_TRUE(form.Item("MIZoom3")->isChecked());
    EXPECT_FALSE(form.Item("MIZoom0")->isChecked());

    form.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
    form.activateWindow();
    form.Client()->setFocus();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
    QTest::keyClick(form.Client(), Qt::Key_Z);
    EXPECT_EQ(form.Client()->Zoom(), 12);
    QTest::keyClick(form.Client(), Qt::Key_X);
    QTest::keyClick(form.Client(), Qt::Key_X);
    EXPECT_EQ(form.Client()->Zoom(), 4);
    // Ctrl+Z is undo, not zoom.
    QTest::keyClick(form.Client(), Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(form.Client()->Zoom(), 4);
    form.Item("MIZoom9")->trigger();
    QTest::keyClick(form.Client(), Qt::Key_Z);
    EXPECT_EQ(form.Client()->Zoom(), 40);
}

TEST_F(MainFormTest, MenuHoldsEveryItemInOrderWithLaterOnesDisabled) {
    TMainForm& form = Build();
    QStringList top;
    for (QAction* a : form.MainMenu()->actions()) top << a->text();
    EXPECT_EQ(top, QStringList({"&File", "&Modifica", "&Selezione", "&Finestra", "&Ingrandimento",
                                "&Impostazioni", "&Aiuto"}));
    QStringList file;
    for (QAction* a : form.Menu("MIFile")->actions()) file << a->objectName();
    EXPECT_EQ(file, QStringList({"MIFileNew", "MIFileOpen", "MIFileSave", "MIFileSaveAs", "MSFileSaveAs",
                                 "MIFileCreateFromClipboard", "MIFileCreateWithPalette", "MIFileToClipboard",
                                 "MSFileAdd", "MSFileToClipboard", "MIFileExit"}));
    EXPECT_FALSE(form.Item("MSFileAdd")->isVisible());
    EXPECT_EQ(form.Menu("MIMouse")->actions().size(), 20);
    EXPECT_EQ(form.Menu("MIMouse")->actions().last()->text(), "Animazione");
    EXPECT_EQ(form.Item("MIFileOpen")->shortcut(), QKeySequence("Ctrl+O"));
    EXPECT_EQ(form.Item("MIEditRedo")->shortcut(), QKeySequence("F4"));
    EXPECT_EQ(form.Item("MIScreenColor1")->shortcut(), QKeySequence("Alt+1"));
    EXPECT_EQ(form.Item("MISelectPenMode")->text(), QString::fromUtf8("Imposta Modalità Matita"));
    EXPECT_TRUE(form.Item("MIShowAnimation")->isEnabled());
    EXPECT_TRUE(form.Item("MIShowPalette")->isEnabled());
    EXPECT_TRUE(form.Item("MIZoomIn")->autoRepeat());
    EXPECT_FALSE(form.Item("MIFileNew")->autoRepeat());

    // Without image: Save and Copy disabled on opening; a clipboard DIB enables Create.
    form.UpdateMenuStates("MIFile");
    EXPECT_FALSE(form.Item("MIFileSave")->isEnabled());
    EXPECT_FALSE(form.Item("MIFileCreateFromClipboard")->isEnabled());
    TDib::Create(4, 4, 2)->CopyToClipboard(*FClipboard);
    form.UpdateMenuStates("MIFile");
    EXPECT_TRUE(form.Item("MIFileCreateFromClipboard")->isEnabled());
    EXPECT_TRUE(form.Item("MIFileCreateWithPalette")->isEnabled());
    EXPECT_FALSE(form.Item("MIFileToClipboard")->isEnabled());
}

TEST_F(MainFormTest, StoredShortcutReplacesTheDesignedOne) {
    {
        TIni ini(Path("pixmo3.ini"));
        ini.Section = "MainMenu";
        ini.WriteInteger("MIFileOpen", 16384 + 8192 + 79);
    }
    TMainForm& form = Build();
    EXPECT_EQ(form.Item("MIFileOpen")->shortcut(), QKeySequence("Ctrl+Shift+O"));
    EXPECT_EQ(form.Item("MIFileNew")->shortcut(), QKeySequence("Ctrl+N"));
}

TEST_F(MainFormTest, SettingsRememberZoomTheFileAndTheHistory) {
    const std::string a = WriteImage("a.bmp");
    const std::string b = WriteImage("b.png", 16);
    {
        TMainForm& form = Build();
        form.OpenFile(a);
        form.OpenFile(b);
        form.OpenFile(a);
        EXPECT_EQ(form.FileHistory().Items(), (std::vector<std::string>{a, b}));
        form.Item("MIZoom4")->trigger();
        form.Item("MIMeasureType")->trigger();
        Destroy();
    }
    const std::string text = IniText();
    EXPECT_NE(text.find("ZoomSize=12"), std::string::npos);
    EXPECT_NE(text.find("FileName=" + a), std::string::npos);
    EXPECT_NE(text.find("MeasureType=2"), std::string::npos);
    // The Part's order: the table's keys, then the client's, then the menu shortcuts last.
    EXPECT_LT(text.find("RMenuMode="), text.find("ZoomSize="));
    EXPECT_LT(text.find("ZoomSize="), text.find("Mouse="));
    EXPECT_LT(text.find("[FileHistory]"), text.find("[MainMenu]"));

    TMainForm& again = Build();
    ASSERT_NE(Doc().Dib(), nullptr);
    EXPECT_EQ(Doc().FileName(), a);
    EXPECT_EQ(again.Client()->Zoom(), 12);
    EXPECT_EQ(again.Client()->GridMode(), 2);
    EXPECT_EQ(again.FileHistory().Items(), (std::vector<std::string>{a, b}));
    // The recent entries stand above the hidden separator and open their file.
    QList<QAction*> actions = again.Menu("MIFile")->actions();
    const qsizetype sep = actions.indexOf(again.Item("MSFileAdd"));
    ASSERT_GE(sep, 2);
    EXPECT_EQ(actions[sep - 2]->text().toStdString(), a);
    EXPECT_EQ(actions[sep - 1]->text().toStdString(), b);
    actions[sep - 1]->trigger();
    EXPECT_EQ(Doc().FileName(), b);
    EXPECT_EQ(Doc().Dib()->Colors(), 16);
}

TEST_F(MainFormTest, CommandLineFileThenClipboardSwitchThenStoredFile) {
    const std::string a = WriteImage("a.bmp", 2);
    const std::string stored = WriteImage("stored.bmp", 16);
    {
        TIni ini(Path("pixmo3.ini"));
        ini.Section = "MainForm";
        ini.WriteString("FileName", stored);
    }
    Build({"-c", a});
    EXPECT_EQ(Doc().FileName(), a);
    Destroy();

    Build({"/C"});
    // An empty clipboard: the switch does nothing and no image is opened either.
    EXPECT_EQ(Doc().Dib(), nullptr);
    Destroy();

    {
        // The run without image stored no file; name one again.
        TIni ini(Path("pixmo3.ini"));
        ini.Section = "MainForm";
        EXPECT_EQ(ini.ReadString("FileName", "?"), "");
        ini.WriteString("FileName", stored);
    }
    Build();
    EXPECT_EQ(Doc().FileName(), stored);
    Destroy();

    // A stored file that has gone is passed over quietly; a damaged or missing file the
    // user named now gets the error box once the window is up.
    {
        TIni ini(Path("pixmo3.ini"));
        ini.Section = "MainForm";
        ini.WriteString("FileName", Path("gone.bmp"));
    }
    Build();
    QApplication::processEvents();
    EXPECT_EQ(Doc().Dib(), nullptr);
    EXPECT_TRUE(FBoxes.empty());
    Destroy();

    std::ofstream(Path("bad.png")) << "\x89PNG\r\n\x1a\nnot really";
    for (const std::string& name : {Path("bad.png"), Path("missing.bmp")}) {
        FBoxes.clear();
        Build({name});
        EXPECT_EQ(Doc().Dib(), nullptr);
        QApplication::processEvents();
        ASSERT_EQ(FBoxes.size(), 1u) << name;
        EXPECT_EQ(FBoxes[0].Kind, TMsgKind::Error);
        Destroy();
    }
}

TEST_F(MainFormTest, QuittingWithToolWindowsOpenEndsTheProgramAndKeepsThemOpenForNextTime) {
    TMainForm& form = Build();
    form.setGeometry(0, 0, 300, 200);
    form.show();
    form.ShowClick("MIShowPen");
    form.ShowClick("MIShowOption");
    // Without a placement of their own they stand beside the main window, one under the other.
    QWidget* pen = form.findChild<QWidget*>("PenForm");
    QWidget* option = form.findChild<QWidget*>("OptionForm");
    ASSERT_TRUE(pen && option && pen->isVisible() && option->isVisible());
    EXPECT_GE(pen->x(), form.frameGeometry().right());
    EXPECT_GE(option->y(), pen->y() + pen->height());

    QTimer::singleShot(0, &form, [&form] { form.Item("MIFileExit")->trigger(); });
    QTimer guard;
    guard.setSingleShot(true);
    QObject::connect(&guard, &QTimer::timeout, [] { QCoreApplication::exit(2); });
    guard.start(5000);
    EXPECT_EQ(QApplication::exec(), 0);
    EXPECT_FALSE(pen->isVisible() || option->isVisible());
    Destroy();
    TIni ini(Path("pixmo3.ini"));
    EXPECT_TRUE(PlacementSaysOpen(ini, "PenForm"));
    EXPECT_TRUE(PlacementSaysOpen(ini, "OptionForm"));
}

TEST_F(MainFormTest, SwitchingToolsClearsTheLastToolsStatus) {
    TMainForm& form = Build();
    form.OpenFile(WriteImage("a.bmp"));
    Doc().Panels().ShowMessage("(1,1)-(5,5) Lar:5 Alt:5 Ang:45.000000\xC2\xB0 (-315.000000\xC2\xB0) ");
    form.Client()->SelectTool(TToolItem::SelectRect);
    EXPECT_EQ(form.StatusBar()->MessagePanel()->text(), "");
}

TEST_F(MainFormTest, DroppedFilesOpenTheFirst) {
    TMainForm& form = Build();
    const std::string a = WriteImage("a.bmp", 16);
    const std::string b = WriteImage("b.bmp", 2);
    form.DropFiles({QString::fromStdString(a), QString::fromStdString(b)}, Qt::NoModifier);
    EXPECT_EQ(Doc().FileName(), a);
    EXPECT_EQ(Doc().Dib()->Colors(), 16);
}

TEST_F(MainFormTest, ErrorsGoToAnErrorBoxAndSilentAbortsShowNothing) {
    TMainForm& form = Build();
    form.Guard([] { throw EAbort(); });
    EXPECT_TRUE(FBoxes.empty());
    form.Guard([] { RaiseError("Qualcosa non va"); });
    ASSERT_EQ(FBoxes.size(), 1u);
    EXPECT_EQ(FBoxes[0].Text, "Qualcosa non va");
    EXPECT_EQ(FBoxes[0].Buttons, TMsgButtons::Ok);
}

TEST_F(MainFormTest, StatusPanelsStartAtZeroAndShowTheRectangle) {
    TMainForm& form = Build();
    EXPECT_EQ(form.StatusBar()->UndoPanel()->text(), "0/0");
    EXPECT_EQ(form.StatusBar()->CursorPanel()->text(), "0,0");
    Doc().Panels().ShowRect(TRect{2, 3, 10, 7});
    EXPECT_EQ(form.StatusBar()->MessagePanel()->text(), "(2,3)-(9,6) Lar:8 Alt:4");
    form.UndoPanelClick();
    EXPECT_EQ(form.StatusBar()->MessagePanel()->text(), "0/10000");
    form.Item("MIUseEditSize")->trigger();
    EXPECT_EQ(form.StatusBar()->MessagePanel()->text(), "Griglia Attivato");
    EXPECT_EQ(FApp->Settings().DefRectOpt & kDefRectOptUseGrid, kDefRectOptUseGrid);
}

}  // namespace pixmo::test
