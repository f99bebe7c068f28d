#pragma once
// Drives a modal dialog in a test as a user would: as soon as a dialog of type T is up, action
// runs on it (and should close it). A dialog that never comes is a test failure, not a hang; a
// dialog that the action leaves open is closed (rejected) after the time limit, also a failure.

#include <QApplication>
#include <QDialog>
#include <QElapsedTimer>
#include <QPointer>
#include <QTimer>

#include <gtest/gtest.h>

#include <functional>
#include <memory>

namespace tolvekin::testing {

template <typename T>
void WhenModalShown(std::function<void(T&)> action, int limitMs = 5000) {
    auto clock = std::make_shared<QElapsedTimer>();
    clock->start();
    auto poll = std::make_shared<std::function<void()>>();
    *poll = [action, limitMs, clock, poll] {
        auto* dialog = qobject_cast<T*>(QApplication::activeModalWidget());
        if (dialog != nullptr && dialog->isVisible()) {
            QPointer<T> guard(dialog);
            action(*dialog);
            // Make sure the caller's exec() returns even when the action did not close it.
            QTimer::singleShot(limitMs, [guard] {
                if (guard && guard->isVisible()) {
                    ADD_FAILURE() << "the dialog was left open";
                    guard->reject();
                }
            });
            *poll = nullptr; // break the cycle of the shared pointer
            return;
        }
        if (clock->elapsed() > limitMs) {
            ADD_FAILURE() << "the dialog never came";
            *poll = nullptr;
            return;
        }
        QTimer::singleShot(5, *poll);
    };
    QTimer::singleShot(5, *poll);
}

} // namespace tolvekin::testing
