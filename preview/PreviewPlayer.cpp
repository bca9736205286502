// The preview player's graph: opening a file, building and releasing the
// graph, the play controls, seeking, the position poll and the graph events.
#include "preview/PreviewPlayer.h"

#include <cstdarg>
#include <cstdio>

#include "platform/DialogHandler.h"

using namespace platform;

CPreviewPlayer* g_pPreviewPlayer = nullptr;
int g_bPickerUsed = 0;

namespace {

unsigned Hex(HRESULT hr) { return static_cast<std::uint32_t>(hr); }

}  // namespace

CPreviewPlayer::CPreviewPlayer(Services* instance, UiServices* owner) : hwndOwner(owner), hInstance(instance) {}

// The owner closes the player first. Should it not have, the graph still
// goes before the window it draws into and notifies.
CPreviewPlayer::~CPreviewPlayer() { pGB.reset(); }

void CPreviewPlayer::ShowMessage(const char* fmt, ...) {
    char text[512];
    va_list args;
    va_start(args, fmt);
    std::vsnprintf(text, sizeof text, fmt, args);
    va_end(args);
    hInstance->ui.MessageBox({BoxKind::Ownerless, "Message", text, BoxButtons::Ok, BoxIcon::None});
}

int CPreviewPlayer::OpenMedia() {
    if (szFileName.empty()) {
        hInstance->windows.ActivateMainDialog();
        std::string picked;
        // The desktop's pickers have no failure of their own to report: one
        // that returns nothing was cancelled, which ends the open silently.
        if (GetClipFileName(picked) == 0) return 0;
        // Playlists are refused whatever the letter case; the path itself
        // keeps its case, as file names on this platform depend on it.
        std::string lowered = picked;
        for (char& c : lowered)
            if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
        if (lowered.find(".asx") != std::string::npos) {
            ShowMessage("ASX Playlists are not supported by this application.\n\nPlease select a valid media file.");
            return 0;
        }
        szFileName = picked;
    }
    nState = Stopped;
    CreatePreviewWindow();
    if (Failed(BuildGraph(szFileName))) {
        Close();
        return 0;
    }
    return 1;
}

int CPreviewPlayer::GetClipFileName(std::string& out) {
    out.clear();
    FileDialogSpec spec;
    spec.title = "Open Media File...";
    spec.filterName = "Any Files (*.*)";
    spec.filterPattern = "*.*";
    // The first picker of the process opens at the root folder; later ones
    // where the desktop left off.
    if (g_bPickerUsed == 0) {
        spec.initialDir = "/";
        g_bPickerUsed = 1;
    }
    auto picked = hInstance->ui.OpenFileDialog(spec);
    if (!picked) return 0;
    out = *picked;
    return 1;
}

