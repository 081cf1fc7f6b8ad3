#include "settings/ini_file.h"

#include <gtest/gtest.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <thread>

#include "support/test_support.h"

namespace pixmo {
namespace {

class IniFileTest : public ::testing::Test {
protected:
    void SetUp() override { FDir = test::MakeTempDir(); }
    void TearDown() override { std::filesystem::remove_all(FDir); }
    std::string Path(const std::string& name) const { return FDir + "/" + name; }
    static void Put(const std::string& path, const std::string& text) {
        std::ofstream(path, std::ios::binary) << text;
    }
    static std::string Get(const std::string& path) {
        std::ifstream in(path, std::ios::binary);
        std::stringstream s;
        s << in.rdbuf();
        return s.str();
    }
    std::string FDir;
};

TEST_F(IniFileTest, MissingFileReadsEmptyAndTheFirstWriteCreatesIt) {
    std::string path = Path("sub/dir/Pixmo3.ini");
    TIniFile ini(path);
    EXPECT_EQ(ini.ReadString("MainForm", "Timer", "dflt"), "dflt");
    EXPECT_FALSE(std::filesystem::exists(path));
    ini.WriteString("MainForm", "Timer", "150");
    EXPECT_EQ(Get(path), "[MainForm]\nTimer=150\n");
    EXPECT_EQ(ini.LastError(), "");
    // No temporary file left beside it.
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(Path("sub/dir")), {}), 1);
}

TEST_F(IniFileTest, WritesReachTheFileAtOnceAndHandEditsAreSeen) {
    std::string path = Path("a.ini");
    Put(path, "; my settings\n\n[MainForm]\nTimer=200   ; not a comment here\nZoomSize=2\n");
    TIniFile ini(path);
    EXPECT_EQ(ini.ReadString("mainform", "timer", ""), "200   ; not a comment here");
    ini.WriteString("MainForm", "Timer", "100");
    ini.WriteString("PenForm", "Place", "1,2,3,4,5");
    const std::string written = "; my settings\n\n[MainForm]\nTimer=100\nZoomSize=2\n[PenForm]\nPlace=1,2,3,4,5\n";
    EXPECT_EQ(Get(path), written);

    // Another program (or the user) changes the file: the next read sees it.
    Put(path, "[MainForm]\r\n# edited\r\nZoomSize=7\r\n");
    EXPECT_EQ(ini.ReadString("MainForm", "ZoomSize", ""), "7");
    EXPECT_EQ(ini.ReadString("PenForm", "Place", "none"), "none");
    ini.WriteString("MainForm", "Timer", "5");
    EXPECT_EQ(Get(path), "[MainForm]\r\n# edited\r\nZoomSize=7\r\nTimer=5\r\n");

    // A second store over the same file reads back what the first wrote.
    TIniFile again(path);
    EXPECT_EQ(again.ReadSection("MAINFORM"), (std::vector<std::string>{"ZoomSize", "Timer"}));
    EXPECT_TRUE(again.ValueExists("MainForm", "timer"));
    again.DeleteKey("MainForm", "ZoomSize");
    EXPECT_EQ(ini.ReadString("MainForm", "ZoomSize", "gone"), "gone");
}

TEST_F(IniFileTest, UnwritableFileIsReportedOnceAndValuesStayInMemory) {
    Put(Path("plain"), "x");
    std::string path = Path("plain/Pixmo3.ini");  // a folder that is a file: no one can write here
    TIniFile ini(path);
    std::vector<std::string> reports;
    ini.OnError = [&](const std::string& m) { reports.push_back(m); };
    ini.WriteString("MainForm", "Timer", "1");
    ini.WriteString("MainForm", "Timer", "2");
    ini.WriteString("MainForm", "ZoomSize", "3");
    ASSERT_EQ(reports.size(), 1u);
    EXPECT_NE(reports[0].find(path), std::string::npos) << reports[0];
    EXPECT_EQ(ini.LastError(), reports[0]);
    EXPECT_EQ(ini.ReadString("MainForm", "Timer", ""), "2");
    EXPECT_EQ(ini.ReadString("MainForm", "ZoomSize", ""), "3");
}

TEST_F(IniFileTest, UnreadableFileGivesDefaultsAndIsNeverReplaced) {
    std::string path = Path("Pixmo3.ini");
    std::filesystem::create_directory(path);  // unreadable as a file
    std::filesystem::create_directory(path + "/keep");
    TIniFile ini(path);
    int reports = 0;
    ini.OnError = [&](const std::string&) { ++reports; };
    EXPECT_EQ(ini.ReadString("A", "k", "d"), "d");
    ini.WriteString("A", "k", "v");
    ini.WriteString("A", "k2", "v");
    EXPECT_EQ(reports, 1);
    EXPECT_TRUE(std::filesystem::exists(path + "/keep"));
}

TEST_F(IniFileTest, AFifoIsNeitherWaitedForNorReplaced) {
    std::string path = Path("fifo.ini");
    ASSERT_EQ(::mkfifo(path.c_str(), 0600), 0);
    // Should the store open the FIFO and wait for a writer, this plays the writer, so that
    // the fault shows as a failure instead of a hang.
    std::jthread writer([&](std::stop_token stop) {
        while (!stop.stop_requested()) {
            const int fd = ::open(path.c_str(), O_WRONLY | O_NONBLOCK);
            if (fd >= 0) ::close(fd);
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        }
    });
    TIniFile ini(path);
    std::string report;
    ini.OnError = [&](const std::string& message) { report = message; };
    EXPECT_EQ(ini.ReadString("A", "k", "d"), "d");
    ini.WriteString("A", "k", "v");
    EXPECT_EQ(report, "Cannot open file \"" + path + "\". Not a regular file Settings are not saved.");
    EXPECT_TRUE(std::filesystem::is_fifo(path));
}

TEST_F(IniFileTest, ALinkedFileIsWrittenThroughTheLink) {
    std::string real = Path("real.ini"), link = Path("link.ini");
    Put(real, "[S]\nk=1\n");
    std::filesystem::create_symlink(real, link);
    TIniFile ini(link);
    ini.WriteString("S", "k", "2");
    EXPECT_TRUE(std::filesystem::is_symlink(link));
    EXPECT_EQ(Get(real), "[S]\nk=2\n");
    EXPECT_EQ(ini.ReadString("S", "k", ""), "2");
}

TEST_F(IniFileTest, UpdateGroupsWritesIntoOneReplacement) {
    std::string path = Path("u.ini");
    TIniFile ini(path);
    ini.BeginUpdate();
    ini.WriteString("S", "a", "1");
    ini.BeginUpdate();
    ini.WriteString("S", "b", "2");
    ini.EndUpdate();
    EXPECT_FALSE(std::filesystem::exists(path));
    EXPECT_EQ(ini.ReadString("S", "b", ""), "2");
    ini.EndUpdate();
    EXPECT_EQ(Get(path), "[S]\na=1\nb=2\n");
    ini.EndUpdate();  // unmatched: ignored
    ini.EraseSection("s");
    EXPECT_EQ(Get(path), "");
}

}  // namespace
}  // namespace pixmo
