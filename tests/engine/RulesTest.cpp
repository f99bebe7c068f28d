#include "engine/Rules.h"
#include "tests/engine/Fixtures.h"

#include <gtest/gtest.h>

using namespace tolvekin;
using tolvekin::testing::SetBoard;

namespace {

std::array<int32_t, 8> Ends(const GameState& g) {
    return {g.DirEnd[1], g.DirEnd[2], g.DirEnd[3], g.DirEnd[4],
            g.DirEnd[5], g.DirEnd[6], g.DirEnd[7], g.DirEnd[8]};
}

} // namespace

TEST(MixColor, FullTable) {
    const int table[8][8] = {
        {0, 1, 2, 3, 4, 5, 6, 7}, {1, 1, 3, 1, 5, 1, 7, 7}, {2, 3, 2, 2, 6, 7, 2, 7},
        {3, 1, 2, 3, 7, 1, 2, 7}, {4, 5, 6, 7, 4, 4, 4, 7}, {5, 1, 7, 1, 4, 5, 4, 7},
        {6, 7, 2, 2, 4, 4, 6, 7}, {7, 7, 7, 7, 7, 7, 7, 0},
    };
    for (int a = 0; a < 8; ++a) {
        for (int b = 0; b < 8; ++b) {
            EXPECT_EQ(MixColor(a, b), table[a][b]) << "a=" << a << " b=" << b;
        }
    }
}

TEST(CanPlace, OccupiedCellClearsEveryEnd) {
    GameState g;
    SetBoard(g, {"12......", "........", "........", "........", "........", "........", "........",
                 "........"});
    g.DirEnd.fill(5);
    EXPECT_FALSE(CanPlace(g, 2, 1, 1));
    EXPECT_EQ(Ends(g), (std::array<int32_t, 8>{}));
}

TEST(CanPlace, ShortestEnclosureAndEdges) {
    GameState g;
    SetBoard(g, {".21.....", "........", "........", "........", "........", "........", "........",
                 "........"});
    EXPECT_TRUE(CanPlace(g, 1, 1, 1));
    EXPECT_EQ(Ends(g), (std::array<int32_t, 8>{0, 0, 2, 0, 0, 0, 0, 0}));

    // A run to the edge, and a run broken by an empty cell, enclose nothing.
    SetBoard(g, {".222", "....", ".2.1", "...."});
    EXPECT_FALSE(CanPlace(g, 1, 1, 1));
    EXPECT_FALSE(CanPlace(g, 1, 1, 3));
    // At x = W - 1 the right direction cannot enclose: nothing lies two cells to the right.
    SetBoard(g, {"...2", "...."});
    EXPECT_FALSE(CanPlace(g, 1, 3, 1));
}

TEST(CanPlace, AllEightDirections) {
    GameState g;
    SetBoard(g, {
                    "1..1..1.",
                    ".2.2.2..",
                    "..222...",
                    "122.221.",
                    "..222...",
                    ".2.2.2..",
                    "1..1..1.",
                    "........",
                });
    EXPECT_TRUE(CanPlace(g, 1, 4, 4));
    EXPECT_EQ(Ends(g), (std::array<int32_t, 8>{2, 6, 6, 6, 6, 2, 2, 2}));
}

