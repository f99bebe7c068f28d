// The board-size dialog driven as the user drives it: the numbered preview, 仮決定 with its
// range messages, clicks that move the initial block, Max and 8x8, the dialog growing, the
// priority view, and what the options dialog gets back after 閉じる or the close box.

#include "settings/DialogHelpers.h"
#include "settings/SizePreview.h"
#include "settings/frmSize.h"
#include "tests/settings/Helpers.h"

#include <QTest>

#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>

namespace tolvekin {
namespace {

using testing::DialogAnswerer;

const QColor Grey(0xC0, 0xC0, 0xC0);

QColor Back(const QLabel* cell) {
    return cell->palette().color(QPalette::Window);
}

QColor Text(const QLabel* cell) {
    return cell->palette().color(QPalette::WindowText);
}

class SizeDialog : public ::testing::Test {
protected:
    void SetUp() override {
        owner.setGeometry(200, 150, 393, 300);
        owner.show();
        screen.WidthTwips = 1280 * 15;
        screen.HeightTwips = 1024 * 15;
        dialog = std::make_unique<frmSize>(settings, screen, QColor(0xC0, 0xFF, 0xFF), &owner);
    }

    // Types into both boxes and presses 仮決定.
    void Preview(const QString& tate, const QString& yoko) {
        dialog->txtTate->setText(tate);
        dialog->txtYoko->setText(yoko);
        QTest::mouseClick(dialog->cmdCheck, Qt::LeftButton);
    }

    void ClickCell(int n) {
        QTest::mouseClick(dialog->lblKoma[static_cast<size_t>(n)], Qt::LeftButton);
    }

    int CellCount() const { return static_cast<int>(dialog->lblKoma.size()) - 1; }

    // The centre of the dialog's outer frame and of the owner's.
    QPoint Centre(const QWidget& w) const { return QRect(w.pos(), OuterSize(w)).center(); }

