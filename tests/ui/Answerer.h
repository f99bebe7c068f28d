#pragma once
// Answers the game's dialogs in tests: records every message and question and answers the
// questions from a queue (no when it is empty).

#include "DialogSeam.h"

#include <QStringList>

#include <deque>

namespace tolvekin::testing {

class Answerer : public DialogHandler {
public:
    Answerer() { previous_ = SetDialogHandler(this); }
    ~Answerer() override { SetDialogHandler(previous_); }

    QStringList messages;
    QStringList questions;
    std::deque<bool> answers;

    void Message(const QString& text) override { messages << text; }
    bool Question(const QString& text) override {
        questions << text;
        if (answers.empty()) {
            return false;
        }
        const bool a = answers.front();
        answers.pop_front();
        return a;
    }
    void Status(const QString& text) override {
        status_ = true;
        messages << "status: " + text;
    }
    void CloseStatus() override { status_ = false; }
    bool StatusShown() const override { return status_; }

private:
    DialogHandler* previous_ = nullptr;
    bool status_ = false;
};

} // namespace tolvekin::testing
