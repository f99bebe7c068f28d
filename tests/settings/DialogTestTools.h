#pragma once
// Shared pieces of the dialog tests: waiting a bounded time for something to happen, and running
// a modal dialog with a watchdog that closes it when the test's own steps never do.

#include <QApplication>
#include <QDialog>
#include <QElapsedTimer>
#include <QTimer>

#include <functional>

namespace tolvekin::test {

// Processes events until done() holds or ms milliseconds have passed; the final answer of done().
inline bool WaitFor(const std::function<bool()>& done, int ms = 2000) {
    QElapsedTimer clock;
    clock.start();
    while (!done() && clock.elapsed() < ms) {
        QApplication::processEvents(QEventLoop::AllEvents, 10);
    }
    return done();
}

// Runs dialog modally; steps runs once the dialog is up and should close it. Returns false when
// the dialog did not come up or was still open after ms milliseconds (it is then rejected).
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

} // namespace tolvekin::test
