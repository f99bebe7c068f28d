#include "BusyCursor.h"
#include "ScoreFile.h"
#include "ScoreTables.h"
#include "ScoreTestSupport.h"

#include <QDir>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace tolvekin;
using namespace tolvekin::test;

namespace {

const QByteArray Damaged = "\"end 1\",\"a\",\"10\",\"t\",\"1\",\"0\",\"1\"\r\n"
                           "\"1\",\"a\",\"10\",\"t\",\"1\",\"0\",\"1\"\r\nrec,1,0,0,0,0,0\r\n";

class ScoreWriteTest : public ::testing::Test {
protected:
    QString Path() const { return dir_.filePath(QStringLiteral("TLVA0507.TXT")); }
    QString Backup() const { return dir_.filePath(QStringLiteral("TLVA0507.bak")); }
    bool Read(ScoreTable& table) {
        return ReadScoreFile(table, Path(), 5, 7, ReadScoreHeader(table, Path()));
    }
    void TearDown() override {
        EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
        EXPECT_FALSE(dialogs.BusyDuringMessage);
    }

    QTemporaryDir dir_;
    ScoreDialogs dialogs;
};

} // namespace

TEST_F(ScoreWriteTest, UnreadableFileIsKeptBeforeItIsWrittenOver) {
    // A table that reads, of the older layout without a header too, is simply replaced.
    WriteBytes(Path(), "\"1\",\"a\",\"10\",\"t\",\"1\",\"0\",\"1\"\r\nini,0202,0,0,0,0,0\r\n");
    ASSERT_TRUE(WriteScoreFile(MakeScoreTable(5, 7, 1, 3), Path()));
    EXPECT_FALSE(QFileInfo::exists(Backup()));

    WriteBytes(Path(), Damaged);
    ScoreTable table;
    EXPECT_FALSE(Read(table));
    ASSERT_EQ(dialogs.Messages.size(), 1);

    // A result recorded next becomes the only entry; the damaged table moves aside first.
    const ScoreTable fresh = MakeScoreTable(5, 7, 1, 11);
    ASSERT_TRUE(WriteScoreFile(fresh, Path()));
    EXPECT_EQ(ReadBytes(Backup()), Damaged);
    ScoreTable read;
    ASSERT_TRUE(Read(read));
    ExpectSameEntries(fresh, read, 1);

    // Writing over a table that reads leaves the backup alone.
    ASSERT_TRUE(WriteScoreFile(MakeScoreTable(5, 7, 3, 12), Path()));
    EXPECT_EQ(ReadBytes(Backup()), Damaged);
    EXPECT_EQ(dialogs.Messages.size(), 1);
}

TEST_F(ScoreWriteTest, FailedWriteKeepsThePreviousFileAndSaysSo) {
    // The damaged table cannot be kept (a folder holds the backup name): nothing is written.
    WriteBytes(Path(), Damaged);
    ASSERT_TRUE(QDir(dir_.path()).mkpath(QStringLiteral("TLVA0507.bak/inside")));
    EXPECT_FALSE(WriteScoreFile(MakeScoreTable(5, 7, 2, 1), Path()));
    ASSERT_EQ(dialogs.Messages.size(), 1);
    EXPECT_TRUE(dialogs.Messages[0].startsWith(QStringLiteral("スコアファイル出力エラーです。\n")));
    EXPECT_TRUE(
        dialogs.Messages[0].endsWith(QStringLiteral("前のスコアファイルはそのまま残っています。")));
    EXPECT_EQ(ReadBytes(Path()), Damaged);

    // A folder in the place of the file cannot be replaced.
    const QString folder = dir_.filePath(QStringLiteral("TLVAHIGH.TXT"));
    ASSERT_TRUE(QDir(dir_.path()).mkpath(QStringLiteral("TLVAHIGH.TXT/inside")));
    EXPECT_FALSE(WriteScoreFile(MakeScoreTable(8, 8, 1, 1), folder));
    EXPECT_EQ(dialogs.Messages.size(), 2);
    EXPECT_TRUE(QFileInfo(folder).isDir());
}

