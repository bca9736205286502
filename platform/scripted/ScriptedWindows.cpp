#include "platform/scripted/ScriptedWindows.h"

#include <algorithm>
#include <chrono>
#include <memory>
#include <sstream>

#include "platform/scripted/ScriptedUi.h"

namespace platform::scripted {
namespace {

// The frame a captioned window gets around its client area.
constexpr int kFrame = 4;
constexpr int kCaption = 20;

}  // namespace

class ScriptedWindows::Window final : public PreviewWindow {
public:
    Window(ScriptedWindows& owner, PreviewWindowEvents& events, std::string title, const Rect& rect)
        : owner_(owner),
          events_(events),
          title_(std::move(title)),
          rect_(rect),
          order_(++owner.created_),
          alive_(std::make_shared<bool>(true)) {
        owner_.open_.insert(this);
    }
    ~Window() override {
        *alive_ = false;
        for (auto& [id, handle] : timers_) owner_.loop_.RemoveTimer(handle);
        owner_.open_.erase(this);
    }

    int Order() const { return order_; }

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
        Post([this] { events_.OnGraphNotify(); });
    }

    std::uintptr_t NativeHandle() const override { return 0; }

    Rect GetWindowRect() const override { return rect_; }
    Rect GetClientRect() const override {
        const bool framed = (style_ & WS_CAPTION) != 0;
        const int w = rect_.Width() - (framed ? 2 * kFrame : 0);
        const int h = rect_.Height() - (framed ? kCaption + 2 * kFrame : 0);
        return {0, 0, std::max(w, 0), std::max(h, 0)};
    }
    void ClientToScreen(int* x, int* y) const override {
        const bool framed = (style_ & WS_CAPTION) != 0;
        *x += rect_.left + (framed ? kFrame : 0);
        *y += rect_.top + (framed ? kCaption + kFrame : 0);
    }

    long GetStyle() const override { return style_ & ~WS_VISIBLE; }
    void SetStyle(long style) override { style_ = style & ~WS_VISIBLE; }

    void SetWindowPos(ZOrder order, int x, int y, int cx, int cy, unsigned flags) override {
        const Rect before = rect_;
        if ((flags & SWP_NOMOVE) == 0) {
            rect_.right = x + rect_.Width();
            rect_.bottom = y + rect_.Height();
            rect_.left = x;
            rect_.top = y;
        }
        if ((flags & SWP_NOSIZE) == 0) {
            rect_.right = rect_.left + cx;
            rect_.bottom = rect_.top + cy;
        }
        if ((flags & SWP_NOZORDER) == 0) {
            if (order == ZOrder::TopMost) topMost_ = true;
            if (order == ZOrder::NoTopMost) topMost_ = false;
        }
        if (flags & SWP_SHOWWINDOW) shown_ = true;
        if (flags & SWP_HIDEWINDOW) shown_ = false;
        // As on Windows, the window hears of its new place before the call
        // returns.
        if (!(rect_ == before)) events_.OnMoveOrSize();
    }

    void Activate() override {}

    void TrackPopupMenu(const PopupMenu& menu, int x, int y) override {
        std::optional<int> choice;
        if (!owner_.menuChoices_.empty()) {
            choice = owner_.menuChoices_.front();
            owner_.menuChoices_.pop_front();
        }
        const PopupMenuItem* chosen = nullptr;
        for (const auto& item : menu.items)
            if (choice && item.id == *choice && item.id != 0) chosen = &item;
        if (owner_.out_ != nullptr) {
            auto& out = *owner_.out_;
            out << "menu " << Quote(menu.title) << " at " << x << ',' << y << ':';
            const char* separator = " ";
            for (const auto& item : menu.items) {
                out << separator;
                separator = ", ";
                if (item.id == 0) {
                    out << '-';
                    continue;
                }
                out << Quote(item.text);
                if (item.checked) out << " checked";
                if (item.grayed) out << " grayed";
            }
            out << " -> ";
            if (chosen == nullptr)
                out << "cancel";
            else
                out << chosen->id << (chosen->grayed ? " (grayed, nothing happens)" : "");
            out << '\n';
        }
        if (chosen != nullptr && !chosen->grayed) {
            const int id = chosen->id;
            Post([this, id] { events_.OnCommand(id); });
        }
    }

