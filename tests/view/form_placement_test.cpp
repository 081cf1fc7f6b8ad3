// Window placement under "Place": a tool window stored hidden stays hidden and is not
// reopened, the main window always shows, and a placement survives a round trip.
#include <gtest/gtest.h>

#include <QGuiApplication>
#include <QScreen>
#include <filesystem>

#include "image/clipboard.h"
#include "support/test_support.h"
#include "uikit/placement.h"
#include "view/app_context.h"
#include "view/dib_form.h"

namespace pixmo::test {

namespace {
class TToolWindow : public TDibForm {
public:
    TToolWindow(TAppContext& app, const QString& name, bool main = false) : TDibForm(app, name, main) {
        AfterConstruction();
    }
    ~TToolWindow() override { BeforeDestruction(); }
    int Loads = 0, Saves = 0;

protected:
    void LoadSettings() override { ++Loads; }
    void SaveSettings() override { ++Saves; }
};

class PlacementTest : public ::testing::Test {
protected:
    void SetUp() override {
        FDir = MakeTempDir();
        FIniName = FDir + "/p.ini";
    }
    void TearDown() override { std::filesystem::remove_all(FDir); }
    std::unique_ptr<TAppContext> NewApp() {
        return std::make_unique<TAppContext>(FIniName, TParams{}, std::make_unique<TMemoryClipboard>());
    }
    void WritePlace(const std::string& section, const std::string& value) {
        TIni ini(FIniName);
        ini.Section = section;
        ini.WriteString("Place", value);
    }
    std::string FDir, FIniName;
};
}  // namespace

TEST_F(PlacementTest, HiddenToolWindowStaysHiddenAndMainWindowShows) {
    WritePlace("PaletteForm", "0,10,10,200,100");
    WritePlace("MainForm", "0,10,10,200,100");
    auto app = NewApp();
    EXPECT_FALSE(PlacementSaysOpen(app->Ini(), "PaletteForm"));
    EXPECT_FALSE(PlacementSaysOpen(app->Ini(), "PenForm"));  // no "Place" at all

    TToolWindow main(*app, "MainForm", true);
    TToolWindow tool(*app, "PaletteForm");
    EXPECT_TRUE(main.isVisible());
    EXPECT_FALSE(tool.isVisible());
    EXPECT_EQ(tool.size(), QSize(190, 90));
    EXPECT_EQ(tool.Loads, 1);
}

TEST_F(PlacementTest, OpenToolWindowIsReopenedAndPlacementRoundTrips) {
    WritePlace("ToolForm", "1,30,40,230,140");
    {
        auto app = NewApp();
        EXPECT_TRUE(PlacementSaysOpen(app->Ini(), "ToolForm"));
        TToolWindow main(*app, "MainForm", true);
        TToolWindow tool(*app, "ToolForm");
        EXPECT_TRUE(tool.isVisible());
        EXPECT_EQ(tool.size(), QSize(200, 100));
        tool.resize(150, 60);
        tool.hide();
    }
    TIni ini(FIniName);
    ini.Section = "ToolForm";
    auto stored = ini.ReadPlacement();
    ASSERT_TRUE(stored);
    EXPECT_EQ(stored->Show, 0);
    EXPECT_EQ(stored->Normal.Width(), 150);
    EXPECT_EQ(stored->Normal.Height(), 60);
}

TEST_F(PlacementTest, UnreasonableStoredSizesAreIgnored) {
    WritePlace("ShiftForm", "1,0,0,-5,99999");
    WritePlace("TextForm", "1,0,0");
    auto app = NewApp();
    TToolWindow main(*app, "MainForm", true);
    TToolWindow shift(*app, "ShiftForm");
    shift.resize(77, 33);
    EXPECT_EQ(shift.size(), QSize(77, 33));
    // Missing values read as 0: shown, at a size of its own.
    TToolWindow text(*app, "TextForm");
    EXPECT_TRUE(text.isVisible());
    EXPECT_GT(text.width(), 0);
}

TEST_F(PlacementTest, StoredPlacementsAreBroughtOntoTheScreen) {
    WritePlace("MainForm", "1,0,0,16384,16384");
    WritePlace("PenForm", "1,2147483000,2147483000,2147483600,2147483500");
    auto app = NewApp();
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    TToolWindow main(*app, "MainForm", true);
    EXPECT_TRUE(screen.contains(QRect(main.pos(), main.size()))) << main.width() << "x" << main.height();
    TToolWindow pen(*app, "PenForm");
    EXPECT_EQ(pen.size(), QSize(600, 500));
    EXPECT_TRUE(screen.contains(QRect(pen.pos(), pen.size()))) << pen.x() << "," << pen.y();
}

TEST_F(PlacementTest, ClosingAToolWindowHidesIt) {
    auto app = NewApp();
    TToolWindow main(*app, "MainForm", true);
    auto* tool = new TToolWindow(*app, "OptionForm");
    tool->show();
    EXPECT_TRUE(tool->close() == false || !tool->isVisible());
    EXPECT_FALSE(tool->isVisible());
    EXPECT_EQ(app->Forms().size(), 2u);
    delete tool;
    EXPECT_EQ(app->Forms().size(), 1u);
}

TEST_F(PlacementTest, AWindowNeverShownKeepsNoPlaceAndFirstStandsBesideItsOwner) {
    {
        auto app = NewApp();
        TToolWindow main(*app, "MainForm", true);
        TToolWindow animation(*app, "AnimationForm");
        animation.setParent(&main, animation.windowFlags() | Qt::Tool);
    }
    TIni ini(FIniName);
    ini.Section = "AnimationForm";
    EXPECT_FALSE(ini.ReadPlacement());

    auto app = NewApp();
    TToolWindow main(*app, "MainForm", true);
    main.setGeometry(40, 50, 300, 200);
    TToolWindow animation(*app, "AnimationForm");
    animation.setParent(&main, animation.windowFlags() | Qt::Tool);
    animation.resize(120, 80);
    animation.show();
    // Frame beside frame: the offscreen windows' frames are 2 pixels wide all round.
    EXPECT_EQ(animation.geometry(), QRect(348, 50, 120, 80));
}

TEST(FirstPlacement, BesideTheOwnerBelowTheOthersAndInsideTheArea) {
    const QRect area(0, 24, 1600, 976);  // under a panel at the top
    const QMargins frame(1, 20, 1, 1);
    // Right of the owner, the frame's top at the owner's.
    EXPECT_EQ(FirstPlacement(area, QRect(0, 24, 600, 400), QSize(300, 200), frame, {}), QPoint(605, 44));
    // Below the windows standing there; one further down with room above it is no matter.
    EXPECT_EQ(FirstPlacement(area, QRect(0, 24, 600, 400), QSize(300, 200), frame,
                             {QRect(604, 600, 200, 300), QRect(604, 24, 200, 100)}),
              QPoint(605, 148));
    // Twice the scale, the owner filling the screen: at its right edge, under a wider window
    // there; what would pass the bottom goes up until the frame's bottom is on it.
    const QRect half(0, 0, 800, 500);
    EXPECT_EQ(FirstPlacement(half, QRect(0, 0, 800, 500), QSize(195, 235), frame, {QRect(496, 0, 304, 210)}),
              QPoint(604, 234));
    EXPECT_EQ(FirstPlacement(half, QRect(0, 0, 800, 500), QSize(195, 235), frame, {QRect(603, 0, 197, 300)}),
              QPoint(604, 264));
    // Taller than the area: the title bar stays on it.
    EXPECT_EQ(FirstPlacement(half, QRect(-50, -80, 300, 200), QSize(100, 600), frame, {}), QPoint(255, 20));
}

}  // namespace pixmo::test
