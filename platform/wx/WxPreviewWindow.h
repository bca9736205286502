// The preview player's window on wxWidgets: a top-level frame, hidden until
// shown, with a black child window that fills it and carries the video. It
// runs the player's timers, reports its close box, keys, mouse, moves and
// repaints to the player, and shows the player's context menus.
#pragma once
#include <map>
#include <memory>

#include <wx/timer.h>

#include "platform/PreviewWindow.h"

class wxFrame;
class wxIconBundle;
class wxWindow;

namespace platform::wx {

class WxPreviewWindow final : public PreviewWindow {
public:
    WxPreviewWindow(PreviewWindowEvents& events, const std::string& title, const Rect& rect,
                    const wxIconBundle& icons);
    ~WxPreviewWindow() override;
    WxPreviewWindow(const WxPreviewWindow&) = delete;
    WxPreviewWindow& operator=(const WxPreviewWindow&) = delete;

    void SetTitle(const std::string& title) override;
    std::string GetTitle() const override;
    void Show(bool show) override;
    bool IsShown() const override;
    void SetTimer(int id, int periodMs) override;
    void KillTimer(int id) override;
    void PostGraphNotify() override;
    // The X11 window of the video area (0 on other displays). Call it on
    // the user-interface thread.
    std::uintptr_t NativeHandle() const override;
    Rect GetWindowRect() const override;
    Rect GetClientRect() const override;
    void ClientToScreen(int* x, int* y) const override;
    long GetStyle() const override { return style_; }
    void SetStyle(long style) override;
    void SetWindowPos(ZOrder order, int x, int y, int cx, int cy, unsigned flags) override;
    void Activate() override;
    void TrackPopupMenu(const PopupMenu& menu, int x, int y) override;

private:
    // What queued work and the frame's handlers reach: cleared when this
    // window goes, so nothing arrives at a player that is gone.
    struct Link {
        PreviewWindowEvents* events;
        // The place the player last heard of: the desktop's later notice of
        // a change SetWindowPos already reported is not passed on again (it
        // would undo a video placed since, as in full screen).
        Rect reported;
    };
    void BindEvents();

    std::shared_ptr<Link> link_;
    wxFrame* frame_;
    wxWindow* video_;
    long style_ = WS_CLIPCHILDREN | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;
    std::map<int, std::unique_ptr<wxTimer>> timers_;
};

}  // namespace platform::wx
