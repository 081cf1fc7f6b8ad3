// The tool windows' table: each row gives the Window menu its item, makes its window when
// the row says, and gives the window its name, its help page and its place in the reopening.
#include <QFile>

#include <set>

#include "commands/tool_windows.h"
#include "main_form_fixture.h"
#include "uikit/help_window.h"
#include "uikit/placement.h"
#include "view/dib_form.h"

namespace pixmo::test {

TEST_F(MainFormTest, ToolWindowRowsMakeTheWindowMenuAndItsWindows) {
    TMainForm& form = Build();
    const QList<QAction*> items = form.Menu("MIShow")->actions();
    const auto rows = ToolWindowEntries();
    ASSERT_EQ(items.size(), qsizetype(rows.size()));
    std::set<std::string> names, sections, pages;
    std::set<int> contexts, ranks;
    for (size_t i = 0; i < rows.size(); ++i) {
        const TToolWindowEntry& w = rows[i];
        SCOPED_TRACE(w.MenuItem);
        EXPECT_TRUE(names.insert(w.MenuItem).second && sections.insert(w.Section).second &&
                    pages.insert(w.GuidePage).second && contexts.insert(int(w.Help)).second &&
                    ranks.insert(w.ReopenRank).second);
        EXPECT_EQ(items[i]->objectName().toStdString(), w.MenuItem);
        EXPECT_EQ(items[i]->text(), QString::fromUtf8(w.Caption));
        EXPECT_EQ(ToolWindowEntry(w.MenuItem), &w);
        EXPECT_EQ(THelpWindow::PageFor(w.Help), QString("qrc:/help/") + w.GuidePage);
        EXPECT_TRUE(QFile::exists(QString(":/help/") + w.GuidePage));

        // Only the windows made with the program exist before their item is chosen.
        EXPECT_EQ(form.findChild<TDibForm*>(w.Section) != nullptr, w.Birth == TWindowBirth::Start);
        items[i]->trigger();
        auto* window = form.findChild<TDibForm*>(w.Section);
        ASSERT_NE(window, nullptr);
        EXPECT_TRUE(window->isVisible());
        EXPECT_EQ(HelpContextOf(window), w.Help);
        form.UpdateMenuStates("MIShow");
        EXPECT_TRUE(items[i]->isChecked());
        items[i]->trigger();
        EXPECT_FALSE(window->isVisible());
        form.UpdateMenuStates("MIShow");
        EXPECT_FALSE(items[i]->isChecked());
    }
    EXPECT_EQ(ToolWindowEntry("MIShowNothing"), nullptr);
    EXPECT_EQ(ranks.size(), rows.size());
    EXPECT_EQ(*ranks.rbegin(), int(rows.size()) - 1);
}

}  // namespace pixmo::test
