// Drives the real message dialog through the dialog seam: the modal driver looks at the dialog
// while it is up and then answers it as a user would.

#include "common/dialogs/DialogSeam.h"
#include "common/dialogs/MessageDialogs.h"
#include "common/dialogs/frmMessage.h"
#include "common/text/Fonts.h"
#include "tests/support/ModalDriver.h"

#include <QApplication>
#include <QKeyEvent>
#include <QScreen>
#include <QTimer>

#include <gtest/gtest.h>

namespace tolvekin {
namespace {

using testing::WhenModalShown;

void PressEscape(QWidget& target) {
    QKeyEvent press(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
    QApplication::sendEvent(&target, &press);
}

// What the dialog looked like while it was up.
struct Seen {
    QString caption;
    QRect frame; // outer position and size
    QRect label;
    QRect close;
    QRect cancel;
    bool closeVisible = false;
    bool cancelVisible = false;
    QString closeText;
    bool closeHasFocus = false;
    bool markEmpty = true;
    QRect mark;
};

Seen Look(const frmMessage& d) {
    Seen s;
    s.caption = d.windowTitle();
    s.frame = QRect(d.pos(), d.OuterSize());
    s.label = d.txtMessage->geometry();
    s.close = d.cmdClose->geometry();
    s.cancel = d.cmdCancel->geometry();
    s.closeVisible = d.cmdClose->isVisible();
    s.cancelVisible = d.cmdCancel->isVisible();
    s.closeText = d.cmdClose->text();
    s.closeHasFocus = d.focusWidget() == d.cmdClose;
    s.markEmpty = d.imgMark->pixmap().isNull();
    s.mark = d.imgMark->geometry();
    return s;
}

QRect Screen() {
    return QGuiApplication::primaryScreen()->geometry();
}

constexpr int StandardOuterWidth = 220;
constexpr int StandardClientHeight = 109;

class MessageTest : public ::testing::Test {
protected:
    void SetUp() override {
        messages.SetContext({[] { return QString("ぽるぽら"); }, {}, {}});
        previous = SetDialogHandler(&messages);
    }
    void TearDown() override {
        UnloadMessageForm();
        SetDialogHandler(previous);
    }

    // Shows a message, records how it looked and presses OK.
    Seen ShowMessage(const QString& text) {
        Seen seen;
        WhenModalShown<frmMessage>([&seen](frmMessage& d) {
            seen = Look(d);
            d.cmdClose->click();
        });
        MessageForm(text);
        return seen;
    }

    MessageDialogs messages;
    DialogHandler* previous = nullptr;
};

TEST_F(MessageTest, QuestionIsYesOnlyForTheYesButton) {
    Seen seen;
    QFont buttons[2];
    WhenModalShown<frmMessage>([&seen, &buttons](frmMessage& d) {
        seen = Look(d);
        buttons[0] = d.cmdClose->font();
        buttons[1] = d.cmdCancel->font();
        d.cmdClose->click();
    });
    EXPECT_TRUE(QuestionForm("記録しますか？"));
    // Both buttons in the proportional Gothic of the other dialogs' buttons.
    for (const QFont& f : buttons) {
        EXPECT_EQ(f.family(), ProportionalGothicFont().family());
        EXPECT_EQ(f.pointSizeF(), ProportionalGothicFont().pointSizeF());
    }
    EXPECT_EQ(seen.closeText, "はい");
    EXPECT_TRUE(seen.closeVisible);
    EXPECT_TRUE(seen.cancelVisible);
    EXPECT_TRUE(seen.closeHasFocus);

    WhenModalShown<frmMessage>([](frmMessage& d) { d.cmdCancel->click(); });
    EXPECT_FALSE(QuestionForm("記録しますか？"));

    // Closed with the close box or Escape, a question answers no.
    WhenModalShown<frmMessage>([](frmMessage& d) { d.close(); });
    EXPECT_FALSE(QuestionForm("記録しますか？"));
    WhenModalShown<frmMessage>([](frmMessage& d) { PressEscape(*d.cmdClose); });
    EXPECT_FALSE(QuestionForm("記録しますか？"));
}

TEST_F(MessageTest, MessageHasOnlyOkAndReturnsWhenPressed) {
    const Seen seen = ShowMessage("置けません。");
    EXPECT_EQ(seen.closeText, "OK");
    EXPECT_TRUE(seen.closeVisible);
    EXPECT_FALSE(seen.cancelVisible);
    EXPECT_TRUE(seen.closeHasFocus);
    EXPECT_EQ(seen.close, QRect(24, 72, 49, 25));
    EXPECT_EQ(seen.caption, "ぽるぽら　メッセージ");
}

TEST_F(MessageTest, WidthFollowsTheTextButNeverShrinksBelowTheStandardWidth) {
    const Seen shortOne = ShowMessage("パス");
    EXPECT_EQ(shortOne.frame.width(), StandardOuterWidth);
    EXPECT_EQ(shortOne.frame.height(), StandardClientHeight + 28);
    EXPECT_EQ(shortOne.label.left(), 80);
    // Centred on the screen, outer size.
    EXPECT_EQ(shortOne.frame.left(), (Screen().width() - StandardOuterWidth) / 2);
    EXPECT_EQ(shortOne.frame.top(), (Screen().height() - shortOne.frame.height()) / 2);
    // One line, centred in the client area.
    EXPECT_EQ(shortOne.label.top(), (StandardClientHeight - shortOne.label.height()) / 2);

    const QString longText = "スコアファイル入力エラーです。ファイルの中身が途中で切れています。";
    const Seen longOne = ShowMessage(longText);
    EXPECT_GT(longOne.label.width(), shortOne.label.width());
    EXPECT_GT(longOne.frame.width(), StandardOuterWidth);
    EXPECT_EQ(longOne.frame.width(), 80 + longOne.label.width() + 24);
    EXPECT_EQ(longOne.frame.height(), StandardClientHeight + 28);
    EXPECT_EQ(longOne.frame.left(), (Screen().width() - longOne.frame.width()) / 2);
}

TEST_F(MessageTest, LongTextMakesTheWindowTallerAndKeepsItClearOfTheButtons) {
    const Seen one = ShowMessage("一行目");
    const Seen two = ShowMessage("一行目\n二行目");
    EXPECT_EQ(two.frame.height(), StandardClientHeight + 28);
    EXPECT_GT(two.label.height(), one.label.height() * 3 / 2); // the line break is kept
    EXPECT_EQ(two.label.top(), (StandardClientHeight - two.label.height()) / 2);
    EXPECT_EQ(two.close.top(), 72);

    Seen three;
    WhenModalShown<frmMessage>([&three](frmMessage& d) {
        three = Look(d);
        d.cmdCancel->click();
    });
    EXPECT_FALSE(QuestionForm("スコアファイル入力エラーです。\n二行目\n三行目"));
    EXPECT_GT(three.label.height(), two.label.height());
    EXPECT_GT(three.frame.height(), StandardClientHeight + 28);
    EXPECT_GT(three.close.top(), three.label.bottom());
    EXPECT_EQ(three.cancel.top(), three.close.top());
    // The room under the buttons stays as in the standard layout.
    EXPECT_EQ(three.frame.height() - 28 - (three.close.top() + 25), StandardClientHeight - 97);
}

TEST_F(MessageTest, StatusNoteReturnsAtOnceAndStaysUntilUnloaded) {
    // Should the note wait for the user, this closes it, and the test fails instead of hanging.
    bool rescued = false;
    QTimer rescue;
    rescue.setSingleShot(true);
    QObject::connect(&rescue, &QTimer::timeout, [&rescued] {
        if (auto* d = qobject_cast<frmMessage*>(QApplication::activeModalWidget())) {
            rescued = true;
            d->reject();
        }
    });
    rescue.start(10000);
    NowStatusForm("ただいま読み込み中です。");
    EXPECT_FALSE(rescued);
    ASSERT_TRUE(MessageFormLoaded());

    const frmMessage* note = nullptr;
    for (QWidget* w : QApplication::topLevelWidgets()) {
        if (auto* d = qobject_cast<frmMessage*>(w); d != nullptr && d->isVisible()) {
            note = d;
        }
    }
    ASSERT_NE(note, nullptr);
    EXPECT_FALSE(note->isModal());
    EXPECT_FALSE(note->cmdClose->isVisible());
    EXPECT_FALSE(note->cmdCancel->isVisible());
    EXPECT_EQ(note->windowTitle(), "ぽるぽら　メッセージ");

    UnloadMessageForm();
    EXPECT_FALSE(MessageFormLoaded());
    for (QWidget* w : QApplication::topLevelWidgets()) {
        EXPECT_EQ(qobject_cast<frmMessage*>(w), nullptr);
    }
}

TEST_F(MessageTest, MessageTakesThePlaceOfAStatusNote) {
    NowStatusForm("お待ちください。");
    ASSERT_TRUE(MessageFormLoaded());
    bool noteWasUp = true;
    int shown = 0;
    WhenModalShown<frmMessage>([&](frmMessage& d) {
        noteWasUp = MessageFormLoaded();
        for (QWidget* w : QApplication::topLevelWidgets()) {
            shown += qobject_cast<frmMessage*>(w) != nullptr && w->isVisible() ? 1 : 0;
        }
        d.cmdClose->click();
    });
    MessageForm("スコアファイル入力エラーです。");
    EXPECT_FALSE(noteWasUp);
    EXPECT_EQ(shown, 1);
    EXPECT_FALSE(MessageFormLoaded());
}

TEST_F(MessageTest, MainWindowKeepsTheDialogInsideItsCornerAndGivesTheMark) {
    QWidget main;
    QPixmap cell(48, 48);
    cell.fill(Qt::red);
    QPixmap shown = cell;
    messages.SetContext({[] { return QString("ぽるぽら"); }, [&main] { return &main; },
                         [&shown] { return shown; }});

    // Placed at the screen's top-left, the main window leaves the centred dialog where it is.
    main.move(0, 0);
    Seen seen = ShowMessage("パス");
    EXPECT_EQ(seen.frame.topLeft(), QPoint((Screen().width() - StandardOuterWidth) / 2,
                                           (Screen().height() - seen.frame.height()) / 2));
    EXPECT_FALSE(seen.markEmpty);
    EXPECT_EQ(seen.mark, QRect(24, 16, 48, 48));

    // Placed low on the screen, it pulls the dialog's top down to its own top + 8.
    const int lowTop = Screen().height() * 3 / 4;
    main.move(10, lowTop);
    seen = ShowMessage("パス");
    EXPECT_EQ(seen.frame.top(), lowTop + 8);
    EXPECT_EQ(seen.frame.left(), (Screen().width() - StandardOuterWidth) / 2);

    // Placed far right, likewise the left edge.
    const int rightLeft = Screen().width() * 3 / 4;
    main.move(rightLeft, 0);
    seen = ShowMessage("パス");
    EXPECT_EQ(seen.frame.left(), rightLeft + 8);

    // An empty cell gives an empty mark.
    shown = QPixmap();
    seen = ShowMessage("パス");
    EXPECT_TRUE(seen.markEmpty);
}

TEST_F(MessageTest, WithoutMainWindowTheDialogIsCentredWithAnEmptyMark) {
    QPixmap cell(48, 48);
    cell.fill(Qt::red);
    messages.SetContext(
        {[] { return QString("ぽるぽら"); }, [] { return nullptr; }, [cell] { return cell; }});
    const Seen seen = ShowMessage("盤の大きさを変えました。");
    EXPECT_TRUE(seen.markEmpty);
    EXPECT_EQ(seen.frame.topLeft(), QPoint((Screen().width() - seen.frame.width()) / 2,
                                           (Screen().height() - seen.frame.height()) / 2));
}

TEST_F(MessageTest, ProgramWithoutMainWindowRuleGivesItsOwnCaptionIconAndFixedMark) {
    QPixmap fixed(40, 30); // shown as it is, not stretched
    fixed.fill(Qt::blue);
    QPixmap iconPicture(16, 16);
    iconPicture.fill(Qt::green);
    MessageContext maker;
    maker.title = [] { return QString("キャラクタ作成"); };
    maker.mark = [fixed] { return fixed; };
    maker.stretchMark = false;
    maker.icon = QIcon(iconPicture);
    messages.SetContext(maker);

    // A window low on the screen is no main window here: the dialog stays centred.
    QWidget other;
    other.move(10, Screen().height() * 3 / 4);
    other.show();
    bool scaled = true;
    bool ownIcon = false;
    QSize markSize;
    WhenModalShown<frmMessage>([&](frmMessage& d) {
        scaled = d.imgMark->hasScaledContents();
        ownIcon = d.windowIcon().cacheKey() == maker.icon.cacheKey();
        markSize = d.imgMark->pixmap().size();
        d.cmdClose->click();
    });
    MessageForm("保存しました。");
    EXPECT_FALSE(scaled);
    EXPECT_TRUE(ownIcon);
    EXPECT_EQ(markSize, QSize(40, 30));

    const Seen seen = ShowMessage("保存しました。");
    EXPECT_EQ(seen.caption, "キャラクタ作成　メッセージ");
    EXPECT_EQ(MessageCaption("キャラクタ作成"), "キャラクタ作成　メッセージ");
    EXPECT_FALSE(seen.markEmpty);
    EXPECT_EQ(seen.frame.topLeft(), QPoint((Screen().width() - seen.frame.width()) / 2,
                                           (Screen().height() - seen.frame.height()) / 2));
}

} // namespace
} // namespace tolvekin
