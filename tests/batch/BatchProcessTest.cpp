// The program itself in batch mode: exit status, standard output and error, and the result log.

#include "common/files/TextFiles.h"
#include "tests/common/GuardedFifo.h"
#include "tests/support/FileBytes.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using tolvekin::test::ReadBytes;
using tolvekin::test::WriteBytes;

namespace {

struct Outcome {
    int status = -1;
    QByteArray out;
    QByteArray err;
};

Outcome RunProgram(const QStringList& args, const QString& dir, const QString& shellPrefix = {}) {
    QProcess p;
    p.setWorkingDirectory(dir);
    if (shellPrefix.isEmpty()) {
        p.start(TOLVEKIN_BINARY, args);
    } else {
        // Through the shell, so that a limit set there holds for the program.
        p.start("/bin/sh",
                QStringList{"-c", shellPrefix + "; exec \"$0\" \"$@\"", TOLVEKIN_BINARY} + args);
    }
    EXPECT_TRUE(p.waitForFinished(60000));
    // A program killed by a signal has no exit status of its own.
    const int status = p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
    return {status, p.readAllStandardOutput(), p.readAllStandardError()};
}

} // namespace

TEST(BatchProgram, BadArgumentsExitWithStatusTwoAndWriteNothing) {
    QTemporaryDir dir;
    QFile log(dir.filePath("AutoResult.txt"));
    ASSERT_TRUE(log.open(QIODevice::WriteOnly));
    log.close();
    for (const QStringList& args :
         {QStringList{"--batch"}, QStringList{"--batch", "x"}, QStringList{"--batch", "0"},
          QStringList{"--batch", "3", "--go"}, QStringList{"--batch", "3", "--seed", "abc"},
          QStringList{"--batch", "3", "--jobs", "0"}, QStringList{"--batch", "3", "--jobs", "-1"},
          QStringList{"--batch", "3", "--jobs", "many"},
          QStringList{"--batch", "3", "--jobs", "123456789"},
          QStringList{"--batch", "3", "--levels", "4,1"},
          QStringList{"--batch", "3", "--levels", "2"}}) {
        const Outcome o = RunProgram(args, dir.path());
        EXPECT_EQ(o.status, 2) << args.join(' ').toStdString();
        EXPECT_TRUE(o.out.isEmpty());
        EXPECT_EQ(o.err.count('\n'), 1) << o.err.toStdString();
    }
    EXPECT_TRUE(ReadBytes(dir.filePath("AutoResult.txt")).isEmpty());
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{"AutoResult.txt"});
}

TEST(BatchProgram, LogGetsShiftJisLinesWithCrLfAndSettingsAreRead) {
    QTemporaryDir dir;
    WriteBytes(dir.filePath("AutoResult.txt"), "earlier line\r\n");
    const Outcome o = RunProgram({"--batch", "3", "--seed", "11", "/MAXX6", "/MAXY6"}, dir.path());
    ASSERT_EQ(o.status, 0) << o.err.toStdString();
    const QStringList lines = QString::fromUtf8(o.out).split('\n', Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), 4);
    EXPECT_TRUE(lines[0].startsWith("コマ数　たて6　よこ6    先手　"));
    EXPECT_TRUE(lines[3].startsWith("batch: 3 games, "));
    QByteArray expected = "earlier line\r\n";
    for (int i = 0; i < 3; ++i) {
        expected += tolvekin::EncodeCp932(lines[i]) + "\r\n";
    }
    EXPECT_EQ(ReadBytes(dir.filePath("AutoResult.txt")), expected);
    // Shift-JIS, not UTF-8: コ is 0x83 0x52.
    EXPECT_TRUE(ReadBytes(dir.filePath("AutoResult.txt")).contains("\x83\x52"));
    // Nothing else was created: no settings file, no score file.
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{"AutoResult.txt"});
}

TEST(BatchProgram, WithoutTheLogFileTheFolderStaysUnchanged) {
    QTemporaryDir dir;
    const Outcome o = RunProgram({"--batch", "2", "--moves"}, dir.path());
    ASSERT_EQ(o.status, 0);
    EXPECT_TRUE(o.out.startsWith("ini,0404,0,0,0,0,0\nrec,"));
    EXPECT_TRUE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden).isEmpty());
}

TEST(BatchProgram, FullFileSizeLimitLeavesTheLogAsItWasAndTheRunGoesOn) {
    QTemporaryDir dir;
    // One 512-byte block is the most this run may write to a file; the log nearly fills it.
    const QByteArray earlier = QByteArray("earlier line\r\n").repeated(34); // 476 bytes
    WriteBytes(dir.filePath("AutoResult.txt"), earlier);
    const Outcome o = RunProgram({"--batch", "5", "--seed", "3"}, dir.path(), "ulimit -f 1");
    ASSERT_EQ(o.status, 0) << o.err.toStdString();
    EXPECT_EQ(QString::fromUtf8(o.out).split('\n', Qt::SkipEmptyParts).size(), 6);
    EXPECT_TRUE(o.err.isEmpty()) << o.err.toStdString();
    // Whatever part of a line fitted, the earlier lines are untouched.
    const QByteArray after = ReadBytes(dir.filePath("AutoResult.txt"));
    EXPECT_TRUE(after.startsWith(earlier));
    EXPECT_LE(after.size(), 512);
}

TEST(BatchProgram, PipeAsTheLogIsNoLogAndNeverBlocks) {
    QTemporaryDir dir;
    tolvekin::test::GuardedFifo pipe(dir.filePath("AutoResult.txt"));
    ASSERT_TRUE(pipe.Made());
    const Outcome o = RunProgram({"--batch", "3", "--seed", "5"}, dir.path());
    EXPECT_EQ(o.status, 0) << o.err.toStdString();
    EXPECT_FALSE(pipe.Rescued());
    EXPECT_EQ(QString::fromUtf8(o.out).split('\n', Qt::SkipEmptyParts).size(), 4);
}

TEST(BatchProgram, OutputThatCannotBeWrittenIsAnErrorOnStandardError) {
    QTemporaryDir dir;
    for (const char* redirect : {"exec >/dev/full", "exec >&-"}) {
        const Outcome o = RunProgram({"--batch", "1000", "--seed", "2"}, dir.path(), redirect);
        EXPECT_NE(o.status, 0) << redirect;
        EXPECT_TRUE(o.err.contains("cannot write the output"))
            << redirect << ": " << o.err.toStdString();
        EXPECT_EQ(o.err.count('\n'), 1) << o.err.toStdString();
    }
    // Nothing took the place of the closed output: the folder holds no new file.
    EXPECT_TRUE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden).isEmpty());
}

TEST(BatchProgram, AMatchOfStrengthsIsTakenFromTheCommandLine) {
    QTemporaryDir dir;
    const Outcome o =
        RunProgram({"--batch", "2", "--seed", "4", "--levels=2,1", "/MAXX5", "/MAXY5"}, dir.path());
    ASSERT_EQ(o.status, 0) << o.err.toStdString();
    EXPECT_TRUE(o.err.isEmpty());
    EXPECT_TRUE(o.out.contains("batch: 2 games, "));
}
