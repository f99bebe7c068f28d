// The phase of a game as the players move it on: what the pass button does and which controls
// take clicks in each phase, the clock that drives computer games, and the settings a player
// changes between games.

#include "engine/CharacterSets.h"
#include "engine/ComputerPlayer.h"
#include "tests/engine/Fixtures.h"

#include <gtest/gtest.h>

using namespace tolvekin;
using tolvekin::testing::RecordingView;
using tolvekin::testing::ScriptedRandom;

namespace {

struct PhaseFixture : ::testing::Test, tolvekin::testing::ClockedGame {
    void Start(int mode, int w = 8, int h = 8) {
        options.GameMode = mode;
        options.BoardWidth = w;
        options.BoardHeight = h;
        options.MidX = w / 2;
        options.MidY = h / 2;
        game.AllocateBoard();
        game.RestartGame();
    }
    void PlayFirstPlace() {
        ASSERT_TRUE(CollectCandidates(game.State, game.State.SideToMove));
        game.CellClick(game.State.CellIndex(game.State.CandX[1], game.State.CandY[1]));
    }
};

constexpr ControlStates OnlyClearing{false, false, false, false, false, false, true};

} // namespace

TEST_F(PhaseFixture, TwoPlayerGameFromReadyToOverAndBack) {
    Start(2, 4, 4);
    EXPECT_EQ(game.Phase(), GamePhase::Ready);
    EXPECT_EQ(game.PassMode(), PassRole::GiveFirstMove);
    EXPECT_EQ(view.controls, (ControlStates{true, true, true, true, true, true, false}));

    // A refused first click changes nothing: the first move can still be given away.
    game.CellClick(0);
    EXPECT_EQ(game.Phase(), GamePhase::Ready);
    EXPECT_EQ(game.PassMode(), PassRole::GiveFirstMove);
    EXPECT_EQ(view.hintModes, 0);
    // The first placement starts the game: no more first-move swap or new characters.
    PlayFirstPlace();
    EXPECT_EQ(game.Phase(), GamePhase::Playing);
    EXPECT_EQ(game.PassMode(), PassRole::ShowPlaces);
    EXPECT_EQ(view.hintModes, 1);
    EXPECT_EQ(view.controls, (ControlStates{true, true, true, false, false, true, true}));
    game.PassClick(); // only shows places now
    EXPECT_EQ(game.State.MoveCount, 1);

    for (int guard = 0; game.Phase() == GamePhase::Playing && guard < 20; ++guard) {
        PlayFirstPlace();
    }
    EXPECT_EQ(game.Phase(), GamePhase::Over);
    EXPECT_EQ(view.controls, OnlyClearing);
    EXPECT_EQ(view.hintModes, 1);
    const int moves = game.State.MoveCount;
    game.CellClick(0); // a click that slips through changes nothing
    EXPECT_EQ(game.State.MoveCount, moves);

    view.answers = {true};
    game.RestartClick();
    EXPECT_EQ(game.Phase(), GamePhase::Ready);
    EXPECT_EQ(game.PassMode(), PassRole::GiveFirstMove);
    EXPECT_TRUE(view.controls.CharBoxes);
}

TEST_F(PhaseFixture, BlackAndWhitePiecesHaveNoColourButtons) {
    Start(1);
    game.SetMonoPieces(true);
    EXPECT_TRUE(options.MonoPieces);
    EXPECT_FALSE(view.controls.Colors);
    EXPECT_TRUE(view.controls.Board);
    game.SetMonoPieces(false);
    EXPECT_TRUE(view.controls.Colors);
    EXPECT_EQ(ControlsFor(GamePhase::Playing, true).Colors, false);
}

TEST_F(PhaseFixture, ComputerGamesFollowTheClock) {
    Start(3, 4, 4);
    EXPECT_EQ(game.PassMode(), PassRole::StartAutoPlay);
    game.CellClick(game.State.CellIndex(1, 2)); // the board does not play in this mode
    EXPECT_EQ(game.Phase(), GamePhase::Ready);
    game.PassClick();
    EXPECT_EQ(game.Phase(), GamePhase::AutoPlaying);
    EXPECT_EQ(view.controls, OnlyClearing);
    // The first placement 500 ms after the start, then one every 1000 ms.
    clock.Advance(499);
    EXPECT_EQ(game.State.MoveCount, 0);
    clock.Advance(1);
    EXPECT_EQ(game.State.MoveCount, 1);
    clock.Advance(999);
    EXPECT_EQ(game.State.MoveCount, 1);
    clock.Advance(1);
    EXPECT_EQ(game.State.MoveCount, 2);

    while (game.Phase() == GamePhase::AutoPlaying && clock.Now() < 60'000) {
        clock.Advance(1000);
    }
    ASSERT_EQ(game.Phase(), GamePhase::AutoWaitingRestart);
    EXPECT_EQ(view.autoResults, 1);
    EXPECT_EQ(view.controls, OnlyClearing);
    // The next game starts 5000 ms after the end, and its play 500 ms after that.
    const int64_t end = clock.Now();
    clock.Advance(4999);
    EXPECT_EQ(game.Phase(), GamePhase::AutoWaitingRestart);
    clock.Advance(1);
    EXPECT_EQ(game.Phase(), GamePhase::AutoPlaying);
    EXPECT_EQ(game.State.MoveCount, 0);
    clock.Advance(499);
    EXPECT_EQ(game.State.MoveCount, 0);
    clock.Advance(1);
    EXPECT_EQ(game.State.MoveCount, 1);
    EXPECT_EQ(clock.Now(), end + 5500);
}

