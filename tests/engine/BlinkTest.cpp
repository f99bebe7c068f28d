// The blinking of the computer's piece as the player sees it, on the hand-moved clock: each
// thing shown is logged with the time it happens, and the logs are compared whole, so a change
// in what is shown or when shows up as a difference.

#include "tests/engine/Fixtures.h"

#include <gtest/gtest.h>

#include <cmath>
#include <map>
#include <sstream>

namespace {

using namespace tolvekin;

struct TimelineView : tolvekin::testing::RecordingView {
    ManualClock* clock = nullptr;
    std::vector<std::string> log;
    bool shown = true; // the blinking piece

    void Log(const std::string& what) { log.push_back(std::to_string(clock->Now()) + " " + what); }

    void MessageForm(const std::string& text) override {
        RecordingView::MessageForm(text);
        Log("message " + text);
    }
    bool QuestionForm(const std::string& text) override {
        const bool yes = RecordingView::QuestionForm(text);
        Log("question " + text + (yes ? " yes" : " no"));
        return yes;
    }
    void EnterHintMode() override { Log("hint"); }
    void ShowTurn(Side from, Side to) override {
        Log("turn " + std::to_string(from) + ">" + std::to_string(to));
    }
    void ShowNextPiece(Side side, int color) override {
        Log("next " + std::to_string(side) + " " + std::to_string(color));
    }
    void RedrawBoard() override { Log("redraw"); }
    void ShowGameOver(Side winner, const std::string&) override {
        Log("over " + std::to_string(winner));
    }
    void ApplyControls(const ControlStates& c) override {
        Log(std::string("controls ") + (c.Board ? "B" : "-") + (c.Pass ? "P" : "-") +
            (c.CharBoxes ? "C" : "-") + (c.Restart ? "R" : "-"));
    }
    void SetCursor() override { Log("cursor"); }
    void FocusFirstCell() override {}
    void ChangeMode() override {}
    void ChangeLevel() override {}
    void ClearCellPictures() override { Log("clear cells"); }
    void ShowCount() override {}

    // The blink as the window shows it.
    void ShowFlashPiece(int x, int y) override {
        shown = true;
        Log("blink " + std::to_string(x) + "," + std::to_string(y));
    }
    void ToggleFlashPiece() override {
        shown = !shown;
        Log(shown ? "shown" : "hidden");
    }
    void EndFlash() override {
        shown = true;
        Log("blink end");
    }
};

// A game on the hand-moved clock with actions set for given times: a click or a dialog that
// comes in between two ticks.
struct Timeline : ::testing::Test {
    PlayOptions options;
    tolvekin::testing::ScriptedRandom random;
    TimelineView view;
    ManualClock clock;
    Game game{options, random, view, clock, view};
    std::multimap<int64_t, std::function<void()>> actions;

