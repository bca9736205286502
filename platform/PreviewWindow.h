// The preview player's own top-level window and the window services the
// player needs around it: placement on the desktop, the main dialog's place
// in the z-order, timers, the context menu and the mouse cursor.
#pragma once
#include <cstdint>
#include <memory>
#include <string>

namespace platform {

struct Rect {
    int left = 0, top = 0, right = 0, bottom = 0;
    int Width() const { return right - left; }
    int Height() const { return bottom - top; }
};

// What the preview window reports to its player (the window procedure).
class PreviewWindowEvents {
public:
    virtual ~PreviewWindowEvents() = default;
    virtual void OnTimer(int id) = 0;
    virtual void OnGraphNotify() = 0;
    virtual void OnCloseBox() = 0;
};

class PreviewWindow {
public:
    // Destroys the window.
    virtual ~PreviewWindow() = default;

    virtual void SetTitle(const std::string& title) = 0;
    virtual std::string GetTitle() const = 0;
    virtual void Show(bool show) = 0;
    virtual bool IsShown() const = 0;

    // Timers of this window; OnTimer(id) every `periodMs` until killed or
    // the window is destroyed.
    virtual void SetTimer(int id, int periodMs) = 0;
    virtual void KillTimer(int id) = 0;

    // Queues OnGraphNotify on the user-interface thread. Safe from any
    // thread.
    virtual void PostGraphNotify() = 0;

    // The native handle video is drawn into; 0 where there is none.
    virtual std::uintptr_t NativeHandle() const = 0;
};

class WindowServices {
public:
    virtual ~WindowServices() = default;
    // A new, hidden top-level window with the given title and rectangle.
    virtual std::unique_ptr<PreviewWindow> CreatePreviewWindow(PreviewWindowEvents& events,
                                                               const std::string& title,
                                                               const Rect& rect) = 0;
    // The desktop's work area and the main dialog's window rectangle.
    virtual Rect WorkArea() const = 0;
    virtual Rect MainDialogRect() const = 0;
};

}  // namespace platform
