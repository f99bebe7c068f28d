// Reading, writing and recording into the largest score table: a 38 x 26 board with ten full
// games.

#include "scores/ScoreFile.h"
#include "scores/ScoreRecording.h"

#include <QTemporaryDir>

#include <benchmark/benchmark.h>

using namespace tolvekin;

namespace {

constexpr int Width = 38;
constexpr int Height = 26;

// Ten entries, each a full game of placements spread over the whole board.
ScoreTable LargestTable() {
    ScoreTable table;
    table.Reset(Width, Height);
    for (int e = 1; e <= MaxScoreEntries; ++e) {
        ScoreEntry entry = table.EmptyEntry();
        entry.Name = QStringLiteral("表の%1番, 名前").arg(e);
        entry.Score = 3000 - 100 * e;
        entry.Date = QStringLiteral("2026/12/%1 12:34:56").arg(e, 2, 10, QChar(u'0'));
        entry.Pieces = 500 + e;
        entry.BlackPieces = e;
        entry.Colours = e % 7;
        entry.Game.StartX = e;
        entry.Game.StartY = e;
        for (int m = 1; m <= Width * Height - 4; ++m) {
            entry.Game.Moves[static_cast<size_t>(m)] = {
                0, static_cast<int16_t>(1 + m % 2), static_cast<int16_t>((m + e) % 8),
                static_cast<int16_t>(1 + m % Width), static_cast<int16_t>(1 + m % Height)};
        }
        table.Entries.push_back(std::move(entry));
    }
    return table;
}

struct LargestFile {
    QTemporaryDir Dir;
    QString Path = Dir.filePath(QStringLiteral("TLVA2638.TXT"));
    ScoreTable Table = LargestTable();
    LargestFile() { WriteScoreFile(Table, Path); }
};

void BM_WriteLargestTable(benchmark::State& state) {
    LargestFile largest;
    for (auto _ : state) {
        benchmark::DoNotOptimize(WriteScoreFile(largest.Table, largest.Path));
    }
}
BENCHMARK(BM_WriteLargestTable)->Unit(benchmark::kMillisecond);

void BM_ReadLargestTable(benchmark::State& state) {
    LargestFile largest;
    ScoreTable table;
    for (auto _ : state) {
        benchmark::DoNotOptimize(LoadScoreTable(table, largest.Path, Width, Height));
    }
}
BENCHMARK(BM_ReadLargestTable)->Unit(benchmark::kMillisecond);

// A new best score on the largest board: the header, the whole file read, and all ten entries
// moved down with their games.
void BM_RecordTopScoreLargestTable(benchmark::State& state) {
    LargestFile largest;
    ScoreTable table;
    GameState game;
    game.Allocate(Width, Height);
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
