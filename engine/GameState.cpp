#include "engine/GameState.h"

#include <algorithm>

namespace tolvekin {

void GameState::Allocate(int w, int h) {
    BoardWidth = w;
    BoardHeight = h;
    cells_ = Position(Geometry::For(w, h));
    const size_t cells = static_cast<size_t>(w * h);
    changed_.assign(cells, 0);
    const size_t capacity = std::max<size_t>(MinCandidateCapacity, cells);
    CandX.assign(capacity + 1, 0);
    CandY.assign(capacity + 1, 0);
    CandCount = 0;
    CellWeight.assign(cells, 6);
    MoveRecord.assign(cells + 1, {});
    MoveCount = 0;
    DirEnd.fill(0);
}

void GameState::ClearChanged() {
    std::fill(changed_.begin(), changed_.end(), 0);
}

bool GameState::Consistent() const {
    if (!cells_.Consistent() || cells_.Width() != BoardWidth || cells_.Height() != BoardHeight) {
        return false;
    }
    for (int x = 1; x <= BoardWidth; ++x) {
        for (int y = 1; y <= BoardHeight; ++y) {
            if (Changed(x, y) && Board(x, y) == 0) {
                return false;
            }
        }
    }
    return MoveCount >= 0 && static_cast<size_t>(MoveCount) < MoveRecord.size();
}

} // namespace tolvekin
