// The keys a player presses in the settings dialogs: Enter in the board-size dialog's boxes,
// Esc in the options dialog, Tab into the option-button columns, the colour picker's focus as
// it opens, and text boxes that show the start of a text too long for them.

#include "settings/frmColor.h"
#include "settings/frmOptBrd.h"
#include "settings/frmSize.h"
#include "settings/frmVersion.h"
#include "tests/settings/FakeOptionsHost.h"
#include "tests/settings/Helpers.h"

#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>

namespace tolvekin {
namespace {

using test::FakeHost;
using testing::DialogAnswerer;
using testing::WaitFor;

// Shows a window and waits until it has the keyboard (a bounded wait that fails).
void ShowActive(QWidget& window) {
    window.show();
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
}

// Tab (or Shift+Tab) pressed where the focus is; the widget that has the focus afterwards.
QWidget* PressTab(QWidget& window, bool back = false) {
    QWidget* from = window.focusWidget();
    QTest::keyClick(from, Qt::Key_Tab, back ? Qt::ShiftModifier : Qt::NoModifier);
    return window.focusWidget();
}

class SizeDialogKeys : public ::testing::Test {
protected:
    void SetUp() override {
        // A screen on which Max gives a board unlike anything typed below.
        screen.WidthTwips = 1280 * 15;
        screen.HeightTwips = 1024 * 15;
        dialog = std::make_unique<frmSize>(settings, screen, QColor(0xC0, 0xFF, 0xFF));
        dialog->SetForm(8, 8, 4, 4);
        ShowActive(*dialog);
    }

