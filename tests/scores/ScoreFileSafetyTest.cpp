// The score files and the result log in a folder a player shares or locks: nothing is written
// through a link or into a pipe or device, and a folder that cannot be searched is said to be
// unreadable instead of being shown as an empty table, cleared or repaired.

#include "scores/AutoResultLog.h"
#include "scores/ScoreFile.h"
#include "tests/common/PlantedFiles.h"
#include "tests/scores/ScoreTables.h"
#include "tests/support/DialogAnswerer.h"

#include <QDir>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cstdlib>

#include <sys/stat.h>
#include <unistd.h>

using namespace tolvekin;
using namespace tolvekin::test;

namespace {

const QDateTime When(QDate(2026, 12, 8), QTime(5, 30, 1));

QStringList Entries(const QString& folder) {
    return QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::System |
                                  QDir::NoDotAndDotDot);
}

} // namespace

TEST(ScoreFileSafety, ARecordedScoreIsNeverWrittenThroughALinkOrIntoAPipeOrDevice) {
    tolvekin::testing::DialogAnswerer dialogs;
    for (const Planted shape : EveryShape()) {
        SCOPED_TRACE(Describe(shape));
        QTemporaryDir data;
        const QString path = data.filePath("TLVAHIGH.TXT");
        const PlantedFile planted(path, shape);
        SKIP_UNLESS_PLANTED(planted, shape);
        const ScoreFileOutcome written = WriteScoreFile(MakeScoreTable(8, 8, 3, 1), path, When);
        EXPECT_FALSE(written.Ok);
        EXPECT_TRUE(written.Message.startsWith(ScoreOutputError)) << written.Message.toStdString();
        EXPECT_TRUE(written.Message.contains(u"TLVAHIGH.TXT")) << written.Message.toStdString();
        planted.ExpectUntouched();
        // Not even a kept copy of what the link points at.
        EXPECT_EQ(Entries(data.path()), QStringList{"TLVAHIGH.TXT"});
    }
    EXPECT_TRUE(dialogs.shown.isEmpty()); // the score window shows the message
}

TEST(ScoreFileSafety, ARepairNeverWritesThroughALink) {
    QTemporaryDir data;
    const QString path = data.filePath("TLVAHIGH.TXT");
    const PlantedFile planted(path, Planted::LinkToOutside);
    ASSERT_TRUE(planted.Made());
    // An older-layout line outside, which a repair would rewrite.
    WriteBytes(planted.OutsideFile(), "\"1\",\"a\",\"10\",\"t\",\"1\",\"0\"\r\n");
    const QByteArray outside = ReadBytes(planted.OutsideFile());
    const ScoreFileOutcome repaired = RepairScoreFile(path, 8, 8, When);
    EXPECT_FALSE(repaired.Ok);
    EXPECT_FALSE(repaired.Message.startsWith(RepairDoneText));
    EXPECT_EQ(ReadBytes(planted.OutsideFile()), outside);
    EXPECT_EQ(Entries(data.path()), QStringList{"TLVAHIGH.TXT"});
}

TEST(ScoreFileSafety, TheResultLogTakesNoLineThroughALinkAndSaysSoOnce) {
    tolvekin::testing::DialogAnswerer dialogs;
    QTemporaryDir data;
    const PlantedFile planted(data.filePath("AutoResult.txt"), Planted::LinkToOutside);
    ASSERT_TRUE(planted.Made());
    AppendAutoResult(data.path() + '/', "first");
    AppendAutoResult(data.path() + '/', "second");
    planted.ExpectUntouched();
    ASSERT_EQ(dialogs.messages.size(), 1);
    EXPECT_TRUE(dialogs.messages[0].contains(u"AutoResult.txt"));
    EXPECT_TRUE(dialogs.messages[0].contains(QStringLiteral("シンボリックリンク")));

    // A link to nothing, a pipe or a device is no log: nothing is made, nothing said.
    for (const Planted shape : {Planted::DanglingLink, Planted::Fifo, Planted::Device}) {
        SCOPED_TRACE(Describe(shape));
        QTemporaryDir other;
        const PlantedFile off(other.filePath("AutoResult.txt"), shape);
        SKIP_UNLESS_PLANTED(off, shape);
        AppendAutoResult(other.path() + '/', "line");
        off.ExpectUntouched();
    }
    EXPECT_EQ(dialogs.messages.size(), 1);
}

// Run as another user, who may read the folder but not search it.
TEST(ScoreFileSafety, AFolderThatCannotBeSearchedIsToldOnceAndNothingIsClaimed) {
    if (::geteuid() != 0) {
        GTEST_SKIP() << "needs root to look as another user";
    }
    QTemporaryDir data;
    const QString path = data.filePath("TLVAHIGH.TXT");
    ASSERT_TRUE(WriteScoreFile(MakeScoreTable(8, 8, 4, 2), path, When).Ok);
    const QByteArray before = ReadBytes(path);
    ASSERT_EQ(::chmod(QFile::encodeName(data.path()).constData(), 0766), 0);
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(
        {
            if (::setgid(65534) != 0 || ::setuid(65534) != 0) {
                std::_Exit(9);
            }
            ScoreTable table;
            const ScoreFileOutcome read = LoadScoreTable(table, path, 8, 8);
            if (read.Ok || !read.Message.startsWith(ScoreInputError) ||
                !read.Message.contains(u"TLVAHIGH.TXT") || read.Message.count(u'\n') != 1) {
                std::_Exit(1);
            }
            const ScoreFileOutcome cleared = ClearScoreFile(path);
            if (cleared.Ok || !cleared.Message.contains(u"TLVAHIGH.TXT")) {
                std::_Exit(2);
            }
            const ScoreFileOutcome repaired = RepairScoreFile(path, 8, 8, When);
            if (repaired.Ok || repaired.Message.contains(RepairDoneText)) {
                std::_Exit(3);
            }
            const ScoreFileOutcome written = WriteScoreFile(table, path, When);
            std::_Exit(written.Ok ? 4 : 0);
        },
        ::testing::ExitedWithCode(0), "");
    ::chmod(QFile::encodeName(data.path()).constData(), 0700);
    EXPECT_EQ(ReadBytes(path), before);
    EXPECT_EQ(Entries(data.path()), QStringList{"TLVAHIGH.TXT"});
}
