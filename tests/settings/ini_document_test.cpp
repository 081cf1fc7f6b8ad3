#include "settings/ini_document.h"

#include <gtest/gtest.h>

#include "image/errors.h"

namespace pixmo {
namespace {

TEST(IniDocument, ParsesAndRewritesByteForByte) {
    static const char withNul[] = "[A]\nk=a\0b\n\xff\xfe junk\n=novalue\n[broken\n";
    const std::string texts[] = {
        "",
        "[MainForm]\nTimer=200\n",
        "; hand-written\r\n[A]\r\n  key = value  \r\n\r\n# note\r\n[B]\r\nx=\"quoted\"",
        "\xEF\xBB\xBF[A]\nk=v\n",
        std::string(withNul, sizeof withNul - 1),
    };
    for (const std::string& text : texts) EXPECT_EQ(TIniDocument(text).Text(), text);
    TIniDocument nul(texts[4]);
    EXPECT_EQ(nul.Value("a", "k"), std::string("a\0b", 3));
    EXPECT_EQ(nul.Keys("A"), std::vector<std::string>{"k"});
    EXPECT_FALSE(nul.SectionExists("broken"));
}

TEST(IniDocument, LooksUpIgnoringCaseAndFirstWins) {
    TIniDocument doc("; c\n[Main]\nKey = one \nkey=two\n[main]\nOther=3\n[Q]\nv=\"  padded \"\n"
                     "\xEF\xBB\xBFnot=first\n");
    EXPECT_EQ(doc.Value("MAIN", "KEY"), "one");
    EXPECT_EQ(doc.Value("main", "Other"), std::nullopt);  // only the first [Main] is read
    EXPECT_EQ(doc.Value("q", "v"), "  padded ");
    EXPECT_EQ(doc.Keys("Main"), std::vector<std::string>{"Key"});
    EXPECT_EQ(doc.Sections(), (std::vector<std::string>{"Main", "Q"}));
    EXPECT_EQ(doc.KeyCount("main"), 1u);

    EXPECT_TRUE(doc.SetValue("main", "KEY", "new"));
    EXPECT_EQ(doc.Text(), "; c\n[Main]\nKey = new\nkey=two\n[main]\nOther=3\n[Q]\nv=\"  padded \"\n"
                          "\xEF\xBB\xBFnot=first\n");
    EXPECT_FALSE(doc.SetValue("Main", "key", "new"));

    TIniDocument bom("\xEF\xBB\xBF[A]\nk=v\n");
    EXPECT_EQ(bom.Value("a", "k"), "v");
}

TEST(IniDocument, NewKeysAndSectionsKeepCommentsAndLineEnds) {
    TIniDocument doc("[A]\r\nx=1\r\n; about B\r\n\r\n[B]\r\ny=2");
    doc.SetValue("A", "z", "3");
    doc.SetValue("B", "w", "4");
    doc.SetValue("C", "v", "5");
    EXPECT_EQ(doc.Text(), "[A]\r\nx=1\r\nz=3\r\n; about B\r\n\r\n[B]\r\ny=2\r\nw=4\r\n[C]\r\nv=5\r\n");

    EXPECT_TRUE(doc.DeleteKey("a", "X"));
    EXPECT_TRUE(doc.EraseSection("b"));
    EXPECT_FALSE(doc.EraseSection("b"));
    EXPECT_EQ(doc.Text(), "[A]\r\nz=3\r\n; about B\r\n\r\n[C]\r\nv=5\r\n");

    TIniDocument noEnd("[A]\nx=1");
    noEnd.SetValue("A", "y", "2");
    EXPECT_EQ(noEnd.Text(), "[A]\nx=1\ny=2\n");
    TIniDocument empty;
    empty.SetValue("S", "k", "v");
    EXPECT_EQ(empty.Text(), "[S]\nk=v\n");
}

TEST(IniDocument, ValuesSurviveTheirStoredForm) {
    const std::string values[] = {"", " lead", "trail\t", "\"in quotes\"", "\"", "a=b;c#d", "[x]", "\xe3\x83\x9a"};
    for (const std::string& v : values) {
        TIniDocument doc;
        doc.SetValue("S", "k", v);
        EXPECT_EQ(TIniDocument(doc.Text()).Value("S", "k"), v) << v;
    }
    // A line break would split the line and let a value add keys of its own.
    TIniDocument doc;
    doc.SetValue("S", "k", "a\nevil=1\r\n[T]");
    TIniDocument back(doc.Text());
    EXPECT_EQ(back.Value("S", "k"), "a evil=1  [T]");
    EXPECT_EQ(back.Value("S", "evil"), std::nullopt);
    EXPECT_FALSE(back.SectionExists("T"));
}

TEST(IniDocument, RefusesNamesTheFileCannotHold) {
    TIniDocument doc;
    for (const char* key : {"", "a=b", "a\nb", " a", "[a", ";a", "#a"})
        EXPECT_THROW(doc.SetValue("S", key, "v"), EPixmoError) << key;
    for (const char* section : {"a]b", "a\nb", "a "}) EXPECT_THROW(doc.SetValue(section, "k", "v"), EPixmoError);
    EXPECT_EQ(doc.Text(), "");
}

TEST(IniDocument, HugeAndJunkInputGivesNothingButKeepsText) {
    std::string big = "[A]\nk=" + std::string(1 << 20, 'x') + "\n" + std::string(1 << 20, '\0') + "\nq=1\n";
    TIniDocument doc(big);
    EXPECT_EQ(doc.Value("A", "k")->size(), size_t{1} << 20);
    EXPECT_EQ(doc.Value("A", "q"), "1");
    EXPECT_EQ(doc.Text(), big);

    std::string junk;
    for (int i = 0; i < 5000; ++i) junk += static_cast<char>((i * 7919) & 0xff);
    TIniDocument junkDoc(junk);
    EXPECT_EQ(junkDoc.Text(), junk);
    junkDoc.SetValue("MainForm", "Timer", "200");
    EXPECT_EQ(TIniDocument(junkDoc.Text()).Value("mainform", "timer"), "200");
}

}  // namespace
}  // namespace pixmo
