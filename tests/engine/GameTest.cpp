#include "engine/ComputerPlayer.h"
#include "engine/Rules.h"
#include "tests/engine/Fixtures.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace tolvekin;
using tolvekin::testing::RecordingView;
using tolvekin::testing::ScriptedRandom;

namespace {

struct GameFixture : ::testing::Test, tolvekin::testing::ClockedGame {
    void Start(int w = 8, int h = 8) {
        options.BoardWidth = w;
        options.BoardHeight = h;
        options.MidX = static_cast<int>(std::nearbyint(w / 2.0));
        options.MidY = static_cast<int>(std::nearbyint(h / 2.0));
        game.AllocateBoard();
        game.RestartGame();
    }
    int Owners(int side) const {
        int n = 0;
        for (int x = 1; x <= game.State.BoardWidth; ++x) {
            for (int y = 1; y <= game.State.BoardHeight; ++y) {
                n += game.State.Board(x, y) == side ? 1 : 0;
            }
        }
        return n;
    }
};

} // namespace

TEST_F(GameFixture, NewGamePlacesTheInitialBlock) {
    Start();
    const GameState& g = game.State;
    EXPECT_EQ(g.Board(4, 4), 1);
    EXPECT_EQ(g.Board(5, 5), 1);
    EXPECT_EQ(g.Board(5, 4), 2);
    EXPECT_EQ(g.Board(4, 5), 2);
    int changed = 0;
    for (int x = 1; x <= 8; ++x) {
        for (int y = 1; y <= 8; ++y) {
            changed += g.Changed(x, y) ? 1 : 0;
            EXPECT_EQ(g.CellColor(x, y), 0);
        }
    }
    EXPECT_EQ(changed, 4);
    EXPECT_EQ(g.MoveCount, 0);
    EXPECT_EQ(g.NextColor, 0);
    EXPECT_EQ(g.SideToMove, 1);
    EXPECT_EQ(g.StartX, 4);
    EXPECT_EQ(g.CellIndex(3, 2), 10);
    EXPECT_EQ(g.CellIndex(8, 8), 63);
    // Side 1's places are ready for the hint cursors.
    EXPECT_EQ(g.CandCount, 4);

    options.MidX = 1;
    options.MidY = 1;
    game.RestartGame();
    EXPECT_EQ(g.Board(1, 1), 1);
    EXPECT_EQ(g.Board(2, 1), 2);
}

TEST_F(GameFixture, ReplayWithoutStartColumnUsesTheCentre) {
    for (auto [w, h, x, y] :
         {std::array{7, 9, 4, 4}, std::array{9, 9, 4, 4}, std::array{10, 6, 5, 3}}) {
        Start(w, h);
        game.BeginReplay(GameRecord{});
        EXPECT_EQ(game.State.Board(x, y), 1) << w << "x" << h;
        EXPECT_EQ(game.State.Board(x + 1, y), 2) << w << "x" << h;
        EXPECT_EQ(game.State.StartX, 0);
        game.ClearGame();
    }
}

TEST_F(GameFixture, NewGameClearsTheMoveRecordOfALongerGame) {
    options.GameMode = 3;
    Start(4, 4);
    game.State.MoveRecord[9] = {0, 2, 4, 1, 1};
    game.NewGame();
    for (const auto& row : game.State.MoveRecord) {
        EXPECT_EQ(row, (std::array<int16_t, 5>{}));
    }
}

TEST_F(GameFixture, CountsColoursAndBlackPieces) {
    Start();
    auto c = MakeCountCaptions(game);
    EXPECT_EQ(game.State.Tally[1], (SideTally{0, 2, 0, 0}));
    EXPECT_EQ(c.Result, "現在同点です");
    EXPECT_EQ(c.CountColor[0], "x 0色");
    EXPECT_EQ(c.Total[1], "0点");

    // Colours 1, 2 and 7: two colours times the pieces that are not black.
    GameState& g = game.State;
    g.SetCell(1, 1, 1, 1);
    g.SetCell(2, 1, 1, 2);
    g.SetCell(3, 1, 1, 7);
    g.SetCell(4, 1, 1, 7);
    game.UpdateCount();
    EXPECT_EQ(g.Tally[1], (SideTally{2 * (6 - 2), 6, 2, 2}));
    c = MakeCountCaptions(game);
    EXPECT_EQ(c.Count[0], "6個");
    EXPECT_EQ(c.CountBlack[0], "- 黒2個");
    EXPECT_EQ(c.Total[0], "8点");
    EXPECT_EQ(c.Result, "おひさまが優勢です");

    options.MonoPieces = true;
    game.UpdateCount();
    EXPECT_EQ(g.Tally[1], (SideTally{6, 6, 0, 1}));
    EXPECT_EQ(g.Tally[2], (SideTally{2, 2, 0, 1}));
    c = MakeCountCaptions(game);
    EXPECT_EQ(c.CountBlack[0], "- 黒0個");
    EXPECT_EQ(c.CountColor[1], "x 1色");
    EXPECT_EQ(c.Total[0], "6個");
}

