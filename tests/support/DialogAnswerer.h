#pragma once
// The one stand-in for the message dialog in tests: while it lives, every message, question and
// wait note goes to it instead of a window. It records them in the order shown, answers the
// questions from a queue (no once the queue is empty), and notes whether the busy pointer was
// up or a wait note was open when a message came.

#include "common/dialogs/DialogSeam.h"

#include <QGuiApplication>
#include <QString>
#include <QStringList>

#include <deque>

namespace tolvekin::testing {

class DialogAnswerer : public DialogHandler {
public:
    DialogAnswerer() : previous_(SetDialogHandler(this)) {}
    ~DialogAnswerer() override { SetDialogHandler(previous_); }
    DialogAnswerer(const DialogAnswerer&) = delete;
    DialogAnswerer& operator=(const DialogAnswerer&) = delete;

    // Every message, and every wait note as "status: " and its text, in the order shown.
    QStringList messages;
    QStringList questions;
    QStringList statuses;
    // Every message and question, in the order shown, without the wait notes.
    QStringList shown;
    // The answers to the next questions, from the front.
    std::deque<bool> answers;
    // A message came while the busy pointer was up, or while a wait note was open.
    bool busyDuringMessage = false;
    bool messageOverStatus = false;

    void Message(const QString& text) override {
        messages << text;
        shown << text;
        busyDuringMessage = busyDuringMessage || QGuiApplication::overrideCursor() != nullptr;
        messageOverStatus = messageOverStatus || status_;
    }
    bool Question(const QString& text) override {
        questions << text;
        shown << text;
        if (answers.empty()) {
            return false;
        }
        const bool answer = answers.front();
        answers.pop_front();
        return answer;
    }
    void Status(const QString& text) override {
        status_ = true;
        statuses << text;
        messages << "status: " + text;
    }
    void CloseStatus() override { status_ = false; }
    bool StatusShown() const override { return status_; }

private:
    DialogHandler* previous_;
    bool status_ = false;
};

} // namespace tolvekin::testing
