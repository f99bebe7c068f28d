#include "common/dialogs/frmMessage.h"

#include "common/layout/ControlTable.h"
#include "common/layout/WindowGeometry.h"
#include "common/text/Fonts.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QWindow>

#include <algorithm>

namespace tolvekin {
namespace {

constexpr int MarkLeft = 24;
constexpr int MarkTop = 16;
constexpr int MarkSize = 48;
constexpr int TextLeft = 80;
constexpr int ButtonTop = 72;
constexpr int ButtonWidth = 49;
constexpr int ButtonHeight = 25;
constexpr int CloseLeft = 24;
constexpr int CancelLeft = 80;
// Free client area under the button row of the standard layout.
constexpr int BelowButtons = frmMessage::StandardClientHeight - ButtonTop - ButtonHeight;
// Least room between a long text and the button row once the window has to grow.
constexpr int TextButtonGap = 6;
// How far the dialog is kept inside the main window's top-left corner (120 twips).
constexpr int MainWindowInset = 8;
// How long a wait note waits for the window system to put it on the screen.
constexpr int ExposeWaitMs = 500;

using K = ControlKind;
constexpr std::string_view Window;

// Made in tab order: cmdClose first, so it takes the focus. The buttons take the proportional
// Gothic of every other dialog's buttons; the text is sized and placed for each message.
constexpr ControlRow Controls[]{
    WithFont(Control(K::Button, "cmdClose", Window,
                     {CloseLeft, ButtonTop, ButtonWidth, ButtonHeight}, "OK"),
             FontFace::ProportionalGothic, 9.75),
    WithFont(Control(K::Button, "cmdCancel", Window,
                     {CancelLeft, ButtonTop, ButtonWidth, ButtonHeight}, "いいえ"),
             FontFace::ProportionalGothic, 9.75),
    Control(K::Picture, "imgMark", Window, {MarkLeft, MarkTop, MarkSize, MarkSize}),
    WithAlign(Control(K::Label, "txtMessage", Window, {TextLeft, 48, 100, 30}),
              Qt::AlignLeft | Qt::AlignTop),
};

} // namespace

frmMessage::frmMessage(const MessageLook& look, QWidget* parent)
    : QDialog(parent, FixedDialogFlags), look_(look) {
    setObjectName("frmMessage");
    setFont(GothicFont());
    QPalette p = palette();
    p.setColor(QPalette::Window, QColor(0, 255, 255));
    setPalette(p);
    setAutoFillBackground(true);
    if (!look_.icon.isNull()) {
        setWindowIcon(look_.icon);
    }

    const MadeControls made = MakeControls(Controls, this);
    cmdClose = made.Get<QPushButton>("cmdClose");
    cmdCancel = made.Get<QPushButton>("cmdCancel");
    imgMark = made.Get<QLabel>("imgMark");
    txtMessage = made.Get<QLabel>("txtMessage");
    txtMessage->setTextFormat(Qt::PlainText);
    txtMessage->setWordWrap(false);
    QPalette tp = txtMessage->palette();
    tp.setColor(QPalette::WindowText, Qt::black);
    txtMessage->setPalette(tp);

    connect(cmdClose, &QPushButton::clicked, this, &frmMessage::cmdClose_Click);
    connect(cmdCancel, &QPushButton::clicked, this, &frmMessage::cmdCancel_Click);
    setFixedSize(StandardClientWidth, StandardClientHeight);
}

QSize frmMessage::OuterSize() const {
    return tolvekin::OuterSize(*this);
}

void frmMessage::MessageForm(const QString& text) {
    message_ = text;
    kind_ = KindMessage;
    Load();
    exec();
}

bool frmMessage::QuestionForm(const QString& text) {
    message_ = text;
    kind_ = KindQuestion;
    Load();
    exec();
    // Closed any other way than by its buttons (close box, Escape), kind is still 2: that is
    // no, never yes.
    return kind_ == AnswerYes;
}

void frmMessage::NowStatusForm(const QString& text) {
    message_ = text;
    kind_ = KindStatus;
    Load();
    show();
    // The caller goes on working without returning to the event loop, so the note has to be
    // on the screen and painted before this returns. The window system maps it on its own
    // time; wait for that, taking no user input meanwhile.
    QElapsedTimer waited;
    waited.start();
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    while (windowHandle() != nullptr && !windowHandle()->isExposed() &&
           waited.elapsed() < ExposeWaitMs) {
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents, 10);
    }
    repaint();
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

void frmMessage::cmdClose_Click() {
    kind_ = AnswerYes;
    accept();
}

void frmMessage::cmdCancel_Click() {
    kind_ = AnswerNo;
    reject();
}

void frmMessage::Load() {
    const int standardOuterWidth = StandardClientWidth + WindowFrameExtra.width();

    QString text = message_;
    text.replace("\r\n", "\n");
    txtMessage->setText(text);
    txtMessage->adjustSize();
    const int labelWidth = txtMessage->width();
    const int labelHeight = txtMessage->height();

    // One or two lines keep the standard height. A longer text, still centred, would reach into
    // the button row: the window grows and the buttons move down until the text clears them.
    int clientHeight = StandardClientHeight;
    int buttonTop = ButtonTop;
    if (text.count('\n') >= 2) {
        clientHeight = std::max(StandardClientHeight,
                                labelHeight + 2 * (TextButtonGap + ButtonHeight + BelowButtons));
        buttonTop = clientHeight - BelowButtons - ButtonHeight;
    }
    txtMessage->move(TextLeft, (clientHeight - labelHeight) / 2);
    cmdClose->move(CloseLeft, buttonTop);
    cmdCancel->move(CancelLeft, buttonTop);

    // The text never wraps: a long one widens the window, with the mark's margin on the right.
    const int outerWidth = std::max(standardOuterWidth, TextLeft + labelWidth + MarkLeft);
    setFixedSize(outerWidth - WindowFrameExtra.width(), clientHeight);

    QPoint topLeft = CentreOnScreen(ScreenOf(parentWidget()), OuterSize());
    if (look_.mainTopLeft) {
        if (topLeft.y() < look_.mainTopLeft->y()) {
            topLeft.setY(look_.mainTopLeft->y() + MainWindowInset);
        }
        if (topLeft.x() < look_.mainTopLeft->x()) {
            topLeft.setX(look_.mainTopLeft->x() + MainWindowInset);
        }
    }
    move(topLeft);

    setWindowTitle(look_.caption);
    imgMark->setScaledContents(look_.stretchMark);
    if (look_.mark.isNull()) {
        imgMark->clear();
    } else {
        imgMark->setPixmap(look_.mark);
    }

    switch (kind_) {
    case KindMessage:
        cmdClose->setText("OK");
        cmdClose->show();
        cmdCancel->hide();
        break;
    case KindQuestion:
        cmdClose->setText("はい");
        cmdClose->show();
        cmdCancel->show();
        break;
    case KindStatus:
        cmdClose->hide();
        cmdCancel->hide();
        break;
    default:
        break;
    }
    cmdClose->setFocus();
}

} // namespace tolvekin
