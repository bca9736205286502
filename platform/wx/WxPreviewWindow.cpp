#include "platform/wx/WxPreviewWindow.h"

#include <gdk/gdkx.h>
#include <gtk/gtk.h>

#include <algorithm>

#include <wx/app.h>
#include <wx/dcclient.h>
#include <wx/frame.h>
#include <wx/iconbndl.h>
#include <wx/menu.h>

namespace platform::wx {
namespace {

Rect ToRect(const wxRect& r) { return {r.GetLeft(), r.GetTop(), r.GetLeft() + r.GetWidth(), r.GetTop() + r.GetHeight()}; }

// A window placed above a dialog near the top of the desktop can come out
// with no height at all; GTK takes no size below one pixel.
wxSize AtLeastOnePixel(int width, int height) { return {std::max(width, 1), std::max(height, 1)}; }

}  // namespace

WxPreviewWindow::WxPreviewWindow(PreviewWindowEvents& events, const std::string& title, const Rect& rect,
                                 const wxIconBundle& icons)
    : link_(std::make_shared<Link>(Link{&events, {}})) {
    frame_ = new wxFrame(nullptr, wxID_ANY, wxString::FromUTF8(title), wxPoint(rect.left, rect.top),
                         AtLeastOnePixel(rect.Width(), rect.Height()),
                         wxCAPTION | wxSYSTEM_MENU | wxMINIMIZE_BOX | wxCLOSE_BOX | wxCLIP_CHILDREN);
    frame_->SetIcons(icons);
    frame_->SetBackgroundColour(*wxBLACK);
    // The frame's only child fills its client area.
    video_ = new wxWindow(frame_, wxID_ANY);
    video_->SetBackgroundColour(*wxBLACK);
    // The video sink draws straight into this window: neither GTK's drawing
    // through a back buffer nor a background painted by wx may cover the
    // picture after the sink drew it. The display server itself fills what
    // is uncovered with the window's black background.
    video_->SetBackgroundStyle(wxBG_STYLE_PAINT);
    video_->SetDoubleBuffered(false);
    BindEvents();
}

WxPreviewWindow::~WxPreviewWindow() {
    link_->events = nullptr;
    timers_.clear();
    frame_->Destroy();
}

void WxPreviewWindow::BindEvents() {
    auto link = link_;
    frame_->Bind(wxEVT_TIMER, [link](wxTimerEvent& event) {
        if (link->events != nullptr) link->events->OnTimer(event.GetId());
    });
    frame_->Bind(wxEVT_CLOSE_WINDOW, [link](wxCloseEvent& event) {
        // The player decides what closing means; the window stays.
        if (event.CanVeto()) event.Veto();
        if (link->events != nullptr) link->events->OnCloseBox();
    });
    auto moved = [link, frame = frame_](wxEvent& event) {
        event.Skip();
        const Rect now = ToRect(frame->GetScreenRect());
        if (now == link->reported) return;
        link->reported = now;
        if (link->events != nullptr) link->events->OnMoveOrSize();
    };
    frame_->Bind(wxEVT_MOVE, moved);
    frame_->Bind(wxEVT_SIZE, moved);
    video_->Bind(wxEVT_PAINT, [link, video = video_](wxPaintEvent&) {
        wxPaintDC dc(video);
        if (link->events != nullptr) link->events->OnPaint();
    });
    auto keyUp = [link](wxKeyEvent& event) {
        if (link->events == nullptr) return;
        link->events->OnKeyUp(event.GetKeyCode() == WXK_ESCAPE ? VK_ESCAPE : event.GetKeyCode());
    };
    frame_->Bind(wxEVT_KEY_UP, keyUp);
    video_->Bind(wxEVT_KEY_UP, keyUp);
    auto mouse = [link](MouseAction action) {
        return [link, action](wxMouseEvent& event) {
            event.Skip();
            if (link->events != nullptr) link->events->OnMouse(action, event.GetX(), event.GetY());
        };
    };
    video_->Bind(wxEVT_MOTION, mouse(MouseAction::Move));
    video_->Bind(wxEVT_LEFT_UP, mouse(MouseAction::LeftUp));
    video_->Bind(wxEVT_RIGHT_UP, mouse(MouseAction::RightUp));
    video_->Bind(wxEVT_MIDDLE_UP, mouse(MouseAction::MiddleUp));
}

void WxPreviewWindow::SetTitle(const std::string& title) { frame_->SetTitle(wxString::FromUTF8(title)); }

std::string WxPreviewWindow::GetTitle() const { return frame_->GetTitle().utf8_string(); }

void WxPreviewWindow::Show(bool show) { frame_->Show(show); }

bool WxPreviewWindow::IsShown() const { return frame_->IsShown(); }

void WxPreviewWindow::SetTimer(int id, int periodMs) {
    // Setting a timer that runs already restarts it with the new period.
    auto& timer = timers_[id];
    if (!timer) timer = std::make_unique<wxTimer>(frame_, id);
    timer->Start(periodMs);
}

void WxPreviewWindow::KillTimer(int id) { timers_.erase(id); }

void WxPreviewWindow::PostGraphNotify() {
    wxTheApp->CallAfter([link = link_] {
        if (link->events != nullptr) link->events->OnGraphNotify();
    });
}

std::uintptr_t WxPreviewWindow::NativeHandle() const {
    GtkWidget* widget = video_->GetHandle();
    if (widget == nullptr) return 0;
    // The window exists once realized, shown or not.
    if (!gtk_widget_get_realized(widget)) gtk_widget_realize(widget);
    GdkWindow* window = gtk_widget_get_window(widget);
    if (window == nullptr || !GDK_IS_X11_WINDOW(window)) return 0;
    // Video needs a window of the display server's own, not one GTK only
    // draws into.
    if (!gdk_window_ensure_native(window)) return 0;
    // The video sink talks to the display server over a connection of its
    // own: the server must know the window before the sink asks about it.
    gdk_display_sync(gdk_window_get_display(window));
    return static_cast<std::uintptr_t>(GDK_WINDOW_XID(window));
}

Rect WxPreviewWindow::GetWindowRect() const { return ToRect(frame_->GetScreenRect()); }

Rect WxPreviewWindow::GetClientRect() const {
    const wxSize client = frame_->GetClientSize();
    return {0, 0, client.x, client.y};
}

void WxPreviewWindow::ClientToScreen(int* x, int* y) const { frame_->ClientToScreen(x, y); }

void WxPreviewWindow::SetStyle(long style) {
    style_ = style & ~WS_VISIBLE;
    // A caption brings the title bar and frame back; a popup has neither.
    gtk_window_set_decorated(GTK_WINDOW(frame_->GetHandle()), (style_ & WS_CAPTION) != 0);
}

void WxPreviewWindow::SetWindowPos(ZOrder order, int x, int y, int cx, int cy, unsigned flags) {
    const Rect before = GetWindowRect();
    if ((flags & SWP_NOMOVE) == 0) frame_->Move(x, y);
    if ((flags & SWP_NOSIZE) == 0) frame_->SetSize(AtLeastOnePixel(cx, cy));
    if ((flags & SWP_NOZORDER) == 0) {
        const long wxStyle = frame_->GetWindowStyleFlag();
        if (order == ZOrder::TopMost) frame_->SetWindowStyleFlag(wxStyle | wxSTAY_ON_TOP);
        if (order == ZOrder::NoTopMost) frame_->SetWindowStyleFlag(wxStyle & ~wxSTAY_ON_TOP);
        if (frame_->IsShown()) frame_->Raise();
    }
    if (flags & SWP_SHOWWINDOW) frame_->Show(true);
    if (flags & SWP_HIDEWINDOW) frame_->Show(false);
    // As on Windows, the window hears of its new place before the call
    // returns; the desktop's own notice follows later and is not passed on.
    const Rect after = GetWindowRect();
    link_->reported = after;
    if (!(after == before) && link_->events != nullptr) link_->events->OnMoveOrSize();
}

void WxPreviewWindow::Activate() {
    if (!frame_->IsShown()) return;
    frame_->Raise();
    video_->SetFocus();
}

void WxPreviewWindow::TrackPopupMenu(const PopupMenu& menu, int x, int y) {
    // The program's command ids (32771 and up) lie above what wx takes for a
    // menu item (below 0x7fff): each item gets wx's id from its place.
    constexpr int kFirstItemId = wxID_HIGHEST + 1;
    wxMenu popup;
    for (std::size_t i = 0; i < menu.items.size(); ++i) {
        const auto& item = menu.items[i];
        if (item.id == 0) {
            popup.AppendSeparator();
            continue;
        }
        const int id = kFirstItemId + static_cast<int>(i);
        wxMenuItem* added = item.checked ? popup.AppendCheckItem(id, wxString::FromUTF8(item.text))
                                         : popup.Append(id, wxString::FromUTF8(item.text));
        if (item.checked) added->Check(true);
        if (item.grayed) added->Enable(false);
    }
    const int selected = frame_->GetPopupMenuSelectionFromUser(popup, frame_->ScreenToClient(wxPoint(x, y)));
    if (selected < kFirstItemId || selected - kFirstItemId >= static_cast<int>(menu.items.size())) return;
    const int chosen = menu.items[static_cast<std::size_t>(selected - kFirstItemId)].id;
    // As with a menu on Windows, the command arrives through the queue.
    wxTheApp->CallAfter([link = link_, chosen] {
        if (link->events != nullptr) link->events->OnCommand(chosen);
    });
}

}  // namespace platform::wx
