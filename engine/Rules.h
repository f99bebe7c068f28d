#pragma once
// The rules of one placement: may a side place on a cell, which opponent pieces it encloses,
// and how they are turned over and recoloured.

#include "GameState.h"

#include <bit>

namespace tolvekin {

// True if side may place on (x, y). Always rewrites DirEnd[1..8]: for each direction 0, or one
// coordinate of the last enclosed opponent piece (the row for up and down, else the column).
bool CanPlace(GameState& g, int side, int x, int y);

// The same answer as CanPlace without touching DirEnd: stops at the first enclosing direction.
bool IsPlaceable(const GameState& g, int side, int x, int y);
// IsPlaceable for a cell given by its storage slot (GameState::Slot). Inline: the candidate
// scan runs it for every empty cell next to a piece.
inline bool IsPlaceableAt(const GameState& g, int side, int slot);

// Turns over what the placement on (x, y) encloses. The caller has just run CanPlace for this
// cell and written the new piece with SetCell.
void TurnOver(GameState& g, int x, int y);

// Colour a turned piece takes: a is the acting colour, b the colour acted on.
int MixColor(int a, int b);

namespace detail {
// Does the run of opponent pieces that starts next to `at` in direction `step` end in an own
// piece? The first cell is known to hold an opponent piece.
inline bool Encloses(const int8_t* owner, int at, int step, int8_t side, int8_t other) {
    at += step;
    do {
        at += step;
    } while (owner[at] == other);
    return owner[at] == side;
}
} // namespace detail

inline bool IsPlaceableAt(const GameState& g, int side, int slot) {
    const int8_t* o = g.Owners();
    if (o[slot] != 0) {
        return false;
    }
    const int8_t own = static_cast<int8_t>(side);
    const int8_t other = static_cast<int8_t>(3 - side);
    for (unsigned m = g.NearMask(other, slot); m != 0; m &= m - 1) {
        if (detail::Encloses(o, slot, g.Step(std::countr_zero(m)), own, other)) {
            return true;
        }
    }
    return false;
}

} // namespace tolvekin
