#pragma once
// 名人, the searching computer: alpha-beta over cell and colour with iterative deepening, a
// transposition table and an evaluation made for this scoring, searching to the end of the
// game once the end is within reach. Its work is measured in positions visited, never in
// time, so the same position, side and seed give the same move on any machine.

#include "engine/Evaluation.h"
#include "engine/Move.h"
#include "engine/Position.h"

#include <atomic>
#include <cstdint>

namespace tolvekin {

struct MasterStats {
    int64_t Nodes = 0;  // placements tried
    int Depth = 0;      // deepest search completed, in placements
    int Value = 0;      // the value of the move chosen, PointValue a point of score
    bool Exact = false; // the completed search saw every game to its end
};

struct MasterSettings {
    int64_t NodeBudget = 0; // placements the search may try; the deepening stops beyond it
    int MaxDepth = 60;      // deepest iteration
    // Below the root, every colour of a cell is tried only from this many empty cells on;
    // before that, the colour that scores best at once.
    int EveryColourEmpties = 10;
    bool PiecesOnly = false;              // black and white: a side scores its pieces
    const EvalWeights* Weights = nullptr; // nullptr: MasterWeights()
};

// The budget that keeps a move within the time the window allows on a board of w x h.
MasterSettings MasterSettingsFor(int w, int h);

// The master's move for side. Returns no move only when side cannot place. When cancelled
// becomes true it returns soon with some legal move, which the caller drops.
Move ChooseMasterMove(const Position& position, int side, uint64_t seed,
                      const std::atomic<bool>& cancelled, MasterStats* stats = nullptr);
Move ChooseMasterMove(const Position& position, int side, uint64_t seed,
                      const std::atomic<bool>& cancelled, const MasterSettings& settings,
                      MasterStats* stats = nullptr);

} // namespace tolvekin
