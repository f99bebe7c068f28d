#include "common/files/TextFiles.h"
#include "settings/mdlOption.h"
#include "tests/common/PlantedFiles.h"
#include "tests/settings/Helpers.h"

#include <QDir>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace tolvekin {
namespace {

using test::ReadBytes;
using test::WriteBytes;
using testing::DialogAnswerer;

class SettingsFile : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(dir.isValid());
        dataDir = dir.path() + "/";
        settings.SettingsPath = (dataDir + "TlvPar.txt").toStdString();
    }
    QString path() const { return QString::fromStdString(settings.SettingsPath); }

    QTemporaryDir dir;
    QString dataDir;
    Settings settings;
};

TEST_F(SettingsFile, BuiltinSettingsAreWrittenByteForByte) {
    ParseSettings(settings, QString()); // the built-in values on an 8 x 8 board
    ASSERT_TRUE(WriteSettings(settings, 1860, 2400));
    const QByteArray expected = "/FLASHFalse\r\n"
                                "/CURSORFalse\r\n"
                                "/BORDERTrue\r\n"
                                "/CROSSTrue\r\n"
                                "/THRUFalse\r\n"
                                "/BACKFalse\r\n"
                                "/TITLE\x82\xdb\x82\xe9\x82\xdb\x82\xe7\r\n"
                                "/CHAR1\x82\xa8\x82\xd0\x82\xb3\x82\xdc\r\n"
                                "/CHAR2\x82\xa8\x82\xb3\x82\xa9\x82\xc8\r\n"
                                "/CHAR3\x82\xad\x82\xdc\x82\xb3\x82\xf1\r\n"
                                "/KOMA1SUN\r\n"
                                "/KOMA2FISH\r\n"
                                "/MODE1\r\n"
                                "/LEVEL1\r\n"
                                "/MONOFalse\r\n"
                                "/COLOR-2147483633\r\n"
                                "/CLRBRD16777215\r\n"
                                "/MAXX8\r\n"
                                "/MAXY8\r\n"
                                "/MIDX4\r\n"
                                "/MIDY4\r\n"
                                "[MoveSize]\r\n"
                                "/TOP1860\r\n"
                                "/LEFT2400\r\n";
    EXPECT_EQ(ReadBytes(path()), expected);
}

TEST_F(SettingsFile, WindowPositionIsWrittenInShortestForm) {
    ASSERT_TRUE(WriteSettings(settings, 1234.5, 0));
    const QByteArray bytes = ReadBytes(path());
    EXPECT_TRUE(bytes.contains("\r\n/TOP1234.5\r\n/LEFT0\r\n"));
    EXPECT_EQ(bytes.count("\r\n"), 24);
}

TEST_F(SettingsFile, WrittenSettingsReadBackWithLatinLettersUpperCase) {
    Settings written;
    written.SettingsPath = settings.SettingsPath;
    written.FlashMove = true;
    written.HintCursor = true;
    written.ShowBorder = false;
    written.ShowCross = false;
    written.SeeThrough = true;
    written.BackPicture = true;
    written.GameTitle = "Abcぽ";
    written.CharName = {"", "sun1", "さかなx", "Bear"};
    written.CharSet = {"", "BEAR", "SUN"};
    written.GameMode = 3;
    written.GameLevel = 2;
    written.MonoPieces = true;
    written.BackgroundColor = 0x0000FF;
    written.BoardColor = static_cast<int32_t>(0x80000005);
    written.NextMaxBoardX = 12;
    written.NextMaxBoardY = 10;
    written.NextMidX = 3;
    written.NextMidY = 9;
    ASSERT_TRUE(WriteSettings(written, 1860, 2400));

    ReadSettings(settings, dataDir, {});
    EXPECT_TRUE(settings.FlashMove);
    EXPECT_TRUE(settings.HintCursor);
    EXPECT_FALSE(settings.ShowBorder);
    EXPECT_FALSE(settings.ShowCross);
    EXPECT_TRUE(settings.SeeThrough);
    EXPECT_TRUE(settings.BackPicture);
    EXPECT_EQ(settings.GameTitle, "ABCぽ");
    EXPECT_EQ(settings.CharName[1], "SUN1");
    EXPECT_EQ(settings.CharName[2], "さかなX");
    EXPECT_EQ(settings.CharName[3], "BEAR");
    EXPECT_EQ(settings.CharSet[1], "BEAR");
    EXPECT_EQ(settings.CharSet[2], "SUN");
    EXPECT_EQ(settings.GameMode, 3);
    EXPECT_EQ(settings.GameLevel, 2);
    EXPECT_TRUE(settings.MonoPieces);
    EXPECT_EQ(settings.BackgroundColor, 0x0000FF);
    EXPECT_EQ(settings.BoardColor, static_cast<int32_t>(0x80000005));
    EXPECT_EQ(settings.BoardWidth, 12);
    EXPECT_EQ(settings.BoardHeight, 10);
    EXPECT_EQ(settings.NextMaxBoardX, 12);
    EXPECT_EQ(settings.NextMaxBoardY, 10);
    EXPECT_EQ(settings.MidX, 3);
    EXPECT_EQ(settings.NextMidY, 9);
    EXPECT_EQ(settings.WindowTop, 1860);
    EXPECT_EQ(settings.WindowLeft, 2400);
}

