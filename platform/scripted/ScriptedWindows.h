// Preview windows without a display: a title, a shown flag and timers that
// run on the scripted event loop. The scenario can press the close box of
// the one that is open.
#pragma once
#include <map>
#include <mutex>
#include <set>

#include "platform/PreviewWindow.h"
#include "platform/scripted/EventLoop.h"

namespace platform::scripted {

class ScriptedWindows final : public WindowServices {
public:
    explicit ScriptedWindows(EventLoop& loop) : loop_(loop) {}

    std::unique_ptr<PreviewWindow> CreatePreviewWindow(PreviewWindowEvents& events, const std::string& title,
                                                       const Rect& rect) override;
    // A 1280 x 1024 desktop with a 24-pixel panel at the top, the main
    // dialog centred on it.
    Rect WorkArea() const override { return {0, 24, 1280, 1024}; }
    Rect MainDialogRect() const override { return {456, 400, 824, 684}; }

    // The close box of the newest preview window still open; false when
    // there is none.
    bool PressCloseBox();

    class Window;

private:
    friend class Window;
    EventLoop& loop_;
    std::set<Window*> open_;
};

}  // namespace platform::scripted
