#include "ui/ThreadThinker.h"

#include <QMetaObject>

#include <utility>

namespace tolvekin {

ThreadThinker::ThreadThinker(QObject* parent) : QObject(parent) {
    // One search at a time: a cancelled one gives way before the next begins.
    worker_.setMaxThreadCount(1);
}

ThreadThinker::~ThreadThinker() {
    Cancel();
    // The job may hold what it captured until it returns; a queued move that is still posted
    // goes with this object.
    WaitForWorker();
}

void ThreadThinker::Start(Job job, Done done) {
    Cancel(); // one job at a time: a job still under way is dropped
    auto task = std::make_shared<Task>();
    current_ = task;
    done_ = std::move(done);
    worker_.start([this, task, job = std::move(job)]() mutable {
        Move move;
        try {
            move = job(task->cancelled);
        } catch (...) {
            move = Move{};
        }
        job = nullptr; // let go of what the job captured here, on the worker
        QMetaObject::invokeMethod(
            this, [this, task, move] { Deliver(task, move); }, Qt::QueuedConnection);
    });
}

void ThreadThinker::Cancel() {
    if (current_) {
        current_->cancelled = true;
        current_.reset();
        done_ = nullptr;
    }
}

void ThreadThinker::WaitForWorker() {
    worker_.waitForDone();
}

void ThreadThinker::Deliver(const std::shared_ptr<Task>& task, Move move) {
    if (task != current_ || task->cancelled) {
        return; // cancelled, or overtaken by a newer Start
    }
    current_.reset();
    // done may start the next job at once.
    Done done = std::exchange(done_, nullptr);
    done(move);
}

} // namespace tolvekin
