// The main window while 名人 thinks: the search is held on its worker until the test lets it go,
// and meanwhile the window repaints and answers, clearing drops the search, the options dialog
// holds its move, quitting ends cleanly, and the blink comes only once the move is known.

#include "app/GameSession.h"
#include "settings/frmOptBrd.h"
#include "tests/support/DialogAnswerer.h"
#include "tests/support/ModalDriver.h"

#include <QApplication>
#include <QEvent>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <memory>
#include <mutex>
#include <vector>

using namespace tolvekin;
using tolvekin::testing::DialogAnswerer;
using tolvekin::testing::WaitFor;
using tolvekin::testing::WhenModalShown;

namespace {

// Holds every search of 名人 until Open (or until the search is cancelled), then lets the real
// search choose. Shared with the worker, so it outlives whatever the worker still runs.
struct SearchGate {
    std::mutex lock;
    std::condition_variable wake;
    bool open = false;
    Move last; // the move the last search handed back
    std::atomic<int> started{0};
    std::atomic<int> finished{0};
    std::atomic<bool> sawCancel{false};

    void Open() {
        const std::lock_guard<std::mutex> hold(lock);
        open = true;
        wake.notify_all();
    }
    Move Last() {
        const std::lock_guard<std::mutex> hold(lock);
        return last;
    }

    static ExpertPlayer::Chooser HeldBy(const std::shared_ptr<SearchGate>& gate) {
        return [gate, search = DefaultExpertChooser()](const Position& position, int side,
                                                       uint64_t seed, bool piecesOnly,
                                                       const std::atomic<bool>& cancelled) {
            ++gate->started;
            {
                std::unique_lock<std::mutex> hold(gate->lock);
                while (!gate->open && !cancelled) {
                    gate->wake.wait_for(hold, std::chrono::milliseconds(2));
                }
            }
            gate->sawCancel = gate->sawCancel || cancelled;
            const Move move = search(position, side, seed, piecesOnly, cancelled);
            {
                const std::lock_guard<std::mutex> hold(gate->lock);
                gate->last = move;
            }
            ++gate->finished;
            return move;
        };
    }
};

struct ThinkingGame {
    QTemporaryDir dir;
    std::shared_ptr<SearchGate> gate = std::make_shared<SearchGate>();
    GameSession session;
    Game& game = session.game;
    frmTolvek* form = nullptr;

    explicit ThinkingGame(bool blink) : session(dir.path() + "/", 23) {
        Settings& s = session.settings;
        s.GameMode = 1;
        s.GameLevel = 3;
        s.FlashMove = blink;
        s.SettingsPath = dir.filePath("TlvPar.txt").toStdString();
        game.SetExpertChooser(SearchGate::HeldBy(gate));
        StartOptions start;
        start.ReadSettings = false;
        start.FitToScreen = false;
        start.ShowWindow = true;
        session.Start(start);
        form = session.Window();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(form));
    }
    MainWindowControls& c() { return form->Controls(); }

    // The player places on the first candidate; 名人 is then thinking, held at the gate.
    void PlayAndLetTheMasterThink() {
        const GameState& g = game.State;
        ASSERT_GT(g.CandCount, 0);
        QTest::mouseClick(form->Cell(g.CandX[1], g.CandY[1]), Qt::LeftButton);
        ASSERT_EQ(g.MoveCount, 1);
        ASSERT_TRUE(game.Thinking());
        ASSERT_TRUE(WaitFor([this] { return gate->started == 1; }));
    }
    // Owner and colour of every cell, row by row.
    std::vector<int32_t> Cells() const {
        const GameState& g = game.State;
        std::vector<int32_t> cells;
        for (int y = 1; y <= g.BoardHeight; ++y) {
            for (int x = 1; x <= g.BoardWidth; ++x) {
                cells.push_back(g.Board(x, y) * 8 + g.CellColor(x, y));
            }
        }
        return cells;
    }
    // The worker has returned and whatever it posted has been delivered.
    void DrainWorker() {
        session.thinker.WaitForWorker();
        QCoreApplication::sendPostedEvents();
        QCoreApplication::processEvents();
    }
};

// Counts the paint events a widget receives.
class PaintCounter : public QObject {
public:
    int paints = 0;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint) {
            ++paints;
        }
        return QObject::eventFilter(watched, event);
    }
};

