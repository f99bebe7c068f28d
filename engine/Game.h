#pragma once
// The procedures of a game that involve the window: new games, the computer's move, counting,
// turns and passes, the end of a game, clearing, and the computer-against-computer move step.
// Every decision is made here; the window only carries out what GameView asks.

#include "engine/GameClock.h"
#include "engine/GamePhase.h"
#include "engine/GameRecord.h"
#include "engine/GameRecorder.h"
#include "engine/GameState.h"
#include "engine/GameView.h"
#include "engine/MoveThinker.h"
#include "engine/PlayOptions.h"
#include "engine/Players.h"
#include "engine/Random.h"
#include "engine/Side.h"

#include <array>
#include <cstdint>
#include <functional>
#include <string>

namespace tolvekin {

class Game {
public:
    // Shows nothing, keeps time on an inner clock nobody advances and records nothing until
    // Connect.
    Game(PlayOptions& options, RandomSource& random) : Options(options), Random(random) {}
    Game(PlayOptions& options, RandomSource& random, GameView& view, GameClock& clock,
         GameRecorder& recorder)
        : Options(options), Random(random) {
        Connect(view, clock, recorder);
    }
    Game(const Game&) = delete;
    Game& operator=(const Game&) = delete;
    ~Game();

    // Where the game shows itself, keeps time and hands over finished games.
    void Connect(GameView& view, GameClock& clock, GameRecorder& recorder);
    // Back to the quiet ones, before the window goes away.
    void Disconnect();
    // Where 名人 thinks. Until set, it thinks at once on the caller's thread. The thinker must
    // outlive the game or be replaced first.
    void SetThinker(MoveThinker& thinker);
    // How 名人 chooses its move (the search, unless a test gives another).
    void SetExpertChooser(ExpertPlayer::Chooser chooser);
    // Computer-against-computer play with a fixed strength for each side instead of the
    // alternation of 弱い and 強い; 0 for both brings the alternation back.
    void PlayMatch(int32_t side1Level, int32_t side2Level);

    // The player of a side under the mode and strength in force.
    const Player& PlayerOf(Side side) const;
    // The computer player of a strength (1 弱い, 3 名人, any other 強い).
    const Player& ComputerOf(int32_t level) const;

    GameState State;
    PlayOptions& Options;
    RandomSource& Random;
    int32_t SavedLevel = 1; // the level in force when automatic play began

    GamePhase Phase() const { return phase_; }
    PlayMode Mode() const { return static_cast<PlayMode>(Options.GameMode); }
    // Role of the pass button.
    PassRole PassMode() const { return PassRoleOf(phase_, Mode()); }
    // True from the start of a replay until the board is cleared.
    bool ReplayMode() const { return IsReplay(phase_); }
    // True from はじめる on until the board is cleared, the wait for the next game included.
    bool AutoPlayActive() const { return IsAutoPlay(phase_); }
    // The guide text of the computer's strength in force ("弱い", "強い").
    std::string LevelText() const { return StrengthText(Options.GameLevel); }
    ControlStates Controls() const { return ControlsFor(phase_, Options.MonoPieces); }

    // Sizes the state for Options.BoardWidth x Options.BoardHeight and builds the cell weights.
    void AllocateBoard();
    // Initial block and per-game values; the callers then hand the turn to side 1.
    void NewGame();
    // Blank cells, new game, counts, side 1 to move. progress, when given, runs after the
    // board is drawn (1), after the count (2) and once side 1 is to move (3).
    void RestartGame(const std::function<void(int)>& progress = {});
    // Clearing once it is decided: the user's level back after automatic play, timers off, a
    // fresh game in the Ready phase.
    void ClearGame();

    // A colour button (0 blue, 1 yellow, 2 red) pressed by a player or by the computer.
    void ColorButtonClick(int button);
    // One move of the computer for SideToMove: placed at once, or thought out by the thinker
    // first, or, with FlashMove, blinking first and placed by the blink's last tick. A move
    // whose game was cleared, replaced or ended meanwhile is dropped.
    enum class MoveStep { Placed, Blinking, Thinking };
    MoveStep ComputerMove();
    // Writes the piece of SideToMove in NextColor on (x, y), records and turns over. CanPlace
    // has just been run for the cell.
    void PlaceAndRecord(int x, int y);

    // Counts into Tally and shows the count labels.
    void UpdateCount();
    // Moves the turn display from side to the other side and returns that side.
    Side TurnSwitch(Side side);
    // The turn sequence after a player's placement or a first move given away.
    void NextKoma();
    // Result display and hand-off of the finished game.
    void GameOver();

    // Settings a player changes between games: the next character set of a side (the new
    // set's name), and coloured or black-and-white pieces.
    const std::string& CycleCharSet(int side);
    void SetMonoPieces(bool mono);

