// 名人: best play in small endings, the same move for the same inputs, a prompt answer once
// cancelled, and a legal move whenever there is one.

#include "engine/MasterPlayer.h"
#include "engine/Random.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <chrono>
#include <thread>
#include <vector>

using namespace tolvekin;

namespace {

const std::atomic<bool> never{false};

Position Started(int w, int h) {
    Position p(w, h);
    const int sx = w / 2;
    const int sy = h / 2;
    p.Set(sx, sy, 1, 0);
    p.Set(sx + 1, sy + 1, 1, 0);
    p.Set(sx + 1, sy, 2, 0);
    p.Set(sx, sy + 1, 2, 0);
    return p;
}

std::vector<int> Legal(const Position& p, int side) {
    std::array<uint16_t, Geometry::MaxCells> slots{};
    const int n = p.LegalSlots(side, slots.data());
    return {slots.begin(), slots.begin() + n};
}

// Best final margin (score of side less the other's) with both sides playing perfectly, by
// trying every cell and colour.
int BestMargin(Position& p, int side, bool passed = false) {
    const std::vector<int> cells = Legal(p, side);
    if (cells.empty()) {
        return passed ? p.Score(side) - p.Score(3 - side) : -BestMargin(p, 3 - side, true);
    }
    int best = -100000;
    for (const int slot : cells) {
        for (const int color : {1, 2, 4}) {
            PlayRecord record;
            p.Play(side, slot, color, &record);
            best = std::max(best, -BestMargin(p, 3 - side));
            p.Undo(record);
        }
    }
    return best;
}

// A random game on a w x h board played until at most `empties` cells are left.
Position RandomEnding(int w, int h, int empties, uint64_t game, int& side) {
    SeriesRandom random(5, game);
    Position p = Started(w, h);
    side = 1;
    int passes = 0;
    while (p.Empties() > empties && passes < 2) {
        const std::vector<int> cells = Legal(p, side);
        if (cells.empty()) {
            ++passes;
            side = 3 - side;
            continue;
        }
        passes = 0;
        const int pick = static_cast<int>(random.Next() * static_cast<double>(cells.size()));
        p.Play(side, cells[static_cast<size_t>(pick)], std::array{1, 2, 4}[random.NextBits() % 3]);
        side = 3 - side;
    }
    return p;
}

} // namespace

TEST(MasterPlayer, PlaysSmallEndingsPerfectlyAndFindsForcedWins) {
    int checked = 0;
    int choicesThatMattered = 0;
    int winsToFind = 0; // a win was there, and a careless move gave it away
    for (uint64_t game = 1; game <= 100 && checked < 40; ++game) {
        int side = 1;
        Position p = RandomEnding(5, 4, 5, game, side);
        if (Legal(p, side).empty()) {
            continue;
        }
        Position scratch = p;
        const int best = BestMargin(scratch, side);
        // Does a careless move lose something here?
        int worst = 100000;
        for (const int slot : Legal(p, side)) {
            for (const int color : {1, 2, 4}) {
                PlayRecord record;
                scratch.Play(side, slot, color, &record);
                worst = std::min(worst, -BestMargin(scratch, 3 - side));
                scratch.Undo(record);
            }
        }
        choicesThatMattered += worst < best ? 1 : 0;
        winsToFind += best > 0 && worst <= 0 ? 1 : 0;

        MasterStats stats;
        const Move m = ChooseMasterMove(p, side, game, never, &stats);
        ASSERT_FALSE(m.IsNone());
        EXPECT_TRUE(stats.Exact);
        Position after = p;
        after.Play(side, after.Geo().Slot(m.X, m.Y), m.Color);
        EXPECT_EQ(-BestMargin(after, 3 - side), best) << "game " << game;
        ++checked;
    }
    EXPECT_GE(checked, 30);
    EXPECT_GE(choicesThatMattered, 5);
    EXPECT_GE(winsToFind, 2);
}

