#include "engine/ComputerPlayer.h"
#include "engine/Rules.h"
#include "tests/engine/Fixtures.h"

#include <gtest/gtest.h>

#include <map>

using namespace tolvekin;
using tolvekin::testing::Candidates;
using tolvekin::testing::ScriptedRandom;
using tolvekin::testing::SetBoard;

namespace {

// The weight table as rows from the top.
std::vector<std::vector<int>> WeightRows(int w, int h) {
    std::vector<int32_t> table;
    BuildCellWeights(w, h, table);
    std::vector<std::vector<int>> rows(static_cast<size_t>(h));
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            rows[static_cast<size_t>(y)].push_back(table[static_cast<size_t>(y * w + x)]);
        }
    }
    return rows;
}

} // namespace

TEST(CellWeights, EightByEight) {
    const std::vector<std::vector<int>> expected = {
        {1, 8, 3, 5, 5, 3, 8, 1}, {8, 9, 4, 7, 7, 4, 9, 8}, {3, 4, 2, 6, 6, 2, 4, 3},
        {5, 7, 6, 6, 6, 6, 7, 5}, {5, 7, 6, 6, 6, 6, 7, 5}, {3, 4, 2, 6, 6, 2, 4, 3},
        {8, 9, 4, 7, 7, 4, 9, 8}, {1, 8, 3, 5, 5, 3, 8, 1},
    };
    EXPECT_EQ(WeightRows(8, 8), expected);
}

TEST(CellWeights, SmallAndOddBoards) {
    EXPECT_EQ(WeightRows(7, 7), (std::vector<std::vector<int>>{
                                    {1, 8, 3, 5, 3, 8, 1},
                                    {8, 9, 4, 7, 4, 9, 8},
                                    {3, 4, 2, 6, 2, 4, 3},
                                    {5, 7, 6, 6, 6, 7, 5},
                                    {3, 4, 2, 6, 2, 4, 3},
                                    {8, 9, 4, 7, 4, 9, 8},
                                    {1, 8, 3, 5, 3, 8, 1},
                                }));
    // On 6 x 6 the four corner patterns cover everything: no 5, 6 or 7.
    EXPECT_EQ(WeightRows(6, 6), (std::vector<std::vector<int>>{
                                    {1, 8, 3, 3, 8, 1},
                                    {8, 9, 4, 4, 9, 8},
                                    {3, 4, 2, 2, 4, 3},
                                    {3, 4, 2, 2, 4, 3},
                                    {8, 9, 4, 4, 9, 8},
                                    {1, 8, 3, 3, 8, 1},
                                }));
    // Narrow 4 x 8: columns 1 and 2 from the top, mirrored in columns 4 and 3.
    const auto narrow = WeightRows(4, 8);
    const int col1[8] = {1, 8, 3, 6, 6, 3, 8, 1};
    const int col2[8] = {8, 9, 4, 6, 6, 4, 9, 8};
    for (size_t y = 0; y < 8; ++y) {
        EXPECT_EQ(narrow[y][0], col1[y]);
        EXPECT_EQ(narrow[y][1], col2[y]);
        EXPECT_EQ(narrow[y][3], col1[y]);
        EXPECT_EQ(narrow[y][2], col2[y]);
    }
    EXPECT_EQ(WeightRows(8, 4), (std::vector<std::vector<int>>{
                                    {1, 8, 3, 6, 6, 3, 8, 1},
                                    {8, 9, 4, 6, 6, 4, 9, 8},
                                    {8, 9, 4, 6, 6, 4, 9, 8},
                                    {1, 8, 3, 6, 6, 3, 8, 1},
                                }));
    // The corner writes overlap on 2 x 2.
    EXPECT_EQ(WeightRows(2, 2), (std::vector<std::vector<int>>{{9, 8}, {8, 8}}));
}

TEST(CollectCandidates, ColumnByColumnOrderAndLastScan) {
    GameState g;
    SetBoard(g, {"........", "........", "........", "...12...", "...21...", "........", "........",
                 "........"});
    ASSERT_TRUE(CollectCandidates(g, 1));
    EXPECT_EQ(Candidates(g), (std::vector<std::pair<int, int>>{{3, 5}, {4, 6}, {5, 3}, {6, 4}}));
    ASSERT_TRUE(CollectCandidates(g, 2));
    EXPECT_EQ(Candidates(g), (std::vector<std::pair<int, int>>{{3, 4}, {4, 3}, {5, 6}, {6, 5}}));
    // DirEnd is left as the scan of the bottom-right cell leaves it.
    SetBoard(g, {"12.", "...", "..."});
    g.DirEnd.fill(0);
    ASSERT_TRUE(CollectCandidates(g, 1));
    EXPECT_EQ(Candidates(g), (std::vector<std::pair<int, int>>{{3, 1}}));
    EXPECT_EQ(g.DirEnd[7], 0);
    SetBoard(g, {"1..", ".2.", "..."});
    ASSERT_TRUE(CollectCandidates(g, 1));
    EXPECT_EQ(Candidates(g), (std::vector<std::pair<int, int>>{{3, 3}}));
    EXPECT_EQ(g.DirEnd[8], 2);
}

