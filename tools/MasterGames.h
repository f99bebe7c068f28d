#pragma once
// Whole games between two computer players on the game's own rules, for the match and fitting
// programs: the master with given settings, or the built-in weak and strong players, which
// draw their colour and their cell from a seeded source as the game does.

#include "engine/MasterPlayer.h"

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace tolvekin::tools {

struct Contender {
    int Level = 3; // 1 weak, 2 strong, 3 the master
    MasterSettings Settings;
    std::string Name;
};

struct GameOutcome {
    int Scores[3] = {0, 0, 0};       // by side
    int MasterMoves = 0;             // master moves of the timed side
    std::vector<double> MoveSeconds; // time of each of them
    int64_t Nodes = 0;
};

// Plays one game on a w x h board from the middle block; `first` plays side 1. The draws of
// the game follow from seed and game number alone. The master's moves of timedSide are timed.
GameOutcome PlayGame(int w, int h, const Contender& first, const Contender& second, uint64_t seed,
                     uint64_t game, int timedSide);

// Processor time of the calling thread: what a move costs, whatever else the machine runs.
double ThreadSeconds();

struct MatchSummary {
    int Wins = 0, Draws = 0, Losses = 0; // of contender a
    double MeanScoreA = 0, MeanScoreB = 0;
    double MedianMoveMs = 0, MaxMoveMs = 0; // processor time of contender a's master moves
    double MeanNodes = 0;                   // per move of contender a
};

// Plays `games` games, a moving first in the even ones, on `jobs` threads.
MatchSummary PlayMatch(int w, int h, const Contender& a, const Contender& b, int games,
                       uint64_t seed, int jobs);

} // namespace tolvekin::tools
