#pragma once
// The game's four timers: one computer move per tick, the restart after a computer game, one
// replayed placement per tick, and the blinking of the computer's piece. The window runs them
// on real timers; tests and the batch run use a ManualClock whose time they move on.

#include <array>
#include <cstdint>
#include <functional>

namespace tolvekin {

enum class GameTimer { Auto, AutoRestart, Replay, Flash };
inline constexpr int GameTimerCount = 4;

class GameClock {
public:
    virtual ~GameClock() = default;
    // Switching on a running timer leaves it as it is.
    virtual void SetTimer(GameTimer timer, bool enabled) = 0;
    // A running timer starts its new period now.
    virtual void SetTimerInterval(GameTimer timer, int milliseconds) = 0;
    virtual bool TimerEnabled(GameTimer timer) const = 0;
};

// Time that moves only when told to. Each due tick goes to the handler, earliest first (timers
// due at the same moment in the order of GameTimer); a handler may switch timers and change
// intervals, and may itself move time on.
class ManualClock final : public GameClock {
public:
    using Handler = std::function<void(GameTimer)>;

    explicit ManualClock(Handler onTick = {}) : onTick_(std::move(onTick)) {}
    void SetHandler(Handler onTick) { onTick_ = std::move(onTick); }

    void SetTimer(GameTimer timer, bool enabled) override;
    void SetTimerInterval(GameTimer timer, int milliseconds) override;
    bool TimerEnabled(GameTimer timer) const override { return At(timer).On; }
    int Interval(GameTimer timer) const { return At(timer).Interval; }

    // Moves time on by milliseconds, firing every tick that falls due on the way.
    void Advance(int64_t milliseconds);
    // Moves time to the next due tick and fires it; false when every timer is off.
    bool Step();
    int64_t Now() const { return now_; }
    // The time of the next due tick, or -1 when every timer is off.
    int64_t NextTickTime() const {
        const int i = NextDue();
        return i < 0 ? -1 : timers_[static_cast<size_t>(i)].Due;
    }

private:
    struct Timer {
        bool On = false;
        int Interval = 0;
        int64_t Due = 0;
    };
    Timer& At(GameTimer t) { return timers_[static_cast<size_t>(t)]; }
    const Timer& At(GameTimer t) const { return timers_[static_cast<size_t>(t)]; }
    int NextDue() const; // index of the running timer due first, or -1
    void Fire(int index);

    // The periods the window's timers start with.
    std::array<Timer, GameTimerCount> timers_{
        {{false, 1000, 0}, {false, 5000, 0}, {false, 1000, 0}, {false, 500, 0}}};
    int64_t now_ = 0;
    Handler onTick_;
};

} // namespace tolvekin
