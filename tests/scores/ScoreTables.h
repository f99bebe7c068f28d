#pragma once
// Score tables built from a seed, for the tests and the writer process.

#include "scores/ScoreTable.h"

#include <random>

namespace tolvekin::test {

// A table of `entries` entries for a board of w x h. Entries with an odd number carry a full
// game of w x h - 4 placements, the others a shorter one; entry 2 has a comma in its name.
inline ScoreTable MakeScoreTable(int w, int h, int entries, unsigned seed) {
    ScoreTable table;
    table.Reset(w, h);
    std::mt19937 random(seed);
    auto pick = [&](int low, int high) {
        return static_cast<int16_t>(std::uniform_int_distribution<int>(low, high)(random));
    };
    const int moves = w * h - 4;
    for (int e = 1; e <= entries; ++e) {
        ScoreEntry entry = table.EmptyEntry();
        entry.Name = e == 2 ? QStringLiteral("たろう, はなこ")
                            : QStringLiteral("表の%1番 %2").arg(e).arg(seed);
        entry.Score = 3000 - 100 * e - static_cast<int>(seed % 50);
        entry.Date = QStringLiteral("2026/12/%1 12:34:56").arg(e, 2, 10, QChar(u'0'));
        entry.Pieces = pick(1, w * h);
        entry.BlackPieces = pick(0, 9);
        entry.Colours = pick(0, 6);
        GameRecord& game = entry.Game;
        game.StartX = pick(1, w - 1);
        game.StartY = pick(1, h - 1);
        const int played = e % 2 == 1 ? moves : pick(0, moves);
        for (int m = 1; m <= played; ++m) {
            game.Moves[static_cast<size_t>(m)] = {0, pick(1, 2), pick(0, 7),
                                                  pick(1, static_cast<int>(w)),
                                                  pick(1, static_cast<int>(h))};
        }
        table.Entries.push_back(std::move(entry));
    }
    return table;
}

} // namespace tolvekin::test
