#pragma once
// Where a game stands. The game keeps one phase; the role of the pass button, whether a stored
// game is being replayed and which controls of the window take clicks all follow from it.

#include <cstdint>

namespace tolvekin {

enum class GamePhase {
    Ready,              // a new game, nothing placed yet
    Playing,            // a game of one or two players under way
    Over,               // the result is shown
    AutoPlaying,        // the computer plays both sides, one move per tick
    AutoWaitingRestart, // a computer game has ended; the next one starts on the restart tick
    Replay,             // a stored game is placed move by move
    ReplayOver,         // the stored game has ended; still a replay until the board is cleared
};

// Which controls of the window take clicks.
struct ControlStates {
    bool Board = false;     // every cell picture
    bool Pass = false;      // the pass button
    bool Score = false;     // the score button
    bool CharBoxes = false; // both turn boxes and both emblems
    bool Title = false;     // the title label (the black-and-white switch)
    bool Colors = false;    // the three colour buttons
    bool Restart = false;   // the clear button
    bool operator==(const ControlStates&) const = default;
};

// Black-and-white pieces have no colour to choose.
constexpr ControlStates ControlsFor(GamePhase phase, bool mono) {
    ControlStates c;
    switch (phase) {
    case GamePhase::Ready:
        c = {true, true, true, true, true, true, false};
        break;
    case GamePhase::Playing:
        c = {true, true, true, false, false, true, true};
        break;
    default: // over, automatic play and replay: only clearing
        c.Restart = true;
        break;
    }
    c.Colors = c.Colors && !mono;
    return c;
}

// Role of the pass button: 0 give the first move away, 1 show the places, 2 start automatic
// play. A finished game keeps the role it had while it was played.
constexpr int32_t PassModeOf(GamePhase phase, int32_t gameMode) {
    switch (phase) {
    case GamePhase::Playing:
        return 1;
    case GamePhase::Over:
        return gameMode == 3 ? 2 : 1;
    case GamePhase::AutoPlaying:
    case GamePhase::AutoWaitingRestart:
        return 2;
    default:
        return gameMode == 3 ? 2 : 0;
    }
}

constexpr bool IsReplay(GamePhase phase) {
    return phase == GamePhase::Replay || phase == GamePhase::ReplayOver;
}

} // namespace tolvekin
