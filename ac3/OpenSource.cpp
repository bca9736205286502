// Opening a source (not built yet).
#include "ui/MainDialog.h"

bool CMainDialog::ParseFrameSize(std::uint8_t) { return false; }
bool CMainDialog::ProbeSource(int*) { return false; }
bool CMainDialog::FindFrameStart(platform::FileHandle, std::int64_t*) { return false; }
void CMainDialog::OnOpenAc3() {}
bool CMainDialog::ReadTotalTime() { return false; }
bool QueryMediaStopTime(platform::MediaFramework&, const std::string&, std::int64_t*) { return false; }