TEST(MasterThinkingWindow, RepaintsAndAnswersWhileTheSearchRuns) {
    DialogAnswerer answers;
    ThinkingGame w(false);
    ASSERT_NO_FATAL_FAILURE(w.PlayAndLetTheMasterThink());
    const std::vector<int32_t> before = w.Cells();
    const GameState& g = w.game.State;

    // The event loop runs: a timer ticks and the board repaints.
    int ticks = 0;
    QTimer timer;
    QObject::connect(&timer, &QTimer::timeout, [&ticks] { ++ticks; });
    timer.start(5);
    EXPECT_TRUE(WaitFor([&ticks] { return ticks >= 3; }));
    timer.stop();
    PaintCounter counter;
    PictureBox* cell = w.form->Cell(1, 1);
    cell->installEventFilter(&counter);
    cell->update();
    EXPECT_TRUE(WaitFor([&counter] { return counter.paints > 0; }));
    cell->removeEventFilter(&counter);

    // Clicks on the board are refused quietly, on a cell the computer could take and on one
    // where nothing can go.
    ASSERT_GT(g.CandCount, 0);
    QTest::mouseClick(w.form->Cell(g.CandX[1], g.CandY[1]), Qt::LeftButton);
    QTest::mouseClick(w.form->Cell(1, 1), Qt::LeftButton);
    EXPECT_TRUE(answers.shown.isEmpty()) << answers.shown.join("|").toStdString();
    EXPECT_EQ(w.Cells(), before);
    EXPECT_EQ(g.MoveCount, 1);
    EXPECT_TRUE(w.game.Thinking());
    // Clearing and quitting stay at hand.
    EXPECT_TRUE(w.c().cmdRestart->isEnabled());
    EXPECT_TRUE(w.c().cmdEnd->isEnabled());

    // Once the search is let go its move lands and the turn comes back to the player.
    w.gate->Open();
    ASSERT_TRUE(WaitFor([&g] { return g.MoveCount == 2; }, 20000));
    const Move move = w.gate->Last();
    EXPECT_EQ(g.Board(move.X, move.Y), Side2);
    EXPECT_EQ(g.SideToMove, Side1);
    EXPECT_FALSE(w.game.Thinking());
    EXPECT_FALSE(w.game.MoveInProgress());
    EXPECT_TRUE(answers.shown.isEmpty()) << answers.shown.join("|").toStdString();
}

TEST(MasterThinkingWindow, PlacesHeldUpWhileTheMoveLandsGoWhenTheButtonIsLetGo) {
    DialogAnswerer answers;
    ThinkingGame w(false);
    ASSERT_NO_FATAL_FAILURE(w.PlayAndLetTheMasterThink());
    const GameState& g = w.game.State;
    // 置けるところ held while 名人 thinks, and let go only after its move has landed.
    QTest::mousePress(w.c().cmdPass, Qt::LeftButton);
    w.gate->Open();
    ASSERT_TRUE(WaitFor([&g] { return g.MoveCount == 2; }, 20000));
    QTest::mouseRelease(w.c().cmdPass, Qt::LeftButton);
    for (int y = 1; y <= g.BoardHeight; ++y) {
        for (int x = 1; x <= g.BoardWidth; ++x) {
            if (g.Board(x, y) == 0) {
                EXPECT_FALSE(w.form->Cell(x, y)->HasPicture()) << x << "," << y;
            }
        }
    }
}

TEST(MasterThinkingWindow, ClearingCancelsTheSearchAndItsMoveNeverLands) {
    DialogAnswerer answers;
    ThinkingGame w(false);
    const std::vector<int32_t> fresh = w.Cells();
    ASSERT_NO_FATAL_FAILURE(w.PlayAndLetTheMasterThink());
    const GameState& g = w.game.State;

    // A no to the question leaves the search running.
    answers.answers = {false};
    w.c().cmdRestart->click();
    EXPECT_TRUE(w.game.Thinking());
    EXPECT_EQ(g.MoveCount, 1);

    answers.answers = {true};
    w.c().cmdRestart->click();
    EXPECT_EQ(answers.questions.size(), 2);
    EXPECT_FALSE(w.game.Thinking());
    EXPECT_FALSE(w.game.MoveInProgress());
    EXPECT_EQ(w.game.Phase(), GamePhase::Ready);
    EXPECT_EQ(w.Cells(), fresh);
    // The search sees that it was dropped and returns; whatever it chose goes nowhere.
    ASSERT_TRUE(WaitFor([&w] { return w.gate->finished == 1; }, 20000));
    EXPECT_TRUE(w.gate->sawCancel);
    w.DrainWorker();
    EXPECT_EQ(w.Cells(), fresh);
    EXPECT_EQ(g.MoveCount, 0);
    EXPECT_EQ(g.SideToMove, Side1);

    // The next game's search runs and answers as usual.
    w.gate->Open();
    QTest::mouseClick(w.form->Cell(g.CandX[1], g.CandY[1]), Qt::LeftButton);
    ASSERT_TRUE(WaitFor([&g] { return g.MoveCount == 2; }, 20000));
    EXPECT_EQ(w.gate->started, 2);
    const Move move = w.gate->Last();
    EXPECT_EQ(g.Board(move.X, move.Y), Side2);
    EXPECT_EQ(g.MoveRecord[2][3], move.X);
    EXPECT_EQ(g.MoveRecord[2][4], move.Y);
}

