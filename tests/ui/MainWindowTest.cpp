// The main window built offscreen: its layout for several board sizes, the panel's controls,
// the frames it draws, and whole games played by clicking its cells and buttons.

#include "Answerer.h"
#include "ComputerPlayer.h"
#include "GuardedFifo.h"
#include "StartupFit.h"
#include "frmTolvek.h"

#include <QApplication>
#include <QImage>
#include <QTemporaryDir>
#include <QTest>
#include <QtEndian>

#include <gtest/gtest.h>

#include <cmath>
#include <memory>

using namespace tolvekin;
using tolvekin::testing::Answerer;

namespace {

struct Window {
    Settings settings;
    MtRandom random{5};
    QuietView none;
    Game game{settings, random, none};
    std::unique_ptr<frmTolvek> form;

    explicit Window(int w = 8, int h = 8, const QString& dataDir = "/nonexistent/",
                    const std::function<void(Settings&)>& adjust = {}) {
        settings.BoardWidth = w;
        settings.BoardHeight = h;
        settings.MidX = static_cast<int>(std::nearbyint(w / 2.0));
        settings.MidY = static_cast<int>(std::nearbyint(h / 2.0));
        if (adjust) {
            adjust(settings);
        }
        game.AllocateBoard();
        form = std::make_unique<frmTolvek>(game, dataDir);
        form->Load();
        game.View = form.get();
        form->LoadCharPictures();
        game.NewGame();
        form->RedrawBoard();
        game.UpdateCount();
        game.State.SideToMove = static_cast<int16_t>(game.TurnSwitch(2));
        form->timFlash.setInterval(5); // blink quickly in tests
    }
    PictureBox* Cell(int x, int y) {
        return form->picKoma[static_cast<size_t>(game.State.CellIndex(x, y))];
    }
    void Click(QWidget* w) { QTest::mouseClick(w, Qt::LeftButton, {}, w->rect().center()); }
    void ClickCell(int x, int y) { Click(Cell(x, y)); }
};

QImage Expected(const QPixmap& p) {
    return p.toImage().convertToFormat(QImage::Format_ARGB32);
}

} // namespace

TEST(MainWindowLayout, EightByEight) {
    Window w;
    const frmTolvek& f = *w.form;
    EXPECT_EQ(f.picKoma.front()->geometry(), QRect(8, 8, 48, 48));
    EXPECT_EQ(f.picKoma.back()->geometry().bottomRight(), QPoint(391, 391));
    EXPECT_EQ(f.lineTate.back()->x(), 392);
    EXPECT_EQ(f.cmdScore->x(), 410);
    EXPECT_EQ(f.cmdEnd->geometry().right() + 1, 410 + 161);
    EXPECT_EQ(f.OuterSize().width(), 410 + 161 + 14);
    EXPECT_EQ(f.lblBoard->geometry(), QRect(8, 8, 384, 384));
    // The last horizontal line closes the bottom-right corner.
    EXPECT_EQ(f.lineYoko.back()->geometry(), QRect(8, 392, 385, 1));
    EXPECT_EQ(f.lineTate[3]->geometry(), QRect(8 + 3 * 48, 8, 1, 384));
    EXPECT_EQ(w.settings.PanelWidth, 2655);
}

TEST(MainWindowLayout, SmallAndTallBoards) {
    Window small(3, 3);
    EXPECT_EQ(small.form->cmdScore->x(), 170);
    EXPECT_EQ(small.form->OuterSize().height(), 428); // the design height stays
    Window tall(5, 20);
    EXPECT_EQ(tall.form->OuterSize().height(), 8 + 20 * 48 + 35);
    Window wide(38, 26);
    EXPECT_EQ(wide.form->picKoma.size(), 988u);
    EXPECT_EQ(wide.form->cmdScore->x(), 8 + 38 * 48 + 18);
}

TEST(MainWindowLayout, FrameLinesAndInnerLines) {
    Window w(5, 4, "/nonexistent/", [](Settings& s) {
        s.ShowBorder = false;
        s.SeeThrough = true;
    });
    const frmTolvek& f = *w.form;
    EXPECT_FALSE(f.lineTate.front()->isVisibleTo(w.form.get()));
    EXPECT_FALSE(f.lineYoko.back()->isVisibleTo(w.form.get()));
    EXPECT_TRUE(f.lineTate[2]->isVisibleTo(w.form.get()));
    EXPECT_FALSE(f.lblBoard->autoFillBackground());
    w.settings.ShowCross = false;
    w.form->ApplyBoardLook();
    EXPECT_FALSE(f.lineTate[2]->isVisibleTo(w.form.get()));
}

