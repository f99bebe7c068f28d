// Writing over a table that does not read, writes that fail, and the repair of the older
// layout: nothing the player kept is lost, a kept copy is never written over, and every message
// says what really happened.

#include "scores/ScoreFile.h"
#include "tests/scores/ScoreTables.h"
#include "tests/scores/ScoreTestSupport.h"
#include "tests/support/DialogAnswerer.h"

#include <QDir>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <sys/mount.h>

using namespace tolvekin;
using namespace tolvekin::test;

namespace {

const QDateTime When(QDate(2026, 12, 8), QTime(5, 30, 1));

const QByteArray Damaged = "\"end 1\",\"a\",\"10\",\"t\",\"1\",\"0\",\"1\"\r\n"
                           "\"1\",\"a\",\"10\",\"t\",\"1\",\"0\",\"1\"\r\nrec,1,0,0,0,0,0\r\n";

class ScoreWriteTest : public ::testing::Test {
protected:
    QString Path() const { return dir_.filePath(QStringLiteral("TLVA0507.TXT")); }
    QString Backup() const { return dir_.filePath(QStringLiteral("TLVA0507.bak")); }
    QString Kept(const char* stamp) const {
        return dir_.filePath(QStringLiteral("TLVA0507-%1.TXT").arg(QLatin1String(stamp)));
    }
    bool Read(ScoreTable& table) { return LoadScoreTable(table, Path(), 5, 7).Ok; }
    ScoreFileOutcome Repair() { return RepairScoreFile(Path(), 5, 7, When); }
    QStringList Files() const {
        return QDir(dir_.path()).entryList(QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot);
    }
    void TearDown() override {
        EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
        EXPECT_TRUE(dialogs.shown.isEmpty()); // the callers show the messages
    }

    QTemporaryDir dir_;
    tolvekin::testing::DialogAnswerer dialogs;
};

} // namespace

TEST_F(ScoreWriteTest, UnreadableFileIsKeptUnderADatedNameThatNothingWritesOver) {
    // A table that reads, of the older layout without a header too, is simply replaced.
    WriteBytes(Path(), "\"1\",\"a\",\"10\",\"t\",\"1\",\"0\",\"1\"\r\nini,0202,0,0,0,0,0\r\n");
    ScoreFileOutcome written = WriteScoreFile(MakeScoreTable(5, 7, 1, 3), Path(), When);
    EXPECT_TRUE(written.Ok);
    EXPECT_TRUE(written.Message.isEmpty());
    EXPECT_EQ(Files(), QStringList{"TLVA0507.TXT"});

    WriteBytes(Path(), Damaged);
    const ScoreTable fresh = MakeScoreTable(5, 7, 1, 11);
    written = WriteScoreFile(fresh, Path(), When);
    EXPECT_TRUE(written.Ok);
    EXPECT_EQ(written.Message,
              QStringLiteral(
                  "読めなかったスコアファイルを TLVA0507-20261208-053001.TXT として残しました。"));
    EXPECT_EQ(ReadBytes(Kept("20261208-053001")), Damaged);
    ScoreTable read;
    ASSERT_TRUE(Read(read));
    ExpectSameEntries(fresh, read, 1);

    // Damaged again within the same second: another name; the first copy stays.
    WriteBytes(Path(), Damaged + "x");
    written = WriteScoreFile(fresh, Path(), When);
    EXPECT_TRUE(written.Message.contains(QStringLiteral("TLVA0507-20261208-053001-2.TXT")));
    EXPECT_EQ(ReadBytes(Kept("20261208-053001")), Damaged);
    EXPECT_EQ(ReadBytes(Kept("20261208-053001-2")), Damaged + "x");

    // Writing over a table that reads, and repairing it, leave the copies alone.
    ASSERT_TRUE(WriteScoreFile(MakeScoreTable(5, 7, 3, 12), Path(), When).Message.isEmpty());
    EXPECT_TRUE(Repair().Ok);
    EXPECT_EQ(Files().size(), 3);
    EXPECT_EQ(ReadBytes(Kept("20261208-053001")), Damaged);
}

TEST_F(ScoreWriteTest, AFolderInPlaceOfTheTableIsOneTrueMessagePerStep) {
    ASSERT_TRUE(QDir(dir_.path()).mkpath(QStringLiteral("TLVA0507.TXT/inside")));
    ScoreTable table;
    const ScoreFileOutcome read = LoadScoreTable(table, Path(), 5, 7);
    EXPECT_FALSE(read.Ok);
    EXPECT_EQ(read.Message.count(ScoreInputError), 1);
    EXPECT_TRUE(read.Message.contains(QStringLiteral("フォルダ")));
    const ScoreFileOutcome written = WriteScoreFile(MakeScoreTable(5, 7, 1, 1), Path(), When);
    EXPECT_FALSE(written.Ok);
    // There was no previous score file to keep.
    EXPECT_EQ(written.Message,
              ScoreOutputError +
                  QStringLiteral("\nスコアファイルの名前のフォルダがあります: TLVA0507.TXT"));
    EXPECT_TRUE(QFileInfo(Path()).isDir());
    EXPECT_EQ(Files(), QStringList{"TLVA0507.TXT"});
    const ScoreFileOutcome repair = Repair();
    EXPECT_FALSE(repair.Ok);
    EXPECT_FALSE(repair.Message.contains(RepairDoneText));
}