HRESULT CPreviewPlayer::BuildGraph(const std::string& path) {
    HRESULT hr = hInstance->media.CreateGraph(&pGB);
    if (Failed(hr)) {
        ShowMessage("FAILED(hr=0x%x) in CoCreateInstance(CLSID_FilterGraph, NULL, CLSCTX_INPROC_SERVER, "
                    "IID_IGraphBuilder, (void **)&pGB)\n",
                    Hex(hr));
        return hr;
    }
    hr = pGB->RenderFile(path);
    if (Failed(hr)) {
        hInstance->ui.MessageBox({BoxKind::Ownerless, "Error",
                                  "Cannot play the file.  The file is either corrupt or\n"
                                  "the player does not support the format you are trying to play.\n"
                                  "If you want more decoders, please visit our website.",
                                  BoxButtons::Ok, BoxIcon::None});
        return hr;
    }

    if (Failed(hr = pGB->QueryMediaControl(&pMC))) {
        ShowMessage("FAILED(hr=0x%x) in pGB->QueryInterface(IID_IMediaControl, (void **)&pMC)\n", Hex(hr));
        return hr;
    }
    if (Failed(hr = pGB->QueryMediaEvent(&pME))) {
        ShowMessage("FAILED(hr=0x%x) in pGB->QueryInterface(IID_IMediaEventEx, (void **)&pME)\n", Hex(hr));
        return hr;
    }
    if (Failed(hr = pGB->QueryMediaSeeking(&pMS))) {
        ShowMessage("FAILED(hr=0x%x) in pGB->QueryInterface(IID_IMediaSeeking, (void **)&pMS)\n", Hex(hr));
        return hr;
    }
    if (Failed(hr = pGB->QueryVideoWindow(&pVW))) {
        ShowMessage("FAILED(hr=0x%x) in pGB->QueryInterface(IID_IVideoWindow, (void **)&pVW)\n", Hex(hr));
        return hr;
    }
    if (Failed(hr = pGB->QueryBasicVideo(&pBV))) {
        ShowMessage("FAILED(hr=0x%x) in pGB->QueryInterface(IID_IBasicVideo, (void **)&pBV)\n", Hex(hr));
        return hr;
    }
    if (Failed(hr = pGB->QueryBasicAudio(&pBA))) {
        ShowMessage("FAILED(hr=0x%x) in pGB->QueryInterface(IID_IBasicAudio, (void **)&pBA)\n", Hex(hr));
        return hr;
    }

    DetectVideo();

    hr = pME->SetNotifyWindow(m_hWnd.get(), WM_GRAPHNOTIFY, 0);
    if (Failed(hr)) {
        ShowMessage("FAILED(hr=0x%x) in pME->SetNotifyWindow(reinterpret_cast<OAHWND>(m_hWnd), WM_GRAPHNOTIFY, 0)\n",
                    Hex(hr));
        return hr;
    }

    if (bAudioOnly == 0) {
        // The picture is drawn straight into the preview window's client
        // area, so there is no separate video window to restyle as a child.
        pVW->put_Owner(m_hWnd.get());
        pVW->put_MessageDrain(m_hWnd.get());
        const HRESULT sized = InitVideoWindow(1, 1);
        if (Failed(sized)) {
            ShowMessage("FAILED(hr=0x%x) in InitVideoWindow(1, 1)\n", Hex(sized));
            return sized;
        }
    }

    if (bAudioOnly == 0) {
        bVideoShown = 1;
        m_hWnd->Show(true);
    } else {
        m_hWnd->Show(false);
    }
    // For a hidden window too; the main dialog does not take the focus back.
    m_hWnd->Activate();
    RefreshTitle();
    m_hWnd->SetTimer(kPollTimer, 1000);
    return hr;
}

void CPreviewPlayer::DetectVideo() {
    if (pVW == nullptr || pBV == nullptr) {
        bAudioOnly = 1;
        return;
    }
    bAudioOnly = 0;
    bool visible = false;
    const HRESULT hr = pVW->get_Visible(&visible);
    if (hr == E_NOINTERFACE)
        bAudioOnly = 1;
    else if (Failed(hr))
        ShowMessage("Failed(%08lx) in pVW->get_Visible()!\r\n", static_cast<unsigned long>(Hex(hr)));
}

void CPreviewPlayer::Play() {
    if (pMC == nullptr) return;
    if (nState == Stopped || nState == Paused) {
        if (Succeeded(pMC->Run())) nState = Running;
    }
    if (Succeeded(pMS->SetRate(1.0))) RefreshTitle();
}

void CPreviewPlayer::Pause() {
    if (pMC == nullptr) return;
    if (nState == Running) {
        if (Succeeded(pMC->Pause())) nState = Paused;
    }
    RefreshTitle();
}

void CPreviewPlayer::Stop() {
    if (pMC == nullptr || pMS == nullptr) return;
    if (nState == Paused || nState == Running) {
        if (m_hWnd) m_hWnd->KillTimer(kIdleCursorTimer);
        pMC->Stop();
        nState = Stopped;
        // The graph ends paused on position 0, the first frame cued, while
        // the state says Stopped.
        pMS->SetPositions(0);
        pMC->Pause();
    }
    RefreshTitle();
}