TEST(MainWindowPanel, CharacterCycleAndNames) {
    Window w;
    frmTolvek& f = *w.form;
    EXPECT_EQ(f.lblComment[2]->text(), "海のぽるぽら");
    const char* cycle[3][2] = {
        {"SUN", "太陽のぽるぽら"}, {"BEAR", "山のぽるぽら"}, {"FISH", "海のぽるぽら"}};
    for (const auto& step : cycle) {
        w.Click(f.imgChar[2]);
        EXPECT_EQ(w.settings.CharSet[2], step[0]);
        EXPECT_EQ(f.lblComment[2]->text(), step[1]);
    }
    // Side 2 is not to move: its box is hidden and its emblem shows the outline.
    EXPECT_FALSE(f.picChar[2]->isVisibleTo(&f));
    EXPECT_EQ(Expected(f.imgChar[2]->Picture()), Expected(f.Pictures.imgFish[8]));
    // A new set redraws every piece already on the board.
    w.Click(f.picChar[1]);
    EXPECT_EQ(w.settings.CharSet[1], "BEAR");
    EXPECT_EQ(Expected(w.Cell(4, 4)->Picture()), Expected(f.Pictures.imgKomu[0]));
    EXPECT_EQ(f.lblName[1]->text(), "くまさん");
}

TEST(MainWindowPanel, BlackAndWhiteSwitch) {
    Answerer answers;
    Window w;
    frmTolvek& f = *w.form;
    answers.answers = {true};
    QTest::mouseClick(f.lblTitle, Qt::LeftButton);
    EXPECT_EQ(answers.questions, QStringList{"黒と白のコマだけにしますか？"});
    EXPECT_TRUE(w.settings.MonoPieces);
    EXPECT_FALSE(f.lblCount[0]->isVisibleTo(&f));
    EXPECT_FALSE(f.lblCountColor[1]->isVisibleTo(&f));
    EXPECT_EQ(f.lblTotal[0]->text(), "２個");
    EXPECT_FALSE(f.cmdColor[0]->isEnabled());
    EXPECT_EQ(Expected(f.picCharImg[1]->Picture()), Expected(f.Pictures.imgSun[7]));
    // Every piece shows black for side 1 and white for side 2.
    EXPECT_EQ(Expected(w.Cell(4, 4)->Picture()), Expected(f.Pictures.imgSun[7]));
    EXPECT_EQ(Expected(w.Cell(5, 4)->Picture()), Expected(f.Pictures.imgFish[0]));
    answers.answers = {true};
    QTest::mouseClick(f.lblTitle, Qt::LeftButton);
    EXPECT_EQ(answers.questions.back(), "色つきのコマにしますか？");
    EXPECT_FALSE(w.settings.MonoPieces);
    EXPECT_TRUE(f.cmdColor[2]->isEnabled());
}

TEST(MainWindowPanel, HintCursorsByMode) {
    Window w(8, 8, "/nonexistent/", [](Settings& s) { s.HintCursor = true; });
    frmTolvek& f = *w.form;
    EXPECT_TRUE(w.Cell(5, 3)->testAttribute(Qt::WA_SetCursor));
    const QImage smiling = Expected(w.Cell(5, 3)->cursor().pixmap());
    const QImage plain = Expected(w.Cell(1, 1)->cursor().pixmap());
    EXPECT_EQ(smiling, Expected(f.imgCursor[0]));
    EXPECT_EQ(plain, Expected(f.imgCursor[1]));
    w.settings.GameMode = 3;
    f.SetCursor();
    EXPECT_FALSE(w.Cell(5, 3)->testAttribute(Qt::WA_SetCursor));
}

TEST(MainWindowDrawing, RaisedFramePixels) {
    Window w;
    frmTolvek& f = *w.form;
    f.show();
    QApplication::processEvents();
    const QRect box = f.picChar[1]->geometry();
    ASSERT_TRUE(f.HasFrame3D(f.picChar[1]));
    const QImage shot = f.grab().toImage();
    const QColor light = f.palette().color(QPalette::Light);
    const QColor dark = f.palette().color(QPalette::Dark);
    EXPECT_EQ(shot.pixel(box.x() - 1, box.y() - 1), (light).rgb());
    EXPECT_EQ(shot.pixel(box.x() + box.width(), box.y() - 1), light.rgb());
    EXPECT_EQ(shot.pixel(box.x() - 1, box.y() + box.height()), (light).rgb());
    EXPECT_EQ(shot.pixel(box.x() + box.width(), box.y() + box.height()), dark.rgb());
    EXPECT_EQ(shot.pixel(box.x() + 10, box.y() + box.height()), (dark).rgb());
    // Erasing leaves the background as it was.
    f.EraseFrame3D(f.picChar[1]);
    const QImage after = f.grab().toImage();
    EXPECT_EQ(after.pixel(box.x() - 1, box.y() + 5), (f.palette().color(QPalette::Button)).rgb());
    EXPECT_EQ(after.pixel(box.x() + box.width(), box.y() + box.height()),
              f.palette().color(QPalette::Button).rgb());
}

