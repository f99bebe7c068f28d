// The game's timers on Qt timers, without a window: the periods they start with, each switch
// reaching the timer of its name, and a firing timer ticking under that name.

#include "ui/QtGameClock.h"
#include "engine/GameClock.h"
#include "tests/support/ModalDriver.h"

#include <QApplication>
#include <QDeadlineTimer>

#include <gtest/gtest.h>

#include <array>
#include <vector>

using namespace tolvekin;
using tolvekin::testing::WaitFor;

namespace {

constexpr std::array<GameTimer, GameTimerCount> AllTimers{GameTimer::Auto, GameTimer::AutoRestart,
                                                          GameTimer::Replay, GameTimer::Flash};

struct Clock {
    std::vector<GameTimer> ticks;
    QtGameClock clock{[this](GameTimer t) { ticks.push_back(t); }};

    QTimer& Named(GameTimer t) {
        switch (t) {
        case GameTimer::Auto:
            return clock.timAuto;
        case GameTimer::AutoRestart:
            return clock.timAutoRestart;
        case GameTimer::Replay:
            return clock.timReplay;
        case GameTimer::Flash:
            break;
        }
        return clock.timFlash;
    }
};

} // namespace

TEST(QtGameClock, StartsOffWithThePeriodsTheManualClockStartsWith) {
    Clock c;
    const ManualClock manual;
    for (GameTimer t : AllTimers) {
        EXPECT_FALSE(c.clock.TimerEnabled(t));
        EXPECT_EQ(c.clock.Interval(t), manual.Interval(t));
        EXPECT_EQ(c.Named(t).interval(), manual.Interval(t));
    }
}

TEST(QtGameClock, EachSwitchReachesItsOwnTimerWhichTicksUnderItsName) {
    for (GameTimer t : AllTimers) {
        const int which = static_cast<int>(t);
        Clock c;
        c.clock.SetTimerInterval(t, 1);
        EXPECT_FALSE(c.clock.TimerEnabled(t)) << which; // a new period starts nothing
        c.clock.SetTimer(t, true);
        for (GameTimer other : AllTimers) {
            EXPECT_EQ(c.clock.TimerEnabled(other), other == t) << which;
            EXPECT_EQ(c.Named(other).isActive(), other == t) << which;
        }
        ASSERT_TRUE(WaitFor([&c] { return c.ticks.size() >= 2; })) << which;
        for (GameTimer ticked : c.ticks) {
            EXPECT_EQ(ticked, t) << which;
        }
        c.clock.SetTimer(t, false);
        EXPECT_FALSE(c.clock.TimerEnabled(t)) << which;
        c.ticks.clear();
        const QDeadlineTimer settle(30);
        while (!settle.hasExpired()) {
            QApplication::processEvents(QEventLoop::AllEvents, 5);
        }
        EXPECT_TRUE(c.ticks.empty()) << which;
    }
}

TEST(QtGameClock, ARunningTimerStaysOnThroughANewIntervalAndASecondSwitchingOn) {
    Clock c;
    c.clock.SetTimer(GameTimer::AutoRestart, true);
    c.clock.SetTimer(GameTimer::AutoRestart, true);
    c.clock.SetTimerInterval(GameTimer::AutoRestart, 700);
    EXPECT_TRUE(c.clock.TimerEnabled(GameTimer::AutoRestart));
    EXPECT_EQ(c.clock.Interval(GameTimer::AutoRestart), 700);
    // The tick the window fires by hand goes out under the timer's name.
    c.clock.timFlash_Timer();
    c.clock.timReplay_Timer();
    EXPECT_EQ(c.ticks, (std::vector<GameTimer>{GameTimer::Flash, GameTimer::Replay}));
}
