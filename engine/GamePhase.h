#pragma once
// Where a game stands. The game keeps one phase; the role of the pass button, whether a stored
// game is being replayed and which controls of the window take clicks all follow from it. Also
// the modes of play and the computer's strengths, as the options number them.

#include <cstdint>

namespace tolvekin {

// PlayOptions::GameMode.
enum class PlayMode : int32_t {
    OnePlayer = 1,  // ひとり: the player against the computer
    TwoPlayers = 2, // ふたり: two players at one mouse
    AutoPlay = 3,   // 全自動: the computer against itself, game after game
};

// PlayOptions::GameLevel.
enum class Strength : int32_t { Weak = 1, Strong = 2, Master = 3 };

// The guide text of a strength: "弱い" for weak, "名人" for master, "強い" otherwise.
constexpr const char* StrengthText(int32_t level) {
    if (level == static_cast<int32_t>(Strength::Weak)) {
        return "弱い";
    }
    return level == static_cast<int32_t>(Strength::Master) ? "名人" : "強い";
}

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
        c = {.Board = true,
             .Pass = true,
             .Score = true,
             .CharBoxes = true,
             .Title = true,
             .Colors = true,
             .Restart = false};
        break;
    case GamePhase::Playing:
        c = {.Board = true,
             .Pass = true,
             .Score = true,
             .CharBoxes = false,
             .Title = false,
             .Colors = true,
             .Restart = true};
        break;
    default: // over, automatic play and replay: only clearing
        c.Restart = true;
        break;
    }
    c.Colors = c.Colors && !mono;
    return c;
}

// Role of the pass button, and its caption.
enum class PassRole : int32_t {
    GiveFirstMove = 0, // 先手をかえる: the other side makes the first placement
    ShowPlaces = 1,    // 置けるところ: held down, it shows where the side to move can place
    StartAutoPlay = 2, // はじめる: the computer starts playing both sides
};

// A finished game keeps the role the button had while it was played.
constexpr PassRole PassRoleOf(GamePhase phase, PlayMode mode) {
    const PassRole between =
        mode == PlayMode::AutoPlay ? PassRole::StartAutoPlay : PassRole::GiveFirstMove;
    switch (phase) {
    case GamePhase::Playing:
        return PassRole::ShowPlaces;
    case GamePhase::Over:
        return mode == PlayMode::AutoPlay ? PassRole::StartAutoPlay : PassRole::ShowPlaces;
    case GamePhase::AutoPlaying:
    case GamePhase::AutoWaitingRestart:
        return PassRole::StartAutoPlay;
    default:
        return between;
    }
}

// From はじめる on: before the first move, during the game and while the next one waits.
constexpr bool IsAutoPlay(GamePhase phase) {
    return phase == GamePhase::AutoPlaying || phase == GamePhase::AutoWaitingRestart;
}

constexpr bool IsReplay(GamePhase phase) {
    return phase == GamePhase::Replay || phase == GamePhase::ReplayOver;
}

} // namespace tolvekin
