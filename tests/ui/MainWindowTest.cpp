// The main window built offscreen: its layout for several board sizes, the panel's controls,
// the frames it draws, and whole games played by clicking its cells and buttons.

#include "app/GameSession.h"
#include "common/files/CharacterFiles.h"
#include "common/layout/WindowGeometry.h"
#include "engine/CharacterSets.h"
#include "engine/ComputerPlayer.h"
#include "engine/Random.h"
#include "tests/common/GuardedFifo.h"
#include "tests/support/DialogAnswerer.h"
#include "tests/support/FileBytes.h"
#include "tests/support/StartedWindow.h"
#include "ui/StartupFit.h"

#include <QApplication>
#include <QImage>
#include <QTemporaryDir>
#include <QTest>
#include <QtEndian>

#include <gtest/gtest.h>

#include <functional>
#include <memory>

using namespace tolvekin;
using tolvekin::test::WriteBytes;
using tolvekin::testing::DialogAnswerer;
using tolvekin::testing::StartedWindow;

namespace {

struct Window : StartedWindow {
    explicit Window(int w = 8, int h = 8, const QString& dataDir = "/nonexistent/",
                    const std::function<void(Settings&)>& adjust = {})
        : StartedWindow(dataDir, 5) {
        SetBoard(w, h);
        if (adjust) {
            adjust(settings);
        }
        Start();
        form->Clock().timFlash.setInterval(5); // blink quickly in tests
    }
    void Click(QWidget* w) { QTest::mouseClick(w, Qt::LeftButton, {}, w->rect().center()); }
};

// A control's rectangle in the window's coordinates.
QRect InWindow(const QWidget* control) {
    return QRect(control->mapTo(control->window(), QPoint(0, 0)), control->size());
}

QImage Expected(const QPixmap& p) {
    return p.toImage().convertToFormat(QImage::Format_ARGB32);
}

} // namespace

TEST(MainWindowLayout, EightByEight) {
    Window w;
    const frmTolvek& f = *w.form;
    MainWindowControls& c = w.c();
    const BoardControls& b = f.Board()->Controls();
    EXPECT_EQ(InWindow(b.picKoma.front()), QRect(8, 8, 48, 48));
    EXPECT_EQ(InWindow(b.picKoma.back()).bottomRight(), QPoint(391, 391));
    EXPECT_EQ(InWindow(b.lineTate.back()).x(), 392);
    EXPECT_EQ(c.cmdScore->x(), 410);
    EXPECT_EQ(c.cmdEnd->geometry().right() + 1, 410 + 161);
    EXPECT_EQ(OuterSize(f).width(), 410 + 161 + 14);
    EXPECT_EQ(InWindow(b.lblBoard), QRect(8, 8, 384, 384));
    // The last horizontal line closes the bottom-right corner.
    EXPECT_EQ(InWindow(b.lineYoko.back()), QRect(8, 392, 385, 1));
    EXPECT_EQ(InWindow(b.lineTate[3]), QRect(8 + 3 * 48, 8, 1, 384));
    EXPECT_EQ(w.host().Facts().Screen.PanelWidth, 2655);
}

TEST(MainWindowLayout, SmallAndTallBoards) {
    Window small(3, 3);
    EXPECT_EQ(small.c().cmdScore->x(), 170);
    EXPECT_EQ(OuterSize(*small.form).height(), 428); // the standard height stays
    Window tall(5, 20);
    EXPECT_EQ(OuterSize(*tall.form).height(), 8 + 20 * 48 + 35);
    Window wide(38, 26);
    EXPECT_EQ(wide.form->Board()->Controls().picKoma.size(), 988u);
    EXPECT_EQ(wide.c().cmdScore->x(), 8 + 38 * 48 + 18);
}

TEST(MainWindowLayout, FrameLinesAndInnerLines) {
    Window w(5, 4, "/nonexistent/", [](Settings& s) {
        s.ShowBorder = false;
        s.SeeThrough = true;
    });
    const BoardControls& c = w.form->Board()->Controls();
    EXPECT_FALSE(c.lineTate.front()->isVisibleTo(w.form));
    EXPECT_FALSE(c.lineYoko.back()->isVisibleTo(w.form));
    EXPECT_TRUE(c.lineTate[2]->isVisibleTo(w.form));
    EXPECT_FALSE(c.lblBoard->autoFillBackground());
    w.settings.ShowCross = false;
    w.host().ApplySettings({});
    EXPECT_FALSE(c.lineTate[2]->isVisibleTo(w.form));
}

