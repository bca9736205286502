// The preview controls of the main dialog (not built yet).
#include "ui/MainDialog.h"

int CMainDialog::CreatePreview(std::string&) { return 0; }
int CMainDialog::DestroyPreview() {
    m_nSliderPos = 0;
    m_sliderSeek.SetPos(0);
    Ui().InvalidateDialog();
    return 1;
}
void CMainDialog::RefreshPosition() {
    if (m_staticPosition.GetDlgCtrlID() != 0) m_staticPosition.SetWindowText("00:00:00");
}
int CMainDialog::SeekToSlider(int) { return 0; }
void CMainDialog::OnPlay() {}
void CMainDialog::OnPause() {}
void CMainDialog::OnStop() {}
void CMainDialog::OnStartTime() {}
void CMainDialog::OnEndTime() {}
void CMainDialog::OnClosePreview() {}
void CMainDialog::OnSeekReleased() {}
