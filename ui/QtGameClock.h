#pragma once
// The game's four timers on real Qt timers: one computer move per tick of timAuto, the restart
// after a computer game on timAutoRestart, one replayed placement per tick of timReplay and the
// blinking of the computer's piece on timFlash. Each tick goes to the handler, which passes it
// on to the game.

#include "engine/GameClock.h"

#include <QTimer>

#include <functional>

namespace tolvekin {

class QtGameClock final : public GameClock {
public:
    using Handler = std::function<void(GameTimer)>;

    explicit QtGameClock(Handler onTick);
    QtGameClock(const QtGameClock&) = delete;
    QtGameClock& operator=(const QtGameClock&) = delete;

    void SetTimer(GameTimer timer, bool enabled) override;
    void SetTimerInterval(GameTimer timer, int milliseconds) override;
    bool TimerEnabled(GameTimer timer) const override;
    int Interval(GameTimer timer) const;

    // A tick of one timer now, as if it had fired.
    void timAuto_Timer() { onTick_(GameTimer::Auto); }
    void timAutoRestart_Timer() { onTick_(GameTimer::AutoRestart); }
    void timReplay_Timer() { onTick_(GameTimer::Replay); }
    void timFlash_Timer() { onTick_(GameTimer::Flash); }

    QTimer timAuto;
    QTimer timReplay;
    QTimer timAutoRestart;
    QTimer timFlash;

private:
    QTimer& TimerOf(GameTimer timer);
    const QTimer& TimerOf(GameTimer timer) const;

    Handler onTick_;
};

} // namespace tolvekin
