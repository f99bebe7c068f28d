// The options dialog against a recording main window: what it locks during a game, what 初期化,
// 取消 and 決定 do to the settings, the main window and the settings file, and the colour picker
// and board-size dialog it opens.

#include "settings/frmColor.h"
#include "settings/frmOptBrd.h"
#include "settings/frmSize.h"
#include "settings/frmVersion.h"
#include "tests/settings/FakeOptionsHost.h"
#include "tests/settings/Helpers.h"

#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

namespace tolvekin {
namespace {

using test::FakeHost;
using test::ReadBytes;
using testing::DialogAnswerer;
using testing::WhenModalShown;

class OptionsDialog : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(dir.isValid());
        settings.SettingsPath = (dir.path() + "/TlvPar.txt").toStdString();
    }
    QByteArray File() const { return ReadBytes(QString::fromStdString(settings.SettingsPath)); }

    QTemporaryDir dir;
    Settings settings;
    FakeHost host;
};

TEST_F(OptionsDialog, AfterTheFirstMoveOnlyTheBoardsLookCanChange) {
    host.moveMade = true;
    frmOptBrd dialog(settings, host);
    ASSERT_TRUE(dialog.GameOptionsLocked());
    for (QWidget* w : std::initializer_list<QWidget*>{
             dialog.fraBoard, dialog.chkFlash, dialog.chkCursor, dialog.chkWaku, dialog.chkCross,
             dialog.chkSeeThru, dialog.chkBack, dialog.cmdSize, dialog.cmdColor[0],
             dialog.cmdColor[1], dialog.cmdVersion, dialog.cmdCancel, dialog.cmdClose}) {
        EXPECT_TRUE(w->isEnabled()) << w->metaObject()->className();
    }
    for (QWidget* w : std::initializer_list<QWidget*>{
             dialog.txtGameTitle, dialog.txtKoma[2], dialog.optLeft[0], dialog.optRight[2],
             dialog.optMode[0], dialog.optLevel[1], dialog.optMono[1], dialog.cmdInitial}) {
        EXPECT_FALSE(w->isEnabled()) << w->metaObject()->className();
    }
    // 決定 applies the look and saves, but leaves the running game's panel alone.
    dialog.cmdClose_Click();
    EXPECT_EQ(host.calls, QStringList{"apply"});
    EXPECT_FALSE(File().isEmpty());
}

TEST_F(OptionsDialog, StrengthOnlyInOnePlayerMode) {
    settings.GameMode = 2;
    frmOptBrd dialog(settings, host);
    EXPECT_FALSE(dialog.GameOptionsLocked());
    EXPECT_TRUE(dialog.optMode[1]->isChecked());
    EXPECT_FALSE(dialog.fraLevel->isEnabled());
    EXPECT_FALSE(dialog.optLevel[0]->isEnabled());
    QTest::mouseClick(dialog.optMode[0], Qt::LeftButton);
    EXPECT_TRUE(dialog.optLevel[0]->isEnabled());
    EXPECT_TRUE(dialog.optLevel[1]->isEnabled());
    QTest::mouseClick(dialog.optMode[2], Qt::LeftButton);
    EXPECT_FALSE(dialog.optLevel[1]->isEnabled());
    dialog.cmdClose_Click();
    EXPECT_EQ(settings.GameMode, 3);
    EXPECT_TRUE(File().contains("\r\n/MODE3\r\n"));
}

TEST_F(OptionsDialog, OpeningRunsTheReactionsOfTheLoadedSettings) {
    settings.SeeThrough = true;
    settings.BackPicture = true; // but there is no picture file
    frmOptBrd dialog(settings, host);
    EXPECT_FALSE(dialog.cmdColor[0]->isEnabled());
    EXPECT_FALSE(dialog.cmdColor[1]->isEnabled());
    EXPECT_TRUE(host.seeThrough);
    EXPECT_FALSE(host.pictureShown);
    // Clearing the box enables its colour button again and takes the picture away.
    dialog.chkBack->click();
    EXPECT_TRUE(dialog.cmdColor[1]->isEnabled());
    EXPECT_EQ(host.calls.back(), "picture 0");
    host.pictureExists = true;
    dialog.chkBack->click();
    EXPECT_TRUE(host.pictureShown);
    dialog.chkSeeThru->click();
    EXPECT_FALSE(host.seeThrough);
    EXPECT_TRUE(dialog.cmdColor[0]->isEnabled());
}

