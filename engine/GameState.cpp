#include "GameState.h"

#include <algorithm>

namespace tolvekin {

void GameState::Allocate(int w, int h) {
    BoardWidth = w;
    BoardHeight = h;
    const size_t slots = static_cast<size_t>(w + 2) * static_cast<size_t>(h + 2);
    owner_.assign(slots, static_cast<int8_t>(OffBoard));
    color_.assign(slots, 0);
    changed_.assign(slots, 0);
    const size_t words = std::max<size_t>(2, (slots + 63) / 64);
    frontier_.assign(words, 0);
    sideBits_[1].assign(words, 0);
    sideBits_[2].assign(words, 0);
    boardBits_.assign(words, 0);
    for (int x = 1; x <= w; ++x) {
        for (int y = 1; y <= h; ++y) {
            SetBit(boardBits_, Slot(x, y));
        }
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
            owner_[Slot(x, y)] = 0;
            color_[Slot(x, y)] = 0;
        }
    }
    std::fill(frontier_.begin(), frontier_.end(), 0);
    std::fill(sideBits_[1].begin(), sideBits_[1].end(), 0);
    std::fill(sideBits_[2].begin(), sideBits_[2].end(), 0);
    for (auto& side : pieces_) {
        side.fill(0);
    }
}

void GameState::ClearChanged() {
    std::fill(changed_.begin(), changed_.end(), 0);
}

void GameState::SetCell(int x, int y, int side, int32_t color) {
    assert(x >= 1 && x <= BoardWidth && y >= 1 && y <= BoardHeight);
    assert(side >= 0 && side <= 2 && color >= 0 && color <= 7);
    const int slot = Slot(x, y);
    const int oldSide = owner_[slot];
    if (oldSide != 0) {
        --pieces_[oldSide][color_[slot] & 7];
        ClearBit(sideBits_[oldSide], slot);
    }
    owner_[slot] = static_cast<int8_t>(side);
    color_[slot] = color;
    if (side != 0) {
        ++pieces_[side][color & 7];
        SetBit(sideBits_[side], slot);
    }
    if (oldSide == 0 && side != 0) {
        DropFrontier(slot);
        const int s = Stride();
        for (int d : {-s - 1, -s, -s + 1, -1, 1, s - 1, s, s + 1}) {
            if (owner_[slot + d] == 0) {
                AddFrontier(slot + d);
            }
        }
    } else if (oldSide != 0 && side == 0) {
        RebuildFrontier(); // cells are emptied only between games: rare
    }
}

void GameState::RebuildFrontier() {
    std::fill(frontier_.begin(), frontier_.end(), 0);
    const int s = Stride();
    for (int x = 1; x <= BoardWidth; ++x) {
        for (int y = 1; y <= BoardHeight; ++y) {
            const int slot = Slot(x, y);
            if (owner_[slot] != 0) {
                continue;
            }
            for (int d : {-s - 1, -s, -s + 1, -1, 1, s - 1, s, s + 1}) {
                const int8_t o = owner_[slot + d];
                if (o == 1 || o == 2) {
                    AddFrontier(slot);
                    break;
                }
            }
        }
    }
}

} // namespace tolvekin