TEST_F(SettingsFile, FailedSaveShowsMessageAndLeavesOldFileAlone) {
    // The name is so long that no spare file can be made beside it, so the save cannot
    // complete, whoever runs the test.
    settings.SettingsPath = (dataDir + QString(250, u'p')).toStdString();
    const QByteArray old = "/MODE2\r\n";
    WriteBytes(path(), old);
    DialogAnswerer dialogs;
    EXPECT_FALSE(WriteSettings(settings, 0, 0));
    ASSERT_EQ(dialogs.messages.size(), 1);
    EXPECT_TRUE(dialogs.messages[0].startsWith(
        QStringLiteral(u"とりきめをファイルに保存できませんでした\n")));
    EXPECT_GT(dialogs.messages[0].size(), 21);
    EXPECT_EQ(ReadBytes(path()), old);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files).size(), 1);
}

TEST_F(SettingsFile, SaveIntoMissingFolderShowsMessage) {
    settings.SettingsPath = (dataDir + "no/such/TlvPar.txt").toStdString();
    DialogAnswerer dialogs;
    EXPECT_FALSE(WriteSettings(settings, 0, 0));
    EXPECT_EQ(dialogs.messages.size(), 1);
}

TEST_F(SettingsFile, SaveOverALinkPipeDeviceOrFolderIsRefusedInOneMessage) {
    for (const test::Planted shape : test::EveryShape()) {
        SCOPED_TRACE(test::Describe(shape));
        QTemporaryDir data;
        settings.SettingsPath = data.filePath("TlvPar.txt").toStdString();
        const test::PlantedFile planted(path(), shape);
        SKIP_UNLESS_PLANTED(planted, shape);
        DialogAnswerer dialogs;
        EXPECT_FALSE(WriteSettings(settings, 0, 0));
        ASSERT_EQ(dialogs.messages.size(), 1);
        EXPECT_TRUE(dialogs.messages[0].endsWith(
            QStringLiteral("\nTlvPar.txt は%1のため書き込みません")
                .arg(shape == test::Planted::Fifo     ? "名前付きパイプ"
                     : shape == test::Planted::Device ? "デバイス"
                     : shape == test::Planted::Folder ? "フォルダ"
                                                      : "シンボリックリンク")))
            << dialogs.messages[0].toStdString();
        planted.ExpectUntouched();
    }
}

TEST_F(SettingsFile, ReaderJoinsLinesAndTakesKeysInAnyOrder) {
    WriteBytes(path(), "/MIDX2 /MAXX10\r\n/HEIGHT300 /WIDTH400\n/MODE2");
    EXPECT_EQ(ReadSettingsFile(path()), "/MIDX2 /MAXX10 /HEIGHT300 /WIDTH400 /MODE2 ");
    ReadSettings(settings, dataDir, {});
    EXPECT_EQ(settings.BoardWidth, 10);
    EXPECT_EQ(settings.MidX, 2);
    EXPECT_EQ(settings.GameMode, 2);
    EXPECT_EQ(settings.WindowTop, 0);
    EXPECT_EQ(settings.WindowLeft, 0);
}

