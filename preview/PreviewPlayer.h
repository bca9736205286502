// The preview player: plays a media file through a playback graph in its own
// top-level window, which stays hidden for media without video (every AC3
// source). The main dialog drives it with Play, Pause, Stop and the position
// slider; the window's timer 2 polls the position once a second and tells
// the dialog. For media with video the window shows the picture and offers
// full screen, a context menu and mouse control of the dialog's z-order.
//
// One player exists at a time, reached through g_pPreviewPlayer; the main
// dialog creates it for every source it opens and deletes it when the
// source is closed or replaced.
#pragma once
#include <cstdint>
#include <memory>
#include <string>

#include "platform/MediaGraph.h"
#include "platform/PreviewWindow.h"
#include "platform/Services.h"

// Messages of the preview window's procedure, with their Windows values.
inline constexpr unsigned WM_MOVE = 0x0003;
inline constexpr unsigned WM_SIZE = 0x0005;
inline constexpr unsigned WM_CLOSE = 0x0010;
inline constexpr unsigned WM_KEYUP = 0x0101;
inline constexpr unsigned WM_TIMER = 0x0113;
inline constexpr unsigned WM_MOUSEMOVE = 0x0200;
inline constexpr unsigned WM_LBUTTONUP = 0x0202;
inline constexpr unsigned WM_RBUTTONUP = 0x0205;
inline constexpr unsigned WM_MBUTTONUP = 0x0208;
// The graph has events waiting (WM_USER + 13).
inline constexpr unsigned WM_GRAPHNOTIFY = 1037;

// Timers of the preview window.
inline constexpr int kIdleCursorTimer = 1;  // full screen: hide an idle cursor
inline constexpr int kPollTimer = 2;        // position poll

class CPreviewPlayer;

// The preview window's procedure: what the window does with each message.
// wParam and lParam as on Windows: the timer id, the key, the command id;
// for mouse messages the client x and y as the signed low and high words
// of lParam.
std::intptr_t PreviewWindowProc(CPreviewPlayer* player, unsigned msg, std::intptr_t wParam, std::intptr_t lParam);

class CPreviewPlayer {
public:
    // Play states.
    enum { Stopped = 0, Paused = 1, Running = 2, Closed = 3 };

    // `hInstance` gives the desktop, the media framework and the resources;
    // `hwndOwner` is the main dialog (may be null).
    CPreviewPlayer(platform::Services* hInstance, platform::UiServices* hwndOwner);
    // Frees the object only: the owner closes the player first when it is
    // not Closed.
    virtual ~CPreviewPlayer();
    CPreviewPlayer(const CPreviewPlayer&) = delete;
    CPreviewPlayer& operator=(const CPreviewPlayer&) = delete;

    // --- The graph (PreviewPlayer.cpp) ---
    // 1 when the graph is built and the window is up. An empty szFileName
    // makes the player ask the user for a file.
    int OpenMedia();
    // The media file picker; nonzero with the chosen path in `out`.
    int GetClipFileName(std::string& out);
    platform::HRESULT BuildGraph(const std::string& path);
    void DetectVideo();
    void Play();
    void Pause();
    void Stop();
    platform::HRESULT SeekTo(std::int64_t rt);
    platform::HRESULT PollPosition();
    void ProcessGraphEvents();
    void Close();
    void ReleaseGraph();
    // An ownerless message box captioned "Message" (the text at most 511
    // bytes).
    void ShowMessage(const char* fmt, ...)
#if defined(__GNUC__)
        __attribute__((format(printf, 2, 3)))
#endif
        ;

    // --- The window (PreviewWindow.cpp) ---
    bool CreatePreviewWindow();
    platform::Rect GetInitialWindowRect();
    void RefreshTitle();
    platform::HRESULT InitVideoWindow(int nMultiplier, int nDivider);
    void FitVideoToClient();
    void DestroyPreviewWindow();

    // --- Full screen, mouse and context menu (FullScreen.cpp) ---
    bool SwitchFullScreen();
    bool EnterFullScreen();
    bool LeaveFullScreen();
    void HideIdleCursor();
    void ShowMouseCursor();
    void HideMouseCursor();
    void OnPreviewClick();
    void ShowContextMenu(platform::PreviewWindow* hwnd, int x, int y);
    void UpdateMenuItems(platform::PopupMenu& popup);
    void OnMenuCommand(int id);

    // --- Members, in declaration order ---
    platform::UiServices* hwndOwner;
    platform::Services* hInstance;
    std::string szFileName;
    int bAudioOnly = 0;
    int bFullScreen = 0;
    int nState = Closed;
    platform::IVideoWindow* pVW = nullptr;
    int bVideoShown = 0;
    platform::IBasicVideo* pBV = nullptr;
    // The graph; the other roles are views of it and live as long as it.
    std::unique_ptr<platform::IGraphBuilder> pGB;
    platform::IMediaControl* pMC = nullptr;
    platform::IMediaEventEx* pME = nullptr;
    platform::IBasicAudio* pBA = nullptr;
    platform::IMediaSeeking* pMS = nullptr;
    std::unique_ptr<platform::PreviewWindow> m_hWnd;
    bool bWindowCreated = false;
    std::uint32_t dwLastActivity = 0;
    int nCursorCount = 0;
    platform::Rect rcRestore;
    std::int64_t rtCurrent = 0;
    std::int64_t rtStop = 0;
    int bOwnerShown = 1;
    long lRestoreStyle = 0;

private:
    // Hands what the window reports to PreviewWindowProc.
    class WindowEvents final : public platform::PreviewWindowEvents {
    public:
        explicit WindowEvents(CPreviewPlayer& player) : player_(player) {}
        void OnTimer(int id) override;
        void OnGraphNotify() override;
        void OnCloseBox() override;
        void OnMoveOrSize() override;
        void OnPaint() override;
        void OnKeyUp(int key) override;
        void OnMouse(platform::MouseAction action, int x, int y) override;
        void OnCommand(int id) override;

    private:
        CPreviewPlayer& player_;
    };
    WindowEvents windowEvents_{*this};
};

// The one player, or null. Only the main dialog's preview controls set and
// clear it.
extern CPreviewPlayer* g_pPreviewPlayer;
// Set once the media file picker was shown for the first time.
extern int g_bPickerUsed;
// Outside full screen a left click toggles the main dialog between topmost
// and not; the toggle outlives the players.
extern int g_bMainOnTop;

