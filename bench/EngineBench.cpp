// Speed of the rules engine: copying a mid-game position, one placement on a copy, the
// candidate scan on a mid-game board, and whole computer-against-computer games played tick by
// tick on a clock that never waits.

#include "engine/ComputerPlayer.h"
#include "engine/Game.h"
#include "engine/Rules.h"

#include <benchmark/benchmark.h>

using namespace tolvekin;

namespace {

struct AutoGame {
    PlayOptions options;
    MtRandom random{1};
    QuietView view;
    ManualClock clock;
    NoRecorder recorder;
    Game game{options, random, view, clock, recorder};

    AutoGame(int w, int h) {
        clock.SetHandler([this](GameTimer t) { game.Tick(t); });
        options.GameMode = 3;
        options.BoardWidth = w;
        options.BoardHeight = h;
        options.MidX = w / 2;
        options.MidY = h / 2;
        game.AllocateBoard();
    }
    // Plays one whole game; returns the number of placements.
    int Play() {
        game.ClearGame();
        game.PassClick();
        while (game.Phase() == GamePhase::AutoPlaying && clock.Step()) {
        }
        return game.State.MoveCount;
    }
    // A board about half full.
    void PlayToHalf() {
        game.ClearGame();
        game.PassClick();
        while (game.Phase() == GamePhase::AutoPlaying &&
               game.State.MoveCount < game.State.CellCount() / 2 && clock.Step()) {
        }
    }
};

void BM_StateCopy(benchmark::State& state) {
    AutoGame a(static_cast<int>(state.range(0)), static_cast<int>(state.range(1)));
    a.PlayToHalf();
    for (auto _ : state) {
        GameState copy = a.game.State;
        benchmark::DoNotOptimize(copy);
    }
}
BENCHMARK(BM_StateCopy)->Args({8, 8})->Args({38, 26});

// A copy of a mid-game state made again over the last one, then the first candidate placed on
// it: what a searcher pays for a move without undo.
void BM_CopyAndPlay(benchmark::State& state) {
    AutoGame a(static_cast<int>(state.range(0)), static_cast<int>(state.range(1)));
    a.PlayToHalf();
    GameState& g = a.game.State;
    const int side = g.SideToMove;
    CollectCandidates(g, side);
    const int x = g.CandX[1];
    const int y = g.CandY[1];
    GameState scratch = g;
    for (auto _ : state) {
        scratch = g;
        CanPlace(scratch, side, x, y);
        scratch.SetCell(x, y, side, 1);
        TurnOver(scratch, x, y);
        benchmark::DoNotOptimize(scratch);
    }
}
BENCHMARK(BM_CopyAndPlay)->Args({8, 8})->Args({38, 26});

void BM_CollectCandidates(benchmark::State& state) {
    AutoGame a(static_cast<int>(state.range(0)), static_cast<int>(state.range(1)));
    a.PlayToHalf();
    const int side = a.game.State.SideToMove;
    int found = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(CollectCandidates(a.game.State, side));
        found = a.game.State.CandCount;
    }
    state.counters["candidates"] = found;
}
BENCHMARK(BM_CollectCandidates)->Args({8, 8})->Args({38, 26});

void BM_WholeAutoGame(benchmark::State& state) {
    AutoGame a(static_cast<int>(state.range(0)), static_cast<int>(state.range(1)));
    int64_t moves = 0;
    for (auto _ : state) {
        moves += a.Play();
    }
    state.counters["games/s"] =
        benchmark::Counter(static_cast<double>(state.iterations()), benchmark::Counter::kIsRate);
    state.counters["moves/game"] =
        static_cast<double>(moves) / static_cast<double>(state.iterations());
}
BENCHMARK(BM_WholeAutoGame)->Args({8, 8})->Args({38, 26});

} // namespace
