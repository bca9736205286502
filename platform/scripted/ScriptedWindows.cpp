#include "platform/scripted/ScriptedWindows.h"

#include <atomic>
#include <memory>

namespace platform::scripted {

class ScriptedWindows::Window final : public PreviewWindow {
public:
    Window(ScriptedWindows& owner, PreviewWindowEvents& events, std::string title)
        : owner_(owner), events_(events), title_(std::move(title)), alive_(std::make_shared<bool>(true)) {
        owner_.open_.insert(this);
    }
    ~Window() override {
        *alive_ = false;
        for (auto& [id, handle] : timers_) owner_.loop_.RemoveTimer(handle);
        owner_.open_.erase(this);
    }

    void SetTitle(const std::string& title) override { title_ = title; }
    std::string GetTitle() const override { return title_; }
    void Show(bool show) override { shown_ = show; }
    bool IsShown() const override { return shown_; }

    void SetTimer(int id, int periodMs) override {
        KillTimer(id);
        timers_[id] = owner_.loop_.AddTimer(periodMs, [this, id] { events_.OnTimer(id); });
    }
    void KillTimer(int id) override {
        if (auto it = timers_.find(id); it != timers_.end()) {
            owner_.loop_.RemoveTimer(it->second);
            timers_.erase(it);
        }
    }

    void PostGraphNotify() override {
        // The window may be gone by the time the loop runs the task.
        std::weak_ptr<bool> alive = alive_;
        owner_.loop_.Post([this, alive] {
            if (auto a = alive.lock(); a && *a) events_.OnGraphNotify();
        });
    }

    std::uintptr_t NativeHandle() const override { return 0; }

    void PressCloseBox() { events_.OnCloseBox(); }

private:
    ScriptedWindows& owner_;
    PreviewWindowEvents& events_;
    std::string title_;
    bool shown_ = false;
    std::map<int, int> timers_;
    std::shared_ptr<bool> alive_;
};

std::unique_ptr<PreviewWindow> ScriptedWindows::CreatePreviewWindow(PreviewWindowEvents& events,
                                                                    const std::string& title, const Rect&) {
    return std::make_unique<Window>(*this, events, title);
}

bool ScriptedWindows::PressCloseBox() {
    if (open_.empty()) return false;
    (*open_.rbegin())->PressCloseBox();
    return true;
}

}  // namespace platform::scripted
