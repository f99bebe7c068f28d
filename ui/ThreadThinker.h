#pragma once
// The window's thinker: the search runs on a worker thread of its own while the window repaints
// and answers, and its move comes back to the window's thread through the event loop. A job
// that was cancelled, or overtaken by a newer Start, never hands its move over, even when it
// finishes afterwards.
//
// Start, Cancel and Busy are called on the thread the thinker lives on (the window's), and done
// runs there. Jobs run one after another: a new job starts once the one before it has returned,
// which a cancelled job does as soon as it sees its flag.

#include "engine/MoveThinker.h"

#include <QObject>
#include <QThreadPool>

#include <atomic>
#include <memory>

namespace tolvekin {

class ThreadThinker final : public QObject, public MoveThinker {
    Q_OBJECT
public:
    explicit ThreadThinker(QObject* parent = nullptr);
    // Cancels the job under way and waits until the worker has let go of it.
    ~ThreadThinker() override;
    ThreadThinker(const ThreadThinker&) = delete;
    ThreadThinker& operator=(const ThreadThinker&) = delete;

    // A job that throws hands back no move (Move::IsNone).
    void Start(Job job, Done done) override;
    void Cancel() override;
    bool Busy() const override { return current_ != nullptr; }

    // Blocks until no job runs on the worker. The move of a finished job may still be on its
    // way through the event loop.
    void WaitForWorker();

private:
    // One Start: the flag its job watches. The worker holds it until the job has returned.
    struct Task {
        std::atomic<bool> cancelled{false};
    };

    // On the thinker's thread: hands move to done when task is still the one under way.
    void Deliver(const std::shared_ptr<Task>& task, Move move);

    QThreadPool worker_;
    std::shared_ptr<Task> current_;
    Done done_;
};

} // namespace tolvekin
