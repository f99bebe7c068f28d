#pragma once
// The computer's choice of a placement: the candidate list, the static cell weights and the weak
// (random) and strong (best weight, random among equals) picks.

#include "engine/GameState.h"
#include "engine/Random.h"

#include <utility>
#include <vector>

namespace tolvekin {

// Rebuilds the candidate list with every cell where side may place, column by column and top to
// bottom within a column. DirEnd afterwards holds the scan of the last cell, (W, H).
bool CollectCandidates(GameState& g, int side);

// Fills table (w x h entries, by CellIndex) with the placement priority of each cell.
void BuildCellWeights(int w, int h, std::vector<int32_t>& table);

// The computer's cell among the candidates: uniform at level 1, otherwise uniform among the
// lowest weight. The strong pick compacts the best candidates to the front of the list.
std::pair<int, int> ChooseMove(GameState& g, int level, RandomSource& random);

} // namespace tolvekin
