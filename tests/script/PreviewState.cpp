#include "PreviewState.h"

#include <sstream>

#include "platform/scripted/ScriptedUi.h"
#include "preview/PreviewPlayer.h"

namespace {

const char* StateName(int state) {
    switch (state) {
    case CPreviewPlayer::Stopped: return "Stopped";
    case CPreviewPlayer::Paused: return "Paused";
    case CPreviewPlayer::Running: return "Running";
    default: return "Closed";
    }
}

}  // namespace

std::string DescribePreview() {
    const CPreviewPlayer* player = g_pPreviewPlayer;
    if (player == nullptr) return "preview none";
    std::ostringstream out;
    const bool shown = player->m_hWnd && player->m_hWnd->IsShown();
    out << "preview state=" << StateName(player->nState) << " window=" << (shown ? "visible" : "hidden")
        << " title=" << platform::scripted::Quote(player->m_hWnd ? player->m_hWnd->GetTitle() : std::string())
        << " current=" << player->rtCurrent << " stop=" << player->rtStop;
    return out.str();
}

std::string DescribePreviewVideo() {
    const CPreviewPlayer* player = g_pPreviewPlayer;
    if (player == nullptr || player->pVW == nullptr || player->pBV == nullptr) return "video none";
    int left = 0, top = 0, width = 0, height = 0, nativeWidth = 0, nativeHeight = 0;
    if (platform::Failed(player->pBV->GetVideoSize(&nativeWidth, &nativeHeight)) ||
        platform::Failed(player->pVW->GetWindowPosition(&left, &top, &width, &height)))
        return "video none";
    std::ostringstream out;
    out << "video " << left << ',' << top << ',' << width << ',' << height << " native=" << nativeWidth << 'x'
        << nativeHeight << " fullscreen=" << player->bFullScreen;
    return out.str();
}
