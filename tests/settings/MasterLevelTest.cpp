// The third strength 名人 in the settings: read from the command line and the settings file,
// written back, and chosen in the options dialog, whose strength frame now holds three buttons.

#include "settings/frmOptBrd.h"
#include "settings/mdlOption.h"
#include "tests/settings/FakeOptionsHost.h"
#include "tests/settings/Helpers.h"

#include <QStyle>
#include <QStyleOptionButton>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

namespace tolvekin {
namespace {

using test::FakeHost;
using test::ReadBytes;
using test::WriteBytes;

class MasterLevel : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(dir.isValid());
        dataDir = dir.path() + "/";
    }
    int32_t LevelFrom(const QString& line) {
        ReadSettings(settings, dataDir, line.split(u' ', Qt::SkipEmptyParts));
        return settings.GameLevel;
    }
    QByteArray File() const { return ReadBytes(QString::fromStdString(settings.SettingsPath)); }

    QTemporaryDir dir;
    QString dataDir;
    Settings settings;
};

TEST_F(MasterLevel, ReadFromTheCommandLineAndTheFileAndWrittenBack) {
    EXPECT_EQ(LevelFrom("/MODE1 /LEVEL3"), 3);
    // Anything but exactly 1, 2 or 3 is the weak computer.
    for (const char* other : {"/LEVEL4", "/LEVEL03", "/LEVEL0", "/LEVEL-3", "/LEVEL3x", "/LEVEL"}) {
        settings.GameLevel = 3;
        EXPECT_EQ(LevelFrom(other), 1) << other;
    }
    WriteBytes(dataDir + "TlvPar.txt", "/MODE1\r\n/LEVEL3\r\n");
    EXPECT_EQ(LevelFrom(""), 3);
    settings.GameLevel = 3;
    ASSERT_TRUE(WriteSettings(settings, 0, 0));
    EXPECT_TRUE(File().contains("\r\n/MODE1\r\n/LEVEL3\r\n/MONO")) << File().toStdString();
    EXPECT_EQ(LevelFrom(""), 3);
}

TEST_F(MasterLevel, TheThirdButtonShowsChoosesAndSavesIt) {
    settings.SettingsPath = (dir.path() + "/TlvPar.txt").toStdString();
    settings.GameLevel = 3;
    FakeHost host;
    frmOptBrd dialog(settings, host);
    ASSERT_EQ(dialog.optLevel.size(), 3u);
    EXPECT_EQ(dialog.optLevel[2]->text(), "名人");
    EXPECT_TRUE(dialog.optLevel[2]->isChecked());
    EXPECT_FALSE(dialog.optLevel[1]->isChecked());
    // Tab from the mode lands on the selected 名人, and from there on the piece colours.
    dialog.show();
    dialog.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&dialog));
    dialog.optMode[0]->setFocus(Qt::TabFocusReason);
    QTest::keyClick(dialog.focusWidget(), Qt::Key_Tab);
    EXPECT_EQ(dialog.focusWidget(), dialog.optLevel[2]);
    QTest::keyClick(dialog.focusWidget(), Qt::Key_Tab);
    EXPECT_EQ(dialog.focusWidget(), dialog.optMono[0]);

    QTest::mouseClick(dialog.optLevel[0], Qt::LeftButton);
    dialog.cmdClose_Click();
    EXPECT_EQ(settings.GameLevel, 1);
    EXPECT_TRUE(host.calls.contains("apply game options"));

    frmOptBrd again(settings, host);
    QTest::mouseClick(again.optLevel[2], Qt::LeftButton);
    EXPECT_FALSE(again.optLevel[0]->isChecked());
    again.cmdClose_Click();
    EXPECT_EQ(settings.GameLevel, 3);
    EXPECT_TRUE(File().contains("\r\n/LEVEL3\r\n"));

    // Only against the computer, and never during a game.
    settings.GameMode = 2;
    frmOptBrd twoPlayers(settings, host);
    EXPECT_FALSE(twoPlayers.optLevel[2]->isEnabled());
    QTest::mouseClick(twoPlayers.optMode[0], Qt::LeftButton);
    EXPECT_TRUE(twoPlayers.optLevel[2]->isEnabled());
    host.moveMade = true;
    frmOptBrd locked(settings, host);
    EXPECT_FALSE(locked.optLevel[2]->isEnabled());
}

TEST_F(MasterLevel, TheThreeButtonsFitTheFrameSideBySide) {
    FakeHost host;
    frmOptBrd dialog(settings, host);
    EXPECT_EQ(dialog.fraLevel->geometry(), QRect(12, 128, 121, 37));
    const QRect inside = dialog.fraLevel->contentsRect();
    for (size_t i = 0; i < dialog.optLevel.size(); ++i) {
        QRadioButton* b = dialog.optLevel[i];
        SCOPED_TRACE(i);
        EXPECT_GE(b->x(), inside.left());
        EXPECT_LE(b->geometry().right(), inside.right());
        EXPECT_LE(b->geometry().bottom(), dialog.fraLevel->height());
        // The caption shows whole beside its indicator, in the font the others have.
        QStyleOptionButton option;
        option.initFrom(b);
        option.text = b->text();
        const QRect caption =
            b->style()->subElementRect(QStyle::SE_RadioButtonContents, &option, b);
        EXPECT_GE(caption.width(), b->fontMetrics().horizontalAdvance(b->text()));
        EXPECT_EQ(b->font(), dialog.optLevel[0]->font());
        EXPECT_GE(b->font().pointSizeF(), 8.0);
        if (i > 0) {
            EXPECT_FALSE(b->geometry().intersects(dialog.optLevel[i - 1]->geometry()));
        }
        // In line with 色色 and 白黒, which stand at the same place in a frame of the same size.
        EXPECT_EQ(b->geometry().center().y(), dialog.optMono[0]->geometry().center().y());
    }
}

} // namespace
} // namespace tolvekin
