#pragma once
// The score files: their names, reading, writing and the repair of files of the older layout.
// A score file holds one table: a header record that repeats the last entry, then for each
// entry its entry record, its start record and its move records (see ScoreRecords.h).
//
// Failures are handled here: a missing file reads as an empty table without a word; any other
// failure shows the score file input or output error through MessageForm and leaves a usable
// table. Reading, writing and repairing show the busy pointer while they run.

#include "ScoreTable.h"

#include <QString>
#include <QStringList>

#include <cstdint>
#include <optional>

namespace tolvekin {

// Score files are read up to this size; a larger file is damaged.
inline constexpr qint64 ScoreFileByteLimit = 4 * 1024 * 1024;

// dataDir + "TLV2HIGH.TXT" in two-player mode, otherwise "TLVAHIGH.TXT" (weak) or
// "TLVBHIGH.TXT" (strong); on boards other than 8 x 8 "HIGH" becomes the height and the width
// as two digits each (TLVA1012.TXT: 10 high, 12 wide).
QString ScoreFileName(const QString& dataDir, int32_t gameMode, int32_t gameLevel,
                      int32_t boardWidth, int32_t boardHeight);

// The backup of a score file: its last three characters replaced by "bak".
QString ScoreBackupName(const QString& scorePath);

// Empties every text of the table and reads the first record of the file into row 0. True when
// it is a header ("end" + count, then the last entry's columns 2..7); row 0 column 0 then holds
// the count. A missing or short file gives false silently.
bool ReadScoreHeader(ScoreTable& table, const QString& path);

// Reads the whole file into the table, its games sized for a board of boardWidth x
// boardHeight; skipHeader skips the first record (pass the result of ReadScoreHeader). Row 0
// then holds the number of entries in column 0 and the sentinel in column 3. False after an
// input error: the message has been shown, the count is 0, and rows read before the error
// stay. Every stored placement is checked to lie on the board. A missing file is an empty
// table and true.
bool ReadScoreFile(ScoreTable& table, const QString& path, int32_t boardWidth, int32_t boardHeight,
                   bool skipHeader);

// Writes the table's count of entries (row 0 column 0) to path, replacing the file as a whole:
// a write that fails leaves the previous file as it was. A file already there that does not
// read is first kept under the backup name. A double quote in a text is written as "”" and a
// line break as a blank, so every record reads back as written. False after an error, with
// the output error shown.
bool WriteScoreFile(const ScoreTable& table, const QString& path);

// Rewrites a file of the older layout into the current one, keeping the old contents under
// the backup name (an older backup is replaced only when there is a file to repair). A
// missing file is left missing without a word. False after an error, with the input error
// shown; the score file is then unchanged.
bool RepairScoreFile(const QString& path);

// One line of an older file in the current layout: seven fields counting commas outside
// double quotes, and in a move record tokens of six digits without spaces.
QString RepairScoreLine(const QString& line);

// Parses a whole file's text into the table without showing anything; the error description
// (with its line) when the text is damaged. For the readers above and for checks.
std::optional<QString> ParseScoreText(const QString& text, ScoreTable& table, bool skipHeader);

} // namespace tolvekin
