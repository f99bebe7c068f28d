#include "tools/MasterGames.h"

#include "engine/ComputerPlayer.h"
#include "engine/Random.h"
#include "engine/Rounding.h"
#include "engine/Rules.h"

#include <algorithm>
#include <atomic>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <mutex>
#include <thread>

namespace tolvekin::tools {

double ThreadSeconds() {
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_nsec) * 1e-9;
}

GameOutcome PlayGame(int w, int h, const Contender& first, const Contender& second, uint64_t seed,
                     uint64_t game, int timedSide) {
    SeriesRandom random(seed, game);
    GameState g;
    g.Allocate(w, h);
    BuildCellWeights(w, h, g.CellWeight);
    g.CandX.assign(static_cast<size_t>(w * h + 2), 0);
    g.CandY.assign(static_cast<size_t>(w * h + 2), 0);
    Position p(w, h);
    const int sx = MiddleOf(w);
    const int sy = MiddleOf(h);
    for (const auto& [x, y, side] : {std::array{sx, sy, 1}, std::array{sx + 1, sy + 1, 1},
                                     std::array{sx + 1, sy, 2}, std::array{sx, sy + 1, 2}}) {
        g.SetCell(x, y, side, 0);
        p.Set(x, y, side, 0);
    }
    const std::atomic<bool> never{false};
    GameOutcome out;
    int side = 1;
    int passes = 0;
    while (passes < 2) {
        if (!CollectCandidates(g, side)) {
            ++passes;
            side = 3 - side;
            continue;
        }
        passes = 0;
        const Contender& who = side == 1 ? first : second;
        int x = 0;
        int y = 0;
        int color = 0;
        if (who.Level == 3) {
            MasterStats stats;
            const double start = ThreadSeconds();
            const Move m =
                ChooseMasterMove(p, side, random.NextBits(), never, who.Settings, &stats);
            if (side == timedSide) {
                out.MoveSeconds.push_back(ThreadSeconds() - start);
                out.Nodes += stats.Nodes;
                ++out.MasterMoves;
            }
            x = m.X, y = m.Y, color = m.Color;
        } else {
            // The colour first, then the cell, as the game's computer draws them.
            const int r = static_cast<int>(random.Next() * 3);
            color = std::array{1, 2, 4}[static_cast<size_t>(std::min(r, 2))];
            std::tie(x, y) = ChooseMove(g, who.Level, random);
        }
        if (!CanPlace(g, side, x, y)) {
            std::fprintf(stderr, "illegal move %d,%d by %s\n", x, y, who.Name.c_str());
            std::abort();
        }
        g.SetCell(x, y, side, color);
        TurnOver(g, x, y);
        p.Play(side, p.Geo().Slot(x, y), color);
        side = 3 - side;
    }
    out.Scores[1] = p.Score(1);
    out.Scores[2] = p.Score(2);
    return out;
}

MatchSummary PlayMatch(int w, int h, const Contender& a, const Contender& b, int games,
                       uint64_t seed, int jobs) {
    std::mutex guard;
    std::atomic<int> next{0};
    MatchSummary sum;
    std::vector<double> seconds;
    int64_t nodes = 0;
    int moves = 0;
    auto work = [&] {
        for (int i = next++; i < games; i = next++) {
            const bool aFirst = i % 2 == 0;
            // Pairs of games share their draws, so each contender meets the same chances on
            // both sides.
            const uint64_t number = static_cast<uint64_t>(i / 2 + 1);
            const int aSide = aFirst ? 1 : 2;
            const GameOutcome o = aFirst ? PlayGame(w, h, a, b, seed, number, aSide)
                                         : PlayGame(w, h, b, a, seed, number, aSide);
            const int mine = o.Scores[aSide];
            const int theirs = o.Scores[3 - aSide];
            const std::lock_guard lock(guard);
            sum.Wins += mine > theirs;
            sum.Draws += mine == theirs;
            sum.Losses += mine < theirs;
            sum.MeanScoreA += mine;
            sum.MeanScoreB += theirs;
            seconds.insert(seconds.end(), o.MoveSeconds.begin(), o.MoveSeconds.end());
            nodes += o.Nodes;
            moves += o.MasterMoves;
        }
    };
    std::vector<std::thread> threads;
    for (int j = 1; j < jobs; ++j) {
        threads.emplace_back(work);
    }
    work();
    for (std::thread& t : threads) {
        t.join();
    }
    sum.MeanScoreA /= games;
    sum.MeanScoreB /= games;
    if (!seconds.empty()) {
        std::sort(seconds.begin(), seconds.end());
        sum.MedianMoveMs = seconds[seconds.size() / 2] * 1000;
        sum.MaxMoveMs = seconds.back() * 1000;
    }
    sum.MeanNodes = moves > 0 ? static_cast<double>(nodes) / moves : 0;
    return sum;
}

} // namespace tolvekin::tools
