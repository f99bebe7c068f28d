#include "engine/Position.h"

#include "engine/Rules.h"

#include <cassert>
#include <cstring>

namespace tolvekin {
namespace {

constexpr uint8_t FrameCell = 3;

uint8_t CellOf(int owner, int color) {
    return owner == 0 ? uint8_t{0} : static_cast<uint8_t>(owner | (color << 2));
}

// MixColor for every pair, looked up while turning over.
struct MixTable {
    std::array<std::array<uint8_t, 8>, 8> mixed{};
    MixTable() {
        for (int a = 0; a < 8; ++a) {
            for (int b = 0; b < 8; ++b) {
                mixed[static_cast<size_t>(a)][static_cast<size_t>(b)] =
                    static_cast<uint8_t>(MixColor(a, b));
            }
        }
    }
};
const MixTable Mixing;

// How many pieces of the other side a placement of side on slot encloses in the direction of
// step: the run of the other side's pieces from the next cell on, if a piece of side ends it.
inline int EnclosedRun(const uint8_t* cell, int slot, int step, int side) {
    const int other = 3 - side;
    int at = slot + step;
    int n = 0;
    while ((cell[at] & 3) == other) {
        ++n;
        at += step;
    }
    return (n != 0 && (cell[at] & 3) == side) ? n : 0;
}

inline int Mix(int a, int b) {
    return Mixing.mixed[static_cast<size_t>(a)][static_cast<size_t>(b)];
}

} // namespace

Position::Position(const Geometry& geometry) : geometry_(&geometry) {
    cells_.fill(FrameCell);
    Clear();
}

void Position::CopyFrom(const Position& other) {
    geometry_ = other.geometry_;
    hash_ = other.hash_;
    pieces_ = other.pieces_;
    std::memcpy(cells_.data(), other.cells_.data(), static_cast<size_t>(geometry_->SlotCount()));
}

bool operator==(const Position& a, const Position& b) {
    return a.geometry_ == b.geometry_ && a.pieces_ == b.pieces_ && a.hash_ == b.hash_ &&
           std::memcmp(a.cells_.data(), b.cells_.data(),
                       static_cast<size_t>(a.geometry_->SlotCount())) == 0;
}

void Position::Clear() {
    const Geometry& g = *geometry_;
    for (int slot = 0; slot < g.SlotCount(); ++slot) {
        const int x = g.X(slot);
        const int y = g.Y(slot);
        const bool inside = x >= 1 && x <= g.Width() && y >= 1 && y <= g.Height();
        cells_[static_cast<size_t>(slot)] = inside ? 0 : FrameCell;
    }
    pieces_.fill(0);
    hash_ = 0;
}

void Position::Put(int slot, uint8_t cell) {
    uint8_t& at = cells_[static_cast<size_t>(slot)];
    if (at != 0) {
        const int owner = at & 3;
        const int color = at >> 2;
        --pieces_[static_cast<size_t>((owner - 1) * 8 + color)];
        hash_ ^= geometry_->Key(slot, owner, color);
    }
    at = cell;
    if (cell != 0) {
        const int owner = cell & 3;
        const int color = cell >> 2;
        ++pieces_[static_cast<size_t>((owner - 1) * 8 + color)];
        hash_ ^= geometry_->Key(slot, owner, color);
    }
}

void Position::SetAt(int slot, int owner, int color) {
    assert(owner >= 0 && owner <= 2 && color >= 0 && color <= 7);
    assert(cells_[static_cast<size_t>(slot)] != FrameCell);
    Put(slot, CellOf(owner, color));
}

int Position::Pieces(int side) const {
    int n = 0;
    for (int c = 0; c < 8; ++c) {
        n += Pieces(side, c);
    }
    return n;
}

int Position::Empties() const {
    return geometry_->CellCount() - Pieces(1) - Pieces(2);
}

int Position::Colours(int side) const {
    int n = 0;
    for (int c = 1; c <= 6; ++c) {
        n += Pieces(side, c) > 0 ? 1 : 0;
    }
    return n;
}

Enclosure Position::ScanAt(int side, int slot) const {
    Enclosure found;
    if (cells_[static_cast<size_t>(slot)] != 0) {
        return found;
    }
    for (int d = 1; d <= 8; ++d) {
        found.Count[static_cast<size_t>(d)] =
            static_cast<uint8_t>(EnclosedRun(cells_.data(), slot, geometry_->Step(d), side));
    }
    return found;
}

bool Position::CanPlaceAt(int side, int slot) const {
    if (cells_[static_cast<size_t>(slot)] != 0) {
        return false;
    }
    for (int d = 1; d <= 8; ++d) {
        if (EnclosedRun(cells_.data(), slot, geometry_->Step(d), side) != 0) {
            return true;
        }
    }
    return false;
}

int Position::LegalSlots(int side, uint16_t* out) const {
    const Geometry& g = *geometry_;
    const uint8_t* cell = cells_.data();
    const int stride = g.Height() + 2;
    int n = 0;
    for (int column = g.FirstSlot(); column < g.EndSlot(); column += stride) {
        for (int slot = column, end = column + g.Height(); slot < end; ++slot) {
            if (cell[slot] == 0 && CanPlaceAt(side, slot)) {
                out[n++] = static_cast<uint16_t>(slot);
            }
        }
    }
    return n;
}

int Position::LegalCount(int side) const {
    const Geometry& g = *geometry_;
    const int stride = g.Height() + 2;
    int n = 0;
    for (int column = g.FirstSlot(); column < g.EndSlot(); column += stride) {
        for (int slot = column, end = column + g.Height(); slot < end; ++slot) {
            n += CanPlaceAt(side, slot) ? 1 : 0;
        }
    }
    return n;
}

std::array<int, 3> Position::LegalCounts() const {
    const Geometry& g = *geometry_;
    const uint8_t* cell = cells_.data();
    const int stride = g.Height() + 2;
    std::array<int, 3> n{};
    for (int column = g.FirstSlot(); column < g.EndSlot(); column += stride) {
        for (int slot = column, end = column + g.Height(); slot < end; ++slot) {
            if (cell[slot] != 0) {
                continue;
            }
            // Which sides hold a neighbour: only the other side of a neighbour can enclose.
            unsigned near = 0;
            for (int d = 1; d <= 8; ++d) {
                near |= 1u << (cell[slot + g.Step(d)] & 3);
            }
            n[1] += (near & 4) != 0 && CanPlaceAt(1, slot) ? 1 : 0;
            n[2] += (near & 2) != 0 && CanPlaceAt(2, slot) ? 1 : 0;
        }
    }
    return n;
}

bool Position::HasLegal(int side) const {
    const Geometry& g = *geometry_;
    const int stride = g.Height() + 2;
    for (int column = g.FirstSlot(); column < g.EndSlot(); column += stride) {
        for (int slot = column, end = column + g.Height(); slot < end; ++slot) {
            if (CanPlaceAt(side, slot)) {
                return true;
            }
        }
    }
    return false;
}

int Position::Play(int side, int slot, int color, PlayRecord* record) {
    const Enclosure enclosed = ScanAt(side, slot);
    if (record != nullptr) {
        record->Hash = hash_;
        record->Pieces = pieces_;
        record->Count = 1;
        record->Slots[0] = static_cast<uint16_t>(slot);
        record->Before[0] = cells_[static_cast<size_t>(slot)];
    }
    Put(slot, CellOf(side, color));
    int turned = 0;
    for (int d = 1; d <= 8; ++d) {
        const int n = enclosed.Count[static_cast<size_t>(d)];
        if (n == 0) {
            continue;
        }
        const int step = geometry_->Step(d);
        const int mixed = Mix(color, ColorAt(slot + step * (n + 1)));
        for (int k = 1, at = slot + step; k <= n; ++k, at += step) {
            if (record != nullptr) {
                assert(record->Count < PlayRecord::Capacity);
                record->Slots[static_cast<size_t>(record->Count)] = static_cast<uint16_t>(at);
                record->Before[static_cast<size_t>(record->Count)] =
                    cells_[static_cast<size_t>(at)];
                ++record->Count;
            }
            Put(at, CellOf(side, Mix(mixed, ColorAt(at))));
        }
        turned += n;
    }
    return turned;
}

void Position::Undo(const PlayRecord& record) {
    for (int i = 0; i < record.Count; ++i) {
        cells_[record.Slots[static_cast<size_t>(i)]] = record.Before[static_cast<size_t>(i)];
    }
    hash_ = record.Hash;
    pieces_ = record.Pieces;
}

bool Position::Consistent() const {
    const Geometry& g = *geometry_;
    std::array<int16_t, 16> pieces{};
    uint64_t hash = 0;
    for (int slot = 0; slot < g.SlotCount(); ++slot) {
        const uint8_t cell = cells_[static_cast<size_t>(slot)];
        const int x = g.X(slot);
        const int y = g.Y(slot);
        const bool inside = x >= 1 && x <= g.Width() && y >= 1 && y <= g.Height();
        if (!inside) {
            if (cell != FrameCell) {
                return false;
            }
            continue;
        }
        if (cell == 0) {
            continue;
        }
        const int owner = cell & 3;
        if (owner == 0 || owner == 3 || cell >= 32) {
            return false;
        }
        ++pieces[static_cast<size_t>((owner - 1) * 8 + (cell >> 2))];
        hash ^= g.Key(slot, owner, cell >> 2);
    }
    return pieces == pieces_ && hash == hash_;
}

} // namespace tolvekin
