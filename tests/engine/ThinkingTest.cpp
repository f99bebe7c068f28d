// 名人 in the turn sequence: its move is thought out by the thinker and only then placed, the way
// every computer move is placed; a move whose game was cleared, replaced or ended meanwhile
// never reaches the board. The thinker here holds each job until the test lets it go.

#include "engine/ComputerPlayer.h"
#include "tests/engine/Fixtures.h"

#include <gtest/gtest.h>

#include <algorithm>

#include <optional>

namespace {

using namespace tolvekin;

class HeldThinker final : public MoveThinker {
public:
    void Start(Job job, Done done) override {
        ASSERT_FALSE(job_.has_value()) << "one job at a time";
        job_ = std::move(job);
        done_ = std::move(done);
        ++started;
    }
    void Cancel() override {
        if (job_ && !deliverAfterCancel) {
            job_.reset();
        }
        ++cancels;
    }
    bool Busy() const override { return job_.has_value(); }
    // Runs the held job and hands its move over, as the window's thread would.
    void Release() {
        ASSERT_TRUE(job_.has_value());
        const std::atomic<bool> cancelled{false};
        const Move move = (*job_)(cancelled);
        job_.reset();
        done_(move);
    }

    int started = 0;
    int cancels = 0;
    bool deliverAfterCancel = false; // a thinker too late to stop its answer

private:
    std::optional<Job> job_;
    Done done_;
};

// Made before the game and gone after it, as the window's thinker is.
struct WithThinker {
    HeldThinker thinker;
};

struct ThinkingFixture : ::testing::Test, WithThinker, tolvekin::testing::ClockedGame {
    std::vector<uint64_t> seeds;
    std::vector<int> sides;
    std::vector<bool> piecesOnly;
    bool checkCopy = true; // the copy is of the game on the board

    void Start(int mode, int w = 8, int h = 8) {
        options.GameMode = mode;
        options.GameLevel = 3;
        options.BoardWidth = w;
        options.BoardHeight = h;
        options.MidX = w / 2;
        options.MidY = h / 2;
        game.SetThinker(thinker);
        // The first legal cell in red, after checking the copy it was given.
        game.SetExpertChooser([this](const Position& p, int side, uint64_t seed, bool mono,
                                     const std::atomic<bool>&) {
            for (int x = 1; checkCopy && x <= p.Width(); ++x) {
                for (int y = 1; y <= p.Height(); ++y) {
                    EXPECT_EQ(p.Owner(x, y), game.State.Board(x, y));
                    EXPECT_EQ(p.Color(x, y),
                              game.State.Board(x, y) ? game.State.CellColor(x, y) : 0);
                }
            }
            seeds.push_back(seed);
            sides.push_back(side);
            piecesOnly.push_back(mono);
            uint16_t slots[Geometry::MaxCells];
            EXPECT_GT(p.LegalSlots(side, slots), 0);
            return Move{.X = static_cast<int16_t>(p.Geo().X(slots[0])),
                        .Y = static_cast<int16_t>(p.Geo().Y(slots[0])),
                        .Color = 4};
        });
        game.AllocateBoard();
        game.RestartGame();
    }
    void ClickFirstPlace() {
        ASSERT_TRUE(CollectCandidates(game.State, game.State.SideToMove));
        game.CellClick(game.State.CellIndex(game.State.CandX[1], game.State.CandY[1]));
    }
};

} // namespace

TEST_F(ThinkingFixture, TheMoveIsPlacedWhenThoughtOutAndClicksWaitMeanwhile) {
    Start(1);
    random.Push(0.5);
    random.Push(0.25);
    game.CellClick(game.State.CellIndex(5, 3)); // side 1 takes (5, 4)
    ASSERT_EQ(game.State.MoveCount, 1);
    EXPECT_TRUE(game.Thinking());
    EXPECT_TRUE(thinker.Busy());
    EXPECT_EQ(random.draws, 2); // the seed, drawn on the game's thread before thinking
    EXPECT_EQ(seeds.size(), 0u);

    // A click while the computer thinks is refused without a word and changes nothing.
    const auto messages = view.messages.size();
    ClickFirstPlace();
    EXPECT_EQ(game.State.MoveCount, 1);
    EXPECT_EQ(view.messages.size(), messages);
    game.PassClick();
    EXPECT_EQ(game.State.MoveCount, 1);

    thinker.Release();
    EXPECT_FALSE(game.Thinking());
    EXPECT_FALSE(game.MoveInProgress());
    ASSERT_EQ(game.State.MoveCount, 2);
    EXPECT_EQ(seeds, (std::vector<uint64_t>{(uint64_t{1} << 63) | (uint64_t{1} << 30)}));
    EXPECT_EQ(sides, (std::vector<int>{2}));
    EXPECT_EQ(piecesOnly, (std::vector<bool>{false}));
    const auto& row = game.State.MoveRecord[2];
    EXPECT_EQ(row[1], 2);
    EXPECT_EQ(row[2], 4); // the colour the search chose
    EXPECT_EQ(game.State.CellColor(row[3], row[4]), 4);
    EXPECT_EQ(game.State.SideToMove, Side1); // the turn is back with the player
    ClickFirstPlace();
    EXPECT_EQ(game.State.MoveCount, 3);
}

