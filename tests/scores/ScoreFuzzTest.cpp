// Mutated score files: whatever the damage, reading and repairing end with a usable table, at
// most one message each, and a table that read without error writes and reads back the same. A
// repair never spoils a table that reads, keeps the file it changed, and a second repair changes
// nothing.

#include "scores/ScoreFile.h"
#include "tests/scores/ScoreTables.h"
#include "tests/scores/ScoreTestSupport.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <random>

using namespace tolvekin;
using namespace tolvekin::test;

namespace {

constexpr int FuzzCases = 4000;

// Bytes worth throwing in: separators, quotes, blanks, digits, letters, Shift-JIS lead and
// trail bytes and bytes that are not Shift-JIS at all.
constexpr char InterestingBytes[] = ",\"\r\n 0123456789a-ie\x82\x95\xa0\xff\x81\x40\\\x00";
const QByteArray Interesting(InterestingBytes, sizeof InterestingBytes - 1); // the NUL too

QByteArray Mutate(QByteArray bytes, std::mt19937& random) {
    auto below = [&](qsizetype n) {
        return n <= 0 ? qsizetype{0}
                      : static_cast<qsizetype>(
                            std::uniform_int_distribution<qsizetype>(0, n - 1)(random));
    };
    const int steps = 1 + static_cast<int>(below(3));
    for (int s = 0; s < steps; ++s) {
        const qsizetype at = below(bytes.size() + 1);
        switch (below(7)) {
        case 0: // change a byte
            if (at < bytes.size()) {
                bytes[at] = Interesting[below(Interesting.size())];
            }
            break;
        case 1: // insert a byte
            bytes.insert(at, Interesting[below(Interesting.size())]);
            break;
        case 2: // delete a run
            bytes.remove(at, below(40));
            break;
        case 3: // repeat a run, as a line copied twice
            bytes.insert(at, bytes.mid(at, below(200)));
            break;
        case 4: // cut the file short
            bytes.truncate(at);
            break;
        case 5: // a huge number
            bytes.insert(at, QByteArray::number(static_cast<qlonglong>(random())) + "9999999999");
            break;
        default: // a random byte
            if (at < bytes.size()) {
                bytes[at] = static_cast<char>(below(256));
            }
            break;
        }
    }
    return bytes;
}

// The table as a file would hold it: writing turns a double quote and a line break into
// something a quoted field can carry.
QString AsWritten(QString text) {
    text.replace(u'"', QStringLiteral("”"));
    text.replace(u'\r', u' ');
    text.replace(u'\n', u' ');
    return text;
}

} // namespace

TEST(ScoreFuzz, MutatedFilesNeverBreakTheTable) {
    // Thousands of atomic replacements each wait for the disk; a memory file system spares that.
    const QString shm = QStringLiteral("/dev/shm");
    QTemporaryDir dir(QFileInfo(shm).isDir() && QFileInfo(shm).isWritable()
                          ? shm + QStringLiteral("/scorefuzz-XXXXXX")
                          : QDir::tempPath() + QStringLiteral("/scorefuzz-XXXXXX"));
    ASSERT_TRUE(dir.isValid());
    struct Seed {
        int w, h;
        QByteArray bytes;
    };
    std::vector<Seed> seeds;
    const QString scratch = dir.filePath(QStringLiteral("seed.TXT"));
    {
        for (auto [w, h, n] : {std::tuple{8, 8, 3}, std::tuple{5, 7, 2}, std::tuple{2, 2, 1},
                               std::tuple{9, 9, 10}}) {
            ASSERT_TRUE(
                WriteScoreFile(MakeScoreTable(w, h, n, static_cast<unsigned>(n)), scratch).Ok);
            seeds.push_back({w, h, ReadBytes(scratch)});
        }
        // An older file: no header, four-digit tokens, the old token 0.
        seeds.push_back({8, 8,
                         "\"1\",\"\x82\xbd, x\",\"12\",\"t\",\"3\",\"0\",\"2\"\r\n"
                         "ini,0404,0,0,0,0,0\r\nrec,1134,2143,0\r\nrec,1 10304,0,\r\n"});
    }

    std::mt19937 random(20261207);
    const QString path = dir.filePath(QStringLiteral("TLVAHIGH.TXT"));
    const QString backup = ScoreBackupName(path);
    const QString rewritten = dir.filePath(QStringLiteral("TLVBHIGH.TXT"));
    int readClean = 0;
    int repairedCases = 0;
    for (int cases = 0; cases < FuzzCases; ++cases) {
        const Seed& seed = seeds[static_cast<size_t>(cases) % seeds.size()];
        const QByteArray bytes = Mutate(seed.bytes, random);
        WriteBytes(path, bytes);
        QFile::remove(backup);
        ScoreTable table;
        const ScoreFileOutcome read = LoadScoreTable(table, path, seed.w, seed.h);
        ASSERT_EQ(read.Ok, read.Message.isEmpty()) << cases;
        ASSERT_NO_FATAL_FAILURE(ExpectReplayable(table)) << cases;
        if (read.Ok) {
            ++readClean;
            ASSERT_TRUE(WriteScoreFile(table, rewritten).Ok) << cases;
            ScoreTable again;
            ASSERT_TRUE(LoadScoreTable(again, rewritten, seed.w, seed.h).Ok) << cases;
            ASSERT_EQ(again.EntryCount(), table.EntryCount()) << cases;
            for (ScoreEntry& entry : table.Entries) {
                entry.Name = AsWritten(entry.Name);
                entry.Date = AsWritten(entry.Date);
            }
            ExpectSameEntries(table, again, table.EntryCount());
        }

        const ScoreFileOutcome repair = RepairScoreFile(path, seed.w, seed.h);
        ASSERT_TRUE(repair.Ok) << cases;
        const QByteArray afterRepair = ReadBytes(path);
        if (afterRepair != bytes) {
            ++repairedCases;
            ASSERT_EQ(ReadBytes(backup), bytes) << cases;
        }
        ScoreTable repaired;
        const bool readsAfter = LoadScoreTable(repaired, path, seed.w, seed.h).Ok;
        if (read.Ok) {
            ASSERT_TRUE(readsAfter) << cases;
        }
        ASSERT_NO_FATAL_FAILURE(ExpectReplayable(repaired)) << cases;
        ASSERT_TRUE(RepairScoreFile(path, seed.w, seed.h).Ok) << cases;
        EXPECT_EQ(ReadBytes(path), afterRepair) << cases << ": the second repair changed it";
        if (afterRepair != bytes) {
            ASSERT_EQ(ReadBytes(backup), bytes) << cases << ": the backup was replaced";
        }
        if (HasFailure()) {
            ADD_FAILURE() << "case " << cases << " bytes " << bytes.toHex().toStdString();
            break;
        }
    }
    std::printf("[ fuzz ] %d mutated files, %d read without error, %d changed by a repair\n",
                FuzzCases, readClean, repairedCases);
    // The mutations leave enough files whole that the write-back check means something, and
    // enough in need of a repair.
    EXPECT_GT(readClean, FuzzCases / 20);
    EXPECT_GT(repairedCases, FuzzCases / 20);
}