TEST(MainWindowPanel, CharacterCycleAndNames) {
    Window w;
    frmTolvek& f = *w.form;
    MainWindowControls& c = w.c();
    EXPECT_EQ(c.lblComment[2]->text(), "海のぽるぽら");
    // Side 1 shows SUN, so side 2 passes it over.
    const char* cycle[2][2] = {{"BEAR", "山のぽるぽら"}, {"FISH", "海のぽるぽら"}};
    for (const auto& step : cycle) {
        w.Click(c.imgChar[2]);
        EXPECT_EQ(w.settings.CharSet[2], step[0]);
        EXPECT_EQ(c.lblComment[2]->text(), step[1]);
    }
    // Side 2 is not to move: its box is hidden and its emblem shows the outline.
    EXPECT_FALSE(c.picChar[2]->isVisibleTo(&f));
    EXPECT_EQ(Expected(c.imgChar[2]->Picture()), Expected(f.Pictures().imgFish[8]));
    // A new set redraws every piece already on the board.
    w.Click(c.picChar[1]);
    EXPECT_EQ(w.settings.CharSet[1], "BEAR");
    EXPECT_EQ(Expected(w.Cell(4, 4)->Picture()), Expected(f.Pictures().imgBear[0]));
    EXPECT_EQ(c.lblName[1]->text(), "くまさん");
}

TEST(MainWindowPanel, BlackAndWhiteSwitch) {
    DialogAnswerer answers;
    Window w;
    frmTolvek& f = *w.form;
    MainWindowControls& c = w.c();
    answers.answers = {true};
    QTest::mouseClick(c.lblTitle, Qt::LeftButton);
    EXPECT_EQ(answers.questions, QStringList{"黒と白のコマだけにしますか？"});
    EXPECT_TRUE(w.settings.MonoPieces);
    EXPECT_FALSE(c.lblCount[0]->isVisibleTo(&f));
    EXPECT_FALSE(c.lblCountColor[1]->isVisibleTo(&f));
    EXPECT_EQ(c.lblTotal[0]->text(), "２個");
    EXPECT_FALSE(c.cmdColor[0]->isEnabled());
    EXPECT_EQ(Expected(c.picCharImg[1]->Picture()), Expected(f.Pictures().imgSun[7]));
    // Every piece shows black for side 1 and white for side 2.
    EXPECT_EQ(Expected(w.Cell(4, 4)->Picture()), Expected(f.Pictures().imgSun[7]));
    EXPECT_EQ(Expected(w.Cell(5, 4)->Picture()), Expected(f.Pictures().imgFish[0]));
    answers.answers = {true};
    QTest::mouseClick(c.lblTitle, Qt::LeftButton);
    EXPECT_EQ(answers.questions.back(), "色つきのコマにしますか？");
    EXPECT_FALSE(w.settings.MonoPieces);
    EXPECT_TRUE(c.cmdColor[2]->isEnabled());
}

TEST(MainWindowPanel, HintCursorsByMode) {
    Window w(8, 8, "/nonexistent/", [](Settings& s) { s.HintCursor = true; });
    MainWindowControls& c = w.c();
    EXPECT_TRUE(w.Cell(5, 3)->testAttribute(Qt::WA_SetCursor));
    const QImage smiling = Expected(w.Cell(5, 3)->cursor().pixmap());
    const QImage plain = Expected(w.Cell(1, 1)->cursor().pixmap());
    EXPECT_EQ(smiling, Expected(c.imgCursor[0]));
    EXPECT_EQ(plain, Expected(c.imgCursor[1]));
    w.settings.GameMode = 3;
    w.view().SetCursor();
    EXPECT_FALSE(w.Cell(5, 3)->testAttribute(Qt::WA_SetCursor));
}

