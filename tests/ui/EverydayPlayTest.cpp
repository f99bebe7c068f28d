// The main window as a player meets it: the keyboard from the first key, a double-click that
// places once, H and Space showing the places, the mark on the last piece, panel texts on a
// dark window, the focus mark of the buttons, a new title in the caption, and the window
// "あそびかた".

#include "engine/ComputerPlayer.h"
#include "engine/Rules.h"
#include "tests/support/DialogAnswerer.h"
#include "tests/support/StartedWindow.h"
#include "ui/ContrastText.h"
#include "ui/LastMoveMark.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QTest>

#include <gtest/gtest.h>

using namespace tolvekin;
using tolvekin::testing::DialogAnswerer;
using tolvekin::testing::StartedWindow;

namespace {

// A main window started as the game starts it, shown and active.
struct Shown : StartedWindow {
    explicit Shown(int mode = 2, int size = 8) : StartedWindow("/nonexistent/", 7) {
        settings.GameMode = mode;
        SetBoard(size, size);
        StartShown();
        form->activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(form, 5000));
    }
    BoardCursor* cursor() { return form->Board()->Cursor(); }
    std::pair<int, int> CursorCell() { return {cursor()->Column(), cursor()->Row()}; }
    int Index(int x, int y) const { return game.State.CellIndex(x, y); }
};

} // namespace

TEST(FirstKeys, TheBoardHasTheKeyboardFromTheStart) {
    DialogAnswerer answers;
    Shown w(1);
    EXPECT_EQ(QApplication::focusWidget(), w.cursor());
    EXPECT_EQ(w.CursorCell(), std::pair(1, 1));
    // Space and Enter place (here: are refused) instead of reaching 閉じる.
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    EXPECT_EQ(answers.messages, QStringList({"そこには置けません", "そこには置けません"}));
    EXPECT_TRUE(answers.questions.isEmpty());
    EXPECT_TRUE(w.form->isVisible());
}

TEST(FirstKeys, AClickMovesTheCursorAndClearingBringsItHome) {
    DialogAnswerer answers;
    Shown w(2);
    w.c().cmdEnd->setFocus();
    w.ClickCell(5, 3);
    EXPECT_EQ(w.game.State.MoveCount, 1);
    EXPECT_EQ(w.CursorCell(), std::pair(5, 3));
    EXPECT_EQ(QApplication::focusWidget(), w.cursor());
    // A refused click moves it as well.
    w.ClickCell(1, 8);
    EXPECT_EQ(w.CursorCell(), std::pair(1, 8));

    w.c().cmdRestart->setFocus();
    answers.answers = {true};
    QTest::keyClick(w.c().cmdRestart, Qt::Key_Space);
    EXPECT_EQ(answers.questions.back(), "クリアしますか？");
    EXPECT_EQ(w.game.State.MoveCount, 0);
    EXPECT_EQ(QApplication::focusWidget(), w.cursor());
    EXPECT_EQ(w.CursorCell(), std::pair(1, 1));
}

TEST(FirstKeys, AFinishedGameLeavesTheKeyboardOnTheBoard) {
    DialogAnswerer answers;
    Shown w(2, 4);
    w.ClickCell(3, 1);
    w.c().cmdEnd->setFocus();
    w.game.GameOver(); // answers no to recording
    EXPECT_EQ(answers.questions.back(), "記録しますか？");
    EXPECT_EQ(QApplication::focusWidget(), w.cursor());
    // Space there is no longer 閉じる's.
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
    EXPECT_EQ(answers.questions.size(), 1);
}