TEST_F(GameFixture, DisplayNamesAndResultTexts) {
    Start();
    EXPECT_EQ(game.DisplayName("SUN", 1), "おひさま");
    EXPECT_EQ(game.DisplayName("BEAR", 2), "くまさん");
    EXPECT_EQ(game.DisplayName("MOON", 2), "");
    options.CharSet = {"", "FISH", "FISH"};
    EXPECT_EQ(game.DisplayName("FISH", 1), "おさかな");
    options.MonoPieces = true;
    EXPECT_EQ(game.DisplayName("FISH", 1), "黒おさかな");
    EXPECT_EQ(game.DisplayName("FISH", 2), "白おさかな");

    options.MonoPieces = false;
    options.CharSet = {"", "SUN", "FISH"};
    game.State.Tally[Side1].Score = 5;
    game.State.Tally[Side2].Score = 9;
    game.GameOver();
    EXPECT_EQ(game.ResultText(), "おさかなの勝ち。");
    game.State.Tally[Side1].Score = 9;
    game.GameOver();
    EXPECT_EQ(view.results.back(), "0:引き分けです。");
}

TEST_F(GameFixture, OnlyAOnePlayerWinOfSideOneIsRecorded) {
    Start();
    game.State.Tally[Side1].Score = 10;
    game.State.Tally[Side2].Score = 3;
    game.GameOver();
    EXPECT_EQ(view.recordScore, 1);
    game.State.Tally[Side2].Score = 30;
    game.GameOver();
    game.State.Tally[Side2].Score = 10;
    game.GameOver();
    EXPECT_EQ(view.recordScore, 1);
    game.BeginReplay(GameRecord{});
    game.State.Tally[Side1].Score = 10;
    game.State.Tally[Side2].Score = 0;
    game.GameOver();
    EXPECT_EQ(view.recordScore, 1);

    options.GameMode = 2;
    game.ClearGame();
    view.answers = {false, true};
    game.GameOver();
    game.GameOver();
    EXPECT_EQ(view.questions, (std::vector<std::string>{"記録しますか？", "記録しますか？"}));
    EXPECT_EQ(view.recordTwoPlayer, 1);
    EXPECT_EQ(view.autoResults, 0);
    options.GameMode = 3;
    game.GameOver();
    EXPECT_EQ(view.autoResults, 1);
}

TEST_F(GameFixture, IllegalCellIsRefusedAndChangesNothing) {
    options.GameMode = 2;
    Start();
    game.CellClick(0);
    EXPECT_EQ(view.messages, (std::vector<std::string>{"そこには置けません"}));
    EXPECT_EQ(game.State.MoveCount, 0);
    EXPECT_EQ(Owners(1), 2);
}

TEST_F(GameFixture, TwoPlayersTakeTurnsAndAForcedPassIsAnnounced) {
    options.GameMode = 2;
    Start(4, 4);
    // (2, 1) encloses nothing at the start; (3, 1) encloses (3, 2).
    const int before = static_cast<int>(view.turns.size());
    game.CellClick(game.State.CellIndex(2, 1));
    EXPECT_EQ(view.messages.back(), "そこには置けません");
    game.CellClick(game.State.CellIndex(3, 1));
    EXPECT_EQ(game.State.MoveCount, 1);
    EXPECT_EQ(game.State.SideToMove, 2);
    EXPECT_EQ(game.PassMode(), PassRole::ShowPlaces);
    EXPECT_EQ(view.turns.size(), static_cast<size_t>(before + 1));
    // Play on with the first legal place until the end; every pass message names the side.
    int guard = 0;
    while (view.results.empty() && guard++ < 20) {
        ASSERT_TRUE(CollectCandidates(game.State, game.State.SideToMove));
        game.CellClick(game.State.CellIndex(game.State.CandX[1], game.State.CandY[1]));
    }
    ASSERT_EQ(view.results.size(), 1u);
    int finals = 0;
    for (const auto& m : view.messages) {
        finals += m == "どちらも置くところがないので、これまで" ? 1 : 0;
        if (m.find("順番をかえます") != std::string::npos) {
            EXPECT_TRUE(m == PassText("おひさま") || m == PassText("おさかな")) << m;
        }
    }
    EXPECT_EQ(finals, 1);
    EXPECT_EQ(view.questions.back(), "記録しますか？");
}

