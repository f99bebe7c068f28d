// The options dialog on the real main window: opened by a click on the window's background with
// the game timers paused, never during a replay, colours tried in it put back by 取消, and what
// 決定 saves coming back at the next start.

#include "settings/frmColor.h"
#include "settings/frmOptBrd.h"
#include "tests/support/ModalDriver.h"
#include "tests/support/StartedWindow.h"
#include "ui/frmTolvek.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>

using namespace tolvekin;
using tolvekin::testing::StartedWindow;
using tolvekin::testing::WhenModalShown;

namespace {

struct OptionsWindow : StartedWindow {
    OptionsWindow(const QString& dataDir, const Settings& start) : StartedWindow(dataDir, 7) {
        settings = start;
        settings.SettingsPath = (dataDir + "TlvPar.txt").toStdString();
        StartShown();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(form));
    }
    // A click on the panel's background between the pass button and the result label.
    void ClickBackground() {
        const QPoint spot(c().cmdPass->x() + 5, 145);
        ASSERT_EQ(form->childAt(spot), nullptr);
        QTest::mouseClick(form, Qt::LeftButton, {}, spot);
    }
    QImage Cell(int x, int y) {
        return form->Cell(x, y)->Picture().toImage().convertToFormat(QImage::Format_ARGB32);
    }
};

QImage Image(const QPixmap& p) {
    return p.toImage().convertToFormat(QImage::Format_ARGB32);
}

TEST(OptionsOnMainWindow, AutomaticPlayPausedAndThePlayersLevelSaved) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    Settings start;
    start.GameMode = 3;
    start.GameLevel = 2;
    OptionsWindow w(dir.path() + "/", start);
    frmTolvek& f = *w.form;
    f.Controls().cmdPass->click();
    ASSERT_TRUE(f.Clock().timAuto.isActive());
    // Play until an automatic move has left the weak level in the settings.
    for (int i = 0; i < 10 && w.settings.GameLevel == 2; ++i) {
        f.Clock().timAuto_Timer();
    }
    ASSERT_EQ(w.settings.GameLevel, 1);
    bool opened = false;
    WhenModalShown<frmOptBrd>([&](frmOptBrd& dialog) {
        opened = true;
        EXPECT_FALSE(f.Clock().timAuto.isActive());
        EXPECT_TRUE(dialog.GameOptionsLocked());
        EXPECT_TRUE(dialog.optLevel[1]->isChecked());
        dialog.cmdClose->click();
    });
    w.ClickBackground();
    EXPECT_TRUE(opened);
    EXPECT_TRUE(f.Clock().timAuto.isActive());
    EXPECT_EQ(w.settings.GameLevel, 2);
    QFile file(dir.filePath("TlvPar.txt"));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_TRUE(file.readAll().contains("\r\n/MODE3\r\n/LEVEL2\r\n"));
}

TEST(OptionsOnMainWindow, NoDialogDuringAReplay) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    OptionsWindow w(dir.path() + "/", Settings{});
    w.game.BeginReplay(GameRecord{});
    bool opened = false;
    QTimer watchdog;
    QObject::connect(&watchdog, &QTimer::timeout, [&] {
        if (auto* d = qobject_cast<QDialog*>(QApplication::activeModalWidget())) {
            opened = true;
            d->reject();
        }
    });
    watchdog.start(20);
    w.ClickBackground();
    QTest::qWait(100);
    watchdog.stop();
    EXPECT_FALSE(opened);
    w.game.ClearGame();
    WhenModalShown<frmOptBrd>([&](frmOptBrd& dialog) {
        opened = true;
        dialog.cmdCancel->click();
    });
    QTest::mouseClick(w.c().picMode, Qt::LeftButton);
    EXPECT_TRUE(opened);
}

TEST(OptionsOnMainWindow, ConfirmedSettingsShowAtOnceAndAfterARestart) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString dataDir = dir.path() + "/";
    auto check = [](OptionsWindow& w) {
        frmTolvek& f = *w.form;
        EXPECT_EQ(f.Controls().lblTitle->text(), "テスト");
        EXPECT_EQ(f.Controls().lblModeGuide->text(), "ふたり");
        EXPECT_EQ(f.Controls().lblComment[1]->text(), "山のぽるぽら");
        EXPECT_EQ(f.Controls().lblName[2]->text(), "たいよう");
        EXPECT_EQ(w.host().Facts().BoardColor, 0x0000FF);
        EXPECT_EQ(w.host().Facts().BackgroundColor, SystemButtonFace);
        EXPECT_FALSE(f.Board()->Controls().lineTate[2]->isVisibleTo(&f));
        EXPECT_FALSE(f.Controls().cmdColor[0]->isEnabled());
        // Black-and-white bears for side 1, white suns for side 2, on the board already.
        EXPECT_EQ(w.Cell(4, 4), Image(f.Pictures().imgBear[7]));
        EXPECT_EQ(w.Cell(5, 4), Image(f.Pictures().imgSun[0]));
    };
    {
        OptionsWindow w(dataDir, Settings{});
        WhenModalShown<frmOptBrd>([](frmOptBrd& dialog) {
            dialog.txtGameTitle->setText("テスト");
            dialog.txtKoma[0]->setText("たいよう");
            dialog.optLeft[2]->click();
            dialog.optRight[0]->click();
            dialog.optMode[1]->click();
            dialog.optMono[1]->click();
            dialog.chkCross->click();
            WhenModalShown<frmColor>([](frmColor& picker) {
                picker.cmdColor[17]->click();
                picker.cmdClose->click();
            });
            dialog.cmdColor[0]->click();
            dialog.cmdClose->click();
        });
        w.ClickBackground();
        SCOPED_TRACE("at once");
        check(w);
    }
    Settings read;
    ReadSettings(read, dataDir, {});
    OptionsWindow again(dataDir, read);
    SCOPED_TRACE("after a restart");
    check(again);
}

TEST(OptionsOnMainWindow, ColoursTriedInTheDialogShowAndGoBackWithCancel) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    OptionsWindow w(dir.path() + "/", Settings{});
    auto pick = [](int cell) {
        WhenModalShown<frmColor>([cell](frmColor& picker) {
            picker.cmdColor[static_cast<size_t>(cell)]->click();
            picker.cmdClose->click();
        });
    };
    bool opened = false;
    WhenModalShown<frmOptBrd>([&](frmOptBrd& dialog) {
        opened = true;
        pick(17); // red
        dialog.cmdColor[0]->click();
        pick(0); // white
        dialog.cmdColor[1]->click();
        EXPECT_EQ(w.host().Facts().BoardColor, 0x0000FF);
        EXPECT_EQ(w.host().Facts().BackgroundColor, 0xFFFFFF);
        dialog.cmdCancel->click();
    });
    w.ClickBackground();
    EXPECT_TRUE(opened);
    EXPECT_EQ(w.host().Facts().BoardColor, 0xFFFFFF);
    EXPECT_EQ(w.host().Facts().BackgroundColor, SystemButtonFace);
    EXPECT_FALSE(QFile::exists(dir.filePath("TlvPar.txt")));
}

} // namespace