TEST(MainWindowDrawing, RaisedFramePixels) {
    Window w;
    frmTolvek& f = *w.form;
    MainWindowControls& c = w.c();
    f.show();
    QApplication::processEvents();
    const QRect box = c.picChar[1]->geometry();
    ASSERT_TRUE(f.HasFrame3D(c.picChar[1]));
    const QImage shot = f.grab().toImage();
    const QColor light = f.palette().color(QPalette::Light);
    const QColor dark = f.palette().color(QPalette::Dark);
    EXPECT_EQ(shot.pixel(box.x() - 1, box.y() - 1), (light).rgb());
    EXPECT_EQ(shot.pixel(box.x() + box.width(), box.y() - 1), light.rgb());
    EXPECT_EQ(shot.pixel(box.x() - 1, box.y() + box.height()), (light).rgb());
    EXPECT_EQ(shot.pixel(box.x() + box.width(), box.y() + box.height()), dark.rgb());
    EXPECT_EQ(shot.pixel(box.x() + 10, box.y() + box.height()), (dark).rgb());
    // Passing the turn erases the frame and leaves the background as it was.
    w.view().ShowTurn(Side1, Side2);
    ASSERT_FALSE(f.HasFrame3D(c.picChar[1]));
    const QImage after = f.grab().toImage();
    EXPECT_EQ(after.pixel(box.x() - 1, box.y() + 5), (f.palette().color(QPalette::Button)).rgb());
    EXPECT_EQ(after.pixel(box.x() + box.width(), box.y() + box.height()),
              f.palette().color(QPalette::Button).rgb());
}

// Lets the window's timers run until the computer's blinking move is placed; false if it is
// still blinking after many more ticks than a blink takes.
bool WaitForBlink(Window& w) {
    for (int i = 0; i < 400 && w.game.MoveInProgress(); ++i) {
        QTest::qWait(5);
    }
    return !w.game.MoveInProgress();
}

TEST(MainWindowDrawing, FlashTogglesFourTimesAndEndsVisible) {
    DialogAnswerer answers;
    Window w(8, 8, "/nonexistent/", [](Settings& s) { s.FlashMove = true; });
    frmTolvek& f = *w.form;
    f.show();
    w.ClickCell(5, 3); // the computer answers (4, 3) here
    ASSERT_TRUE(w.game.MoveInProgress());
    PictureBox* cell = w.Cell(4, 3);
    std::vector<bool> seen;
    QObject::connect(&f.Clock().timFlash, &QTimer::timeout,
                     [&] { seen.push_back(cell->isVisible()); });
    // Clicks wait while the piece blinks.
    w.ClickCell(6, 4);
    EXPECT_TRUE(answers.messages.isEmpty());
    ASSERT_TRUE(WaitForBlink(w));
    EXPECT_EQ(seen, (std::vector<bool>{false, true, false, true}));
    EXPECT_TRUE(cell->isVisible());
    EXPECT_EQ(w.game.State.MoveCount, 2);
    EXPECT_EQ(w.game.State.Board(6, 4), 0);
}

TEST(MainWindowGames, TwoPlayersClickAGameToItsEnd) {
    DialogAnswerer answers;
    Window w(4, 4, "/nonexistent/", [](Settings& s) { s.GameMode = 2; });
    MainWindowControls& c = w.c();
    w.ClickCell(1, 1);
    EXPECT_EQ(answers.messages, QStringList{"そこには置けません"});
    int guard = 0;
    while (c.cmdPass->isEnabled() && guard++ < 30) {
        GameState copy = w.game.State;
        ASSERT_TRUE(CollectCandidates(copy, copy.SideToMove));
        w.ClickCell(copy.CandX[1], copy.CandY[1]);
    }
    EXPECT_FALSE(c.cmdPass->isEnabled());
    EXPECT_EQ(answers.messages.count("どちらも置くところがないので、これまで"), 1);
    EXPECT_EQ(answers.questions.back(), "記録しますか？");
    EXPECT_TRUE(c.lblResult->text().endsWith("の勝ち。") ||
                c.lblResult->text() == "引き分けです。");
    EXPECT_TRUE(c.cmdRestart->isEnabled());
    EXPECT_FALSE(w.Cell(1, 2)->isEnabled());
}

// The keyboard's cell of a window, moved there with Home and the arrow keys.
void KeyTo(Window& w, int x, int y) {
    QWidget* from = w.form->focusWidget() != nullptr ? w.form->focusWidget() : w.c().cmdEnd;
    QTest::keyClick(from, Qt::Key_Home);
    BoardCursor* cursor = w.form->Board()->Cursor();
    for (int i = 1; i < x; ++i) {
        QTest::keyClick(cursor, Qt::Key_Right);
    }
    for (int i = 1; i < y; ++i) {
        QTest::keyClick(cursor, Qt::Key_Down);
    }
}

