#include "settings/mdlOption.h"
#include "tests/settings/Helpers.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace tolvekin {
namespace {

using test::ReadBytes;
using test::WriteBytes;

class CommandLine : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(dir.isValid());
        dataDir = dir.path() + "/";
    }
    // The command line as the program gets it: words split at blanks.
    void Start(const QString& line) {
        ReadSettings(settings, dataDir, line.split(u' ', Qt::SkipEmptyParts));
    }
    QString path() const { return QString::fromStdString(settings.SettingsPath); }

    QTemporaryDir dir;
    QString dataDir;
    Settings settings;
};

TEST_F(CommandLine, NothingAtAllGivesTheBuiltinSettings) {
    settings.GameMode = 3; // left from somewhere else; start-up resets it
    settings.ShowBorder = false;
    Start("");
    const Settings builtin;
    EXPECT_EQ(settings.FlashMove, builtin.FlashMove);
    EXPECT_EQ(settings.HintCursor, builtin.HintCursor);
    EXPECT_TRUE(settings.ShowBorder);
    EXPECT_TRUE(settings.ShowCross);
    EXPECT_EQ(settings.GameTitle, "ぽるぽら");
    EXPECT_EQ(settings.CharName, builtin.CharName);
    EXPECT_EQ(settings.CharSet, builtin.CharSet);
    EXPECT_EQ(settings.GameMode, 1);
    EXPECT_EQ(settings.GameLevel, 1);
    EXPECT_EQ(settings.BackgroundColor, -2147483633);
    EXPECT_EQ(settings.BoardColor, 0xFFFFFF);
    EXPECT_EQ(settings.BoardWidth, 8);
    EXPECT_EQ(settings.BoardHeight, 8);
    EXPECT_EQ(settings.MidX, 4);
    EXPECT_EQ(settings.MidY, 4);
    EXPECT_EQ(settings.NextMidX, 4);
    EXPECT_EQ(path(), dataDir + "TlvPar.txt");

    ReadSettings(settings, dataDir, {"  ", ""}); // only blanks counts as nothing
    EXPECT_EQ(path(), dataDir + "TlvPar.txt");
}

TEST_F(CommandLine, SwitchesSetTheirValuesAndTheFileIsNotRead) {
    WriteBytes(dataDir + "TlvPar.txt", "/MODE3 /MONOTrue\r\n");
    Start("/MODE2 /LEVEL2 /KOMA1BEAR");
    EXPECT_EQ(settings.GameMode, 2);
    EXPECT_EQ(settings.GameLevel, 2);
    EXPECT_EQ(settings.CharSet[1], "BEAR");
    EXPECT_EQ(settings.CharSet[2], "FISH");
    EXPECT_FALSE(settings.MonoPieces);
    EXPECT_EQ(path(), dataDir + "TlvPar.txt");

    Start("/mode2 /koma2bear"); // switches are read upper-cased
    EXPECT_EQ(settings.GameMode, 2);
    EXPECT_EQ(settings.CharSet[2], "BEAR");
}

TEST_F(CommandLine, BlankBetweenKeyAndValueLeavesTheValueEmpty) {
    Start("/MODE 2");
    EXPECT_EQ(settings.GameMode, 1);
    Start("/MODE4 /LEVEL4 /KOMA1CAT /FLASH1 /CURSORTRUE /BORDER0 /CROSSMAYBE");
    EXPECT_EQ(settings.GameMode, 1);
    EXPECT_EQ(settings.GameLevel, 1);
    EXPECT_EQ(settings.CharSet[1], "SUN");
    EXPECT_TRUE(settings.FlashMove);
    EXPECT_TRUE(settings.HintCursor);
    EXPECT_FALSE(settings.ShowBorder);
    EXPECT_TRUE(settings.ShowCross);
}

TEST_F(CommandLine, ParFileWinsOverTheCommandLine) {
    const QString file = dataDir + "D:\\X\\SET.TXT"; // a plain file name here
    WriteBytes(file, "/MODE2\r\n");
    Start("/PARD:\\X\\SET.TXT /MODE3 /LEVEL2 /TITLEAB");
    EXPECT_EQ(path(), file);
    EXPECT_EQ(settings.GameMode, 2);
    EXPECT_EQ(settings.GameLevel, 1);    // an absent key gets its built-in value again
    EXPECT_EQ(settings.GameTitle, "AB"); // an absent title is left alone
}

TEST_F(CommandLine, MissingParFileKeepsCommandLineAndIsCreatedBySave) {
    const QString file = dataDir + "D:\\X\\SET.TXT";
    Start("/PARD:\\X\\SET.TXT /MODE3");
    EXPECT_EQ(settings.GameMode, 3);
    EXPECT_EQ(path(), file);
    EXPECT_TRUE(ReadBytes(file).isEmpty());
    ASSERT_TRUE(WriteSettings(settings, 0, 0));
    EXPECT_TRUE(ReadBytes(file).contains("\r\n/MODE3\r\n"));
}

TEST_F(CommandLine, ParPathKeepsItsLetterCase) {
    WriteBytes(dataDir + "MySet.Txt", "/LEVEL2\r\n");
    WriteBytes(dataDir + "MYSET.TXT", "/LEVEL1 /MONO1\r\n");
    Start("/mode3 /ParMySet.Txt /flash1");
    EXPECT_EQ(path(), dataDir + "MySet.Txt");
    EXPECT_EQ(settings.GameLevel, 2);
    EXPECT_FALSE(settings.MonoPieces);
}