TEST_F(PhaseFixture, ClearingStopsEveryTimerEvenWhileWaitingToRestart) {
    Start(3, 2, 2);
    game.PassClick();
    clock.Advance(500); // a 2 x 2 board is full from the start
    ASSERT_EQ(game.Phase(), GamePhase::AutoWaitingRestart);
    game.ClearGame();
    EXPECT_EQ(game.Phase(), GamePhase::Ready);
    EXPECT_FALSE(clock.Step());
}

TEST_F(PhaseFixture, ReplayLastsUntilTheBoardIsCleared) {
    Start(1);
    game.BeginReplay(GameRecord{{}, 2, 3});
    EXPECT_EQ(game.Phase(), GamePhase::Replay);
    EXPECT_TRUE(game.ReplayMode());
    EXPECT_EQ(view.controls, OnlyClearing);
    EXPECT_EQ(game.State.Board(2, 3), 1);
    game.State.Tally[Side1].Score = 5;
    game.GameOver();
    EXPECT_EQ(game.Phase(), GamePhase::ReplayOver);
    EXPECT_TRUE(game.ReplayMode());
    EXPECT_EQ(view.recordScore, 0);
    game.ClearGame();
    EXPECT_FALSE(game.ReplayMode());
    EXPECT_EQ(game.State.Board(4, 4), 1);
}

TEST_F(PhaseFixture, ABlinkCutShortDropsTheComputersMove) {
    options.FlashMove = true;
    Start(1);
    game.PassClick();
    clock.Advance(1200);
    game.ClearGame();
    clock.Advance(3000);
    EXPECT_EQ(view.flashes.size(), 1u);
    EXPECT_EQ(view.flashEnds, 1);
    EXPECT_EQ(game.State.MoveCount, 0);
    EXPECT_EQ(game.Phase(), GamePhase::Ready);
}

TEST_F(PhaseFixture, CharacterSetsCycleAndNameTheSides) {
    Start(1);
    // The set the other side shows (FISH) is passed over, for either side.
    EXPECT_EQ(game.CycleCharSet(1), "BEAR");
    EXPECT_EQ(game.CycleCharSet(1), "SUN");
    EXPECT_EQ(game.CycleCharSet(2), "BEAR");
    EXPECT_EQ(game.CycleCharSet(2), "FISH");
    EXPECT_EQ(game.CycleCharSet(2), "BEAR");
    EXPECT_EQ(game.CycleCharSet(1), "FISH");
    EXPECT_NE(options.CharSet[1], options.CharSet[2]);
    options.CharSet[2] = "MOON";
    EXPECT_EQ(game.CycleCharSet(2), "MOON"); // an unknown set stays
    // Each set names its side with its own slot of the character names.
    options.CharName = {"", "a", "b", "c"};
    for (const CharacterSetInfo& set : CharacterSets) {
        EXPECT_EQ(game.DisplayName(std::string(set.Name), 1),
                  options.CharName[static_cast<size_t>(set.Index + 1)]);
        EXPECT_NE(FindCharacterSet(set.Next), nullptr);
    }
}

TEST(ManualClock, FiresDueTicksInOrder) {
    std::vector<std::pair<int64_t, GameTimer>> fired;
    ManualClock clock;
    clock.SetHandler([&](GameTimer t) { fired.emplace_back(clock.Now(), t); });
    clock.SetTimerInterval(GameTimer::Auto, 300);
    clock.SetTimer(GameTimer::Auto, true);
    clock.SetTimerInterval(GameTimer::Replay, 200);
    clock.SetTimer(GameTimer::Replay, true);
    clock.Advance(600);
    using T = GameTimer;
    EXPECT_EQ(
        fired,
        (std::vector<std::pair<int64_t, T>>{
            {200, T::Replay}, {300, T::Auto}, {400, T::Replay}, {600, T::Auto}, {600, T::Replay}}));
    // Switching a running timer on again keeps its period; a new interval starts one now.
    fired.clear();
    clock.SetTimer(GameTimer::Replay, false);
    clock.SetTimer(GameTimer::Auto, true);
    clock.Advance(100);
    clock.SetTimerInterval(GameTimer::Auto, 50);
    clock.Advance(60);
    EXPECT_EQ(fired, (std::vector<std::pair<int64_t, T>>{{750, T::Auto}}));
    clock.SetTimer(GameTimer::Auto, false);
    EXPECT_FALSE(clock.Step());
    EXPECT_EQ(clock.Now(), 760);
}
