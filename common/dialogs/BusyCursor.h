#pragma once
// The hourglass over the whole screen for as long as the guard lives, so every way out of a
// long operation gives the normal pointer back.

#include <QCursor>
#include <QGuiApplication>

namespace tolvekin {

class BusyCursor {
public:
    BusyCursor() { QGuiApplication::setOverrideCursor(QCursor(Qt::WaitCursor)); }
    ~BusyCursor() { Release(); }
    BusyCursor(const BusyCursor&) = delete;
    BusyCursor& operator=(const BusyCursor&) = delete;
    void Release() {
        if (held_) {
            QGuiApplication::restoreOverrideCursor();
            held_ = false;
        }
    }

private:
    bool held_ = true;
};

} // namespace tolvekin
