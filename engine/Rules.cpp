#include "engine/Rules.h"

#include <cassert>

namespace tolvekin {

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
    assert(g.OnBoard(x, y));
    // One scan of the position says what each direction encloses; an occupied cell encloses
    // nothing.
    const Enclosure e = g.Cells().Scan(side, x, y);
    for (int d = 1; d <= 8; ++d) {
        g.DirEnd[static_cast<size_t>(d)] = e.DirEnd(d, x, y);
    }
    return e.Legal();
}

bool IsPlaceable(const GameState& g, int side, int x, int y) {
    assert(side == 1 || side == 2);
    assert(g.OnBoard(x, y));
    return g.Cells().CanPlaceAt(side, g.Cells().Geo().Slot(x, y));
}

void TurnOver(GameState& g, int x, int y) {
    const int side = g.Board(x, y);
    const int c0 = g.CellColor(x, y);
    g.ClearChanged();
    g.SetChanged(x, y, true);
    // Right, left, down, up, down-right, up-right, down-left, up-left; the lines share no cell,
    // so the order changes nothing.
    for (int d : {3, 7, 5, 1, 4, 2, 6, 8}) {
        const int end = g.DirEnd[static_cast<size_t>(d)];
        if (end == 0) {
            continue;
        }
        const int dx = Geometry::Dx(d);
        const int dy = Geometry::Dy(d);
        // Number of enclosed pieces: the distance from (x, y) to the last of them.
        const int count = dx == 0 ? (end - y) * dy : (end - x) * dx;
        const int m = MixColor(c0, g.CellColor(x + dx * (count + 1), y + dy * (count + 1)));
        for (int k = 1; k <= count; ++k) {
            const int cx = x + dx * k;
            const int cy = y + dy * k;
            g.SetCell(cx, cy, side, MixColor(m, g.CellColor(cx, cy)));
            g.SetChanged(cx, cy, true);
        }
    }
}

} // namespace tolvekin
