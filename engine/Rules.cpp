#include "Rules.h"

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

bool CanPlace(GameState& g, int side, int x, int y) {
    assert(side == 1 || side == 2);
    g.DirEnd.fill(0);
    const int8_t* owner = g.Owners();
    const int here = g.Slot(x, y);
    if (owner[here] != 0) {
        return false;
    }
    const int8_t other = static_cast<int8_t>(3 - side);
    bool legal = false;
    // Only directions whose first cell holds an opponent piece can enclose (a large board knows
    // them); the frame around the board ends every walk that would leave it.
    const unsigned near = g.SmallBoard() ? 0xFFu : g.NearMask(other, here);
    for (unsigned m = near; m != 0; m &= m - 1) {
        const int dir = std::countr_zero(m);
        const int step = g.Step(dir);
        int at = here + step;
        if (owner[at] != other) {
            continue;
        }
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
