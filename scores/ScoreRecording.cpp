#include "scores/ScoreRecording.h"

#include "common/dialogs/DialogSeam.h"
#include "scores/ScoreFile.h"
#include "scores/ScoreFileIo.h"

#include <algorithm>

namespace tolvekin {
namespace {

// The table of path read for the game's board; a read error is shown once, over no wait note.
void LoadForRecording(ScoreTable& table, const QString& path, const GameState& game,
                      ScoreBusyPointer& busy) {
    const ScoreFileOutcome read = LoadScoreTable(table, path, game.BoardWidth, game.BoardHeight);
    if (!read.Message.isEmpty()) {
        UnloadMessageForm();
        busy.Release();
        MessageForm(read.Message);
    }
}

} // namespace

QString ScoreDateText(const QDateTime& when) {
    return when.toString(QStringLiteral("yyyy/MM/dd HH:mm:ss"));
}

int ScorePlace(const ScoreTable& table, int32_t score) {
    for (int i = table.EntryCount(); i >= 1; --i) {
        if (table.AtPlace(i).Score >= score) {
            return i + 1;
        }
    }
    return 1;
}

ScoreEntry FinishedGameEntry(const ScoreTable& table, GameState& game, const QString& name,
                             const QString& when) {
    ScoreEntry entry = table.EmptyEntry();
    const auto& t = game.Tally[Side1];
    entry.Name = name;
    entry.Score = t.Score;
    entry.Date = when;
    entry.Pieces = t.Pieces;
    entry.BlackPieces = t.BlackPieces;
    entry.Colours = t.Colours;
    GameRecord& record = entry.Game;
    const size_t rows = std::min(record.Moves.size(), game.MoveRecord.size());
    for (size_t m = 1; m < rows; ++m) {
        record.Moves[m] = game.MoveRecord[m];
        game.MoveRecord[m] = {};
    }
    record.StartX = game.StartX;
    record.StartY = game.StartY;
    return entry;
}

int InsertScore(ScoreTable& table, GameState& game, const QString& when) {
    const int p = ScorePlace(table, game.Tally[Side1].Score);
    if (p > MaxScoreEntries) {
        return 0;
    }
    auto& entries = table.Entries;
    entries.insert(entries.begin() + (p - 1),
                   FinishedGameEntry(table, game, DefaultScoreName, when));
    if (entries.size() > static_cast<size_t>(MaxScoreEntries)) {
        entries.pop_back();
    }
    table.NewPlace = p;
    return p;
}

int AppendTwoPlayerGame(ScoreTable& table, GameState& game, const QString& when) {
    auto& entries = table.Entries;
    ScoreEntry entry = FinishedGameEntry(table, game, DefaultTwoPlayerComment, when);
    if (entries.size() >= static_cast<size_t>(MaxScoreEntries)) {
        entries.erase(entries.begin());
    }
    entries.push_back(std::move(entry));
    table.NewPlace = table.EntryCount();
    return table.NewPlace;
}

int RecordScore(ScoreTable& table, const QString& path, GameState& game, const QDateTime& when) {
    ScoreBusyPointer busy;
    const std::optional<ScoreHeader> header = ReadScoreHeader(path);
    if (header) {
        // The header repeats the last entry: a full table whose last score is at least as
        // high needs no further reading.
        if (header->Count >= MaxScoreEntries && header->LastScore >= game.Tally[Side1].Score) {
            return 0;
        }
        NowStatusForm(PreparingScoreText);
    }
    LoadForRecording(table, path, game, busy);
    const int p = InsertScore(table, game, ScoreDateText(when));
    UnloadMessageForm();
    return p;
}

int RecordTwoPlayerGame(ScoreTable& table, const QString& path, GameState& game,
                        const QDateTime& when) {
    ScoreBusyPointer busy;
    LoadForRecording(table, path, game, busy);
    return AppendTwoPlayerGame(table, game, ScoreDateText(when));
}

} // namespace tolvekin