TEST(MainWindowKeys, ClicksAndKeysDuringTheBlinkChangeNothing) {
    DialogAnswerer answers;
    Window w(8, 8, "/nonexistent/", [](Settings& s) { s.FlashMove = true; });
    MainWindowControls& c = w.c();
    w.form->show();
    w.ClickCell(5, 3); // the computer answers (4, 3) here
    ASSERT_TRUE(w.game.MoveInProgress());
    BoardCursor* cursor = w.form->Board()->Cursor();
    const std::pair at(cursor->Column(), cursor->Row());
    const int color = w.game.State.NextColor;
    // At the board: a click on a cell, the arrow keys and Space.
    w.ClickCell(6, 4);
    QTest::keyClick(cursor, Qt::Key_Down);
    QTest::keyClick(cursor, Qt::Key_Space);
    // At the panel: a key on a button, the colour buttons, the title label.
    QTest::keyClick(c.cmdEnd, Qt::Key_Right);
    QTest::keyClick(c.cmdEnd, Qt::Key_Y);
    QTest::mouseClick(c.cmdColor[2], Qt::LeftButton);
    QTest::mouseClick(c.lblTitle, Qt::LeftButton);
    EXPECT_EQ(std::pair(cursor->Column(), cursor->Row()), at);
    EXPECT_EQ(w.game.State.NextColor, color);
    EXPECT_TRUE(answers.messages.isEmpty());
    EXPECT_TRUE(answers.questions.isEmpty());
    ASSERT_TRUE(WaitForBlink(w));
    EXPECT_EQ(w.game.State.MoveCount, 2);
    EXPECT_EQ(w.game.State.Board(6, 4), 0);
    // Once the piece stands the same keys reach the board and the panel again.
    QTest::keyClick(cursor, Qt::Key_Down);
    EXPECT_EQ(cursor->Row(), at.second + 1);
    QTest::keyClick(c.cmdEnd, Qt::Key_Right);
    EXPECT_EQ(cursor->Column(), at.first + 1);
}

TEST(MainWindowKeys, KeysPlayTheSameGameAsClicks) {
    DialogAnswerer answers;
    auto twoPlayers = [](Settings& s) { s.GameMode = 2; };
    Window keys(4, 4, "/nonexistent/", twoPlayers);
    Window clicks(4, 4, "/nonexistent/", twoPlayers);
    keys.form->show();
    BoardCursor* cursor = keys.form->Board()->Cursor();
    ASSERT_NE(cursor, nullptr);
    EXPECT_EQ(std::pair(cursor->Column(), cursor->Row()), std::pair(1, 1));
    // An arrow key pressed on a panel button brings the keyboard to the board.
    QTest::keyClick(keys.c().cmdEnd, Qt::Key_Right);
    EXPECT_EQ(keys.form->focusWidget(), cursor);
    EXPECT_EQ(std::pair(cursor->Column(), cursor->Row()), std::pair(2, 1));
    QTest::keyClick(cursor, Qt::Key_Home);
    QTest::keyClick(cursor, Qt::Key_Left);
    QTest::keyClick(cursor, Qt::Key_Up);
    EXPECT_EQ(std::pair(cursor->Column(), cursor->Row()), std::pair(1, 1));
    for (int i = 0; i < 6; ++i) {
        QTest::keyClick(cursor, Qt::Key_Right);
        QTest::keyClick(cursor, Qt::Key_Down);
    }
    EXPECT_EQ(std::pair(cursor->Column(), cursor->Row()), std::pair(4, 4));

    // A refused cell answers as a click does.
    KeyTo(keys, 1, 1);
    QTest::keyClick(cursor, Qt::Key_Space);
    EXPECT_EQ(answers.messages, QStringList{"そこには置けません"});
    answers.messages.clear();

    // Both windows play the first candidate each turn, with colour keys and colour buttons.
    const int colourKeys[3] = {Qt::Key_B, Qt::Key_2, Qt::Key_R};
    int turn = 0;
    while (clicks.c().cmdPass->isEnabled() && turn < 30) {
        GameState copy = clicks.game.State;
        ASSERT_TRUE(CollectCandidates(copy, copy.SideToMove));
        const int x = copy.CandX[1];
        const int y = copy.CandY[1];
        const size_t colour = static_cast<size_t>(turn % 3);
        clicks.Click(clicks.c().cmdColor[colour]);
        clicks.ClickCell(x, y);
        QTest::keyClick(cursor, colourKeys[colour]);
        KeyTo(keys, x, y);
        QTest::keyClick(cursor, turn % 2 == 0 ? Qt::Key_Space : Qt::Key_Return);
        ++turn;
        ASSERT_EQ(keys.game.State.MoveCount, clicks.game.State.MoveCount) << turn;
    }
    EXPECT_FALSE(keys.c().cmdPass->isEnabled());
    EXPECT_EQ(keys.game.State.MoveRecord, clicks.game.State.MoveRecord);
    EXPECT_EQ(keys.game.State.Tally, clicks.game.State.Tally);
    EXPECT_EQ(keys.c().lblResult->text(), clicks.c().lblResult->text());
    // Over: the cells take no clicks, and no key either.
    const qsizetype messages = answers.messages.size();
    KeyTo(keys, 1, 1);
    QTest::keyClick(cursor, Qt::Key_Space);
    EXPECT_EQ(answers.messages.size(), messages);
}

