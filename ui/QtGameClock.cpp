#include "ui/QtGameClock.h"

#include <utility>

namespace tolvekin {

QtGameClock::QtGameClock(Handler onTick) : onTick_(std::move(onTick)) {
    timAuto.setInterval(1000);
    timReplay.setInterval(1000);
    timAutoRestart.setInterval(5000);
    timFlash.setInterval(500);
    // Each timer is the context of its own connection: no tick arrives once it has gone.
    QObject::connect(&timAuto, &QTimer::timeout, &timAuto, [this] { timAuto_Timer(); });
    QObject::connect(&timAutoRestart, &QTimer::timeout, &timAutoRestart,
                     [this] { timAutoRestart_Timer(); });
    QObject::connect(&timReplay, &QTimer::timeout, &timReplay, [this] { timReplay_Timer(); });
    QObject::connect(&timFlash, &QTimer::timeout, &timFlash, [this] { timFlash_Timer(); });
}

QTimer& QtGameClock::TimerOf(GameTimer timer) {
    switch (timer) {
    case GameTimer::Auto:
        return timAuto;
    case GameTimer::AutoRestart:
        return timAutoRestart;
    case GameTimer::Replay:
        return timReplay;
    case GameTimer::Flash:
        break;
    }
    return timFlash;
}

const QTimer& QtGameClock::TimerOf(GameTimer timer) const {
    return const_cast<QtGameClock*>(this)->TimerOf(timer);
}

void QtGameClock::SetTimer(GameTimer timer, bool enabled) {
    QTimer& t = TimerOf(timer);
    if (enabled && !t.isActive()) {
        t.start();
    } else if (!enabled) {
        t.stop();
    }
}

void QtGameClock::SetTimerInterval(GameTimer timer, int milliseconds) {
    TimerOf(timer).setInterval(milliseconds);
}

bool QtGameClock::TimerEnabled(GameTimer timer) const {
    return TimerOf(timer).isActive();
}

int QtGameClock::Interval(GameTimer timer) const {
    return TimerOf(timer).interval();
}

} // namespace tolvekin
