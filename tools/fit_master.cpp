// Fits the master's evaluation weights by self-play: one weight at a time is moved up or down,
// and the change is kept when the changed master beats the current one in a match of paired
// games. Prints the weights as they go into the evaluation's source.
//
//   fit_master [--board WxH] [--games N] [--budget NODES] [--rounds R] [--seed S] [--jobs J]

#include "tools/MasterGames.h"

#include <cstdio>
#include <cstdlib>
#include <string>

using namespace tolvekin;
using namespace tolvekin::tools;

namespace {

void Print(const char* title, const EvalWeights& w) {
    std::printf("%s\n    .Empty = {", title);
    for (int i = 0; i < FeatureCount; ++i) {
        std::printf(i == 0 ? "%d" : ", %d", w.Empty[static_cast<size_t>(i)]);
    }
    std::printf("},\n    .Full = {");
    for (int i = 0; i < FeatureCount; ++i) {
        std::printf(i == 0 ? "%d" : ", %d", w.Full[static_cast<size_t>(i)]);
    }
    std::printf("},\n");
    std::fflush(stdout);
}

} // namespace

int main(int argc, char** argv) {
    int w = 8, h = 8, games = 40, rounds = 2, jobs = 1;
    long long budget = 3000;
    uint64_t seed = 100;
    for (int i = 1; i + 1 < argc; i += 2) {
        const std::string key = argv[i];
        const char* value = argv[i + 1];
        if (key == "--board" && std::sscanf(value, "%dx%d", &w, &h) == 2) {
        } else if (key == "--games") {
            games = std::atoi(value);
        } else if (key == "--budget") {
            budget = std::atoll(value);
        } else if (key == "--rounds") {
            rounds = std::atoi(value);
        } else if (key == "--seed") {
            seed = std::strtoull(value, nullptr, 10);
        } else if (key == "--jobs") {
            jobs = std::atoi(value);
        } else {
            std::fprintf(stderr, "usage: fit_master [--board WxH] [--games N] [--budget NODES] "
                                 "[--rounds R] [--seed S] [--jobs J]\n");
            return 2;
        }
    }
    if (argc % 2 == 0 || w < 2 || w > 38 || h < 2 || h > 26 || games < 2 || jobs < 1) {
        std::fprintf(stderr, "fit_master: bad arguments\n");
        return 2;
    }
    EvalWeights best = MasterWeights();
    Print("start", best);
    for (int round = 0; round < rounds; ++round) {
        for (int k = 0; k < 2 * FeatureCount; ++k) {
            for (const int sign : {1, -1}) {
                EvalWeights trial = best;
                int& weight = k < FeatureCount ? trial.Empty[static_cast<size_t>(k)]
                                               : trial.Full[static_cast<size_t>(k - FeatureCount)];
                const int step = std::max(8, std::abs(weight) / 2);
                weight += sign * step;
                Contender challenger{3, MasterSettingsFor(w, h), "trial"};
                challenger.Settings.NodeBudget = budget;
                challenger.Settings.Weights = &trial;
                Contender holder = challenger;
                holder.Settings.Weights = &best;
                // New draws for every trial, so no change is fitted to one set of games.
                const uint64_t trialSeed =
                    seed + static_cast<uint64_t>(round * 1000 + k * 2) + (sign > 0 ? 0 : 1);
                const MatchSummary s = PlayMatch(w, h, challenger, holder, games, trialSeed, jobs);
                const double points = s.Wins + 0.5 * s.Draws;
                std::printf("round %d feature %d %s %+d: %.1f of %d\n", round, k % FeatureCount,
                            k < FeatureCount ? "empty" : "full", sign * step, points, games);
                if (points >= 0.6 * games) {
                    best = trial;
                    Print("kept", best);
                    break;
                }
            }
        }
    }
    Print("fitted", best);
    return 0;
}