TEST(Slips, ADoubleClickPlacesOnce) {
    DialogAnswerer answers;
    Shown w(2);
    PictureBox* cell = w.form->Cell(5, 3);
    const QPointF at = cell->rect().center();
    // As a double-click arrives: press, release, double-click, release.
    QTest::mouseClick(cell, Qt::LeftButton, {}, at.toPoint());
    QMouseEvent twice(QEvent::MouseButtonDblClick, at, cell->mapToGlobal(at), Qt::LeftButton,
                      Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(cell, &twice);
    QTest::mouseRelease(cell, Qt::LeftButton, {}, at.toPoint());
    EXPECT_EQ(w.game.State.MoveCount, 1);
    EXPECT_TRUE(answers.messages.isEmpty()) << answers.messages.join("|").toStdString();
    // Two separate clicks still are two: the second is refused with its message.
    w.ClickCell(5, 3);
    EXPECT_EQ(answers.messages, QStringList{"そこには置けません"});
}

TEST(Slips, HAndSpaceHeldShowThePlacesAsThePassButtonDoes) {
    DialogAnswerer answers;
    Shown w(2);
    const GameState& g = w.game.State;
    // Before the first placement the button gives the first move away: H shows nothing.
    QTest::keyPress(w.cursor(), Qt::Key_H);
    EXPECT_FALSE(w.form->Cell(5, 3)->HasPicture());
    QTest::keyRelease(w.cursor(), Qt::Key_H);

    w.ClickCell(5, 3);
    ASSERT_EQ(w.c().cmdPass->text(), "置けるところ");
    ASSERT_GT(g.CandCount, 0);
    auto shown = [&] {
        int n = 0;
        for (int i = 1; i <= g.CandCount; ++i) {
            n += w.form->Cell(g.CandX[i], g.CandY[i])->HasPicture() ? 1 : 0;
        }
        return n;
    };
    EXPECT_EQ(shown(), 0);
    QTest::keyPress(w.cursor(), Qt::Key_H);
    EXPECT_EQ(shown(), g.CandCount);
    QKeyEvent repeat(QEvent::KeyPress, Qt::Key_H, Qt::NoModifier, "h", true); // held down
    QApplication::sendEvent(w.cursor(), &repeat);
    EXPECT_EQ(shown(), g.CandCount);
    // No placement while they show, so what shows is always the side to move's.
    w.cursor()->MoveTo(g.CandX[1], g.CandY[1]);
    QTest::keyClick(w.cursor(), Qt::Key_Space);
    EXPECT_EQ(g.MoveCount, 1);
    QTest::keyRelease(w.cursor(), Qt::Key_H);
    EXPECT_EQ(shown(), 0);
    EXPECT_EQ(g.MoveCount, 1);

    // Space held on 置けるところ does the same, and places nothing.
    w.c().cmdPass->setFocus();
    QTest::keyPress(w.c().cmdPass, Qt::Key_Space);
    EXPECT_EQ(shown(), g.CandCount);
    QTest::keyRelease(w.c().cmdPass, Qt::Key_Space);
    EXPECT_EQ(shown(), 0);
    EXPECT_EQ(g.MoveCount, 1);
    EXPECT_TRUE(answers.messages.isEmpty());
}

TEST(LastMove, TheMarkFollowsThePlacementsAndLeavesWithTheGame) {
    DialogAnswerer answers;
    Shown w(2);
    const LastMoveMark& mark = *w.form->Board()->LastMove();
    EXPECT_FALSE(mark.MarkedCell());
    PictureBox* placed = w.form->Cell(5, 3);
    const QRect cell(placed->mapTo(w.form, QPoint(0, 0)), placed->size());
    w.ClickCell(5, 3);
    EXPECT_EQ(mark.MarkedCell(), w.Index(5, 3));
    w.cursor()->clearFocus();
    QApplication::processEvents();
    // The mark sits in the cell's corner, where the new piece's picture is clear.
    const QImage withMark = w.form->grab().toImage();
    auto* markWidget = w.form->findChild<QWidget*>("LastMoveMark");
    ASSERT_NE(markWidget, nullptr);
    markWidget->hide();
    const QImage withoutMark = w.form->grab().toImage();
    markWidget->show();
    const QImage piece = w.form->Cell(5, 3)
                             ->Picture()
                             .toImage()
                             .scaled(cell.size())
                             .convertToFormat(QImage::Format_ARGB32);
    const QRect area = LastMoveMark::MarkArea(cell.size()).translated(cell.topLeft());
    int marked = 0;
    for (int y = 0; y < withMark.height(); ++y) {
        for (int x = 0; x < withMark.width(); ++x) {
            const QPoint p(x, y);
            if (withMark.pixel(p) == withoutMark.pixel(p)) {
                continue;
            }
            ++marked;
            ASSERT_TRUE(area.contains(p)) << x << "," << y;
            ASSERT_EQ(qAlpha(piece.pixel(p - cell.topLeft())), 0) << x << "," << y;
        }
    }
    EXPECT_GT(marked, 10);

    // The next placement takes the mark; a refused one leaves it.
    GameState copy = w.game.State;
    ASSERT_TRUE(CollectCandidates(copy, copy.SideToMove));
    w.ClickCell(copy.CandX[1], copy.CandY[1]);
    EXPECT_EQ(mark.MarkedCell(), w.Index(copy.CandX[1], copy.CandY[1]));
    w.ClickCell(1, 1);
    EXPECT_EQ(mark.MarkedCell(), w.Index(copy.CandX[1], copy.CandY[1]));
    answers.answers = {true};
    w.c().cmdRestart->click();
    EXPECT_FALSE(mark.MarkedCell());
}

TEST(LastMove, TheComputersMoveIsMarkedInAutomaticPlay) {
    DialogAnswerer answers;
    Shown w(3, 4);
    w.c().cmdPass->click(); // はじめる
    w.form->Clock().timAuto_Timer();
    ASSERT_EQ(w.game.State.MoveCount, 1);
    const auto& row = w.game.State.MoveRecord[1];
    EXPECT_EQ(w.form->Board()->LastMove()->MarkedCell(), w.Index(row[3], row[4]));
}

TEST(LastMove, OnlyOneNewPieceIsAPlacement) {
    const Occupancy empty(4, 0);
    EXPECT_FALSE(LastMoveAfter({}, {1, 1, 1, 1}).Cell); // a first drawing: nothing placed
    EXPECT_EQ(LastMoveAfter({1, 1, 0, 0}, {1, 1, 1, 0}).Cell, 2);
    EXPECT_TRUE(LastMoveAfter({1, 1, 0, 0}, {1, 1, 0, 0}).Keep); // a redraw, no placement
    // A new game over an old one: pieces went, one cell of the block was empty before.
    const LastMoveChange fresh = LastMoveAfter({1, 0, 1, 1}, {0, 1, 1, 0});
    EXPECT_FALSE(fresh.Keep);
    EXPECT_FALSE(fresh.Cell);
    EXPECT_FALSE(LastMoveAfter(empty, {1, 1, 0, 0}).Cell);
}

TEST(PanelLook, TextsContrastWithTheWindowsColour) {
    Shown w(1);
    QLabel* result = w.c().lblResult;
    auto text = [&] { return result->palette().color(QPalette::Active, QPalette::WindowText); };
    EXPECT_EQ(text(), QColor(Qt::black));             // the standard button face
    w.host().ShowLook({.BackgroundColor = 0x800000}); // dark blue, as &H00BBGGRR
    EXPECT_EQ(text(), QColor(Qt::white));
    EXPECT_EQ(w.c().lblTotal[1]->palette().color(QPalette::WindowText), QColor(Qt::white));
    EXPECT_EQ(w.c().lblTitle->palette().color(QPalette::WindowText), QColor(Qt::white));
    w.host().ShowLook({.BackgroundColor = 0xC0FFFF}); // light yellow
    EXPECT_EQ(text(), QColor(Qt::black));
    EXPECT_EQ(TextColourOn(QColor(0, 0, 128)), QColor(Qt::white));
    EXPECT_EQ(TextColourOn(QColor(255, 255, 0)), QColor(Qt::black));
    EXPECT_EQ(TextColourOn(QColor(128, 128, 128)), QColor(Qt::black));
    EXPECT_EQ(TextColourOn(QColor(100, 100, 100)), QColor(Qt::white));
}

TEST(PanelLook, TheFocusedButtonIsMarkedAndTheBoardIsNot) {
    Shown w(1);
    const FocusMark* found = w.form->findChild<FocusMark*>();
    ASSERT_NE(found, nullptr);
    const FocusMark& mark = *found;
    EXPECT_FALSE(mark.isVisible());
    QTest::keyClick(w.cursor(), Qt::Key_Tab);
    auto* button = qobject_cast<QPushButton*>(QApplication::focusWidget());
    ASSERT_NE(button, nullptr);
    EXPECT_EQ(mark.Target(), button);
    EXPECT_TRUE(mark.isVisible());
    EXPECT_EQ(mark.geometry(), button->geometry());
    // The mark can be seen: a dotted line a few pixels inside the button's top edge.
    const QRect r = button->geometry();
    const QImage marked = w.form->grab(r).toImage();
    w.cursor()->setFocus();
    QApplication::processEvents();
    EXPECT_FALSE(mark.isVisible());
    const QImage plain = w.form->grab(r).toImage();
    int dots = 0;
    for (int x = 0; x < plain.width(); ++x) {
        dots += marked.pixel(x, 3) != plain.pixel(x, 3) ? 1 : 0;
    }
    EXPECT_GT(dots, plain.width() / 4);
}

TEST(PanelLook, ANewTitleReachesTheCaptionAtOnce) {
    Shown w(1);
    w.session.settings.GameTitle = "いろいろ";
    w.host().ApplySettings({.GameOptions = true});
    EXPECT_EQ(w.form->windowTitle(), "いろいろ");
    EXPECT_EQ(w.c().lblTitle->text(), "いろいろ");
}

TEST(HowToPlay, F1OpensItBesideTheGameAndEscapeClosesIt) {
    Shown w(1);
    EXPECT_EQ(w.form->findChild<frmHelp*>(), nullptr);
    QTest::keyClick(w.cursor(), Qt::Key_F1);
    frmHelp* help = w.form->findChild<frmHelp*>();
    ASSERT_NE(help, nullptr);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(help));
    EXPECT_EQ(help->windowTitle(), "ぽるぽら　あそびかた");
    EXPECT_FALSE(help->isModal()); // the game goes on beside it
    const QString text = help->lblRules->text() + help->lblScoring->text();
    for (const char* part : {"置きかた", "色のまざりかた", "得点", "パス", "ひとり", "ふたり",
                             "全自動", "「弱い」と「強い」", "黒でない自分のコマの数"}) {
        EXPECT_TRUE(text.contains(QString::fromUtf8(part))) << part;
    }
    // Every swatch of the table shows the colour the game mixes.
    const QImage table = help->picMix->grab().toImage();
    for (int a = 0; a < 8; ++a) {
        for (int b = 0; b < 8; ++b) {
            const QPoint centre = help->picMix->SwatchRect(a, b).center();
            const QPoint pixel = (QPointF(centre) * table.devicePixelRatio()).toPoint();
            EXPECT_EQ(QColor(table.pixel(pixel)), MixTable::SwatchColour(MixColor(a, b)))
                << a << " on " << b;
        }
    }
    EXPECT_EQ(MixTable::SwatchColour(3), QColor(0, 255, 0)); // green, the bear's body
    QTest::keyClick(help, Qt::Key_Escape);
    EXPECT_FALSE(help->isVisible());
    // Opened again, it is the same window; a new title reaches its caption as well.
    QTest::keyClick(w.c().cmdEnd, Qt::Key_F1);
    EXPECT_EQ(w.form->findChild<frmHelp*>(), help);
    EXPECT_TRUE(help->isVisible());
    w.session.settings.GameTitle = "いろいろ";
    w.host().ApplySettings({.GameOptions = true});
    EXPECT_EQ(help->windowTitle(), "いろいろ　あそびかた");
}

TEST(HowToPlay, OverTheDialogsItTakesTheInputUntilItCloses) {
    Shown w(1);
    w.host().ShowHowToPlay(); // from the version window, over the options dialog
    frmHelp* help = w.form->findChild<frmHelp*>();
    ASSERT_NE(help, nullptr);
    EXPECT_TRUE(help->isVisible());
    EXPECT_TRUE(help->isModal());
    QTest::keyClick(help, Qt::Key_Escape);
    EXPECT_FALSE(help->isVisible());
    EXPECT_FALSE(help->isModal());
    QTest::keyClick(w.cursor(), Qt::Key_F1);
    EXPECT_TRUE(help->isVisible());
    EXPECT_FALSE(help->isModal());
}