TEST(MainWindowKeys, ColourKeysPressOnlyEnabledButtons) {
    DialogAnswerer answers;
    Window w(4, 4, "/nonexistent/", [](Settings& s) { s.GameMode = 2; });
    MainWindowControls& c = w.c();
    w.form->show();
    const GameState& g = w.game.State;
    QTest::keyClick(c.cmdEnd, Qt::Key_Y);
    EXPECT_EQ(g.NextColor, 2);
    QTest::keyClick(c.cmdEnd, Qt::Key_1);
    EXPECT_EQ(g.NextColor, 1);
    QTest::keyClick(c.cmdEnd, Qt::Key_3);
    EXPECT_EQ(g.NextColor, 4);
    QTest::keyClick(c.cmdEnd, Qt::Key_B, Qt::ControlModifier);
    EXPECT_EQ(g.NextColor, 4);
    // Space on a focused button is that button's, never a placement.
    QTest::keyClick(c.cmdColor[0], Qt::Key_Space);
    EXPECT_EQ(g.NextColor, 1);
    EXPECT_EQ(g.MoveCount, 0);
    // Black-and-white pieces: the colour buttons are off, and so are their keys.
    answers.answers = {true};
    QTest::mouseClick(c.lblTitle, Qt::LeftButton);
    ASSERT_TRUE(w.settings.MonoPieces);
    ASSERT_FALSE(c.cmdColor[2]->isEnabled());
    QTest::keyClick(c.cmdEnd, Qt::Key_R);
    EXPECT_EQ(g.NextColor, 1);
    EXPECT_TRUE(answers.messages.isEmpty());
}

TEST(MainWindowKeys, CursorShowsOnlyWithTheFocusAndOnlyInTheCellsCorners) {
    Window w(8, 8);
    frmTolvek& f = *w.form;
    f.show();
    f.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&f, 5000));
    f.Board()->Cursor()->clearFocus(); // the board starts with the focus
    QApplication::processEvents();
    const QImage before = f.grab().toImage();
    // The cursor on (4, 4), a piece of the initial block.
    KeyTo(w, 4, 4);
    ASSERT_TRUE(f.Board()->Cursor()->hasFocus());
    QApplication::processEvents();
    const QImage focused = f.grab().toImage();
    const QRect cell = InWindow(w.Cell(4, 4));
    const QImage piece = w.Cell(4, 4)
                             ->Picture()
                             .toImage()
                             .scaled(cell.size())
                             .convertToFormat(QImage::Format_ARGB32);
    ASSERT_FALSE(piece.isNull());
    int changed = 0;
    for (int y = 0; y < before.height(); ++y) {
        for (int x = 0; x < before.width(); ++x) {
            if (before.pixel(x, y) == focused.pixel(x, y)) {
                continue;
            }
            ++changed;
            const QPoint p(x, y);
            ASSERT_TRUE(cell.adjusted(-1, -1, 1, 1).contains(p)) << x << "," << y;
            // Inside the cell only the corners change, where the piece's picture is clear.
            const int dx = std::min(x - cell.left(), cell.right() - x);
            const int dy = std::min(y - cell.top(), cell.bottom() - y);
            ASSERT_TRUE(dx < 12 && dy < 12) << x << "," << y;
            if (cell.contains(p)) {
                ASSERT_EQ(qAlpha(piece.pixel(p - cell.topLeft())), 0) << x << "," << y;
            }
        }
    }
    EXPECT_GT(changed, 40);
    // Away from the board the cursor goes.
    f.Board()->Cursor()->clearFocus();
    QApplication::processEvents();
    EXPECT_EQ(f.grab().toImage(), before);
}

