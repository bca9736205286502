// A ByteReader on a source file opened with the program's file API.
#pragma once
#include "ac3/FrameSearch.h"
#include "platform/FileApi.h"

namespace ac3 {

class SourceFileReader final : public ByteReader {
public:
    // `file` stays the caller's; it may be null (every seek then fails).
    explicit SourceFileReader(platform::FileHandle file) : file_(file) {}

    bool SeekTo(std::int64_t position) override {
        return my_lseeki64(file_, position, platform::FILE_BEGIN) != -1;
    }
    std::uint32_t Read(std::uint8_t* buffer, std::uint32_t count) override {
        std::uint32_t delivered = 0;
        return platform::ReadFile(file_, buffer, count, &delivered) ? delivered : 0;
    }

private:
    platform::FileHandle file_;
};

}  // namespace ac3