TEST(MasterPlayer, ChoosesTheColourThatScoresMost) {
    // Side 1's one placement turns the red run over: red for the new piece leaves one colour
    // (4 points), blue or yellow add a second colour (8 points).
    Position p(4, 2);
    p.Set(2, 1, 2, 4);
    p.Set(3, 1, 2, 4);
    p.Set(4, 1, 1, 4);
    p.Set(1, 2, 2, 7);
    p.Set(2, 2, 2, 7);
    p.Set(3, 2, 1, 7);
    p.Set(4, 2, 1, 7);
    Position check = p;
    ASSERT_GT(BestMargin(check, 1), 0);
    MasterStats stats;
    const Move m = ChooseMasterMove(p, 1, 3, never, &stats);
    EXPECT_EQ(m.X, 1);
    EXPECT_EQ(m.Y, 1);
    EXPECT_NE(m.Color, 4);
    EXPECT_TRUE(stats.Exact);
    EXPECT_EQ(stats.Value, WinValue + 8 * PointValue);
}

TEST(MasterPlayer, SameInputsGiveTheSameMoveOnAnyThread) {
    int side = 1;
    const Position p = RandomEnding(8, 8, 40, 3, side);
    MasterSettings settings = MasterSettingsFor(8, 8);
    settings.NodeBudget = 20000;
    MasterStats first;
    const Move m = ChooseMasterMove(p, side, 42, never, settings, &first);
    MasterStats again;
    EXPECT_EQ(ChooseMasterMove(p, side, 42, never, settings, &again), m);
    EXPECT_EQ(again.Nodes, first.Nodes);
    Move elsewhere;
    std::thread([&] { elsewhere = ChooseMasterMove(p, side, 42, never, settings); }).join();
    EXPECT_EQ(elsewhere, m);
    EXPECT_GE(first.Nodes, settings.NodeBudget);
    EXPECT_GE(first.Depth, 2);
}

TEST(MasterPlayer, ReturnsALegalMoveSoonAfterCancelling) {
    int side = 1;
    const Position p = RandomEnding(38, 26, 700, 4, side);
    MasterSettings endless = MasterSettingsFor(38, 26);
    endless.NodeBudget = int64_t{1} << 50;

    const std::atomic<bool> already{true};
    MasterStats stats;
    Move m = ChooseMasterMove(p, side, 1, already, endless, &stats);
    EXPECT_TRUE(p.Scan(side, m.X, m.Y).Legal());
    EXPECT_LT(stats.Nodes, 100000);

    // Cancelled from another thread while it thinks without end.
    std::atomic<bool> cancelled{false};
    std::thread stopper([&] {
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
        cancelled.store(true);
    });
    m = ChooseMasterMove(p, side, 1, cancelled, endless, &stats);
    stopper.join();
    EXPECT_TRUE(p.Scan(side, m.X, m.Y).Legal());
}

TEST(MasterPlayer, WholeGamesOnOddBoardsAreLegalAndEnd) {
    for (const auto& [w, h] : {std::pair{2, 2}, {3, 3}, {3, 11}, {38, 2}, {7, 5}}) {
        Position p = Started(w, h);
        MasterSettings settings = MasterSettingsFor(w, h);
        settings.NodeBudget = 3000;
        int side = 1;
        int passes = 0;
        int moves = 0;
        while (passes < 2) {
            const Move m = ChooseMasterMove(p, side, static_cast<uint64_t>(moves), never, settings);
            ASSERT_EQ(m.IsNone(), Legal(p, side).empty()) << w << "x" << h;
            if (m.IsNone()) {
                ++passes;
            } else {
                passes = 0;
                ASSERT_TRUE(p.Scan(side, m.X, m.Y).Legal()) << w << "x" << h;
                ASSERT_TRUE(m.Color == 1 || m.Color == 2 || m.Color == 4);
                p.Play(side, p.Geo().Slot(m.X, m.Y), m.Color);
                ++moves;
            }
            side = 3 - side;
            ASSERT_LE(moves, w * h);
        }
        EXPECT_EQ(moves == 0, w == 2 && h == 2);
    }
}
