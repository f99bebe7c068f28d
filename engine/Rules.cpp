#include "engine/Rules.h"

#include <bit>
#include <cassert>

namespace tolvekin {
namespace {

struct Direction {
    int slot; // DirEnd slot
    int dx;
    int dy;
};

// The neighbour directions in the order of GameState::Step.
constexpr Direction ByStep[8] = {
    {3, 1, 0}, {7, -1, 0}, {5, 0, 1}, {1, 0, -1}, {4, 1, 1}, {8, -1, -1}, {2, 1, -1}, {6, -1, 1},
};

} // namespace

int MixColor(int a, int b) {
    if (a == b) {
        return a == 7 ? 0 : a;
    }
    if (b == 0) {
        return a;
    }
    if (a != 7 && b != 7) {
        const int shared = a & b;
        return shared != 0 ? shared : (a | b);
    }
    return 7;
}

namespace {

// A small board answers each direction from its line of cells with a few word operations and
// no branch on the cells: the first cell along the line that is not an opponent piece must be
// an own piece, and not the very next cell.
bool CanPlaceOnSmallBoard(GameState& g, int side, int here) {
    const int bit = g.SmallBit(here);
    const uint64_t own = g.SmallPieces(side);
    const uint64_t opp = g.SmallPieces(3 - side);
    bool legal = false;
    for (int dir = 0; dir < 8; ++dir) {
        const uint64_t ray = g.SmallRay(bit, dir);
        const uint64_t stop = ray & ~opp;
        // Upwards the first cell is the lowest bit, downwards the highest. The extra bit only
        // keeps the count defined on an empty word; such a line is refused below.
        const bool up = (dir & 1) == 0;
        const int at =
            up ? std::countr_zero(stop | (uint64_t{1} << 63)) : 63 - std::countl_zero(stop | 1);
        const int next =
            up ? std::countr_zero(ray | (uint64_t{1} << 63)) : 63 - std::countl_zero(ray | 1);
        const bool encloses = (stop != 0) & (((own >> at) & 1) != 0) & (at != next);
        const Direction& d = ByStep[dir];
        const int end = d.dx == 0 ? g.BitY(at) - d.dy : g.BitX(at) - d.dx;
        g.DirEnd[static_cast<size_t>(d.slot)] = encloses ? end : 0;
        legal = legal || encloses;
    }
    return legal;
}

} // namespace

bool CanPlace(GameState& g, int side, int x, int y) {
    assert(side == 1 || side == 2);
    g.DirEnd.fill(0);
    const int8_t* owner = g.Owners();
    const int here = g.Slot(x, y);
    if (owner[here] != 0) {
        return false;
    }
    if (g.SmallBoard()) {
        return CanPlaceOnSmallBoard(g, side, here);
    }
    const int8_t other = static_cast<int8_t>(3 - side);
    bool legal = false;
    // Only directions whose first cell holds an opponent piece can enclose; the frame around
    // the board ends every walk that would leave it.
    for (unsigned m = g.NearMask(other, here); m != 0; m &= m - 1) {
        const int dir = std::countr_zero(m);
        const int step = g.Step(dir);
        int at = here + step;
        int distance = 1;
        do {
            at += step;
            ++distance;
        } while (owner[at] == other);
        if (owner[at] == side) {
            const Direction& d = ByStep[dir];
            const int last = distance - 1;
            g.DirEnd[static_cast<size_t>(d.slot)] = d.dx == 0 ? y + d.dy * last : x + d.dx * last;
            legal = true;
        }
    }
    return legal;
}

bool IsPlaceable(const GameState& g, int side, int x, int y) {
    const int8_t* owner = g.Owners();
    const int here = g.Slot(x, y);
    if (owner[here] != 0) {
        return false;
    }
    const int8_t other = static_cast<int8_t>(3 - side);
    for (int dir = 0; dir < 8; ++dir) {
        const int step = g.Step(dir);
        int at = here + step;
        if (owner[at] != other) {
            continue;
        }
        do {
            at += step;
        } while (owner[at] == other);
        if (owner[at] == side) {
            return true;
        }
    }
    return false;
}

void TurnOver(GameState& g, int x, int y) {
    const int here = g.Slot(x, y);
    const int side = g.Board(x, y);
    const int c0 = g.CellColor(x, y);
    g.ClearChanged();
    g.SetChanged(x, y, true);
    for (int dir = 0; dir < 8; ++dir) {
        const Direction& d = ByStep[dir];
        const int end = g.DirEnd[static_cast<size_t>(d.slot)];
        if (end == 0) {
            continue;
        }
        // Number of enclosed pieces: the distance from (x, y) to the last of them.
        const int count = d.dx == 0 ? (end - y) * d.dy : (end - x) * d.dx;
        const int step = g.Step(dir);
        const int m = MixColor(c0, g.CellColorAt(here + step * (count + 1)));
        for (int k = 1, at = here + step; k <= count; ++k, at += step) {
            g.SetSlot(at, side, MixColor(m, g.CellColorAt(at)));
            g.MarkChangedAt(at);
        }
    }
}

} // namespace tolvekin
