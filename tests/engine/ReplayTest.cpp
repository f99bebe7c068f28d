// Replays of stored games on a manual clock: seeded computer games played back end with the
// same board, counts and result; the timing of the ticks; and records no board can take.

#include "tests/engine/Fixtures.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace tolvekin;
using tolvekin::testing::RecordingView;

namespace {

struct Finished {
    std::vector<std::array<int, 2>> cells; // owner and colour, column by column
    std::array<SideTally, 3> tally{};
    std::string result;
    bool operator==(const Finished&) const = default;
};

struct ReplayFixture : ::testing::Test {
    PlayOptions options;
    MtRandom random{1};
    RecordingView view;
    ManualClock clock;
    Game game{options, random, view, clock, view};

    ReplayFixture() {
        clock.SetHandler([this](GameTimer t) { game.Tick(t); });
    }

    void Start(int mode, int w, int h, int midX, int midY) {
        options.GameMode = mode;
        options.BoardWidth = w;
        options.BoardHeight = h;
        options.MidX = midX;
        options.MidY = midY;
        game.AllocateBoard();
        game.RestartGame();
    }

    Finished Snapshot() const {
        Finished f;
        const GameState& g = game.State;
        for (int x = 1; x <= g.BoardWidth; ++x) {
            for (int y = 1; y <= g.BoardHeight; ++y) {
                f.cells.push_back({g.Board(x, y), g.Board(x, y) != 0 ? g.CellColor(x, y) : 0});
            }
        }
        f.tally = g.Tally;
        f.result = game.ResultText();
        return f;
    }

    // The finished game as a score table keeps it.
    GameRecord Record() const {
        GameRecord r;
        r.Reset(game.State.BoardWidth, game.State.BoardHeight);
        for (size_t m = 1; m < game.State.MoveRecord.size(); ++m) {
            r.Moves[m] = game.State.MoveRecord[m];
        }
        r.StartX = game.State.StartX;
        r.StartY = game.State.StartY;
        return r;
    }

