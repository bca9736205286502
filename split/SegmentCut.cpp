// "By frame": the frames between a start and an end time, into one file.
#include <vector>
#include <cstdio>

#include "split/OutputSteps.h"
#include "split/SplitPositions.h"
#include "ui/MainDialog.h"

void CMainDialog::OnStartCut() {
    using namespace split;
    if (m_strFileInfo.empty()) {
        ShowMessage(*this, kOpenSourceFirst);
        return;
    }
    if (!UpdateData(true)) return;

    // 64-bit second counts: no field value can wrap around into the range.
    const std::int64_t startSeconds = TimeFieldSeconds(m_nStartHour, m_nStartMinute, m_nStartSecond);
    const std::int64_t endSeconds = TimeFieldSeconds(m_nEndHour, m_nEndMinute, m_nEndSecond);
    if (startSeconds >= m_nTotalSeconds) {
        ShowMessage(*this, kStartAfterTotal);
        return;
    }
    if (endSeconds > m_nTotalSeconds) {
        ShowMessage(*this, kEndAfterTotal);
        return;
    }
    if (startSeconds >= endSeconds) {
        ShowMessage(*this, kStartAfterEnd);
        return;
    }
    if (!CheckFrameSize(*this) || !CheckNotSource(*this, m_strOutputFile)) return;

    // Yes only allows the replacement: the old file is truncated when the
    // output is created, so a check that ends the job before leaves it as
    // it was.
    if (OutputFileExists(m_strOutputFile)) {
        std::vector<char> question(m_strOutputFile.size() + sizeof kReplaceQuestion);
        std::snprintf(question.data(), question.size(), kReplaceQuestion, m_strOutputFile.c_str());
        const auto answer = Ui().MessageBox({platform::BoxKind::Ownerless, kReplaceCaption, question.data(),
                                             platform::BoxButtons::YesNo, platform::BoxIcon::Exclamation});
        if (answer != platform::BoxAnswer::Yes) return;
    }

    SplitJob job(*this, kSegmentCutTexts);
    if (!job.OpenSourceForSplit()) return;
    std::int64_t begin = CutPosition(m_llFileSize, startSeconds, m_nTotalSeconds);
    std::int64_t end = CutPosition(m_llFileSize, endSeconds, m_nTotalSeconds);
    if (!job.AlignToFrameStart(&begin) || !job.AlignToFrameStart(&end)) return;
    if (!job.CheckSpanLimit(begin, end) || !job.CheckNotEmpty(begin, end)) return;
    if (!job.WriteSegmentFile(m_strOutputFile, begin, end)) return;
    job.Finish();
}
