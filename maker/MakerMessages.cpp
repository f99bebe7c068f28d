#include "maker/MakerMessages.h"

#include "maker/MakerArtwork.h"

namespace zenbro {

MakerMessages::~MakerMessages() {
    CloseStatus();
}

tolvekin::MessageLook MakerMessages::Look() {
    tolvekin::MessageLook look;
    look.caption = MessageCaption;
    // The mark is drawn at the dialog's mark size: shown as it is, never stretched.
    look.mark = QPixmap::fromImage(MakerMark());
    look.stretchMark = false;
    look.icon = MakerIconSet();
    return look;
}

void MakerMessages::Message(const QString& text) {
    // There is one dialog: a wait note still up gives way.
    CloseStatus();
    tolvekin::frmMessage dialog(Look());
    dialog.MessageForm(text);
}

bool MakerMessages::Question(const QString& text) {
    CloseStatus();
    tolvekin::frmMessage dialog(Look());
    // Closed by its close box or Escape, the question answers no.
    return dialog.QuestionForm(text);
}

void MakerMessages::Status(const QString& text) {
    CloseStatus();
    auto* dialog = new tolvekin::frmMessage(Look());
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    status_ = dialog;
    dialog->NowStatusForm(text);
}

void MakerMessages::CloseStatus() {
    if (status_) {
        tolvekin::frmMessage* dialog = status_;
        status_.clear();
        delete dialog;
    }
}

bool MakerMessages::StatusShown() const {
    return status_ && status_->isVisible();
}

} // namespace zenbro