TEST_F(ThinkingFixture, ClearingCancelsTheThinkingAndALateMoveIsDropped) {
    for (bool late : {false, true}) {
        Start(1);
        thinker.deliverAfterCancel = late;
        ClickFirstPlace();
        ASSERT_TRUE(game.Thinking());
        view.answers = {true};
        game.RestartClick();
        EXPECT_GE(thinker.cancels, 1);
        EXPECT_FALSE(game.Thinking());
        EXPECT_FALSE(game.MoveInProgress());
        if (late) {
            checkCopy = false;
            thinker.Release(); // the answer of the cleared game comes anyway
            checkCopy = true;
        }
        EXPECT_FALSE(thinker.Busy());
        EXPECT_EQ(game.State.MoveCount, 0);
        EXPECT_EQ(game.Phase(), GamePhase::Ready);
        ClickFirstPlace(); // the new game is the player's
        EXPECT_EQ(game.State.MoveCount, 1);
        thinker.Release();
        EXPECT_EQ(game.State.MoveCount, 2);
        thinker.deliverAfterCancel = false;
    }
}

TEST_F(ThinkingFixture, AMoveThoughtOutBehindADialogWaitsForItToClose) {
    Start(1);
    ClickFirstPlace();
    ASSERT_TRUE(game.Thinking());
    // The answer comes while the options are open; it is placed once they close.
    game.OptionsClick([&] {
        thinker.Release();
        EXPECT_EQ(game.State.MoveCount, 1);
    });
    EXPECT_EQ(game.State.MoveCount, 2);
    EXPECT_EQ(game.State.SideToMove, Side1);

    // Behind the clearing and the quit question answered no, likewise.
    for (bool clearing : {true, false}) {
        ClickFirstPlace();
        const int before = game.State.MoveCount;
        ASSERT_TRUE(game.Thinking());
        view.answers = {false};
        view.whileAsking = [&] {
            thinker.Release();
            EXPECT_EQ(game.State.MoveCount, before);
        };
        if (clearing) {
            game.RestartClick();
        } else {
            EXPECT_FALSE(game.EndClick());
        }
        view.whileAsking = nullptr;
        EXPECT_EQ(game.State.MoveCount, before + 1) << clearing;
        EXPECT_EQ(game.State.SideToMove, Side1);
    }
}

TEST_F(ThinkingFixture, ANewGameStartedWhileThinkingIsThePlayers) {
    Start(1);
    ClickFirstPlace();
    ASSERT_TRUE(game.Thinking());
    game.OptionsClick([&] { game.RestartGame(); });
    EXPECT_FALSE(game.Thinking());
    EXPECT_FALSE(game.MoveInProgress());
    EXPECT_FALSE(thinker.Busy());
    EXPECT_EQ(game.State.MoveCount, 0);
    ClickFirstPlace();
    EXPECT_EQ(game.State.MoveCount, 1);
}

TEST_F(ThinkingFixture, WithTheBlinkTheThoughtOutMoveBlinksFirst) {
    options.FlashMove = true;
    Start(1);
    ClickFirstPlace();
    thinker.Release();
    EXPECT_TRUE(game.MoveInProgress());
    ASSERT_EQ(view.flashes.size(), 1u);
    EXPECT_EQ(game.State.MoveCount, 1);
    const auto [x, y] = view.flashes[0];
    clock.Advance(2000); // four toggles
    EXPECT_FALSE(game.MoveInProgress());
    ASSERT_EQ(game.State.MoveCount, 2);
    EXPECT_EQ(game.State.MoveRecord[2][3], x);
    EXPECT_EQ(game.State.MoveRecord[2][4], y);
    EXPECT_EQ(game.State.SideToMove, Side1);

    // Cleared while it blinks: the thought-out move is dropped like any blinking move.
    ClickFirstPlace();
    thinker.Release();
    view.answers = {true};
    game.RestartClick();
    clock.Advance(3000);
    EXPECT_EQ(game.State.MoveCount, 0);
}

TEST_F(ThinkingFixture, AGameAgainstTheMasterRunsToItsEndAndEndsOnce) {
    Start(1, 4, 4);
    for (int guard = 0; game.Phase() != GamePhase::Over && guard < 40; ++guard) {
        if (game.Thinking()) {
            thinker.Release();
        } else {
            ClickFirstPlace();
        }
    }
    ASSERT_EQ(game.Phase(), GamePhase::Over);
    EXPECT_FALSE(thinker.Busy());
    EXPECT_EQ(view.results.size(), 1u);
    EXPECT_EQ(std::count(view.messages.begin(), view.messages.end(),
                         std::string("どちらも置くところがないので、これまで")),
              1);
    EXPECT_EQ(game.State.MoveCount, game.State.Tally[1].Pieces + game.State.Tally[2].Pieces - 4);
}

TEST_F(ThinkingFixture, AMatchGivesEachSideItsStrengthForEveryMove) {
    options.MonoPieces = true;
    Start(3, 6, 6);
    game.PlayMatch(3, 1);
    game.PassClick();
    std::vector<int> movers;
    for (int guard = 0; game.Phase() == GamePhase::AutoPlaying && guard < 200; ++guard) {
        if (game.Thinking()) {
            // No tick starts another move while the computer thinks.
            const int before = game.State.MoveCount;
            clock.Advance(1000);
            EXPECT_EQ(game.State.MoveCount, before);
            thinker.Release();
        } else {
            clock.Step();
        }
    }
    ASSERT_EQ(game.Phase(), GamePhase::AutoWaitingRestart);
    EXPECT_EQ(view.autoResults, 1);
    // Every move of side 1 was thought out, none of side 2.
    int side1Moves = 0;
    for (int m = 1; m <= game.State.MoveCount; ++m) {
        side1Moves += game.State.MoveRecord[static_cast<size_t>(m)][1] == 1 ? 1 : 0;
    }
    EXPECT_EQ(static_cast<int>(sides.size()), side1Moves);
    EXPECT_TRUE(std::all_of(sides.begin(), sides.end(), [](int s) { return s == 1; }));
    // In black and white the search is told that pieces are the score.
    EXPECT_TRUE(std::all_of(piecesOnly.begin(), piecesOnly.end(), [](bool p) { return p; }));
}
