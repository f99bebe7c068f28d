#pragma once
// What the score tests share: the raw file helpers and table checks.

#include "scores/ScoreTable.h"
#include "tests/support/FileBytes.h"

#include <QString>

#include <gtest/gtest.h>

#include <ostream>

// Readable QString values in test failures.
QT_BEGIN_NAMESPACE
inline void PrintTo(const QString& text, std::ostream* out) {
    *out << '"' << text.toStdString() << '"';
}
QT_END_NAMESPACE

namespace tolvekin::test {

// Every stored placement on the board, the start corners too, and a side of 0 after the last
// placement a full game can have: what a replay relies on.
inline void ExpectReplayable(const ScoreTable& table) {
    const int w = table.BoardWidth;
    const int h = table.BoardHeight;
    ASSERT_LE(table.EntryCount(), MaxScoreEntries);
    for (const ScoreEntry& entry : table.Entries) {
        const GameRecord& game = entry.Game;
        EXPECT_LT(entry.Score, ScoreSentinel);
        ASSERT_EQ(game.Moves.size(), static_cast<size_t>(MoveSlots(w, h)) + 1);
        EXPECT_TRUE(game.StartX == 0 ||
                    (game.StartX >= 1 && game.StartX < w && game.StartY >= 1 && game.StartY < h));
        for (size_t m = 0; m < game.Moves.size(); ++m) {
            const MoveRow& move = game.Moves[m];
            if (move[1] == 0) {
                continue;
            }
            ASSERT_TRUE(m >= 1 && m <= static_cast<size_t>(w * h - 4)) << m;
            ASSERT_TRUE(move[1] <= 2 && move[2] >= 0 && move[2] <= 7) << m;
            ASSERT_TRUE(move[3] >= 1 && move[3] <= w && move[4] >= 1 && move[4] <= h) << m;
        }
    }
}

// Entries 1..n of two tables hold the same texts, numbers and games.
inline void ExpectSameEntries(const ScoreTable& a, const ScoreTable& b, int n) {
    ASSERT_GE(a.EntryCount(), n);
    ASSERT_GE(b.EntryCount(), n);
    for (int place = 1; place <= n; ++place) {
        const ScoreEntry& x = a.AtPlace(place);
        const ScoreEntry& y = b.AtPlace(place);
        EXPECT_EQ(x.Name, y.Name) << "entry " << place;
        EXPECT_EQ(x.Score, y.Score) << "entry " << place;
        EXPECT_EQ(x.Date, y.Date) << "entry " << place;
        EXPECT_EQ(x.Pieces, y.Pieces) << "entry " << place;
        EXPECT_EQ(x.BlackPieces, y.BlackPieces) << "entry " << place;
        EXPECT_EQ(x.Colours, y.Colours) << "entry " << place;
        EXPECT_EQ(x.Game.StartX, y.Game.StartX) << "entry " << place;
        EXPECT_EQ(x.Game.StartY, y.Game.StartY) << "entry " << place;
        EXPECT_EQ(x.Game.Moves, y.Game.Moves) << "entry " << place;
    }
}

} // namespace tolvekin::test