TEST_F(ScoreWriteTest, RepairMendsTheOlderLayoutOnceAndKeepsTheFileAsItWas) {
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

    const ScoreFileOutcome repair = Repair();
    EXPECT_TRUE(repair.Ok);
    EXPECT_EQ(repair.Message,
              RepairDoneText + QStringLiteral("\n修復前のファイルは TLVA0507.bak に残しました。"));
    EXPECT_EQ(ReadBytes(Backup()), old);
    const QByteArray repaired = ReadBytes(Path());
    const QStringList lines = QString::fromLatin1(repaired).split(QStringLiteral("\r\n"));
    ASSERT_EQ(lines.size(), 6); // five records and the end of the last line
    EXPECT_EQ(lines[2], "rec,110304,000000,000000,000000,000000,000000");
    EXPECT_EQ(lines[3], "rec,110304,000000,000000,000000,000000,000000");
    EXPECT_EQ(lines[4], "rec,110304,120405,000000,000000,000000,000000");

    ScoreTable after;
    ASSERT_TRUE(Read(after));
    ASSERT_EQ(after.EntryCount(), 1);
    EXPECT_EQ(after.AtPlace(1).Name, QStringLiteral("たろう, 表"));
    EXPECT_EQ(after.AtPlace(1).Colours, 5);
    EXPECT_EQ(after.AtPlace(1).Game.Moves[1], (MoveRow{0, 1, 1, 3, 4}));
    EXPECT_EQ(after.AtPlace(1).Game.Moves[7], (MoveRow{0, 1, 1, 3, 4}));
    EXPECT_EQ(after.AtPlace(1).Game.Moves[14], (MoveRow{0, 1, 2, 4, 5}));
    EXPECT_EQ(after.AtPlace(1).Game.Moves[15], MoveRow{});

    // A second repair finds nothing to do: the file and its backup stay as they are.
    EXPECT_EQ(Repair().Message, RepairDoneText);
    EXPECT_EQ(ReadBytes(Path()), repaired);
    EXPECT_EQ(ReadBytes(Backup()), old);
}

TEST_F(ScoreWriteTest, RepairNeverSpoilsATableThatReads) {
    // A stray double quote in a name: the table reads, and the repair must not add fields.
    ASSERT_TRUE(WriteScoreFile(MakeScoreTable(5, 7, 2, 4), Path(), When).Ok);
    QByteArray stray = ReadBytes(Path());
    stray.replace("\"1\",\"", "\"1\",\"ab\"c");
    WriteBytes(Path(), stray);
    ScoreTable table;
    ASSERT_TRUE(Read(table));
    EXPECT_EQ(Repair().Message, RepairDoneText);
    EXPECT_EQ(ReadBytes(Path()), stray);
    EXPECT_FALSE(QFileInfo::exists(Backup()));

    // A name running over two lines reads, but mended line by line it would not: the file
    // is left as it is, and the message says so instead of claiming a repair.
    const QByteArray twoLines = "\"end 1\",\"a\r\nb\",\"10\",\"t\",\"1\",\"0\",\"1\"\r\n"
                                "\"1\",\"a\r\nb\",\"10\",\"t\",\"1\",\"0\",\"1\"\r\n"
                                "ini,0202,0,0,0,0,0\r\n";
    WriteBytes(Path(), twoLines);
    ASSERT_TRUE(Read(table));
    const ScoreFileOutcome repair = Repair();
    EXPECT_TRUE(repair.Ok);
    EXPECT_FALSE(repair.Message.contains(RepairDoneText));
    EXPECT_EQ(ReadBytes(Path()), twoLines);
    ASSERT_TRUE(Read(table));
}

TEST_F(ScoreWriteTest, RepairNeverWritesOverAnotherKeptFile) {
    WriteBytes(Backup(), "older backup");
    EXPECT_EQ(Repair().Message, RepairDoneText); // no score file: nothing happens
    EXPECT_EQ(ReadBytes(Backup()), "older backup");
    EXPECT_FALSE(QFileInfo::exists(Path()));

    // The backup name holds something else: the file as it was goes under a dated name.
    WriteBytes(Path(), Damaged);
    const ScoreFileOutcome repair = Repair();
    EXPECT_TRUE(repair.Ok);
    EXPECT_TRUE(repair.Message.startsWith(RepairDoneText));
    EXPECT_TRUE(repair.Message.contains(QStringLiteral("TLVA0507-20261208-053001.TXT")));
    EXPECT_EQ(ReadBytes(Backup()), "older backup");
    EXPECT_EQ(ReadBytes(Kept("20261208-053001")), Damaged);
}

