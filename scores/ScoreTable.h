#pragma once
// The score table in memory: the table of the score file read last, its entries in table order
// with the stored game of each.

#include "engine/GameRecord.h"

#include <QString>

#include <cstdint>
#include <vector>

namespace tolvekin {

inline constexpr int MaxScoreEntries = 10;
// Above every score a board can give: a stored score must stay below it.
inline constexpr int32_t ScoreSentinel = 40000;

// One entry: side 1's numbers at the end of the game, when it was played, and the game.
struct ScoreEntry {
    QString Name; // the player's name, or the comment of a two-player game
    int32_t Score = 0;
    QString Date; // stored and shown as written, never parsed
    int32_t Pieces = 0;
    int32_t BlackPieces = 0;
    int32_t Colours = 0;
    GameRecord Game;

    friend bool operator==(const ScoreEntry& a, const ScoreEntry& b) {
        return a.Name == b.Name && a.Score == b.Score && a.Date == b.Date && a.Pieces == b.Pieces &&
               a.BlackPieces == b.BlackPieces && a.Colours == b.Colours &&
               a.Game.Moves == b.Game.Moves && a.Game.StartX == b.Game.StartX &&
               a.Game.StartY == b.Game.StartY;
    }
};

struct ScoreTable {
    // At most MaxScoreEntries; the entry at index i has place i + 1.
    std::vector<ScoreEntry> Entries;
    // The place (1..10) of the entry that waits for its name, 0 for none.
    int NewPlace = 0;
    // The score file read last.
    QString ScoreFilePath;
    // The board the games are sized for and the writer writes.
    int32_t BoardWidth = 8;
    int32_t BoardHeight = 8;

    // No entries, sized for a board of w x h.
    void Reset(int w, int h) {
        Entries.clear();
        NewPlace = 0;
        BoardWidth = w;
        BoardHeight = h;
    }
    int EntryCount() const { return static_cast<int>(Entries.size()); }
    // The entry at place 1..EntryCount().
    ScoreEntry& AtPlace(int place) { return Entries[static_cast<size_t>(place - 1)]; }
    const ScoreEntry& AtPlace(int place) const { return Entries[static_cast<size_t>(place - 1)]; }
    // An empty entry with a game sized for the table's board.
    ScoreEntry EmptyEntry() const {
        ScoreEntry entry;
        entry.Game.Reset(BoardWidth, BoardHeight);
        return entry;
    }
};

// The number a text starts with, as the score files hold them: leading blanks, an optional
// sign and decimal digits; 0 when there are none, clamped to the 32-bit range.
int32_t ScoreNumber(const QString& text);

} // namespace tolvekin
