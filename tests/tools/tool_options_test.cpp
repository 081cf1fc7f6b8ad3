// The grid unit, the blending rule and the cursor pictures.
#include <gtest/gtest.h>

#include "settings/string_lists.h"
#include "tools/cursor_images.h"
#include "tools/edit_size.h"
#include "tools/tool_items.h"
#include "tools/tool_options.h"

namespace pixmo::test {
namespace {

TEST(EditSize, SetUnitHistoryAndLimits) {
    TMaxStringList history(10);
    int changes = 0;
    TEditSize size;
    size.History = &history;
    size.OnChanged = [&] { ++changes; };
    for (TPoint bad : {TPoint{0, 5}, TPoint{5, 0}, TPoint{8001, 5}, TPoint{5, 8001}, TPoint{-1, -1}}) size.SetUnit(bad);
    EXPECT_EQ(size.Unit, (TPoint{32, 32}));
    EXPECT_EQ(changes, 0);
    size.SetUnit({8, 16});
    size.SetUnit({4, 4});
    size.SetUnit({32, 32});
    EXPECT_EQ(size.Unit, (TPoint{32, 32}));
    EXPECT_EQ(changes, 3);
    // The new unit is never listed; the old ones are, most recent first.
    EXPECT_EQ(history.Items(), (std::vector<std::string>{"4,4", "8,16"}));
    size.Load({0, 9000});
    EXPECT_EQ(size.Unit, (TPoint{1, 8000}));
    EXPECT_EQ(TEditSize::MaxUnit(), 8000);
}

TEST(EditSize, SnapCornersAndRectWithNegativeCoordinates) {
    TEditSize size;
    size.Unit = {10, 4};
    TPoint a{23, 9}, b{5, 2};
    size.SnapCorners(a, b);
    EXPECT_EQ(a, (TPoint{29, 11}));
    EXPECT_EQ(b, (TPoint{0, 0}));
    // Remainders keep the dividend's sign: -3 goes to 0 - 0, not down to -10.
    TPoint c{-3, -5}, d{-13, 1};
    size.SnapCorners(c, d);
    EXPECT_EQ(c, (TPoint{9, -4}));
    EXPECT_EQ(d, (TPoint{-10, 3}));

    // The grab point's cell keeps its place inside the rectangle.
    TRect r{13, 5, 18, 9};
    size.SnapRect(r, TPoint{15, 6});
    EXPECT_EQ(r, (TRect{10, 4, 15, 8}));
}

TEST(ToolOptions, BlendAndRandom) {
    EXPECT_EQ(BlendChannel(0, 255, 50), 127);
    EXPECT_EQ(BlendChannel(200, 100, 100), 200);
    EXPECT_EQ(BlendChannel(200, 100, 0), 100);
    TToolOptions options;
    EXPECT_EQ(options.Random(0), 0);
    EXPECT_EQ(options.Random(-3), 0);
    for (int i = 0; i < 1000; ++i) {
        const int v = options.Random(7);
        ASSERT_GE(v, 0);
        ASSERT_LT(v, 7);
    }
    options.SetTransRate(150, nullptr);
    EXPECT_EQ(options.TransRate(), 100);
}

TEST(Cursors, EveryToolHasItsOwnPicture) {
    for (const char* name : {"CR_TANIMATION", "CR_TDRAWBEZIER", "CR_TDRAWDOT", "CR_TDRAWEDGE", "CR_TDRAWELLIPSE",
                             "CR_TDRAWLIBRARY", "CR_TDRAWLINE", "CR_TDRAWRECT", "CR_TDRAWSPRAY", "CR_TFILL",
                             "CR_TFILLELLIPSE", "CR_TFILLRECT", "CR_TSELECTBORDER", "CR_TSELECTCOLORS",
                             "CR_TSELECTELLIPSE", "CR_TSELECTPARALLELOGRAM", "CR_TSELECTPOLY", "CR_TSELECTRECT",
                             "CR_TSELECTREGION", "CR_TSELECTSURFACE", "CR_MOVE", "CR_GETCOLOR"}) {
        const TCursorImage* image = FindCursorImage(name);
        ASSERT_NE(image, nullptr) << name;
        EXPECT_STREQ(image->Xpm[0], "32 32 3 1");
        EXPECT_EQ(std::string(image->Xpm[4]).size(), 32u);
    }
    EXPECT_EQ(FindCursorImage("CR_NONE"), nullptr);
    EXPECT_STREQ(FindToolEntry(TToolItem::DrawDot)->Cursor.Name, "CR_TDRAWDOT");
    EXPECT_STREQ(FindToolEntry(TToolItem::SelectParallelogram)->Cursor.Name, "CR_TSELECTPARALLELOGRAM");
}

}  // namespace
}  // namespace pixmo::test