TEST(MainWindowGames, OnePlayerAgainstASeededComputer) {
    DialogAnswerer answers;
    Window w(6, 6);
    MainWindowControls& c = w.c();
    int guard = 0;
    while (c.cmdPass->isEnabled() && guard++ < 40) {
        GameState copy = w.game.State;
        if (!CollectCandidates(copy, 1)) {
            break;
        }
        w.ClickCell(copy.CandX[copy.CandCount], copy.CandY[copy.CandCount]);
        ASSERT_TRUE(w.game.State.SideToMove == 1 || !c.cmdPass->isEnabled());
    }
    EXPECT_FALSE(c.cmdPass->isEnabled());
    EXPECT_EQ(answers.messages.count("どちらも置くところがないので、これまで"), 1);
    // The counts shown are the board's.
    EXPECT_EQ(c.lblCount[0]->text(), QString::number(w.game.State.Tally[Side1].Pieces) + "個");
    EXPECT_EQ(c.lblCount[1]->text(), QString::number(w.game.State.Tally[Side2].Pieces) + "個");
}

TEST(MainWindowGames, GivingTheFirstMoveAwayWithAndWithoutBlinking) {
    for (bool flash : {false, true}) {
        DialogAnswerer answers;
        Window w(8, 8, "/nonexistent/", [flash](Settings& s) { s.FlashMove = flash; });
        frmTolvek& f = *w.form;
        MainWindowControls& c = w.c();
        f.show();
        w.Click(c.cmdPass);
        ASSERT_TRUE(WaitForBlink(w));
        EXPECT_EQ(w.game.State.MoveCount, 1) << flash;
        EXPECT_EQ(c.cmdPass->text(), "置けるところ");
        EXPECT_FALSE(c.picChar[1]->isEnabled());
        EXPECT_TRUE(c.cmdRestart->isEnabled());
        // Holding the button shows the outline on every place of side 1; releasing clears them.
        GameState copy = w.game.State;
        ASSERT_TRUE(CollectCandidates(copy, 1));
        QTest::mousePress(c.cmdPass, Qt::LeftButton);
        EXPECT_EQ(Expected(w.Cell(copy.CandX[1], copy.CandY[1])->Picture()),
                  Expected(f.Pictures().imgSun[8]));
        QTest::mouseRelease(c.cmdPass, Qt::LeftButton);
        EXPECT_FALSE(w.Cell(copy.CandX[1], copy.CandY[1])->HasPicture());
        EXPECT_EQ(w.game.State.MoveCount, 1);
    }
}

TEST(MainWindowGames, ClearingAnsweredNoThenYes) {
    DialogAnswerer answers;
    Window w;
    MainWindowControls& c = w.c();
    w.ClickCell(5, 3);
    ASSERT_EQ(w.game.State.MoveCount, 2);
    answers.answers = {false};
    w.Click(c.cmdRestart);
    EXPECT_EQ(answers.questions.back(), "クリアしますか？");
    EXPECT_EQ(w.game.State.MoveCount, 2);
    answers.answers = {true};
    w.Click(c.cmdRestart);
    EXPECT_EQ(w.game.State.MoveCount, 0);
    EXPECT_FALSE(w.Cell(5, 3)->HasPicture());
    EXPECT_TRUE(w.Cell(4, 4)->HasPicture());
    EXPECT_FALSE(c.cmdRestart->isEnabled());
    EXPECT_EQ(c.cmdPass->text(), "先手をかえる");
    EXPECT_TRUE(c.picChar[1]->isEnabled());
}

