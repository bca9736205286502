// The preview controls of the main dialog: creating and destroying the
// player with the source, Play, Pause, Stop, the position text and the
// 600-step slider, seeking from the slider, "Start Time", "End Time" and the
// hidden "Close" command of the preview window.
#include <cstdio>

#include "app/MainApp.h"
#include "preview/PreviewPlayer.h"
#include "ui/MainDialog.h"

namespace {

// Whole hours, minutes and seconds of a media time; the seconds are taken
// as an int, as the display has always done.
struct Clock {
    int hours, minutes, seconds;
};
Clock ToClock(std::int64_t rt) {
    const int secs = static_cast<int>(rt / 10'000'000);
    return {secs / 3600, (secs % 3600) / 60, (secs % 3600) % 60};
}

std::string FormatClock(const Clock& c) {
    char text[48];
    std::snprintf(text, sizeof text, "%02d:%02d:%02d", c.hours, c.minutes, c.seconds);
    return text;
}

}  // namespace

int CMainDialog::CreatePreview(std::string& path) {
    g_pPreviewPlayer = new CPreviewPlayer(m_hInstance, &Ui());
    // Read and not used: nothing writes it, and a new player always opens
    // in a window.
    services_.profile.GetProfileInt("Setup", "g_bFullscreen", 0);
    g_pPreviewPlayer->szFileName = path;
    if (g_pPreviewPlayer->OpenMedia()) return 1;
    path.clear();
    DestroyPreview();
    return 0;
}

int CMainDialog::DestroyPreview() {
    if (g_pPreviewPlayer != nullptr) {
        if (g_pPreviewPlayer->nState != CPreviewPlayer::Closed) g_pPreviewPlayer->Close();
        delete g_pPreviewPlayer;
        g_pPreviewPlayer = nullptr;
    }
    m_nSliderPos = 0;
    m_sliderSeek.SetPos(0);
    // The repaint refreshes the position text, then "00:00:00".
    Ui().InvalidateDialog();
    return 1;
}

void CMainDialog::RefreshPosition() {
    if (m_staticPosition.GetDlgCtrlID() == 0) return;  // not attached yet
    // While the user drags the slider, its thumb follows the mouse.
    if (AfxGetApp() != nullptr && AfxGetApp()->m_bSeekDragging == 1) return;
    if (g_pPreviewPlayer == nullptr) {
        m_staticPosition.SetWindowText(FormatClock({0, 0, 0}));
        return;
    }
    const std::int64_t rtCurrent = g_pPreviewPlayer->rtCurrent;
    const std::int64_t rtStop = g_pPreviewPlayer->rtStop;
    m_staticPosition.SetWindowText(FormatClock(ToClock(rtCurrent)));
    // Until the first poll the end of the media is not known.
    m_nSliderPos = rtStop == 0 ? 0
                               : static_cast<int>(static_cast<double>(rtCurrent) / static_cast<double>(rtStop) * 600);
    m_sliderSeek.SetPos(m_nSliderPos);
}

int CMainDialog::SeekToSlider(int pos) {
    if (g_pPreviewPlayer == nullptr || g_pPreviewPlayer->rtStop == 0) return 0;
    // A multiplication by 1/600, as the player has always seeked.
    const auto target = static_cast<std::int64_t>(static_cast<double>(g_pPreviewPlayer->rtStop * pos) *
                                                  0.0016666666666666668);
    g_pPreviewPlayer->SeekTo(target);
    return 1;
}

void CMainDialog::OnPlay() {
    if (g_pPreviewPlayer != nullptr) g_pPreviewPlayer->Play();
}

void CMainDialog::OnPause() {
    if (g_pPreviewPlayer != nullptr) g_pPreviewPlayer->Pause();
}

void CMainDialog::OnStop() {
    if (g_pPreviewPlayer != nullptr) g_pPreviewPlayer->Stop();
}

// The last polled position, up to a second old, into three time fields,
// then every exchanged field from its member.
static void TakePlayPosition(CMainDialog& dialog, int& hours, int& minutes, int& seconds) {
    if (g_pPreviewPlayer == nullptr) return;
    const Clock c = ToClock(g_pPreviewPlayer->rtCurrent);
    hours = c.hours;
    minutes = c.minutes;
    seconds = c.seconds;
    dialog.UpdateData(false);
}

void CMainDialog::OnStartTime() { TakePlayPosition(*this, m_nStartHour, m_nStartMinute, m_nStartSecond); }

void CMainDialog::OnEndTime() { TakePlayPosition(*this, m_nEndHour, m_nEndMinute, m_nEndSecond); }

// The preview window was closed: the player goes, and with it the source.
void CMainDialog::OnClosePreview() {
    DestroyPreview();
    m_strFileInfo.clear();
    m_szSourcePath.clear();
    m_nStartHour = m_nStartMinute = m_nStartSecond = 0;
    m_nEndHour = m_nEndMinute = m_nEndSecond = 0;
    m_staticPosition.SetWindowText("00:00:00");
    UpdateData(false);
}

void CMainDialog::OnSeekReleased() {
    m_nSliderPos = m_sliderSeek.GetPos();
    SeekToSlider(m_nSliderPos);
}
