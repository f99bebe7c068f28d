#include "Rules.h"

#include <cassert>

namespace tolvekin {
namespace {

struct Direction {
    int slot; // DirEnd slot
    int dx;
    int dy;
};

// The order in which every scan and turn visits the directions.
constexpr Direction ScanOrder[8] = {
    {3, 1, 0}, {7, -1, 0}, {5, 0, 1}, {1, 0, -1}, {4, 1, 1}, {2, 1, -1}, {6, -1, 1}, {8, -1, -1},
};

int StepOf(const GameState& g, const Direction& d) {
    return d.dx * g.Stride() + d.dy;
}

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
    // The frame around the board ends every walk that would leave it, which gives the same
    // answer as testing that the first two cells of a direction lie on the board.
    for (const Direction& d : ScanOrder) {
        const int step = StepOf(g, d);
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
            const int last = distance - 1;
            g.DirEnd[d.slot] = d.dx == 0 ? y + d.dy * last : x + d.dx * last;
            legal = true;
        }
    }
    return legal;
}

bool IsPlaceable(const GameState& g, int side, int x, int y) {
    return IsPlaceableAt(g, side, g.Slot(x, y));
}

void TurnOver(GameState& g, int x, int y) {
    const int side = g.Board(x, y);
    const int c0 = g.CellColor(x, y);
    g.ClearChanged();
    g.SetChanged(x, y, true);
    for (const Direction& d : ScanOrder) {
        const int end = g.DirEnd[d.slot];
        if (end == 0) {
            continue;
        }
        // Number of enclosed pieces: the distance from (x, y) to the last of them.
        const int count = d.dx == 0 ? (end - y) * d.dy : (end - x) * d.dx;
        const int ex = x + d.dx * (count + 1);
        const int ey = y + d.dy * (count + 1);
        const int m = MixColor(c0, g.CellColor(ex, ey));
        for (int k = 1; k <= count; ++k) {
            const int cx = x + d.dx * k;
            const int cy = y + d.dy * k;
            g.SetCell(cx, cy, side, MixColor(m, g.CellColor(cx, cy)));
            g.SetChanged(cx, cy, true);
        }
    }
}

} // namespace tolvekin
