// Move counts to a fixed depth with colours: a move is a cell and one of the three colours a
// side can choose (1 blue, 2 yellow, 4 red), so each legal cell gives three moves. A side that
// cannot place passes without using up a move of the depth; a game that ends early is one leaf.
// Besides the leaves, the scores and black pieces of both sides summed over the leaves pin the
// colour mixing as well as the turning.

#include "engine/ComputerPlayer.h"
#include "engine/Position.h"
#include "engine/Rules.h"

#include <gtest/gtest.h>

#include <array>

namespace {

using namespace tolvekin;

struct Sums {
    int64_t Leaves = 0;
    std::array<int64_t, 3> Score{};
    std::array<int64_t, 3> Black{};
    bool operator==(const Sums&) const = default;
};

int Score(const GameState& g, int side) {
    int pieces = 0;
    int colours = 0;
    for (int c = 0; c <= 7; ++c) {
        pieces += g.PiecesOf(side, c);
        colours += c >= 1 && c <= 6 && g.PiecesOf(side, c) > 0 ? 1 : 0;
    }
    return colours * (pieces - g.PiecesOf(side, 7));
}

void Perft(const GameState& g, int side, int depth, Sums& sums) {
    GameState scan = g;
    const bool canMove = depth > 0 && CollectCandidates(scan, side);
    if (depth > 0 && !canMove && CollectCandidates(scan, 3 - side)) {
        Perft(g, 3 - side, depth, sums);
        return;
    }
    if (!canMove) {
        ++sums.Leaves;
        for (int s : {1, 2}) {
            sums.Score[static_cast<size_t>(s)] += Score(g, s);
            sums.Black[static_cast<size_t>(s)] += g.PiecesOf(s, 7);
        }
        return;
    }
    for (int i = 1; i <= scan.CandCount; ++i) {
        const int x = scan.CandX[static_cast<size_t>(i)];
        const int y = scan.CandY[static_cast<size_t>(i)];
        for (int color : {1, 2, 4}) {
            GameState next = g;
            ASSERT_TRUE(CanPlace(next, side, x, y));
            next.SetCell(x, y, side, color);
            TurnOver(next, x, y);
            Perft(next, 3 - side, depth - 1, sums);
        }
    }
}

// The same count on the position type.
void Perft(const Position& p, int side, int depth, Sums& sums) {
    std::array<uint16_t, Geometry::MaxCells> slots{};
    const int n = depth > 0 ? p.LegalSlots(side, slots.data()) : 0;
    if (depth > 0 && n == 0 && p.HasLegal(3 - side)) {
        Perft(p, 3 - side, depth, sums);
        return;
    }
    if (n == 0) {
        ++sums.Leaves;
        for (int s : {1, 2}) {
            sums.Score[static_cast<size_t>(s)] += p.Score(s);
            sums.Black[static_cast<size_t>(s)] += p.Pieces(s, 7);
        }
        return;
    }
    for (int i = 0; i < n; ++i) {
        for (int color : {1, 2, 4}) {
            Position next = p;
            next.Play(side, slots[static_cast<size_t>(i)], color);
            Perft(next, 3 - side, depth - 1, sums);
        }
    }
}

Sums PerftOfPosition(int w, int h, int sx, int sy, int depth) {
    Position p(w, h);
    p.Set(sx, sy, 1, 0);
    p.Set(sx + 1, sy + 1, 1, 0);
    p.Set(sx + 1, sy, 2, 0);
    p.Set(sx, sy + 1, 2, 0);
    Sums sums;
    Perft(p, 1, depth, sums);
    return sums;
}

Sums PerftFrom(int w, int h, int sx, int sy, int depth) {
    GameState g;
    g.Allocate(w, h);
    g.SetCell(sx, sy, 1, 0);
    g.SetCell(sx + 1, sy + 1, 1, 0);
    g.SetCell(sx + 1, sy, 2, 0);
    g.SetCell(sx, sy + 1, 2, 0);
    Sums sums;
    Perft(g, 1, depth, sums);
    return sums;
}

} // namespace

TEST(ColourPerft, CountsAndScoresToAFixedDepthOnSeveralShapes) {
    struct Case {
        int w, h, sx, sy, depth;
        Sums expected;
    };
    const Case cases[] = {
        {8, 8, 4, 4, 5, {339228, {0, 4941120, 1615356}, {0, 123264, 44424}}},
        {6, 6, 1, 1, 6, {77760, {0, 867858, 673986}, {0, 22368, 38952}}},
        {9, 7, 7, 5, 4, {14580, {0, 101448, 117012}, {0, 1296, 2568}}},
        {3, 11, 2, 6, 5, {39366, {0, 397719, 331461}, {0, 11592, 7710}}},
        {5, 4, 1, 1, 5, {9477, {0, 125550, 36675}, {0, 3570, 1458}}},
        {38, 26, 19, 13, 3, {1512, {0, 14928, 2988}, {0, 192, 0}}},
        {38, 26, 1, 1, 4, {1134, {0, 12828, 4524}, {0, 300, 156}}},
        {2, 2, 1, 1, 3, {1, {0, 0, 0}, {0, 0, 0}}},
    };
    for (const Case& c : cases) {
        const Sums got = PerftFrom(c.w, c.h, c.sx, c.sy, c.depth);
        // The game's record and the position type agree, with the pinned numbers.
        EXPECT_EQ(got, c.expected) << c.w << " x " << c.h;
        EXPECT_EQ(PerftOfPosition(c.w, c.h, c.sx, c.sy, c.depth), c.expected)
            << c.w << " x " << c.h;
    }
}