    DialogAnswerer answers;
    Settings settings;
    ScreenMetrics screen;
    std::unique_ptr<frmSize> dialog;
};

TEST_F(SizeDialogKeys, EnterInABoxPreviewsWhatWasTypedAndNeverTheLargestBoard) {
    dialog->txtTate->setFocus();
    QTest::keyClick(dialog->txtTate, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(dialog->txtTate, "9");
    QTest::keyClick(dialog->txtTate, Qt::Key_Tab);
    ASSERT_EQ(dialog->focusWidget(), dialog->txtYoko);
    QTest::keyClick(dialog->txtYoko, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(dialog->txtYoko, "11");
    QTest::keyClick(dialog->txtYoko, Qt::Key_Return);
    EXPECT_EQ(dialog->PreviewWidth(), 11);
    EXPECT_EQ(dialog->PreviewHeight(), 9);
    EXPECT_EQ(dialog->BlockX(), 6); // 5.5 goes to the even neighbour
    EXPECT_EQ(dialog->txtTate->text(), "9");
    EXPECT_EQ(dialog->txtYoko->text(), "11");
    EXPECT_TRUE(dialog->lblGuide2[0]->isVisible());
    EXPECT_TRUE(dialog->isVisible());

    // The keypad's Enter in the other box does the same.
    QTest::keyClick(dialog->txtTate, Qt::Key_Backspace);
    QTest::keyClicks(dialog->txtTate, "7");
    QTest::keyClick(dialog->txtTate, Qt::Key_Enter, Qt::KeypadModifier);
    EXPECT_EQ(dialog->PreviewHeight(), 7);
    EXPECT_EQ(dialog->txtYoko->text(), "11");
    EXPECT_TRUE(answers.messages.isEmpty());
}

TEST_F(SizeDialogKeys, EnterWithABadNumberGivesTheRangeMessageAndKeepsTheDialog) {
    dialog->txtTate->setFocus();
    dialog->txtTate->setText("30");
    QTest::keyClick(dialog->txtTate, Qt::Key_Return);
    ASSERT_EQ(answers.messages.size(), 1);
    EXPECT_EQ(answers.messages[0], QStringLiteral("２～２６の数字を入力してください"));
    EXPECT_EQ(dialog->focusWidget(), dialog->txtTate);
    EXPECT_EQ(dialog->PreviewHeight(), 8);
    EXPECT_TRUE(dialog->isVisible());
}

TEST_F(SizeDialogKeys, EnterOnAFocusedButtonPressesThatButton) {
    dialog->txtTate->setText("9");
    dialog->txtYoko->setText("9");
    QTest::keyClick(dialog->txtYoko, Qt::Key_Return);
    // A click on the top-left cell moves the focus to 閉じる, which Enter then presses.
    QTest::mouseClick(dialog->lblKoma[1], Qt::LeftButton);
    ASSERT_EQ(dialog->focusWidget(), dialog->cmdClose);
    QTest::keyClick(dialog->cmdClose, Qt::Key_Return);
    EXPECT_FALSE(dialog->isVisible());
    EXPECT_EQ(dialog->result(), QDialog::Accepted);
    EXPECT_EQ(dialog->RTN_MAX_BOARD_X, 9);
    EXPECT_EQ(dialog->RTN_MID_X, 1);
    EXPECT_EQ(dialog->RTN_MID_Y, 1);
}

TEST_F(SizeDialogKeys, BoxesShowTheStartOfTheirNumbers) {
    dialog->txtTate->setFocus();
    QTest::keyClick(dialog->txtTate, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(dialog->txtTate, "12.5");
    QTest::keyClick(dialog->txtTate, Qt::Key_Tab);
    EXPECT_TRUE(WaitFor([&] { return dialog->txtTate->cursorPosition() == 0; }));
    // Max fills both boxes; they show their starts too.
    QTest::mouseClick(dialog->cmdMax[0], Qt::LeftButton);
    EXPECT_EQ(dialog->txtTate->cursorPosition(), 0);
    EXPECT_EQ(dialog->txtYoko->cursorPosition(), 0);
}

class OptionsDialogKeys : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(dir.isValid());
        settings.SettingsPath = (dir.path() + "/TlvPar.txt").toStdString();
    }
    bool Saved() const { return QFile::exists(QString::fromStdString(settings.SettingsPath)); }

    QTemporaryDir dir;
    Settings settings;
    FakeHost host;
};

TEST_F(OptionsDialogKeys, EscapeCancelsAsCancelDoes) {
    settings.GameMode = 2;
    frmOptBrd dialog(settings, host);
    ShowActive(dialog);
    QTest::mouseClick(dialog.cmdInitial, Qt::LeftButton);
    ASSERT_EQ(settings.GameMode, 1);
    host.board = 0x0000FF; // a board colour tried in the colour picker
    QTest::keyClick(dialog.focusWidget(), Qt::Key_Escape);
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(dialog.result(), QDialog::Rejected);
    EXPECT_EQ(settings.GameMode, 2);
    EXPECT_EQ(host.board, 0xFFFFFF);
    EXPECT_FALSE(Saved());
}

TEST_F(OptionsDialogKeys, TheCloseBoxStillLeavesThingsAsTheyAre) {
    settings.GameMode = 2;
    frmOptBrd dialog(settings, host);
    ShowActive(dialog);
    QTest::mouseClick(dialog.cmdInitial, Qt::LeftButton);
    host.board = 0x0000FF;
    dialog.close();
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(settings.GameMode, 1);
    EXPECT_EQ(host.board, 0x0000FF);
    EXPECT_FALSE(Saved());
}

TEST_F(OptionsDialogKeys, TabIntoAColumnLandsOnItsSelectedButton) {
    settings.CharSet[1] = "BEAR";
    settings.CharSet[2] = "FISH";
    settings.GameMode = 2;
    frmOptBrd dialog(settings, host);
    ShowActive(dialog);
    dialog.txtKoma[2]->setFocus(Qt::TabFocusReason);
    EXPECT_EQ(PressTab(dialog), dialog.optLeft[2]);
    EXPECT_TRUE(WaitFor([&] { return dialog.fraLeft->font().bold(); }));
    EXPECT_EQ(PressTab(dialog), dialog.optRight[1]);
    EXPECT_EQ(PressTab(dialog), dialog.optMode[1]);
    EXPECT_EQ(PressTab(dialog, true), dialog.optRight[1]);
    EXPECT_EQ(PressTab(dialog, true), dialog.optLeft[2]);
    EXPECT_EQ(PressTab(dialog, true), dialog.txtKoma[2]);

    // 初期化 selects other buttons; Tab follows the new selection.
    QTest::mouseClick(dialog.cmdInitial, Qt::LeftButton);
    ASSERT_TRUE(dialog.optLeft[0]->isChecked());
    dialog.txtKoma[2]->setFocus(Qt::TabFocusReason);
    EXPECT_EQ(PressTab(dialog), dialog.optLeft[0]);
    EXPECT_EQ(PressTab(dialog), dialog.optRight[1]);
    EXPECT_EQ(PressTab(dialog), dialog.optMode[0]);
    EXPECT_EQ(PressTab(dialog), dialog.optLevel[0]);
    dialog.reject();
}

TEST_F(OptionsDialogKeys, NameBoxesShowTheStartOfALongName) {
    settings.CharName[1] = "ながいなまえ"; // six characters, as a settings file may give
    settings.GameTitle = "ABCDEF";
    frmOptBrd dialog(settings, host);
    EXPECT_EQ(dialog.txtKoma[0]->text(), QStringLiteral("ながいなまえ"));
    EXPECT_EQ(dialog.txtKoma[0]->cursorPosition(), 0);
    EXPECT_EQ(dialog.txtGameTitle->cursorPosition(), 0);
    ShowActive(dialog);
    // Given the focus, the box selects the whole name and still shows its start.
    dialog.txtKoma[0]->setFocus(Qt::TabFocusReason);
    EXPECT_TRUE(WaitFor([&] {
        return dialog.txtKoma[0]->selectedText() == QStringLiteral("ながいなまえ") &&
               dialog.txtKoma[0]->cursorPosition() == 0;
    }));
    PressTab(dialog);
    EXPECT_TRUE(WaitFor([&] { return dialog.txtKoma[0]->cursorPosition() == 0; }));
    // 初期化 puts the built-in names in, start first.
    QTest::mouseClick(dialog.cmdInitial, Qt::LeftButton);
    EXPECT_EQ(dialog.txtKoma[0]->cursorPosition(), 0);
    dialog.reject();
}

// The focus frame of a palette button: a dotted line just inside its bevel.
bool FocusFrameDrawn(QPushButton* swatch) {
    const QImage image = swatch->grab().toImage();
    for (int x = 3; x < image.width() - 4; ++x) {
        if (QColor(image.pixel(x, 3)) == Qt::black) {
            return true;
        }
    }
    return false;
}

TEST(ColorPickerKeys, TheFocusOnTheCurrentColourShowsAsItOpens) {
    frmColor picker(QStringLiteral("ぽるぽら"));
    picker.SetColorType(1, 0xFFFFFF);
    picker.show();
    // The focus is on the current colour before any event has been handled ...
    EXPECT_EQ(picker.focusWidget(), picker.cmdColor[0]);
    // ... and drawn as soon as the window is active, without a key pressed.
    picker.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&picker));
    EXPECT_TRUE(picker.cmdColor[0]->hasFocus());
    EXPECT_TRUE(FocusFrameDrawn(picker.cmdColor[0]));
    EXPECT_FALSE(FocusFrameDrawn(picker.cmdColor[16])); // a light grey without the focus

    // The system-colour button shows its focus the same way.
    frmColor background(QStringLiteral("ぽるぽら"));
    background.SetColorType(2, SystemButtonFace);
    ShowActive(background);
    ASSERT_TRUE(background.cmdColor[48]->hasFocus());
    const QImage focused = background.cmdColor[48]->grab().toImage();
    background.cmdClose->setFocus();
    EXPECT_NE(background.cmdColor[48]->grab().toImage(), focused);
}

TEST(VersionWindowKeys, TheAddressShowsItsStart) {
    frmVersion window(nullptr, "https://tolvekin.test/a/long/way/to/the/home/page/of/the/game/");
    EXPECT_EQ(window.txtHomePage->cursorPosition(), 0);
    ShowActive(window);
    window.txtHomePage->setFocus(Qt::TabFocusReason);
    EXPECT_TRUE(WaitFor([&] { return window.txtHomePage->hasSelectedText(); }));
    EXPECT_EQ(window.txtHomePage->cursorPosition(), 0);
}

} // namespace
} // namespace tolvekin
