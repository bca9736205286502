// The preview window: its creation above the main dialog, its procedure,
// its title, its sizing to the video and its destruction.
#include <string>

#include "platform/DialogHandler.h"
#include "preview/PreviewPlayer.h"
#include "res/ResourceIds.h"
#include "ui/MainDialog.h"

using namespace platform;

namespace {

std::intptr_t MakeMouseParam(int x, int y) {
    return static_cast<std::intptr_t>((static_cast<std::uint32_t>(y & 0xFFFF) << 16) |
                                      static_cast<std::uint32_t>(x & 0xFFFF));
}
int LowWord(std::intptr_t lParam) { return static_cast<std::int16_t>(lParam & 0xFFFF); }
int HighWord(std::intptr_t lParam) { return static_cast<std::int16_t>((lParam >> 16) & 0xFFFF); }

// What a window does with a message nobody handled: the video hears of it
// (a repaint draws the picture again); the window itself paints nothing, so
// its black background shows wherever the video does not cover it.
std::intptr_t DefaultPath(CPreviewPlayer* player, unsigned msg) {
    if (player->pVW != nullptr) player->pVW->NotifyOwnerMessage(player->m_hWnd.get(), msg);
    return 0;
}

}  // namespace

std::intptr_t PreviewWindowProc(CPreviewPlayer* player, unsigned msg, std::intptr_t wParam, std::intptr_t lParam) {
    if (player == nullptr || !player->m_hWnd) return 0;
    switch (msg) {
    case WM_MOVE:
    case WM_SIZE:
        if (player->bVideoShown) {
            player->FitVideoToClient();
            return 0;
        }
        return DefaultPath(player, msg);
    case WM_CLOSE:
        // The main dialog closes the player and forgets the source; the
        // window is not destroyed here.
        if (player->hwndOwner != nullptr) player->hwndOwner->PostMessage(WM_COMMAND, res::IDC_CLOSE_PREVIEW);
        return 1;
    case WM_KEYUP:
        if (wParam == VK_ESCAPE) {
            if (player->bFullScreen == 1) player->LeaveFullScreen();
            return 0;
        }
        return 0;
    case WM_COMMAND:
        player->OnMenuCommand(static_cast<int>(wParam & 0xFFFF));
        return DefaultPath(player, msg);
    case WM_TIMER:
        if (wParam == kIdleCursorTimer) {
            player->HideIdleCursor();
            return 0;
        }
        if (wParam == kPollTimer) return player->PollPosition();
        return 0;
    case WM_MOUSEMOVE:
    case WM_LBUTTONUP:
    case WM_RBUTTONUP:
    case WM_MBUTTONUP:
        if (player->bFullScreen == 1) {
            player->ShowMouseCursor();
            player->dwLastActivity = player->hInstance->windows.TickCount();
        }
        if (msg == WM_LBUTTONUP) {
            player->OnPreviewClick();
            return 0;
        }
        if (msg == WM_RBUTTONUP) {
            player->ShowContextMenu(player->m_hWnd.get(), LowWord(lParam), HighWord(lParam));
            player->bOwnerShown = 1;
            return 0;
        }
        return 0;
    case WM_GRAPHNOTIFY:
        // Nothing after this: the message box of a failed playback lets the
        // dialog run meanwhile, and it may close the player.
        player->ProcessGraphEvents();
        return 0;
    default:
        return DefaultPath(player, msg);
    }
}

// --- What the window reports, as messages to its procedure ---

