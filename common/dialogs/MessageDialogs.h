#pragma once
// The dialog handler of a program: shows every message, question and wait note in the real
// message dialog. The program installs it with SetDialogHandler at start-up and fills in the
// context once its main window exists.

#include "common/dialogs/DialogSeam.h"
#include "common/dialogs/frmMessage.h"

#include <QIcon>
#include <QPixmap>
#include <QPointer>
#include <QString>
#include <QWidget>

#include <functional>

namespace tolvekin {

// What the dialog shows besides the text, asked for each time it loads. Each program fills in
// its own: the caption word, the mark, the icon, and whether the main-window rule applies.
struct MessageContext {
    MessageContext() = default;
    MessageContext(std::function<QString()> title_, std::function<QWidget*()> mainWindow_ = {},
                   std::function<QPixmap()> mark_ = {})
        : title(std::move(title_)), mainWindow(std::move(mainWindow_)), mark(std::move(mark_)) {}

    // The caption is this text followed by "　メッセージ"; empty gives just the ideographic
    // space and the word.
    std::function<QString()> title;
    // The main-window rule: while this gives a window, the dialog keeps inside that window's
    // top-left corner and shows the mark; while it gives nullptr the dialog stays centred on
    // the screen with an empty mark. Left empty, there is no rule: the dialog is always
    // centred and always shows the mark.
    std::function<QWidget*()> mainWindow;
    std::function<QPixmap()> mark; // the picture beside the text; null gives an empty mark
    bool stretchMark = true;       // stretch the mark to 48 x 48, or show it as it is
    QIcon icon;                    // null keeps the program's icon
};

// The caption of the message dialog for a title: the title, an ideographic space and
// "メッセージ".
QString MessageCaption(const QString& title);

class MessageDialogs : public DialogHandler {
public:
    explicit MessageDialogs(MessageContext context = {}) : context_(std::move(context)) {}
    ~MessageDialogs() override;

    void SetContext(MessageContext context) { context_ = std::move(context); }
    const MessageContext& Context() const { return context_; }

    void Message(const QString& text) override;
    bool Question(const QString& text) override;
    void Status(const QString& text) override;
    void CloseStatus() override;
    bool StatusShown() const override;

    // What the dialog shows at this moment besides the text.
    MessageLook Look() const;

private:
    QWidget* MainWindow() const;

    MessageContext context_;
    QPointer<frmMessage> status_;
};

} // namespace tolvekin