TEST(CollectCandidates, HoldsEveryCellOfTheLargestBoard) {
    GameState g;
    std::vector<std::string> rows;
    for (int y = 0; y < 26; ++y) {
        std::string row;
        for (int x = 0; x < 38; ++x) {
            row += (y % 3 == 1) ? '2' : (y % 3 == 2 ? '1' : '.');
        }
        rows.push_back(row);
    }
    SetBoard(g, rows);
    ASSERT_TRUE(CollectCandidates(g, 1));
    EXPECT_EQ(g.CandCount, 38 * 8); // every empty row but the last, whose run meets the edge
    for (int i = 1; i <= g.CandCount; ++i) {
        ASSERT_TRUE(CanPlace(g, 1, g.CandX[i], g.CandY[i]));
    }
}

TEST(ChooseMove, StrongTakesTheBestWeightAndCompactsTheList) {
    GameState g;
    g.Allocate(8, 8);
    BuildCellWeights(8, 8, g.CellWeight);
    const std::vector<std::pair<int, int>> list = {{4, 3}, {1, 1}, {2, 2}, {8, 1},
                                                   {5, 5}, {8, 8}, {3, 7}};
    auto load = [&] {
        g.CandCount = static_cast<int32_t>(list.size());
        for (size_t i = 0; i < list.size(); ++i) {
            g.CandX[i + 1] = list[i].first;
            g.CandY[i + 1] = list[i].second;
        }
    };
    load();
    ScriptedRandom random({0.0, 0.5, 0.99});
    EXPECT_EQ(ChooseMove(g, 2, random), (std::pair{1, 1}));
    // Three corners move to the front; the rest keeps earlier entries; the count stays.
    EXPECT_EQ(g.CandCount, 7);
    EXPECT_EQ(Candidates(g), (std::vector<std::pair<int, int>>{
                                 {1, 1}, {8, 1}, {8, 8}, {8, 1}, {5, 5}, {8, 8}, {3, 7}}));
    load();
    EXPECT_EQ(ChooseMove(g, 2, random), (std::pair{8, 1}));
    load();
    EXPECT_EQ(ChooseMove(g, 2, random), (std::pair{8, 8}));
    // Weak: uniform over the whole list, corners included.
    load();
    ScriptedRandom weak({0.0, 1.0 / 7 + 1e-9, 0.999999});
    EXPECT_EQ(ChooseMove(g, 1, weak), (std::pair{4, 3}));
    EXPECT_EQ(ChooseMove(g, 1, weak), (std::pair{1, 1}));
    EXPECT_EQ(ChooseMove(g, 1, weak), (std::pair{3, 7}));
}

TEST(ChooseMove, TiesAreSharedEvenlyAndWorstCellsOnlyWhenNothingElse) {
    GameState g;
    g.Allocate(8, 8);
    BuildCellWeights(8, 8, g.CellWeight);
    MtRandom random(7);
    std::map<std::pair<int, int>, int> seen;
    for (int n = 0; n < 3000; ++n) {
        g.CandCount = 3;
        g.CandX[1] = 3, g.CandY[1] = 1;
        g.CandX[2] = 1, g.CandY[2] = 6;
        g.CandX[3] = 6, g.CandY[3] = 8;
        ++seen[ChooseMove(g, 2, random)];
    }
    ASSERT_EQ(seen.size(), 3u);
    for (const auto& [cell, count] : seen) {
        EXPECT_NEAR(count, 1000, 120) << cell.first << "," << cell.second;
    }
    g.CandCount = 2;
    g.CandX[1] = 2, g.CandY[1] = 2; // weight 9
    g.CandX[2] = 7, g.CandY[2] = 2; // weight 9
    EXPECT_EQ(ChooseMove(g, 2, random).second, 2);
    g.CandCount = 2;
    g.CandX[1] = 2, g.CandY[1] = 2;
    g.CandX[2] = 4, g.CandY[2] = 4; // weight 6
    EXPECT_EQ(ChooseMove(g, 2, random), (std::pair{4, 4}));
}
