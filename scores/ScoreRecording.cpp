#include "ScoreRecording.h"

#include "DialogSeam.h"
#include "ScoreFile.h"
#include "ScoreFileIo.h"

#include <algorithm>

namespace tolvekin {
namespace {

// Row 0 after a new entry: the count, and the row that waits for its name.
void MarkNewEntry(ScoreTable& table, int n, int p) {
    table.ScoreText[0][ScoreColCount] = QString::number(std::min(n + 1, MaxScoreEntries));
    table.ScoreText[0][ScoreColPlace] = QString::number(p);
}

} // namespace

QString ScoreDateText(const QDateTime& when) {
    return when.toString(QStringLiteral("yyyy/MM/dd HH:mm:ss"));
}

int ScorePlace(const ScoreTable& table, int32_t score) {
    for (int i = table.EntryCount(); i >= 1; --i) {
        if (ScoreNumber(table.ScoreText[static_cast<size_t>(i)][ScoreColScore]) >= score) {
            return i + 1;
        }
    }
    return 1; // row 0 stands above every score
}

void CopyScoreEntry(ScoreTable& table, int from, int to) {
    auto& src = table.ScoreText[static_cast<size_t>(from)];
    auto& dst = table.ScoreText[static_cast<size_t>(to)];
    dst[ScoreColPlace] = QString::number(to);
    for (int c = ScoreColName; c <= ScoreColColors; ++c) {
        dst[static_cast<size_t>(c)] = src[static_cast<size_t>(c)];
    }
    table.Games[static_cast<size_t>(to)] = table.Games[static_cast<size_t>(from)];
}

void FillScoreEntry(ScoreTable& table, int p, GameState& game, const QString& name,
                    const QString& when) {
    auto& row = table.ScoreText[static_cast<size_t>(p)];
    const auto& t = game.Tally[1];
    row[ScoreColPlace] = QString::number(p);
    row[ScoreColName] = name;
    row[ScoreColScore] = QString::number(t.Score);
    row[ScoreColDate] = when;
    row[ScoreColPieces] = QString::number(t.Pieces);
    row[ScoreColBlack] = QString::number(t.BlackPieces);
    row[ScoreColColors] = QString::number(t.Colours);

    GameRecord& record = table.Games[static_cast<size_t>(p)];
    record.Reset(table.BoardWidth, table.BoardHeight);
    const size_t rows = std::min(record.Moves.size(), game.MoveRecord.size());
    for (size_t m = 1; m < rows; ++m) {
        record.Moves[m] = game.MoveRecord[m];
        game.MoveRecord[m] = {};
    }
    record.StartX = game.StartX;
    record.StartY = game.StartY;
}

int InsertScore(ScoreTable& table, GameState& game, const QString& when) {
    const int n = table.EntryCount();
    const int p = ScorePlace(table, game.Tally[Side1].Score);
    if (p > MaxScoreEntries) {
        return 0;
    }
    for (int c = std::min(n, MaxScoreEntries - 1); c >= p; --c) {
        CopyScoreEntry(table, c, c + 1);
    }
    FillScoreEntry(table, p, game, DefaultScoreName, when);
    MarkNewEntry(table, n, p);
    return p;
}

int AppendTwoPlayerGame(ScoreTable& table, GameState& game, const QString& when) {
    const int n = table.EntryCount();
    int p = n + 1;
    if (p > MaxScoreEntries) {
        p = MaxScoreEntries;
        for (int i = 2; i <= MaxScoreEntries; ++i) {
            CopyScoreEntry(table, i, i - 1);
        }
    }
    FillScoreEntry(table, p, game, DefaultTwoPlayerComment, when);
    MarkNewEntry(table, n, p);
    return p;
}

int RecordScore(ScoreTable& table, const QString& path, GameState& game, const QDateTime& when) {
    ScoreBusyPointer busy;
    const int32_t score = game.Tally[Side1].Score;
    const bool header = ReadScoreHeader(table, path);
    if (header) {
        // The header repeats the last entry: a full table whose last score is at least as
        // high needs no further reading.
        if (table.EntryCount() == MaxScoreEntries &&
            ScoreNumber(table.ScoreText[0][ScoreColScore]) >= score) {
            return 0;
        }
        NowStatusForm(PreparingScoreText);
    }
    ReadScoreFile(table, path, game.BoardWidth, game.BoardHeight, header);
    const int p = InsertScore(table, game, ScoreDateText(when));
    UnloadMessageForm();
    return p;
}

int RecordTwoPlayerGame(ScoreTable& table, const QString& path, GameState& game,
                        const QDateTime& when) {
    ScoreBusyPointer busy;
    const bool header = ReadScoreHeader(table, path);
    ReadScoreFile(table, path, game.BoardWidth, game.BoardHeight, header);
    return AppendTwoPlayerGame(table, game, ScoreDateText(when));
}

} // namespace tolvekin
