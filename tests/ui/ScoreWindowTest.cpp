// The score window offscreen, opened as the game opens it: a won game taking its name, the
// refused double quote, the close box that keeps the file as it was, the view with its replay
// buttons, clearing and repair, and a replay started from the window. The view opens from the
// panel's score button, as the player opens it.

#include "common/dialogs/DialogSeam.h"
#include "scores/ScoreFile.h"
#include "scores/ScoreRecording.h"
#include "scores/frmScore.h"
#include "tests/support/DialogAnswerer.h"
#include "tests/support/FileBytes.h"
#include "tests/support/ModalDriver.h"
#include "tests/support/StartedWindow.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

using namespace tolvekin;
using tolvekin::test::ReadBytes;
using tolvekin::test::WriteBytes;
using tolvekin::testing::DialogAnswerer;
using tolvekin::testing::StartedWindow;
using tolvekin::testing::TemporaryDataDir;
using tolvekin::testing::WhenModalShown;

namespace {

struct ScoreGame : TemporaryDataDir, StartedWindow {
    explicit ScoreGame(int mode = 1) : StartedWindow(DataDir(), 3) {
        settings.GameMode = mode;
        settings.FlashMove = false;
        Start();
    }

    // A table on file with the given scores; entries with an odd place carry a game.
    void WriteTable(const char* name, const std::vector<int>& scores) {
        ScoreTable t;
        t.Reset(8, 8);
        for (size_t i = 0; i < scores.size(); ++i) {
            ScoreEntry e = t.EmptyEntry();
            e.Name = QString("名%1").arg(i + 1);
            e.Score = scores[i];
            e.Date = "2026/01/02 03:04:05";
            e.Pieces = 30;
            e.BlackPieces = 2;
            e.Colours = 3;
            if (i % 2 == 0) {
                e.Game.Moves[1] = {0, 1, 4, 5, 3};
                e.Game.Moves[2] = {0, 2, 2, 4, 3};
            }
            t.Entries.push_back(e);
        }
        ASSERT_TRUE(WriteScoreFile(t, Path(name)).Ok);
    }
    ScoreTable ReadTable(const char* name) {
        ScoreTable t;
        EXPECT_TRUE(LoadScoreTable(t, Path(name), 8, 8).Ok);
        return t;
    }
    // One real placement and the computer's answer, then the game ends with side 1 ahead.
    void WinWith(int score) {
        ClickCell(5, 3);
        ASSERT_EQ(game.State.MoveCount, 2);
        game.State.Tally[1] = {score, 20, 1, 3};
        game.State.Tally[2] = {1, 10, 0, 1};
        game.GameOver();
    }
};

bool White(const QLabel* label) {
    return label->autoFillBackground() && label->palette().color(QPalette::Window) == Qt::white;
}

TEST(ScoreWindow, AWonGameTakesItsPlaceAndItsNameOnClose) {
    DialogAnswerer answers;
    ScoreGame g;
    g.WriteTable("TLVAHIGH.TXT", {300, 200, 100});
    bool shown = false;
    WhenModalShown<frmScore>([&](frmScore& f) {
        shown = true;
        EXPECT_FALSE(MessageFormLoaded()); // the wait note has gone
        EXPECT_TRUE(f.ScoreEntryMode());
        EXPECT_EQ(f.lblTitle->text(), "ぽるぽら　ハイスコア");
        EXPECT_FALSE(f.cmdClear->isVisible());
        EXPECT_EQ(f.txtName->text(), "おひさま");
        EXPECT_EQ(f.txtName->selectedText(), "おひさま");
        for (int i = 0; i < ScoreRows; ++i) {
            EXPECT_FALSE(f.cmdNum[static_cast<size_t>(i)]->isVisible()) << i;
            for (QLabel* label : f.RowLabels(i)) {
                EXPECT_EQ(White(label), i == 1) << i;
            }
        }
        EXPECT_EQ(f.lblScore2[1]->text(), DefaultScoreName);
        EXPECT_EQ(f.lblScore3[1]->text(), "250");
        EXPECT_EQ(f.lblScore2[2]->text(), "名2");
        // A click on an earlier name copies it; then a name of one's own, and Enter.
        QTest::mouseClick(f.lblScore2[0], Qt::LeftButton);
        EXPECT_EQ(f.txtName->text(), "名1");
        f.txtName->setText("はなこ");
        QTest::keyClick(f.txtName, Qt::Key_Return);
    });
    g.WinWith(250);
    EXPECT_TRUE(shown);
    EXPECT_EQ(g.game.Phase(), GamePhase::Over);
    const ScoreTable t = g.ReadTable("TLVAHIGH.TXT");
    EXPECT_EQ(t.EntryCount(), 4);
    EXPECT_EQ(t.AtPlace(2).Name, "はなこ");
    EXPECT_EQ(t.AtPlace(2).Score, 250);
    EXPECT_EQ(t.AtPlace(3).Name, "名2");
    EXPECT_EQ(t.AtPlace(2).Game.Side(2), 2);
    EXPECT_EQ(t.AtPlace(2).Game.Side(3), 0);
    EXPECT_EQ(g.game.State.MoveRecord[1], (MoveRow{}));
    EXPECT_EQ(answers.messages, QStringList{"status: " + PreparingScoreText});
}

TEST(ScoreWindow, ADoubleQuoteIsRefusedAndTheCloseBoxWritesNothing) {
    DialogAnswerer answers;
    ScoreGame g;
    g.WriteTable("TLVAHIGH.TXT", {300});
    const QByteArray before = ReadBytes(g.Path("TLVAHIGH.TXT"));
    const QString DoubleQuoteRefusal = *ScoreNameRefusal("\"");
    WhenModalShown<frmScore>([&](frmScore& f) {
        f.txtName->setText("a\"b");
        QTest::keyClick(f.txtName, Qt::Key_Return);
        EXPECT_EQ(answers.messages.back(), DoubleQuoteRefusal);
        EXPECT_TRUE(f.isVisible());
        f.cmdClose->click();
        EXPECT_EQ(answers.messages.count(DoubleQuoteRefusal), 2);
        EXPECT_TRUE(f.isVisible());
        // Escape asks before the entry is given up; いいえ returns to the name box.
        QTest::keyClick(f.txtName, Qt::Key_Escape);
        EXPECT_EQ(answers.questions, QStringList{LeaveUnrecordedQuestion});
        EXPECT_TRUE(f.isVisible());
        EXPECT_EQ(f.focusWidget(), f.txtName);
        // The close box asks the same; はい closes without writing.
        answers.answers = {true};
        f.close();
        EXPECT_EQ(answers.questions.size(), 2);
        EXPECT_FALSE(f.isVisible());
    });
    g.WinWith(400);
    EXPECT_EQ(ReadBytes(g.Path("TLVAHIGH.TXT")), before);
}

TEST(ScoreWindow, TheViewStartsOnCloseAndEscapeClosesIt) {
    DialogAnswerer answers;
    ScoreGame g;
    g.WriteTable("TLVAHIGH.TXT", {300, 200, 100});
    bool shown = false;
    WhenModalShown<frmScore>([&](frmScore& f) {
        shown = true;
        EXPECT_EQ(f.focusWidget(), f.cmdClose); // never a replay button
        QTest::keyClick(f.focusWidget(), Qt::Key_Escape);
        EXPECT_FALSE(f.isVisible());
    });
    g.c().cmdScore->click();
    ASSERT_TRUE(shown);
    EXPECT_EQ(g.game.Phase(), GamePhase::Ready);
    EXPECT_TRUE(answers.questions.isEmpty());
    // Space on the first focus is 閉じる as well: nothing is replayed.
    WhenModalShown<frmScore>([](frmScore& f) { QTest::keyClick(f.focusWidget(), Qt::Key_Space); });
    g.c().cmdScore->click();
    EXPECT_EQ(g.game.Phase(), GamePhase::Ready);
    // The close box likewise.
    WhenModalShown<frmScore>([](frmScore& f) { f.close(); });
    g.c().cmdScore->click();
    EXPECT_EQ(g.game.Phase(), GamePhase::Ready);
    EXPECT_TRUE(answers.questions.isEmpty());
}

TEST(ScoreWindow, AReplayAsksBeforeItTakesAGameUnderWay) {
    DialogAnswerer answers;
    ScoreGame g;
    g.WriteTable("TLVAHIGH.TXT", {300});
    QTest::mouseClick(g.form->Cell(5, 3), Qt::LeftButton);
    ASSERT_EQ(g.game.Phase(), GamePhase::Playing);
    const GameState before = g.game.State;
    WhenModalShown<frmScore>([](frmScore& f) { f.cmdNum[0]->click(); });
    g.c().cmdScore->click();
    EXPECT_EQ(answers.questions, QStringList{ReplayQuestionText});
    EXPECT_EQ(g.game.Phase(), GamePhase::Playing);
    EXPECT_EQ(g.game.State.MoveCount, before.MoveCount);
    for (int x = 1; x <= 8; ++x) {
        for (int y = 1; y <= 8; ++y) {
            EXPECT_EQ(g.game.State.Board(x, y), before.Board(x, y)) << x << "," << y;
        }
    }
    answers.answers = {true};
    WhenModalShown<frmScore>([](frmScore& f) { f.cmdNum[0]->click(); });
    g.c().cmdScore->click();
    EXPECT_EQ(answers.questions.size(), 2);
    EXPECT_EQ(g.game.Phase(), GamePhase::Replay);
}

TEST(ScoreWindow, ADamagedTableKeepsItsEntriesAndTheMessagesNameTheKeptFile) {
    DialogAnswerer answers;
    ScoreGame g;
    g.WriteTable("TLVAHIGH.TXT", {300, 200, 100});
    // Cut inside the move line of the last entry.
    QByteArray damaged = ReadBytes(g.Path("TLVAHIGH.TXT"));
    damaged.chop(30);
    WriteBytes(g.Path("TLVAHIGH.TXT"), damaged);
    WhenModalShown<frmScore>([&](frmScore& f) {
        EXPECT_EQ(f.lblScore2[0]->text(), "名1");
        EXPECT_EQ(f.lblScore3[1]->text(), "250");
        EXPECT_EQ(f.lblScore2[2]->text(), "名2");
        EXPECT_EQ(f.lblScore2[3]->text(), "");
        f.txtName->setText("はなこ");
        f.cmdClose->click();
    });
    g.WinWith(250);
    ASSERT_EQ(answers.messages.size(), 3) << answers.messages.join("|").toStdString();
    EXPECT_EQ(answers.messages[0], "status: " + PreparingScoreText);
    EXPECT_TRUE(answers.messages[1].startsWith(ScoreInputError + "\nTLVAHIGH.TXT の "));
    EXPECT_TRUE(answers.messages[1].endsWith("その前の読めた記録 2 件を使います。"));
    const QStringList kept = QDir(g.dir.path()).entryList({"TLVAHIGH-*.TXT"}, QDir::Files);
    ASSERT_EQ(kept.size(), 1);
    EXPECT_EQ(answers.messages[2],
              "読めなかったスコアファイルを " + kept[0] + " として残しました。");
    EXPECT_EQ(ReadBytes(g.dir.filePath(kept[0])), damaged);
    const ScoreTable t = g.ReadTable("TLVAHIGH.TXT");
    ASSERT_EQ(t.EntryCount(), 3);
    EXPECT_EQ(t.AtPlace(2).Name, "はなこ");
    EXPECT_EQ(t.AtPlace(3).Name, "名2");
}

TEST(ScoreWindow, TheViewOffersReplaysOfStoredGamesAndLaysOutItsRows) {
    DialogAnswerer answers;
    ScoreGame g;
    g.WriteTable("TLVAHIGH.TXT", {300, 200, 100});
    bool shown = false;
    WhenModalShown<frmScore>([&](frmScore& f) {
        shown = true;
        EXPECT_FALSE(f.ScoreEntryMode());
        EXPECT_EQ(f.size(), QSize(454, 333));
        EXPECT_EQ(f.lblSize->text(), "[8×8]");
        EXPECT_FALSE(f.txtName->isVisible());
        EXPECT_TRUE(f.cmdClear->isVisible());
        EXPECT_TRUE(f.cmdRepair->isVisible());
        EXPECT_EQ(f.cmdNum[2]->geometry(), QRect(8, 112, 25, 17));
        EXPECT_EQ(f.lblScore7[9]->geometry(), QRect(424, 280, 17, 14));
        // Entries 1 and 3 have games; entry 2 and the empty rows show plain places.
        const bool buttons[ScoreRows] = {true, false, true};
        for (size_t i = 0; i < ScoreRows; ++i) {
            EXPECT_EQ(f.cmdNum[i]->isVisible(), buttons[i]) << i;
            EXPECT_EQ(f.lblScore1[i]->isVisible(), !buttons[i]) << i;
            EXPECT_FALSE(White(f.lblScore2[i])) << i;
        }
        EXPECT_EQ(f.cmdNum[2]->text(), "3");
        EXPECT_EQ(f.lblScore1[1]->text(), "2");
        EXPECT_EQ(f.lblScore4[0]->text(), "2026/01/02 03:04:05");
        EXPECT_EQ(f.lblScore2[5]->text(), "");
        f.cmdNum[2]->click();
    });
    g.c().cmdScore->click();
    ASSERT_TRUE(shown);
    // The replay of entry 3 begins: only clearing takes clicks, and the mode reads 再現.
    EXPECT_EQ(g.game.Phase(), GamePhase::Replay);
    EXPECT_EQ(g.c().lblModeGuide->text(), "再現");
    EXPECT_TRUE(g.form->Clock().timReplay.isActive());
    EXPECT_EQ(g.form->Clock().timReplay.interval(), 500);
    EXPECT_FALSE(g.c().cmdScore->isEnabled());
    EXPECT_TRUE(g.c().cmdRestart->isEnabled());
    for (int tick = 0; tick < 3; ++tick) {
        g.form->Clock().timReplay_Timer();
    }
    EXPECT_EQ(g.game.Phase(), GamePhase::ReplayOver);
    EXPECT_EQ(g.game.State.Board(4, 3), 2);
    EXPECT_EQ(g.game.State.Board(5, 3), 1);
    // The piece placed last in the replay carries the mark.
    EXPECT_EQ(g.form->Board()->LastMove()->MarkedCell(), g.game.State.CellIndex(4, 3));
    EXPECT_FALSE(g.form->Clock().timReplay.isActive());
    EXPECT_TRUE(answers.questions.isEmpty()); // a replay records nothing
    answers.answers = {true};
    g.c().cmdRestart->click();
    EXPECT_FALSE(g.game.ReplayMode());
    EXPECT_EQ(g.c().lblModeGuide->text(), "ひとり");
    EXPECT_TRUE(g.c().cmdScore->isEnabled());

    // Closed without a choice: nothing is replayed.
    WhenModalShown<frmScore>([](frmScore& f) { f.cmdClose->click(); });
    g.c().cmdScore->click();
    EXPECT_EQ(g.game.Phase(), GamePhase::Ready);
}

TEST(ScoreWindow, ClearingEmptiesTheTableAndRepairReports) {
    DialogAnswerer answers;
    ScoreGame g;
    g.WriteTable("TLVAHIGH.TXT", {300, 200, 100});
    WhenModalShown<frmScore>([&](frmScore& f) {
        answers.answers = {false};
        f.cmdClear->click();
        EXPECT_EQ(answers.questions.back(), "このスコアを消します。\nよろしいですか？");
        EXPECT_TRUE(QFile::exists(g.Path("TLVAHIGH.TXT")));
        EXPECT_TRUE(f.cmdNum[0]->isVisible());

        // A table of the current layout has nothing to repair and keeps no backup.
        answers.answers = {true};
        f.cmdRepair->click();
        EXPECT_EQ(answers.questions.back(), RepairQuestion);
        EXPECT_EQ(answers.messages.back(), RepairDoneText);
        EXPECT_FALSE(QFile::exists(g.Path("TLVAHIGH.bak")));

        answers.answers = {true};
        f.cmdClear->click();
        EXPECT_FALSE(QFile::exists(g.Path("TLVAHIGH.TXT")));
        for (size_t i = 0; i < ScoreRows; ++i) {
            EXPECT_FALSE(f.cmdNum[i]->isVisible()) << i;
            EXPECT_EQ(f.lblScore2[i]->text(), "") << i;
        }
        f.cmdClose->click();
    });
    g.c().cmdScore->click();
    EXPECT_EQ(answers.messages, QStringList{RepairDoneText});
    // The next result gets place 1.
    WhenModalShown<frmScore>([](frmScore& f) {
        EXPECT_TRUE(White(f.lblScore1[0]));
        f.cmdClose->click();
    });
    g.WinWith(5);
    EXPECT_EQ(g.ReadTable("TLVAHIGH.TXT").EntryCount(), 1);
}

TEST(ScoreWindow, AFolderInPlaceOfTheTableIsOneMessagePerAction) {
    DialogAnswerer answers;
    ScoreGame g;
    ASSERT_TRUE(QDir(g.dir.path()).mkpath("TLVAHIGH.TXT/inside"));
    WhenModalShown<frmScore>([&](frmScore& f) {
        ASSERT_EQ(answers.messages.size(), 1);
        EXPECT_EQ(answers.messages[0],
                  ScoreInputError + "\nスコアファイルの名前のフォルダがあります: TLVAHIGH.TXT");
        answers.answers = {true};
        f.cmdRepair->click();
        ASSERT_EQ(answers.messages.size(), 2);
        EXPECT_FALSE(answers.messages[1].contains(RepairDoneText)); // the repair failed
        answers.answers = {true};
        f.cmdClear->click();
        ASSERT_EQ(answers.messages.size(), 3);
        EXPECT_TRUE(answers.messages[2].startsWith("スコアファイルを消せません。\n"));
        f.cmdClose->click();
    });
    g.c().cmdScore->click();
    EXPECT_EQ(answers.messages.size(), 3);
    EXPECT_TRUE(QFileInfo(g.Path("TLVAHIGH.TXT")).isDir());
}

} // namespace