TEST(MainWindowGames, QuitAnsweredNoRestoresTheTimers) {
    DialogAnswerer answers;
    Window w(8, 8, "/nonexistent/", [](Settings& s) { s.GameMode = 3; });
    MainWindowControls& c = w.c();
    QtGameClock& clock = w.form->Clock();
    w.Click(c.cmdPass);
    EXPECT_TRUE(clock.timAuto.isActive());
    EXPECT_EQ(clock.timAuto.interval(), 500);
    answers.answers = {false};
    w.Click(c.cmdEnd);
    EXPECT_EQ(answers.questions.back(), "ぽるぽらを終了しますか？");
    EXPECT_TRUE(clock.timAuto.isActive());
    EXPECT_FALSE(clock.timAutoRestart.isActive());
}

TEST(StartupFit, MessagesHeightFirstInFullWidth) {
    Settings s;
    s.BoardWidth = 30;
    s.BoardHeight = 30;
    s.MidX = 25;
    s.MidY = 25;
    const QStringList messages = FitBoardToScreen(s, 22, 17);
    ASSERT_EQ(messages.size(), 2);
    EXPECT_EQ(messages[0], "盤面（たて）サイズが大きすぎるので調整します\n（３０→２２）");
    EXPECT_EQ(messages[1], "盤面（よこ）サイズが大きすぎるので調整します\n（３０→１７）");
    EXPECT_EQ(s.BoardHeight, 22);
    EXPECT_EQ(s.MidY, 11);
    EXPECT_EQ(s.MidX, 8);
    Settings fits;
    EXPECT_TRUE(FitBoardToScreen(fits, 14, 17).isEmpty());
}

TEST(CharacterFiles, OneFileReplacesOnePicture) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    QImage red(48, 48, QImage::Format_RGB32);
    red.fill(QColor(255, 0, 0));
    ASSERT_TRUE(red.save(dir.filePath("TLVFISH3.BMP"), "BMP"));
    QFile broken(dir.filePath("TLVSUN2.BMP"));
    ASSERT_TRUE(broken.open(QIODevice::WriteOnly));
    broken.write("not a picture");
    broken.close();
    Window builtIn;
    Window w(8, 8, dir.path() + "/");
    for (int i = 0; i <= 8; ++i) {
        const size_t k = static_cast<size_t>(i);
        EXPECT_EQ(Expected(w.form->Pictures().imgSun[k]),
                  Expected(builtIn.form->Pictures().imgSun[k]));
        EXPECT_EQ(Expected(w.form->Pictures().imgBear[k]),
                  Expected(builtIn.form->Pictures().imgBear[k]));
        if (i != 3) {
            EXPECT_EQ(Expected(w.form->Pictures().imgFish[k]),
                      Expected(builtIn.form->Pictures().imgFish[k]));
        }
    }
    EXPECT_EQ(w.form->Pictures().imgFish[3].toImage().pixelColor(20, 20), QColor(255, 0, 0));
}

TEST(CharacterFiles, TheGameAndTheMakerNameTheSameFiles) {
    ASSERT_EQ(CharacterStems.size(), CharacterSets.size());
    for (size_t i = 0; i < CharacterSets.size(); ++i) {
        EXPECT_EQ(std::string_view(CharacterStems[i]), CharacterSets[i].Stem);
        EXPECT_EQ(CharacterSets[i].Index, static_cast<int>(i));
    }
}

TEST(GameSession, MessagesFindTheWindowOnlyWhileItIsLoaded) {
    auto session = std::make_unique<GameSession>("/nonexistent/", 1);
    const MessageContext context = session->DialogContext();
    EXPECT_EQ(context.mainWindow(), nullptr);
    EXPECT_TRUE(context.mark().isNull());
    session->settings.GameTitle = "たいとる";
    EXPECT_EQ(context.title(), "たいとる");
    StartOptions start;
    start.ReadSettings = false;
    start.FitToScreen = false;
    session->Start(start);
    ASSERT_NE(session->Window(), nullptr);
    EXPECT_EQ(context.mainWindow(), session->Window());
    // The mark is the piece at the initial block: side 1's colourless sun.
    EXPECT_EQ(Expected(context.mark()), Expected(session->Window()->Pictures().imgSun[0]));
    // Unmade in order: the window goes first and the game lets go of it.
    session.reset();
}

