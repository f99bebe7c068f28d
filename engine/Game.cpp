#include "engine/Game.h"

#include "engine/CharacterSets.h"
#include "engine/ComputerPlayer.h"
#include "engine/Rounding.h"
#include "engine/Rules.h"

#include <algorithm>
#include <cassert>
#include <cmath>

namespace tolvekin {
namespace {

constexpr GameTimer AllTimers[GameTimerCount] = {GameTimer::Auto, GameTimer::Replay,
                                                 GameTimer::AutoRestart, GameTimer::Flash};

size_t At(GameTimer t) {
    return static_cast<size_t>(t);
}

} // namespace

void Game::Connect(GameView& view, GameClock& clock, GameRecorder& recorder) {
    view_ = &view;
    clock_ = &clock;
    recorder_ = &recorder;
}

void Game::Disconnect() {
    Connect(quietView_, quietClock_, quietRecorder_);
}

Game::~Game() {
    if (thinking_) {
        thinker_->Cancel();
    }
}

void Game::SetThinker(MoveThinker& thinker) {
    if (thinking_) {
        DropThought();
        moving_ = false;
    }
    thinker_ = &thinker;
}

void Game::SetExpertChooser(ExpertPlayer::Chooser chooser) {
    expert_ = ExpertPlayer(std::move(chooser));
}

void Game::PlayMatch(int32_t side1Level, int32_t side2Level) {
    match_ = {0, side1Level, side2Level};
}

const Player& Game::ComputerOf(int32_t level) const {
    switch (level) {
    case static_cast<int32_t>(Strength::Weak):
        return weak_;
    case static_cast<int32_t>(Strength::Master):
        return expert_;
    default:
        return strong_;
    }
}

const Player& Game::PlayerOf(Side side) const {
    switch (Mode()) {
    case PlayMode::TwoPlayers:
        return human_;
    case PlayMode::OnePlayer:
        return side == State.ComputerSide ? ComputerOf(Options.GameLevel) : human_;
    case PlayMode::AutoPlay:
        break;
    }
    return ComputerOf(Options.GameLevel);
}

void Game::EnterPhase(GamePhase phase) {
    phase_ = phase;
    view_->ApplyControls(Controls());
}

void Game::AllocateBoard() {
    State.ComputerSide = Side2;
    State.Allocate(Options.BoardWidth, Options.BoardHeight);
    BuildCellWeights(Options.BoardWidth, Options.BoardHeight, State.CellWeight);
}

void Game::NewGame() {
    ++gameNumber_;
    if (thinking_ || thoughtHeld_) {
        // A move thought out for the game before never reaches this one.
        DropThought();
        moving_ = false;
    }
    clock_->SetTimer(GameTimer::Auto, false);
    clock_->SetTimer(GameTimer::Replay, false);

    GameState& g = State;
    int sx = Options.MidX;
    int sy = Options.MidY;
    const bool replay = ReplayMode();
    if (!replay) {
        g.StartX = sx;
        g.StartY = sy;
    } else if (g.StartX != 0) {
        sx = g.StartX;
        sy = g.StartY;
    } else {
        sx = MiddleOf(g.BoardWidth);
        sy = MiddleOf(g.BoardHeight);
    }
    g.ClearBoard();
    g.ClearChanged();
    g.SetCell(sx, sy, Side1, 0);
    g.SetCell(sx + 1, sy + 1, Side1, 0);
    g.SetCell(sx + 1, sy, Side2, 0);
    g.SetCell(sx, sy + 1, Side2, 0);
    for (auto [x, y] : {std::pair{sx, sy}, {sx + 1, sy + 1}, {sx + 1, sy}, {sx, sy + 1}}) {
        g.SetChanged(x, y, true);
    }
    g.NextColor = 0;
    // A recorded game never carries moves of an earlier, longer one.
    std::fill(g.MoveRecord.begin(), g.MoveRecord.end(), std::array<int16_t, 5>{});

    phase_ = replay ? GamePhase::Replay : GamePhase::Ready;
    view_->ChangeMode();
    view_->ChangeLevel();
    view_->ApplyControls(Controls());
    g.MoveCount = 0;
    g.CandCount = 0;
    if (Mode() == PlayMode::OnePlayer || Mode() == PlayMode::TwoPlayers) {
        CollectCandidates(g, Side1);
        view_->SetCursor();
    }
}

void Game::RestartGame(const std::function<void(int)>& progress) {
    auto step = [&progress](int n) {
        if (progress) {
            progress(n);
        }
    };
    view_->ClearCellPictures();
    NewGame();
    view_->RedrawBoard();
    step(1);
    UpdateCount();
    step(2);
    State.SideToMove = TurnSwitch(Side2);
    step(3);
    view_->FocusFirstCell();
}

void Game::ClearGame() {
    if (AutoPlayActive()) {
        Options.GameLevel = SavedLevel;
    }
    for (GameTimer t : AllTimers) {
        clock_->SetTimer(t, false);
    }
    const bool blinking = moving_ && blink_.X != 0;
    DropThought();
    moving_ = false;
    firstMoveAway_ = false;
    phase_ = GamePhase::Ready;
    RestartGame();
    if (blinking) {
        DropBlink();
    }
}

void Game::DropThought() {
    ++gameNumber_;
    thenTurns_ = false;
    if (thinking_) {
        thinker_->Cancel();
        thinking_ = false;
    }
    thoughtHeld_ = false;
}

void Game::DropBlink() {
    moving_ = false;
    blink_ = {};
    clock_->SetTimer(GameTimer::Flash, false);
    view_->EndFlash();
}

void Game::BeginReplay(const GameRecord& record) {
    const bool blinking = moving_ && blink_.X != 0;
    DropThought();
    moving_ = false;
    if (blinking) {
        DropBlink();
    }
    for (GameTimer t : AllTimers) {
        clock_->SetTimer(t, false);
    }
    replay_ = record;
    phase_ = GamePhase::Replay;
    State.StartX = record.StartX;
    State.StartY = record.StartY;
    // A start corner that leaves no room for the block falls back to the centre.
    if (State.StartX < 0 || State.StartX >= State.BoardWidth || State.StartY < 1 ||
        State.StartY >= State.BoardHeight) {
        State.StartX = 0;
    }
    RestartGame();
    clock_->SetTimerInterval(GameTimer::Replay, 500);
    clock_->SetTimer(GameTimer::Replay, true);
}

void Game::ReplayTick() {
    if (phase_ != GamePhase::Replay) {
        return;
    }
    GameState& g = State;
    if (g.MoveCount == 0) {
        clock_->SetTimerInterval(GameTimer::Replay, 1000);
    }
    ++g.MoveCount;
    const size_t m = static_cast<size_t>(g.MoveCount);
    const Side s = SideOf(replay_.Side(m));
    const MoveRow row = m < replay_.Moves.size() ? replay_.Moves[m] : MoveRow{};
    const int color = row[2];
    const int x = row[3];
    const int y = row[4];
    // A row that cannot be placed ends the record like a row of side 0: the board is never
    // written outside its cells, whatever the record holds.
    const bool placeable = s != NoSide && color >= 0 && color <= 7 && x >= 1 && x <= g.BoardWidth &&
                           y >= 1 && y <= g.BoardHeight;
    if (!placeable) {
        clock_->SetTimer(GameTimer::Replay, false);
        GameOver();
        return;
    }
    // The side comes from the record, so passes need nothing; an illegal placement is still
    // written and turns nothing over. The move record is left alone.
    g.SideToMove = s;
    g.NextColor = color;
    TurnSwitch(Opponent(s));
    CanPlace(g, s, x, y);
    g.SetCell(x, y, s, color);
    TurnOver(g, x, y);
    // Debug builds check that everything kept beside the cells still agrees with them.
    assert(g.Consistent());
    view_->RedrawBoard();
    UpdateCount();
}

const std::string& Game::CycleCharSet(int side) {
    assert(side == 1 || side == 2);
    std::string& set = Options.CharSet[static_cast<size_t>(side)];
    const std::string& other = Options.CharSet[static_cast<size_t>(3 - side)];
    // The two sides never show the same character: the other side's one is passed over.
    for (const CharacterSetInfo* info = FindCharacterSet(set); info != nullptr;) {
        set = info->Next;
        if (set != other) {
            break;
        }
        info = FindCharacterSet(set);
    }
    return set;
}

void Game::SetMonoPieces(bool mono) {
    Options.MonoPieces = mono;
    view_->ApplyControls(Controls());
}

void Game::ColorButtonClick(int button) {
    State.NextColor = ColorOfButton(button);
    view_->ShowNextPiece(State.SideToMove, State.NextColor);
}

void Game::PlaceAndRecord(int x, int y) {
    GameState& g = State;
    const Side side = g.SideToMove;
    g.SetCell(x, y, side, g.NextColor);
    ++g.MoveCount;
    g.MoveRecord[g.MoveCount] = {0, static_cast<int16_t>(side), static_cast<int16_t>(g.NextColor),
                                 static_cast<int16_t>(x), static_cast<int16_t>(y)};
    TurnOver(g, x, y);
    // Debug builds check that everything kept beside the cells still agrees with them.
    assert(g.Consistent());
    view_->RedrawBoard();
    UpdateCount();
}

Game::MoveStep Game::ComputerMove() {
    expert_.SetPiecesOnly(Options.MonoPieces);
    MovePlan plan = PlayerOf(State.SideToMove).Plan(State, Random);
    if (!plan.Think) {
        return CarryOut(plan.Ready);
    }
    moving_ = true;
    thinking_ = true;
    thenTurns_ = false;
    startingThought_ = true;
    thinker_->Start(std::move(plan.Think),
                    [this, game = gameNumber_](Move move) { MoveThought(game, move); });
    startingThought_ = false;
    if (thinking_) {
        return MoveStep::Thinking;
    }
    return moving_ ? MoveStep::Blinking : MoveStep::Placed;
}

Game::MoveStep Game::CarryOut(Move move) {
    // The computer presses the colour button of its piece.
    State.NextColor = move.Color;
    view_->ShowNextPiece(State.SideToMove, State.NextColor);
    if (Options.FlashMove) {
        // Blink the computer's piece before placing it: four toggles 500 ms apart.
        moving_ = true;
        blink_ = {.X = move.X, .Y = move.Y};
        view_->ShowFlashPiece(move.X, move.Y);
        clock_->SetTimer(GameTimer::Flash, true);
        return MoveStep::Blinking;
    }
    moving_ = false;
    CanPlace(State, State.SideToMove, move.X, move.Y);
    PlaceAndRecord(move.X, move.Y);
    return MoveStep::Placed;
}

void Game::MoveThought(uint64_t game, Move move) {
    if (game != gameNumber_ || !thinking_) {
        return; // thought out for a game that is no longer on
    }
    thinking_ = false;
    if (holds_ > 0) {
        thoughtHeld_ = true; // placed once the dialog has closed
        heldMove_ = move;
        return;
    }
    const MoveStep step = CarryOut(move);
    // Inside Start the turn sequence that asked goes on by itself.
    if (step == MoveStep::Placed && !startingThought_) {
        GoOnWithTurns();
    }
}

void Game::GoOnWithTurns() {
    if (thenTurns_) {
        thenTurns_ = false;
        NextKoma();
    }
}

void Game::ResumeHeldMove() {
    if (holds_ != 0 || !moving_) {
        return;
    }
    if (thoughtHeld_) {
        thoughtHeld_ = false;
        if (CarryOut(heldMove_) == MoveStep::Placed) {
            GoOnWithTurns();
        }
    } else if (!thinking_ && blink_.Over) {
        PlaceBlinkedMove(); // the blink ended behind the dialog
    }
}

void Game::BlinkTick() {
    if (!moving_ || blink_.Over) {
        return;
    }
    ++blink_.Toggles;
    view_->ToggleFlashPiece();
    if (blink_.Toggles > 3) {
        clock_->SetTimer(GameTimer::Flash, false);
        blink_.Over = true;
        if (holds_ == 0) {
            PlaceBlinkedMove();
        }
    }
}

void Game::PlaceBlinkedMove() {
    const Blink b = blink_;
    moving_ = false;
    blink_ = {};
    view_->EndFlash();
    CanPlace(State, State.SideToMove, b.X, b.Y);
    PlaceAndRecord(b.X, b.Y);
    GoOnWithTurns();
}

void Game::UpdateCount() {
    for (Side s : {Side1, Side2}) {
        int pieces = 0;
        int colours = 0;
        for (int c = 0; c <= 7; ++c) {
            const int n = State.PiecesOf(s, c);
            pieces += n;
            if (c >= 1 && c <= 6 && n > 0) {
                ++colours;
            }
        }
        int black = State.PiecesOf(s, 7);
        int score = colours * (pieces - black);
        if (Options.MonoPieces) {
            score = pieces;
            black = 0;
            colours = 1;
        }
        State.Tally[s] = {
            .Score = score, .Pieces = pieces, .BlackPieces = black, .Colours = colours};
    }
    view_->ShowCount();
}

Side Game::TurnSwitch(Side side) {
    assert(side == Side1 || side == Side2);
    view_->ShowTurn(side, Opponent(side));
    return Opponent(side);
}

std::string Game::DisplayName(const std::string& set, int side) const {
    std::string name;
    if (const CharacterSetInfo* info = FindCharacterSet(set)) {
        name = Options.CharName[static_cast<size_t>(info->Index + 1)];
    }
    if (Options.CharSet[1] == Options.CharSet[2] && Options.MonoPieces) {
        name = (side == Side1 ? "黒" : "白") + name;
    }
    return name;
}

std::string PassText(const std::string& name) {
    return name + "は次に置くところがないので\n順番をかえます";
}

std::string QuitQuestionText(const std::string& title) {
    return title + "を終了しますか？";
}

void Game::NextKoma() {
    GameState& g = State;
    for (;;) {
        g.SideToMove = TurnSwitch(g.SideToMove);
        if (!CollectCandidates(g, g.SideToMove)) {
            if (!CollectCandidates(g, Opponent(g.SideToMove))) {
                view_->MessageForm(BothBlockedText);
                GameOver();
                FirstMoveGivenAway();
                return;
            }
            const Side s = g.SideToMove;
            view_->MessageForm(PassText(DisplayName(Options.CharSet[s], s)));
            g.SideToMove = TurnSwitch(g.SideToMove);
        }
        if (Mode() != PlayMode::OnePlayer) {
            if (Mode() == PlayMode::TwoPlayers) {
                view_->SetCursor();
            }
            FirstMoveGivenAway();
            return;
        }
        if (!PlayerOf(g.SideToMove).IsComputer()) {
            view_->SetCursor();
            FirstMoveGivenAway();
            return;
        }
        // A move still thought out or blinking goes on with the turns once it is placed.
        if (ComputerMove() != MoveStep::Placed) {
            thenTurns_ = true;
            return;
        }
    }
}

void Game::GameOver() {
    ++gameNumber_;
    const int s1 = State.Tally[Side1].Score;
    const int s2 = State.Tally[Side2].Score;
    const Side winner = s1 == s2 ? NoSide : (s1 > s2 ? Side1 : Side2);
    resultText_ = winner == NoSide ? std::string("引き分けです。")
                                   : DisplayName(Options.CharSet[winner], winner) + "の勝ち。";
    view_->ShowGameOver(winner, resultText_);
    const bool replay = ReplayMode();
    if (winner == Side1 && Mode() == PlayMode::OnePlayer && !replay) {
        recorder_->RecordScore();
    }
    if (Mode() == PlayMode::TwoPlayers && !replay) {
        if (view_->QuestionForm(RecordQuestionText)) {
            recorder_->RecordTwoPlayerGame();
        }
    }
    if (Mode() == PlayMode::AutoPlay) {
        recorder_->WriteAutoResult();
    }
    if (replay) {
        EnterPhase(GamePhase::ReplayOver);
    } else if (phase_ == GamePhase::AutoPlaying) {
        EnterPhase(GamePhase::AutoWaitingRestart);
    } else {
        EnterPhase(GamePhase::Over);
    }
}

void Game::CellClick(int index) {
    if (Mode() == PlayMode::AutoPlay || moving_ ||
        (phase_ != GamePhase::Ready && phase_ != GamePhase::Playing)) {
        return;
    }
    GameState& g = State;
    const int x = index % g.BoardWidth + 1;
    const int y = index / g.BoardWidth + 1;
    // A refused click leaves the game exactly as it was.
    if (!IsPlaceable(g, g.SideToMove, x, y)) {
        view_->MessageForm(CannotPlaceText);
        return;
    }
    if (phase_ == GamePhase::Ready) {
        // The first placement ends the chance to give the first move away or change characters.
        EnterPhase(GamePhase::Playing);
        view_->EnterHintMode();
    }
    CanPlace(g, g.SideToMove, x, y);
    PlaceAndRecord(x, y);
    NextKoma();
}

void Game::PassClick() {
    if (moving_) {
        return;
    }
    if (phase_ != GamePhase::Ready) {
        return; // in a game under way the button only shows places while it is held
    }
    if (PassMode() == PassRole::GiveFirstMove) {
        firstMoveAway_ = true;
        NextKoma();
    } else if (PassMode() == PassRole::StartAutoPlay) {
        StartAutoPlay();
    }
}

void Game::FirstMoveGivenAway() {
    if (!firstMoveAway_) {
        return;
    }
    firstMoveAway_ = false;
    if (phase_ == GamePhase::Ready) {
        EnterPhase(GamePhase::Playing);
        view_->EnterHintMode();
    }
}

void Game::StartAutoPlay() {
    EnterPhase(GamePhase::AutoPlaying);
    SavedLevel = Options.GameLevel;
    clock_->SetTimerInterval(GameTimer::Auto, 500);
    clock_->SetTimer(GameTimer::Auto, true);
}

Game::TimerStates Game::PauseTimers(bool blink) {
    TimerStates was;
    for (GameTimer t : AllTimers) {
        if (t != GameTimer::Flash || blink) {
            was.Paused[At(t)] = true;
            was.WasOn[At(t)] = clock_->TimerEnabled(t);
            clock_->SetTimer(t, false);
        }
    }
    return was;
}

void Game::RestoreTimers(const TimerStates& was) {
    for (GameTimer t : AllTimers) {
        if (was.Paused[At(t)]) {
            clock_->SetTimer(t, was.WasOn[At(t)]);
        }
    }
}

void Game::RestartClick() {
    const TimerStates was = PauseTimers(true);
    ++holds_;
    const bool clear = view_->QuestionForm(ClearQuestionText);
    --holds_;
    if (clear) {
        ClearGame();
    } else {
        RestoreTimers(was);
        ResumeHeldMove();
    }
}

bool Game::EndClick() {
    const TimerStates was = PauseTimers(false);
    ++holds_;
    const bool quit = view_->QuestionForm(QuitQuestionText(Options.GameTitle));
    --holds_;
    if (quit) {
        return true;
    }
    RestoreTimers(was);
    ResumeHeldMove();
    return false;
}

void Game::OptionsClick(const std::function<void()>& showOptions) {
    if (ReplayMode()) {
        return;
    }
    const TimerStates was = PauseTimers(false);
    ++holds_;
    if (showOptions) {
        showOptions();
    }
    --holds_;
    RestoreTimers(was);
    ResumeHeldMove();
}

void Game::AutoMoveTick() {
    if (moving_ || phase_ != GamePhase::AutoPlaying) {
        return; // the previous move still blinks
    }
    GameState& g = State;
    if (g.MoveCount != 0) {
        g.SideToMove = TurnSwitch(g.SideToMove);
    } else {
        clock_->SetTimerInterval(GameTimer::Auto, 1000);
    }
    if (!CollectCandidates(g, g.SideToMove)) {
        if (CollectCandidates(g, Opponent(g.SideToMove))) {
            g.SideToMove = TurnSwitch(g.SideToMove); // silent pass
        } else {
            clock_->SetTimer(GameTimer::Auto, false);
            GameOver();
            clock_->SetTimer(GameTimer::AutoRestart, true);
            return;
        }
    }
    if (match_[g.SideToMove] != 0) {
        Options.GameLevel = match_[g.SideToMove];
    } else {
        // Strength alternates with the number of placements made so far.
        const int c = g.MoveCount % (g.SideToMove == Side1 ? 3 : 4);
        Options.GameLevel = static_cast<int32_t>(c == 1 ? Strength::Strong : Strength::Weak);
    }
    ComputerMove();
}

void Game::AutoRestartTick() {
    if (phase_ != GamePhase::AutoWaitingRestart) {
        return;
    }
    clock_->SetTimer(GameTimer::AutoRestart, false);
    // Keep the user's level across restarts, not the level of the last automatic move.
    Options.GameLevel = SavedLevel;
    RestartGame();
    PassClick();
}

void Game::Tick(GameTimer timer) {
    switch (timer) {
    case GameTimer::Auto:
        AutoMoveTick();
        break;
    case GameTimer::AutoRestart:
        AutoRestartTick();
        break;
    case GameTimer::Replay:
        ReplayTick();
        break;
    case GameTimer::Flash:
        BlinkTick();
        break;
    }
}

CountCaptions MakeCountCaptions(const Game& game) {
    CountCaptions c;
    const auto& t = game.State.Tally;
    for (Side s : {Side1, Side2}) {
        const size_t i = static_cast<size_t>(s - 1);
        c.Count[i] = std::to_string(t[s].Pieces) + "個";
        c.CountBlack[i] = "- 黒" + std::to_string(t[s].BlackPieces) + "個";
        c.CountColor[i] = "x " + std::to_string(t[s].Colours) + "色";
        c.Total[i] = std::to_string(t[s].Score) + (game.Options.MonoPieces ? "個" : "点");
    }
    if (t[Side1].Score == t[Side2].Score) {
        c.Result = "現在同点です";
    } else {
        const Side lead = t[Side1].Score > t[Side2].Score ? Side1 : Side2;
        c.Result = game.DisplayName(game.Options.CharSet[lead], lead) + "が優勢です";
    }
    return c;
}

std::string AutoResultLine(const Game& game) {
    const auto& t = game.State.Tally;
    return "コマ数　たて" + std::to_string(game.State.BoardHeight) + "　よこ" +
           std::to_string(game.State.BoardWidth) + "    先手　" + std::to_string(t[Side1].Pieces) +
           "個、　後手　" + std::to_string(t[Side2].Pieces) + "個    " + game.ResultText();
}

} // namespace tolvekin
