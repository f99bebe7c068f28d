#include "engine/ComputerPlayer.h"

#include "engine/Rules.h"

#include <algorithm>
#include <array>
#include <cassert>

namespace tolvekin {

bool CollectCandidates(GameState& g, int side) {
    assert(side == 1 || side == 2);
    const Position& p = g.Cells();
    std::array<uint16_t, Geometry::MaxCells> slots;
    g.CandCount = p.LegalSlots(side, slots.data());
    assert(static_cast<size_t>(g.CandCount) < g.CandX.size());
    for (int i = 0; i < g.CandCount; ++i) {
        const int slot = slots[static_cast<size_t>(i)];
        g.CandX[static_cast<size_t>(i + 1)] = p.Geo().X(slot);
        g.CandY[static_cast<size_t>(i + 1)] = p.Geo().Y(slot);
    }
    // A scan of every cell ends with the last one; leave DirEnd as that scan does.
    CanPlace(g, side, g.BoardWidth, g.BoardHeight);
    return g.CandCount > 0;
}

void BuildCellWeights(int w, int h, std::vector<int32_t>& table) {
    std::vector<int32_t> grid(static_cast<size_t>((w + 1) * (h + 1)), 0);
    auto put = [&](int x, int y, int value) {
        if (x >= 1 && x <= w && y >= 1 && y <= h) {
            grid[static_cast<size_t>(y * (w + 1) + x)] = value;
        }
    };
    put(1, 1, 1);
    put(w, 1, 1);
    put(1, h, 1);
    put(w, h, 1);

    put(1, 2, 8), put(2, 1, 8), put(2, 2, 9);                 // top-left
    put(w - 1, 1, 8), put(w - 1, 2, 9), put(w, 2, 8);         // top-right
    put(1, h - 1, 8), put(2, h - 1, 9), put(2, h, 8);         // bottom-left
    put(w - 1, h - 1, 9), put(w - 1, h, 8), put(w, h - 1, 8); // bottom-right

    if (w >= 5 && h >= 5) {
        // Two steps in from each corner: top-left, bottom-left, top-right, bottom-right.
        for (const auto& [cx, sx, cy, sy] : {std::array{1, 1, 1, 1}, std::array{1, 1, h, -1},
                                             std::array{w, -1, 1, 1}, std::array{w, -1, h, -1}}) {
            put(cx, cy + 2 * sy, 3);
            put(cx + sx, cy + 2 * sy, 4);
            put(cx + 2 * sx, cy + 2 * sy, 2);
            put(cx + 2 * sx, cy + sy, 4);
            put(cx + 2 * sx, cy, 3);
        }
    } else if (w < 5 && h >= 5) {
        put(1, 3, 3), put(2, 3, 4), put(1, h - 2, 3), put(2, h - 2, 4);
        put(w - 1, 3, 4), put(w, 3, 3), put(w - 1, h - 2, 4), put(w, h - 2, 3);
    } else if (w >= 5 && h < 5) {
        put(3, 2, 4), put(3, 1, 3), put(3, h - 1, 4), put(3, h, 3);
        put(w - 2, 1, 3), put(w - 2, 2, 4), put(w - 2, h, 3), put(w - 2, h - 1, 4);
    }

    if (w >= 7 && h >= 7) {
        for (int x = 4; x <= w - 3; ++x) {
            put(x, 1, 5), put(x, h, 5), put(x, 2, 7), put(x, h - 1, 7);
        }
        for (int y = 4; y <= h - 3; ++y) {
            put(1, y, 5), put(w, y, 5), put(2, y, 7), put(w - 1, y, 7);
        }
    }

    table.assign(static_cast<size_t>(w * h), 6);
    for (int y = 1; y <= h; ++y) {
        for (int x = 1; x <= w; ++x) {
            const int32_t v = grid[static_cast<size_t>(y * (w + 1) + x)];
            table[static_cast<size_t>((y - 1) * w + (x - 1))] = v != 0 ? v : 6;
        }
    }
}

namespace {
// r = integer part of (random x n + 1): a pick from 1..n.
int PickOneOf(int n, RandomSource& random) {
    const int r = static_cast<int>(random.Next() * n + 1);
    return r > n ? n : r;
}
} // namespace

std::pair<int, int> ChooseMove(GameState& g, int level, RandomSource& random) {
    if (level == 1) {
        const int r = PickOneOf(g.CandCount, random);
        return {g.CandX[r], g.CandY[r]};
    }
    int32_t* candX = g.CandX.data();
    int32_t* candY = g.CandY.data();
    const int32_t* weights = g.CellWeight.data();
    const int w = g.BoardWidth;
    const int count = g.CandCount;
    int best = 1000;
    for (int i = 1; i <= count; ++i) {
        best = std::min(best, weights[(candY[i] - 1) * w + (candX[i] - 1)]);
    }
    int n = 0;
    for (int i = 1; i <= count; ++i) {
        const int x = candX[i];
        const int y = candY[i];
        if (weights[(y - 1) * w + (x - 1)] == best) {
            ++n;
            candX[n] = x;
            candY[n] = y;
        }
    }
    const int r = PickOneOf(n, random);
    return {g.CandX[r], g.CandY[r]};
}

} // namespace tolvekin