TEST(MainWindowDrawing, FlashTogglesFourTimesAndEndsVisible) {
    Window w;
    frmTolvek& f = *w.form;
    int toggles = 0;
    bool lastVisible = true;
    QObject::connect(&f.timFlash, &QTimer::timeout, [&] {
        ++toggles;
        lastVisible = w.Cell(3, 3)->isVisible();
    });
    f.show();
    f.FlashNextMachine(3, 3);
    EXPECT_EQ(toggles, 4);
    EXPECT_EQ(f.FlashCount, 4);
    EXPECT_TRUE(lastVisible);
    EXPECT_TRUE(w.Cell(3, 3)->isVisible());
}

TEST(MainWindowGames, TwoPlayersClickAGameToItsEnd) {
    Answerer answers;
    Window w(4, 4, "/nonexistent/", [](Settings& s) { s.GameMode = 2; });
    frmTolvek& f = *w.form;
    w.ClickCell(1, 1);
    EXPECT_EQ(answers.messages, QStringList{"そこには置けません"});
    int guard = 0;
    while (f.cmdPass->isEnabled() && guard++ < 30) {
        GameState copy = w.game.State;
        ASSERT_TRUE(CollectCandidates(copy, copy.SideToMove));
        w.ClickCell(copy.CandX[1], copy.CandY[1]);
    }
    EXPECT_FALSE(f.cmdPass->isEnabled());
    EXPECT_EQ(answers.messages.count("どちらも置くところがないので、これまで"), 1);
    EXPECT_EQ(answers.questions.back(), "記録しますか？");
    EXPECT_TRUE(f.lblResult->text().endsWith("の勝ち。") ||
                f.lblResult->text() == "引き分けです。");
    EXPECT_TRUE(f.cmdRestart->isEnabled());
    EXPECT_FALSE(w.Cell(1, 2)->isEnabled());
}

TEST(MainWindowGames, OnePlayerAgainstASeededComputer) {
    Answerer answers;
    Window w(6, 6);
    frmTolvek& f = *w.form;
    int guard = 0;
    while (f.cmdPass->isEnabled() && guard++ < 40) {
        GameState copy = w.game.State;
        if (!CollectCandidates(copy, 1)) {
            break;
        }
        w.ClickCell(copy.CandX[copy.CandCount], copy.CandY[copy.CandCount]);
        ASSERT_TRUE(w.game.State.SideToMove == 1 || !f.cmdPass->isEnabled());
    }
    EXPECT_FALSE(f.cmdPass->isEnabled());
    EXPECT_EQ(answers.messages.count("どちらも置くところがないので、これまで"), 1);
    // The counts shown are the board's.
    EXPECT_EQ(f.lblCount[0]->text(), QString::number(w.game.State.Tally[1][1]) + "個");
    EXPECT_EQ(f.lblCount[1]->text(), QString::number(w.game.State.Tally[2][1]) + "個");
}

TEST(MainWindowGames, GivingTheFirstMoveAwayWithAndWithoutBlinking) {
    for (bool flash : {false, true}) {
        Answerer answers;
        Window w(8, 8, "/nonexistent/", [flash](Settings& s) { s.FlashMove = flash; });
        frmTolvek& f = *w.form;
        f.show();
        w.Click(f.cmdPass);
        EXPECT_EQ(w.game.State.MoveCount, 1) << flash;
        EXPECT_EQ(f.cmdPass->text(), "置けるところ");
        EXPECT_FALSE(f.picChar[1]->isEnabled());
        EXPECT_TRUE(f.cmdRestart->isEnabled());
        // Holding the button shows the outline on every place of side 1; releasing clears them.
        GameState copy = w.game.State;
        ASSERT_TRUE(CollectCandidates(copy, 1));
        QTest::mousePress(f.cmdPass, Qt::LeftButton);
        EXPECT_EQ(Expected(w.Cell(copy.CandX[1], copy.CandY[1])->Picture()),
                  Expected(f.Pictures.imgSun[8]));
        QTest::mouseRelease(f.cmdPass, Qt::LeftButton);
        EXPECT_FALSE(w.Cell(copy.CandX[1], copy.CandY[1])->HasPicture());
        EXPECT_EQ(w.game.State.MoveCount, 1);
    }
}

