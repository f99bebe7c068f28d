// Speed of the main window (offscreen): building it for a board size, and one placement by the
// player with the computer's answer, handled and painted.

#include "app/GameSession.h"
#include "common/dialogs/DialogSeam.h"
#include "engine/ComputerPlayer.h"

#include <QApplication>

#include <benchmark/benchmark.h>

#include <memory>

using namespace tolvekin;

namespace {

// Messages (a pass) are answered at once.
struct SilentDialogs : DialogHandler {
    void Message(const QString&) override {}
    bool Question(const QString&) override { return false; }
    void Status(const QString&) override {}
    void CloseStatus() override {}
    bool StatusShown() const override { return false; }
};

struct Table {
    GameSession session{"/nonexistent/", 3};
    frmTolvek* form = nullptr;

    Table(int w, int h) {
        Settings& settings = session.settings;
        settings.BoardWidth = w;
        settings.BoardHeight = h;
        settings.MidX = w / 2;
        settings.MidY = h / 2;
        StartOptions start;
        start.ReadSettings = false;
        start.FitToScreen = false;
        session.Start(start);
        form = session.Window();
        form->show();
        QApplication::processEvents();
    }
};

void BM_BuildMainWindow(benchmark::State& state) {
    for (auto _ : state) {
        Table t(static_cast<int>(state.range(0)), static_cast<int>(state.range(1)));
        benchmark::DoNotOptimize(t.form);
    }
}
BENCHMARK(BM_BuildMainWindow)->Args({8, 8})->Args({38, 26})->Unit(benchmark::kMillisecond);

void BM_PlacementAndComputerAnswer(benchmark::State& state) {
    SilentDialogs silent;
    SetDialogHandler(&silent);
    Table t(static_cast<int>(state.range(0)), static_cast<int>(state.range(1)));
    for (auto _ : state) {
        state.PauseTiming();
        Game& game = t.session.game;
        GameState copy = game.State;
        if (game.Phase() == GamePhase::Over || !CollectCandidates(copy, 1)) {
            game.ClearGame();
            copy = game.State;
            CollectCandidates(copy, 1);
        }
        const int index = copy.CellIndex(copy.CandX[1], copy.CandY[1]);
        state.ResumeTiming();
        t.session.game.CellClick(index);
        QApplication::processEvents(); // paint the changed cells
    }
    SetDialogHandler(nullptr);
}
BENCHMARK(BM_PlacementAndComputerAnswer)
    ->Args({8, 8})
    ->Args({38, 26})
    ->Unit(benchmark::kMicrosecond);

} // namespace
