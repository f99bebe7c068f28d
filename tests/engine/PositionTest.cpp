// The position type against the game's own rules: same legal cells, same enclosures, same
// board after every placement, on many random games of many board shapes.

#include "engine/Position.h"
#include "engine/ComputerPlayer.h"
#include "engine/Random.h"
#include "engine/Rules.h"

#include <gtest/gtest.h>

#include <array>
#include <vector>

using namespace tolvekin;

namespace {

void StartBlock(GameState& g, Position& p, int sx, int sy) {
    g.Allocate(p.Width(), p.Height());
    p.Clear();
    for (const auto& [x, y, side] : {std::array{sx, sy, 1}, std::array{sx + 1, sy + 1, 1},
                                     std::array{sx + 1, sy, 2}, std::array{sx, sy + 1, 2}}) {
        g.SetCell(x, y, side, 0);
        p.Set(x, y, side, 0);
    }
}

void ExpectSameBoard(const GameState& g, const Position& p) {
    for (int x = 1; x <= g.BoardWidth; ++x) {
        for (int y = 1; y <= g.BoardHeight; ++y) {
            ASSERT_EQ(p.Owner(x, y), g.Board(x, y)) << x << "," << y;
            if (g.Board(x, y) != 0) {
                ASSERT_EQ(p.Color(x, y), g.CellColor(x, y)) << x << "," << y;
            }
        }
    }
    for (int side = 1; side <= 2; ++side) {
        for (int c = 0; c < 8; ++c) {
            ASSERT_EQ(p.Pieces(side, c), g.PiecesOf(side, c));
        }
    }
}

std::vector<std::pair<int, int>> LegalCells(const Position& p, int side) {
    std::array<uint16_t, Geometry::MaxCells> slots{};
    const int n = p.LegalSlots(side, slots.data());
    std::vector<std::pair<int, int>> cells;
    for (int i = 0; i < n; ++i) {
        cells.emplace_back(p.Geo().X(slots[static_cast<size_t>(i)]),
                           p.Geo().Y(slots[static_cast<size_t>(i)]));
    }
    return cells;
}

// Plays random games on a w x h board with both representations side by side.
void PlayRandomGames(int w, int h, int games, uint64_t seed) {
    SeriesRandom random(seed, static_cast<uint64_t>(w * 100 + h));
    auto pick = [&](int n) { return static_cast<int>(random.Next() * n); };
    GameState g;
    Position p(w, h);
    for (int game = 0; game < games; ++game) {
        StartBlock(g, p, 1 + pick(w - 1), 1 + pick(h - 1));
        int side = 1;
        int passes = 0;
        while (passes < 2) {
            SCOPED_TRACE(testing::Message() << w << "x" << h << " game " << game << " move "
                                            << g.MoveCount << " side " << side);
            CollectCandidates(g, side);
            std::vector<std::pair<int, int>> old;
            for (int i = 1; i <= g.CandCount; ++i) {
                old.emplace_back(g.CandX[static_cast<size_t>(i)], g.CandY[static_cast<size_t>(i)]);
            }
            ASSERT_EQ(LegalCells(p, side), old);
            ASSERT_EQ(p.HasLegal(side), !old.empty());
            if (old.empty()) {
                ++passes;
                side = 3 - side;
                continue;
            }
            passes = 0;
            const auto [x, y] = old[static_cast<size_t>(pick(static_cast<int>(old.size())))];
            // White now and then, as a player who has not chosen a colour yet.
            const int color = std::array{0, 1, 2, 4, 1, 2, 4}[static_cast<size_t>(pick(7))];

            ASSERT_TRUE(CanPlace(g, side, x, y));
            const Enclosure enclosed = p.Scan(side, x, y);
            for (int d = 1; d <= 8; ++d) {
                ASSERT_EQ(enclosed.DirEnd(d, x, y), g.DirEnd[static_cast<size_t>(d)]) << d;
            }
            const Position before = p;
            PlayRecord record;
            p.Play(side, p.Geo().Slot(x, y), color, &record);
            g.SetCell(x, y, side, color);
            ++g.MoveCount;
            TurnOver(g, x, y);
            ExpectSameBoard(g, p);
            ASSERT_TRUE(p.Consistent());

            Position undone = p;
            undone.Undo(record);
            ASSERT_TRUE(undone == before);
            side = 3 - side;
        }
    }
}

} // namespace

TEST(Position, RandomGamesMatchTheRulesOnManyShapes) {
    const std::array<std::pair<int, int>, 12> shapes = {{{2, 2},
                                                         {3, 3},
                                                         {4, 4},
                                                         {6, 6},
                                                         {8, 8},
                                                         {9, 7},
                                                         {3, 11},
                                                         {2, 26},
                                                         {38, 2},
                                                         {10, 10},
                                                         {16, 12},
                                                         {38, 26}}};
    for (const auto& [w, h] : shapes) {
        PlayRandomGames(w, h, w * h > 200 ? 3 : 20, 7);
        if (HasFatalFailure()) {
            return;
        }
    }
}

