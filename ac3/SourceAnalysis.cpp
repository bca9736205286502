// The main dialog's view of its source: the frame size from the first
// header, the probe of a newly chosen file and the frame-start search. The
// work is done in ac3::; these members store the results in the dialog and
// show the program's messages.
#include "ac3/FrameHeader.h"
#include "ac3/FrameSearch.h"
#include "ac3/SourceFileReader.h"
#include "ac3/SourceProbe.h"
#include "ui/MainDialog.h"

namespace {
const char kError[] = "Error";
const char kCannotOpen[] = "Can not open the AC3 file!";
const char kCannotMeasure[] = "my_lseeki64 is wrong for GetFileSizeEx";
const char kCannotReadHead[] = "Can not read the AC3 file head!";
const char kNoFrameSize[] = "Can not read the AC3 file frame size!";
const char kUnknownFormat[] = "Unknown AC3 format!";
const char kSeekFailed[] = "my_lseeki64 is wrong(7).";
}  // namespace

bool CMainDialog::ParseFrameSize(std::uint8_t headerByte4) {
    const ac3::FrameSize frame = ac3::DecodeFrameSize(headerByte4);
    if (frame.error == ac3::FrameSizeError::ReservedSampleRate) {
        // The frame size of the previous source stays.
        MessageBox(kUnknownFormat, kError);
        return false;
    }
    m_nFrameSize = frame.bytes;  // 0 for a frame-size code above 37
    return m_nFrameSize != 0;
}

bool CMainDialog::ProbeSource(int* firstSyncOffset) {
    const ac3::ProbeResult probe = ac3::ProbeSourceFile(m_szSourcePath);
    switch (probe.status) {
    case ac3::ProbeStatus::CannotOpen: MessageBox(kCannotOpen, kError); return false;
    case ac3::ProbeStatus::CannotMeasure: MessageBox(kCannotMeasure, kError); return false;
    default: break;
    }
    m_llFileSize = probe.fileSize;
    if (probe.status == ac3::ProbeStatus::CannotReadHead) {
        MessageBox(kCannotReadHead, kError);
        return false;
    }
    *firstSyncOffset = probe.firstSyncOffset;
    if (probe.status != ac3::ProbeStatus::Ok) {
        MessageBox(kNoFrameSize, kError);
        return false;
    }
    if (!ParseFrameSize(probe.headerByte4)) {
        // A reserved sample-rate code has had its own message.
        if (ac3::SplitHeaderByte4(probe.headerByte4).fscod != ac3::kFsReserved)
            MessageBox(kNoFrameSize, kError);
        return false;
    }
    return true;
}

bool CMainDialog::FindFrameStart(platform::FileHandle file, std::int64_t* position) {
    ac3::SourceFileReader reader(file);
    const ac3::FrameGrid grid{m_nFirstSyncOffset, m_nFrameSize, m_llFileSize};
    switch (ac3::FindFrameStart(reader, grid, position)) {
    case ac3::SearchStatus::Found: return true;
    case ac3::SearchStatus::NoFrameSize: MessageBox(kNoFrameSize, kError); return false;
    case ac3::SearchStatus::SeekFailed: MessageBox(kSeekFailed, kError); return false;
    case ac3::SearchStatus::ShortRead: MessageBox(kCannotReadHead, kError); return false;
    }
    return false;
}