void CPreviewPlayer::WindowEvents::OnTimer(int id) { PreviewWindowProc(&player_, WM_TIMER, id, 0); }
void CPreviewPlayer::WindowEvents::OnGraphNotify() { PreviewWindowProc(&player_, WM_GRAPHNOTIFY, 0, 0); }
void CPreviewPlayer::WindowEvents::OnCloseBox() { PreviewWindowProc(&player_, WM_CLOSE, 0, 0); }
void CPreviewPlayer::WindowEvents::OnMoveOrSize() { PreviewWindowProc(&player_, WM_SIZE, 0, 0); }
void CPreviewPlayer::WindowEvents::OnPaint() { PreviewWindowProc(&player_, WM_PAINT, 0, 0); }
void CPreviewPlayer::WindowEvents::OnKeyUp(int key) { PreviewWindowProc(&player_, WM_KEYUP, key, 0); }
void CPreviewPlayer::WindowEvents::OnCommand(int id) { PreviewWindowProc(&player_, WM_COMMAND, id, 0); }
void CPreviewPlayer::WindowEvents::OnMouse(MouseAction action, int x, int y) {
    unsigned msg = WM_MOUSEMOVE;
    switch (action) {
    case MouseAction::Move: msg = WM_MOUSEMOVE; break;
    case MouseAction::LeftUp: msg = WM_LBUTTONUP; break;
    case MouseAction::RightUp: msg = WM_RBUTTONUP; break;
    case MouseAction::MiddleUp: msg = WM_MBUTTONUP; break;
    }
    PreviewWindowProc(&player_, msg, 0, MakeMouseParam(x, y));
}

// --- The window ---

bool CPreviewPlayer::CreatePreviewWindow() {
    const Rect rect = GetInitialWindowRect();
    m_hWnd = hInstance->windows.CreatePreviewWindow(windowEvents_, "Video Window", rect);
    bWindowCreated = true;
    return true;
}

// The band of the work area above the main dialog.
Rect CPreviewPlayer::GetInitialWindowRect() {
    const Rect work = hInstance->windows.WorkArea();
    const Rect owner = hInstance->windows.MainDialogRect();
    const int height = owner.top - work.top - 5;
    Rect rect;
    rect.left = work.left + 100;
    rect.top = work.top + 5;
    rect.right = work.left + (4 * height) / 3;
    rect.bottom = owner.top;
    return rect;
}

void CPreviewPlayer::RefreshTitle() {
    if (!m_hWnd) return;
    std::string title = "PREVIEW";
    if (!szFileName.empty()) {
        std::string base;
        ExtractFileName(szFileName, base);
        title = base + " " + "" + " " + (nState == Paused ? "(Paused)" : "");
    }
    m_hWnd->SetTitle(title);
}

HRESULT CPreviewPlayer::InitVideoWindow(int nMultiplier, int nDivider) {
    if (bFullScreen == 1 && bVideoShown == 1) LeaveFullScreen();
    if (pBV == nullptr) return 0;
    int width = 0, height = 0;
    // Without a size (no video, or none known) there is nothing to fit.
    if (Failed(pBV->GetVideoSize(&width, &height))) return 0;
    width = width * nMultiplier / nDivider;
    height = height * nMultiplier / nDivider;

    auto& windows = hInstance->windows;
    m_hWnd->SetWindowPos(ZOrder::Top, 0, 0, width + 2 * windows.GetSystemMetrics(SystemMetric::CxFrame),
                         height + windows.GetSystemMetrics(SystemMetric::CyCaption) +
                             2 * windows.GetSystemMetrics(SystemMetric::CyFrame),
                         SWP_NOMOVE | SWP_NOOWNERZORDER);
    const Rect client = m_hWnd->GetClientRect();
    const HRESULT hr = pVW->SetWindowPosition(client.left, client.top, client.right, client.bottom);
    if (Failed(hr))
        ShowMessage("FAILED(hr=0x%x) in pVW->SetWindowPosition(rect.left, rect.top, rect.right, rect.bottom)\n",
                    static_cast<unsigned>(hr));
    return hr;
}

void CPreviewPlayer::FitVideoToClient() {
    if (!m_hWnd || pVW == nullptr) return;
    const Rect client = m_hWnd->GetClientRect();
    pVW->SetWindowPosition(0, 0, client.right, client.bottom);
}

void CPreviewPlayer::DestroyPreviewWindow() {
    if (!m_hWnd) return;
    if (pVW != nullptr) {
        m_hWnd->Show(false);
        pVW->put_Visible(false);
        if (bFullScreen == 1) {
            // So that the restore keeps the window hidden.
            bVideoShown = 0;
            LeaveFullScreen();
            m_hWnd->Show(false);
        }
        // The graph lets go of the window before it goes: the video stops
        // drawing into it and no notification is posted to it any more.
        pVW->put_Owner(nullptr);
    }
    if (pME != nullptr) pME->SetNotifyWindow(nullptr, 0, 0);
    m_hWnd.reset();
}
