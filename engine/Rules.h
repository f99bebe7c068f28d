#pragma once
// The rules of one placement: may a side place on a cell, which opponent pieces it encloses,
// and how they are turned over and recoloured.

#include "engine/GameState.h"

namespace tolvekin {

// True if side may place on (x, y). Always rewrites DirEnd[1..8]: for each direction 0, or one
// coordinate of the last enclosed opponent piece (the row for up and down, else the column).
bool CanPlace(GameState& g, int side, int x, int y);

// The same answer as CanPlace without touching DirEnd: stops at the first enclosing direction.
bool IsPlaceable(const GameState& g, int side, int x, int y);

// Turns over what the placement on (x, y) encloses. The caller has just run CanPlace for this
// cell and written the new piece with SetCell.
void TurnOver(GameState& g, int x, int y);

// Colour a turned piece takes: a is the acting colour, b the colour acted on.
int MixColor(int a, int b);

} // namespace tolvekin