TEST_F(GameFixture, OnePlayerComputerAnswersInTheSameClick) {
    Start();
    random.Push(0.5); // colour: yellow
    random.Push(0.0); // the first candidate
    game.CellClick(game.State.CellIndex(5, 3));
    EXPECT_EQ(game.State.MoveCount, 2);
    EXPECT_EQ(game.State.MoveRecord[2][1], 2);
    EXPECT_EQ(game.State.MoveRecord[2][2], 2);
    EXPECT_EQ(game.State.SideToMove, 1);
}

TEST_F(GameFixture, GivingTheFirstMoveAwayLetsTheComputerPlaceEvenWhenBlinking) {
    for (bool flash : {false, true}) {
        options.FlashMove = flash;
        Start();
        view.flashes.clear();
        game.PassClick();
        clock.Advance(2000); // the blink's four toggles
        EXPECT_EQ(game.State.MoveCount, 1) << flash;
        EXPECT_EQ(game.State.MoveRecord[1][1], 2);
        EXPECT_EQ(game.State.SideToMove, 1);
        EXPECT_EQ(game.PassMode(), PassRole::ShowPlaces);
        EXPECT_EQ(view.flashes.size(), flash ? 1u : 0u);
    }
}

TEST_F(GameFixture, ClearingWhileThePieceBlinksDropsTheMove) {
    options.FlashMove = true;
    Start();
    game.CellClick(game.State.CellIndex(5, 3));
    clock.Advance(1200);
    EXPECT_TRUE(game.MoveInProgress());
    view.answers = {true};
    game.RestartClick();
    clock.Advance(3000);
    EXPECT_FALSE(game.MoveInProgress());
    EXPECT_EQ(view.flashEnds, 1);
    // The player's move was undone by the clearing; the computer's never reached the board.
    EXPECT_EQ(game.State.MoveCount, 0);
    EXPECT_EQ(Owners(1) + Owners(2), 4);
    EXPECT_EQ(game.State.SideToMove, 1);
    EXPECT_EQ(view.flashes.size(), 1u);
}

TEST_F(GameFixture, ClearingAnsweredNoLeavesEverythingAsItWas) {
    options.GameMode = 3;
    Start();
    game.PassClick();
    clock.Advance(500);
    const auto moves = game.State.MoveCount;
    view.answers = {false};
    game.RestartClick();
    EXPECT_EQ(view.questions.back(), "クリアしますか？");
    EXPECT_TRUE(clock.TimerEnabled(GameTimer::Auto));
    EXPECT_FALSE(clock.TimerEnabled(GameTimer::Replay));
    EXPECT_EQ(game.State.MoveCount, moves);

    options.GameLevel = 2;
    game.SavedLevel = 1;
    view.answers = {true};
    game.RestartClick();
    EXPECT_FALSE(clock.TimerEnabled(GameTimer::Auto));
    EXPECT_EQ(game.State.MoveCount, 0);
    EXPECT_EQ(options.GameLevel, 1);
}

TEST_F(GameFixture, QuitQuestionAndOptionsStopTheGameTimersButNotTheBlink) {
    options.GameMode = 3;
    options.GameTitle = "ぽるぽら";
    Start();
    game.PassClick();
    clock.SetTimer(GameTimer::Flash, true);
    view.answers = {false};
    EXPECT_FALSE(game.EndClick());
    EXPECT_EQ(view.questions.back(), "ぽるぽらを終了しますか？");
    EXPECT_TRUE(clock.TimerEnabled(GameTimer::Auto));
    EXPECT_FALSE(clock.TimerEnabled(GameTimer::AutoRestart));
    EXPECT_TRUE(clock.TimerEnabled(GameTimer::Flash));

    int shown = 0;
    game.OptionsClick([&] {
        ++shown;
        EXPECT_FALSE(clock.TimerEnabled(GameTimer::Auto));
        EXPECT_FALSE(clock.TimerEnabled(GameTimer::Replay));
        EXPECT_FALSE(clock.TimerEnabled(GameTimer::AutoRestart));
        EXPECT_TRUE(clock.TimerEnabled(GameTimer::Flash));
    });
    EXPECT_EQ(shown, 1);
    EXPECT_TRUE(clock.TimerEnabled(GameTimer::Auto));
    EXPECT_FALSE(clock.TimerEnabled(GameTimer::Replay));

    view.answers = {true};
    EXPECT_TRUE(game.EndClick());
    EXPECT_FALSE(clock.TimerEnabled(GameTimer::Auto)); // the program ends: nothing runs on

    // No options during a replay.
    GameRecord record;
    record.Reset(8, 8);
    record.Moves[1] = {0, 1, 0, 5, 3};
    game.BeginReplay(record);
    game.OptionsClick([&] { ++shown; });
    EXPECT_EQ(shown, 1);
    EXPECT_TRUE(clock.TimerEnabled(GameTimer::Replay));
}

