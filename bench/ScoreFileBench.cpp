// Reading, writing and recording into the largest score table: a 38 x 26 board with ten full
// games.

#include "ScoreFile.h"
#include "ScoreRecording.h"
#include "ScoreTables.h"

#include <QTemporaryDir>

#include <benchmark/benchmark.h>

using namespace tolvekin;

namespace {

struct LargestTable {
    QTemporaryDir Dir;
    QString Path = Dir.filePath(QStringLiteral("TLVA2638.TXT"));
    ScoreTable Table = test::MakeScoreTable(38, 26, 10, 1);
    LargestTable() { WriteScoreFile(Table, Path); }
};

void BM_WriteLargestTable(benchmark::State& state) {
    LargestTable largest;
    for (auto _ : state) {
        benchmark::DoNotOptimize(WriteScoreFile(largest.Table, largest.Path));
    }
}
BENCHMARK(BM_WriteLargestTable)->Unit(benchmark::kMillisecond);

void BM_ReadLargestTable(benchmark::State& state) {
    LargestTable largest;
    ScoreTable table;
    for (auto _ : state) {
        const bool header = ReadScoreHeader(table, largest.Path);
        benchmark::DoNotOptimize(ReadScoreFile(table, largest.Path, 38, 26, header));
    }
}
BENCHMARK(BM_ReadLargestTable)->Unit(benchmark::kMillisecond);

// A new best score on the largest board: the header, the whole file read, and all ten entries
// moved down with their games.
void BM_RecordTopScoreLargestTable(benchmark::State& state) {
    LargestTable largest;
    ScoreTable table;
    GameState game;
    game.Allocate(38, 26);
    const QDateTime when = QDateTime::currentDateTime();
    for (auto _ : state) {
        game.Tally[Side1].Score = ScoreSentinel - 1;
        game.MoveRecord[1] = {0, 1, 2, 3, 4};
        benchmark::DoNotOptimize(RecordScore(table, largest.Path, game, when));
    }
}
BENCHMARK(BM_RecordTopScoreLargestTable)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
