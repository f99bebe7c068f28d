#pragma once
// Where the main window's finished games go: a one-player win into the high-score table, a
// two-player game into the record table (each then named in the score window), a computer game
// into the result log. It also opens the score window in view mode and starts the replay of the
// entry chosen there.

#include "engine/Game.h"
#include "scores/ScoreTable.h"

#include <QString>

class QWidget;

namespace tolvekin {

// Asked before a chosen replay takes the board from a game under way.
inline constexpr const char* ReplayQuestionText = "いまのゲームをやめて再生しますか？";

class ScoreKeeper final : public GameRecorder {
public:
    // The score files and the result log live in dataDir; the score window sits on window.
    ScoreKeeper(Game& game, const QString& dataDir, QWidget* window);

    void RecordScore() override;
    void RecordTwoPlayerGame() override;
    void WriteAutoResult() override;

    // The score window in view mode; an entry chosen there is replayed, after the player has
    // agreed to give up a game under way. True when the replay began.
    bool ViewScores();

    // The score table of the file read last: recorded games wait here for their names, and a
    // replay takes its game from here.
    ScoreTable Scores;
    // The score file of the current mode, strength and board.
    QString ScorePath() const;

private:
    // Shows the score window modally; the entry chosen for replay, 0 for none.
    int ShowScoreWindow(bool entryMode);

    Game& game_;
    QString dataDir_;
    QWidget* window_;
};

} // namespace tolvekin
