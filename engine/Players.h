#pragma once
// Who plays a side: a player at the mouse, or the computer at one of its strengths. The turn
// sequence asks the player of the side to move for its move and never looks at the mode or the
// strength itself.

#include "engine/GameState.h"
#include "engine/Move.h"
#include "engine/MoveThinker.h"
#include "engine/Position.h"
#include "engine/Random.h"

#include <atomic>
#include <cstdint>
#include <functional>

namespace tolvekin {

// What the computer does for one move: a move decided at once, or work for the thinker, whose
// move comes back later.
struct MovePlan {
    Move Ready;
    MoveThinker::Job Think;
};

class Player {
public:
    virtual ~Player() = default;
    // False for a player at the mouse: the turn waits for a click.
    virtual bool IsComputer() const { return true; }
    // The move for g.SideToMove, whose candidates have just been collected. Draws from random
    // here, on the game's thread, and nowhere else.
    virtual MovePlan Plan(GameState& g, RandomSource& random) const = 0;
};

class HumanPlayer final : public Player {
public:
    bool IsComputer() const override { return false; }
    MovePlan Plan(GameState&, RandomSource&) const override { return {}; }
};

// 弱い: a random colour and a random candidate.
class WeakPlayer final : public Player {
public:
    MovePlan Plan(GameState& g, RandomSource& random) const override;
};

// 強い: a random colour and a random candidate among those of the best cell weight.
class StrongPlayer final : public Player {
public:
    MovePlan Plan(GameState& g, RandomSource& random) const override;
};

// 名人: a search over cell and colour, run by the thinker on a copy of the position with a seed
// drawn here, so that its move depends only on the position and the game's draws.
class ExpertPlayer final : public Player {
public:
    // piecesOnly: black and white, where a side scores its pieces.
    using Chooser = std::function<Move(const Position& position, int side, uint64_t seed,
                                       bool piecesOnly, const std::atomic<bool>& cancelled)>;
    explicit ExpertPlayer(Chooser chooser) : chooser_(std::move(chooser)) {}
    MovePlan Plan(GameState& g, RandomSource& random) const override;
    void SetPiecesOnly(bool piecesOnly) { piecesOnly_ = piecesOnly; }

private:
    Chooser chooser_;
    bool piecesOnly_ = false;
};

// How 名人 chooses when nobody says otherwise: the search.
ExpertPlayer::Chooser DefaultExpertChooser();

// The cells of the game as a position.
Position PositionOf(const GameState& g);

// The colour a computer's colour draw gives: r = integer part of (random x 3), at most 2, as the
// index of the colour button pressed.
int DrawColorButton(RandomSource& random);
// The colour of a colour button (0 blue, 1 yellow, 2 red).
int ColorOfButton(int button);
// 64 bits of a seed from two draws.
uint64_t DrawSeed(RandomSource& random);

} // namespace tolvekin
