// Small hand-made AC3 byte fixtures: syncframes that hold the syncword and
// header byte 4 and nothing else of interest, junk around them, and a
// ByteReader on memory that counts what is read.
#pragma once
#include <fcntl.h>
#include <unistd.h>

#include <cstdint>
#include <fstream>
#include <string>
#include <vector>

#include "ac3/FrameSearch.h"

namespace test {

using Bytes = std::vector<std::uint8_t>;

// Header byte 4 for 48 kHz (fscod 0), frmsizecod 28 (384 kbit/s): 1536-byte frames.
inline constexpr std::uint8_t k48kHz384 = 0x1C;  // 00 011100
// 48 kHz, frmsizecod 0 (32 kbit/s): 128-byte frames.
inline constexpr std::uint8_t k48kHz32 = 0x00;

// One syncframe of `size` bytes: 0B 77, crc1 (two zero bytes), header byte 4,
// then zeros.
inline Bytes Frame(std::uint8_t headerByte4, int size) {
    Bytes frame(static_cast<std::size_t>(size), 0);
    frame[0] = 0x0B;
    frame[1] = 0x77;
    if (size > 4) frame[4] = headerByte4;
    return frame;
}

// `junk`, then `count` frames of `size` bytes.
inline Bytes Stream(const Bytes& junk, std::uint8_t headerByte4, int size, int count) {
    Bytes out = junk;
    for (int i = 0; i < count; ++i) {
        Bytes frame = Frame(headerByte4, size);
        out.insert(out.end(), frame.begin(), frame.end());
    }
    return out;
}

inline void WriteBytes(const std::string& path, const Bytes& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

// Writes `bytes` at `offset` of an existing file, leaving the rest as it is
// (a hole stays a hole).
inline bool WriteAt(const std::string& path, std::int64_t offset, const Bytes& bytes) {
    int fd = ::open(path.c_str(), O_WRONLY);
    if (fd < 0) return false;
    bool ok = ::pwrite(fd, bytes.data(), bytes.size(), offset) == static_cast<ssize_t>(bytes.size());
    return ::close(fd) == 0 && ok;
}

// A sparse file of `size` bytes: all zeros, taking no disk space.
inline bool MakeSparseFile(const std::string& path, std::int64_t size) {
    int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    if (fd < 0) return false;
    bool ok = ::ftruncate(fd, size) == 0;
    return ::close(fd) == 0 && ok;
}

// A ByteReader on memory. It counts reads and bytes, and can be told to
// fail its seeks or to stop every read short at a given position.
class MemoryReader final : public ac3::ByteReader {
public:
    explicit MemoryReader(Bytes bytes) : bytes_(std::move(bytes)) {}

    bool SeekTo(std::int64_t position) override {
        if (failSeeks || position < 0) return false;
        position_ = position;
        return true;
    }
    std::uint32_t Read(std::uint8_t* buffer, std::uint32_t count) override {
        ++reads;
        std::int64_t end = std::min<std::int64_t>(static_cast<std::int64_t>(bytes_.size()), readLimit);
        std::uint32_t n = 0;
        while (n < count && position_ < end) buffer[n++] = bytes_[static_cast<std::size_t>(position_++)];
        bytesRead += n;
        largestRead = std::max(largestRead, count);
        return n;
    }

    std::int64_t Size() const { return static_cast<std::int64_t>(bytes_.size()); }

    bool failSeeks = false;
    std::int64_t readLimit = INT64_MAX;  // reads deliver nothing at or past it
    int reads = 0;
    std::int64_t bytesRead = 0;
    std::uint32_t largestRead = 0;

private:
    Bytes bytes_;
    std::int64_t position_ = 0;
};

}  // namespace test
