#include "settings/mdlOption.h"

#include <gtest/gtest.h>

namespace tolvekin {
namespace {

TEST(SettingsGetOption, ValueRunsFromKeyToNextBlank) {
    EXPECT_EQ(GetOption("/MODE2 /LEVEL1", "/MODE"), "2");
    EXPECT_EQ(GetOption("/MODE2 /LEVEL1", "/LEVEL"), "1");
    EXPECT_EQ(GetOption("/MODE2", "/LEVEL"), "");
    EXPECT_EQ(GetOption("/MODE /LEVEL1", "/MODE"), "");
    EXPECT_EQ(GetOption("/mode2", "/MODE"), "");         // exact letter case
    EXPECT_EQ(GetOption("X/MODE2Y", "/MODE"), "2Y");     // also inside a longer word
    EXPECT_EQ(GetOption("/MODE1 /MODE2", "/MODE"), "1"); // the first occurrence counts
}

TEST(SettingsGetOption, ParPathRunsToTheNextSwitch) {
    EXPECT_EQ(GetOption("/PARA B.TXT /MODE2", "/PAR"), "A B.TXT");
    EXPECT_EQ(GetOption("/PARA.TXT", "/PAR"), "A.TXT");
    EXPECT_EQ(GetOption("\"/PARA B.TXT\" /MODE2", "/PAR"), "A B.TXT");
    EXPECT_EQ(GetOption("\"/PARA B.TXT\"", "/PAR"), "A B.TXT");
    EXPECT_EQ(GetOption("/PAR/HOME/U/SET.TXT /MODE2", "/PAR"), "/HOME/U/SET.TXT");
    EXPECT_EQ(GetOption("\"/PAR/HOME/MY SET.TXT\" /MODE2", "/PAR"), "/HOME/MY SET.TXT");
    EXPECT_EQ(GetOption("/PAR /MODE2", "/PAR"), "");
}

TEST(SettingsNumbers, AcceptsSignBlanksAndOneDecimalPoint) {
    EXPECT_EQ(ParseNumber("12.5"), 12.5);
    EXPECT_EQ(ParseNumber("-300"), -300);
    EXPECT_EQ(ParseNumber(" 7 "), 7);
    EXPECT_EQ(ParseNumber("+.5"), 0.5);
    EXPECT_EQ(ParseNumber("3."), 3);
    EXPECT_EQ(ParseNumber(QStringLiteral(u"１２")), 12);
    EXPECT_EQ(ParseNumber(QStringLiteral(u"－３．５")), -3.5);
    for (const char* bad : {"", " ", "-", ".", "1.2.3", "1e3", "&H10", "1,000", "12a", "- 1"}) {
        EXPECT_FALSE(ParseNumber(bad).has_value()) << bad;
    }
}

TEST(SettingsBoardSize, RangeIsCheckedBeforeRounding) {
    EXPECT_EQ(CheckBoardSize("2", true), 2);
    EXPECT_EQ(CheckBoardSize("38", true), 38);
    EXPECT_EQ(CheckBoardSize("39", true), 0);
    EXPECT_EQ(CheckBoardSize("38.4", true), 0);
    EXPECT_EQ(CheckBoardSize("2.4", true), 2);
    EXPECT_EQ(CheckBoardSize("1.9", true), 0);
    EXPECT_EQ(CheckBoardSize("26", false), 26);
    EXPECT_EQ(CheckBoardSize("27", false), 0);
    EXPECT_EQ(CheckBoardSize("12.5", false), 12);
    EXPECT_EQ(CheckBoardSize("13.5", false), 14);
    EXPECT_EQ(CheckBoardSize("", false), 0);
    EXPECT_EQ(CheckBoardSize("ten", false), 0);
}

TEST(SettingsBoardSize, GivesFullWidthRangeText) {
    QString range;
    CheckBoardSize("1", true, &range);
    EXPECT_EQ(range, QStringLiteral(u"２～３８"));
    CheckBoardSize("8", false, &range);
    EXPECT_EQ(range, QStringLiteral(u"２～２６"));
}

TEST(SettingsInitialBlock, OnlyOneToSizeLessOneIsTaken) {
    EXPECT_EQ(CheckInitialBlock("1", 8), 1);
    EXPECT_EQ(CheckInitialBlock("7", 8), 7);
    EXPECT_EQ(CheckInitialBlock("8", 8), 0);
    EXPECT_EQ(CheckInitialBlock("7.4", 8), 0);
    EXPECT_EQ(CheckInitialBlock("0", 8), 0);
    EXPECT_EQ(CheckInitialBlock("-1", 8), 0);
    EXPECT_EQ(CheckInitialBlock("0.5", 8), 0); // rounds to 0
    EXPECT_EQ(CheckInitialBlock("2.5", 8), 2);
    EXPECT_EQ(CheckInitialBlock(" 3", 8), 3); // a two-character cell tag
    EXPECT_EQ(CheckInitialBlock("x", 8), 0);
}

class ScreenFit : public ::testing::Test {
protected:
    void Fit(double widthPixels, double heightPixels, double twipsPerPixel = 15) {
        screen.WidthTwips = widthPixels * twipsPerPixel;
        screen.HeightTwips = heightPixels * twipsPerPixel;
        screen.TwipsPerPixelX = twipsPerPixel;
        screen.TwipsPerPixelY = twipsPerPixel;
        GetMaxBoardSize(screen, rows, cols);
    }
    ScreenMetrics screen;
    int32_t rows = -1;
    int32_t cols = -1;
};

TEST_F(ScreenFit, CommonScreensGiveTheBoardsThatFit) {
    Fit(1024, 768);
    EXPECT_EQ(rows, 14);
    EXPECT_EQ(cols, 17);
    Fit(640, 480);
    EXPECT_EQ(rows, 8);
    EXPECT_EQ(cols, 9);
    Fit(1280, 1024, 12); // 120 dpi: the same twips, fewer of them per pixel
    EXPECT_EQ(rows, 19);
    EXPECT_EQ(cols, 21);
}

TEST_F(ScreenFit, LargeScreensGiveTheLargestBoard) {
    Fit(1024, 2000);
    EXPECT_EQ(rows, 26);
    EXPECT_EQ(cols, 17);
    Fit(3000, 768);
    EXPECT_EQ(cols, 38);
}

TEST_F(ScreenFit, WiderPanelLeavesFewerColumns) {
    screen.PanelWidth = 0; // not set yet: the default width
    Fit(1024, 768);
    EXPECT_EQ(screen.PanelWidth, 2655);
    EXPECT_EQ(cols, 17);
    screen.PanelWidth = 2655 + 49 * 15 * 2;
    Fit(1024, 768);
    EXPECT_EQ(cols, 15);
}

} // namespace
} // namespace tolvekin
