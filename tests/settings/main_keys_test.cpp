#include "settings/main_keys.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "support/test_support.h"

namespace pixmo {
namespace {

class MainKeysTest : public ::testing::Test {
protected:
    void SetUp() override {
        FDir = test::MakeTempDir();
        FPath = FDir + "/Pixmo3.ini";
    }
    void TearDown() override { std::filesystem::remove_all(FDir); }
    TIni& Over(const std::string& text) {
        std::ofstream(FPath, std::ios::binary) << text;
        FIni = std::make_unique<TIni>(FPath);
        return *FIni;
    }
    std::string FileText() const {
        std::ifstream in(FPath, std::ios::binary);
        std::stringstream s;
        s << in.rdbuf();
        return s.str();
    }
    std::string FDir, FPath;
    std::unique_ptr<TIni> FIni;
};

TEST_F(MainKeysTest, BadFilesGiveTheDefaults) {
    std::string junk(4096, '\0');
    for (size_t i = 0; i < junk.size(); ++i) junk[i] = static_cast<char>(i * 131 + 7);
    for (const std::string& text : {std::string(), junk, std::string("[MainForm]\nTimer=fast\nRMenuMode=yes\n"
                                                                      "GridSize=\nPenWidths=\nSelectPenMode=300\n")}) {
        TIni& ini = Over(text);
        EXPECT_EQ(ReadMainSettings(ini), TMainSettings{});
        EXPECT_EQ(ReadShiftState(ini), TShiftStateSettings{});
    }
}

TEST_F(MainKeysTest, ReadRulesClampWhatTheFileSays) {
    TIni& ini = Over("[MainForm]\nPenWidths=1,,3\nGridSize=0,9000\nNColor1=-5\nNColor2=-1\n"
                     "NPen1=14\nNPen2=13\nDefRectOpt=4\nDotLineWidth=536870912\nDotLineHeight=0\nPngCompression=3\n[ShiftState]\nScroll=x\nMove=-1\nSnap=5\nAnd=0\n");
    TMainSettings s = ReadMainSettings(ini);
    std::array<int32_t, kPenWidthCount> widths;
    widths.fill(1);
    widths[1] = 3;
    EXPECT_EQ(s.PenWidths, widths);
    EXPECT_EQ(s.GridSize, (TPoint{1, 8000}));
    EXPECT_EQ(s.NColor1, 0);
    EXPECT_EQ(s.NColor2, 0);
    EXPECT_EQ(s.NPen1, 0);  // no fifteenth width: the default
    EXPECT_EQ(s.NPen2, 13);
    EXPECT_EQ(s.DefRectOpt, kDefRectOptUseGrid);
    EXPECT_EQ(s.DotLineWidth, 320);
    EXPECT_EQ(s.DotLineHeight, 1);
    EXPECT_EQ(s.PngCompression, 1);  // no fourth level: "Normale"

    TShiftStateSettings shift = ReadShiftState(ini);
    EXPECT_EQ(shift.Scroll, 2);
    EXPECT_EQ(shift.Move, 4);
    EXPECT_EQ(shift.Snap, 5);
    EXPECT_EQ(shift.And, 0);
}

TEST_F(MainKeysTest, HistoryMaxIsKeptWithinTenToTwenty) {
    std::string many;
    for (int i = 0; i < 30; ++i) many += "S" + std::to_string(i) + "=f" + std::to_string(i) + "\n";
    TIni& ini = Over("[FileHistory]\nMax=50\nC=30\n" + many + "[GridHistory]\nC=2\nS0=8,8\nS1=16,16\n"
                     "[EditHistory]\nMax=3\nC=1\nS0=sel.bmp\n");
    ini.Section = "Caller";
    TMaxStringList files, grids, edits;
    ReadHistory(ini, kFileHistorySection, files);
    ReadHistory(ini, kGridHistorySection, grids);
    ReadHistory(ini, kEditHistorySection, edits);
    EXPECT_EQ(ini.Section, "Caller");
    EXPECT_EQ(files.Max(), 20);
    ASSERT_EQ(files.Count(), 20);
    EXPECT_EQ(files[19], "f19");
    EXPECT_EQ(grids.Max(), 10);
    EXPECT_EQ(grids.Items(), (std::vector<std::string>{"8,8", "16,16"}));
    EXPECT_EQ(edits.Max(), 10);

    WriteHistory(ini, kGridHistorySection, grids);
    TMaxStringList again;
    ReadHistory(ini, kGridHistorySection, again);
    EXPECT_EQ(again.Items(), grids.Items());
}

TEST_F(MainKeysTest, WrittenSettingsReadBackIdentically) {
    TIni& ini = Over("; kept by hand\n[MainForm]\n; about the timer\nTimer=100\n");
    TMainSettings s;
    s.RMenuMode = false;
    s.SelectPenColor = 8388736;
    s.SelectPenMode = 4;
    s.UndoBuffer = 3000000;
    s.NColor1 = 200;
    s.PenWidths[13] = 99;
    s.NPen2 = 12;
    s.DefRectOpt = kDefRectOptUseGrid;
    s.GridSize = {8, 16};
    s.BackupDir = " /tmp/back ups ";
    s.FileName = "/home/u/\"odd\" name.bmp";
    s.Mouse = "MIDrawLine";
    s.PngCompression = 2;
    WriteMainSettings(ini, s);
    TShiftStateSettings shift;
    shift.Duplicate = 5;
    WriteShiftState(ini, shift);
    std::string first = FileText();
    EXPECT_EQ(first.rfind("; kept by hand\n[MainForm]\n; about the timer\nTimer=", 0), 0u) << first;

    TIni fresh(FPath);
    EXPECT_EQ(ReadMainSettings(fresh), s);
    EXPECT_EQ(ReadShiftState(fresh), shift);
    WriteMainSettings(fresh, s);
    WriteShiftState(fresh, shift);
    EXPECT_EQ(FileText(), first);  // writing the same values changes no byte
}

TEST_F(MainKeysTest, ShortcutsAndMenuLayout) {
    TIni& ini = Over("[MainMenu]\nMIFileOpen=16463\n[EditMoveMenu]\nM0=MIEditCut\n");
    EXPECT_EQ(ReadShortcut(ini, "MIFileOpen", 0), 16463);
    EXPECT_EQ(ReadShortcut(ini, "MIFileSave", kShortcutCtrl + 'S'), kShortcutCtrl + 'S');
    EXPECT_EQ(ReadMenuLayout(ini), std::nullopt);  // no "C": the designed layout stays
    WriteMenuLayout(ini, {"MIEditCopy", "MIEditPaste"});
    EXPECT_EQ(ReadMenuLayout(ini), (std::vector<std::string>{"MIEditCopy", "MIEditPaste"}));
    WriteShortcut(ini, "MIFileSave", kShortcutShift + kShortcutAlt + 'S');
    EXPECT_EQ(ReadShortcut(ini, "MIFileSave", 0), 8192 + 32768 + 83);
}

}  // namespace
}  // namespace pixmo
