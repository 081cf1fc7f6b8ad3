// The view's shared objects and the client's settings.
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "client_fixture.h"
#include "settings/ini.h"

namespace pixmo::test {
namespace {

TEST(ClientObjects, PenImageIsADotOfThePenWidth) {
    TViewObjects objects(QSize(64, 32));
    TPenImage& pen = objects.PenImage();
    EXPECT_EQ(ToGrid(pen.Get(1)), (std::vector<std::string>{"."}));
    const std::vector<std::string> five = ToGrid(pen.Get(5));
    ASSERT_EQ(five.size(), 5u);
    EXPECT_EQ(five[2][2], '.');  // black at the centre
    EXPECT_EQ(five[0][0], '#');  // white in the corner
    EXPECT_TRUE(pen.HasCache());
    pen.Drop();
    EXPECT_FALSE(pen.HasCache());
}

TEST(ClientObjects, StripeRowAndMasksFollowTheView) {
    TViewObjects objects(QSize(64, 32));
    const std::vector<uint8_t>& row = objects.StripeRow(100);
    ASSERT_GE(row.size(), 108u);
    for (size_t i = 0; i < 16; ++i) EXPECT_EQ(row[i], i % 8 < 4 ? 1 : 0) << i;

    TMaskDib& outline = objects.OutlineMask(QSize(50, 20));
    EXPECT_EQ(outline.GetSize(), (TPoint{50, 20}));
    EXPECT_EQ(objects.BackBuffer().size(), QSize(50, 20));
    EXPECT_EQ(objects.PatternMask(QSize(50, 20)).GetSize(), (TPoint{50, 20}));
    // A new view size drops the masks with the back buffer's change.
    objects.ResizeBackBuffer(QSize(70, 20));
    EXPECT_FALSE(objects.HasOutlineMasks());
}

TEST(ClientSettings, ScrollStateRoundTrip) {
    const std::string path = MakeTempDir() + "/v.ini";
    {
        TClientFixture f;
        f.Install(300, 300);
        f.Client.SetZoom(8);
        f.Client.Scroller().SetPosition(12, 34);
        f.Client.SetAutoScroll(false);
        TIni ini(path);
        ini.Section = "Client";
        f.Client.SaveSettings(ini);
    }
    std::ifstream in(path);
    std::stringstream text;
    text << in.rdbuf();
    const std::string s = text.str();
    const size_t a = s.find("AutoScroll="), p = s.find("ScrollerPos="), v = s.find("ScrollerVisible=");
    ASSERT_NE(a, std::string::npos);
    ASSERT_NE(p, std::string::npos);
    ASSERT_NE(v, std::string::npos);
    EXPECT_LT(a, p);
    EXPECT_LT(p, v);

    TClientFixture g;
    g.Install(300, 300);
    g.Client.SetZoom(8);
    TIni ini(path);
    ini.Section = "Client";
    g.Client.LoadSettings(ini);
    EXPECT_FALSE(g.Client.AutoScroll());
    EXPECT_TRUE(g.Client.Scroller().Visible());
    EXPECT_EQ(g.Client.Scroller().GetPosition(), (TPoint{12, 34}));
}

}  // namespace
}  // namespace pixmo::test
