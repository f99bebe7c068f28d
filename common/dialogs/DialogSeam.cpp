#include "common/dialogs/DialogSeam.h"

#include <cstdio>

namespace tolvekin {
namespace {
DialogHandler* current = nullptr;
}

DialogHandler* SetDialogHandler(DialogHandler* handler) {
    DialogHandler* old = current;
    current = handler;
    return old;
}

void MessageForm(const QString& text) {
    if (current != nullptr) {
        current->Message(text);
    } else {
        std::fprintf(stderr, "%s\n", text.toUtf8().constData());
    }
}

bool QuestionForm(const QString& text) {
    return current != nullptr && current->Question(text);
}

void NowStatusForm(const QString& text) {
    if (current != nullptr) {
        current->Status(text);
    }
}

void UnloadMessageForm() {
    if (current != nullptr) {
        current->CloseStatus();
    }
}

bool MessageFormLoaded() {
    return current != nullptr && current->StatusShown();
}

} // namespace tolvekin
