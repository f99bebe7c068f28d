#include "ui/ScoreKeeper.h"

#include "common/dialogs/DialogSeam.h"
#include "common/text/Utf8Text.h"
#include "scores/AutoResultLog.h"
#include "scores/ScoreFile.h"
#include "scores/ScoreRecording.h"
#include "scores/frmScore.h"

#include <QDateTime>

namespace tolvekin {

ScoreKeeper::ScoreKeeper(Game& game, const QString& dataDir, QWidget* window)
    : game_(game), dataDir_(dataDir), window_(window) {}

QString ScoreKeeper::ScorePath() const {
    const PlayOptions& o = game_.Options;
    return ScoreFileName(dataDir_, o.GameMode, o.GameLevel, game_.State.BoardWidth,
                         game_.State.BoardHeight);
}

int ScoreKeeper::ShowScoreWindow(bool entryMode) {
    ScoreWindowSettings s;
    s.GameTitle = Q(game_.Options.GameTitle);
    s.GameMode = game_.Options.GameMode;
    s.LevelText = Q(game_.LevelText());
    s.BoardWidth = game_.State.BoardWidth;
    s.BoardHeight = game_.State.BoardHeight;
    s.DefaultName = Q(game_.DisplayName(game_.Options.CharSet[1], 1));
    s.FilePath = ScorePath();
    frmScore window(Scores, s, entryMode, window_);
    window.exec();
    return window.ReplayEntry();
}

bool ScoreKeeper::ViewScores() {
    const int entry = ShowScoreWindow(false);
    if (entry < 1 || entry > Scores.EntryCount()) {
        return false;
    }
    // A replay takes the board: a game under way goes only when the player says so.
    if (game_.Phase() == GamePhase::Playing && !QuestionForm(Q(ReplayQuestionText))) {
        return false;
    }
    game_.BeginReplay(Scores.AtPlace(entry).Game);
    return true;
}

void ScoreKeeper::RecordScore() {
    if (tolvekin::RecordScore(Scores, ScorePath(), game_.State, QDateTime::currentDateTime()) !=
        0) {
        ShowScoreWindow(true);
    }
}

void ScoreKeeper::RecordTwoPlayerGame() {
    tolvekin::RecordTwoPlayerGame(Scores, ScorePath(), game_.State, QDateTime::currentDateTime());
    ShowScoreWindow(true);
}

void ScoreKeeper::WriteAutoResult() {
    AppendAutoResult(dataDir_, AutoResultLine(game_));
}

} // namespace tolvekin
