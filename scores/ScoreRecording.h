#pragma once
// A finished game put into a score table: a one-player win at its place among the ten best
// scores, a two-player game after the games recorded before it. Both keep side 1's numbers,
// the move record and the start corner; the new entry waits with a default name until the
// score window gives it the name the player types.

#include "engine/GameState.h"
#include "scores/ScoreTable.h"

#include <QDateTime>
#include <QString>

namespace tolvekin {

inline const QString DefaultScoreName = QStringLiteral("ｵﾒﾃﾞﾄｳ..v(^_^)");
inline const QString DefaultTwoPlayerComment = QStringLiteral("ここに記録");
inline const QString PreparingScoreText = QStringLiteral("高得点記録の準備中です・・・");

// The date and time of an entry, in one fixed readable form: 2026/12/07 12:34:56.
QString ScoreDateText(const QDateTime& when);

// The place a score takes in the table: below every entry whose score is at least as high,
// 1..n + 1 for a table of n entries (11 when it misses a full table).
int ScorePlace(const ScoreTable& table, int32_t score);

// An entry of the finished game: side 1's numbers, the name, the date and time, and the game.
// Every row of the move record is copied and then set to zeros.
ScoreEntry FinishedGameEntry(const ScoreTable& table, GameState& game, const QString& name,
                             const QString& when);

// Puts side 1's score into a table just read: the entries from its place move down (the tenth
// falls off) and NewPlace names the new entry. The new place, or 0 when the score does not
// reach the table (nothing changes then).
int InsertScore(ScoreTable& table, GameState& game, const QString& when);

// Puts a two-player game after the ones in a table just read; with ten already there the
// oldest leaves and the others move up. The new place.
int AppendTwoPlayerGame(ScoreTable& table, GameState& game, const QString& when);

// A one-player win recorded from the score file at path: the header decides without reading
// further when the score cannot enter a full table; otherwise the wait note shows while the
// file is read, a read error is shown, and the score is placed among the entries that read.
// The new place, or 0 when the score does not qualify. The file is not written: the score
// window writes it once the entry has its name.
int RecordScore(ScoreTable& table, const QString& path, GameState& game, const QDateTime& when);

// A two-player game recorded from the file at path, as above. The new place.
int RecordTwoPlayerGame(ScoreTable& table, const QString& path, GameState& game,
                        const QDateTime& when);

} // namespace tolvekin
