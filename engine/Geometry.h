#pragma once
// The facts of one board size that every position of that size shares: how cells are numbered,
// the steps of the eight directions, the placement weights and the hash keys. One immutable
// instance per size, made on first use and kept for the life of the program.
//
// Cells are stored column by column inside a frame one cell wide, so a walk stops at the
// board's edge without testing coordinates, and walking the cells in storage order visits them
// column by column, top to bottom: the order of the candidate list.

#include <array>
#include <cstddef>
#include <cstdint>
#include <vector>

namespace tolvekin {

class Geometry {
public:
    static constexpr int MinSide = 2;
    static constexpr int MaxWidth = 38;
    static constexpr int MaxHeight = 26;
    static constexpr int MaxCells = MaxWidth * MaxHeight;
    static constexpr int MaxSlots = (MaxWidth + 2) * (MaxHeight + 2);

    // The geometry of a w x h board (2 <= w <= 38, 2 <= h <= 26); safe from any thread.
    static const Geometry& For(int w, int h);

    Geometry(const Geometry&) = delete;
    Geometry& operator=(const Geometry&) = delete;

    int Width() const { return width_; }
    int Height() const { return height_; }
    int CellCount() const { return width_ * height_; }
    // Storage slots, frame included; slot numbers run from 0 to SlotCount() - 1.
    int SlotCount() const { return (width_ + 2) * stride_; }
    int Slot(int x, int y) const { return x * stride_ + y; }
    int X(int slot) const { return slotX_[static_cast<size_t>(slot)]; }
    int Y(int slot) const { return slotY_[static_cast<size_t>(slot)]; }
    // Row-major cell number from 0: (y - 1) x width + (x - 1).
    int CellIndex(int slot) const { return (Y(slot) - 1) * width_ + X(slot) - 1; }
    // Slot of the first and one past the last cell in storage order; the slots between that
    // are not cells lie on the frame.
    int FirstSlot() const { return Slot(1, 1); }
    int EndSlot() const { return Slot(width_, height_) + 1; }

    // The step between slots in direction d, numbered as the direction-end record numbers
    // them: 1 up, 2 up-right, 3 right, 4 down-right, 5 down, 6 down-left, 7 left, 8 up-left.
    int Step(int d) const { return steps_[static_cast<size_t>(d)]; }
    static constexpr int Dx(int d) { return std::array{0, 0, 1, 1, 1, 0, -1, -1, -1}[d]; }
    static constexpr int Dy(int d) { return std::array{0, -1, -1, 0, 1, 1, 1, 0, -1}[d]; }

    // The strong computer's placement priority of a cell, lower is better.
    int Weight(int slot) const { return weightBySlot_[static_cast<size_t>(slot)]; }
    // The same table by cell number.
    const std::vector<int32_t>& CellWeights() const { return weights_; }

    // Random key of a piece of side (1, 2) in colour (0..7) on a slot, and of the side to move.
    uint64_t Key(int slot, int side, int color) const {
        return keys_[static_cast<size_t>(slot * 16 + (side - 1) * 8 + color)];
    }
    static constexpr uint64_t SideKey = 0x9e3779b97f4a7c15ULL;

private:
    Geometry(int w, int h);

    int width_;
    int height_;
    int stride_;
    std::array<int, 9> steps_{};
    std::vector<uint8_t> slotX_;
    std::vector<uint8_t> slotY_;
    std::vector<int32_t> weights_;
    std::vector<uint8_t> weightBySlot_;
    std::vector<uint64_t> keys_;
};

} // namespace tolvekin