TEST(MasterThinkingWindow, TheMoveThoughtOutBehindTheOptionsDialogWaitsForItToClose) {
    DialogAnswerer answers;
    ThinkingGame w(false);
    ASSERT_NO_FATAL_FAILURE(w.PlayAndLetTheMasterThink());
    const GameState& g = w.game.State;
    bool opened = false;
    WhenModalShown<frmOptBrd>([&](frmOptBrd& dialog) {
        opened = true;
        EXPECT_TRUE(dialog.GameOptionsLocked()); // a game is under way
        EXPECT_TRUE(dialog.optLevel[2]->isChecked());
        w.gate->Open();
        EXPECT_TRUE(WaitFor([&w] { return !w.game.Thinking(); }, 20000));
        EXPECT_EQ(g.MoveCount, 1); // held while the dialog is open
        dialog.cmdCancel->click();
    });
    QTest::mouseClick(w.c().picMode, Qt::LeftButton);
    EXPECT_TRUE(opened);
    EXPECT_EQ(g.MoveCount, 2);
    const Move move = w.gate->Last();
    EXPECT_EQ(g.Board(move.X, move.Y), Side2);
    EXPECT_EQ(g.SideToMove, Side1);
    EXPECT_FALSE(w.game.MoveInProgress());
}

TEST(MasterThinkingWindow, TheBlinkStartsOnceTheMoveIsThoughtOut) {
    DialogAnswerer answers;
    ThinkingGame w(true);
    ASSERT_NO_FATAL_FAILURE(w.PlayAndLetTheMasterThink());
    const GameState& g = w.game.State;
    EXPECT_FALSE(w.form->Clock().timFlash.isActive());

    w.gate->Open();
    ASSERT_TRUE(WaitFor([&w] { return w.form->Clock().timFlash.isActive(); }, 20000));
    const Move move = w.gate->Last();
    EXPECT_EQ(g.MoveCount, 1);
    EXPECT_EQ(g.Board(move.X, move.Y), 0);
    EXPECT_TRUE(w.game.MoveInProgress());
    // The blink's own timer places the piece where it blinked.
    ASSERT_TRUE(WaitFor([&g] { return g.MoveCount == 2; }, 10000));
    EXPECT_EQ(g.Board(move.X, move.Y), Side2);
    EXPECT_EQ(g.SideToMove, Side1);
    EXPECT_FALSE(w.form->Clock().timFlash.isActive());
}

TEST(MasterThinkingWindow, QuittingDuringTheSearchEndsTheProgramCleanly) {
    DialogAnswerer answers;
    auto w = std::make_unique<ThinkingGame>(false);
    ASSERT_NO_FATAL_FAILURE(w->PlayAndLetTheMasterThink());
    const std::shared_ptr<SearchGate> gate = w->gate;

    // 終了 answered yes ends the event loop while the search is still held.
    answers.answers = {true};
    QTimer::singleShot(0, w->form, [form = w->form] { form->Controls().cmdEnd->click(); });
    QTimer watchdog;
    watchdog.setSingleShot(true);
    QObject::connect(&watchdog, &QTimer::timeout, [] { QApplication::exit(3); });
    watchdog.start(10000);
    EXPECT_EQ(QApplication::exec(), 0);
    watchdog.stop();
    EXPECT_EQ(answers.questions.size(), 1);
    EXPECT_TRUE(w->game.Thinking());

    // The session goes as after the event loop in the program: the search is dropped and the
    // worker let go before anything it could reach is gone.
    w.reset();
    EXPECT_EQ(gate->finished, 1);
    EXPECT_TRUE(gate->sawCancel);
}

} // namespace
