// Broadcast reaches the main window first, then every other window in order, then the
// tools when an image exists; the colour indices stay within the palette.
#include <gtest/gtest.h>

#include "edit/edit_context.h"
#include "image/clipboard.h"
#include "support/test_support.h"
#include "view/app_context.h"
#include "view/custom_main_form.h"
#include "view/paint_client.h"

namespace pixmo::test {

namespace {
std::vector<std::string>* gLog = nullptr;

class TRecordingForm : public TDibForm {
public:
    TRecordingForm(TAppContext& app, const QString& name) : TDibForm(app, name, false) {}
    void HandleMessage(TNotice notice) override {
        gLog->push_back(objectName().toStdString() + ":" + std::to_string(NoticeNumber(notice)));
    }
};

class TRecordingMain : public TCustomMainForm {
public:
    explicit TRecordingMain(TAppContext& app) : TCustomMainForm(app, "MainForm") { CreateClient(this); }
    void HandleMessage(TNotice notice) override {
        gLog->push_back("MainForm:" + std::to_string(NoticeNumber(notice)));
        TCustomMainForm::HandleMessage(notice);
    }
};

class TRecordingTool : public TIdleMouse {
public:
    void Notify(TNotice notice) override { gLog->push_back("tool:" + std::to_string(NoticeNumber(notice))); }
};

class TFactory : public TToolFactory {
public:
    std::unique_ptr<TMouseTool> CreateTool(TToolItem item, TToolHost&) override {
        if (item == TToolItem::None) return nullptr;
        return std::make_unique<TRecordingTool>();
    }
    std::unique_ptr<TMouseTool> CreateTempTool(TTempToolKind, TToolHost&) override { return nullptr; }
};

class BroadcastTest : public ::testing::Test {
protected:
    void SetUp() override {
        gLog = &FLog;
        FDir = MakeTempDir();
        FApp = std::make_unique<TAppContext>(FDir + "/p.ini", TParams{}, std::make_unique<TMemoryClipboard>());
        FMain = std::make_unique<TRecordingMain>(*FApp);
        FPen = std::make_unique<TRecordingForm>(*FApp, "PenForm");
        FTools = std::make_unique<TRecordingForm>(*FApp, "ToolForm");
        FMain->PaintClient()->SetToolFactory(&FFactory);
    }
    void TearDown() override {
        FTools.reset();
        FPen.reset();
        FMain.reset();
        FApp.reset();
        gLog = nullptr;
    }
    std::vector<std::string> FLog;
    std::string FDir;
    TFactory FFactory;
    std::unique_ptr<TAppContext> FApp;
    std::unique_ptr<TRecordingMain> FMain;
    std::unique_ptr<TRecordingForm> FPen, FTools;
};
}  // namespace

TEST_F(BroadcastTest, WithoutImageEveryWindowButNoTool) {
    FApp->Broadcast(TNotice::ShapeOptions);
    EXPECT_EQ(FLog, (std::vector<std::string>{"MainForm:1245", "PenForm:1245", "ToolForm:1245"}));
}

TEST_F(BroadcastTest, NewImageReachesWindowsThenTheNewTool) {
    FMain->PaintClient()->SelectTool(TToolItem::DrawDot);
    FLog.clear();
    FApp->Edit().SetDib(TDib::Create(4, 4, 16));
    // The tool is made again on 1074; the new one hears the rest of the broadcast.
    const std::vector<std::string> expected{"MainForm:1074", "PenForm:1074", "ToolForm:1074", "tool:1074"};
    std::vector<std::string> got;
    for (const std::string& s : FLog)
        if (s.find("1225") == std::string::npos) got.push_back(s);
    EXPECT_EQ(got, expected);
}

TEST_F(BroadcastTest, ColourIndicesAreClampedToThePalette) {
    FApp->Edit().SetDib(TDib::Create(4, 4, 16));
    FLog.clear();
    FMain->SetColor1Index(300);
    EXPECT_EQ(FApp->Edit().Color1Index(), 15);
    EXPECT_EQ(FLog.front(), "MainForm:1250");
    FLog.clear();
    FMain->SetColor1Index(15);  // unchanged: nothing
    EXPECT_TRUE(FLog.empty());
    FMain->SetColor2Index(3);
    EXPECT_EQ(FLog.front(), "MainForm:1251");

    FLog.clear();
    FMain->SetPaletteColor(16, RGB(1, 2, 3));  // one past the end: nothing
    EXPECT_TRUE(FLog.empty());
    FMain->SetPaletteColor(2, RGB(1, 2, 3));
    EXPECT_EQ(FApp->Edit().Dib()->GetColor(2), RGB(1, 2, 3));
    EXPECT_EQ(FLog.front(), "MainForm:1249");
}

TEST_F(BroadcastTest, AWindowGoneDuringABroadcastIsSkipped) {
    class TClosing : public TDibForm {
    public:
        TClosing(TAppContext& app, std::unique_ptr<TRecordingForm>& victim) : TDibForm(app, "Closer", false), V(victim) {}
        void HandleMessage(TNotice) override { V.reset(); }
        std::unique_ptr<TRecordingForm>& V;
    };
    // Order: main, the closer, then the pen window that the closer destroys.
    FPen.reset();
    FTools.reset();
    auto closer = std::make_unique<TClosing>(*FApp, FPen);
    FPen = std::make_unique<TRecordingForm>(*FApp, "PenForm");
    FLog.clear();
    FApp->Broadcast(TNotice::SelectPen);
    EXPECT_EQ(FLog, (std::vector<std::string>{"MainForm:1246"}));
}

// No main window and no edit client: a dialog's change still reaches every window.
TEST_F(BroadcastTest, TheDocumentIsHeardWithoutAMainWindow) {
    FMain.reset();
    FLog.clear();
    FApp->Edit().SetDib(TDib::Create(4, 4, 16));
    FApp->Edit().SetColor2Index(3);
    FApp->Edit().SetPaletteColor(1, RGB(1, 2, 3));
    EXPECT_EQ(FLog, (std::vector<std::string>{"PenForm:1074", "ToolForm:1074", "PenForm:1251", "ToolForm:1251",
                                              "PenForm:1249", "ToolForm:1249"}));
}

}  // namespace pixmo::test
