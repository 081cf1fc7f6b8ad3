#include "settings/ini.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "support/test_support.h"

namespace pixmo {
namespace {

class IniTest : public ::testing::Test {
protected:
    void SetUp() override {
        FDir = test::MakeTempDir();
        FPath = FDir + "/Pixmo3.ini";
    }
    void TearDown() override { std::filesystem::remove_all(FDir); }
    // A store over a file holding `text`, its Section set to "S".
    std::unique_ptr<TIni> Over(const std::string& text) {
        std::ofstream(FPath, std::ios::binary) << text;
        auto ini = std::make_unique<TIni>(FPath);
        ini->Section = "S";
        return ini;
    }
    std::string FileText() const {
        std::ifstream in(FPath, std::ios::binary);
        std::stringstream s;
        s << in.rdbuf();
        return s.str();
    }
    std::string FDir, FPath;
};

TEST_F(IniTest, ScalarsGiveTheDefaultWhenMissingOrUnparsable) {
    auto ini = Over("[S]\nn=-42\nbad=12x\nbig=2147483648\nhuge=99999999999999999999\nlow=-2147483648\n"
                    "b0=0\nb7=7\nbyte=256\nneg=-1\ns= text \n[T]\nn=1\n");
    EXPECT_EQ(ini->ReadInteger("n", 5), -42);
    EXPECT_EQ(ini->ReadInteger("N", 5), -42);
    EXPECT_EQ(ini->ReadInteger("bad", 5), 5);
    EXPECT_EQ(ini->ReadInteger("big", 5), 5);
    EXPECT_EQ(ini->ReadInteger("huge", 5), 5);
    EXPECT_EQ(ini->ReadInteger("low", 5), INT32_MIN);
    EXPECT_EQ(ini->ReadInteger("missing", 5), 5);
    EXPECT_FALSE(ini->ReadBool("b0", true));
    EXPECT_TRUE(ini->ReadBool("b7", false));
    EXPECT_TRUE(ini->ReadBool("bad", true));
    EXPECT_EQ(ini->ReadByte("b7", 9), 7);
    EXPECT_EQ(ini->ReadByte("byte", 9), 9);
    EXPECT_EQ(ini->ReadByte("neg", 9), 9);
    EXPECT_EQ(ini->ReadString("s", ""), "text");
    ini->Section = "T";
    EXPECT_EQ(ini->ReadInteger("n", 5), 1);
}

TEST_F(IniTest, IntegerArraysScanRunsOfDigitsAndMinus) {
    auto ini = Over("[S]\nthree=1,,3\nodd= x-5;;7 + 8-9 -- 12\nblank=\nnone=abc\n");
    int32_t v[5] = {9, 9, 9, 9, 9};
    EXPECT_TRUE(ini->ReadIntArray("three", v));
    EXPECT_EQ(std::vector<int32_t>(v, v + 5), (std::vector<int32_t>{1, 3, 0, 0, 0}));
    EXPECT_TRUE(ini->ReadIntArray("odd", v));
    EXPECT_EQ(std::vector<int32_t>(v, v + 5), (std::vector<int32_t>{-5, 7, 0, 0, 12}));  // "8-9" and "--" are 0
    int32_t keep[2] = {4, 4};
    EXPECT_FALSE(ini->ReadIntArray("blank", keep));
    EXPECT_FALSE(ini->ReadIntArray("missing", keep));
    EXPECT_EQ(keep[0], 4);
    EXPECT_TRUE(ini->ReadIntArray("none", keep));
    EXPECT_EQ(keep[0], 0);

    EXPECT_EQ(ini->ReadPoint("three", {7, 7}), (TPoint{1, 3}));
    EXPECT_EQ(ini->ReadPoint("blank", {7, 7}), (TPoint{7, 7}));
    ini->WritePoint("p", {-3, 8000});
    EXPECT_EQ(ini->ReadString("p", ""), "-3,8000");
    const int32_t w[3] = {1, -2, 300};
    ini->WriteIntArray("w", w);
    EXPECT_EQ(ini->ReadString("w", ""), "1,-2,300");
}

TEST_F(IniTest, PlacementIsFiveValues) {
    auto ini = Over("[S]\nPlace=0,10,10,200,100\nShort=1,2\n");
    EXPECT_EQ(ini->ReadPlacement(), (TPlacement{0, TRect{10, 10, 200, 100}}));
    EXPECT_EQ(ini->ReadPlacement("Short"), (TPlacement{1, TRect{2, 0, 0, 0}}));  // missing values are 0
    EXPECT_EQ(ini->ReadPlacement("None"), std::nullopt);
    ini->WritePlacement({3, TRect{-5, 6, 7, 8}});
    EXPECT_EQ(ini->ReadString("Place", ""), "3,-5,6,7,8");
}

TEST_F(IniTest, FlagSetsAreTheirBytesAsOneInteger) {
    auto ini = Over("[S]\none=4\nwide=-1\nbad=x\n");
    uint8_t small = 0xAA;
    ini->ReadFlags("one", small);
    EXPECT_EQ(small, 4);
    ini->ReadFlags("bad", small);
    EXPECT_EQ(small, 4);
    uint16_t two = 0;
    ini->ReadFlags("wide", two);
    EXPECT_EQ(two, 0xFFFF);
    uint32_t four = 0x80000001u;
    ini->WriteFlags("four", four);
    EXPECT_EQ(ini->ReadString("four", ""), "-2147483647");
    uint32_t back = 0;
    ini->ReadFlags("four", back);
    EXPECT_EQ(back, four);
    uint8_t bytes[3] = {1, 2, 3};
    ini->WriteFlags("three", std::span<const uint8_t>(bytes));
    EXPECT_EQ(ini->ReadInteger("three", 0), 0x030201);
}

TEST_F(IniTest, StringListsRoundTripAndBoundedListsKeepMax) {
    auto ini = Over("");
    TMaxStringList recent(3);
    recent.Add("c.bmp");
    recent.Add(" b.bmp");
    recent.Add("a=1.png");
    ini->Section = "FileHistory";
    ini->WriteStrings(recent);
    EXPECT_EQ(FileText(), "[FileHistory]\nMax=3\nC=3\nS0=c.bmp\nS1=\" b.bmp\"\nS2=a=1.png\n");

    TMaxStringList back;
    back.Add("stale");
    ini->ReadStrings(back);
    EXPECT_EQ(back.Max(), 3);
    EXPECT_EQ(back.Items(), recent.Items());

    TStringListEx plain;
    ini->ReadStrings(plain);
    EXPECT_EQ(plain.Items(), recent.Items());
    ini->Section = "Other";
    ini->WriteStrings(plain);
    EXPECT_EQ(ini->ReadString("Max", "absent"), "absent");
}

TEST_F(IniTest, StringListCountsAreBoundedByTheKeysPresent) {
    auto ini = Over("[S]\nMax=20\nC=2000000000\nS0=a\nS1=a\nS3=d\n[T]\nC=-4\nS0=x\n");
    TMaxStringList list;
    ini->ReadStrings(list);  // must not add two billion entries
    EXPECT_EQ(list.Max(), 20);
    // Five keys: S0 … S4 are read, the missing ones as "", and equal entries collapse.
    EXPECT_EQ(list.Items(), (std::vector<std::string>{"a", "d", ""}));
    ini->Section = "T";
    TStringListEx plain;
    ini->ReadStrings(plain);
    EXPECT_EQ(plain.Count(), 0);
}

TEST_F(IniTest, FontsTravelAsReversibleText) {
    auto ini = Over("[S]\nbad=12,1\nstyle=9,16,0,Sans\n");
    TFontSpec font{"Noto Sans, Bold", 12, kFontBold | kFontUnderline, 0x00FF8000};
    ini->WriteFont("Font", font);
    TFontSpec back;
    ini->ReadFont("Font", &back);
    EXPECT_EQ(back, font);
    TFontSpec kept = back;
    ini->ReadFont("bad", &back);
    ini->ReadFont("style", &back);
    ini->ReadFont("missing", &back);
    EXPECT_EQ(back, kept);
    ini->ReadFont("Font", nullptr);
    EXPECT_FALSE(TextToFont("0,0,0,x", back));
}

TEST(FontDescription, NameSizeStyleAndCharacterSet) {
    const TFontSpec base{"Old", 20, kFontBold, 0x0000FF};
    const TFontSpec font{"Noto Sans, Bold", 12, kFontItalic | kFontStrikeOut, 0x0000FF};
    EXPECT_EQ(FontDescription(font), "Noto Sans, Bold,12,10,1");
    int charSet = 0;
    EXPECT_EQ(ParseFontDescription(FontDescription(font), base, &charSet), font);
    EXPECT_EQ(charSet, 1);
    // A missing or bad size: 9, style 0, character set 128.
    for (const char* text : {"Sans", "Sans,x,3,0", "Sans,0,3,0", "Sans,1001,3,0"}) {
        const TFontSpec back = ParseFontDescription(text, base, &charSet);
        EXPECT_EQ(back, (TFontSpec{"Sans", 9, 0, 0x0000FF})) << text;
        EXPECT_EQ(charSet, 128) << text;
    }
    EXPECT_EQ(ParseFontDescription("Sans,14", base, &charSet), (TFontSpec{"Sans", 14, 0, 0x0000FF}));
    EXPECT_EQ(charSet, 128);
}

TEST_F(IniTest, SectionScopePutsTheCallersSectionBack) {
    auto ini = Over("");
    {
        TSectionScope scope(*ini, "Inner");
        ini->WriteInteger("k", 1);
    }
    EXPECT_EQ(ini->Section, "S");
    EXPECT_EQ(FileText(), "[Inner]\nk=1\n");
}

}  // namespace
}  // namespace pixmo
