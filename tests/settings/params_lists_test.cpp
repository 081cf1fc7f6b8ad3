#include <gtest/gtest.h>

#include "image/errors.h"
#include "settings/object_lists.h"
#include "settings/params.h"
#include "settings/rect_list.h"
#include "settings/settings_location.h"
#include "settings/string_lists.h"

namespace pixmo {
namespace {

TEST(Params, SwitchesAndTheLastFileName) {
    TParams p({"-c", "a.bmp", "b.bmp"});
    EXPECT_EQ(p.FileName, "b.bmp");
    EXPECT_TRUE(p.HasSwitch('C'));
    EXPECT_TRUE(p.HasSwitch('c'));
    EXPECT_EQ(std::count(p.Switches.begin(), p.Switches.end(), true), 1);

    TParams lone({"/"});
    EXPECT_EQ(lone.FileName, "");
    EXPECT_EQ(std::count(lone.Switches.begin(), lone.Switches.end(), true), 0);

    TParams mixed({"/x", "-", "-Zoom", "-1", "-é", "/home/u/pic.bmp"});
    EXPECT_TRUE(mixed.HasSwitch('X'));
    EXPECT_TRUE(mixed.HasSwitch('Z'));
    EXPECT_FALSE(mixed.HasSwitch('H'));
    EXPECT_FALSE(mixed.HasSwitch('1'));
    EXPECT_EQ(std::count(mixed.Switches.begin(), mixed.Switches.end(), true), 2);
    EXPECT_EQ(mixed.FileName, "/home/u/pic.bmp");  // an absolute path, not switch "h"

    const char* argv[] = {"pixmo3", "-s", "pic.png"};
    TParams fromMain(3, argv);
    EXPECT_EQ(fromMain.FileName, "pic.png");
    EXPECT_TRUE(fromMain.HasSwitch('s'));
}

TEST(StringLists, RemoveAndBoundedAddInsert) {
    TStringListEx plain;
    plain.Add("a");
    plain.Add("b");
    plain.Add("a");
    EXPECT_TRUE(plain.Remove("a"));
    EXPECT_FALSE(plain.Remove("A"));
    EXPECT_EQ(plain.Items(), (std::vector<std::string>{"b", "a"}));
    EXPECT_THROW(plain.Insert(3, "x"), EPixmoError);
    EXPECT_THROW(plain[2], EPixmoError);

    TMaxStringList recent(3);
    for (const char* s : {"1", "2", "3", "4"}) recent.Add(s);
    EXPECT_EQ(recent.Items(), (std::vector<std::string>{"1", "2", "3"}));
    EXPECT_EQ(recent.Add("5"), -1);
    recent.Insert(0, "3");  // moves to the front
    EXPECT_EQ(recent.Items(), (std::vector<std::string>{"3", "1", "2"}));
    recent.Insert(0, "9");
    EXPECT_EQ(recent.Items(), (std::vector<std::string>{"9", "3", "1"}));
    recent.Insert(3, "9");  // the equal entry went first, so the end is one place closer
    EXPECT_EQ(recent.Items(), (std::vector<std::string>{"3", "1", "9"}));
    EXPECT_THROW(recent.Insert(4, "x"), EPixmoError);
    recent.SetMax(1);
    EXPECT_EQ(recent.Items(), (std::vector<std::string>{"3"}));
    recent.SetMax(-2);
    EXPECT_EQ(recent.Count(), 0);
    EXPECT_EQ(recent.Add("x"), -1);
}

TEST(RectList, EditsAndPointTest) {
    TRectList list;
    list.Add(Rect(0, 0, 10, 10));
    list.Add(Rect(5, 5, 20, 20));
    list.Insert(0, Rect(100, 100, 101, 101));
    EXPECT_EQ(list.IndexOfPoint({100, 100}), 0);
    EXPECT_EQ(list.IndexOfPoint({101, 100}), -1);  // right edge is outside
    EXPECT_EQ(list.IndexOfPoint({7, 7}), 1);
    EXPECT_EQ(list.IndexOfPoint({15, 15}), 2);
    TRectList copy;
    copy.Assign(list);
    copy.Delete(1);
    copy.Put(0, Rect(0, 0, 1, 1));
    EXPECT_EQ(copy.Count(), 2);
    EXPECT_EQ(copy[1], Rect(5, 5, 20, 20));
    EXPECT_EQ(list.Count(), 3);
    EXPECT_THROW(copy.Delete(2), EPixmoError);
    EXPECT_THROW(copy.Insert(-1, Rect(0, 0, 1, 1)), EPixmoError);
    copy.Clear();
    EXPECT_FALSE(copy.ContainsPoint({0, 0}));
}

TEST(ObjectLists, ClearingFreesTheObjects) {
    struct TCounted {
        explicit TCounted(int& n) : N(n) { ++N; }
        ~TCounted() { --N; }
        int& N;
    };
    int alive = 0;
    TObjectList<TCounted> list;
    list.push_back(std::make_unique<TCounted>(alive));
    list.push_back(std::make_unique<TCounted>(alive));
    EXPECT_EQ(alive, 2);
    list.clear();
    EXPECT_EQ(alive, 0);
}

TEST(SettingsLocation, ProgramFolderThenPerUserThenOverride) {
    std::map<std::string, std::string> vars;
    auto env = [&](const std::string& n) -> std::optional<std::string> {
        auto it = vars.find(n);
        return it == vars.end() ? std::nullopt : std::optional(it->second);
    };
    bool writable = true;
    std::string asked;
    auto canWrite = [&](const std::string& folder) {
        asked = folder;
        return writable;
    };
    EXPECT_EQ(SettingsFileName("/opt/pixmo/pixmo3", env, canWrite), "/opt/pixmo/pixmo3.ini");
    EXPECT_EQ(asked, "/opt/pixmo");
    EXPECT_EQ(SettingsFileName("bin.d/Pixmo3.exe", env, canWrite), "bin.d/Pixmo3.ini");
    EXPECT_EQ(SettingsFileName("pixmo3", env, canWrite), "pixmo3.ini");
    EXPECT_EQ(asked, ".");
    writable = false;
    vars["HOME"] = "/home/u";
    EXPECT_EQ(SettingsFileName("/usr/bin/pixmo3", env, canWrite), "/home/u/.config/pixmo3/Pixmo3.ini");
    vars["XDG_CONFIG_HOME"] = "relative/ignored";
    EXPECT_EQ(SettingsFileName("/usr/bin/pixmo3", env, canWrite), "/home/u/.config/pixmo3/Pixmo3.ini");
    vars["XDG_CONFIG_HOME"] = "/cfg";
    EXPECT_EQ(SettingsFileName("/usr/bin/pixmo3", env, canWrite), "/cfg/pixmo3/Pixmo3.ini");
    vars["PIXMO3_INI"] = "/tmp/portable.ini";
    writable = true;
    EXPECT_EQ(SettingsFileName("/usr/bin/pixmo3", env, canWrite), "/tmp/portable.ini");
    EXPECT_EQ(ChangeExtToIni("/a.b/prog"), "/a.b/prog.ini");
    // The memo file is named after the program, in the settings file's folder.
    EXPECT_EQ(MemoFileName("/opt/pixmo/pixmo3.ini", "/opt/pixmo/pixmo3"), "/opt/pixmo/pixmo3.MEM");
    EXPECT_EQ(MemoFileName("/cfg/pixmo3/Pixmo3.ini", "/usr/bin/Pixmo3.exe"), "/cfg/pixmo3/Pixmo3.MEM");
    EXPECT_EQ(MemoFileName("portable.ini", "/a.b/prog"), "prog.MEM");
}

}  // namespace
}  // namespace pixmo
