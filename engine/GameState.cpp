#include "engine/GameState.h"

#include <algorithm>

namespace tolvekin {

void GameState::Allocate(int w, int h) {
    BoardWidth = w;
    BoardHeight = h;
    const size_t slots = static_cast<size_t>(w + 2) * static_cast<size_t>(h + 2);
    owner_.assign(slots, static_cast<int8_t>(OffBoard));
    color_.assign(slots, 0);
    changed_.assign(slots, 0);
    slotX_.assign(slots, 0);
    slotY_.assign(slots, 0);
    for (int x = 0; x <= w + 1; ++x) {
        for (int y = 0; y <= h + 1; ++y) {
            slotX_[static_cast<size_t>(Slot(x, y))] = static_cast<uint8_t>(x);
            slotY_[static_cast<size_t>(Slot(x, y))] = static_cast<uint8_t>(y);
        }
    }
    small_ = w * h <= 64;
    slotBit_.assign(slots, -1);
    small_cells_ = 0;
    if (small_) {
        for (int x = 1; x <= w; ++x) {
            for (int y = 1; y <= h; ++y) {
                const int bit = (x - 1) * h + (y - 1);
                slotBit_[static_cast<size_t>(Slot(x, y))] = static_cast<int8_t>(bit);
                bitX_[static_cast<size_t>(bit)] = static_cast<uint8_t>(x);
                bitY_[static_cast<size_t>(bit)] = static_cast<uint8_t>(y);
                small_cells_ |= uint64_t{1} << bit;
            }
        }
        uint64_t notBottom = 0;
        uint64_t notTop = 0;
        for (int x = 0; x < w; ++x) {
            notBottom |= ((uint64_t{1} << (h - 1)) - 1) << (x * h);
            notTop |= ((uint64_t{1} << (h - 1)) - 1) << (x * h + 1);
        }
        smallShift_ = {h, 1, h + 1, h - 1};
        constexpr int Dx[8] = {1, -1, 0, 0, 1, -1, 1, -1};
        constexpr int Dy[8] = {0, 0, 1, -1, 1, -1, -1, 1};
        smallRays_.assign(64 * 8, 0);
        for (int x = 1; x <= w; ++x) {
            for (int y = 1; y <= h; ++y) {
                const int bit = (x - 1) * h + (y - 1);
                for (int d = 0; d < 8; ++d) {
                    uint64_t ray = 0;
                    for (int cx = x + Dx[d], cy = y + Dy[d];
                         cx >= 1 && cx <= w && cy >= 1 && cy <= h; cx += Dx[d], cy += Dy[d]) {
                        ray |= uint64_t{1} << ((cx - 1) * h + (cy - 1));
                    }
                    smallRays_[static_cast<size_t>(bit * 8 + d)] = ray;
                }
            }
        }
        smallForward_ = {small_cells_, notBottom, notBottom, notTop};
        smallBackward_ = {small_cells_, notTop, notTop, notBottom};
    }
    const int s = Stride();
    steps_ = {s, -s, 1, -1, s + 1, -s - 1, s - 1, -s + 1};
    const size_t words = std::max<size_t>(1, (slots + 63) / 64);
    hasLines_ = !small_ && w <= LongestLine && h <= LongestLine;
    // Columns, rows, lines down-right and lines up-right, one after the other.
    const int offset[LineFamilies] = {0, w + 2, w + h + 4, 2 * w + 2 * h + 5};
    const size_t lineWords = hasLines_ ? static_cast<size_t>(3 * w + 3 * h + 7) : 0;
    for (int side = 1; side <= 2; ++side) {
        linePieces_[side].assign(lineWords, 0);
        mirroredLinePieces_[side].assign(lineWords, 0);
    }
    lineCells_.assign(lineWords, 0);
    mirroredLineCells_.assign(lineWords, 0);
    lineFound_.assign(lineWords, 0);
    mirroredLineFound_.assign(lineWords, 0);
    cellLines_.assign(hasLines_ ? slots : 0, CellOnLines{});
    if (hasLines_) {
        for (int x = 1; x <= w; ++x) {
            for (int y = 1; y <= h; ++y) {
                const int line[LineFamilies] = {x, y, x - y + h, x + y};
                const int place[LineFamilies] = {y, x, x, x};
                CellOnLines& on = cellLines_[static_cast<size_t>(Slot(x, y))];
                for (int f = 0; f < LineFamilies; ++f) {
                    const size_t i = static_cast<size_t>(f);
                    const int length = f == 0 ? h : w;
                    on.word[i] = static_cast<uint16_t>(offset[f] + line[f]);
                    on.place[i] = static_cast<uint8_t>(place[f]);
                    on.mirroredPlace[i] = static_cast<uint8_t>(length + 1 - place[f]);
                    lineCells_[on.word[i]] |= uint64_t{1} << on.place[i];
                    mirroredLineCells_[on.word[i]] |= uint64_t{1} << on.mirroredPlace[i];
                }
            }
        }
    }
    for (int side = 1; side <= 2; ++side) {
        near_[side].assign(slots, 0);
        nearBits_[side].assign(words, 0);
    }
    const size_t capacity = std::max<size_t>(MinCandidateCapacity, static_cast<size_t>(w * h));
    CandX.assign(capacity + 1, 0);
    CandY.assign(capacity + 1, 0);
    CandCount = 0;
    CellWeight.assign(static_cast<size_t>(w * h), 6);
    MoveRecord.assign(static_cast<size_t>(w * h) + 1, {});
    MoveCount = 0;
    DirEnd.fill(0);
    ClearBoard();
}

void GameState::ClearBoard() {
    for (int x = 1; x <= BoardWidth; ++x) {
        for (int y = 1; y <= BoardHeight; ++y) {
            owner_[static_cast<size_t>(Slot(x, y))] = 0;
            color_[static_cast<size_t>(Slot(x, y))] = 0;
        }
    }
    for (int side = 1; side <= 2; ++side) {
        std::fill(near_[side].begin(), near_[side].end(), 0);
        std::fill(nearBits_[side].begin(), nearBits_[side].end(), 0);
    }
    for (auto& side : pieces_) {
        side.fill(0);
    }
    small_pieces_.fill(0);
    for (int side = 1; side <= 2; ++side) {
        std::fill(linePieces_[side].begin(), linePieces_[side].end(), 0);
        std::fill(mirroredLinePieces_[side].begin(), mirroredLinePieces_[side].end(), 0);
    }
}

void GameState::ClearChanged() {
    std::fill(changed_.begin(), changed_.end(), 0);
}

void GameState::SetCell(int x, int y, int side, int32_t color) {
    assert(x >= 1 && x <= BoardWidth && y >= 1 && y <= BoardHeight);
    SetSlot(Slot(x, y), side, color);
}

void GameState::SetSlot(int slot, int side, int32_t color) {
    assert(side >= 0 && side <= 2 && color >= 0 && color <= 7);
    const size_t at = static_cast<size_t>(slot);
    assert(owner_[at] != OffBoard);
    const int oldSide = owner_[at];
    if (oldSide != 0) {
        --pieces_[oldSide][color_[at] & 7];
    }
    owner_[at] = static_cast<int8_t>(side);
    color_[at] = color;
    if (side != 0) {
        ++pieces_[side][color & 7];
    }
    if (oldSide == side) {
        return; // a new colour only
    }
    if (small_) {
        const uint64_t bit = uint64_t{1} << slotBit_[at];
        if (oldSide != 0) {
            small_pieces_[oldSide] &= ~bit;
        }
        if (side != 0) {
            small_pieces_[side] |= bit;
        }
        return;
    }
    if (hasLines_) {
        const CellOnLines& on = cellLines_[at];
        for (size_t f = 0; f < LineFamilies; ++f) {
            const uint64_t bit = uint64_t{1} << on.place[f];
            const uint64_t mirroredBit = uint64_t{1} << on.mirroredPlace[f];
            if (oldSide != 0) {
                linePieces_[oldSide][on.word[f]] &= ~bit;
                mirroredLinePieces_[oldSide][on.word[f]] &= ~mirroredBit;
            }
            if (side != 0) {
                linePieces_[side][on.word[f]] |= bit;
                mirroredLinePieces_[side][on.word[f]] |= mirroredBit;
            }
        }
    }
    if (oldSide == 0) {
        ClearBit(nearBits_[1], slot);
        ClearBit(nearBits_[2], slot);
    } else if (side == 0) {
        // Cells are emptied only between games: the neighbours are read afresh.
        uint8_t mask[3] = {0, 0, 0};
        for (int d = 0; d < 8; ++d) {
            const int o = owner_[static_cast<size_t>(slot + steps_[static_cast<size_t>(d)])];
            if (o == 1 || o == 2) {
                mask[o] = static_cast<uint8_t>(mask[o] | (1u << d));
            }
        }
        for (int s = 1; s <= 2; ++s) {
            near_[s][at] = mask[s];
            if (mask[s] != 0) {
                SetBit(nearBits_[s], slot);
            }
        }
    }
    // Every neighbour's mask follows, filled or not, without a branch on the cells; only empty
    // cells enter the sets, and a filled cell's mask is read afresh if it is ever emptied.
    const int8_t* owner = owner_.data();
    for (int d = 0; d < 8; ++d) {
        const int n = slot + steps_[static_cast<size_t>(d)];
        const size_t nat = static_cast<size_t>(n);
        const size_t word = static_cast<size_t>(n >> 6);
        const int place = n & 63;
        const uint8_t bit = static_cast<uint8_t>(1u << (d ^ 1));
        if (oldSide != 0) {
            const uint8_t m = static_cast<uint8_t>(near_[oldSide][nat] & ~bit);
            near_[oldSide][nat] = m;
            nearBits_[oldSide][word] &= ~(uint64_t{m == 0} << place);
        }
        if (side != 0) {
            near_[side][nat] = static_cast<uint8_t>(near_[side][nat] | bit);
            nearBits_[side][word] |= uint64_t{owner[nat] == 0} << place;
        }
    }
}

} // namespace tolvekin