TEST_F(CommandLine, ParPathKeepsCaseAfterTextThatGrowsWhenUpperCased) {
    // "ß" upper-cases to "SS", so positions in the upper-cased text are one further on.
    WriteBytes(dataDir + "Straße set.txt", "/LEVEL2\r\n");
    Start("/TITLEß \"/PARStraße set.txt\" /MODE2");
    EXPECT_EQ(path(), dataDir + "Straße set.txt");
    EXPECT_EQ(settings.GameLevel, 2);
    EXPECT_EQ(settings.GameTitle, "SS");
}

TEST_F(CommandLine, QuotedParPathMayHoldBlanks) {
    WriteBytes(dataDir + "my settings.txt", "/MODE2\r\n");
    Start("\"/PARmy settings.txt\"");
    EXPECT_EQ(path(), dataDir + "my settings.txt");
    EXPECT_EQ(settings.GameMode, 2);
}

TEST_F(CommandLine, ParTakesAnAbsolutePathWithItsSlashes) {
    WriteBytes(dataDir + "Sub Set.txt", "/LEVEL2\r\n");
    Start("\"/PAR" + dataDir + "Sub Set.txt\" /MODE3");
    EXPECT_EQ(path(), dataDir + "Sub Set.txt");
    EXPECT_EQ(settings.GameLevel, 2);
}

TEST_F(CommandLine, ParFollowedByTheNextSwitchMeansNoSettingsFile) {
    WriteBytes(dataDir + "TlvPar.txt", "/MODE2\r\n");
    Start("/PAR /MODE3");
    EXPECT_EQ(path(), dataDir + "TlvPar.txt");
    EXPECT_EQ(settings.GameMode, 3);
}

TEST_F(CommandLine, BoardSizeOutsideItsRangeGivesEight) {
    Start("/MAXX39 /MAXY27");
    EXPECT_EQ(settings.BoardWidth, 8);
    EXPECT_EQ(settings.BoardHeight, 8);
    Start("/MAXX38 /MAXY26");
    EXPECT_EQ(settings.BoardWidth, 38);
    EXPECT_EQ(settings.BoardHeight, 26);
    EXPECT_EQ(settings.NextMaxBoardX, 38);
    EXPECT_EQ(settings.NextMaxBoardY, 26);
    Start("/MAXX12.5");
    EXPECT_EQ(settings.BoardWidth, 12);
}

TEST_F(CommandLine, InitialBlockDefaultsToTheCentreRoundedToEven) {
    Start("/MAXX9");
    EXPECT_EQ(settings.MidX, 4);
    Start("/MAXX11 /MAXY3");
    EXPECT_EQ(settings.MidX, 6);
    EXPECT_EQ(settings.MidY, 2);
    EXPECT_EQ(settings.NextMidX, 6);
}

TEST_F(CommandLine, InitialBlockMustLeaveRoomForTheBlock) {
    Start("/MAXX10 /MIDX9");
    EXPECT_EQ(settings.MidX, 9);
    Start("/MAXX10 /MIDX10");
    EXPECT_EQ(settings.MidX, 5);
    Start("/MAXX10 /MIDX0");
    EXPECT_EQ(settings.MidX, 5);
    Start("/MAXX10 /MIDX-3");
    EXPECT_EQ(settings.MidX, 5);
    EXPECT_EQ(settings.NextMidX, 5);
}

TEST_F(CommandLine, TitleAndNamesTakeSixUpperCasedCharacters) {
    Start("/TITLEabcdefgh /CHAR2ねこねこねこねこ");
    EXPECT_EQ(settings.GameTitle, "ABCDEF");
    EXPECT_EQ(settings.CharName[2], "ねこねこねこ");
    EXPECT_EQ(settings.CharName[1], "おひさま");
}

TEST_F(CommandLine, ColoursAreSignedDecimalNumbers) {
    Start("/COLORxyz /CLRBRD-1");
    EXPECT_EQ(settings.BackgroundColor, static_cast<int32_t>(0x8000000F));
    EXPECT_EQ(settings.BoardColor, -1);
    Start("/COLOR255 /CLRBRD99999999999");
    EXPECT_EQ(settings.BackgroundColor, 0x0000FF);
    EXPECT_EQ(settings.BoardColor, 0xFFFFFF);
}

TEST_F(CommandLine, WindowPositionIsTakenAsAbsoluteValue) {
    Start("/TOP-300 /LEFT2400.5");
    EXPECT_EQ(settings.WindowTop, 300);
    EXPECT_EQ(settings.WindowLeft, 2400);
    ParseSettings(settings, QStringLiteral("/TOPX /LEFT"));
    EXPECT_EQ(settings.WindowTop, 300);
    EXPECT_EQ(settings.WindowLeft, 2400);
}

TEST_F(CommandLine, NullTextResetsAllButBoardNamesAndPosition) {
    Start("/MAXX12 /MIDX3 /MODE3 /MONO1 /TITLEABC /TOP90 /COLOR5 /BORDER0");
    ParseSettings(settings, std::nullopt);
    EXPECT_EQ(settings.GameMode, 1);
    EXPECT_FALSE(settings.MonoPieces);
    EXPECT_TRUE(settings.ShowBorder);
    EXPECT_EQ(settings.BackgroundColor, SystemButtonFace);
    EXPECT_EQ(settings.BoardWidth, 12);
    EXPECT_EQ(settings.NextMaxBoardX, 12);
    EXPECT_EQ(settings.MidX, 3);
    EXPECT_EQ(settings.GameTitle, "ABC");
    EXPECT_EQ(settings.WindowTop, 90);
}

} // namespace
} // namespace tolvekin
