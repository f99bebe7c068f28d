#pragma once
// The one record of a game: board, colours, redraw marks, the last legality scan, the candidate
// list, the cell weights, the move record and the per-game values.
//
// The owners and colours of the cells are one Position, the value type the search plays on; the
// record keeps beside it only what the game's procedures name and a position does not hold.

#include "engine/Position.h"
#include "engine/Side.h"

#include <array>
#include <cassert>
#include <cstddef>
#include <cstdint>
#include <vector>

namespace tolvekin {

inline constexpr int MinCandidateCapacity = 1000;

struct GameState {
    int32_t BoardWidth = 0;
    int32_t BoardHeight = 0;

    // Owner of a cell: 0 empty, 1 side 1, 2 side 2. Write cells through SetCell only.
    int16_t Board(int x, int y) const {
        assert(OnBoard(x, y));
        return static_cast<int16_t>(cells_.Owner(x, y));
    }
    // PieceColor of the piece on a cell; 0 on an empty cell.
    int32_t CellColor(int x, int y) const {
        assert(OnBoard(x, y));
        return cells_.Color(x, y);
    }
    // Redraw marks: the cells changed by the last placement or new game.
    bool Changed(int x, int y) const {
        assert(OnBoard(x, y));
        return changed_[static_cast<size_t>(CellIndex(x, y))] != 0;
    }
    void SetChanged(int x, int y, bool on) {
        assert(OnBoard(x, y));
        changed_[static_cast<size_t>(CellIndex(x, y))] = on ? 1 : 0;
    }
    void ClearChanged();

    // Writes owner and colour of one cell; the position keeps its counts.
    void SetCell(int x, int y, int side, int32_t color) {
        assert(OnBoard(x, y));
        cells_.Set(x, y, side, color);
    }

    // Per-direction end record of the last legality scan; slots 1..8.
    std::array<int32_t, 9> DirEnd{};

    // Candidate list, slots 1..CandCount.
    std::vector<int32_t> CandX;
    std::vector<int32_t> CandY;
    int32_t CandCount = 0;

    // Placement priority of each cell for the strong computer, by CellIndex; lower is better.
    std::vector<int32_t> CellWeight;

    // Row n (from 1) is the n-th placement: [1] side, [2] colour, [3] x, [4] y.
    std::vector<std::array<int16_t, 5>> MoveRecord;
    int16_t MoveCount = 0;

    Side SideToMove = Side1;
    int16_t ComputerSide = 2;
    int32_t NextColor = 0;
    int32_t StartX = 0;
    int32_t StartY = 0;

    // Tally[side] for side 1 and 2, after the last count.
    std::array<SideTally, 3> Tally{};

    int32_t CellIndex(int x, int y) const { return (y - 1) * BoardWidth + (x - 1); }
    int CellCount() const { return BoardWidth * BoardHeight; }
    bool OnBoard(int x, int y) const {
        return x >= 1 && x <= BoardWidth && y >= 1 && y <= BoardHeight;
    }

    // Pieces of a side by colour 0..7, kept by the position, so a count needs no board walk.
    int32_t PiecesOf(int side, int color) const {
        assert((side == 1 || side == 2) && color >= 0 && color <= 7);
        return cells_.Pieces(side, color);
    }

    // The cells as a position.
    const Position& Cells() const { return cells_; }

    // Sizes every array for a board of w x h and empties it.
    void Allocate(int w, int h);
    // Empties every cell.
    void ClearBoard() { cells_.Clear(); }

    // Whether everything kept beside the cells agrees with them: the position's counts and
    // hash, redraw marks only on occupied cells, and a move record that fits. For debug builds.
    bool Consistent() const;

private:
    Position cells_{Geometry::For(Geometry::MinSide, Geometry::MinSide)};
    std::vector<uint8_t> changed_; // by CellIndex
};

} // namespace tolvekin
