// The tool table: each row complete and its names unique, the factory building the row's tool,
// which asks for the row's own cursor picture.
#include <gtest/gtest.h>

#include <set>

#include "tool_fixture.h"
#include "tools/internal_select.h"
#include "tools/tool_items.h"

namespace pixmo::test {
namespace {

TEST(ToolTable, RowsAreUniqueAndBuildTheirToolWithItsCursor) {
    std::set<std::string> names, buttons, places, cursors;
    int withButton = 0;
    for (const TToolEntry& row : ToolEntries()) {
        SCOPED_TRACE(row.Name);
        EXPECT_TRUE(names.insert(row.Name).second);
        EXPECT_EQ(ToolItemByName(row.Name), row.Item);
        if (row.Item == TToolItem::None) {
            EXPECT_EQ(row.Make, nullptr);
            EXPECT_EQ(row.Button.Name, nullptr);
            continue;
        }
        EXPECT_EQ(ToolItemName(row.Item), row.Name);
        if (row.Button.Name) {
            ++withButton;
            EXPECT_TRUE(buttons.insert(row.Button.Name).second);
            EXPECT_TRUE(places.insert(std::to_string(row.Button.X) + "," + std::to_string(row.Button.Y)).second);
            EXPECT_NE(row.Glyph, nullptr);
            EXPECT_NE(row.Button.DblMenuItem, nullptr);
        }
        ASSERT_NE(row.Cursor.Name, nullptr);
        EXPECT_TRUE(cursors.insert(row.Cursor.Name).second);
        const TCursorImage* picture = FindCursorImage(row.Cursor.Name);
        ASSERT_NE(picture, nullptr);
        EXPECT_EQ(picture->Xpm, row.Cursor.Xpm);
        EXPECT_STREQ(row.Cursor.Xpm[0], "32 32 3 1");
        ASSERT_NE(row.Make, nullptr);
        if (row.Item == TToolItem::Animation) continue;  // needs its window: animation_tool_test
        TToolFixture f;
        f.Blank(4, 4);
        f.Use(row.Item);
        ASSERT_NE(f.Tool, nullptr);
        // Drawing tools show their picture as the tool cursor, selection tools as theirs.
        const bool registered = f.Host.Registered[kCursorTool] == row.Cursor.Name ||
                                f.Host.Registered[kCursorSelect] == row.Cursor.Name;
        EXPECT_TRUE(registered);
    }
    EXPECT_EQ(withButton, 18);
    EXPECT_EQ(ToolItemByName("MINone"), std::nullopt);
    EXPECT_EQ(ToolItemName(TToolItem::None), "");
}

}  // namespace
}  // namespace pixmo::test