TEST(GameSession, TheWindowLoadsWithTheStartBarAndTheGameLetsGoOfIt) {
    Settings settings;
    MtRandom random(1);
    Game game(settings, random);
    game.AllocateBoard();
    std::vector<int> steps;
    {
        frmTolvek form(game, settings, "/nonexistent/", [&steps](int n) { steps.push_back(n); });
        form.Load();
        // Before each built-in set, before the character maker's pictures and after them.
        EXPECT_EQ(steps, (std::vector<int>{3, 4, 5, 6, 7}));
        game.RestartGame();
        EXPECT_TRUE(form.Cell(settings.MidX, settings.MidY)->HasPicture());
    }
    // The window has gone: a new game draws nowhere.
    game.RestartGame();
    EXPECT_EQ(game.State.MoveCount, 0);
}

// 72 bytes that declare a 24-bit BMP picture of width x height and hold no pixels.
QByteArray HeaderOnlyBmp(quint32 width, quint32 height) {
    QByteArray header(72, '\0');
    header[0] = 'B';
    header[1] = 'M';
    qToLittleEndian<quint32>(54, header.data() + 10);
    qToLittleEndian<quint32>(40, header.data() + 14);
    qToLittleEndian<quint32>(width, header.data() + 18);
    qToLittleEndian<quint32>(height, header.data() + 22);
    qToLittleEndian<quint16>(1, header.data() + 26);
    qToLittleEndian<quint16>(24, header.data() + 28);
    return header;
}

TEST(CharacterFiles, PipesDevicesAndOversizedPicturesKeepTheBuiltInOnes) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    test::GuardedFifo outline(dir.filePath("TLVSUN.BMP"));
    test::GuardedFifo background(dir.filePath("TLVFORM.BMP"));
    ASSERT_TRUE(outline.Made() && background.Made());
    ASSERT_TRUE(QFile::link("/dev/zero", dir.filePath("TLVBEAR0.BMP")));
    QImage wide(200, 48, QImage::Format_RGB32);
    wide.fill(QColor(255, 0, 0));
    ASSERT_TRUE(wide.save(dir.filePath("TLVFISH6.BMP"), "BMP"));
    WriteBytes(dir.filePath("TLVFISH5.BMP"), HeaderOnlyBmp(5700, 5700));

    const auto withBack = [](Settings& s) { s.BackPicture = true; };
    Window builtIn(8, 8, "/nonexistent/", withBack);
    Window w(8, 8, dir.path() + "/", withBack);
    EXPECT_FALSE(outline.Rescued());
    EXPECT_FALSE(background.Rescued());
    EXPECT_TRUE(w.c().imgBack.isNull());
    EXPECT_EQ(w.form->size(), builtIn.form->size());
    for (int i = 0; i <= 8; ++i) {
        const size_t k = static_cast<size_t>(i);
        EXPECT_EQ(Expected(w.form->Pictures().imgSun[k]),
                  Expected(builtIn.form->Pictures().imgSun[k]));
        EXPECT_EQ(Expected(w.form->Pictures().imgFish[k]),
                  Expected(builtIn.form->Pictures().imgFish[k]));
        EXPECT_EQ(Expected(w.form->Pictures().imgBear[k]),
                  Expected(builtIn.form->Pictures().imgBear[k]));
    }
}

TEST(CharacterFiles, BackgroundDeclaringMoreThanAScreenIsRefused) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    WriteBytes(dir.filePath("TLVFORM.BMP"), HeaderOnlyBmp(9000, 9000));
    const auto withBack = [](Settings& s) { s.BackPicture = true; };
    Window builtIn(8, 8, "/nonexistent/", withBack);
    Window big(8, 8, dir.path() + "/", withBack);
    EXPECT_TRUE(big.c().imgBack.isNull());
    EXPECT_EQ(big.form->size(), builtIn.form->size());

    // One that fits is shown and widens the window to hold it.
    QImage picture(900, 300, QImage::Format_RGB32);
    picture.fill(Qt::green);
    ASSERT_TRUE(picture.save(dir.filePath("TLVFORM.BMP"), "BMP"));
    Window shown(8, 8, dir.path() + "/", withBack);
    EXPECT_EQ(shown.c().imgBack.size(), QSize(900, 300));
    EXPECT_GT(shown.form->width(), builtIn.form->width());
}
