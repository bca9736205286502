// The two "Browse" buttons: the output folder of the splits and the output
// file of the cut. Each choice is saved in the settings at once.
#include "res/ResourceIds.h"
#include "split/PartNames.h"
#include "ui/MainDialog.h"

bool CMainDialog::BrowseForFolder(std::string& folder) {
    auto chosen = Ui().FolderDialog("Choose a folder");
    if (!chosen) return false;
    folder = *chosen;
    return true;
}

void CMainDialog::OnBrowseOutputDir() {
    if (BrowseForFolder(m_strOutputDir)) m_strOutputDir = split::FolderWithSeparator(m_strOutputDir);
    // Saved and shown also after a cancel: the edit then drops what was
    // typed into it since a job last took it over.
    Services().profile.WriteProfileString("Option", "output_folder", m_strOutputDir);
    m_editOutputDir.SetWindowText(m_strOutputDir);
}

void CMainDialog::OnBrowseOutputFile() {
    auto chosen = Ui().SaveFileDialog(split::OutputFileDialogSpec(m_strOutputFile));
    if (!chosen) return;
    m_strOutputFile = split::WithAc3Extension(*chosen);
    Services().profile.WriteProfileString("Option", "output_cut_file", m_strOutputFile);
    Ui().SetControlText(res::IDC_OUTPUT_FILE, m_strOutputFile);
}
