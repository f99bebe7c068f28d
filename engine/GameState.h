#pragma once
// The one record of a game: board, colours, redraw marks, the last legality scan, the candidate
// list, the cell weights, the move record and the per-game values.
//
// Cells are kept column by column inside a frame one cell wide that holds the mark OffBoard,
// so a scan stops at the board's edge without testing coordinates, and walking the cells in
// storage order visits them column by column, top to bottom: the order of the candidate list.
// Each empty cell also knows in which directions a piece of either side lies next to it, so a
// legality scan walks only the directions that can enclose something.

#include "engine/Side.h"

#include <array>
#include <cassert>
#include <cstddef>
#include <cstdint>
#include <vector>

namespace tolvekin {

inline constexpr int16_t OffBoard = 3; // owner mark of the frame around the board
inline constexpr int MinCandidateCapacity = 1000;

struct GameState {
    int32_t BoardWidth = 0;
    int32_t BoardHeight = 0;

    // Owner of a cell: 0 empty, 1 side 1, 2 side 2. Write cells through SetCell only.
    int16_t Board(int x, int y) const { return owner_[Slot(x, y)]; }
    // PieceColor of the piece on a cell; meaningful where Board is not 0.
    int32_t CellColor(int x, int y) const { return color_[Slot(x, y)]; }
    // Redraw marks: the cells changed by the last placement or new game.
    bool Changed(int x, int y) const { return changed_[Slot(x, y)] != 0; }
    void SetChanged(int x, int y, bool on) {
        assert(x >= 1 && x <= BoardWidth && y >= 1 && y <= BoardHeight);
        changed_[Slot(x, y)] = on ? 1 : 0;
    }
    void ClearChanged();
    // The same by storage slot (GameState::Slot), for the scans of the rules.
    int32_t CellColorAt(int slot) const { return color_[static_cast<size_t>(slot)]; }
    void MarkChangedAt(int slot) { changed_[static_cast<size_t>(slot)] = 1; }

    // Writes owner and colour of one cell and keeps the piece counts up to date.
    void SetCell(int x, int y, int side, int32_t color);

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

    // Pieces of a side by colour 0..7, kept by SetCell, so a count needs no board walk.
    int32_t PiecesOf(int side, int color) const {
        assert((side == 1 || side == 2) && color >= 0 && color <= 7);
        return pieces_[side][color];
    }

    // Storage layout, for the scans of the rules.
    int Stride() const { return BoardHeight + 2; }
    // The frame (row and column 0 and one past the last) may be read, never written.
    int Slot(int x, int y) const {
        assert(x >= 0 && x <= BoardWidth + 1 && y >= 0 && y <= BoardHeight + 1);
        return x * (BoardHeight + 2) + y;
    }
    int SlotX(int slot) const { return slotX_[static_cast<size_t>(slot)]; }
    int SlotY(int slot) const { return slotY_[static_cast<size_t>(slot)]; }
    const int8_t* Owners() const { return owner_.data(); }

    // The eight neighbour directions in pairs, so that direction d ^ 1 is the opposite of d.
    int Step(int d) const { return steps_[static_cast<size_t>(d)]; }
    // Boards of at most 64 cells are also kept as one bit a cell, column by column, top to
    // bottom, and scanned a whole direction at a time; they keep no neighbour masks.
    bool SmallBoard() const { return small_; }
    uint64_t SmallPieces(int side) const { return small_pieces_[side]; }
    uint64_t SmallCells() const { return small_cells_; }
    // The four line directions of the small board as shifts towards higher bits (k = 0..3:
    // across, down, down-across, up-across), and the cells a step may start from, forwards
    // (shifting up) and backwards (shifting down), so that no step leaves its column.
    int SmallShift(int k) const { return smallShift_[static_cast<size_t>(k)]; }
    uint64_t SmallFromForward(int k) const { return smallForward_[static_cast<size_t>(k)]; }
    uint64_t SmallFromBackward(int k) const { return smallBackward_[static_cast<size_t>(k)]; }
    // The cells of the small board met from a bit in direction d (the order of Step), not the
    // bit itself: upwards in the word for even d, downwards for odd d.
    uint64_t SmallRay(int bit, int d) const { return smallRays_[static_cast<size_t>(bit * 8 + d)]; }
    int SmallBit(int slot) const { return slotBit_[static_cast<size_t>(slot)]; }
    // Column and row of a bit of the small board.
    int BitX(int bit) const { return bitX_[static_cast<size_t>(bit)]; }
    int BitY(int bit) const { return bitY_[static_cast<size_t>(bit)]; }

