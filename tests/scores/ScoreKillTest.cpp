// A writer killed at any moment leaves the score file holding either the old or the new
// table, never a mix of both.

#include "scores/ScoreFile.h"
#include "tests/scores/ScoreTables.h"
#include "tests/scores/ScoreTestSupport.h"

#include <QDir>
#include <QElapsedTimer>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <random>
#include <thread>

using namespace tolvekin;
using namespace tolvekin::test;

TEST(ScoreKill, KilledWriterLeavesOneWholeTable) {
    constexpr int Kills = 150;
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("TLVA2638.TXT"));
    ASSERT_TRUE(WriteScoreFile(MakeScoreTable(38, 26, 10, 2), path).Ok);
    const QByteArray second = ReadBytes(path);
    ASSERT_TRUE(WriteScoreFile(MakeScoreTable(38, 26, 10, 1), path).Ok);
    const QByteArray first = ReadBytes(path);
    ASSERT_NE(first, second);
    ASSERT_GT(first.size(), 50000);
    // The kills are spread over about two whole writes, however fast this build writes.
    QElapsedTimer once;
    once.start();
    ASSERT_TRUE(WriteScoreFile(MakeScoreTable(38, 26, 10, 1), path).Ok);
    const int spreadUs = std::max(20000, static_cast<int>(once.nsecsElapsed() / 1000) * 2);

    std::mt19937 random(75);
    int sawFirst = 0;
    int sawSecond = 0;
    QElapsedTimer clock;
    clock.start();
    for (int kill = 0; kill < Kills; ++kill) {
        QProcess writer;
        writer.start(QStringLiteral(SCORE_WRITER), {path});
        ASSERT_TRUE(writer.waitForStarted(5000));
        ASSERT_TRUE(writer.waitForReadyRead(5000)) << "the writer never got going";
        std::this_thread::sleep_for(
            std::chrono::microseconds(std::uniform_int_distribution<int>(0, spreadUs)(random)));
        writer.kill(); // SIGKILL: no chance to tidy up
        ASSERT_TRUE(writer.waitForFinished(5000));
        ASSERT_EQ(writer.exitStatus(), QProcess::CrashExit) << "the writer stopped by itself";
        const QByteArray now = ReadBytes(path);
        ASSERT_TRUE(now == first || now == second)
            << "kill " << kill << ": " << now.size() << " bytes of neither table";
        (now == first ? sawFirst : sawSecond) += 1;
    }
    std::printf("[ kill ] %d kills in %lld ms: first table %d times, second %d times\n", Kills,
                static_cast<long long>(clock.elapsed()), sawFirst, sawSecond);
    // The kills fell on different writes, not always between the same two.
    EXPECT_GT(sawFirst, 0);
    EXPECT_GT(sawSecond, 0);
}
