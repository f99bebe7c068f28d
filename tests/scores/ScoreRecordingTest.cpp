// Finished games put into score tables without a window: the place by score (equal scores go
// below), entries moving down with their games, the full table and its header test, the
// two-player roll-over, and the move record copied and then emptied.

#include "scores/ScoreRecording.h"
#include "common/dialogs/DialogSeam.h"
#include "scores/ScoreFile.h"
#include "tests/scores/ScoreTables.h"
#include "tests/scores/ScoreTestSupport.h"
#include "tests/support/DialogAnswerer.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace tolvekin;

namespace {

const QDateTime When(QDate(2026, 12, 7), QTime(9, 5, 3));

// A finished game on a board of w x h: side 1's numbers and a few placements.
GameState FinishedGame(int w, int h, int32_t score, int16_t mark = 1) {
    GameState g;
    g.Allocate(w, h);
    g.Tally[1] = {score, 20, 3, 4};
    g.Tally[2] = {score / 2, 10, 0, 2};
    for (int16_t m = 1; m <= 5; ++m) {
        g.MoveRecord[static_cast<size_t>(m)] = {0, static_cast<int16_t>(2 - m % 2), mark,
                                                static_cast<int16_t>(m), 2};
    }
    g.StartX = 3;
    g.StartY = 2;
    return g;
}

// A table of the given scores, entry i carrying a game whose first colour is i.
ScoreTable TableOf(const std::vector<int>& scores, int w = 8, int h = 8) {
    ScoreTable t = test::MakeScoreTable(w, h, static_cast<int>(scores.size()), 7);
    for (size_t i = 0; i < scores.size(); ++i) {
        t.Entries[i].Score = scores[i];
        t.Entries[i].Game.Moves[1] = {0, 1, static_cast<int16_t>(i % 8), 1, 1};
    }
    return t;
}

std::vector<int> Scores(const ScoreTable& t) {
    std::vector<int> s;
    for (const ScoreEntry& e : t.Entries) {
        s.push_back(e.Score);
    }
    return s;
}

TEST(ScoreRecording, PlacedBelowEqualScoresWithTheRestMovingDownWithTheirGames) {
    ScoreTable t = TableOf({500, 400, 300, 200, 100});
    EXPECT_EQ(ScorePlace(t, 600), 1);
    EXPECT_EQ(ScorePlace(t, 301), 3);
    EXPECT_EQ(ScorePlace(t, 0), 6);
    const ScoreTable before = t;
    GameState g = FinishedGame(8, 8, 300); // equal to place 3: goes below it
    ASSERT_EQ(InsertScore(t, g, ScoreDateText(When)), 4);
    EXPECT_EQ(Scores(t), (std::vector<int>{500, 400, 300, 300, 200, 100}));
    // Entries 4 and 5 went one place down with their names, numbers, games and start corners.
    for (int e = 4; e <= 5; ++e) {
        EXPECT_EQ(t.AtPlace(e + 1), before.AtPlace(e)) << e;
    }
    EXPECT_EQ(t.AtPlace(3), before.AtPlace(3));
    const ScoreEntry& added = t.AtPlace(4);
    EXPECT_EQ(added.Name, DefaultScoreName);
    EXPECT_EQ(added.Date, "2026/12/07 09:05:03");
    EXPECT_EQ(added.Score, 300);
    EXPECT_EQ(added.Pieces, 20);
    EXPECT_EQ(added.BlackPieces, 3);
    EXPECT_EQ(added.Colours, 4);
    EXPECT_EQ(t.NewPlace, 4);
}

TEST(ScoreRecording, TheMoveRecordIsCopiedThenEmptied) {
    ScoreTable t = TableOf({}, 5, 7);
    GameState g = FinishedGame(5, 7, 12, 6);
    const auto moves = g.MoveRecord;
    ASSERT_EQ(InsertScore(t, g, "now"), 1);
    const GameRecord& r = t.AtPlace(1).Game;
    EXPECT_EQ(r.Moves.size(), static_cast<size_t>(MoveSlots(5, 7)) + 1);
    for (size_t m = 1; m < moves.size(); ++m) {
        EXPECT_EQ(r.Moves[m], moves[m]) << m;
        EXPECT_EQ(g.MoveRecord[m], (MoveRow{})) << m;
    }
    EXPECT_EQ(r.Side(6), 0);
    EXPECT_EQ(r.StartX, 3);
    EXPECT_EQ(r.StartY, 2);
    EXPECT_EQ(t.EntryCount(), 1);
}

TEST(ScoreRecording, TwoPlayerGamesRollOverInOrderOfPlay) {
    ScoreTable t = TableOf({});
    for (int16_t game = 1; game <= 10; ++game) {
        GameState g = FinishedGame(8, 8, 7, game % 8);
        EXPECT_EQ(AppendTwoPlayerGame(t, g, QString::number(game)), game);
    }
    EXPECT_EQ(t.AtPlace(1).Date, "1");
    EXPECT_EQ(t.AtPlace(10).Name, DefaultTwoPlayerComment);
    GameState eleventh = FinishedGame(8, 8, 7, 3);
    EXPECT_EQ(AppendTwoPlayerGame(t, eleventh, "11"), 10);
    for (int e = 1; e <= 10; ++e) {
        EXPECT_EQ(t.AtPlace(e).Date, QString::number(e + 1)) << e;
        EXPECT_EQ(t.AtPlace(e).Game.Moves[1][2], static_cast<int16_t>((e + 1) % 8)) << e;
    }
    EXPECT_EQ(t.EntryCount(), 10);
    EXPECT_EQ(t.NewPlace, 10);
}

class ScoreRecordingFile : public ::testing::Test {
protected:
    QTemporaryDir dir;
    QString path = dir.filePath("TLVAHIGH.TXT");
    tolvekin::testing::DialogAnswerer notes;

