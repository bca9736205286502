#include "split/OutputSteps.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <filesystem>
#include <memory>
#include <system_error>

#include "split/PartNames.h"
#include "split/SplitPositions.h"
#include "ui/MainDialog.h"

namespace split {
namespace {

// The copy moves the source in reads of this size; the file API serves them
// from its read-ahead buffer.
constexpr std::uint32_t kCopyChunk = 512;
// The leading bytes lie within the first 2560 bytes of the source.
constexpr int kMaxLeadingBytes = 10000;
// The output stream's buffer: large writes keep the copy near the speed of
// a plain file copy.
constexpr std::size_t kOutputBufferSize = 1 << 20;

}  // namespace

void ShowMessage(CMainDialog& dialog, const Message& message) {
    if (message.box == Box::App)
        dialog.AfxMessageBox(message.text);
    else
        dialog.MessageBox(message.text, message.caption);
}

bool CheckFrameSize(CMainDialog& dialog) {
    if (dialog.m_nFrameSize > 0) return true;
    ShowMessage(dialog, kNoFrameSize);
    return false;
}

bool CheckNotSource(CMainDialog& dialog, const std::string& outputPath) {
    if (!platform::IsSameFile(outputPath, dialog.m_szSourcePath)) return true;
    ShowMessage(dialog, kOutputIsSource);
    return false;
}

bool CheckPartsNotSource(CMainDialog& dialog, const std::string& folder, const std::string& pattern,
                         int count) {
    // The part names add a number to the source's name, so only a link in
    // the output folder can make one of them the source. Looking through the
    // folder once costs the same for 2 parts as for 10000.
    std::error_code error;
    std::filesystem::directory_iterator entries(folder.empty() ? std::string(".") : folder, error);
    if (error) return true;  // no folder: creating the first part will fail and say so
    for (const auto& entry : entries) {
        const std::string name = entry.path().filename().string();
        if (!IsPartFileName(name, pattern, dialog.m_szSourcePath, count)) continue;
        if (!CheckNotSource(dialog, PathInFolder(folder, name))) return false;
    }
    return true;
}

SplitJob::SplitJob(CMainDialog& dialog, const JobTexts& texts) : dialog_(dialog), texts_(texts) {}

SplitJob::~SplitJob() { End(); }

void SplitJob::End() {
    if (waitCursor_) {
        dialog_.Ui().EndWaitCursor();
        waitCursor_ = false;
    }
    if (source_ != nullptr) {
        platform::CloseHandle(source_);
        source_ = nullptr;
    }
}

void SplitJob::Fail(const Message& message, std::FILE* output) {
    // The wait cursor goes before the message, so the box is answered with
    // the normal pointer.
    if (waitCursor_) {
        dialog_.Ui().EndWaitCursor();
        waitCursor_ = false;
    }
    ShowMessage(dialog_, message);
    if (output != nullptr) std::fclose(output);
    End();
}

bool SplitJob::OpenSourceForSplit() {
    source_ = platform::OpenFileForRead(dialog_.m_szSourcePath);
    if (source_ == nullptr) {
        Fail(kOpenSourceFailed);
        return false;
    }
    const std::int64_t size = my_lseeki64(source_, 0, platform::FILE_END);
    if (size == -1) {
        Fail(kMeasureSourceFailed);
        return false;
    }
    my_lseeki64(source_, 0, platform::FILE_BEGIN);
    dialog_.m_llFileSize = size;
    return true;
}

bool SplitJob::AlignToFrameStart(std::int64_t* position) {
    if (*position >= dialog_.m_llFileSize) {
        *position = dialog_.m_llFileSize;
        return true;
    }
    if (dialog_.FindFrameStart(source_, position)) return true;
    End();  // the search has shown its own message
    return false;
}

bool SplitJob::CheckSpanLimit(std::int64_t begin, std::int64_t end) {
    if (end - begin <= kMaxSpan) return true;
    Fail(kSpanTooLarge);
    return false;
}

bool SplitJob::CheckNotEmpty(std::int64_t begin, std::int64_t end) {
    if (end > begin) return true;
    Fail(texts_.emptyRange);
    return false;
}

bool SplitJob::WriteSegmentFile(const std::string& outputPath, std::int64_t begin, std::int64_t end) {
    // The jobs have refused outputs that are the source before they began;
    // looking once more right before the file is truncated keeps a link
    // made meanwhile from destroying the source.
    if (platform::IsSameFile(outputPath, dialog_.m_szSourcePath)) {
        Fail(kOutputIsSource);
        return false;
    }
    std::unique_ptr<char[]> streamBuffer(new char[kOutputBufferSize]);
    std::FILE* out = std::fopen(outputPath.c_str(), "wb");
    if (out == nullptr) {
        Fail(kOpenOutputFailed);
        return false;
    }
    std::setvbuf(out, streamBuffer.get(), _IOFBF, kOutputBufferSize);
    if (!waitCursor_) {
        dialog_.Ui().BeginWaitCursor();
        waitCursor_ = true;
    }
    auto fail = [&](const Message& message) {
        Fail(message, out);
        return false;
    };

    // The bytes in front of the first syncword (a tag or junk the decoder
    // skips) head every output; an output from byte 0 has them already.
    if (begin != 0) {
        if (my_lseeki64(source_, 0, platform::FILE_BEGIN) == -1) return fail(texts_.seekLeading);
        const int leading = std::clamp(dialog_.m_nFirstSyncOffset, 0, kMaxLeadingBytes);
        if (leading > 0) {
            std::array<unsigned char, kMaxLeadingBytes> head;
            std::uint32_t got = 0;
            if (!platform::ReadFile(source_, head.data(), static_cast<std::uint32_t>(leading), &got) ||
                got != static_cast<std::uint32_t>(leading))
                return fail(kReadSourceFailed);
            if (std::fwrite(head.data(), 1, got, out) != static_cast<std::size_t>(leading))
                return fail(texts_.writeLeading);
        }
    }

    if (my_lseeki64(source_, begin, platform::FILE_BEGIN) == -1) return fail(texts_.seekBegin);

    std::array<unsigned char, kCopyChunk> chunk;
    for (std::int64_t current = begin; current < end;) {
        const std::int64_t next = current + kCopyChunk;
        const auto wanted = static_cast<std::uint32_t>(next < end ? kCopyChunk : end - current);
        std::uint32_t got = 0;
        const bool read = platform::ReadFile(source_, chunk.data(), wanted, &got);
        if (std::fwrite(chunk.data(), 1, got, out) != got) return fail(kWriteOutputFailed);
        // The range lies within the size measured at the start of the job:
        // a short read means a read error or a source that shrank meanwhile.
        // What was read is kept in the partial output.
        if (!read || got != wanted) return fail(kReadSourceFailed);
        current = next;
    }

    // A full disk often shows only when the buffer is flushed at the close.
    const bool flushed = std::fflush(out) == 0;
    const bool closed = std::fclose(out) == 0;
    if (!flushed || !closed) {
        Fail(kWriteOutputFailed);
        return false;
    }
    return true;
}

void SplitJob::Finish() {
    End();
    ShowMessage(dialog_, kSplittingDone);
}

}  // namespace split

bool CMainDialog::OutputFileExists(const std::string& path) {
    // Anything but a folder counts, readable or not, so that no file is
    // replaced without the question.
    return platform::FileExists(path);
}
