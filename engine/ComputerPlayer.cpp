#include "engine/ComputerPlayer.h"

#include "engine/Rules.h"

#include <algorithm>
#include <bit>
#include <cassert>

namespace tolvekin {

namespace {

// The empty cells of a line from which a run of opponent pieces leads down (towards lower
// bits) to an own piece, for every cell of the line at once: each run that starts just above
// an own piece is carried past its top by one addition.
inline uint64_t PlacesAbove(uint64_t own, uint64_t opp, uint64_t cells) {
    const uint64_t starts = (own << 1) & opp;
    return (opp + starts) & ~opp & ~own & cells;
}

// Does the run of opponent pieces that starts next to `at` in direction `step` end in an own
// piece? The first cell is known to hold an opponent piece.
inline bool Encloses(const int8_t* owner, int at, int step, int8_t side, int8_t other) {
    at += step;
    do {
        at += step;
    } while (owner[at] == other);
    return owner[at] == side;
}

// Boards too long for a line in a word: the empty cells next to an opponent piece, walked in
// the directions of those pieces.
int32_t CollectByWalking(GameState& g, int side) {
    const int8_t* o = g.Owners();
    const int8_t own = static_cast<int8_t>(side);
    const int8_t other = static_cast<int8_t>(3 - side);
    const uint64_t* words = g.NearWords(other);
    const int wordCount = g.NearWordCount();
    int32_t count = 0;
    for (int w = 0; w < wordCount; ++w) {
        for (uint64_t bits = words[w]; bits != 0; bits &= bits - 1) {
            const int slot = w * 64 + std::countr_zero(bits);
            for (unsigned m = g.NearMask(other, slot); m != 0; m &= m - 1) {
                if (Encloses(o, slot, g.Step(std::countr_zero(m)), own, other)) {
                    ++count;
                    assert(static_cast<size_t>(count) < g.CandX.size());
                    g.CandX[count] = g.SlotX(slot);
                    g.CandY[count] = g.SlotY(slot);
                    break;
                }
            }
        }
    }
    return count;
}

// Large boards: every line answered at once in both directions, then read for the empty cells
// next to an opponent piece, the only ones that can enclose anything. Their bits are kept in
// storage order, column by column, top to bottom: the order of the list.
int32_t CollectAlongNearCells(GameState& g, int side) {
    if (!g.HasLines()) {
        return CollectByWalking(g, side);
    }
    const int other = 3 - side;
    {
        const int n = g.LineWordCount();
        const uint64_t* own = g.LinePieces(side);
        const uint64_t* opp = g.LinePieces(other);
        const uint64_t* cells = g.LineCells();
        const uint64_t* ownM = g.MirroredLinePieces(side);
        const uint64_t* oppM = g.MirroredLinePieces(other);
        const uint64_t* cellsM = g.MirroredLineCells();
        uint64_t* found = g.LineFound();
        uint64_t* foundM = g.MirroredLineFound();
        for (int i = 0; i < n; ++i) {
            found[i] = PlacesAbove(own[i], opp[i], cells[i]);
            foundM[i] = PlacesAbove(ownM[i], oppM[i], cellsM[i]);
        }
    }
    const uint64_t* found = g.LineFound();
    const uint64_t* foundM = g.MirroredLineFound();
    const uint64_t* words = g.NearWords(other);
    const int wordCount = g.NearWordCount();
    int32_t* candX = g.CandX.data();
    int32_t* candY = g.CandY.data();
    int32_t count = 0;
    for (int w = 0; w < wordCount; ++w) {
        for (uint64_t bits = words[w]; bits != 0; bits &= bits - 1) {
            const int slot = w * 64 + std::countr_zero(bits);
            const GameState::CellOnLines& on = g.LinesOf(slot);
            uint64_t legal = 0;
            for (size_t f = 0; f < GameState::LineFamilies; ++f) {
                legal |= (found[on.word[f]] >> on.place[f]) |
                         (foundM[on.word[f]] >> on.mirroredPlace[f]);
            }
            // Written always, kept only when legal: no branch on the cells.
            // A column's word is its x, a cell's place on it its y.
            candX[count + 1] = on.word[0];
            candY[count + 1] = on.place[0];
            count += static_cast<int32_t>(legal & 1);
            assert(static_cast<size_t>(count) < g.CandX.size());
        }
    }
    return count;
}

// Small boards: every direction at once for the whole board. Start from the opponent pieces
// next to an own piece, move the front of each run on, and keep the empty cells just beyond.
int32_t CollectOnSmallBoard(GameState& g, int side) {
    const uint64_t own = g.SmallPieces(side);
    const uint64_t opp = g.SmallPieces(3 - side);
    const uint64_t cells = g.SmallCells();
    const uint64_t empty = cells & ~(own | opp);
    // A run is at most the longer side less two long; a fixed number of steps keeps the loop
    // free of branches on the cells.
    const int longest = std::max(g.BoardWidth, g.BoardHeight) - 2;
    uint64_t places = 0;
    for (int k = 0; k < 4; ++k) {
        const int shift = g.SmallShift(k);
        const uint64_t forward = g.SmallFromForward(k);
        const uint64_t backward = g.SmallFromBackward(k);
        uint64_t up = opp & ((own & forward) << shift);
        uint64_t down = opp & ((own & backward) >> shift);
        for (int i = 1; i < longest; ++i) {
            up |= opp & ((up & forward) << shift);
            down |= opp & ((down & backward) >> shift);
        }
        places |= empty & ((up & forward) << shift);
        places |= empty & ((down & backward) >> shift);
    }
    int32_t count = 0;
    for (uint64_t bits = places & cells; bits != 0; bits &= bits - 1) {
        const int bit = std::countr_zero(bits);
        ++count;
        assert(static_cast<size_t>(count) < g.CandX.size());
        g.CandX[count] = g.BitX(bit);
        g.CandY[count] = g.BitY(bit);
    }
    return count;
}

} // namespace

bool CollectCandidates(GameState& g, int side) {
    assert(side == 1 || side == 2);
    g.CandCount = g.SmallBoard() ? CollectOnSmallBoard(g, side) : CollectAlongNearCells(g, side);
    // A scan of every cell ends with the last one; leave DirEnd as that scan does.
    if (g.Board(g.BoardWidth, g.BoardHeight) != 0) {
        g.DirEnd.fill(0);
    } else {
        CanPlace(g, side, g.BoardWidth, g.BoardHeight);
    }
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
