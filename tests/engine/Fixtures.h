#pragma once
// Shared helpers of the engine tests: a view that records what the engine asks of the window
// and the games it hands over, a random source that plays back given numbers, and board set-up
// from text.

#include "engine/Game.h"
#include "engine/GameClock.h"
#include "engine/GameState.h"
#include "engine/Random.h"

#include <deque>
#include <functional>
#include <string>
#include <vector>

namespace tolvekin::testing {

class ScriptedRandom : public RandomSource {
public:
    explicit ScriptedRandom(std::vector<double> values = {})
        : values_(values.begin(), values.end()) {}
    void Push(double v) { values_.push_back(v); }
    double Next() override {
        ++draws;
        if (values_.empty()) {
            return 0.0;
        }
        const double v = values_.front();
        values_.pop_front();
        return v;
    }
    int draws = 0;

private:
    std::deque<double> values_;
};

class RecordingView : public QuietView, public GameRecorder {
public:
    std::vector<std::string> messages;
    std::vector<std::string> questions;
    std::deque<bool> answers; // answers to questions in order; no when empty
    std::vector<std::pair<int, int>> turns;
    std::vector<std::pair<int, int>> flashes;
    std::vector<std::string> results;
    int recordScore = 0;
    int recordTwoPlayer = 0;
    int autoResults = 0;
    int redraws = 0;
    int hintModes = 0;
    ControlStates controls; // the last ones applied
    int flashEnds = 0;
    std::function<void()> whileAsking; // runs while a question is open

    void MessageForm(const std::string& text) override { messages.push_back(text); }
    bool QuestionForm(const std::string& text) override {
        questions.push_back(text);
        if (whileAsking) {
            whileAsking();
        }
        if (answers.empty()) {
            return false;
        }
        const bool a = answers.front();
        answers.pop_front();
        return a;
    }
    void ShowTurn(Side from, Side to) override { turns.emplace_back(from, to); }
    void ShowFlashPiece(int x, int y) override { flashes.emplace_back(x, y); }
    void EndFlash() override { ++flashEnds; }
    void ApplyControls(const ControlStates& c) override { controls = c; }
    void ShowGameOver(Side winner, const std::string& text) override {
        results.push_back(std::to_string(winner) + ":" + text);
    }
    void RecordScore() override { ++recordScore; }
    void RecordTwoPlayerGame() override { ++recordTwoPlayer; }
    void WriteAutoResult() override { ++autoResults; }
    void RedrawBoard() override { ++redraws; }
    void EnterHintMode() override { ++hintModes; }
};

// Rows of the board from the top: '.' empty, '1'/'2' a colourless piece of that side, or a
// letter for a coloured piece: a..h side 1 colour 0..7, A..H side 2 colour 0..7.
inline void SetBoard(GameState& g, const std::vector<std::string>& rows) {
    g.Allocate(static_cast<int>(rows[0].size()), static_cast<int>(rows.size()));
    for (int y = 1; y <= g.BoardHeight; ++y) {
        for (int x = 1; x <= g.BoardWidth; ++x) {
            const char c = rows[static_cast<size_t>(y - 1)][static_cast<size_t>(x - 1)];
            if (c == '1' || c == '2') {
                g.SetCell(x, y, c - '0', 0);
            } else if (c >= 'a' && c <= 'h') {
                g.SetCell(x, y, 1, c - 'a');
            } else if (c >= 'A' && c <= 'H') {
                g.SetCell(x, y, 2, c - 'A');
            }
        }
    }
}

inline std::vector<std::pair<int, int>> Candidates(const GameState& g) {
    std::vector<std::pair<int, int>> list;
    for (int i = 1; i <= g.CandCount; ++i) {
        list.emplace_back(g.CandX[static_cast<size_t>(i)], g.CandY[static_cast<size_t>(i)]);
    }
    return list;
}

// A game wired to a recording view and a clock that the test advances; the clock's ticks go to
// the game as the window's timers would.
struct ClockedGame {
    PlayOptions options;
    ScriptedRandom random;
    RecordingView view;
    ManualClock clock;
    Game game{options, random, view, clock, view};

    ClockedGame() {
        clock.SetHandler([this](GameTimer t) { game.Tick(t); });
    }
};

} // namespace tolvekin::testing
