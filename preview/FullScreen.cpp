// Full screen, the idle cursor, mouse clicks and the context menu of the
// preview window. Only media with video can reach any of it: for audio the
// window stays hidden.
#include "preview/FullScreenPlacement.h"
#include "preview/PreviewPlayer.h"
#include "res/ResourceIds.h"
#include "res/Templates.h"

using namespace platform;

int g_bMainOnTop = 1;

namespace {

// The cursor hides after more than this long without a mouse message.
constexpr std::uint32_t kCursorIdleMs = 100000;
constexpr int kIdleCursorPeriodMs = 50000;

}  // namespace

void CPreviewPlayer::ShowMouseCursor() {
    while (nCursorCount < 0) nCursorCount = hInstance->windows.ShowCursor(true);
}

void CPreviewPlayer::HideMouseCursor() {
    while (nCursorCount >= 0) nCursorCount = hInstance->windows.ShowCursor(false);
}

void CPreviewPlayer::HideIdleCursor() {
    // An unsigned difference: right across the tick count's wrap as well.
    if (bFullScreen == 1 && hInstance->windows.TickCount() - dwLastActivity > kCursorIdleMs) HideMouseCursor();
}

bool CPreviewPlayer::SwitchFullScreen() {
    if (bAudioOnly == 1 || pVW == nullptr) return false;
    return bFullScreen == 0 ? EnterFullScreen() : LeaveFullScreen();
}

bool CPreviewPlayer::EnterFullScreen() {
    if (pVW == nullptr) return false;
    auto& windows = hInstance->windows;
    const int cx = windows.GetSystemMetrics(SystemMetric::CxScreen);
    const int cy = windows.GetSystemMetrics(SystemMetric::CyScreen);
    rcRestore = m_hWnd->GetWindowRect();
    lRestoreStyle = m_hWnd->GetStyle() | WS_VISIBLE;
    m_hWnd->SetStyle(WS_POPUP | WS_CLIPCHILDREN);
    m_hWnd->SetWindowPos(ZOrder::Top, 0, 0, cx, cy, SWP_NOOWNERZORDER | SWP_SHOWWINDOW | SWP_FRAMECHANGED);

    int width = 0, height = 0;
    // Without a video size the window stays restyled over the screen, but
    // full screen is not entered (no size known is taken as no video).
    if (pBV == nullptr || Failed(pBV->GetVideoSize(&width, &height))) return false;
    const VideoPlacement video = PlaceFullScreenVideo(cx, cy, width, height);
    pVW->SetWindowPosition(video.left, video.top, video.width, video.height);

    dwLastActivity = windows.TickCount();
    m_hWnd->SetTimer(kIdleCursorTimer, kIdleCursorPeriodMs);
    bFullScreen = 1;
    bOwnerShown = 1;
    return true;
}

bool CPreviewPlayer::LeaveFullScreen() {
    if (pVW == nullptr) return false;
    auto& windows = hInstance->windows;
    m_hWnd->SetStyle(lRestoreStyle);
    const unsigned show = bVideoShown == 1 ? SWP_SHOWWINDOW : SWP_HIDEWINDOW;
    m_hWnd->SetWindowPos(ZOrder::TopMost, rcRestore.left, rcRestore.top, rcRestore.Width(), rcRestore.Height(),
                         SWP_NOOWNERZORDER | SWP_FRAMECHANGED | show);
    m_hWnd->KillTimer(kIdleCursorTimer);
    ShowMouseCursor();
    dwLastActivity = windows.TickCount();
    bFullScreen = 0;
    windows.SetMainDialogPos(ZOrder::Top, SWP_NOMOVE | SWP_NOSIZE | SWP_SHOWWINDOW);
    m_hWnd->SetWindowPos(ZOrder::NoTopMost, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | show);
    return true;
}

void CPreviewPlayer::OnPreviewClick() {
    if (pVW == nullptr) return;
    auto& windows = hInstance->windows;
    constexpr unsigned kInPlace = SWP_NOMOVE | SWP_NOSIZE;
    if (bFullScreen == 1) {
        if (bOwnerShown == 1)
            windows.SetMainDialogPos(ZOrder::NoTopMost, kInPlace | SWP_HIDEWINDOW);
        else
            windows.SetMainDialogPos(ZOrder::TopMost, kInPlace | SWP_SHOWWINDOW);
        bOwnerShown = bOwnerShown == 1 ? 0 : 1;
        return;
    }
    if (g_bMainOnTop == 0) {
        windows.SetMainDialogPos(ZOrder::TopMost, kInPlace | SWP_SHOWWINDOW);
    } else {
        windows.SetMainDialogPos(ZOrder::NoTopMost, kInPlace | SWP_SHOWWINDOW);
        m_hWnd->SetWindowPos(ZOrder::Top, 0, 0, 0, 0, kInPlace | SWP_SHOWWINDOW);
    }
    g_bMainOnTop = g_bMainOnTop == 1 ? 0 : 1;
}

void CPreviewPlayer::ShowContextMenu(PreviewWindow* hwnd, int x, int y) {
    const res::MenuTemplate& menu = res::PreviewMenuTemplate();
    if (menu.items.empty()) {
        hInstance->ui.MessageBox({BoxKind::Ownerless, "error", "error", BoxButtons::Ok, BoxIcon::None});
        return;
    }
    // Loaded afresh each time: every item starts enabled and unchecked.
    PopupMenu popup;
    popup.title = menu.popupTitle;
    for (const auto& item : menu.items) popup.items.push_back({item.id, item.text});
    UpdateMenuItems(popup);

    if (bFullScreen == 0) {
        hwnd->ClientToScreen(&x, &y);
    } else {
        // The full-screen window starts at the screen's origin.
        int left = 0, top = 0, width = 0, height = 0;
        pVW->GetWindowPosition(&left, &top, &width, &height);
        x += left;
        y += top;
    }
    hwnd->TrackPopupMenu(popup, x, y);
}

void CPreviewPlayer::UpdateMenuItems(PopupMenu& popup) {
    auto set = [&popup](int id, bool PopupMenuItem::*flag) {
        if (auto* item = popup.Find(id)) item->*flag = true;
    };
    if (auto* item = popup.Find(res::ID_PREVIEW_FULL_SCREEN)) item->checked = bFullScreen == 1;
    switch (nState) {
    case Stopped:
        set(res::ID_PREVIEW_PAUSE, &PopupMenuItem::grayed);
        set(res::ID_PREVIEW_STOP, &PopupMenuItem::grayed);
        break;
    case Paused:
        set(res::ID_PREVIEW_PAUSE, &PopupMenuItem::grayed);
        break;
    case Running:
        set(res::ID_PREVIEW_PLAY, &PopupMenuItem::grayed);
        break;
    default:
        break;
    }
}

void CPreviewPlayer::OnMenuCommand(int id) {
    switch (id) {
    case res::ID_PREVIEW_PLAY: Play(); break;
    case res::ID_PREVIEW_PAUSE: Pause(); break;
    case res::ID_PREVIEW_STOP: Stop(); break;
    case res::ID_PREVIEW_CLOSE: PreviewWindowProc(this, WM_CLOSE, 0, 0); break;
    case res::ID_PREVIEW_FULL_SCREEN: SwitchFullScreen(); break;
    case res::ID_PREVIEW_NORMAL_SIZE: InitVideoWindow(1, 1); break;
    default: break;
    }
}
