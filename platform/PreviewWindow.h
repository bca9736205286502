// The preview player's own top-level window and the window services the
// player needs around it: placement on the desktop, the main dialog's place
// in the z-order, timers, the context menu and the mouse cursor.
#pragma once
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace platform {

struct Rect {
    int left = 0, top = 0, right = 0, bottom = 0;
    int Width() const { return right - left; }
    int Height() const { return bottom - top; }
    bool operator==(const Rect&) const = default;
};

// Window style bits, with the values and meaning they have on Windows: a
// window with WS_CAPTION has a title bar and frame, a WS_POPUP window has
// neither (full screen).
inline constexpr long WS_POPUP = static_cast<long>(0x80000000u);
inline constexpr long WS_CHILD = 0x40000000;
inline constexpr long WS_VISIBLE = 0x10000000;
inline constexpr long WS_CLIPCHILDREN = 0x02000000;
inline constexpr long WS_CAPTION = 0x00C00000;
inline constexpr long WS_SYSMENU = 0x00080000;
inline constexpr long WS_THICKFRAME = 0x00040000;
inline constexpr long WS_MINIMIZEBOX = 0x00020000;

// Where SetWindowPos puts a window in the z-order.
enum class ZOrder {
    Top,        // above the other windows of its level
    TopMost,    // above every window that is not topmost, and stays there
    NoTopMost,  // back among the ordinary windows, above them
};

// SetWindowPos flags, as on Windows.
inline constexpr unsigned SWP_NOSIZE = 0x0001;
inline constexpr unsigned SWP_NOMOVE = 0x0002;
inline constexpr unsigned SWP_NOZORDER = 0x0004;
inline constexpr unsigned SWP_FRAMECHANGED = 0x0020;
inline constexpr unsigned SWP_SHOWWINDOW = 0x0040;
inline constexpr unsigned SWP_HIDEWINDOW = 0x0080;
inline constexpr unsigned SWP_NOOWNERZORDER = 0x0200;

// Desktop measures (GetSystemMetrics).
enum class SystemMetric {
    CxScreen,   // width of the primary screen
    CyScreen,   // height of the primary screen
    CxFrame,    // width of a window's side frame
    CyFrame,    // height of a window's top or bottom frame
    CyCaption,  // height of the title bar
};

// Mouse actions over the preview window (its video included).
enum class MouseAction { Move, LeftUp, RightUp, MiddleUp };

// Keys the preview window reports on release.
inline constexpr int VK_ESCAPE = 0x1B;

// A context menu as shown: items in order, an id of 0 is a separator.
struct PopupMenuItem {
    int id = 0;
    std::string text;
    bool checked = false;
    bool grayed = false;
};
struct PopupMenu {
    std::string title;
    std::vector<PopupMenuItem> items;

    PopupMenuItem* Find(int id) {
        for (auto& item : items)
            if (item.id == id && id != 0) return &item;
        return nullptr;
    }
};

// What the preview window reports to its player (the window procedure).
class PreviewWindowEvents {
public:
    virtual ~PreviewWindowEvents() = default;
    virtual void OnTimer(int id) = 0;
    virtual void OnGraphNotify() = 0;
    virtual void OnCloseBox() = 0;
    // The window was moved or resized.
    virtual void OnMoveOrSize() = 0;
    // Part of the window must be drawn again.
    virtual void OnPaint() = 0;
    // A key was released while the window had the focus.
    virtual void OnKeyUp(int key) = 0;
    // The mouse moved or a button was released; x and y in client pixels.
    virtual void OnMouse(MouseAction action, int x, int y) = 0;
    // An item of the context menu was chosen.
    virtual void OnCommand(int id) = 0;
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

    // The native handle video is drawn into; 0 where there is none. The
    // display server knows the window by the time this returns, so another
    // connection (the video sink's) can use it at once.
    virtual std::uintptr_t NativeHandle() const = 0;

    // The window's rectangle on the screen, frame included, and its client
    // area (left and top 0).
    virtual Rect GetWindowRect() const = 0;
    virtual Rect GetClientRect() const = 0;
    // Client coordinates to screen coordinates.
    virtual void ClientToScreen(int* x, int* y) const = 0;

    // The style bits (WS_*): WS_CAPTION gives a title bar and frame, WS_POPUP
    // a bare window. SetStyle changes the decoration only; WS_VISIBLE in it is
    // ignored (showing and hiding go through Show and SetWindowPos).
    virtual long GetStyle() const = 0;
    virtual void SetStyle(long style) = 0;
    // Moves (x, y), sizes (cx, cy, the outer size), raises and shows or hides
    // the window in one step; SWP_* flags leave parts out.
    virtual void SetWindowPos(ZOrder order, int x, int y, int cx, int cy, unsigned flags) = 0;
    // Brings the window to the foreground with the keyboard focus; nothing
    // visible happens while it is hidden.
    virtual void Activate() = 0;

    // Shows `menu` at the screen point (x, y). A chosen item reaches
    // PreviewWindowEvents::OnCommand afterwards, through the event queue.
    virtual void TrackPopupMenu(const PopupMenu& menu, int x, int y) = 0;
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

    virtual int GetSystemMetrics(SystemMetric metric) const = 0;

    // Changes the main dialog's place in the z-order and shows or hides it
    // (SWP_SHOWWINDOW, SWP_HIDEWINDOW), without moving or sizing it.
    virtual void SetMainDialogPos(ZOrder order, unsigned flags) = 0;
    // Shows the main dialog in its normal size and brings it to the
    // foreground.
    virtual void ActivateMainDialog() = 0;

    // The mouse cursor's display counter, as on Windows: ShowCursor(true)
    // adds one, ShowCursor(false) takes one away, and the cursor is seen
    // over the program's windows while the counter is 0 or more. Returns
    // the new counter.
    virtual int ShowCursor(bool show) = 0;
    // Milliseconds since some fixed moment, wrapping at 2^32 (timeGetTime).
    virtual std::uint32_t TickCount() const = 0;
};

}  // namespace platform
