// Preview windows without a display: a title, a rectangle, a style, a shown
// flag and timers that run on the scripted event loop, on a 1280 x 1024
// desktop. The scenario can press the close box of the newest window still
// open, press keys and use the mouse over it, and answer its context menus;
// the main dialog's visibility and z-order and the mouse cursor's counter are
// kept so that a scenario can show them.
#pragma once
#include <deque>
#include <map>
#include <optional>
#include <ostream>
#include <set>
#include <string>

#include "platform/PreviewWindow.h"
#include "platform/scripted/EventLoop.h"

namespace platform::scripted {

class ScriptedWindows final : public WindowServices {
public:
    explicit ScriptedWindows(EventLoop& loop) : loop_(loop) {}

    // Where context menus are printed (`menu ...` lines); none by default.
    void SetTranscript(std::ostream& out) { out_ = &out; }

    std::unique_ptr<PreviewWindow> CreatePreviewWindow(PreviewWindowEvents& events, const std::string& title,
                                                       const Rect& rect) override;
    // A 1280 x 1024 desktop with a 24-pixel panel at the top, the main
    // dialog centred on it.
    Rect WorkArea() const override { return {0, 24, 1280, 1024}; }
    Rect MainDialogRect() const override { return {456, 400, 824, 684}; }
    int GetSystemMetrics(SystemMetric metric) const override;
    void SetMainDialogPos(ZOrder order, unsigned flags) override;
    void ActivateMainDialog() override { dialogShown_ = true; }
    int ShowCursor(bool show) override { return cursorCount_ += show ? 1 : -1; }
    std::uint32_t TickCount() const override;

    // --- The scenario's side ---
    // The close box of the newest preview window still open; false when
    // there is none.
    bool PressCloseBox();
    // A key released, the mouse used over the newest preview window (client
    // coordinates); false when there is none.
    bool PressKey(int key);
    bool Mouse(MouseAction action, int x, int y);
    // The answer for the next context menu: an item id, or nothing to
    // dismiss it. A menu with no queued answer is dismissed.
    void QueueMenuChoice(std::optional<int> id) { menuChoices_.push_back(id); }
    // Moves the tick count forward, as if that much time had passed.
    void AdvanceTicks(std::uint32_t ms) { tickOffset_ += ms; }

    // One line each for the newest preview window, the main dialog and the
    // cursor:
    //   window preview visible|hidden rect=L,T,R,B client=WxH frame=caption|popup topmost=0|1
    //   window dialog visible|hidden topmost=0|1
    //   cursor shown|hidden
    // ("window preview none" when no preview window is open).
    std::string Describe() const;

    bool DialogShown() const { return dialogShown_; }
    bool DialogTopMost() const { return dialogTopMost_; }
    int CursorCount() const { return cursorCount_; }

    class Window;

private:
    friend class Window;
    Window* Newest() const { return open_.empty() ? nullptr : *open_.rbegin(); }

    EventLoop& loop_;
    std::ostream* out_ = nullptr;
    // Open windows by creation order.
    std::set<Window*, bool (*)(const Window*, const Window*)> open_{&ByCreation};
    static bool ByCreation(const Window* a, const Window* b);
    int created_ = 0;
    std::deque<std::optional<int>> menuChoices_;
    bool dialogShown_ = true;
    bool dialogTopMost_ = false;
    int cursorCount_ = 0;
    std::uint32_t tickOffset_ = 0;
};

}  // namespace platform::scripted
