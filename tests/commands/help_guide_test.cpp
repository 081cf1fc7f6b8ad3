// The guide, in Italian and in English: every help context has its page in both, the same
// pages in both, every link, anchor and picture of every page resolves within its language,
// every page is reachable from the contents, every tool of the tool box shows its picture,
// and F1 opens the page of the window it is pressed in, in the program's language. The tool windows' table: each row
// gives the Window menu its item and makes its window, named and with its help page.
#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QTest>

#include <set>

#include "commands/edit_popup_menu.h"
#include "commands/help_pictures.h"
#include "commands/tool_windows.h"
#include "main_form_fixture.h"
#include "uikit/help_window.h"
#include "view/dib_form.h"
#include "view/paint_client.h"
#include "windows/tool_form.h"

namespace pixmo::test {

namespace {
QString PageText(const QString& root, const QString& file) {
    QFile f(root + "/" + file);
    return f.open(QIODevice::ReadOnly) ? QString::fromUtf8(f.readAll()) : QString();
}

QStringList Matches(const QString& text, const QString& pattern) {
    QStringList found;
    for (const auto& m : QRegularExpression(pattern).globalMatch(text)) found << m.captured(1);
    return found;
}
}  // namespace

TEST_F(MainFormTest, GuidePagesLinksAndPicturesResolve) {
    TMainForm& form = Build();
    form.MIHelpContentsClick();
    ASSERT_NE(form.HelpWindow(), nullptr);
    QTextBrowser* browser = form.HelpWindow()->Browser();

    const QStringList pages = QDir(THelpWindow::PageRoot(TLanguage::Italian)).entryList({"*.html"});
    ASSERT_GT(pages.size(), 20);
    EXPECT_EQ(QDir(THelpWindow::PageRoot(TLanguage::English)).entryList({"*.html"}), pages);
    std::set<QString> glyphs;
    for (TLanguage language : {TLanguage::Italian, TLanguage::English}) {
        const QString root = THelpWindow::PageRoot(language);
        SCOPED_TRACE(root.toStdString());
        std::map<QString, QStringList> links;
        for (THelpContext context : THelpWindow::Contexts()) {
            const QString page = THelpWindow::PageFor(context, language);
            EXPECT_TRUE(page.startsWith("qrc" + root + "/") && QFile::exists(QString(page).remove("qrc")))
                << int(context) << " " << page.toStdString();
        }
        for (const QString& page : pages) {
            const QString text = PageText(root, page);
            for (const QString& link : Matches(text, R"(href="([^"]*)\")")) {
                const QString target = link.section('#', 0, 0), anchor = link.section('#', 1);
                EXPECT_TRUE(pages.contains(target)) << page.toStdString() << " -> " << link.toStdString();
                if (!anchor.isEmpty()) {
                    EXPECT_TRUE(PageText(root, target).contains("name=\"" + anchor + "\""))
                        << page.toStdString() << " -> " << link.toStdString();
                }
                links[page] << target;
            }
            for (const QString& name : Matches(text, R"(src="glyph:([^"]*)\")")) {
                glyphs.insert(name);
                const QVariant image = browser->loadResource(QTextDocument::ImageResource, QUrl("glyph:" + name));
                EXPECT_FALSE(image.value<QImage>().isNull()) << page.toStdString() << " glyph:" << name.toStdString();
            }
            EXPECT_TRUE(text.contains("<title>")) << page.toStdString();
            // Neither language shows Japanese; the English pages no Italian either.
            const QString shown = QString(text).remove(QRegularExpression("<[^>]*>"));
            EXPECT_FALSE(shown.contains(QRegularExpression(R"([\x{3000}-\x{9fff}\x{ff00}-\x{ffef}])"))) << page.toStdString();
            if (language == TLanguage::English) {
                EXPECT_FALSE(shown.contains(QRegularExpression(
                    R"(\b(il|della|che|una|nella|sono|questa|anche|oppure|finestra|tasto|colore|immagine)\b)",
                    QRegularExpression::CaseInsensitiveOption)))
                    << page.toStdString();
            }
        }

        // Every page can be found from the contents.
        std::set<QString> reached{"index.html"};
        std::vector<QString> queue{"index.html"};
        while (!queue.empty()) {
            const QString page = queue.back();
            queue.pop_back();
            for (const QString& target : links[page])
                if (reached.insert(target).second) queue.push_back(target);
        }
        for (const QString& page : pages) EXPECT_TRUE(reached.count(page)) << page.toStdString() << " unreachable";
    }
    EXPECT_TRUE(browser->loadResource(QTextDocument::ImageResource, QUrl("glyph:MINoSuchTool")).isNull());

    // Each tool of the tool box appears with the box's own picture.
    form.Item("MIShowToolBox")->trigger();
    auto* box = form.findChild<TToolForm*>("ToolForm");
    ASSERT_NE(box, nullptr);
    for (const TAppButton* b : box->Buttons()) {
        ASSERT_NE(b->MenuItem(), nullptr);
        const QString name = b->MenuItem()->objectName();
        EXPECT_TRUE(glyphs.count(name)) << name.toStdString() << " has no picture in the guide";
    }
    // The picture is the glyph itself, not a blank button.
    const QImage pencil = HelpPicture("MIDrawDot"), line = HelpPicture("MIDrawLine");
    EXPECT_NE(pencil, line);
}

TEST_F(MainFormTest, F1OpensThePageOfTheWindowItIsPressedIn) {
    TMainForm& form = Build();
    form.OpenFile(WriteImage("a.bmp", 16));
    auto pageAfterF1 = [&form](QWidget* target) {
        QTest::keyClick(target, Qt::Key_F1);
        return form.HelpWindow() ? form.HelpWindow()->Browser()->source().toString() : QString();
    };
    EXPECT_EQ(pageAfterF1(form.Client()), "qrc:/help/main_window.html");
    EXPECT_EQ(pageAfterF1(form.Menu("MIFile")), "qrc:/help/file.html");
    EXPECT_EQ(pageAfterF1(form.Menu("MIIcon")), "qrc:/help/edit.html");
    EXPECT_EQ(pageAfterF1(form.EditMoveMenu()), "qrc:/help/popup.html");

    // Each tool window has a page of its own, none the contents, no two the same.
    std::set<QString> seen;
    for (QAction* show : form.Menu("MIShow")->actions()) show->trigger();
    for (const TToolWindowEntry& w : ToolWindowEntries()) {
        const char* name = w.Section;
        auto* window = form.findChild<QWidget*>(name);
        ASSERT_NE(window, nullptr) << name;
        QWidget* target = window->focusWidget() ? window->focusWidget() : window;
        const QString page = pageAfterF1(target);
        EXPECT_NE(page, "qrc:/help/index.html") << name;
        EXPECT_TRUE(seen.insert(page).second) << name << " shares " << page.toStdString();
    }
    EXPECT_EQ(pageAfterF1(form.HelpWindow()->Browser()), "qrc:/help/help_on_help.html");

    // The key dialog keeps F1 for itself: it refuses it as a shortcut.
    form.HelpWindow()->Browser()->setSource(QUrl("qrc:/help/index.html"));
    TKeyDialog dialog(FApp->Ini(), form.Item("MIFileOpen"), {form.Menu("MIFile")}, &form);
    QTest::keyClick(dialog.EDKey, Qt::Key_F1);
    EXPECT_EQ(dialog.LBMessage->text(), QString::fromUtf8("F1 non può essere usato perchè è il tasto di Aiuto"));
    EXPECT_EQ(form.HelpWindow()->Browser()->source().toString(), "qrc:/help/index.html");

    // In English the same key opens the English page, and a link followed stays in English.
    form.HelpWindow()->SetLanguage(TLanguage::English);
    EXPECT_EQ(pageAfterF1(form.Client()), "qrc:/help/en/main_window.html");
    QTextBrowser* browser = form.HelpWindow()->Browser();
    EXPECT_EQ(browser->documentTitle(), "The main window");
    form.MIHelpContentsClick();
    QTest::keyClick(browser, Qt::Key_Tab);
    QTest::keyClick(browser, Qt::Key_Return);
    EXPECT_EQ(browser->source().toString(), "qrc:/help/en/first_sprite.html");
}

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
    EXPECT_EQ(*ranks.rbegin(), int(rows.size()) - 1);
}

}  // namespace pixmo::test