TEST(RepairScoreLine, TheOlderLayoutMendedOnceAndForAll) {
    const QStringList cases[] = {
        {"rec,110304,0", "rec,110304,000000,000000,000000,000000,000000"},
        {"rec,1 10304,0,", "rec,110304,000000,000000,000000,000000,000000"},
        {"rec,110304,120405,0,0,0,0,0,0", "rec,110304,120405,000000,000000,000000,000000"},
        // Commas inside a quoted name do not count; an eighth field goes.
        {R"("1","a,b,c,d,e,f,g","9","t","1","0","1")",
         R"("1","a,b,c,d,e,f,g","9","t","1","0","1")"},
        {R"("1","a,b","9","t","1","0","1","extra")", R"("1","a,b","9","t","1","0","1")"},
        // A stray quote inside a name, and a quote the line leaves open.
        {R"("1","ab"c","9","t","1","0","1")", R"("1","ab"c","9","t","1","0","1")"},
        // After a closing quote the field runs on to the next comma, as the reader reads it.
        {R"("1","a, b"c,d","9","t","1","0","1","2)", R"("1","a, b"c,d","9","t","1","0")"},
        {R"("1","ab)", R"("1","ab",000000,000000,000000,000000,000000)"},
        // A cut that leaves blanks or an empty field at the end.
        {"a,b,c,d,e,f,g ,h", "a,b,c,d,e,f,g"},
        {"a,b,c,d,e,, ,g", "a,b,c,d,e,,0"},
    };
    for (const QStringList& c : cases) {
        SCOPED_TRACE(c[0].toStdString());
        const QString once = RepairScoreLine(c[0]);
        EXPECT_EQ(once, c[1]);
        EXPECT_EQ(RepairScoreLine(once), once);
    }
    EXPECT_TRUE(IsCurrentScoreLine(R"("1","a,b","9","t","1","0","1")"));
    EXPECT_TRUE(IsCurrentScoreLine("ini,0403,0,0,0,0,0"));
    EXPECT_TRUE(IsCurrentScoreLine("rec,110304,000000,000000,000000,000000,000000"));
    EXPECT_FALSE(IsCurrentScoreLine("rec,110304,0"));
    EXPECT_FALSE(IsCurrentScoreLine(R"("1","ab"c","9","t","1","0","1")"));
}

// A score file on a file system with no space left: every save reports the failure and the
// table already there stays whole.
TEST(ScoreFullDisk, ASaveThatDoesNotFitKeepsTheOldTable) {
    QTemporaryDir dir;
    const QByteArray mountPoint = dir.path().toLocal8Bit();
    if (mount("tmpfs", mountPoint.constData(), "tmpfs", 0, "size=64k") != 0) {
        GTEST_SKIP() << "a small tmpfs cannot be mounted here";
    }
    struct Unmount {
        QByteArray at;
        ~Unmount() { umount2(at.constData(), MNT_DETACH); }
    } unmount{mountPoint};
    const QString path = dir.filePath(QStringLiteral("TLVA0507.TXT"));
    ASSERT_TRUE(WriteScoreFile(MakeScoreTable(5, 7, 2, 1), path).Ok);
    const QByteArray old = ReadBytes(path);
    {
        QFile filler(dir.filePath(QStringLiteral("filler")));
        ASSERT_TRUE(filler.open(QIODevice::WriteOnly | QIODevice::Unbuffered));
        const QByteArray block(4096, 'x');
        while (filler.write(block) == block.size()) {
        }
    }
    const ScoreFileOutcome written = WriteScoreFile(MakeScoreTable(5, 7, 10, 2), path);
    EXPECT_FALSE(written.Ok);
    EXPECT_TRUE(written.Message.startsWith(ScoreOutputError + u'\n'));
    EXPECT_TRUE(
        written.Message.endsWith(QStringLiteral("前のスコアファイルはそのまま残っています。")));
    EXPECT_EQ(ReadBytes(path), old);

    // A repair that cannot write its backup says it failed, and changes nothing.
    QByteArray older = old;
    older.replace("000000\r\n", "0\r\n");
    {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        ASSERT_EQ(file.write(older), older.size());
    }
    const ScoreFileOutcome repair = RepairScoreFile(path, 5, 7);
    EXPECT_FALSE(repair.Ok);
    EXPECT_FALSE(repair.Message.contains(RepairDoneText));
    EXPECT_EQ(ReadBytes(path), older);
}
