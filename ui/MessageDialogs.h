#pragma once
// The game's dialog handler: shows every message, question and wait note of the game in the
// real message dialog. The program installs it with SetDialogHandler at start-up and fills in
// the context once the main window exists.

#include "DialogSeam.h"
#include "frmMessage.h"

#include <QPixmap>
#include <QPointer>
#include <QString>
#include <QWidget>

#include <functional>

namespace tolvekin {

// What the dialog needs from the rest of the game, asked for each time it loads. Any part may
// be left empty: no title gives an empty one, no main window keeps the dialog centred on the
// screen with an empty mark.
struct MessageContext {
    std::function<QString()> title;       // the game title (GameTitle)
    std::function<QWidget*()> mainWindow; // the main window while it is loaded, else nullptr
    std::function<QPixmap()> mark;        // the picture of the cell at the initial block
};

class GameMessages : public DialogHandler {
public:
    explicit GameMessages(MessageContext context = {}) : context_(std::move(context)) {}
    ~GameMessages() override;

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
