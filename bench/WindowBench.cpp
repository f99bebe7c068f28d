// Speed of the main window (offscreen): building it for a board size, and one placement by the
// player with the computer's answer, handled and painted.

#include "ComputerPlayer.h"
#include "DialogSeam.h"
#include "frmTolvek.h"

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
    Settings settings;
    MtRandom random{3};
    QuietView none;
    Game game{settings, random, none};
    std::unique_ptr<frmTolvek> form;

    Table(int w, int h) {
        settings.BoardWidth = w;
        settings.BoardHeight = h;
        settings.MidX = w / 2;
        settings.MidY = h / 2;
        game.AllocateBoard();
        form = std::make_unique<frmTolvek>(game, "/nonexistent/");
        form->Load();
        game.View = form.get();
        game.RestartGame();
        form->show();
        QApplication::processEvents();
    }
};

void BM_BuildMainWindow(benchmark::State& state) {
    for (auto _ : state) {
        Table t(static_cast<int>(state.range(0)), static_cast<int>(state.range(1)));
        benchmark::DoNotOptimize(t.form.get());
    }
}
BENCHMARK(BM_BuildMainWindow)->Args({8, 8})->Args({38, 26})->Unit(benchmark::kMillisecond);

void BM_PlacementAndComputerAnswer(benchmark::State& state) {
    SilentDialogs silent;
    SetDialogHandler(&silent);
    Table t(static_cast<int>(state.range(0)), static_cast<int>(state.range(1)));
    for (auto _ : state) {
        state.PauseTiming();
        GameState copy = t.game.State;
        if (!t.form->cmdPass->isEnabled() || !CollectCandidates(copy, 1)) {
            t.game.RestartGame();
            t.form->EnableControls(true);
            copy = t.game.State;
            CollectCandidates(copy, 1);
        }
        const int index = copy.CellIndex(copy.CandX[1], copy.CandY[1]);
        state.ResumeTiming();
        t.form->picKoma_Click(index);
        QApplication::processEvents(); // paint the changed cells
    }
    SetDialogHandler(nullptr);
}
BENCHMARK(BM_PlacementAndComputerAnswer)
    ->Args({8, 8})
    ->Args({38, 26})
    ->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
