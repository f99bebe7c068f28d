#pragma once
// The score files: their names, reading, writing, clearing and the repair of files of the older
// layout. A score file holds one table: a header record that repeats the last entry, then for
// each entry its entry record, its start record and its move records (see ScoreRecords.h).
//
// These procedures show nothing but the busy pointer while they run. Each returns what happened
// with the one message the player is to see about it, already in Japanese; the windows and the
// recording steps show it.

#include "scores/ScoreTable.h"

#include <QDateTime>
#include <QString>

#include <cstdint>
#include <optional>

namespace tolvekin {

// Score files are read up to this size; a larger file is damaged.
inline constexpr qint64 ScoreFileByteLimit = 4 * 1024 * 1024;

inline const QString ScoreInputError = QStringLiteral("スコアファイル入力エラーです。");
inline const QString ScoreOutputError = QStringLiteral("スコアファイル出力エラーです。");
inline const QString RepairDoneText = QStringLiteral("スコアファイルを修復しました");

// What a score file procedure did. Message is empty when there is nothing to tell.
struct ScoreFileOutcome {
    bool Ok = true;
    QString Message;
};

// dataDir + "TLV2HIGH.TXT" in two-player mode, otherwise "TLVAHIGH.TXT" (weak),
// "TLVCHIGH.TXT" (master) or "TLVBHIGH.TXT" (strong, and any other level); on boards other
// than 8 x 8 "HIGH" becomes the height and the width as two digits each (TLVA1012.TXT: 10
// high, 12 wide).
QString ScoreFileName(const QString& dataDir, int32_t gameMode, int32_t gameLevel,
                      int32_t boardWidth, int32_t boardHeight);

// The backup a repair makes: the score file's last three characters replaced by "bak".
QString ScoreBackupName(const QString& scorePath);

// A name beside path that no file holds yet, with the date and time in it
// (TLVAHIGH-20261207-123456.TXT, then -2, -3 ... within the same second). No save or repair
// ever writes over such a name.
QString KeptCopyName(const QString& path, const QDateTime& when);

// The first record of a score file when it is a header: the number of entries and the score
// of the last one. Silent: a file that does not read gives std::nullopt, and the reading of
// the whole table reports it.
struct ScoreHeader {
    int Count = 0;
    int32_t LastScore = 0;
};
std::optional<ScoreHeader> ReadScoreHeader(const QString& path);

// Loads the table of the file at path with its games sized for a board of boardWidth x
// boardHeight, skipping a header. A missing file is an empty table without a word. A damaged
// file keeps the entries read whole before the damage; Ok is then false and the message says
// where the damage is. Every stored placement lies on the board.
ScoreFileOutcome LoadScoreTable(ScoreTable& table, const QString& path, int32_t boardWidth,
                                int32_t boardHeight);

// Replaces the file at path with the table: a write that fails leaves the previous file as it
// was, and the message says whether it still is. A file already there that does not read is
// first kept whole under KeptCopyName, and the message names that copy; when it cannot be kept
// nothing is written. A double quote in a text is written as "”" and a line break as a blank,
// so every record reads back as written.
ScoreFileOutcome WriteScoreFile(const ScoreTable& table, const QString& path,
                                const QDateTime& when = QDateTime::currentDateTime());

// Rewrites the lines of the older layout into the current one, keeping the file as it was
// under the backup name (or under KeptCopyName when the backup name holds another file). Lines
// already in the current layout stay, so a second repair changes nothing, and a table that
// reads as a table of boardWidth x boardHeight is never turned into one that does not. A
// missing file is left missing. The message begins with RepairDoneText unless the repair
// failed or had to leave the file as it was.
ScoreFileOutcome RepairScoreFile(const QString& path, int32_t boardWidth, int32_t boardHeight,
                                 const QDateTime& when = QDateTime::currentDateTime());

// Deletes the file at path, the whole table. A missing file is already cleared.
ScoreFileOutcome ClearScoreFile(const QString& path);

// One line of an older file in the current layout: seven fields, told apart as the reader
// tells them (a comma inside a quoted name does not count), and in a move record tokens of six
// digits without spaces. Applying it twice gives what applying it once gives.
QString RepairScoreLine(const QString& line);

// True for a line as the writer writes it: a record of seven quoted fields, a start record or
// a move record of six tokens. A repair leaves such lines alone.
bool IsCurrentScoreLine(const QString& line);

// Parses a whole file's text into the table (emptied first; its board size kept), skipping a
// first record that is a header. The description of the damage, with its line, when the text
// is damaged; the table then holds the entries read whole before it.
std::optional<QString> ParseScoreText(const QString& text, ScoreTable& table);

// The refusal to show when a name or comment cannot be stored, std::nullopt when it can.
std::optional<QString> ScoreNameRefusal(const QString& name);

} // namespace tolvekin
