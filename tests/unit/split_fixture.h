// What the split tests share: the real main dialog on the scripted desktop
// in a temporary folder, a source "opened" by setting the members an open
// leaves behind, and sources laid out frame by frame on disk, sparse where
// the test does not care about the bytes.
#pragma once
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <optional>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "DialogHarness.h"
#include "res/ResourceIds.h"
#include "ui/MainDialog.h"

namespace splittest {

using Folder = test::TempFolder;

// The stream the tests cut: `leading` bytes before the first syncword, then
// frames of `frameSize` bytes. Frame k starts with 0x0B 0x77 and is filled
// with bytes made from k and the offset, so a range taken a frame or a
// byte off shows. Only frames [first, last) are written; the rest of the
// file is a hole that reads as zeros.
struct SourceLayout {
    std::int64_t size;
    int leading;
    int frameSize;
};

inline void WriteSource(const std::string& path, const SourceLayout& layout,
                        const std::vector<std::pair<std::int64_t, std::int64_t>>& frames) {
    const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    if (fd < 0) std::abort();
    std::vector<unsigned char> bytes(static_cast<std::size_t>(layout.leading));
    for (int i = 0; i < layout.leading; ++i) bytes[i] = static_cast<unsigned char>('a' + i % 26);
    if (layout.leading > 0 && ::pwrite(fd, bytes.data(), bytes.size(), 0) != static_cast<ssize_t>(bytes.size()))
        std::abort();
    for (const auto& [first, last] : frames) {
        bytes.assign(static_cast<std::size_t>((last - first) * layout.frameSize), 0);
        for (std::int64_t k = first; k < last; ++k) {
            unsigned char* frame = bytes.data() + (k - first) * layout.frameSize;
            for (int i = 2; i < layout.frameSize; ++i) frame[i] = static_cast<unsigned char>((k * 131 + i) % 251);
            frame[0] = 0x0B;
            frame[1] = 0x77;
        }
        const std::int64_t at = layout.leading + first * layout.frameSize;
        if (::pwrite(fd, bytes.data(), bytes.size(), at) != static_cast<ssize_t>(bytes.size())) std::abort();
    }
    if (::ftruncate(fd, layout.size) != 0) std::abort();
    ::close(fd);
}

// `count` bytes of `path` from `offset`.
inline std::string ReadBytes(const std::string& path, std::int64_t offset, std::int64_t count) {
    std::string bytes(static_cast<std::size_t>(count), '\0');
    const int fd = ::open(path.c_str(), O_RDONLY);
    if (fd < 0) return "<cannot open " + path + ">";
    const ssize_t n = ::pread(fd, bytes.data(), bytes.size(), offset);
    ::close(fd);
    bytes.resize(n < 0 ? 0 : static_cast<std::size_t>(n));
    return bytes;
}

inline std::string ReadAll(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

inline std::int64_t FileSize(const std::string& path) {
    struct stat st {};
    return ::stat(path.c_str(), &st) == 0 ? st.st_size : -1;
}

// The main dialog, running, with `body` called while it is open; the
// music folder is the home folder.
class DialogRun : public test::DialogHarness {
public:
    DialogRun() : folder(temp) { system.music = system.home; }

    // What the dialog shows from now on, for Since().
    std::size_t Mark() const { return transcript.str().size(); }
    std::string Since(std::size_t mark) const { return transcript.str().substr(mark); }

    // Leaves the dialog as a successful open of `path` does.
    static void Open(CMainDialog& dialog, const std::string& path, const SourceLayout& layout, int totalSeconds) {
        dialog.m_szSourcePath = path;
        dialog.m_strFileInfo = "source  (00:00:00)";
        dialog.Ui().SetControlText(res::IDC_FILE_INFO, dialog.m_strFileInfo);
        dialog.m_llFileSize = layout.size;
        dialog.m_nFirstSyncOffset = layout.leading;
        dialog.m_nFrameSize = layout.frameSize;
        dialog.m_nTotalSeconds = totalSeconds;
        dialog.m_llTotalTime = static_cast<std::int64_t>(totalSeconds) * 10'000'000;
    }

    // Types a start and end time ("H M S") and an output file for the cut.
    static void SetCut(CMainDialog& dialog, const int (&start)[3], const int (&end)[3], const std::string& output) {
        auto& ui = dialog.Ui();
        const int ids[] = {res::IDC_START_HOUR, res::IDC_START_MINUTE, res::IDC_START_SECOND,
                           res::IDC_END_HOUR,   res::IDC_END_MINUTE,   res::IDC_END_SECOND};
        for (int i = 0; i < 3; ++i) ui.SetControlText(ids[i], std::to_string(start[i]));
        for (int i = 0; i < 3; ++i) ui.SetControlText(ids[3 + i], std::to_string(end[i]));
        ui.SetControlText(res::IDC_OUTPUT_FILE, output);
    }

    const Folder& folder;
};

}  // namespace splittest
