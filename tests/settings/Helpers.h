#pragma once
// Shared pieces of the settings tests: a dialog answerer that records messages, and small
// file helpers working on raw bytes so the tests do not lean on the code under test.

#include "DialogSeam.h"
#include "FileBytes.h"

#include <QString>
#include <QStringList>

#include <gtest/gtest.h>

namespace tolvekin::test {

class RecordingDialogs : public DialogHandler {
public:
    RecordingDialogs() : previous_(SetDialogHandler(this)) {}
    ~RecordingDialogs() override { SetDialogHandler(previous_); }
    RecordingDialogs(const RecordingDialogs&) = delete;
    RecordingDialogs& operator=(const RecordingDialogs&) = delete;

    void Message(const QString& text) override { Messages.append(text); }
    bool Question(const QString& text) override {
        Messages.append(text);
        return false;
    }
    void Status(const QString&) override {}
    void CloseStatus() override {}
    bool StatusShown() const override { return false; }

    QStringList Messages;

private:
    DialogHandler* previous_;
};

} // namespace tolvekin::test