TEST_F(OptionsDialog, InitialiseThenCancelGivesEverythingBack) {
    settings.GameTitle = "ABC";
    settings.CharName[2] = "さかな";
    settings.CharSet = {"", "BEAR", "BEAR"};
    settings.GameMode = 2;
    settings.ShowCross = false;
    settings.HintCursor = true;
    settings.BoardColor = 0x0000FF;
    settings.NextMaxBoardX = 12;
    settings.NextMidX = 9;
    settings.BoardWidth = 10; // the running board stays
    host.board = 0x0000FF;
    const Settings before = settings;
    frmOptBrd dialog(settings, host);
    EXPECT_TRUE(dialog.optLeft[2]->isChecked());
    EXPECT_TRUE(dialog.optRight[2]->isChecked()); // both sides may choose the same set

    dialog.cmdInitial_Click();
    EXPECT_EQ(dialog.txtGameTitle->text(), "ぽるぽら");
    EXPECT_EQ(dialog.txtKoma[1]->text(), "おさかな");
    EXPECT_TRUE(dialog.optLeft[0]->isChecked());
    EXPECT_TRUE(dialog.optRight[1]->isChecked());
    EXPECT_TRUE(dialog.optMode[0]->isChecked());
    EXPECT_TRUE(dialog.optLevel[0]->isEnabled());
    EXPECT_TRUE(dialog.chkCross->isChecked());
    EXPECT_FALSE(dialog.chkCursor->isChecked());
    EXPECT_EQ(host.board, 0xFFFFFF);

    dialog.cmdCancel_Click();
    EXPECT_EQ(dialog.result(), QDialog::Rejected);
    EXPECT_EQ(settings.GameTitle, "ABC");
    EXPECT_EQ(settings.CharName[2], "さかな");
    EXPECT_EQ(settings.CharSet, before.CharSet);
    EXPECT_EQ(settings.GameMode, 2);
    EXPECT_FALSE(settings.ShowCross);
    EXPECT_EQ(settings.BoardColor, 0x0000FF);
    EXPECT_EQ(host.board, 0x0000FF);
    EXPECT_TRUE(settings.HintCursor);
    EXPECT_EQ(settings.NextMaxBoardX, 12);
    EXPECT_EQ(settings.NextMidX, 9);
    EXPECT_EQ(settings.BoardWidth, 10);
    EXPECT_TRUE(File().isEmpty()); // nothing saved
}

TEST_F(OptionsDialog, BoardColourCancelledThenConfirmed) {
    auto pickRed = [](frmColor& picker) {
        EXPECT_EQ(picker.COLOR_TYPE, 1);
        picker.cmdColor[17]->click(); // &H000000FF, red
        picker.cmdClose->click();
    };
    {
        frmOptBrd dialog(settings, host);
        WhenModalShown<frmColor>(pickRed);
        dialog.cmdColor_Click(0);
        EXPECT_EQ(host.board, 0x0000FF); // previewed on the main window
        EXPECT_EQ(settings.BoardColor, 0xFFFFFF);
        dialog.cmdCancel_Click();
        EXPECT_EQ(host.board, 0xFFFFFF);
    }
    frmOptBrd dialog(settings, host);
    WhenModalShown<frmColor>(pickRed);
    dialog.cmdColor_Click(0);
    dialog.cmdClose_Click();
    EXPECT_EQ(settings.BoardColor, 0x0000FF);
    EXPECT_TRUE(File().contains("\r\n/CLRBRD255\r\n"));
}

TEST_F(OptionsDialog, BackgroundColourPreviewedThenPutBack) {
    frmOptBrd dialog(settings, host);
    WhenModalShown<frmColor>([](frmColor& picker) {
        EXPECT_EQ(picker.COLOR_TYPE, 2);
        picker.cmdColor[0]->click();
        picker.cmdClose->click();
    });
    dialog.cmdColor_Click(1);
    EXPECT_EQ(host.background, 0xFFFFFF);
    EXPECT_EQ(host.calls, QStringList{"background"});
    // 取消 puts the system colour back.
    dialog.cmdCancel_Click();
    EXPECT_EQ(host.background, SystemButtonFace);
}

