// Speed of the rules engine: the candidate scan on a mid-game board, and whole
// computer-against-computer games played with the timer's move step.

#include "ComputerPlayer.h"
#include "Game.h"

#include <benchmark/benchmark.h>

using namespace tolvekin;

namespace {

struct AutoGame {
    Settings settings;
    MtRandom random{1};
    QuietView view;
    Game game{settings, random, view};

    AutoGame(int w, int h) {
        settings.GameMode = 3;
        settings.BoardWidth = w;
        settings.BoardHeight = h;
        settings.MidX = w / 2;
        settings.MidY = h / 2;
        game.AllocateBoard();
    }
    // Plays one whole game; returns the number of placements.
    int Play() {
        game.RestartGame();
        game.PassClick();
        while (view.TimerEnabled(GameTimer::Auto)) {
            game.AutoMoveTick();
        }
        view.SetTimer(GameTimer::AutoRestart, false);
        return game.State.MoveCount;
    }
    // A board about half full.
    void PlayToHalf() {
        game.RestartGame();
        game.PassClick();
        while (view.TimerEnabled(GameTimer::Auto) &&
               game.State.MoveCount < game.State.CellCount() / 2) {
            game.AutoMoveTick();
        }
    }
};

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
