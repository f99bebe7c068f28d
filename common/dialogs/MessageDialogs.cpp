#include "common/dialogs/MessageDialogs.h"

namespace tolvekin {

MessageDialogs::~MessageDialogs() {
    CloseStatus();
}

QWidget* MessageDialogs::MainWindow() const {
    return context_.mainWindow ? context_.mainWindow() : nullptr;
}

QString MessageCaption(const QString& title) {
    return title + QStringLiteral(u"　メッセージ");
}

MessageLook MessageDialogs::Look() const {
    MessageLook look;
    look.caption = MessageCaption(context_.title ? context_.title() : QString());
    look.stretchMark = context_.stretchMark;
    look.icon = context_.icon;
    bool showMark = true;
    if (context_.mainWindow) {
        // Only a loaded main window gives the dialog a corner to keep inside and a mark.
        QWidget* main = context_.mainWindow();
        showMark = main != nullptr;
        if (main != nullptr) {
            look.mainTopLeft = main->pos();
        }
    }
    if (showMark && context_.mark) {
        look.mark = context_.mark();
    }
    return look;
}

void MessageDialogs::Message(const QString& text) {
    // There is one dialog: a wait note still up gives way to the message.
    CloseStatus();
    frmMessage dialog(Look(), MainWindow());
    dialog.MessageForm(text);
}

bool MessageDialogs::Question(const QString& text) {
    CloseStatus();
    frmMessage dialog(Look(), MainWindow());
    return dialog.QuestionForm(text);
}

void MessageDialogs::Status(const QString& text) {
    CloseStatus();
    auto* dialog = new frmMessage(Look(), MainWindow());
    // The user may still close the note with its close box; it then unloads itself.
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    status_ = dialog;
    dialog->NowStatusForm(text);
}

void MessageDialogs::CloseStatus() {
    if (status_) {
        // Unloading means gone at once, not at the next turn of the event loop.
        frmMessage* dialog = status_;
        status_.clear();
        delete dialog;
    }
}

bool MessageDialogs::StatusShown() const {
    return status_ && status_->isVisible();
}

} // namespace tolvekin
