#pragma once
// The score table in memory: the table of the score file read last, with the texts of its
// entries and the stored game of each entry.

#include "GameRecord.h"

#include <QString>

#include <array>
#include <cstdint>

namespace tolvekin {

inline constexpr int MaxScoreEntries = 10;
// Above every score a board can give; row 0 holds it so that a search for the place of a new
// score from the bottom of the table always stops at row 0.
inline constexpr int32_t ScoreSentinel = 40000;

// Columns of ScoreText.
enum ScoreColumn : int {
    ScoreColCount = 0, // row 0: the number of entries
    ScoreColPlace = 1, // rows 1..10: place; row 0: the row of a new entry waiting for its name
    ScoreColName = 2,  // name, or the comment of a two-player game
    ScoreColScore = 3, // score of side 1; row 0: the sentinel after a read
    ScoreColDate = 4,
    ScoreColPieces = 5,
    ScoreColBlack = 6,
    ScoreColColors = 7,
};

struct ScoreTable {
    // Rows 1..10 are the entries in table order, row 0 the count, the sentinel and the header.
    std::array<std::array<QString, 8>, MaxScoreEntries + 1> ScoreText;
    // Games[e].Moves[m][1..4] are side, colour, column and row of placement m of entry e, and
    // Games[e].StartX / StartY the entry's start corner. Entry 0 takes start and move records
    // that stand before the first entry of a file; it is never shown or written.
    std::array<GameRecord, MaxScoreEntries + 1> Games;
    // The score file read last.
    QString ScoreFilePath;
    // The board the games are sized for and the writer writes.
    int32_t BoardWidth = 8;
    int32_t BoardHeight = 8;

    // Every text to empty.
    void ClearText() {
        for (auto& row : ScoreText) {
            row.fill(QString());
        }
    }
    // Every game emptied and sized for a board of w x h.
    void ResetGames(int w, int h) {
        BoardWidth = w;
        BoardHeight = h;
        for (GameRecord& game : Games) {
            game.Reset(w, h);
        }
    }
    // The number of entries, row 0 column 0, as 0..10.
    int EntryCount() const;
};

// The number a text starts with, as the score files hold them: leading blanks, an optional
// sign and decimal digits; 0 when there are none, clamped to the 32-bit range.
int32_t ScoreNumber(const QString& text);

} // namespace tolvekin
