// The master (名人) in the main window: the strength label and mode picture of the panel, and a
// table of its own for the games won against it, kept, shown and replayed like the others.

#include "scores/ScoreFile.h"
#include "scores/frmScore.h"
#include "tests/support/DialogAnswerer.h"
#include "tests/support/ModalDriver.h"
#include "tests/support/StartedWindow.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <vector>

using namespace tolvekin;
using tolvekin::testing::DialogAnswerer;
using tolvekin::testing::StartedWindow;
using tolvekin::testing::TemporaryDataDir;
using tolvekin::testing::WaitFor;
using tolvekin::testing::WhenModalShown;

namespace {

struct MasterGame : TemporaryDataDir, StartedWindow {
    MasterGame(int mode, int level, int width = 8, int height = 8) : StartedWindow(DataDir(), 11) {
        settings.GameMode = mode;
        settings.GameLevel = level;
        settings.FlashMove = false;
        SetBoard(width, height);
        Start();
    }

    // The player's first legal placement and the computer's answer (which may come later, from
    // a thinker), then the game ends with side 1 ahead.
    void WinWith(int score) {
        const GameState& g = game.State;
        ASSERT_GT(g.CandCount, 0);
        ClickCell(g.CandX[1], g.CandY[1]);
        ASSERT_TRUE(WaitFor([&] { return g.MoveCount == 2; }, 20000));
        game.State.Tally[1] = {score, 20, 1, 3};
        game.State.Tally[2] = {1, 10, 0, 1};
        game.GameOver();
    }
};

// Owner and colour of every cell, row by row.
std::vector<int32_t> Cells(const GameState& g) {
    std::vector<int32_t> cells;
    for (int y = 1; y <= g.BoardHeight; ++y) {
        for (int x = 1; x <= g.BoardWidth; ++x) {
            cells.push_back(g.Board(x, y) * 8 + g.CellColor(x, y));
        }
    }
    return cells;
}

QImage Pixels(const QPixmap& p) {
    return p.toImage().convertToFormat(QImage::Format_ARGB32);
}

TEST(MasterOnThePanel, EachStrengthShowsItsNameAndPicture) {
    struct Case {
        int mode;
        int level;
        const char* guide;
        size_t picture;
        const char* tip;
    };
    for (const Case& k :
         {Case{1, 1, "弱い", 0, "コンピュータは弱い"}, Case{1, 2, "強い", 1, "コンピュータは強い"},
          Case{1, 3, "名人", 4, "コンピュータは名人"}, Case{2, 3, nullptr, 2, "ふたりで遊ぶ"},
          Case{3, 3, nullptr, 3, "自動的に実行するのを見る"}}) {
        SCOPED_TRACE(k.tip);
        MasterGame g(k.mode, k.level);
        MainWindowControls& c = g.c();
        EXPECT_EQ(c.lblLevelGuide->isVisibleTo(g.form), k.guide != nullptr);
        if (k.guide != nullptr) {
            EXPECT_EQ(c.lblLevelGuide->text(), k.guide);
        }
        EXPECT_EQ(c.picMode->toolTip(), k.tip);
        EXPECT_EQ(Pixels(c.picMode->Picture()), Pixels(c.imgMode[k.picture]));
    }
}

TEST(MasterScores, TheFileNameFollowsTheModeThenTheStrength) {
    const QString dir = QStringLiteral("/data/");
    EXPECT_EQ(ScoreFileName(dir, 1, 3, 8, 8), "/data/TLVCHIGH.TXT");
    EXPECT_EQ(ScoreFileName(dir, 1, 3, 38, 26), "/data/TLVC2638.TXT");
    EXPECT_EQ(ScoreFileName(dir, 2, 3, 8, 8), "/data/TLV2HIGH.TXT"); // two players: no strength
    EXPECT_EQ(ScoreFileName(dir, 3, 3, 8, 8), "/data/TLVCHIGH.TXT");
}

TEST(MasterScores, AWinEntersTheMastersOwnTableWhichIsShownAndReplayed) {
    DialogAnswerer answers;
    MasterGame g(1, 3);
    // The tables of the other strengths are there and stay as they are.
    ScoreTable other;
    other.Reset(8, 8);
    ScoreEntry e = other.EmptyEntry();
    e.Name = "よわい";
    e.Score = 999;
    other.Entries.push_back(e);
    ASSERT_TRUE(WriteScoreFile(other, g.Path("TLVAHIGH.TXT")).Ok);
    ASSERT_TRUE(WriteScoreFile(other, g.Path("TLVBHIGH.TXT")).Ok);
    QFile a(g.Path("TLVAHIGH.TXT"));
    ASSERT_TRUE(a.open(QIODevice::ReadOnly));
    const QByteArray weakTable = a.readAll();

    WhenModalShown<frmScore>([](frmScore& f) {
        EXPECT_TRUE(f.ScoreEntryMode());
        EXPECT_EQ(f.lblLevel->text(), "名人");
        EXPECT_EQ(f.lblScore3[0]->text(), "250"); // an empty table: first place
        f.txtName->setText("めいじん");
        f.cmdClose->click();
    });
    g.WinWith(250);
    const std::vector<int32_t> played = Cells(g.game.State);
    ScoreTable t;
    ASSERT_TRUE(LoadScoreTable(t, g.Path("TLVCHIGH.TXT"), 8, 8).Ok);
    ASSERT_EQ(t.EntryCount(), 1);
    EXPECT_EQ(t.AtPlace(1).Game.Side(2), 2);
    QFile again(g.Path("TLVAHIGH.TXT"));
    ASSERT_TRUE(again.open(QIODevice::ReadOnly));
    EXPECT_EQ(again.readAll(), weakTable);

    // The score button shows that table; its game is replayed move by move.
    answers.answers = {true};
    g.c().cmdRestart->click();
    WhenModalShown<frmScore>([](frmScore& f) {
        EXPECT_FALSE(f.ScoreEntryMode());
        EXPECT_EQ(f.lblLevel->text(), "名人");
        EXPECT_EQ(f.lblScore2[0]->text(), "めいじん");
        ASSERT_TRUE(f.cmdNum[0]->isVisible());
        f.cmdNum[0]->click();
    });
    ASSERT_TRUE(g.c().cmdScore->isEnabled());
    g.c().cmdScore->click();
    ASSERT_EQ(g.game.Phase(), GamePhase::Replay);
    for (int tick = 0; tick < 3 && g.game.Phase() == GamePhase::Replay; ++tick) {
        g.form->Clock().timReplay_Timer();
    }
    EXPECT_EQ(g.game.Phase(), GamePhase::ReplayOver);
    EXPECT_EQ(Cells(g.game.State), played);
}

TEST(MasterScores, OtherBoardsNameTheTableByHeightAndWidth) {
    DialogAnswerer answers;
    MasterGame g(1, 3, 10, 6);
    WhenModalShown<frmScore>([](frmScore& f) {
        EXPECT_EQ(f.lblSize->text(), "[6×10]");
        f.cmdClose->click();
    });
    g.WinWith(120);
    ScoreTable t;
    ASSERT_TRUE(LoadScoreTable(t, g.Path("TLVC0610.TXT"), 10, 6).Ok);
    EXPECT_EQ(t.EntryCount(), 1);
    EXPECT_EQ(t.AtPlace(1).Score, 120);
    EXPECT_EQ(QDir(g.dir.path()).entryList({"TLV*"}, QDir::Files), QStringList{"TLVC0610.TXT"});
}

} // namespace