TEST(Position, ScanOfIllegalAndOccupiedCellsMatchesTheRules) {
    GameState g;
    Position p(8, 8);
    StartBlock(g, p, 4, 4);
    // A few placements to get lines of both sides.
    for (const auto& [x, y, side] : {std::array{3, 4, 2}, std::array{6, 6, 2}, std::array{3, 6, 1},
                                     std::array{2, 4, 1}, std::array{8, 8, 1}}) {
        g.SetCell(x, y, side, 0);
        p.Set(x, y, side, 0);
    }
    for (int side = 1; side <= 2; ++side) {
        for (int x = 1; x <= 8; ++x) {
            for (int y = 1; y <= 8; ++y) {
                const bool legal = CanPlace(g, side, x, y);
                const Enclosure e = p.Scan(side, x, y);
                EXPECT_EQ(e.Legal(), legal) << x << "," << y;
                for (int d = 1; d <= 8; ++d) {
                    EXPECT_EQ(e.DirEnd(d, x, y), g.DirEnd[static_cast<size_t>(d)]);
                }
            }
        }
    }
}

TEST(Position, SetKeepsCountsScoreAndHash) {
    Position p(6, 6);
    const uint64_t empty = p.Hash();
    p.Set(1, 1, 1, 1);
    p.Set(2, 1, 1, 2);
    p.Set(3, 1, 1, 7);
    p.Set(4, 1, 1, 0);
    p.Set(5, 5, 2, 3);
    EXPECT_EQ(p.Pieces(1), 4);
    EXPECT_EQ(p.Pieces(1, 7), 1);
    EXPECT_EQ(p.Colours(1), 2);
    EXPECT_EQ(p.Score(1), 2 * 3);
    EXPECT_EQ(p.Score(2), 1);
    EXPECT_EQ(p.Empties(), 36 - 5);
    p.Set(3, 1, 2, 7);
    EXPECT_EQ(p.Pieces(1, 7), 0);
    EXPECT_EQ(p.Pieces(2, 7), 1);
    for (const auto& [x, y] : {std::pair{1, 1}, {2, 1}, {3, 1}, {4, 1}, {5, 5}}) {
        p.Set(x, y, 0, 0);
    }
    EXPECT_EQ(p.Hash(), empty);
    EXPECT_EQ(p.Pieces(1) + p.Pieces(2), 0);
    EXPECT_TRUE(p == Position(6, 6));
}

namespace {

// Placement sequences of the given length from a position, a pass counting as a move while
// the other side can place.
int64_t Perft(Position& p, int side, int depth) {
    if (depth == 0) {
        return 1;
    }
    std::array<uint16_t, Geometry::MaxCells> slots{};
    const int n = p.LegalSlots(side, slots.data());
    if (n == 0) {
        return p.HasLegal(3 - side) ? Perft(p, 3 - side, depth - 1) : 1;
    }
    int64_t count = 0;
    for (int i = 0; i < n; ++i) {
        PlayRecord record;
        p.Play(side, slots[static_cast<size_t>(i)], 1, &record);
        count += Perft(p, 3 - side, depth - 1);
        p.Undo(record);
    }
    return count;
}

// The same count with the game's own rules.
int64_t PerftOfRules(const GameState& g, int side, int depth) {
    if (depth == 0) {
        return 1;
    }
    GameState scan = g;
    if (!CollectCandidates(scan, side)) {
        return CollectCandidates(scan, 3 - side) ? PerftOfRules(g, 3 - side, depth - 1) : 1;
    }
    int64_t count = 0;
    for (int i = 1; i <= scan.CandCount; ++i) {
        const int x = scan.CandX[static_cast<size_t>(i)];
        const int y = scan.CandY[static_cast<size_t>(i)];
        GameState next = g;
        CanPlace(next, side, x, y);
        next.SetCell(x, y, side, 1);
        TurnOver(next, x, y);
        count += PerftOfRules(next, 3 - side, depth - 1);
    }
    return count;
}

Position Started(int w, int h, int sx, int sy) {
    Position p(w, h);
    p.Set(sx, sy, 1, 0);
    p.Set(sx + 1, sy + 1, 1, 0);
    p.Set(sx + 1, sy, 2, 0);
    p.Set(sx, sy + 1, 2, 0);
    return p;
}

} // namespace

TEST(Position, PerftCounts) {
    // The 8 x 8 opening has the well-known counts of reversi.
    Position p = Started(8, 8, 4, 4);
    const std::array<int64_t, 7> eight = {1, 4, 12, 56, 244, 1396, 8200};
    for (int depth = 1; depth <= 6; ++depth) {
        EXPECT_EQ(Perft(p, 1, depth), eight[static_cast<size_t>(depth)]) << depth;
    }
    EXPECT_EQ(Perft(p, 1, 7), 55092);
    EXPECT_TRUE(p == Started(8, 8, 4, 4));
    // Odd shapes and a corner start: the game's own rules agree, and the counts are pinned.
    struct Case {
        int w, h, sx, sy, depth;
        int64_t count;
    };
    for (const Case& c :
         {Case{3, 11, 1, 5, 8, 2135}, Case{9, 7, 4, 3, 6, 8046}, Case{6, 6, 1, 1, 7, 502}}) {
        Position start = Started(c.w, c.h, c.sx, c.sy);
        GameState g;
        g.Allocate(c.w, c.h);
        for (int x = 1; x <= c.w; ++x) {
            for (int y = 1; y <= c.h; ++y) {
                if (start.Owner(x, y) != 0) {
                    g.SetCell(x, y, start.Owner(x, y), 0);
                }
            }
        }
        EXPECT_EQ(Perft(start, 1, c.depth), c.count) << c.w << "x" << c.h;
        EXPECT_EQ(PerftOfRules(g, 1, c.depth), c.count) << c.w << "x" << c.h;
    }
}
