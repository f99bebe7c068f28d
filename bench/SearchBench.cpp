// Speed of the position type against the game's own record, and of 名人: copying a position,
// trying a placement, finding the legal cells, and whole moves of the master with its nodes
// per second, on boards from 6 x 6 to 38 x 26.

#include "engine/ComputerPlayer.h"
#include "engine/MasterPlayer.h"
#include "engine/Random.h"
#include "engine/Rules.h"

#include <benchmark/benchmark.h>

#include <array>
#include <vector>

using namespace tolvekin;

namespace {

// A seeded random game on w x h stopped once `fill` of the board is covered.
Position RandomGame(int w, int h, double fill, uint64_t game) {
    SeriesRandom random(9, game);
    Position p(w, h);
    const int sx = w / 2;
    const int sy = h / 2;
    p.Set(sx, sy, 1, 0);
    p.Set(sx + 1, sy + 1, 1, 0);
    p.Set(sx + 1, sy, 2, 0);
    p.Set(sx, sy + 1, 2, 0);
    std::array<uint16_t, Geometry::MaxCells> slots{};
    int side = 1;
    int passes = 0;
    while (passes < 2 && p.Pieces(1) + p.Pieces(2) < fill * w * h) {
        const int n = p.LegalSlots(side, slots.data());
        if (n == 0) {
            ++passes;
        } else {
            passes = 0;
            const auto pick = static_cast<size_t>(random.Next() * n);
            p.Play(side, slots[pick], std::array{1, 2, 4}[random.NextBits() % 3]);
        }
        side = 3 - side;
    }
    return p;
}

// The same cells in the game's own record.
GameState StateOf(const Position& p) {
    GameState g;
    g.Allocate(p.Width(), p.Height());
    g.CandX.assign(static_cast<size_t>(p.Width() * p.Height() + 2), 0);
    g.CandY = g.CandX;
    for (int x = 1; x <= p.Width(); ++x) {
        for (int y = 1; y <= p.Height(); ++y) {
            if (p.Owner(x, y) != 0) {
                g.SetCell(x, y, p.Owner(x, y), p.Color(x, y));
            }
        }
    }
    return g;
}

void BoardArgs(benchmark::internal::Benchmark* b) {
    b->Args({8, 8})->Args({38, 26});
}

void BM_PositionCopy(benchmark::State& state) {
    const Position p = RandomGame(state.range(0), state.range(1), 0.5, 1);
    for (auto _ : state) {
        Position copy = p;
        benchmark::DoNotOptimize(copy);
    }
}
BENCHMARK(BM_PositionCopy)->Apply(BoardArgs);

void BM_GameStateCopy(benchmark::State& state) {
    const GameState g = StateOf(RandomGame(state.range(0), state.range(1), 0.5, 1));
    for (auto _ : state) {
        GameState copy = g;
        benchmark::DoNotOptimize(copy);
    }
}
BENCHMARK(BM_GameStateCopy)->Apply(BoardArgs);

// Every legal placement of a half-full board tried once: play and take back.
void BM_PositionPlayUndo(benchmark::State& state) {
    Position p = RandomGame(state.range(0), state.range(1), 0.5, 2);
    std::array<uint16_t, Geometry::MaxCells> slots{};
    const int n = p.LegalSlots(1, slots.data());
    PlayRecord record;
    for (auto _ : state) {
        for (int i = 0; i < n; ++i) {
            p.Play(1, slots[static_cast<size_t>(i)], 2, &record);
            p.Undo(record);
        }
    }
    state.SetItemsProcessed(state.iterations() * n);
}
BENCHMARK(BM_PositionPlayUndo)->Apply(BoardArgs);

// The same with the game's record, which has no undo: copy, scan, place, turn over.
void BM_GameStateCopyAndPlay(benchmark::State& state) {
    const Position p = RandomGame(state.range(0), state.range(1), 0.5, 2);
    GameState g = StateOf(p);
    CollectCandidates(g, 1);
    const std::vector<int32_t> xs(g.CandX.begin() + 1, g.CandX.begin() + g.CandCount + 1);
    const std::vector<int32_t> ys(g.CandY.begin() + 1, g.CandY.begin() + g.CandCount + 1);
    for (auto _ : state) {
        for (size_t i = 0; i < xs.size(); ++i) {
            GameState next = g;
            CanPlace(next, 1, xs[i], ys[i]);
            next.SetCell(xs[i], ys[i], 1, 2);
            TurnOver(next, xs[i], ys[i]);
            benchmark::DoNotOptimize(next);
        }
    }
    state.SetItemsProcessed(state.iterations() * static_cast<int64_t>(xs.size()));
}
BENCHMARK(BM_GameStateCopyAndPlay)->Apply(BoardArgs);

void BM_PositionLegalSlots(benchmark::State& state) {
    const Position p = RandomGame(state.range(0), state.range(1), 0.5, 3);
    std::array<uint16_t, Geometry::MaxCells> slots{};
    int n = 0;
    for (auto _ : state) {
        n = p.LegalSlots(1, slots.data());
        benchmark::DoNotOptimize(slots);
    }
    state.counters["cells"] = n;
}
BENCHMARK(BM_PositionLegalSlots)->Apply(BoardArgs);

void BM_GameStateCollectCandidates(benchmark::State& state) {
    GameState g = StateOf(RandomGame(state.range(0), state.range(1), 0.5, 3));
    for (auto _ : state) {
        benchmark::DoNotOptimize(CollectCandidates(g, 1));
    }
    state.counters["cells"] = g.CandCount;
}
BENCHMARK(BM_GameStateCollectCandidates)->Apply(BoardArgs);

// Whole moves of the master with its own budget, over positions from a fifth to four fifths
// of the board covered.
void BM_MasterMove(benchmark::State& state) {
    const int w = static_cast<int>(state.range(0));
    const int h = static_cast<int>(state.range(1));
    std::vector<Position> positions;
    for (int i = 0; i < 5; ++i) {
        positions.push_back(RandomGame(w, h, 0.2 + 0.15 * i, static_cast<uint64_t>(10 + i)));
    }
    const std::atomic<bool> never{false};
    int64_t nodes = 0;
    size_t next = 0;
    for (auto _ : state) {
        const Position& p = positions[next++ % positions.size()];
        MasterStats stats;
        benchmark::DoNotOptimize(ChooseMasterMove(p, 1, 7, never, &stats));
        nodes += stats.Nodes;
    }
    state.counters["nodes"] =
        benchmark::Counter(static_cast<double>(nodes), benchmark::Counter::kAvgIterations);
    state.counters["nodes/s"] =
        benchmark::Counter(static_cast<double>(nodes), benchmark::Counter::kIsRate);
}
BENCHMARK(BM_MasterMove)
    ->Args({6, 6})
    ->Args({8, 8})
    ->Args({10, 10})
    ->Args({16, 12})
    ->Args({38, 26})
    ->Unit(benchmark::kMillisecond)
    ->MeasureProcessCPUTime(); // rates per processor second: the machine may be busy

} // namespace
