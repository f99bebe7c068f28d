// The maker's window driven offscreen as the user drives it: clicking and dragging over cells,
// the buttons, reading and converting a character; and the maker's own message dialog.

#include "maker/MakerMessages.h"
#include "maker/frmZenbro.h"
#include "tests/support/FileBytes.h"
#include "tests/support/DialogAnswerer.h"
#include "tests/support/ModalDriver.h"

#include <QApplication>
#include <QFileInfo>
#include <QMouseEvent>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <functional>
#include <memory>

using namespace zenbro;
using tolvekin::test::ReadBytes;

namespace {

struct Maker {
    QTemporaryDir temp;
    tolvekin::testing::DialogAnswerer dialogs;
    std::unique_ptr<frmZenbro> form = std::make_unique<frmZenbro>(temp.path());

    QString Dir() const { return temp.path() + "/"; }
    PointCell* Cell(int c, int r) const { return form->picPoint[static_cast<size_t>(c + 48 * r)]; }
    bool IsSet(int c, int r) const { return form->IsSet(c + 48 * r); }
    QRgb Preview(int c, int r) const { return form->picReal->Picture().pixel(c, r); }
    void Click(QWidget* w) const { QTest::mouseClick(w, Qt::LeftButton, {}, w->rect().center()); }
    void ClickCell(int c, int r) const { Click(Cell(c, r)); }
    // Presses on one cell and drags with the button held to the centre of another.
    void Drag(int c0, int r0, int c1, int r1) const {
        PointCell* start = Cell(c0, r0);
        QTest::mousePress(start, Qt::LeftButton, {}, start->rect().center());
        const QPoint to = Cell(c1, r1)->geometry().center();
        const QPointF local = start->mapFromParent(to);
        QMouseEvent move(QEvent::MouseMove, local, start->mapToGlobal(local), Qt::NoButton,
                         Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(start, &move);
        QTest::mouseRelease(start, Qt::LeftButton, {}, local.toPoint());
    }
    int SetCount() const {
        int n = 0;
        for (int i = 0; i < GridCells; ++i) {
            n += form->IsSet(i) ? 1 : 0;
        }
        return n;
    }
};

} // namespace

TEST(ZenbroWindow, CellsFillTheEditingArea) {
    Maker m;
    const frmZenbro& f = *m.form;
    EXPECT_EQ(f.size(), QSize(606, 528));
    ASSERT_EQ(f.picPoint.size(), 2304u);
    // 529 pixels hold 48 cells of 11 with one pixel to spare, too little for a margin.
    EXPECT_EQ(f.picPoint[1]->geometry(), QRect(11, 0, 11, 11));
    EXPECT_EQ(f.picPoint[48]->geometry(), QRect(0, 11, 11, 11));
    EXPECT_EQ(f.picPoint[2303]->geometry(), QRect(517, 517, 11, 11));
    EXPECT_EQ(f.BaseName(), "TLVSUN");
    EXPECT_EQ(f.DataDir(), m.Dir());
}

TEST(ZenbroWindow, ClicksToggleOneCellAndDraggingDrawsARun) {
    Maker m;
    m.ClickCell(5, 7);
    EXPECT_EQ(m.Preview(5, 7), Black);
    EXPECT_EQ(m.SetCount(), 1);
    m.ClickCell(5, 7);
    EXPECT_FALSE(m.IsSet(5, 7));
    EXPECT_EQ(m.Preview(5, 7), White);

    // Dragging sets every cell on the way, even those the mouse skipped.
    m.Drag(2, 2, 9, 2);
    for (int c = 2; c <= 9; ++c) {
        EXPECT_TRUE(m.IsSet(c, 2)) << c;
        EXPECT_EQ(m.Preview(c, 2), Black) << c;
    }
    EXPECT_EQ(m.SetCount(), 8);
    // Starting on a set cell, the drag clears.
    m.Drag(9, 2, 6, 2);
    EXPECT_EQ(m.SetCount(), 4);
    EXPECT_TRUE(m.IsSet(5, 2));
    // A click on a set cell clears it alone.
    m.ClickCell(3, 2);
    EXPECT_EQ(m.SetCount(), 3);
    EXPECT_FALSE(m.IsSet(3, 2));
}

TEST(ZenbroWindow, ClearIsUndoneByRestoreAndGridLinesToggle) {
    Maker m;
    m.ClickCell(0, 0);
    m.ClickCell(47, 47);
    m.Click(m.form->cmdBackup);
    m.ClickCell(10, 10);
    m.Click(m.form->cmdClear);
    EXPECT_EQ(m.SetCount(), 0);
    EXPECT_EQ(m.Preview(0, 0), White);
    m.Click(m.form->cmdRestore);
    EXPECT_EQ(m.SetCount(), 2);
    EXPECT_EQ(m.Preview(47, 47), Black);
    EXPECT_EQ(m.Preview(10, 10), White);

    m.Click(m.form->cmdLine);
    EXPECT_TRUE(m.form->picPoint.back()->HasBorder());
    m.Click(m.form->cmdLine);
    EXPECT_FALSE(m.form->picPoint[1000]->HasBorder());
}

TEST(ZenbroWindow, ReadingAnOutlineSetsOnlyExactlyBlackCells) {
    Maker m;
    QImage outline(48, 48, QImage::Format_RGB32);
    outline.fill(White);
    outline.setPixel(1, 1, Black);
    outline.setPixel(2, 1, qRgb(0, 1, 0));
    outline.setPixel(3, 1, qRgb(10, 10, 10));
    ASSERT_TRUE(SavePicture(outline, m.Dir() + "TLVFISH.BMP", nullptr));
    ASSERT_TRUE(WriteNameFile(m.Dir() + "TLVFISH.TXT", "さかな", nullptr));
    m.ClickCell(20, 20);
    m.Click(m.form->cmdBackup);

    m.Click(m.form->optTai[1]);
    m.Click(m.form->cmdRead);
    EXPECT_TRUE(m.dialogs.messages.isEmpty());
    EXPECT_EQ(m.form->txtName->text(), "さかな");
    EXPECT_EQ(m.SetCount(), 1);
    EXPECT_TRUE(m.IsSet(1, 1));
    EXPECT_EQ(m.Preview(2, 1), qRgb(0, 1, 0)); // the preview shows the picture as read
    EXPECT_TRUE(m.form->PointBackup[20 + 48 * 20]);

    // No outline for the bear: a message, the grid as it was, the name box emptied.
    m.Click(m.form->optTai[2]);
    m.Click(m.form->cmdRead);
    ASSERT_EQ(m.dialogs.messages.size(), 1);
    EXPECT_TRUE(m.dialogs.messages[0].contains("TLVBEAR.BMP"));
    EXPECT_TRUE(m.form->txtName->text().isEmpty());
    EXPECT_TRUE(m.IsSet(1, 1));

    // A bitmap cut off inside its pixels is refused as unreadable; grid and preview stay.
    QImage full(48, 48, QImage::Format_RGB32);
    full.fill(Black);
    ASSERT_TRUE(SavePicture(full, m.Dir() + "TLVBEAR.BMP", nullptr));
    QFile whole(m.Dir() + "TLVBEAR.BMP");
    ASSERT_TRUE(whole.open(QIODevice::ReadWrite));
    ASSERT_TRUE(whole.resize(3000));
    whole.close();
    const QImage preview = m.form->picReal->Picture();
    m.Click(m.form->cmdRead);
    ASSERT_EQ(m.dialogs.messages.size(), 2);
    EXPECT_TRUE(m.dialogs.messages[1].contains("TLVBEAR.BMP"));
    EXPECT_TRUE(m.dialogs.messages[1].contains("途中で切れて"));
    EXPECT_EQ(m.SetCount(), 1);
    EXPECT_EQ(m.form->picReal->Picture(), preview);
}

TEST(ZenbroWindow, ConvertWritesTheFilesAndShowsTheOutlineAgain) {
    Maker m;
    for (int i = 10; i <= 30; ++i) {
        for (int j : {10, 30}) {
            m.ClickCell(i, j);
            if (i != 10 && i != 30) {
                m.ClickCell(j, i);
            }
        }
    }
    m.Click(m.form->optTai[2]);
    m.form->txtName->setText("くまのこだよ");
    m.Click(m.form->cmdConvert);

    EXPECT_TRUE(m.dialogs.messages.isEmpty()) << m.dialogs.messages.join("|").toStdString();
    EXPECT_EQ(m.form->LastReport().written.size(), 10);
    EXPECT_EQ(ReadNameFile(m.Dir() + "TLVBEAR.TXT"), "くまのこだ");
    EXPECT_EQ(QImage(m.Dir() + "TLVBEAR3.BMP").pixel(20, 20), Green);

    // Back to the black-and-white outline, saved aside as well.
    EXPECT_EQ(m.form->picReal->Picture(), PreviewFromPoints(m.form->PointBackup));
    EXPECT_EQ(m.Preview(10, 20), Black);
    EXPECT_EQ(m.SetCount(), 80);
    EXPECT_TRUE(m.form->PointBackup[10 + 48 * 20]);

    // A failing picture is told with its name in one message at the end.
    QFile::remove(m.Dir() + "TLVBEAR5.BMP");
    ASSERT_TRUE(QDir(m.Dir()).mkdir("TLVBEAR5.BMP"));
    m.dialogs.answers.push_back(true); // replace the pictures written above
    m.Click(m.form->cmdConvert);
    ASSERT_EQ(m.dialogs.messages.size(), 1);
    EXPECT_TRUE(m.dialogs.messages[0].contains("TLVBEAR5.BMP"));
    EXPECT_FALSE(m.dialogs.messages[0].contains("TLVBEAR6.BMP"));
    EXPECT_EQ(m.form->LastReport().failed, QStringList{"TLVBEAR5.BMP"});
}

TEST(ZenbroWindow, OutlineThatCannotBeSavedIsToldByName) {
    Maker m;
    frmZenbro elsewhere(m.Dir() + "missing");
    m.Click(elsewhere.cmdWrite);
    ASSERT_EQ(m.dialogs.messages.size(), 1);
    EXPECT_TRUE(m.dialogs.messages[0].contains("TLVSUN.BMP"));
}

TEST(ZenbroWindow, CloseAndTheCloseBoxAskFirstAndOnce) {
    const QString question = "キャラクタ作成を終了しますか？";
    Maker m;
    m.form->show();
    m.Click(m.form->cmdClose);
    EXPECT_EQ(m.dialogs.questions, QStringList{question});
    EXPECT_TRUE(m.form->isVisible());
    m.form->close(); // the close box
    EXPECT_EQ(m.dialogs.questions, QStringList({question, question}));
    EXPECT_TRUE(m.form->isVisible());
    m.dialogs.answers.push_back(true);
    m.form->close();
    EXPECT_FALSE(m.form->isVisible());
    m.form->show();
    m.dialogs.answers.push_back(true);
    m.Click(m.form->cmdClose);
    EXPECT_EQ(m.dialogs.questions.size(), 4); // 終了 asked, the closing did not ask again
    EXPECT_FALSE(m.form->isVisible());
}

TEST(ZenbroWindow, ConvertOverExistingPicturesNamesTheCharacterAndAsks) {
    Maker m;
    m.ClickCell(20, 20);
    m.Click(m.form->optTai[1]);
    m.form->txtName->setText("さかな");
    m.Click(m.form->cmdConvert); // nothing there yet: no question
    EXPECT_TRUE(m.dialogs.questions.isEmpty());
    ASSERT_TRUE(QFileInfo::exists(m.Dir() + "TLVFISH0.BMP"));
    const QByteArray before = ReadBytes(m.Dir() + "TLVFISH0.BMP");

    m.ClickCell(21, 20);
    m.form->txtName->setText("べつ");
    m.Click(m.form->cmdConvert);
    ASSERT_EQ(m.dialogs.questions.size(), 1);
    EXPECT_EQ(m.dialogs.questions[0], ReplaceQuestion("海", "さかな"));
    EXPECT_TRUE(m.dialogs.questions[0].contains("海のキャラクタ「さかな」"));
    EXPECT_EQ(ReadBytes(m.Dir() + "TLVFISH0.BMP"), before); // いいえ: nothing written
    EXPECT_EQ(ReadNameFile(m.Dir() + "TLVFISH.TXT"), "さかな");

    m.dialogs.answers.push_back(true);
    m.Click(m.form->cmdConvert);
    EXPECT_NE(ReadBytes(m.Dir() + "TLVFISH0.BMP"), before);
    EXPECT_EQ(ReadNameFile(m.Dir() + "TLVFISH.TXT"), "べつ");
    // Another character's pictures are not this one's: no question for the sun.
    m.Click(m.form->optTai[0]);
    m.Click(m.form->cmdConvert);
    EXPECT_EQ(m.dialogs.questions.size(), 2);
}

namespace {

// What the maker's dialog looked like while it was up.
struct SeenDialog {
    bool seen = false;
    QString caption;
    QSize markSize;
    bool markScaled = true;
    bool hasIcon = false;
};

// Looks at the maker's dialog as soon as it is up, then acts on it (act should close it). A
// dialog that never comes, or one left open, is a failure of the modal driver.
std::shared_ptr<SeenDialog> WhenDialogShown(std::function<void(tolvekin::frmMessage&)> act) {
    auto seen = std::make_shared<SeenDialog>();
    tolvekin::testing::WhenModalShown<tolvekin::frmMessage>(
        [seen, act](tolvekin::frmMessage& dialog) {
            seen->seen = true;
            seen->caption = dialog.windowTitle();
            seen->markSize = dialog.imgMark->pixmap().size();
            seen->markScaled = dialog.imgMark->hasScaledContents();
            seen->hasIcon = !dialog.windowIcon().isNull();
            act(dialog);
        });
    return seen;
}

} // namespace

TEST(MakerMessageDialog, OwnCaptionMarkAndIconAndCloseBoxAnswersNo) {
    MakerMessages handler;
    {
        const auto driver = WhenDialogShown([](tolvekin::frmMessage& d) { d.close(); });
        EXPECT_FALSE(handler.Question("終わりますか？"));
        EXPECT_TRUE(driver->seen);
        EXPECT_EQ(driver->caption, "キャラクタ作成　メッセージ");
        EXPECT_EQ(driver->markSize, QSize(48, 48));
        EXPECT_FALSE(driver->markScaled);
        EXPECT_TRUE(driver->hasIcon);
    }
    {
        const auto driver = WhenDialogShown([](tolvekin::frmMessage& d) { d.cmdClose->click(); });
        EXPECT_TRUE(handler.Question("終わりますか？"));
        EXPECT_TRUE(driver->seen);
    }
    // The wait note shows and returns at once; unloading takes it away.
    handler.Status("しばらくお待ちください");
    EXPECT_TRUE(handler.StatusShown());
    handler.CloseStatus();
    EXPECT_FALSE(handler.StatusShown());
}
