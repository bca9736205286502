#include "ac3/SourceProbe.h"

#include <algorithm>
#include <array>

#include "ac3/FrameHeader.h"
#include "ac3/Syncword.h"
#include "platform/FileApi.h"

namespace ac3 {

ProbeResult ProbeSourceFile(const std::string& path) {
    ProbeResult result;
    platform::FileHandle file = platform::OpenFileForRead(path);
    if (file == nullptr) {
        result.status = ProbeStatus::CannotOpen;
        return result;
    }
    struct Closer {
        platform::FileHandle file;
        ~Closer() { platform::CloseHandle(file); }
    } closer{file};

    const std::int64_t size = my_lseeki64(file, 0, platform::FILE_END);
    if (size == -1) {
        result.status = ProbeStatus::CannotMeasure;
        return result;
    }
    my_lseeki64(file, 0, platform::FILE_BEGIN);
    result.fileSize = size;

    std::array<std::uint8_t, kProbeLength> head;
    const auto length = static_cast<std::uint32_t>(std::min<std::int64_t>(size, kProbeLength));
    std::uint32_t delivered = 0;
    if (!platform::ReadFile(file, head.data(), length, &delivered) || delivered != length) {
        result.status = ProbeStatus::CannotReadHead;
        return result;
    }

    const auto sync = FindSyncword(head.data(), length);
    result.firstSyncOffset = sync ? static_cast<int>(*sync) : 0;
    if (!sync || *sync + kHeaderByte4 >= length) {
        result.status = ProbeStatus::NoHeader;
        return result;
    }
    result.headerByte4 = head[*sync + kHeaderByte4];
    result.status = ProbeStatus::Ok;
    return result;
}

}  // namespace ac3