TEST_F(OptionsDialog, LongTitleAndNameAreCutWhenSaved) {
    frmOptBrd dialog(settings, host);
    dialog.txtGameTitle->setText("あいうえおかきく");
    dialog.txtKoma[0]->setText("abcdefg");
    dialog.cmdClose_Click();
    EXPECT_EQ(settings.GameTitle, "あいうえおか");
    EXPECT_EQ(settings.CharName[1], "abcde");
    const QByteArray bytes = File();
    EXPECT_TRUE(bytes.contains("\r\n/TITLE\x82\xa0\x82\xa2\x82\xa4\x82\xa6\x82\xa8\x82\xa9\r\n"));
    EXPECT_TRUE(bytes.contains("\r\n/CHAR1abcde\r\n"));
}

TEST_F(OptionsDialog, BlackAndWhiteSwitchesOnlyWhenChanged) {
    {
        frmOptBrd dialog(settings, host);
        dialog.cmdClose_Click();
        EXPECT_EQ(host.calls, QStringList{"apply game options"});
    }
    host.calls.clear();
    frmOptBrd dialog(settings, host);
    QTest::mouseClick(dialog.optMono[1], Qt::LeftButton);
    dialog.cmdClose_Click();
    EXPECT_TRUE(settings.MonoPieces);
    EXPECT_EQ(host.calls, QStringList{"apply game options piece colours"});
    EXPECT_TRUE(File().contains("\r\n/MONOTrue\r\n"));
}

TEST_F(OptionsDialog, ConfirmedBuiltinSettingsAreTheSettingsFileByteForByte) {
    frmOptBrd dialog(settings, host);
    dialog.cmdClose_Click();
    EXPECT_EQ(File(), QByteArray("/FLASHFalse\r\n/CURSORFalse\r\n/BORDERTrue\r\n/CROSSTrue\r\n"
                                 "/THRUFalse\r\n/BACKFalse\r\n"
                                 "/TITLE\x82\xdb\x82\xe9\x82\xdb\x82\xe7\r\n"
                                 "/CHAR1\x82\xa8\x82\xd0\x82\xb3\x82\xdc\r\n"
                                 "/CHAR2\x82\xa8\x82\xb3\x82\xa9\x82\xc8\r\n"
                                 "/CHAR3\x82\xad\x82\xdc\x82\xb3\x82\xf1\r\n"
                                 "/KOMA1SUN\r\n/KOMA2FISH\r\n/MODE1\r\n/LEVEL1\r\n/MONOFalse\r\n"
                                 "/COLOR-2147483633\r\n/CLRBRD16777215\r\n"
                                 "/MAXX8\r\n/MAXY8\r\n/MIDX4\r\n/MIDY4\r\n[MoveSize]\r\n"
                                 "/TOP1860\r\n/LEFT2400\r\n"));
}

TEST_F(OptionsDialog, AutomaticPlayKeepsThePlayersLevel) {
    // The last automatic move left the strong level in the settings; the player chose weak.
    settings.GameMode = 3;
    settings.GameLevel = 2;
    host.autoPlay = true;
    host.moveMade = true;
    host.userLevel = 1;
    frmOptBrd dialog(settings, host);
    EXPECT_TRUE(dialog.optLevel[0]->isChecked());
    dialog.cmdClose_Click();
    EXPECT_EQ(settings.GameLevel, 1);
    EXPECT_TRUE(File().contains("\r\n/LEVEL1\r\n"));
    // Before its first move automatic play already counts as a game in progress.
    host.moveMade = false;
    frmOptBrd again(settings, host);
    EXPECT_TRUE(again.GameOptionsLocked());
}

TEST_F(OptionsDialog, FailedSaveShowsItsMessageClosesAndKeepsTheOldFile) {
    // So long a name that no spare file can be made beside it.
    const QString path = dir.path() + "/" + QString(250, u'p');
    settings.SettingsPath = path.toStdString();
    test::WriteBytes(path, "/MODE2\r\n");
    DialogAnswerer messages;
    frmOptBrd dialog(settings, host);
    dialog.cmdClose_Click();
    ASSERT_EQ(messages.messages.size(), 1);
    EXPECT_TRUE(messages.messages[0].startsWith(
        QStringLiteral("とりきめをファイルに保存できませんでした")));
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(ReadBytes(path), "/MODE2\r\n");
}

