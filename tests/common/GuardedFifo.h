#pragma once
// A named pipe for tests of code that must never open one. Should the code under test block on
// it anyway, a watchdog keeps opening the other end, feeding one byte and letting go, so the
// test ends and fails (Rescued()) instead of hanging.

#include <QString>

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <csignal>
#include <mutex>
#include <thread>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace tolvekin::test {

class GuardedFifo {
public:
    explicit GuardedFifo(const QString& path,
                         std::chrono::milliseconds patience = std::chrono::milliseconds(3000))
        : path_(path.toStdString()) {
        made_ = ::mkfifo(path_.c_str(), 0600) == 0;
        // A rescued writer may write after the watchdog let go.
        std::signal(SIGPIPE, SIG_IGN);
        if (made_) {
            watchdog_ = std::thread([this, patience] { Watch(patience); });
        }
    }
    ~GuardedFifo() {
        {
            std::lock_guard<std::mutex> lock(mutex_);
            stop_ = true;
        }
        wake_.notify_all();
        if (watchdog_.joinable()) {
            watchdog_.join();
        }
    }
    GuardedFifo(const GuardedFifo&) = delete;
    GuardedFifo& operator=(const GuardedFifo&) = delete;

    bool Made() const { return made_; }
    bool Rescued() const { return rescued_; }

private:
    void Watch(std::chrono::milliseconds patience) {
        // Rescues again and again: the code under test may open the pipe more than once.
        std::unique_lock<std::mutex> lock(mutex_);
        while (!wake_.wait_for(lock, patience, [this] { return stop_; })) {
            rescued_ = true;
            const int fd = ::open(path_.c_str(), O_RDWR | O_NONBLOCK);
            if (fd >= 0) {
                [[maybe_unused]] const ssize_t n = ::write(fd, "x", 1);
                wake_.wait_for(lock, std::chrono::milliseconds(200), [this] { return stop_; });
                ::close(fd);
            }
            patience = std::chrono::milliseconds(300);
        }
    }

    std::string path_;
    bool made_ = false;
    std::atomic<bool> rescued_{false};
    std::mutex mutex_;
    std::condition_variable wake_;
    bool stop_ = false;
    std::thread watchdog_;
};

} // namespace tolvekin::test
