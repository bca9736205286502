// The split jobs and output pickers (not built yet).
#include "ui/MainDialog.h"

bool CMainDialog::OutputFileExists(const std::string&) { return false; }
void CMainDialog::OnStartCut() {}
void CMainDialog::OnStartSplitBySize() {}
void CMainDialog::OnStartSplitByTime() {}
int CMainDialog::BuildPartNamePattern(int, std::string&) { return 1; }
int CMainDialog::OnPartCountDeltaPos(int, int) { return 0; }
void CMainDialog::UpdatePartSizeLabel(int) {}
bool CMainDialog::BrowseForFolder(std::string&) { return false; }
void CMainDialog::OnBrowseOutputDir() {}
void CMainDialog::OnBrowseOutputFile() {}
void ExtractFileName(const std::string& path, std::string& out) { out = path; }
