#pragma once
// A position as a small value: the owner and colour of every cell, with the piece counts per
// side and colour and a hash of the whole. One representation for every board size; the facts
// of the size live in its shared Geometry. Copying allocates nothing and copies only the cells
// of the board in use; a placement can also be taken back.

#include "engine/Geometry.h"

#include <array>
#include <cstddef>
#include <cstdint>

namespace tolvekin {

// What a placement encloses in each direction: Count[d] opponent pieces in direction d (the
// numbering of Geometry::Step), 0 where it encloses nothing.
struct Enclosure {
    std::array<uint8_t, 9> Count{};

    bool Legal() const {
        for (int d = 1; d <= 8; ++d) {
            if (Count[static_cast<size_t>(d)] != 0) {
                return true;
            }
        }
        return false;
    }
    // The direction-end record of the placement on (x, y): 0 where nothing is enclosed,
    // otherwise the row (up, down) or column (all others) of the last enclosed piece.
    int DirEnd(int d, int x, int y) const {
        const int n = Count[static_cast<size_t>(d)];
        if (n == 0) {
            return 0;
        }
        return Geometry::Dx(d) == 0 ? y + Geometry::Dy(d) * n : x + Geometry::Dx(d) * n;
    }
};

// The cells a placement changed and what they held before, to take it back.
struct PlayRecord {
    // The longest runs one placement can turn on the largest board, plus the placed cell.
    static constexpr int Capacity = 112;
    uint64_t Hash = 0;
    std::array<int16_t, 16> Pieces{};
    int Count = 0; // cells changed; the placed cell first
    std::array<uint16_t, Capacity> Slots{};
    std::array<uint8_t, Capacity> Before{};
};

class Position {
public:
    explicit Position(const Geometry& geometry);
    Position(int w, int h) : Position(Geometry::For(w, h)) {}
    Position(const Position& other) { CopyFrom(other); }
    Position& operator=(const Position& other) {
        if (this != &other) {
            CopyFrom(other);
        }
        return *this;
    }
    friend bool operator==(const Position& a, const Position& b);

    const Geometry& Geo() const { return *geometry_; }
    int Width() const { return geometry_->Width(); }
    int Height() const { return geometry_->Height(); }

    // Owner of a cell: 0 empty, 1 or 2 the side holding it.
    int Owner(int x, int y) const { return OwnerAt(geometry_->Slot(x, y)); }
    // PieceColor of the piece on a cell, 0 on an empty cell.
    int Color(int x, int y) const { return ColorAt(geometry_->Slot(x, y)); }
    int OwnerAt(int slot) const { return cells_[static_cast<size_t>(slot)] & 3; }
    int ColorAt(int slot) const { return cells_[static_cast<size_t>(slot)] >> 2; }

    // Writes owner (0 empties the cell) and colour of one cell, keeping counts and hash.
    void Set(int x, int y, int owner, int color) { SetAt(geometry_->Slot(x, y), owner, color); }
    void SetAt(int slot, int owner, int color);
    // Empties every cell.
    void Clear();

    // Pieces of side in colour (0..7), and all pieces of side.
    int Pieces(int side, int color) const {
        return pieces_[static_cast<size_t>((side - 1) * 8 + color)];
    }
    int Pieces(int side) const;
    int Empties() const;
    // Different colours among 1..6 held by side.
    int Colours(int side) const;
    // The side's score: its colours times its pieces that are not black.
    int Score(int side) const { return Colours(side) * (Pieces(side) - Pieces(side, 7)); }
    // Hash of the cells, for the search's table.
    uint64_t Hash() const { return hash_; }

    // What a placement of side on (x, y) would enclose; nothing on an occupied cell. Colour
    // plays no part in it.
    Enclosure Scan(int side, int x, int y) const { return ScanAt(side, geometry_->Slot(x, y)); }
    Enclosure ScanAt(int side, int slot) const;
    // Whether side may place on a slot: stops at the first enclosing direction.
    bool CanPlaceAt(int side, int slot) const;
    // Writes the slot of every cell where side may place into out (room for
    // Geometry::MaxCells), column by column, top to bottom; returns how many.
    int LegalSlots(int side, uint16_t* out) const;
    bool HasLegal(int side) const;
    int LegalCount(int side) const;
    // LegalCount of both sides in one pass: [1] and [2].
    std::array<int, 3> LegalCounts() const;

    // Places a piece of side in color on a legal slot, turns over and recolours what it
    // encloses; returns the number of pieces turned. With record, notes what changed.
    int Play(int side, int slot, int color, PlayRecord* record = nullptr);
    // Takes back the placement noted in record, the last one played.
    void Undo(const PlayRecord& record);

    // Whether the counts, the hash and the frame agree with the cells: a check for debug builds.
    bool Consistent() const;

private:
    void CopyFrom(const Position& other);
    void Put(int slot, uint8_t cell);

    const Geometry* geometry_ = nullptr;
    uint64_t hash_ = 0;
    std::array<int16_t, 16> pieces_{};
    // Per slot: owner in bits 0-1 (3 on the frame), colour in bits 2-4. Only the first
    // SlotCount() bytes are in use.
    std::array<uint8_t, Geometry::MaxSlots> cells_;
};

} // namespace tolvekin