TEST(TurnOver, TurnsEveryDirectionAndMixesColours) {
    GameState g;
    // New red piece on (4, 4); every line ends in an own piece of another colour.
    SetBoard(g, {
                    "b..c..e.",
                    ".B.C.E..",
                    "..FGH...",
                    "hBA.AHa.",
                    "..BCD...",
                    ".A.B.C..",
                    "d..b..c.",
                    "........",
                });
    ASSERT_TRUE(CanPlace(g, 1, 4, 4));
    g.SetCell(4, 4, 1, 4);
    TurnOver(g, 4, 4);
    const int m_right = MixColor(4, 0); // enclosing (7, 4): a = side 1 colour 0
    const int m_left = MixColor(4, 7);  // enclosing (1, 4): h = colour 7
    const int m_down = MixColor(4, 1);  // enclosing (4, 7): b
    const int m_up = MixColor(4, 2);    // enclosing (4, 1): c
    const int m_dr = MixColor(4, 2);    // (7, 7): c
    const int m_ur = MixColor(4, 4);    // (7, 1): e
    const int m_dl = MixColor(4, 3);    // (1, 7): d
    const int m_ul = MixColor(4, 1);    // (1, 1): b
    struct Expect {
        int x, y, color;
    } cells[] = {
        {5, 4, MixColor(m_right, 0)}, {6, 4, MixColor(m_right, 7)}, {3, 4, MixColor(m_left, 0)},
        {2, 4, MixColor(m_left, 1)},  {4, 5, MixColor(m_down, 2)},  {4, 6, MixColor(m_down, 1)},
        {4, 3, MixColor(m_up, 6)},    {4, 2, MixColor(m_up, 2)},    {5, 5, MixColor(m_dr, 3)},
        {6, 6, MixColor(m_dr, 2)},    {5, 3, MixColor(m_ur, 7)},    {6, 2, MixColor(m_ur, 4)},
        {3, 5, MixColor(m_dl, 1)},    {2, 6, MixColor(m_dl, 0)},    {3, 3, MixColor(m_ul, 5)},
        {2, 2, MixColor(m_ul, 1)},
    };
    int changed = 0;
    for (int x = 1; x <= 8; ++x) {
        for (int y = 1; y <= 8; ++y) {
            changed += g.Changed(x, y) ? 1 : 0;
        }
    }
    EXPECT_EQ(changed, 17);
    for (const auto& c : cells) {
        EXPECT_EQ(g.Board(c.x, c.y), 1) << c.x << "," << c.y;
        EXPECT_EQ(g.CellColor(c.x, c.y), c.color) << c.x << "," << c.y;
        EXPECT_TRUE(g.Changed(c.x, c.y));
    }
    // The new piece keeps its colour; enclosing pieces are neither turned nor recoloured.
    EXPECT_EQ(g.CellColor(4, 4), 4);
    EXPECT_EQ(g.CellColor(7, 4), 0);
    EXPECT_EQ(g.CellColor(1, 4), 7);
    EXPECT_FALSE(g.Changed(7, 4));
    EXPECT_EQ(g.PiecesOf(2, 0) + g.PiecesOf(2, 1) + g.PiecesOf(2, 7), 0);
}

TEST(TurnOver, ColourExamplesOfTheRules) {
    GameState g;
    // Blue piece enclosing red and blue, line ending in own yellow: green acts.
    SetBoard(g, {".EBc", "...."});
    ASSERT_TRUE(CanPlace(g, 1, 1, 1));
    g.SetCell(1, 1, 1, 1);
    TurnOver(g, 1, 1);
    EXPECT_EQ(g.CellColor(2, 1), 7);
    EXPECT_EQ(g.CellColor(3, 1), 1);

    // Red on black enclosing: every enclosed piece black, an enclosed black one colourless.
    SetBoard(g, {".BHCh", "....."});
    ASSERT_TRUE(CanPlace(g, 1, 1, 1));
    g.SetCell(1, 1, 1, 4);
    TurnOver(g, 1, 1);
    EXPECT_EQ(g.CellColor(2, 1), 7);
    EXPECT_EQ(g.CellColor(3, 1), 0);
    EXPECT_EQ(g.CellColor(4, 1), 7);

    // A colourless piece and a colourless end leave every colour as it was.
    SetBoard(g, {".BGa", "...."});
    ASSERT_TRUE(CanPlace(g, 1, 1, 1));
    g.SetCell(1, 1, 1, 0);
    TurnOver(g, 1, 1);
    EXPECT_EQ(g.CellColor(2, 1), 1);
    EXPECT_EQ(g.CellColor(3, 1), 6);
}

TEST(TurnOver, AfterAFailedScanOnlyMarksThePlacedCell) {
    GameState g;
    SetBoard(g, {"...", ".21", "..."});
    EXPECT_FALSE(CanPlace(g, 1, 1, 1));
    g.SetCell(1, 1, 1, 2);
    TurnOver(g, 1, 1);
    EXPECT_TRUE(g.Changed(1, 1));
    EXPECT_FALSE(g.Changed(2, 2));
    EXPECT_EQ(g.Board(2, 2), 2);
}

TEST(IsPlaceable, AgreesWithCanPlaceOnEveryCell) {
    GameState g;
    SetBoard(g, {"..2.1...", ".2122...", "1121....", ".2.22..1", "..121.2.", "...2....", ".1..2...",
                 "........"});
    for (int side = 1; side <= 2; ++side) {
        for (int x = 1; x <= 8; ++x) {
            for (int y = 1; y <= 8; ++y) {
                EXPECT_EQ(IsPlaceable(g, side, x, y), CanPlace(g, side, x, y))
                    << side << " " << x << "," << y;
            }
        }
    }
}
