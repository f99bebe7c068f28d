#pragma once
// Waiting in tests for what the event loop brings, always within a limit: something to become
// true, a modal dialog to come up and be driven as a user would drive it. What never comes is a
// test failure, not a hang; the limits bound the waits and are never asserted on.

#include <QApplication>
#include <QDeadlineTimer>
#include <QDialog>
#include <QPointer>
#include <QTimer>

#include <gtest/gtest.h>

#include <functional>
#include <memory>

namespace tolvekin::testing {

// Processes events until done() holds or ms milliseconds have passed; the final answer of done().
inline bool WaitFor(const std::function<bool()>& done, int ms = 2000) {
    const QDeadlineTimer deadline(ms);
    while (!done() && !deadline.hasExpired()) {
        QApplication::processEvents(QEventLoop::AllEvents, 10);
    }
    return done();
}

// As soon as a modal dialog of type T is up, action runs on it (and should close it). A dialog
// that never comes is a failure; one that the action leaves open is rejected after the limit,
// also a failure. Call before the step that opens the dialog.
template <typename T> void WhenModalShown(std::function<void(T&)> action, int limitMs = 5000) {
    const auto deadline = std::make_shared<QDeadlineTimer>(limitMs);
    auto poll = std::make_shared<std::function<void()>>();
    *poll = [action, limitMs, deadline, poll] {
        auto* dialog = qobject_cast<T*>(QApplication::activeModalWidget());
        if (dialog != nullptr && dialog->isVisible()) {
            QPointer<T> guard(dialog);
            action(*dialog);
            // Make sure the caller's exec() returns even when the action did not close it.
            QTimer::singleShot(limitMs, [guard] {
                if (guard && guard->isVisible()) {
                    ADD_FAILURE() << "the dialog was left open";
                    guard->done(QDialog::Rejected); // reject() itself may ask first
                }
            });
            *poll = nullptr; // break the cycle of the shared pointer
            return;
        }
        if (deadline->hasExpired()) {
            ADD_FAILURE() << "the dialog never came";
            *poll = nullptr;
            return;
        }
        QTimer::singleShot(5, *poll);
    };
    QTimer::singleShot(5, *poll);
}

// Runs dialog modally; steps runs once the dialog is up and should close it. False when the
// dialog did not come up or was still open after ms milliseconds (it is then rejected).
inline bool ExecWith(QDialog& dialog, const std::function<void()>& steps, int ms = 5000) {
    bool ran = false;
    bool timedOut = false;
    QTimer poll;
    poll.setInterval(5);
    QObject::connect(&poll, &QTimer::timeout, [&] {
        if (!ran && dialog.isVisible() && QApplication::activeModalWidget() == &dialog) {
            ran = true;
            poll.stop();
            steps();
        }
    });
    QTimer watchdog;
    watchdog.setSingleShot(true);
    QObject::connect(&watchdog, &QTimer::timeout, [&] {
        timedOut = true;
        dialog.reject();
    });
    poll.start();
    watchdog.start(ms);
    dialog.exec();
    return ran && !timedOut;
}

} // namespace tolvekin::testing