TEST(MainWindowGames, ClearingAnsweredNoThenYes) {
    Answerer answers;
    Window w;
    frmTolvek& f = *w.form;
    w.ClickCell(5, 3);
    ASSERT_EQ(w.game.State.MoveCount, 2);
    answers.answers = {false};
    w.Click(f.cmdRestart);
    EXPECT_EQ(answers.questions.back(), "クリアしますか？");
    EXPECT_EQ(w.game.State.MoveCount, 2);
    answers.answers = {true};
    w.Click(f.cmdRestart);
    EXPECT_EQ(w.game.State.MoveCount, 0);
    EXPECT_FALSE(w.Cell(5, 3)->HasPicture());
    EXPECT_TRUE(w.Cell(4, 4)->HasPicture());
    EXPECT_FALSE(f.cmdRestart->isEnabled());
    EXPECT_EQ(f.cmdPass->text(), "先手をかえる");
    EXPECT_TRUE(f.picChar[1]->isEnabled());
}

TEST(MainWindowGames, QuitAnsweredNoRestoresTheTimers) {
    Answerer answers;
    Window w(8, 8, "/nonexistent/", [](Settings& s) { s.GameMode = 3; });
    frmTolvek& f = *w.form;
    w.Click(f.cmdPass);
    EXPECT_TRUE(f.timAuto.isActive());
    EXPECT_EQ(f.timAuto.interval(), 500);
    answers.answers = {false};
    w.Click(f.cmdEnd);
    EXPECT_EQ(answers.questions.back(), "ぽるぽらを終了しますか？");
    EXPECT_TRUE(f.timAuto.isActive());
    EXPECT_FALSE(f.timAutoRestart.isActive());
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
        EXPECT_EQ(Expected(w.form->Pictures.imgSun[k]), Expected(builtIn.form->Pictures.imgSun[k]));
        EXPECT_EQ(Expected(w.form->Pictures.imgKomu[k]),
                  Expected(builtIn.form->Pictures.imgKomu[k]));
        if (i != 3) {
            EXPECT_EQ(Expected(w.form->Pictures.imgFish[k]),
                      Expected(builtIn.form->Pictures.imgFish[k]));
        }
    }
    EXPECT_EQ(w.form->Pictures.imgFish[3].toImage().pixelColor(20, 20), QColor(255, 0, 0));
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

void WriteFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
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
    WriteFile(dir.filePath("TLVFISH5.BMP"), HeaderOnlyBmp(5700, 5700));

    const auto withBack = [](Settings& s) { s.BackPicture = true; };
    Window builtIn(8, 8, "/nonexistent/", withBack);
    Window w(8, 8, dir.path() + "/", withBack);
    EXPECT_FALSE(outline.Rescued());
    EXPECT_FALSE(background.Rescued());
    EXPECT_TRUE(w.form->imgBack.isNull());
    EXPECT_EQ(w.form->size(), builtIn.form->size());
    for (int i = 0; i <= 8; ++i) {
        const size_t k = static_cast<size_t>(i);
        EXPECT_EQ(Expected(w.form->Pictures.imgSun[k]), Expected(builtIn.form->Pictures.imgSun[k]));
        EXPECT_EQ(Expected(w.form->Pictures.imgFish[k]),
                  Expected(builtIn.form->Pictures.imgFish[k]));
        EXPECT_EQ(Expected(w.form->Pictures.imgKomu[k]),
                  Expected(builtIn.form->Pictures.imgKomu[k]));
    }
}

TEST(CharacterFiles, BackgroundDeclaringMoreThanAScreenIsRefused) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    WriteFile(dir.filePath("TLVFORM.BMP"), HeaderOnlyBmp(9000, 9000));
    const auto withBack = [](Settings& s) { s.BackPicture = true; };
    Window builtIn(8, 8, "/nonexistent/", withBack);
    Window big(8, 8, dir.path() + "/", withBack);
    EXPECT_TRUE(big.form->imgBack.isNull());
    EXPECT_EQ(big.form->size(), builtIn.form->size());

    // One that fits is shown and widens the window to hold it.
    QImage picture(900, 300, QImage::Format_RGB32);
    picture.fill(Qt::green);
    ASSERT_TRUE(picture.save(dir.filePath("TLVFORM.BMP"), "BMP"));
    Window shown(8, 8, dir.path() + "/", withBack);
    EXPECT_EQ(shown.form->imgBack.size(), QSize(900, 300));
    EXPECT_GT(shown.form->width(), builtIn.form->width());
}

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