    DialogAnswerer answers;
    Settings settings;
    ScreenMetrics screen;
    QWidget owner;
    std::unique_ptr<frmSize> dialog;
};

TEST_F(SizeDialog, OpensOnTheRunningBoardWithTheBlockMarked) {
    dialog->SetForm(8, 8, 4, 4);
    dialog->show();
    EXPECT_EQ(dialog->windowTitle(), QStringLiteral("ぽるぽら　サイズの変更"));
    EXPECT_EQ(dialog->txtTate->text(), "8");
    EXPECT_EQ(dialog->txtYoko->text(), "8");
    EXPECT_EQ(dialog->cmdMax[1]->text(), "8x8");
    ASSERT_EQ(CellCount(), 64);
    // Numbered row by row; neighbours overlap by one pixel.
    EXPECT_EQ(dialog->lblKoma[1]->geometry(), QRect(125, 40, 21, 21));
    EXPECT_EQ(dialog->lblKoma[2]->geometry(), QRect(145, 40, 21, 21));
    EXPECT_EQ(dialog->lblKoma[9]->geometry(), QRect(125, 60, 21, 21));
    EXPECT_EQ(dialog->lblKoma[64]->text(), "64");
    for (int n = 1; n <= 64; ++n) {
        SCOPED_TRACE(n);
        const QLabel* cell = dialog->lblKoma[static_cast<size_t>(n)];
        if (n == 28 || n == 37) {
            EXPECT_EQ(Back(cell), QColor(Qt::black));
            EXPECT_EQ(Text(cell), QColor(Qt::white));
        } else if (n == 29 || n == 36) {
            EXPECT_EQ(Back(cell), QColor(Qt::white));
            EXPECT_EQ(Text(cell), QColor(Qt::black));
        } else {
            EXPECT_EQ(Back(cell), Grey);
            EXPECT_EQ(Text(cell), QColor(Qt::black));
        }
    }
    // Setting the boxes counts as typing: the guide is hidden and cells cannot be clicked yet.
    EXPECT_TRUE(dialog->lblGuide2[0]->isHidden());
    EXPECT_TRUE(dialog->lblGuide2[1]->isHidden());
    ClickCell(1);
    EXPECT_EQ(dialog->BlockX(), 4);
    // The buttons below the preview moved down, 16 pixels under the last row.
    EXPECT_EQ(dialog->cmdCheck->geometry(), QRect(12, 217, 65, 25));
    EXPECT_EQ(dialog->cmdClose->geometry(), QRect(248, 217, 65, 25));
    EXPECT_EQ(dialog->lblGuide2[0]->y(), 217);
    EXPECT_EQ(dialog->lblGuide2[1]->y(), 217 + dialog->lblGuide2[0]->height());
    EXPECT_EQ(OuterSize(*dialog), QSize(332, 274));
    EXPECT_LE((Centre(*dialog) - Centre(owner)).manhattanLength(), 1);
}

TEST_F(SizeDialog, OutOfRangeNumbersAreRefusedAndTheFocusGoesBack) {
    dialog->SetForm(8, 8, 4, 4);
    dialog->show();
    Preview("30", "8");
    ASSERT_EQ(answers.messages.size(), 1);
    EXPECT_EQ(answers.messages[0], QStringLiteral("２～２６の数字を入力してください"));
    EXPECT_EQ(dialog->focusWidget(), dialog->txtTate);
    Preview("10", "39");
    ASSERT_EQ(answers.messages.size(), 2);
    EXPECT_EQ(answers.messages[1], QStringLiteral("２～３８の数字を入力してください"));
    EXPECT_EQ(dialog->focusWidget(), dialog->txtYoko);
    Preview("abc", "1");
    EXPECT_EQ(answers.messages.size(), 3);
    EXPECT_EQ(dialog->focusWidget(), dialog->txtTate);
    // Nothing else changed.
    EXPECT_EQ(CellCount(), 64);
    EXPECT_EQ(dialog->PreviewWidth(), 8);
    EXPECT_TRUE(dialog->lblGuide2[0]->isHidden());
}

TEST_F(SizeDialog, NineByNineAndClicksThatMoveTheBlock) {
    dialog->SetForm(8, 8, 4, 4);
    dialog->show();
    Preview("9", "9");
    EXPECT_TRUE(answers.messages.isEmpty());
    ASSERT_EQ(CellCount(), 81);
    EXPECT_FALSE(dialog->lblGuide2[0]->isHidden());
    // The guide beside 仮決定 ends before 閉じる, which would hide its end.
    EXPECT_LT(dialog->lblGuide2[0]->geometry().right(), dialog->cmdClose->x());
    // Halves go to the even neighbour: the block of a 9-wide board starts at column 4.
    EXPECT_EQ(dialog->BlockX(), 4);
    EXPECT_EQ(dialog->BlockY(), 4);
    EXPECT_EQ(Back(dialog->lblKoma[31]), QColor(Qt::black)); // column 4, row 4
    ClickCell(81); // last row and column: the block would not fit
    ClickCell(9);  // last column
    ClickCell(73); // last row
    EXPECT_EQ(dialog->BlockX(), 4);
    EXPECT_EQ(dialog->BlockY(), 4);
    ClickCell(1);
    EXPECT_EQ(dialog->BlockX(), 1);
    EXPECT_EQ(dialog->BlockY(), 1);
    EXPECT_EQ(dialog->focusWidget(), dialog->cmdClose);
    EXPECT_EQ(Back(dialog->lblKoma[1]), QColor(Qt::black));
    EXPECT_EQ(Back(dialog->lblKoma[11]), QColor(Qt::black));
    EXPECT_EQ(Back(dialog->lblKoma[2]), QColor(Qt::white));
    EXPECT_EQ(Back(dialog->lblKoma[31]), Grey);
    ClickCell(71); // column 8, row 8
    EXPECT_EQ(dialog->BlockX(), 8);
    EXPECT_EQ(dialog->BlockY(), 8);

    // 閉じる hands back the preview; numbers typed since 仮決定 are not taken.
    dialog->txtYoko->setText("12");
    QTest::mouseClick(dialog->cmdClose, Qt::LeftButton);
    EXPECT_EQ(dialog->result(), QDialog::Accepted);
    EXPECT_EQ(dialog->RTN_MAX_BOARD_X, 9);
    EXPECT_EQ(dialog->RTN_MAX_BOARD_Y, 9);
    EXPECT_EQ(dialog->RTN_MID_X, 8);
    EXPECT_EQ(dialog->RTN_MID_Y, 8);
}

TEST_F(SizeDialog, TypingAgainSwitchesTheCellClicksOff) {
    dialog->SetForm(10, 6, 5, 3);
    dialog->show();
    Preview("6", "10");
    EXPECT_EQ(dialog->BlockX(), 5);
    dialog->txtYoko->setText("11");
    EXPECT_TRUE(dialog->lblGuide2[0]->isHidden());
    EXPECT_TRUE(dialog->lblGuide2[1]->isHidden());
    ClickCell(1);
    EXPECT_EQ(dialog->BlockX(), 5);
    QTest::mouseClick(dialog->cmdCheck, Qt::LeftButton);
    EXPECT_EQ(dialog->BlockX(), 6); // 11 / 2 = 5.5 goes to 6
    ClickCell(1);
    EXPECT_EQ(dialog->BlockX(), 1);
}

TEST_F(SizeDialog, MaxAndEightByEightPreviewAtOnce) {
    int32_t rows = 0;
    int32_t cols = 0;
    ScreenMetrics copy = screen;
    GetMaxBoardSize(copy, rows, cols);
    dialog->SetForm(8, 8, 4, 4);
    dialog->show();
    QTest::mouseClick(dialog->cmdMax[0], Qt::LeftButton);
    EXPECT_EQ(dialog->txtTate->text(), QString::number(rows));
    EXPECT_EQ(dialog->txtYoko->text(), QString::number(cols));
    EXPECT_EQ(CellCount(), rows * cols);
    EXPECT_EQ(dialog->PreviewWidth(), cols);
    EXPECT_FALSE(dialog->lblGuide2[0]->isHidden());
    QTest::mouseClick(dialog->cmdMax[1], Qt::LeftButton);
    EXPECT_EQ(CellCount(), 64);
    EXPECT_EQ(dialog->BlockX(), 4);
    EXPECT_FALSE(dialog->lblGuide2[0]->isHidden());
    EXPECT_TRUE(answers.messages.isEmpty());
}

TEST_F(SizeDialog, GrowsWithThePreviewAndNeverShrinks) {
    dialog->SetForm(8, 8, 4, 4);
    dialog->show();
    const QSize small = OuterSize(*dialog);
    Preview("20", "20");
    const QSize large = OuterSize(*dialog);
    EXPECT_GT(large.width(), small.width());
    EXPECT_GT(large.height(), small.height());
    // The last cell and 閉じる fit inside, with 閉じる right-aligned under the last column.
    const QRect last = dialog->lblKoma.back()->geometry();
    EXPECT_LE(last.right() + 16, large.width());
    EXPECT_EQ(dialog->cmdClose->geometry().right(), last.right());
    EXPECT_LE(dialog->cmdClose->geometry().bottom(), dialog->height());
    // Wider than its owner: not left of the owner, vertically centred on it.
    EXPECT_EQ(dialog->x(), owner.x());
    EXPECT_LE(std::abs(Centre(*dialog).y() - Centre(owner).y()), 1);
    Preview("8", "8");
    EXPECT_EQ(OuterSize(*dialog), large);
    EXPECT_EQ(CellCount(), 64);
}

TEST_F(SizeDialog, RightClickOnTheBackgroundShowsTheWeights) {
    dialog->SetForm(8, 8, 4, 4);
    dialog->show();
    const QPoint background(4, 100);
    ASSERT_EQ(dialog->childAt(background), nullptr);
    // A right click on a cell is not one on the background.
    QTest::mouseClick(dialog->lblKoma[10], Qt::RightButton);
    EXPECT_EQ(dialog->lblKoma[1]->text(), "1");
    EXPECT_EQ(dialog->lblKoma[64]->text(), "64");

    QTest::mouseClick(dialog.get(), Qt::RightButton, {}, background);
    const QStringList weights = CellWeightCaptions(8, 8);
    for (int n : {1, 8, 57, 64}) {
        EXPECT_EQ(dialog->lblKoma[static_cast<size_t>(n)]->text(), "1") << n;
    }
    EXPECT_EQ(dialog->lblKoma[10]->text(), weights[9]);
    EXPECT_NE(weights[9], "1");
    QTest::mouseClick(dialog.get(), Qt::RightButton, {}, background); // already shown
    EXPECT_EQ(dialog->lblKoma[10]->text(), weights[9]);
    QTest::mouseClick(dialog.get(), Qt::LeftButton, {}, background);
    EXPECT_EQ(dialog->lblKoma[1]->text(), "1");
    EXPECT_EQ(dialog->lblKoma[10]->text(), "10");
    EXPECT_EQ(dialog->lblKoma[64]->text(), "64");

    // On a board too small for corners of weight 1 the numbers still come back.
    Preview("2", "3");
    QTest::mouseClick(dialog.get(), Qt::RightButton, {}, background);
    QTest::mouseClick(dialog.get(), Qt::RightButton, {}, background);
    QTest::mouseClick(dialog.get(), Qt::LeftButton, {}, background);
    for (int n = 1; n <= 6; ++n) {
        EXPECT_EQ(dialog->lblKoma[static_cast<size_t>(n)]->text(), QString::number(n));
    }
}

TEST_F(SizeDialog, ModalRunsHandBackPreviewOrOpeningValues) {
    // 閉じる after a new size and block.
    dialog->SetForm(8, 8, 4, 4);
    ASSERT_TRUE(testing::ExecWith(*dialog, [&] {
        Preview("12", "14");
        ClickCell(1);
        QTest::mouseClick(dialog->cmdClose, Qt::LeftButton);
    }));
    EXPECT_EQ(dialog->RTN_MAX_BOARD_X, 14);
    EXPECT_EQ(dialog->RTN_MAX_BOARD_Y, 12);
    EXPECT_EQ(dialog->RTN_MID_X, 1);
    EXPECT_EQ(dialog->RTN_MID_Y, 1);

    // The close box cancels: the board of the running game comes back.
    frmSize again(settings, screen, Qt::white, &owner);
    again.SetForm(10, 6, 5, 3);
    ASSERT_TRUE(testing::ExecWith(again, [&] {
        again.txtTate->setText("20");
        again.txtYoko->setText("20");
        QTest::mouseClick(again.cmdCheck, Qt::LeftButton);
        QTest::mouseClick(again.lblKoma[1], Qt::LeftButton);
        again.close();
    }));
    EXPECT_EQ(again.result(), QDialog::Rejected);
    EXPECT_EQ(again.RTN_MAX_BOARD_X, 10);
    EXPECT_EQ(again.RTN_MAX_BOARD_Y, 6);
    EXPECT_EQ(again.RTN_MID_X, 5);
    EXPECT_EQ(again.RTN_MID_Y, 3);
}

} // namespace
} // namespace tolvekin
