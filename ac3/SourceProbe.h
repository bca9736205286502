// The first look at a newly chosen AC3 source: its size, the first syncword
// in its head and header byte 4 of that syncframe.
#pragma once
#include <cstdint>
#include <string>

namespace ac3 {

// How much of the file's head is searched for the first syncword.
inline constexpr std::uint32_t kProbeLength = 2560;

enum class ProbeStatus {
    Ok,
    CannotOpen,      // nothing else is known
    CannotMeasure,   // nothing else is known
    CannotReadHead,  // fileSize is known
    NoHeader,        // fileSize and firstSyncOffset are known: no syncword in the
                     // head, or its header byte 4 lies beyond the bytes read
};

struct ProbeResult {
    ProbeStatus status = ProbeStatus::CannotOpen;
    std::int64_t fileSize = 0;
    int firstSyncOffset = 0;       // 0 when no syncword was found
    std::uint8_t headerByte4 = 0;  // valid when status is Ok
};

// Opens the file for reading, measures it, reads at most kProbeLength bytes
// of its head in one read and finds the first syncword there. The file is
// closed again before returning.
ProbeResult ProbeSourceFile(const std::string& path);

}  // namespace ac3
