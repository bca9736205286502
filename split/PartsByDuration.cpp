// "By time": the whole source in consecutive parts of a chosen number of
// seconds, the last one taking what is left.
#include "split/OutputSteps.h"
#include "split/PartNames.h"
#include "split/SplitPositions.h"
#include "ui/MainDialog.h"

void CMainDialog::OnStartSplitByTime() {
    using namespace split;
    if (m_nTotalSeconds <= 0 || m_szSourcePath.empty()) return;
    m_nSplitSeconds = ReadSplitSeconds(m_editSplitTime.GetWindowText());
    if (m_nSplitSeconds <= 0) {
        ShowMessage(*this, kSplitSecondsTooSmall);
        return;
    }
    if (!CheckFrameSize(*this)) return;

    const int total = m_nTotalSeconds;
    const int seconds = m_nSplitSeconds;
    const int count = DurationPartCount(total, seconds);
    std::string pattern;
    BuildPartNamePattern(count, pattern);
    if (!CheckPartsNotSource(*this, m_editOutputDir.GetWindowText(), pattern, count)) return;

    SplitJob job(*this, kDurationPartsTexts);
    if (!job.OpenSourceForSplit()) return;
    for (int k = 0; k < count; ++k) {
        std::int64_t begin = DurationBoundary(k, count, total, seconds, m_llFileSize);
        std::int64_t end = DurationBoundary(k + 1, count, total, seconds, m_llFileSize);
        if (!job.AlignToFrameStart(&begin) || !job.AlignToFrameStart(&end)) return;
        if (!job.CheckSpanLimit(begin, end) || !job.CheckNotEmpty(begin, end)) return;
        m_strOutputDir = m_editOutputDir.GetWindowText();
        if (!job.WriteSegmentFile(PathInFolder(m_strOutputDir, PartFileName(pattern, m_szSourcePath, k)), begin,
                                  end))
            return;
    }
    job.Finish();
}
