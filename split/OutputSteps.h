// The steps the three split jobs share: reopening and measuring the source,
// moving positions onto the frame grid, the range checks, writing one output
// file, and finishing. A job builds one SplitJob when it is about to open
// the source and runs the steps in its own order; a step that fails has
// shown its message and ended the run (wait cursor down, source closed),
// and the job simply returns.
#pragma once
#include <cstdint>
#include <cstdio>
#include <string>

#include "platform/FileApi.h"
#include "split/SplitMessages.h"

class CMainDialog;

namespace split {

// Shows `message` as its box kind says.
void ShowMessage(CMainDialog& dialog, const Message& message);

// False, after a message, when the open source has no frame size to align
// positions with.
bool CheckFrameSize(CMainDialog& dialog);

// False, after a message, when `outputPath` names the open source itself
// (compared by device and inode, so links and other spellings count).
bool CheckNotSource(CMainDialog& dialog, const std::string& outputPath);

// False, after a message, when one of the first `count` part names under
// `pattern` in `folder` names the open source itself (through a link).
bool CheckPartsNotSource(CMainDialog& dialog, const std::string& folder, const std::string& pattern,
                         int count);

class SplitJob {
public:
    SplitJob(CMainDialog& dialog, const JobTexts& texts);
    // Closes what a run left open; shows nothing.
    ~SplitJob();
    SplitJob(const SplitJob&) = delete;
    SplitJob& operator=(const SplitJob&) = delete;

    // Opens the source for reading and stores its size, measured now, in
    // m_llFileSize.
    bool OpenSourceForSplit();

    // Moves `position` back to a frame start of the source (or to 0). A
    // position at or beyond the end of the source is the end of the source:
    // the last frame belongs to the range that ends there.
    bool AlignToFrameStart(std::int64_t* position);

    // The 2 GB limit: a span (end - begin) above 2,147,483,647 bytes is
    // refused; a negative one passes (the empty-range check sees it).
    bool CheckSpanLimit(std::int64_t begin, std::int64_t end);
    // An aligned range whose end is not after its begin is refused.
    bool CheckNotEmpty(std::int64_t begin, std::int64_t end);

    // Creates (or truncates) `outputPath` and writes the source's leading
    // bytes (when the range does not begin at byte 0) and then the bytes
    // from `begin` up to `end`. The first output of a run puts up the wait
    // cursor. On failure the partial output stays on disk.
    bool WriteSegmentFile(const std::string& outputPath, std::int64_t begin, std::int64_t end);

    // Closes the source, takes the wait cursor down and reports success.
    void Finish();

private:
    // Ends the run after a failure: the wait cursor down, the message, the
    // output (when one is open) and the source closed.
    void Fail(const Message& message, std::FILE* output = nullptr);
    // Closes what is open and takes the wait cursor down, showing nothing.
    void End();

    CMainDialog& dialog_;
    const JobTexts& texts_;
    platform::FileHandle source_ = nullptr;
    bool waitCursor_ = false;
};

}  // namespace split