HRESULT CPreviewPlayer::SeekTo(std::int64_t rt) {
    if (pMS == nullptr) return 0;
    if (pMS->IsFormatSupported(TimeFormat::MediaTime) != S_OK) return E_NOINTERFACE;
    TimeFormat saved = TimeFormat::MediaTime;
    HRESULT hr = pMS->GetTimeFormat(&saved);
    if (Failed(hr)) return hr;
    hr = pMS->SetTimeFormat(TimeFormat::MediaTime);
    if (Failed(hr)) return hr;
    if (rt < 0) rt = 0;
    hr = pMS->SetPositions(rt);
    if (Failed(hr)) return hr;
    if (saved != TimeFormat::MediaTime) hr = pMS->SetTimeFormat(saved);
    return hr;
}

HRESULT CPreviewPlayer::PollPosition() {
    if (pMS == nullptr) return E_POINTER;
    HRESULT hr = pMS->IsFormatSupported(TimeFormat::MediaTime);
    if (hr != S_OK) return hr;
    TimeFormat saved = TimeFormat::MediaTime;
    if (Failed(hr = pMS->GetTimeFormat(&saved))) return hr;
    if (Failed(hr = pMS->SetTimeFormat(TimeFormat::MediaTime))) return hr;
    if (Failed(hr = pMS->GetStopPosition(&rtStop))) return hr;
    if (Failed(hr = pMS->GetCurrentPosition(&rtCurrent))) return hr;
    if (saved != TimeFormat::MediaTime && Failed(hr = pMS->SetTimeFormat(saved))) return hr;
    if (hwndOwner != nullptr) hwndOwner->PostMessage(WM_POSITIONNOTIFY, 0);
    return hr;
}

void CPreviewPlayer::ProcessGraphEvents() {
    if (pME == nullptr) return;
    long code = 0;
    std::intptr_t param1 = 0, param2 = 0;
    while (Succeeded(pME->GetEvent(&code, &param1, &param2, 0))) {
        if (code == EC_ERRORABORT) {
            // The graph stopped on an error: stop cleanly and say why, rather
            // than leave the player Running on a graph that no longer plays.
            const bool playing = nState == Running || nState == Paused;
            std::string why = param2 != 0 ? reinterpret_cast<const char*>(param2) : "";
            const HRESULT hr = static_cast<HRESULT>(param1);
            pME->FreeEventParams(code, param1, param2);
            if (!playing) continue;
            Stop();
            // Last: the message box lets other events run meanwhile.
            ShowMessage("Failed(%08lx) while playing the file: %s\n", static_cast<unsigned long>(Hex(hr)),
                        why.c_str());
            return;
        }
        pME->FreeEventParams(code, param1, param2);
        if (code == EC_COMPLETE) Stop();
    }
}

void CPreviewPlayer::Close() {
    if (pMC != nullptr) pMC->Stop();
    nState = Stopped;
    bAudioOnly = 1;
    if (bWindowCreated) DestroyPreviewWindow();
    ReleaseGraph();
    szFileName.clear();
    nState = Closed;
    // The main dialog repaints, and its paint refreshes the time display.
    if (hwndOwner != nullptr) hwndOwner->InvalidateDialog();
}

void CPreviewPlayer::ReleaseGraph() {
    if (pVW != nullptr) {
        pVW->put_Visible(false);
        pVW->put_Owner(nullptr);
    }
    if (pME != nullptr) pME->SetNotifyWindow(nullptr, 0, 0);
    pME = nullptr;
    pMS = nullptr;
    pMC = nullptr;
    pBA = nullptr;
    pBV = nullptr;
    pVW = nullptr;
    pGB.reset();
}
