// The worker thread the window thinks on: the move comes back on the window's thread, the event
// loop runs on while a job thinks, and a job that was cancelled, overtaken or left behind by a
// deleted thinker never hands its move over.

#include "ui/ThreadThinker.h"

#include <QCoreApplication>
#include <QTest>
#include <QThread>
#include <QTimer>

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <memory>
#include <stdexcept>
#include <thread>
#include <vector>

using namespace tolvekin;

namespace {

constexpr int WaitMs = 20000; // a move that never comes fails the test well within its limit

// A job that thinks until the test opens its gate (or, with untilCancelled, until it is
// cancelled), then answers its move. It gives up by itself long before the test's time limit.
struct Gate {
    std::atomic<bool> open{false};
    std::atomic<bool> returned{false};
    std::atomic<bool> sawCancel{false};
    std::atomic<QThread*> thread{nullptr};
};

MoveThinker::Job HeldJob(const std::shared_ptr<Gate>& gate, Move move,
                         bool untilCancelled = false) {
    return [gate, move, untilCancelled](const std::atomic<bool>& cancelled) {
        gate->thread = QThread::currentThread();
        const auto giveUp = std::chrono::steady_clock::now() + std::chrono::seconds(25);
        while (!gate->open && !(untilCancelled && cancelled) &&
               std::chrono::steady_clock::now() < giveUp) {
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
        }
        gate->sawCancel = cancelled.load();
        gate->returned = true;
        return move;
    };
}

MoveThinker::Job At(Move move) {
    return [move](const std::atomic<bool>&) { return move; };
}

// Every move a worker has finished is delivered (or dropped) by the time this returns.
void Drain(ThreadThinker& thinker) {
    thinker.WaitForWorker();
    QCoreApplication::sendPostedEvents();
    QCoreApplication::processEvents();
}

struct Received {
    std::vector<Move> moves;
    std::vector<bool> onMainThread;
    MoveThinker::Done Into() {
        return [this](Move m) {
            moves.push_back(m);
            onMainThread.push_back(QThread::currentThread() == qApp->thread());
        };
    }
};

const Move A{3, 4, 1};
const Move B{5, 6, 2};

TEST(ThreadThinker, TheJobThinksOnTheWorkerAndItsMoveComesBackOnTheWindowsThread) {
    ThreadThinker thinker;
    auto gate = std::make_shared<Gate>();
    gate->open = true;
    Received got;
    // The first move starts the next job from inside done, as a game's next turn does.
    thinker.Start(HeldJob(gate, A), [&](Move m) {
        got.Into()(m);
        thinker.Start(At(B), got.Into());
        EXPECT_TRUE(thinker.Busy());
    });
    EXPECT_TRUE(thinker.Busy());
    ASSERT_TRUE(QTest::qWaitFor([&] { return got.moves.size() == 2; }, WaitMs));
    EXPECT_EQ(got.moves, (std::vector<Move>{A, B}));
    EXPECT_EQ(got.onMainThread, (std::vector<bool>{true, true}));
    EXPECT_NE(gate->thread.load(), qApp->thread());
    EXPECT_FALSE(thinker.Busy());
}

TEST(ThreadThinker, TheEventLoopRunsWhileASlowJobThinks) {
    ThreadThinker thinker;
    auto gate = std::make_shared<Gate>();
    Received got;
    thinker.Start(HeldJob(gate, A), got.Into());
    // Only the window's thread lets the job finish: it must keep handling its timer meanwhile.
    int ticks = 0;
    int ticksBeforeTheMove = -1;
    QTimer timer;
    timer.setInterval(1);
    QObject::connect(&timer, &QTimer::timeout, [&] {
        ++ticks;
        if (got.moves.empty()) {
            ticksBeforeTheMove = ticks;
            EXPECT_TRUE(thinker.Busy());
        }
        if (ticks == 5) {
            gate->open = true;
        }
    });
    timer.start();
    ASSERT_TRUE(QTest::qWaitFor([&] { return !got.moves.empty(); }, WaitMs));
    EXPECT_GE(ticksBeforeTheMove, 5);
    EXPECT_EQ(got.moves, std::vector<Move>{A});
    EXPECT_FALSE(gate->sawCancel);
}

TEST(ThreadThinker, ACancelledJobNeverHandsItsMoveOver) {
    ThreadThinker thinker;
    Received got;
    // Cancelled while it thinks, and finishing afterwards.
    auto slow = std::make_shared<Gate>();
    thinker.Start(HeldJob(slow, A), got.Into());
    thinker.Cancel();
    EXPECT_FALSE(thinker.Busy());
    slow->open = true;
    Drain(thinker);
    EXPECT_TRUE(slow->returned);
    EXPECT_TRUE(slow->sawCancel);
    // Finished already, its move on the way through the event loop, when the cancel comes.
    thinker.Start(At(B), got.Into());
    thinker.WaitForWorker();
    thinker.Cancel();
    Drain(thinker);
    EXPECT_TRUE(got.moves.empty());
    // A job that stops early once it sees its flag lets the cancel take effect at once.
    auto stops = std::make_shared<Gate>();
    thinker.Start(HeldJob(stops, A, true), got.Into());
    thinker.Cancel();
    Drain(thinker);
    EXPECT_TRUE(stops->sawCancel);
    EXPECT_TRUE(got.moves.empty());
}

TEST(ThreadThinker, AStartRightAfterACancelDeliversOnlyTheNewMove) {
    ThreadThinker thinker;
    Received old;
    Received fresh;
    auto first = std::make_shared<Gate>();
    thinker.Start(HeldJob(first, A), old.Into());
    thinker.Cancel();
    thinker.Start(At(B), fresh.Into());
    EXPECT_TRUE(thinker.Busy());
    first->open = true;
    ASSERT_TRUE(QTest::qWaitFor([&] { return !fresh.moves.empty(); }, WaitMs));
    Drain(thinker);
    EXPECT_TRUE(old.moves.empty());
    EXPECT_EQ(fresh.moves, std::vector<Move>{B});

    // A Start while a job still thinks drops that job just the same.
    auto second = std::make_shared<Gate>();
    thinker.Start(HeldJob(second, A), old.Into());
    thinker.Start(At(A), fresh.Into());
    second->open = true;
    ASSERT_TRUE(QTest::qWaitFor([&] { return fresh.moves.size() == 2; }, WaitMs));
    Drain(thinker);
    EXPECT_TRUE(old.moves.empty());
    EXPECT_TRUE(second->sawCancel);
    EXPECT_EQ(fresh.moves, (std::vector<Move>{B, A}));
}

TEST(ThreadThinker, DeletingTheThinkerStopsTheJobAndDropsItsMove) {
    Received got;
    auto gate = std::make_shared<Gate>();
    {
        ThreadThinker thinker;
        thinker.Start(HeldJob(gate, A, true), got.Into());
        ASSERT_TRUE(QTest::qWaitFor([&] { return gate->thread.load() != nullptr; }, WaitMs));
    } // cancels, and waits for the job to return
    EXPECT_TRUE(gate->returned);
    EXPECT_TRUE(gate->sawCancel);
    QCoreApplication::sendPostedEvents();
    QCoreApplication::processEvents();
    EXPECT_TRUE(got.moves.empty());
}

TEST(ThreadThinker, AJobThatFailsHandsBackNoMove) {
    ThreadThinker thinker;
    Received got;
    thinker.Start([](const std::atomic<bool>&) -> Move { throw std::runtime_error("no memory"); },
                  got.Into());
    ASSERT_TRUE(QTest::qWaitFor([&] { return !got.moves.empty(); }, WaitMs));
    EXPECT_TRUE(got.moves[0].IsNone());
    EXPECT_FALSE(thinker.Busy());
}

} // namespace
