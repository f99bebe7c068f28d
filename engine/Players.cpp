#include "engine/Players.h"

#include "engine/ComputerPlayer.h"
#include "engine/MasterPlayer.h"

#include <algorithm>

namespace tolvekin {

int DrawColorButton(RandomSource& random) {
    const int r = static_cast<int>(random.Next() * 3);
    return r >= 3 ? 2 : r;
}

int ColorOfButton(int button) {
    constexpr int colors[3] = {1, 2, 4};
    return colors[std::clamp(button, 0, 2)];
}

uint64_t DrawSeed(RandomSource& random) {
    constexpr double twoTo32 = 4294967296.0;
    const auto high = static_cast<uint64_t>(random.Next() * twoTo32);
    const auto low = static_cast<uint64_t>(random.Next() * twoTo32);
    return (high << 32) | low;
}

Position PositionOf(const GameState& g) {
    Position position(g.BoardWidth, g.BoardHeight);
    for (int x = 1; x <= g.BoardWidth; ++x) {
        for (int y = 1; y <= g.BoardHeight; ++y) {
            if (g.Board(x, y) != 0) {
                position.Set(x, y, g.Board(x, y), g.CellColor(x, y));
            }
        }
    }
    return position;
}

namespace {

// The colour is drawn before the cell, as the computer always has.
Move DrawnMove(GameState& g, int level, RandomSource& random) {
    const int color = ColorOfButton(DrawColorButton(random));
    const auto [x, y] = ChooseMove(g, level, random);
    return {.X = static_cast<int16_t>(x),
            .Y = static_cast<int16_t>(y),
            .Color = static_cast<int8_t>(color)};
}

} // namespace

MovePlan WeakPlayer::Plan(GameState& g, RandomSource& random) const {
    return {.Ready = DrawnMove(g, 1, random), .Think = {}};
}

MovePlan StrongPlayer::Plan(GameState& g, RandomSource& random) const {
    return {.Ready = DrawnMove(g, 2, random), .Think = {}};
}

MovePlan ExpertPlayer::Plan(GameState& g, RandomSource& random) const {
    const uint64_t seed = DrawSeed(random);
    return {.Ready = {},
            .Think = [chooser = chooser_, position = PositionOf(g),
                      side = static_cast<int>(g.SideToMove), seed,
                      piecesOnly = piecesOnly_](const std::atomic<bool>& cancelled) {
                return chooser(position, side, seed, piecesOnly, cancelled);
            }};
}

} // namespace tolvekin

namespace tolvekin {

ExpertPlayer::Chooser DefaultExpertChooser() {
    return [](const Position& position, int side, uint64_t seed, bool piecesOnly,
              const std::atomic<bool>& cancelled) {
        MasterSettings settings = MasterSettingsFor(position.Width(), position.Height());
        settings.PiecesOnly = piecesOnly;
        return ChooseMasterMove(position, side, seed, cancelled, settings);
    };
}

} // namespace tolvekin