    // Large boards only. For an empty cell: bit d is set when its neighbour in direction d
    // holds a piece of side. Meaningless for a cell that holds a piece.
    uint8_t NearMask(int side, int slot) const { return near_[side][static_cast<size_t>(slot)]; }
    // Large boards only: the cells of each line of the board, one word a line, so a whole line
    // is answered at once. Family 0 are the columns by x (position y), 1 the rows by y
    // (position x), 2 the lines down-right by x - y + BoardHeight and 3 those up-right by
    // x + y (position x). Each line is also kept mirrored, position p at length + 1 - p, so
    // that both directions along it run towards higher bits.
    // All lines of all families side by side, one word each; a cell's word in each family and
    // its position there, straight and mirrored.
    struct CellOnLines {
        std::array<uint16_t, 4> word{};
        std::array<uint8_t, 4> place{};
        std::array<uint8_t, 4> mirroredPlace{};
    };
    static constexpr int LineFamilies = 4;
    // Lines fit in a word up to this length; longer ones are not kept.
    static constexpr int LongestLine = 62;
    bool HasLines() const { return hasLines_; }
    int LineWordCount() const { return static_cast<int>(lineCells_.size()); }
    const uint64_t* LinePieces(int side) const { return linePieces_[side].data(); }
    const uint64_t* MirroredLinePieces(int side) const { return mirroredLinePieces_[side].data(); }
    const uint64_t* LineCells() const { return lineCells_.data(); }
    const uint64_t* MirroredLineCells() const { return mirroredLineCells_.data(); }
    const CellOnLines& LinesOf(int slot) const { return cellLines_[static_cast<size_t>(slot)]; }
    // Room for what a scan finds along each line.
    uint64_t* LineFound() { return lineFound_.data(); }
    uint64_t* MirroredLineFound() { return mirroredLineFound_.data(); }
    // One bit per storage slot: the empty cells next to at least one piece of side, the only
    // cells where the other side can enclose anything.
    const uint64_t* NearWords(int side) const { return nearBits_[side].data(); }
    int NearWordCount() const { return static_cast<int>(nearBits_[1].size()); }

    // Sizes every array for a board of w x h and empties it.
    void Allocate(int w, int h);
    // Empties every cell (the frame stays) and the piece counts.
    void ClearBoard();
    // SetCell for a cell given by its storage slot.
    void SetSlot(int slot, int side, int32_t color);

private:
    static void SetBit(std::vector<uint64_t>& bits, int slot) {
        bits[static_cast<size_t>(slot >> 6)] |= uint64_t{1} << (slot & 63);
    }
    static void ClearBit(std::vector<uint64_t>& bits, int slot) {
        bits[static_cast<size_t>(slot >> 6)] &= ~(uint64_t{1} << (slot & 63));
    }

    std::vector<int8_t> owner_; // one byte a cell keeps the scans in few cache lines
    std::vector<int32_t> color_;
    std::vector<uint8_t> changed_;
    std::vector<uint8_t> slotX_;
    std::vector<uint8_t> slotY_;
    std::array<int, 8> steps_{};
    bool small_ = false;
    std::array<uint64_t, 3> small_pieces_{};
    uint64_t small_cells_ = 0;
    std::vector<int8_t> slotBit_;
    std::array<int, 4> smallShift_{};
    std::array<uint64_t, 4> smallForward_{};
    std::array<uint64_t, 4> smallBackward_{};
    std::vector<uint64_t> smallRays_;
    std::array<uint8_t, 64> bitX_{};
    std::array<uint8_t, 64> bitY_{};
    std::array<std::vector<uint8_t>, 3> near_;
    bool hasLines_ = false;
    std::array<std::vector<uint64_t>, 3> linePieces_;
    std::array<std::vector<uint64_t>, 3> mirroredLinePieces_;
    std::vector<uint64_t> lineCells_;
    std::vector<uint64_t> mirroredLineCells_;
    std::vector<uint64_t> lineFound_;
    std::vector<uint64_t> mirroredLineFound_;
    std::vector<CellOnLines> cellLines_;
    std::array<std::vector<uint64_t>, 3> nearBits_;
    std::array<std::array<int32_t, 8>, 3> pieces_{};
};

} // namespace tolvekin
