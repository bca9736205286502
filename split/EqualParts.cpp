// "By size": the whole source in a chosen number of parts of equal share.
#include <cstdio>

#include "split/OutputSteps.h"
#include "split/PartNames.h"
#include "split/SplitPositions.h"
#include "ui/MainDialog.h"

void CMainDialog::OnStartSplitBySize() {
    using namespace split;
    if (m_strFileInfo.empty()) return;
    if (!UpdateData(true)) return;
    if (m_nPartCount < 1) return;
    if (!CheckFrameSize(*this)) return;

    const int count = m_nPartCount;
    std::string pattern;
    BuildPartNamePattern(count, pattern);
    if (!CheckPartsNotSource(*this, m_editOutputDir.GetWindowText(), pattern, count)) return;

    SplitJob job(*this, kEqualPartsTexts);
    if (!job.OpenSourceForSplit()) return;
    for (int k = 0; k < count; ++k) {
        std::int64_t begin = EqualPartBoundary(k, count, m_llFileSize);
        std::int64_t end = EqualPartBoundary(k + 1, count, m_llFileSize);
        if (!job.CheckSpanLimit(begin, end)) return;
        if (!job.AlignToFrameStart(&begin) || !job.AlignToFrameStart(&end)) return;
        if (!job.CheckNotEmpty(begin, end)) return;
        m_strOutputDir = m_editOutputDir.GetWindowText();
        if (!job.WriteSegmentFile(PathInFolder(m_strOutputDir, PartFileName(pattern, m_szSourcePath, k)), begin,
                                  end))
            return;
    }
    job.Finish();
}

int CMainDialog::OnPartCountDeltaPos(int pos, int delta) {
    UpdatePartSizeLabel(pos + delta);
    return 0;  // the step is always allowed
}

void CMainDialog::UpdatePartSizeLabel(int count) {
    if (count < 1 || m_szSourcePath.empty()) return;
    const std::int64_t kb = m_llFileSize / count / 1024;
    char text[32];
    std::snprintf(text, sizeof text, "%dKB", static_cast<int>(static_cast<std::uint32_t>(kb)));
    m_staticPartSize.SetWindowText(text);
}