    // Plays the replay to its end; the number of ticks it took.
    int RunReplay() {
        int ticks = 0;
        while (game.Phase() == GamePhase::Replay && ticks < 2000 && clock.Step()) {
            ++ticks;
        }
        return ticks;
    }
};

TEST_F(ReplayFixture, SeededComputerGamesReplayToTheSameEnd) {
    struct Board {
        int w, h, games;
    };
    uint64_t seed = 100;
    for (const Board b : {Board{8, 8, 12}, Board{9, 7, 12}, Board{5, 3, 6}}) {
        for (int n = 0; n < b.games; ++n, ++seed) {
            random = MtRandom(seed);
            options.FlashMove = false;
            // Start corners off the centre as well as at it.
            const int midX = 1 + static_cast<int>(seed % static_cast<uint64_t>(b.w - 1));
            const int midY = 1 + static_cast<int>((seed / 3) % static_cast<uint64_t>(b.h - 1));
            Start(3, b.w, b.h, midX, midY);
            game.PassClick();
            int guard = 0;
            while (game.Phase() == GamePhase::AutoPlaying && guard++ < 200) {
                ASSERT_TRUE(clock.Step());
            }
            ASSERT_EQ(game.Phase(), GamePhase::AutoWaitingRestart);
            const Finished played = Snapshot();
            const int placements = game.State.MoveCount;
            const GameRecord record = Record();
            const int logged = view.autoResults;

            game.BeginReplay(record);
            EXPECT_EQ(game.State.MoveCount, 0);
            EXPECT_EQ(game.State.Board(midX, midY), 1) << "seed " << seed;
            const int ticks = RunReplay();
            EXPECT_EQ(ticks, placements + 1) << "seed " << seed;
            EXPECT_EQ(game.Phase(), GamePhase::ReplayOver);
            EXPECT_EQ(Snapshot(), played) << b.w << "x" << b.h << " seed " << seed;
            // The end of a replay in this mode is logged like the game itself.
            EXPECT_EQ(view.autoResults, logged + 1);
            EXPECT_FALSE(clock.TimerEnabled(GameTimer::Replay));
            EXPECT_FALSE(clock.TimerEnabled(GameTimer::AutoRestart));
            game.ClearGame();
        }
    }
}

TEST_F(ReplayFixture, FirstPlacementAfterHalfASecondThenOneASecond) {
    Start(1, 8, 8, 4, 4);
    GameRecord r;
    r.Reset(8, 8);
    r.Moves[1] = {0, 1, 4, 5, 3};
    r.Moves[2] = {0, 2, 2, 4, 3};
    r.StartX = 0;
    game.BeginReplay(r);
    EXPECT_EQ(game.Phase(), GamePhase::Replay);
    EXPECT_EQ(view.controls, ControlsFor(GamePhase::Replay, false));
    clock.Advance(499);
    EXPECT_EQ(game.State.MoveCount, 0);
    clock.Advance(1);
    EXPECT_EQ(game.State.MoveCount, 1);
    EXPECT_EQ(game.State.Board(5, 3), 1);
    EXPECT_EQ(game.State.Board(5, 4), 1); // turned over
    EXPECT_EQ(game.State.CellColor(5, 3), 4);
    clock.Advance(999);
    EXPECT_EQ(game.State.MoveCount, 1);
    clock.Advance(1);
    EXPECT_EQ(game.State.Board(4, 3), 2);
    EXPECT_EQ(game.State.SideToMove, 2);
    EXPECT_EQ(view.turns.back(), (std::pair{1, 2})); // the turn display shows the placing side
    clock.Advance(1000);
    EXPECT_EQ(game.Phase(), GamePhase::ReplayOver);
    // Nothing of a replay is recorded in one-player mode, and the move record stays empty.
    EXPECT_EQ(view.recordScore, 0);
    EXPECT_EQ(game.State.MoveRecord[1], (MoveRow{}));
    EXPECT_FALSE(clock.Step());
}

TEST_F(ReplayFixture, RowsNoBoardCanTakeEndTheReplay) {
    const std::vector<MoveRow> bad = {{0, 1, 0, 0, 3},  {0, 1, 0, 7, 3},  {0, 1, 0, 3, 0},
                                      {0, 2, 0, 3, 7},  {0, 3, 0, 3, 2},  {0, 1, 8, 3, 2},
                                      {0, 1, -1, 3, 2}, {0, -1, 0, 3, 2}, {0, 1, 0, 99, 99}};
    for (const MoveRow& row : bad) {
        Start(1, 6, 6, 3, 3);
        GameRecord r;
        r.Reset(6, 6);
        r.Moves[1] = {0, 1, 0, 4, 2}; // a legal first placement
        r.Moves[2] = row;
        r.Moves[3] = {0, 2, 0, 2, 2};
        game.BeginReplay(r);
        RunReplay();
        EXPECT_EQ(game.Phase(), GamePhase::ReplayOver) << row[1] << row[2] << row[3] << row[4];
        EXPECT_EQ(game.State.MoveCount, 2);
        EXPECT_EQ(game.State.Tally[Side1].Pieces + game.State.Tally[Side2].Pieces, 5);
        EXPECT_EQ(game.State.Board(2, 2), 0);
    }
    // A short record with a start corner that leaves no room for the block; its placement on
    // side 1's own piece is still written and turns nothing over.
    Start(1, 6, 6, 1, 1);
    GameRecord shortRecord{{MoveRow{}, MoveRow{0, 2, 4, 3, 3}}, 6, 6};
    game.BeginReplay(shortRecord);
    EXPECT_EQ(game.State.Board(3, 3), 1); // the centre block
    RunReplay();
    EXPECT_EQ(game.Phase(), GamePhase::ReplayOver);
    EXPECT_EQ(game.State.MoveCount, 2);
    EXPECT_EQ(game.State.Board(3, 3), 2);
    EXPECT_EQ(game.State.Board(4, 4), 1);
    EXPECT_EQ(game.State.Tally[Side2].Pieces, 3);
}

} // namespace