TEST_F(GameFixture, AutomaticPlayAlternatesStrengthByMoveNumber) {
    options.GameMode = 3;
    options.GameLevel = 2;
    Start();
    game.PassClick();
    EXPECT_EQ(game.SavedLevel, 2);
    EXPECT_TRUE(clock.TimerEnabled(GameTimer::Auto));
    std::vector<int> levels;
    while (clock.TimerEnabled(GameTimer::Auto) && levels.size() < 8) {
        const int before = game.State.MoveCount;
        clock.Step();
        if (game.State.MoveCount != before) {
            levels.push_back(options.GameLevel);
        }
    }
    // Side 1 plays strong at 1, 4, 7 placements made (mod 3 = 1), side 2 at 1, 5 (mod 4 = 1);
    // without a pass side 1 makes placements 1, 3, 5, 7.
    EXPECT_EQ(levels, (std::vector<int>{1, 2, 1, 1, 2, 2, 1, 1}));
}

TEST_F(GameFixture, ABlinkingMoveIsNotJoinedByATimerTick) {
    options.GameMode = 3;
    options.FlashMove = true;
    Start();
    game.PassClick();
    clock.Advance(500);  // the first move starts blinking
    clock.Advance(1000); // a tick that falls into the blinking makes no move
    EXPECT_EQ(game.State.MoveCount, 0);
    clock.Advance(1000); // the fourth toggle places it; the tick just before it did nothing
    EXPECT_EQ(view.flashes.size(), 1u);
    EXPECT_EQ(game.State.MoveCount, 1);
}

TEST_F(GameFixture, AutomaticRestartKeepsTheUsersLevel) {
    options.GameMode = 3;
    options.GameLevel = 1;
    Start(4, 4);
    game.PassClick();
    int guard = 0;
    while (!clock.TimerEnabled(GameTimer::AutoRestart) && guard++ < 40) {
        clock.Step();
    }
    ASSERT_TRUE(clock.TimerEnabled(GameTimer::AutoRestart));
    EXPECT_EQ(view.autoResults, 1);
    clock.Advance(5000);
    EXPECT_FALSE(clock.TimerEnabled(GameTimer::AutoRestart));
    EXPECT_TRUE(clock.TimerEnabled(GameTimer::Auto));
    EXPECT_EQ(game.SavedLevel, 1);
    EXPECT_EQ(game.State.MoveCount, 0);
}

TEST_F(GameFixture, TwoByTwoBoardEndsAtTheFirstChangeOfTurn) {
    options.GameMode = 3;
    Start(2, 2);
    game.PassClick();
    clock.Advance(500);
    EXPECT_EQ(view.results, (std::vector<std::string>{"0:引き分けです。"}));
    EXPECT_EQ(AutoResultLine(game),
              "コマ数　たて2　よこ2    先手　2個、　後手　2個    引き分けです。");
}

TEST_F(GameFixture, ARefusedClickOnATwoByTwoBoardChangesNothingAndTheGameStillEnds) {
    for (int mode : {1, 2}) {
        options.GameMode = mode;
        Start(2, 2);
        view.messages.clear();
        view.hintModes = 0;
        const GameState before = game.State;
        game.CellClick(0);
        EXPECT_EQ(view.messages, (std::vector<std::string>{"そこには置けません"}));
        // Still the first-move role: the pass button does not show places yet.
        EXPECT_EQ(game.Phase(), GamePhase::Ready) << mode;
        EXPECT_EQ(game.PassMode(), PassRole::GiveFirstMove);
        EXPECT_EQ(view.hintModes, 0);
        EXPECT_EQ(game.State.MoveCount, before.MoveCount);
        EXPECT_EQ(game.State.SideToMove, before.SideToMove);
        EXPECT_EQ(game.State.DirEnd, before.DirEnd);
        EXPECT_EQ(game.State.CandCount, before.CandCount);
        // Giving the first move away is the next change of turn: the game ends there.
        game.PassClick();
        EXPECT_EQ(view.messages.back(), "どちらも置くところがないので、これまで");
        EXPECT_EQ(game.Phase(), GamePhase::Over) << mode;
        EXPECT_EQ(view.results.back(), "0:引き分けです。");
    }
}