TEST_F(ScoreWriteTest, RepairMendsTheOlderLayout) {
    // An older file: no header, a name with a comma, the old token 0 for moves not played.
    const QByteArray old =
        "\"1\",\"\x82\xbd\x82\xeb\x82\xa4, \x95\\\",\"150\",\"t\",\"3\",\"2\",\"5\"\r\n"
        "ini,0203,0,0,0,0,0\r\n"
        "rec,110304,0\r\n"
        "  rec,1 10304,0,  \r\n"
        "\r\n"
        "rec,110304,120405,0,0,0,0,0,0\r\n";
    WriteBytes(Path(), old);
    ScoreTable before;
    EXPECT_FALSE(Read(before));
    ASSERT_EQ(dialogs.Messages.size(), 1);

    ASSERT_TRUE(RepairScoreFile(Path()));
    EXPECT_EQ(dialogs.Messages.size(), 1);
    EXPECT_EQ(ReadBytes(Backup()), old);
    const QStringList lines = QString::fromLatin1(ReadBytes(Path())).split(QStringLiteral("\r\n"));
    ASSERT_EQ(lines.size(), 6); // five records and the end of the last line
    EXPECT_EQ(lines[2], "rec,110304,000000,000000,000000,000000,000000");
    EXPECT_EQ(lines[3], "rec,110304,000000,000000,000000,000000,000000");
    EXPECT_EQ(lines[4], "rec,110304,120405,000000,000000,000000,000000");

    ScoreTable after;
    ASSERT_TRUE(Read(after));
    EXPECT_EQ(dialogs.Messages.size(), 1);
    EXPECT_EQ(after.EntryCount(), 1);
    EXPECT_EQ(after.ScoreText[1][ScoreColName], QStringLiteral("たろう, 表"));
    EXPECT_EQ(after.ScoreText[1][ScoreColColors], "5");
    EXPECT_EQ(after.Games[1].Moves[1], (MoveRow{0, 1, 1, 3, 4}));
    EXPECT_EQ(after.Games[1].Moves[7], (MoveRow{0, 1, 1, 3, 4}));
    EXPECT_EQ(after.Games[1].Moves[14], (MoveRow{0, 1, 2, 4, 5}));
    EXPECT_EQ(after.Games[1].Moves[15], MoveRow{});
}

TEST_F(ScoreWriteTest, RepairReplacesAnOlderBackupOnlyWhenThereIsAFile) {
    WriteBytes(Backup(), "older backup");
    ASSERT_TRUE(RepairScoreFile(Path())); // no score file: nothing happens
    EXPECT_EQ(ReadBytes(Backup()), "older backup");
    EXPECT_FALSE(QFileInfo::exists(Path()));

    ASSERT_TRUE(WriteScoreFile(MakeScoreTable(5, 7, 3, 9), Path()));
    const QByteArray current = ReadBytes(Path());
    ASSERT_TRUE(RepairScoreFile(Path()));
    EXPECT_EQ(ReadBytes(Backup()), current);
    // A file of the current layout comes through the repair unchanged.
    EXPECT_EQ(ReadBytes(Path()), current);
    EXPECT_TRUE(dialogs.Messages.isEmpty());
}

TEST(RepairScoreLine, FieldsAreCountedOutsideQuotes) {
    EXPECT_EQ(RepairScoreLine("\"1\",\"a,b,c,d,e,f,g\",\"9\",\"t\",\"1\",\"0\",\"1\""),
              "\"1\",\"a,b,c,d,e,f,g\",\"9\",\"t\",\"1\",\"0\",\"1\"");
    EXPECT_EQ(RepairScoreLine("\"1\",\"a,b\",\"9\",\"t\",\"1\",\"0\",\"1\",\"extra\""),
              "\"1\",\"a,b\",\"9\",\"t\",\"1\",\"0\",\"1\"");
}

TEST_F(ScoreWriteTest, BusyPointerOfTheCallerIsLiftedForTheMessageOnly) {
    WriteBytes(Path(), Damaged);
    {
        BusyCursor outer; // as while a score is being recorded
        dialogs.Status(QStringLiteral("高得点記録の準備中です・・・"));
        ScoreTable table;
        EXPECT_FALSE(Read(table));
        ASSERT_EQ(dialogs.Messages.size(), 1);
        EXPECT_FALSE(dialogs.BusyDuringMessage);
        // The wait note went away before the message came.
        EXPECT_FALSE(dialogs.MessageOverStatus);
        EXPECT_FALSE(dialogs.StatusShown());
        ASSERT_NE(QGuiApplication::overrideCursor(), nullptr);
        EXPECT_EQ(QGuiApplication::overrideCursor()->shape(), Qt::WaitCursor);
    }
}
