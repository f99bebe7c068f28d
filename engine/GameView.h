#pragma once
// What the rules ask of the main window's display. The window implements it; tests use a
// recording fake, and the batch run a quiet one. The engine never reaches a window any other
// way: time comes through GameClock, finished games leave through GameRecorder.

#include "engine/GamePhase.h"
#include "engine/Side.h"

#include <array>
#include <string>

namespace tolvekin {

// Captions of the count labels; index 0 side 1, index 1 side 2.
struct CountCaptions {
    std::array<std::string, 2> Count;      // "40個"
    std::array<std::string, 2> CountBlack; // "- 黒3個"
    std::array<std::string, 2> CountColor; // "x 2色"
    std::array<std::string, 2> Total;      // "74点" or "40個"
    std::string Result;                    // lead text
};

class GameView {
public:
    virtual ~GameView() = default;

    // Modal message with OK, and yes/no question (true for yes).
    virtual void MessageForm(const std::string& text) = 0;
    virtual bool QuestionForm(const std::string& text) = 0;

    // Panel: mode row, level and mode picture, hint cursors of every cell.
    virtual void ChangeMode() = 0;
    virtual void ChangeLevel() = 0;
    virtual void SetCursor() = 0;
    // The pass button shows its hint role once a game is under way.
    virtual void EnterHintMode() = 0;
    // Which controls take clicks, for the phase the game has just entered.
    virtual void ApplyControls(const ControlStates& controls) = 0;
    // A new game gives the keyboard to the board, its cursor on the first cell.
    virtual void FocusFirstCell() = 0;

    // Board: refresh the marked cells; empty every cell picture.
    virtual void RedrawBoard() = 0;
    virtual void ClearCellPictures() = 0;
    // Turn box of a side shows its next piece in the given colour (8: the outline).
    virtual void ShowNextPiece(Side side, int color) = 0;
    // The turn display moves from side `from` to side `to`.
    virtual void ShowTurn(Side from, Side to) = 0;
    // The computer's piece blinks on (x, y) before it is placed: shown at once (outside
    // computer-against-computer play no click reaches the window from then on), hidden or shown
    // again at each blink tick, and shown for good when the blinking ends or the board is
    // cleared meanwhile.
    virtual void ShowFlashPiece(int x, int y) = 0;
    virtual void ToggleFlashPiece() = 0;
    virtual void EndFlash() = 0;

    // Count labels and lead text from the last count (MakeCountCaptions gives their texts).
    virtual void ShowCount() = 0;
    // End of a game: the winner, NoSide for a draw; text for the result label.
    virtual void ShowGameOver(Side winner, const std::string& resultText) = 0;
};

// A view that shows nothing: questions answer no.
class QuietView : public GameView {
public:
    void MessageForm(const std::string&) override {}
    bool QuestionForm(const std::string&) override { return false; }
    void ChangeMode() override {}
    void ChangeLevel() override {}
    void SetCursor() override {}
    void EnterHintMode() override {}
    void ApplyControls(const ControlStates&) override {}
    void FocusFirstCell() override {}
    void RedrawBoard() override {}
    void ClearCellPictures() override {}
    void ShowNextPiece(Side, int) override {}
    void ShowTurn(Side, Side) override {}
    void ShowFlashPiece(int, int) override {}
    void ToggleFlashPiece() override {}
    void EndFlash() override {}
    void ShowCount() override {}
    void ShowGameOver(Side, const std::string&) override {}
};

} // namespace tolvekin
