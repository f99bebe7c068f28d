// Plays the master against the built-in strengths or against an earlier version of itself and
// prints wins, draws, losses, mean scores and the master's time per move.
//
//   master_match [--board WxH] [--games N] [--opponent weak|strong|plain|unfitted] [--seed S]
//                [--jobs J] [--budget NODES]

#include "tools/MasterGames.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

using namespace tolvekin;
using namespace tolvekin::tools;

namespace {

// The first master that played: the same search trying every colour of every cell at every
// depth, with the weights first set by hand, before corners counted for enough.
constexpr EvalWeights PlainWeights{
    .Empty = {0, 8, 20, -8, 200, -80, 40, 30, 10},
    .Full = {16, 16, 60, -16, 100, -30, 40, 10, 5},
};

int Usage() {
    std::fprintf(stderr,
                 "usage: master_match [--board WxH] [--games N] "
                 "[--opponent weak|strong|plain|unfitted] [--seed S] [--jobs J] [--budget N]\n");
    return 2;
}

// The weights set by hand before fitting: a score held early counted for nothing.
constexpr EvalWeights UnfittedWeights{
    .Empty = {0, 0, 40, -16, 1000, -300, 100, 60, 20},
    .Full = {16, 16, 0, -16, 400, -100, 60, 20, 10},
};

} // namespace

int main(int argc, char** argv) {
    int w = 8, h = 8, games = 200, jobs = 1;
    uint64_t seed = 1;
    long long budget = 0;
    std::string opponent = "strong";
    for (int i = 1; i + 1 < argc; i += 2) {
        const std::string key = argv[i];
        const char* value = argv[i + 1];
        if (key == "--board") {
            if (std::sscanf(value, "%dx%d", &w, &h) != 2) {
                return Usage();
            }
        } else if (key == "--games") {
            games = std::atoi(value);
        } else if (key == "--opponent") {
            opponent = value;
        } else if (key == "--seed") {
            seed = std::strtoull(value, nullptr, 10);
        } else if (key == "--jobs") {
            jobs = std::atoi(value);
        } else if (key == "--budget") {
            budget = std::atoll(value);
        } else {
            return Usage();
        }
    }
    if (argc % 2 == 0 || w < 2 || w > 38 || h < 2 || h > 26 || games < 1 || jobs < 1) {
        return Usage();
    }
    Contender master{3, MasterSettingsFor(w, h), "master"};
    if (budget > 0) {
        master.Settings.NodeBudget = budget;
    }
    Contender other;
    if (opponent == "weak" || opponent == "strong") {
        other = Contender{opponent == "weak" ? 1 : 2, {}, opponent};
    } else if (opponent == "plain") {
        other = Contender{3, master.Settings, "plain"};
        other.Settings.Weights = &PlainWeights;
        other.Settings.EveryColourEmpties = w * h;
    } else if (opponent == "unfitted") {
        other = Contender{3, master.Settings, "unfitted"};
        other.Settings.Weights = &UnfittedWeights;
    } else {
        return Usage();
    }
    const MatchSummary s = PlayMatch(w, h, master, other, games, seed, jobs);
    std::printf("%dx%d master vs %s, %d games: %d wins, %d draws, %d losses; mean score %.1f to "
                "%.1f (margin %.1f); move median %.1f ms, max %.1f ms (processor), %.0f nodes\n",
                w, h, other.Name.c_str(), games, s.Wins, s.Draws, s.Losses, s.MeanScoreA,
                s.MeanScoreB, s.MeanScoreA - s.MeanScoreB, s.MedianMoveMs, s.MaxMoveMs,
                s.MeanNodes);
    return 0;
}
