#pragma once
// The two sides of a game and what a count says about each. A side is stored as the number the
// board and the move record hold (1 or 2), so it converts to int where a table is indexed by it.

#include <cstdint>

namespace tolvekin {

enum Side : int16_t { NoSide = 0, Side1 = 1, Side2 = 2 };

// The side that moves after s.
constexpr Side Opponent(Side s) {
    return s == Side1 ? Side2 : Side1;
}

// A side of 1 or 2 from a stored number; anything else is NoSide.
constexpr Side SideOf(int n) {
    return n == 1 ? Side1 : (n == 2 ? Side2 : NoSide);
}

// One side after the last count.
struct SideTally {
    int32_t Score = 0;       // colours x (pieces - black pieces); the pieces in black and white
    int32_t Pieces = 0;      // pieces of the side
    int32_t BlackPieces = 0; // pieces of colour 7
    int32_t Colours = 0;     // different colours among 1..6 on the side's pieces
    bool operator==(const SideTally&) const = default;
};

} // namespace tolvekin
