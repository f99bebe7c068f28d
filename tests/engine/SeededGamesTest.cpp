// Many seeded computer-against-computer games, every move checked against a plain reading of
// the rules kept here: legal, a pass only when forced, the strength chosen from the move number,
// the strong pick among the best weights, the board and the counts after each move.

#include "engine/ComputerPlayer.h"
#include "engine/Rules.h"
#include "tests/engine/Fixtures.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace tolvekin;

namespace {

// The rules written out plainly, with coordinates tested at every step.
struct PlainBoard {
    int w, h;
    std::vector<std::vector<int>> owner, color;
    PlainBoard(int w_, int h_)
        : w(w_), h(h_), owner(w_ + 1, std::vector<int>(h_ + 1)), color(owner) {}

    bool On(int x, int y) const { return x >= 1 && x <= w && y >= 1 && y <= h; }

    // Length of the enclosed run in direction (dx, dy), or 0.
    int Run(int side, int x, int y, int dx, int dy) const {
        int k = 1;
        while (On(x + dx * k, y + dy * k) && owner[x + dx * k][y + dy * k] == 3 - side) {
            ++k;
        }
        if (k > 1 && On(x + dx * k, y + dy * k) && owner[x + dx * k][y + dy * k] == side) {
            return k - 1;
        }
        return 0;
    }
    bool Legal(int side, int x, int y) const {
        if (owner[x][y] != 0) {
            return false;
        }
        for (int dx = -1; dx <= 1; ++dx) {
            for (int dy = -1; dy <= 1; ++dy) {
                if ((dx != 0 || dy != 0) && Run(side, x, y, dx, dy) > 0) {
                    return true;
                }
            }
        }
        return false;
    }
    std::vector<std::pair<int, int>> Places(int side) const {
        std::vector<std::pair<int, int>> list;
        for (int x = 1; x <= w; ++x) {
            for (int y = 1; y <= h; ++y) {
                if (Legal(side, x, y)) {
                    list.emplace_back(x, y);
                }
            }
        }
        return list;
    }
    void Place(int side, int c0, int x, int y) {
        int runs[3][3];
        for (int dx = -1; dx <= 1; ++dx) {
            for (int dy = -1; dy <= 1; ++dy) {
                runs[dx + 1][dy + 1] = (dx != 0 || dy != 0) ? Run(side, x, y, dx, dy) : 0;
            }
        }
        owner[x][y] = side;
        color[x][y] = c0;
        for (int dx = -1; dx <= 1; ++dx) {
            for (int dy = -1; dy <= 1; ++dy) {
                const int n = runs[dx + 1][dy + 1];
                if (n == 0) {
                    continue;
                }
                const int m = MixColor(c0, color[x + dx * (n + 1)][y + dy * (n + 1)]);
                for (int k = 1; k <= n; ++k) {
                    owner[x + dx * k][y + dy * k] = side;
                    color[x + dx * k][y + dy * k] = MixColor(m, color[x + dx * k][y + dy * k]);
                }
            }
        }
    }
};

struct Counter {
    int games = 0, moves = 0, passes = 0, strong = 0;
};

void PlaySeededGame(int w, int h, int midX, int midY, uint64_t seed, Counter& counter) {
    PlayOptions options;
    options.GameMode = 3;
    options.BoardWidth = w;
    options.BoardHeight = h;
    options.MidX = midX;
    options.MidY = midY;
    MtRandom random(seed);
    QuietView view;
    ManualClock clock;
    NoRecorder recorder;
    Game game(options, random, view, clock, recorder);
    clock.SetHandler([&](GameTimer t) { game.Tick(t); });
    game.AllocateBoard();
    game.RestartGame();
    game.PassClick();

    PlainBoard plain(w, h);
    plain.owner[midX][midY] = plain.owner[midX + 1][midY + 1] = 1;
    plain.owner[midX + 1][midY] = plain.owner[midX][midY + 1] = 2;
    std::vector<int32_t> weights;
    BuildCellWeights(w, h, weights);

    for (int tick = 0; tick < 4 * w * h; ++tick) {
        const GameState& g = game.State;
        int mover = g.MoveCount == 0 ? g.SideToMove : 3 - g.SideToMove;
        auto places = plain.Places(mover);
        bool pass = false;
        if (places.empty()) {
            places = plain.Places(3 - mover);
            pass = true;
            mover = 3 - mover;
        }
        const int before = g.MoveCount;
        // The engine's list for this side, in its order, before the pick reorders it.
        GameState copy = g;
        CollectCandidates(copy, mover);
        if (!places.empty()) {
            ASSERT_EQ(tolvekin::testing::Candidates(copy), places) << "seed " << seed;
        }
        ASSERT_TRUE(clock.Step());
        if (places.empty()) {
            ASSERT_FALSE(clock.TimerEnabled(GameTimer::Auto));
            ASSERT_TRUE(clock.TimerEnabled(GameTimer::AutoRestart));
            break;
        }
        ASSERT_EQ(g.MoveCount, before + 1);
        const auto& rec = g.MoveRecord[g.MoveCount];
        ASSERT_EQ(rec[1], mover);
        ASSERT_TRUE(rec[2] == 1 || rec[2] == 2 || rec[2] == 4);
        const std::pair<int, int> cell{rec[3], rec[4]};
        ASSERT_NE(std::find(places.begin(), places.end(), cell), places.end());
        const bool strong = (before % (mover == 1 ? 3 : 4)) == 1;
        ASSERT_EQ(options.GameLevel, strong ? 2 : 1);
        if (strong) {
            int best = 1000;
            for (auto [x, y] : places) {
                best = std::min(best, weights[static_cast<size_t>((y - 1) * w + x - 1)]);
            }
            ASSERT_EQ(weights[static_cast<size_t>((cell.second - 1) * w + cell.first - 1)], best);
            ++counter.strong;
        }
        counter.passes += pass ? 1 : 0;
        ++counter.moves;
        plain.Place(mover, rec[2], cell.first, cell.second);
        int pieces[3] = {}, black[3] = {};
        bool seen[3][8] = {};
        for (int x = 1; x <= w; ++x) {
            for (int y = 1; y <= h; ++y) {
                ASSERT_EQ(g.Board(x, y), plain.owner[x][y]);
                ASSERT_EQ(g.CellColor(x, y), plain.owner[x][y] ? plain.color[x][y] : 0);
                const int s = plain.owner[x][y];
                if (s != 0) {
                    ++pieces[s];
                    seen[s][plain.color[x][y]] = true;
                    black[s] += plain.color[x][y] == 7 ? 1 : 0;
                }
            }
        }
        for (int s = 1; s <= 2; ++s) {
            int colours = 0;
            for (int c = 1; c <= 6; ++c) {
                colours += seen[s][c] ? 1 : 0;
            }
            ASSERT_EQ(g.Tally[s],
                      (SideTally{colours * (pieces[s] - black[s]), pieces[s], black[s], colours}));
        }
    }
    ++counter.games;
}

} // namespace

TEST(SeededGames, EveryMoveFollowsTheRules) {
    Counter counter;
    uint64_t seed = 1;
    struct Size {
        int w, h, games;
    };
    for (const Size& s : {Size{8, 8, 60}, Size{3, 3, 20}, Size{5, 9, 20}, Size{13, 7, 10},
                          Size{2, 6, 5}, Size{38, 26, 1}, Size{38, 3, 2}, Size{2, 26, 2}}) {
        for (int n = 0; n < s.games; ++n, ++seed) {
            // Vary the initial block too, corners included.
            const int midX = 1 + static_cast<int>(seed % static_cast<uint64_t>(s.w - 1));
            const int midY = 1 + static_cast<int>((seed / 3) % static_cast<uint64_t>(s.h - 1));
            PlaySeededGame(s.w, s.h, midX, midY, seed, counter);
            if (::testing::Test::HasFatalFailure()) {
                return;
            }
        }
    }
    // Every board shape ran, the narrowest and the longest lines included.
    EXPECT_EQ(counter.games, 120);
    // The games exercised passes and strong moves, not only the plain path.
    EXPECT_GT(counter.passes, 0);
    EXPECT_GT(counter.strong, 100);
}
