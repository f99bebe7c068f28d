#pragma once
// The message dialog: a message the user acknowledges with OK, a yes/no question, or a wait
// note without buttons that stays up while the caller works. Each call loads a fresh dialog.

#include <QDialog>
#include <QIcon>
#include <QLabel>
#include <QPixmap>
#include <QPoint>
#include <QPushButton>

#include <cstdint>
#include <optional>

namespace tolvekin {

// What one copy of the dialog shows besides the text, gathered by the caller each time the
// dialog loads. The game fills it from its title and main window; another program can give a
// caption of its own, a fixed mark and no main window.
struct MessageLook {
    QString caption;                   // the whole window caption
    QPixmap mark;                      // the picture beside the text; null gives an empty mark
    bool stretchMark = true;           // stretch the mark to 48 x 48, or show it as it is
    std::optional<QPoint> mainTopLeft; // outer top-left of the main window while it is loaded
    QIcon icon;                        // null keeps the program's icon
};

class frmMessage : public QDialog {
    Q_OBJECT
public:
    // kind: what the dialog is showing, and after a button the answer.
    static constexpr int16_t KindMessage = 1;
    static constexpr int16_t KindQuestion = 2;
    static constexpr int16_t KindStatus = 3;
    static constexpr int16_t AnswerYes = -1; // OK or はい
    static constexpr int16_t AnswerNo = 0;   // いいえ

    // The standard client area; the outer window adds the frame of WindowGeometry.h.
    static constexpr int StandardClientWidth = 212;
    static constexpr int StandardClientHeight = 109;

    explicit frmMessage(const MessageLook& look, QWidget* parent = nullptr);

    // Entry points. MessageForm and QuestionForm are modal; NowStatusForm shows the note,
    // paints it and returns at once, and the caller closes the dialog when its work is done.
    void MessageForm(const QString& text);
    bool QuestionForm(const QString& text);
    void NowStatusForm(const QString& text);

    int16_t Kind() const { return kind_; }
    const QString& Message() const { return message_; }
    QSize OuterSize() const;

    void cmdClose_Click();
    void cmdCancel_Click();

    // Controls.
    QLabel* imgMark = nullptr;
    QLabel* txtMessage = nullptr;
    QPushButton* cmdClose = nullptr;
    QPushButton* cmdCancel = nullptr;

private:
    // The load handler: lays the dialog out for message_ and kind_ and places it.
    void Load();

    MessageLook look_;
    QString message_;
    int16_t kind_ = KindMessage;
};

} // namespace tolvekin