TEST_F(OptionsDialog, NewBoardIsStoredForTheNextStartOnly) {
    settings.BoardWidth = 10;
    settings.MidX = 5;
    frmOptBrd dialog(settings, host);
    WhenModalShown<frmSize>([](frmSize& size) {
        EXPECT_EQ(size.PreviewWidth(), 10); // the running board is offered
        size.txtTate->setText("9");
        size.txtYoko->setText("9");
        size.cmdCheck_Click();
        size.lblKoma_Click(1); // the top-left corner
        size.cmdClose_Click();
    });
    dialog.cmdSize_Click();
    EXPECT_EQ(settings.NextMaxBoardX, 9);
    EXPECT_EQ(settings.NextMaxBoardY, 9);
    EXPECT_EQ(settings.NextMidX, 1);
    EXPECT_EQ(settings.NextMidY, 1);
    EXPECT_EQ(settings.BoardWidth, 10);
    EXPECT_EQ(settings.MidX, 5);
    dialog.cmdClose_Click();
    EXPECT_TRUE(File().contains("\r\n/MAXX9\r\n/MAXY9\r\n/MIDX1\r\n/MIDY1\r\n"));
}

TEST_F(OptionsDialog, ABoardChosenThenCancelledIsNeverSavedLater) {
    const Settings before = settings;
    {
        frmOptBrd dialog(settings, host);
        WhenModalShown<frmSize>([](frmSize& size) {
            size.txtTate->setText("6");
            size.txtYoko->setText("12");
            size.cmdCheck_Click();
            size.cmdClose_Click();
        });
        dialog.cmdSize_Click();
        EXPECT_EQ(settings.NextMaxBoardX, 12);
        dialog.cmdCancel_Click();
    }
    EXPECT_EQ(settings.NextMaxBoardX, before.NextMaxBoardX);
    EXPECT_EQ(settings.NextMaxBoardY, before.NextMaxBoardY);
    EXPECT_EQ(settings.NextMidX, before.NextMidX);
    EXPECT_EQ(settings.NextMidY, before.NextMidY);
    // A later 決定 saves the board as it was.
    frmOptBrd again(settings, host);
    again.cmdClose_Click();
    EXPECT_TRUE(File().contains("\r\n/MAXX8\r\n/MAXY8\r\n/MIDX4\r\n/MIDY4\r\n"));
}

TEST_F(OptionsDialog, TheVersionWindowOpensHowToPlay) {
    frmOptBrd dialog(settings, host);
    bool offered = false;
    WhenModalShown<frmVersion>([&](frmVersion& version) {
        offered = version.cmdHowTo->isVisible();
        version.cmdHowTo->click();
        version.cmdEnd->click();
    });
    dialog.cmdVersion_Click();
    EXPECT_TRUE(offered);
    EXPECT_EQ(host.calls, QStringList{"how to play"});
}

TEST_F(OptionsDialog, PlacedBesideTheMainWindowAndNeverAboveIt) {
    host.topLeft = QPoint(100, 50);
    frmOptBrd high(settings, host);
    EXPECT_EQ(high.pos(), QPoint(108, (768 - 328) / 2));
    host.topLeft = QPoint(300, 500);
    frmOptBrd low(settings, host);
    EXPECT_EQ(low.pos(), QPoint(308, 508));
    EXPECT_EQ(low.windowTitle(), QStringLiteral("ぽるぽら　とりきめ"));
}

TEST_F(OptionsDialog, ColumnCaptionEmphasisedWhileItsButtonHasTheFocus) {
    frmOptBrd dialog(settings, host);
    dialog.show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&dialog));
    dialog.optRight[1]->setFocus();
    EXPECT_TRUE(testing::WaitFor([&] { return dialog.fraRight->font().bold(); }));
    EXPECT_FALSE(dialog.fraLeft->font().bold());
    dialog.txtKoma[0]->setFocus();
    EXPECT_TRUE(testing::WaitFor([&] { return !dialog.fraRight->font().bold(); }));
    // A name box selects its whole text when it gets the focus.
    EXPECT_TRUE(testing::WaitFor([&] { return dialog.txtKoma[0]->selectedText() == "おひさま"; }));
    dialog.reject();
}

} // namespace
} // namespace tolvekin
