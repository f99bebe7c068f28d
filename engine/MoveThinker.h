#pragma once
// Where a searching player thinks. The window thinks on a worker thread, so it keeps repainting
// and answering; the batch and the tests think at once on the caller's thread. Either way the
// move comes back on the caller's thread, and a cancelled job never hands its move over.

#include "engine/Move.h"

#include <atomic>
#include <functional>

namespace tolvekin {

class MoveThinker {
public:
    // The work: a pure function of what it captured; it may stop early once cancelled is set.
    using Job = std::function<Move(const std::atomic<bool>& cancelled)>;
    // Receives the job's move, on the thread that called Start.
    using Done = std::function<void(Move)>;

    virtual ~MoveThinker() = default;
    // Runs job and hands its move to done, unless Cancel comes first. One job at a time.
    virtual void Start(Job job, Done done) = 0;
    // Drops the job under way, if any: done is never called for it.
    virtual void Cancel() = 0;
    // True from Start until done has run or the job was cancelled.
    virtual bool Busy() const = 0;
};

// Thinks at once, inside Start.
class InlineThinker final : public MoveThinker {
public:
    void Start(Job job, Done done) override {
        const std::atomic<bool> never{false};
        done(job(never));
    }
    void Cancel() override {}
    bool Busy() const override { return false; }
};

} // namespace tolvekin