    void Write(const ScoreTable& t) { ASSERT_TRUE(WriteScoreFile(t, path).Ok); }
};

TEST_F(ScoreRecordingFile, TheHeaderTurnsAwayAScoreThatCannotEnter) {
    Write(TableOf({1000, 900, 800, 700, 600, 500, 400, 300, 200, 100}));
    const QByteArray bytes = test::ReadBytes(path);
    ScoreTable t;
    GameState equal = FinishedGame(8, 8, 100);
    EXPECT_EQ(RecordScore(t, path, equal, When), 0);
    EXPECT_TRUE(notes.statuses.isEmpty());
    GameState higher = FinishedGame(8, 8, 101);
    EXPECT_EQ(RecordScore(t, path, higher, When), 10);
    EXPECT_EQ(notes.statuses, QStringList{PreparingScoreText});
    EXPECT_FALSE(notes.StatusShown());
    // The old tenth has gone.
    EXPECT_EQ(Scores(t), (std::vector<int>{1000, 900, 800, 700, 600, 500, 400, 300, 200, 101}));
    EXPECT_EQ(test::ReadBytes(path), bytes); // the window writes the file, not the recording
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
}

TEST_F(ScoreRecordingFile, WithoutHeaderTheFileDecidesWithoutNote) {
    ScoreTable t;
    // A file of the older layout: a table without its header line.
    ScoreTable full = TableOf({90, 80, 70, 60, 50, 40, 30, 20, 10, 5});
    Write(full);
    QByteArray bytes = test::ReadBytes(path);
    test::WriteBytes(path, bytes.mid(bytes.indexOf("\r\n") + 2));
    GameState equal = FinishedGame(8, 8, 5);
    EXPECT_EQ(RecordScore(t, path, equal, When), 0);
    GameState g2 = FinishedGame(8, 8, 60);
    EXPECT_EQ(RecordScore(t, path, g2, When), 5);
    EXPECT_TRUE(notes.statuses.isEmpty());
    EXPECT_TRUE(notes.shown.isEmpty());
}

TEST_F(ScoreRecordingFile, ADamagedTableKeepsItsEntriesAndItsFile) {
    // Three entries, the file cut inside the move line of the last one.
    Write(TableOf({900, 800, 700}));
    QByteArray bytes = test::ReadBytes(path);
    bytes.chop(20);
    test::WriteBytes(path, bytes);
    ScoreTable t;
    GameState g = FinishedGame(8, 8, 850);
    EXPECT_EQ(RecordScore(t, path, g, When), 2);
    // One message, over no wait note and without the busy pointer.
    ASSERT_EQ(notes.shown.size(), 1);
    EXPECT_TRUE(notes.shown[0].startsWith(ScoreInputError + u'\n'));
    EXPECT_TRUE(notes.shown[0].endsWith(QStringLiteral("その前の読めた記録 2 件を使います。")));
    EXPECT_EQ(notes.statuses, QStringList{PreparingScoreText});
    EXPECT_FALSE(notes.messageOverStatus);
    EXPECT_FALSE(notes.busyDuringMessage);
    EXPECT_FALSE(notes.StatusShown());
    EXPECT_EQ(Scores(t), (std::vector<int>{900, 850, 800}));

    // The window writes the table once the entry has its name: the damaged file is kept under
    // the name the message gives, and a repair afterwards leaves that copy alone.
    const ScoreFileOutcome written = WriteScoreFile(t, path, When);
    ASSERT_TRUE(written.Ok);
    const QString kept = dir.filePath(QStringLiteral("TLVAHIGH-20261207-090503.TXT"));
    EXPECT_EQ(written.Message,
              QStringLiteral(
                  "読めなかったスコアファイルを TLVAHIGH-20261207-090503.TXT として残しました。"));
    EXPECT_EQ(test::ReadBytes(kept), bytes);
    EXPECT_EQ(RepairScoreFile(path, 8, 8, When.addSecs(60)).Message, RepairDoneText);
    EXPECT_EQ(test::ReadBytes(kept), bytes);
    ScoreTable again;
    ASSERT_TRUE(LoadScoreTable(again, path, 8, 8).Ok);
    EXPECT_EQ(Scores(again), (std::vector<int>{900, 850, 800}));
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
}

} // namespace
