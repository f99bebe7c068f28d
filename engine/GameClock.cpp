#include "engine/GameClock.h"

#include <algorithm>

namespace tolvekin {

void ManualClock::SetTimer(GameTimer timer, bool enabled) {
    Timer& t = At(timer);
    if (enabled && !t.On) {
        t.Due = now_ + t.Interval;
    }
    t.On = enabled;
}

void ManualClock::SetTimerInterval(GameTimer timer, int milliseconds) {
    Timer& t = At(timer);
    t.Interval = milliseconds;
    if (t.On) {
        t.Due = now_ + milliseconds;
    }
}

int ManualClock::NextDue() const {
    int next = -1;
    for (int i = 0; i < GameTimerCount; ++i) {
        const Timer& t = timers_[static_cast<size_t>(i)];
        if (t.On && (next < 0 || t.Due < timers_[static_cast<size_t>(next)].Due)) {
            next = i;
        }
    }
    return next;
}

void ManualClock::Fire(int index) {
    Timer& t = timers_[static_cast<size_t>(index)];
    now_ = std::max(now_, t.Due);
    // A period of 0 still moves time, so a running timer can never hold time still.
    t.Due = now_ + std::max(t.Interval, 1);
    if (onTick_) {
        onTick_(static_cast<GameTimer>(index));
    }
}

void ManualClock::Advance(int64_t milliseconds) {
    const int64_t target = now_ + milliseconds;
    for (int i = NextDue(); i >= 0 && timers_[static_cast<size_t>(i)].Due <= target;
         i = NextDue()) {
        Fire(i);
    }
    now_ = std::max(now_, target);
}

bool ManualClock::Step() {
    const int i = NextDue();
    if (i < 0) {
        return false;
    }
    Fire(i);
    return true;
}

} // namespace tolvekin
