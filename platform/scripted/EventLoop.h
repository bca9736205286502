// The scripted backend's event loop: tasks posted from any thread and
// periodic timers, run on the thread that drives the scenario, in real time.
#pragma once
#include <chrono>
#include <condition_variable>
#include <deque>
#include <functional>
#include <map>
#include <mutex>

namespace platform::scripted {

class EventLoop {
public:
    using Clock = std::chrono::steady_clock;

    // Safe from any thread.
    void Post(std::function<void()> task);

    // A timer that calls `tick` every `periodMs` while the loop runs; the
    // handle removes it.
    int AddTimer(int periodMs, std::function<void()> tick);
    void RemoveTimer(int handle);

    // Runs posted tasks until none is left (tasks posted meanwhile too).
    void RunPending();
    // Runs posted tasks and due timers for `ms` milliseconds of real time.
    void RunFor(int ms);

private:
    struct Timer {
        std::chrono::milliseconds period;
        Clock::time_point due;
        std::function<void()> tick;
    };
    bool RunOneTask();

    std::mutex mutex_;
    std::condition_variable posted_;
    std::deque<std::function<void()>> tasks_;
    std::map<int, Timer> timers_;
    int nextHandle_ = 1;
};

}  // namespace platform::scripted