    Timeline() {
        view.clock = &clock;
        clock.SetHandler([this](GameTimer t) { game.Tick(t); });
    }
    void At(int64_t time, std::function<void()> action) {
        actions.emplace(time, std::move(action));
    }
    // The next thing to happen up to end, an action or a tick, whichever is first.
    bool Next(int64_t end) {
        const int64_t tick = clock.NextTickTime();
        const int64_t act = actions.empty() ? -1 : actions.begin()->first;
        if (act >= 0 && act <= end && (tick < 0 || act < tick)) {
            clock.Advance(act - clock.Now());
            auto action = actions.begin()->second;
            actions.erase(actions.begin());
            action();
            return true;
        }
        if (tick >= 0 && tick <= end) {
            clock.Step();
            return true;
        }
        return false;
    }
    void RunUntil(int64_t end) {
        while (Next(end)) {
        }
        clock.Advance(end - clock.Now());
    }
    void Start(int mode) {
        options.GameMode = mode;
        options.FlashMove = true;
        options.BoardWidth = 8;
        options.BoardHeight = 8;
        options.MidX = 4;
        options.MidY = 4;
        game.AllocateBoard();
        game.RestartGame();
        view.log.clear();
    }
    std::string Log() const {
        std::ostringstream out;
        for (const std::string& line : view.log) {
            out << line << "\n";
        }
        return out.str();
    }
};

TEST_F(Timeline, OnePlayerComputerBlinksThenPlacesAndClicksWaitMeanwhile) {
    Start(1);
    At(1200, [this] { game.CellClick(game.State.CellIndex(6, 4)); }); // refused: still blinking
    game.CellClick(game.State.CellIndex(5, 3));
    RunUntil(4000);
    EXPECT_EQ(Log(), "0 controls BP-R\n"
                     "0 hint\n"
                     "0 redraw\n"
                     "0 turn 1>2\n"
                     "0 next 2 1\n"
                     "0 blink 4,3\n"
                     "500 hidden\n"
                     "1000 shown\n"
                     "1500 hidden\n"
                     "2000 shown\n"
                     "2000 blink end\n"
                     "2000 redraw\n"
                     "2000 turn 2>1\n"
                     "2000 cursor\n");
    EXPECT_EQ(game.State.MoveCount, 2);
    EXPECT_FALSE(game.MoveInProgress());
}

TEST_F(Timeline, GivingTheFirstMoveAwayStartsTheGameOnceTheComputerHasPlaced) {
    Start(1);
    game.PassClick();
    RunUntil(3000);
    EXPECT_EQ(Log(), "0 turn 1>2\n"
                     "0 next 2 1\n"
                     "0 blink 3,4\n"
                     "500 hidden\n"
                     "1000 shown\n"
                     "1500 hidden\n"
                     "2000 shown\n"
                     "2000 blink end\n"
                     "2000 redraw\n"
                     "2000 turn 2>1\n"
                     "2000 cursor\n"
                     "2000 controls BP-R\n"
                     "2000 hint\n");
}

TEST_F(Timeline, AutomaticPlayTicksThatFallIntoABlinkMakeNoMove) {
    Start(3);
    game.PassClick();
    RunUntil(5600);
    EXPECT_EQ(Log(), "0 controls ---R\n"
                     "500 next 1 1\n"
                     "500 blink 3,5\n"
                     "1000 hidden\n"
                     "1500 shown\n"
                     "2000 hidden\n"
                     "2500 shown\n"
                     "2500 blink end\n"
                     "2500 redraw\n"
                     "3500 turn 1>2\n"
                     "3500 next 2 1\n"
                     "3500 blink 3,6\n"
                     "4000 hidden\n"
                     "4500 shown\n"
                     "5000 hidden\n"
                     "5500 shown\n"
                     "5500 blink end\n"
                     "5500 redraw\n");
}

TEST_F(Timeline, ClearingDuringABlinkDropsTheMoveAndANoLetsItBlinkOn) {
    Start(3);
    game.PassClick();
    At(1200, [this] {
        view.answers = {false};
        game.RestartClick();
    });
    At(3700, [this] {
        view.answers = {true};
        game.RestartClick();
    });
    RunUntil(8000);
    EXPECT_EQ(Log(), "0 controls ---R\n"
                     "500 next 1 1\n"
                     "500 blink 3,5\n"
                     "1000 hidden\n"
                     "1200 question クリアしますか？ no\n"
                     "1700 shown\n"
                     "2200 hidden\n"
                     "2700 shown\n"
                     "2700 blink end\n"
                     "2700 redraw\n"
                     "3200 turn 1>2\n"
                     "3200 next 2 1\n"
                     "3200 blink 3,6\n"
                     "3700 hidden\n"
                     "3700 question クリアしますか？ yes\n"
                     "3700 clear cells\n"
                     "3700 controls BPC-\n"
                     "3700 redraw\n"
                     "3700 turn 2>1\n"
                     "3700 blink end\n");
    EXPECT_EQ(game.State.MoveCount, 0);
    EXPECT_FALSE(game.MoveInProgress());
}

TEST_F(Timeline, ABlinkThatEndsWhileTheOptionsAreOpenPlacesWhenTheyClose) {
    Start(3);
    game.PassClick();
    At(1200, [this] {
        // The options stay open for two seconds; the blink goes on behind them.
        game.OptionsClick([this] { clock.Advance(2000); });
    });
    RunUntil(6300);
    EXPECT_EQ(Log(), "0 controls ---R\n"
                     "500 next 1 1\n"
                     "500 blink 3,5\n"
                     "1000 hidden\n"
                     "1500 shown\n"
                     "2000 hidden\n"
                     "2500 shown\n"
                     "3200 blink end\n"
                     "3200 redraw\n"
                     "4200 turn 1>2\n"
                     "4200 next 2 1\n"
                     "4200 blink 3,6\n"
                     "4700 hidden\n"
                     "5200 shown\n"
                     "5700 hidden\n"
                     "6200 shown\n"
                     "6200 blink end\n"
                     "6200 redraw\n");
}

} // namespace
