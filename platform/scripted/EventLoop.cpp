#include "platform/scripted/EventLoop.h"

namespace platform::scripted {

void EventLoop::Post(std::function<void()> task) {
    {
        std::lock_guard lock(mutex_);
        tasks_.push_back(std::move(task));
    }
    posted_.notify_one();
}

int EventLoop::AddTimer(int periodMs, std::function<void()> tick) {
    auto period = std::chrono::milliseconds(periodMs < 1 ? 1 : periodMs);
    timers_[nextHandle_] = Timer{period, Clock::now() + period, std::move(tick)};
    return nextHandle_++;
}

void EventLoop::RemoveTimer(int handle) { timers_.erase(handle); }

bool EventLoop::RunOneTask() {
    std::function<void()> task;
    {
        std::lock_guard lock(mutex_);
        if (tasks_.empty()) return false;
        task = std::move(tasks_.front());
        tasks_.pop_front();
    }
    task();
    return true;
}

void EventLoop::RunPending() {
    while (RunOneTask()) {
    }
}

void EventLoop::RunFor(int ms) {
    const auto deadline = Clock::now() + std::chrono::milliseconds(ms);
    for (;;) {
        RunPending();
        const auto now = Clock::now();
        // The earliest due timer fires first; a tick may add or remove timers.
        int dueHandle = 0;
        Clock::time_point nextDue = deadline;
        for (auto& [handle, timer] : timers_)
            if (timer.due < nextDue) {
                nextDue = timer.due;
                dueHandle = handle;
            }
        if (dueHandle != 0 && nextDue <= now) {
            auto& timer = timers_[dueHandle];
            timer.due += timer.period;
            if (timer.due < now) timer.due = now + timer.period;
            auto tick = timer.tick;
            tick();
            continue;
        }
        if (now >= deadline) return;
        std::unique_lock lock(mutex_);
        posted_.wait_until(lock, nextDue, [this] { return !tasks_.empty(); });
    }
}

}  // namespace platform::scripted