TEST_F(SettingsFile, MissingOrFolderSettingsFileReadsAsEmpty) {
    EXPECT_EQ(ReadSettingsFile(path()), "");
    ASSERT_TRUE(QDir(dir.path()).mkdir("TlvPar.txt"));
    EXPECT_EQ(ReadSettingsFile(path()), "");
    ReadSettings(settings, dataDir, {});
    EXPECT_EQ(settings.GameMode, 1);
}

TEST_F(SettingsFile, DamagedFileStillGivesTheReadableSettings) {
    WriteBytes(path(), "/TITLE\xff\x82\xa0\r\n/MODE\x81\r\n/LEVEL2\r\n/CHAR1\x82");
    ReadSettings(settings, dataDir, {});
    EXPECT_EQ(settings.GameTitle, "\uFFFDあ");
    EXPECT_EQ(settings.GameMode, 1);
    EXPECT_EQ(settings.GameLevel, 2);
    EXPECT_EQ(settings.CharName[1], "\uFFFD");
}

TEST_F(SettingsFile, TitleAndNameFilesOverrideBuiltinTexts) {
    WriteBytes(dataDir + "TLVTITLE.TXT",
               "\x82\xa0\x82\xa2\x82\xa4\x82\xa6\x82\xa8\x82\xa9\x82\xab\x82\xad\r\nnext\r\n");
    WriteBytes(dataDir + "TLVSUN.TXT", "\x82\xcd\x82\xc8\r\n");
    WriteBytes(dataDir + "TLVFISH.TXT", "abcdefg\r\n");
    WriteBytes(dataDir + "TLVBEAR.TXT", "\r\nlater\r\n"); // empty first line
    LoadNames(settings, dataDir, false);
    EXPECT_EQ(settings.GameTitle, "あいうえおか");
    EXPECT_EQ(settings.CharName[1], "はな");
    EXPECT_EQ(settings.CharName[2], "abcde"); // the letter case of a name file is kept
    EXPECT_EQ(settings.CharName[3], "くまさん");

    LoadNames(settings, dataDir, true);
    EXPECT_EQ(settings.GameTitle, "ぽるぽら");
    EXPECT_EQ(settings.CharName[1], "おひさま");
    EXPECT_EQ(settings.CharName[2], "おさかな");
}

TEST_F(SettingsFile, FirstLineStopsAtLineEndOrLimit) {
    const QString file = dataDir + "n.txt";
    WriteBytes(file, "ab\rcd");
    EXPECT_EQ(ReadFirstLine(file, 5), "ab");
    WriteBytes(file, "ab\ncd");
    EXPECT_EQ(ReadFirstLine(file, 5), "ab");
    WriteBytes(file, "abcdef\r\n");
    EXPECT_EQ(ReadFirstLine(file, 6), "abcdef");
    EXPECT_EQ(ReadFirstLine(file, 3), "abc");
    EXPECT_EQ(ReadFirstLine(file, 0), "");
    EXPECT_EQ(ReadFirstLine(dataDir + "none.txt", 6), "");
    EXPECT_EQ(ReadFirstLine(dir.path(), 6), "");
}

TEST_F(SettingsFile, SnapshotRestoresOnlyTheDialogSettings) {
    SettingsSnapshot snapshot;
    settings.GameTitle = "ABC";
    settings.GameMode = 2;
    SnapshotSettings(settings, snapshot, true);
    settings.GameTitle = "XYZ";
    settings.GameMode = 3;
    settings.CharSet[1] = "BEAR";
    settings.BoardColor = 0;
    settings.HintCursor = true;
    settings.NextMaxBoardX = 20;
    SnapshotSettings(settings, snapshot, false);
    EXPECT_EQ(settings.GameTitle, "ABC");
    EXPECT_EQ(settings.GameMode, 2);
    EXPECT_EQ(settings.CharSet[1], "SUN");
    EXPECT_EQ(settings.BoardColor, 0xFFFFFF);
    EXPECT_TRUE(settings.HintCursor); // not part of the snapshot
    EXPECT_EQ(settings.NextMaxBoardX, 20);
}

} // namespace
} // namespace tolvekin