    void PressCloseBox() { events_.OnCloseBox(); }
    void PressKey(int key) { events_.OnKeyUp(key); }
    void Mouse(MouseAction action, int x, int y) { events_.OnMouse(action, x, y); }
    bool TopMost() const { return topMost_; }

private:
    // Runs `task` on the event loop unless the window is gone by then. Safe
    // from any thread.
    template <typename Task>
    void Post(Task task) {
        std::weak_ptr<bool> alive = alive_;
        owner_.loop_.Post([alive, task] {
            if (auto a = alive.lock(); a && *a) task();
        });
    }

    ScriptedWindows& owner_;
    PreviewWindowEvents& events_;
    std::string title_;
    Rect rect_;
    long style_ = WS_CLIPCHILDREN | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;
    bool shown_ = false;
    bool topMost_ = false;
    int order_;
    std::map<int, int> timers_;
    std::shared_ptr<bool> alive_;
};

bool ScriptedWindows::ByCreation(const Window* a, const Window* b) { return a->Order() < b->Order(); }

std::unique_ptr<PreviewWindow> ScriptedWindows::CreatePreviewWindow(PreviewWindowEvents& events,
                                                                    const std::string& title, const Rect& rect) {
    return std::make_unique<Window>(*this, events, title, rect);
}

int ScriptedWindows::GetSystemMetrics(SystemMetric metric) const {
    switch (metric) {
    case SystemMetric::CxScreen: return 1280;
    case SystemMetric::CyScreen: return 1024;
    case SystemMetric::CxFrame: return kFrame;
    case SystemMetric::CyFrame: return kFrame;
    case SystemMetric::CyCaption: return kCaption;
    }
    return 0;
}

void ScriptedWindows::SetMainDialogPos(ZOrder order, unsigned flags) {
    if ((flags & SWP_NOZORDER) == 0) {
        if (order == ZOrder::TopMost) dialogTopMost_ = true;
        if (order == ZOrder::NoTopMost) dialogTopMost_ = false;
    }
    if (flags & SWP_SHOWWINDOW) dialogShown_ = true;
    if (flags & SWP_HIDEWINDOW) dialogShown_ = false;
}

std::uint32_t ScriptedWindows::TickCount() const {
    const auto ms = std::chrono::duration_cast<std::chrono::milliseconds>(
        std::chrono::steady_clock::now().time_since_epoch());
    return static_cast<std::uint32_t>(ms.count()) + tickOffset_;
}

bool ScriptedWindows::PressCloseBox() {
    if (Window* w = Newest()) {
        w->PressCloseBox();
        return true;
    }
    return false;
}

bool ScriptedWindows::PressKey(int key) {
    if (Window* w = Newest()) {
        w->PressKey(key);
        return true;
    }
    return false;
}

bool ScriptedWindows::Mouse(MouseAction action, int x, int y) {
    if (Window* w = Newest()) {
        w->Mouse(action, x, y);
        return true;
    }
    return false;
}

std::string ScriptedWindows::Describe() const {
    std::ostringstream out;
    if (const Window* w = Newest()) {
        const Rect r = w->GetWindowRect();
        const Rect c = w->GetClientRect();
        out << "window preview " << (w->IsShown() ? "visible" : "hidden") << " rect=" << r.left << ',' << r.top
            << ',' << r.right << ',' << r.bottom << " client=" << c.Width() << 'x' << c.Height()
            << " frame=" << ((w->GetStyle() & WS_CAPTION) ? "caption" : "popup")
            << " topmost=" << (w->TopMost() ? 1 : 0) << '\n';
    } else {
        out << "window preview none\n";
    }
    out << "window dialog " << (dialogShown_ ? "visible" : "hidden") << " topmost=" << (dialogTopMost_ ? 1 : 0)
        << '\n';
    out << "cursor " << (cursorCount_ >= 0 ? "shown" : "hidden");
    return out.str();
}

}  // namespace platform::scripted
