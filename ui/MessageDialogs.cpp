#include "MessageDialogs.h"

namespace tolvekin {

GameMessages::~GameMessages() {
    CloseStatus();
}

QWidget* GameMessages::MainWindow() const {
    return context_.mainWindow ? context_.mainWindow() : nullptr;
}

MessageLook GameMessages::Look() const {
    MessageLook look;
    look.caption = (context_.title ? context_.title() : QString()) + "　メッセージ";
    // Only a loaded main window gives the dialog a corner to keep inside and a mark.
    if (QWidget* main = MainWindow()) {
        look.mainTopLeft = main->pos();
        if (context_.mark) {
            look.mark = context_.mark();
        }
    }
    return look;
}

void GameMessages::Message(const QString& text) {
    // There is one dialog: a wait note still up gives way to the message.
    CloseStatus();
    frmMessage dialog(Look(), MainWindow());
    dialog.MessageForm(text);
}

bool GameMessages::Question(const QString& text) {
    CloseStatus();
    frmMessage dialog(Look(), MainWindow());
    return dialog.QuestionForm(text);
}

void GameMessages::Status(const QString& text) {
    CloseStatus();
    auto* dialog = new frmMessage(Look(), MainWindow());
    // The user may still close the note with its close box; it then unloads itself.
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    status_ = dialog;
    dialog->NowStatusForm(text);
}

void GameMessages::CloseStatus() {
    if (status_) {
        // Unloading means gone at once, not at the next turn of the event loop.
        frmMessage* dialog = status_;
        status_.clear();
        delete dialog;
    }
}

bool GameMessages::StatusShown() const {
    return status_ && status_->isVisible();
}

} // namespace tolvekin
