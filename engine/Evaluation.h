#pragma once
// How good a position looks for one side, for the searching computer: a few counts taken for
// both sides, each weighed by a pair of weights, one for an empty board and one for a full
// board, mixed by how full the board is.

#include "engine/Position.h"

#include <array>

namespace tolvekin {

enum EvalFeature : int {
    FeatScore,      // colours x pieces that are not black: the score itself
    FeatNonBlack,   // pieces that are not black
    FeatColours,    // different colours among 1..6
    FeatBlack,      // black pieces
    FeatCorners,    // corners held
    FeatNearCorner, // pieces next to an empty corner, which hand it to the other side
    FeatStable,     // pieces along an edge in an unbroken run from an own corner
    FeatMobility,   // cells where the side may place
    FeatEdges,      // pieces on the board's edge
    FeatureCount
};

// One point of score at the end of a game is worth this much.
inline constexpr int PointValue = 16;

struct EvalWeights {
    std::array<int, FeatureCount> Empty{}; // on an empty board
    std::array<int, FeatureCount> Full{};  // on a full board
};

// The weights the master plays with.
const EvalWeights& MasterWeights();

// The counts of side less those of the other side. In black and white (piecesOnly) a side
// scores its pieces and colours count for nothing.
std::array<int, FeatureCount> FeatureDifferences(const Position& position, int side,
                                                 bool piecesOnly = false);

// The value of the position for side, PointValue a point of score; a position where neither
// side can place gets its FinalValue, and finished (if given) says so.
int Evaluate(const Position& position, int side, const EvalWeights& weights,
             bool piecesOnly = false, bool* finished = nullptr);

// The value of a finished game for side: a win outweighs every evaluation, then the margin.
inline constexpr int WinValue = 1 << 24;
int FinalValue(const Position& position, int side, bool piecesOnly = false);

} // namespace tolvekin
