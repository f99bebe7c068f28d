#pragma once
// One stored game as the score tables keep it and a replay plays it back: the corner of the
// initial block and the placements in playing order.

#include <array>
#include <cstddef>
#include <cstdint>
#include <vector>

namespace tolvekin {

using MoveRow = std::array<int16_t, 5>; // [1] side, [2] colour, [3] column, [4] row; [0] unused

// Move rows a stored game holds for a board of w x h: always above the number of cells and a
// multiple of six, so six tokens a line fill the last line of any board.
constexpr int MoveSlots(int w, int h) {
    const int c = w * h;
    return c + 6 - c % 6;
}

struct GameRecord {
    // Moves[m] for m = 1..MoveSlots is the m-th placement; a side of 0 ends the game. Row 0
    // stays zero. A record read from a score file holds only placements on its board, and a
    // row with side 0 always follows the last placement.
    std::vector<MoveRow> Moves;
    // Top-left cell of the initial 2 x 2 block; a column of 0 means the centre of the board.
    int32_t StartX = 0;
    int32_t StartY = 0;

    // Empty record sized for a board of w x h.
    void Reset(int w, int h) {
        Moves.assign(static_cast<size_t>(MoveSlots(w, h)) + 1, MoveRow{});
        StartX = 0;
        StartY = 0;
    }
    // Side of placement m, 0 past the end.
    int16_t Side(size_t m) const { return m < Moves.size() ? Moves[m][1] : int16_t{0}; }
    // True when there is at least one placement to replay.
    bool HasGame() const { return Side(1) != 0; }
};

} // namespace tolvekin