    // Handlers of the main window.
    void CellClick(int index); // a cell picture clicked
    void PassClick();          // the pass button in roles 0 and 2
    void RestartClick();       // clearing, with its question
    // The close button: true when the player has chosen to quit. The game timers stand still
    // while the question is open and run on after a no.
    bool EndClick();
    // A click on the window's background or mode picture: nothing during a replay, otherwise
    // showOptions runs with the game timers standing still.
    void OptionsClick(const std::function<void()>& showOptions);

    // The timers a modal dialog stopped, and which of them were on.
    struct TimerStates {
        std::array<bool, GameTimerCount> Paused{};
        std::array<bool, GameTimerCount> WasOn{};
    };
    // Switches off the three game timers (and with blink the blinking too), noting their states.
    TimerStates PauseTimers(bool blink);
    // Gives each timer PauseTimers stopped the state it had; the others are left as they are.
    void RestoreTimers(const TimerStates& was);
    // Computer-against-computer play: one move per tick, and the restart after a game.
    void AutoMoveTick();
    void AutoRestartTick();
    // A tick of one of the game's timers, passed on to its handler.
    void Tick(GameTimer timer);

    // A stored game is set up from its initial block (start column 0: the centre) and its
    // placements follow one per replay tick, the first 500 ms from now, then one a second.
    void BeginReplay(const GameRecord& record);
    // One stored placement; the end of the record ends the game.
    void ReplayTick();

    // Name under which a side is shown in messages.
    std::string DisplayName(const std::string& set, int side) const;
    // Result text of the last finished game ("... の勝ち。" or "引き分けです。").
    const std::string& ResultText() const { return resultText_; }
    // True while the computer thinks or its piece blinks (and until it is placed): no other
    // move may start then.
    bool MoveInProgress() const { return moving_; }
    // True while the computer thinks.
    bool Thinking() const { return thinking_; }

private:
    void EnterPhase(GamePhase phase);
    void StartAutoPlay();
    // The blink's tick; its last one places the move unless a dialog holds it.
    void BlinkTick();
    void PlaceBlinkedMove();
    // The blink cut short by clearing or a replay: the move is dropped.
    void DropBlink();
    // After the first move was given away: the game is under way once the computer has placed.
    void FirstMoveGivenAway();
    // The computer's move once chosen: blinking first with FlashMove, otherwise placed.
    MoveStep CarryOut(Move move);
    // The thinker's move for the game of that number.
    void MoveThought(uint64_t game, Move move);
    // The thinking given up: by clearing, a replay or a new game.
    void DropThought();
    // After a dialog behind which a move was held: the move goes on.
    void ResumeHeldMove();
    // Whether the turn sequence goes on once the computer's pending move is placed.
    void GoOnWithTurns();

    QuietView quietView_;
    ManualClock quietClock_;
    NoRecorder quietRecorder_;
    GameView* view_ = &quietView_;
    GameClock* clock_ = &quietClock_;
    GameRecorder* recorder_ = &quietRecorder_;

    GamePhase phase_ = GamePhase::Ready;
    std::string resultText_;
    bool moving_ = false;
    // The move that blinks: its cell, the toggles so far, whether the toggles are over (a dialog
    // that lets the blink run on behind it places the move when it closes), and whether the
    // turn sequence goes on once it is placed.
    struct Blink {
        int X = 0;
        int Y = 0;
        int Toggles = 0;
        bool Over = false;
    } blink_;
    bool thenTurns_ = false;
    int holds_ = 0;              // dialogs open behind which the blink runs on
    bool firstMoveAway_ = false; // the game starts when the turn comes back
    GameRecord replay_;          // the game being replayed

    HumanPlayer human_;
    WeakPlayer weak_;
    StrongPlayer strong_;
    ExpertPlayer expert_{DefaultExpertChooser()};
    std::array<int32_t, 3> match_{}; // fixed strengths of a match, by side; 0: none
    InlineThinker inlineThinker_;
    MoveThinker* thinker_ = &inlineThinker_;
    // Numbers the games: bumped by a new game, clearing, a replay and the end of a game, so a
    // move thought out for an earlier one is known and dropped.
    uint64_t gameNumber_ = 0;
    bool thinking_ = false;
    bool startingThought_ = false; // inside the thinker's Start
    bool thoughtHeld_ = false;     // the move came while a dialog was open
    Move heldMove_;
};

// Captions of the count labels and the lead text for the last count.
CountCaptions MakeCountCaptions(const Game& game);

// The line that logs a finished computer-against-computer game.
std::string AutoResultLine(const Game& game);

// Texts shown by the turn sequence.
inline constexpr const char* CannotPlaceText = "そこには置けません";
inline constexpr const char* BothBlockedText = "どちらも置くところがないので、これまで";
inline constexpr const char* RecordQuestionText = "記録しますか？";
inline constexpr const char* ClearQuestionText = "クリアしますか？";
std::string PassText(const std::string& name); // "... は次に置くところがないので\n順番をかえます"
std::string QuitQuestionText(const std::string& title); // "... を終了しますか？"

} // namespace tolvekin
