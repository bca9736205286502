// "Open AC3": choosing a source, probing and measuring it, and showing it.
#include "ac3/SourceLabel.h"
#include "platform/FileApi.h"
#include "ui/MainDialog.h"

void CMainDialog::OnOpenAc3() {
    platform::FileDialogSpec spec;
    spec.title = "Select an AC3 file";
    spec.filterName = "AC3 File(*.ac3)";
    spec.filterPattern = "*.ac3";
    spec.initialFile = m_szSourcePath;  // opens on the current source, if any
    std::optional<std::string> chosen = Ui().OpenFileDialog(spec);
    if (!chosen) return;
    m_szSourcePath = *chosen;
    const std::string fileTitle = ac3::FileTitle(m_szSourcePath);

    // From here on a failure leaves no source path: the label, the total
    // time and the preview still describe the previous source, and no job
    // may run on a path they do not describe.
    if (!ProbeSource(&m_nFirstSyncOffset)) {
        m_szSourcePath.clear();
        return;
    }
    if (!ReadTotalTime()) {
        AfxMessageBox(
            "Can not open the AC3 total time! You may not install the AC3 decoder, or the file is corrupt.");
        m_szSourcePath.clear();
        return;
    }

    platform::FileHandle file = platform::OpenFileForRead(m_szSourcePath);
    if (file == nullptr) {
        MessageBox("Can not open the AC3 file!", "Error");
        m_szSourcePath.clear();
        return;
    }
    const std::int64_t size = my_lseeki64(file, 0, platform::FILE_END);
    if (size == -1) {
        MessageBox("my_lseeki64 is wrong for GetFileSizeEx", "Error");
        platform::CloseHandle(file);
        m_szSourcePath.clear();
        return;
    }
    my_lseeki64(file, 0, platform::FILE_BEGIN);
    m_llFileSize = size;
    platform::CloseHandle(file);

    m_strFileInfo = ac3::SourceLabel(fileTitle, m_nTotalSeconds);
    UpdateData(false);

    DestroyPreview();
    CreatePreview(m_szSourcePath);
}
