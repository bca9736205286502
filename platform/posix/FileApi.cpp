#include "platform/FileApi.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <vector>

namespace platform {

// Reads are served from one read-ahead window of the file; the logical file
// pointer is kept here, and the window is refilled with pread, so positioning
// costs no system call.
class SourceFile {
public:
    explicit SourceFile(int fd) : fd_(fd) {}
    ~SourceFile() { ::close(fd_); }
    SourceFile(const SourceFile&) = delete;
    SourceFile& operator=(const SourceFile&) = delete;

    std::int64_t Seek(std::int64_t distance, int method) {
        std::int64_t base = 0;
        switch (method) {
        case FILE_BEGIN: base = 0; break;
        case FILE_CURRENT: base = position_; break;
        case FILE_END: {
            struct stat st {};
            if (::fstat(fd_, &st) != 0) return -1;
            base = st.st_size;
            break;
        }
        default: return -1;
        }
        if ((distance > 0 && base > INT64_MAX - distance) || base + distance < 0) return -1;
        position_ = base + distance;
        return position_;
    }

    bool Read(unsigned char* out, std::uint32_t count, std::uint32_t* delivered) {
        *delivered = 0;
        while (*delivered < count) {
            const std::int64_t offset = position_ - windowStart_;
            if (offset >= 0 && offset < static_cast<std::int64_t>(windowLength_)) {
                std::size_t n = std::min<std::size_t>(windowLength_ - static_cast<std::size_t>(offset),
                                                      count - *delivered);
                std::memcpy(out + *delivered, window_.data() + offset, n);
                *delivered += static_cast<std::uint32_t>(n);
                position_ += static_cast<std::int64_t>(n);
                continue;
            }
            if (!Refill()) return false;
            if (windowLength_ == 0) return true;  // end of file
        }
        return true;
    }

private:
    static constexpr std::size_t kWindowSize = 1 << 20;
    static constexpr std::int64_t kBackwardSlack = 64 << 10;

    bool Refill() {
        if (window_.empty()) window_.resize(kWindowSize);
        // A read before the window just filled is a step back, as the
        // frame-start search takes them frame by frame: let the new window
        // end a little after the position, so the next steps back are
        // served from it too instead of costing a full window each.
        std::int64_t start = position_;
        if (windowLength_ > 0 && position_ < windowStart_)
            start = std::max<std::int64_t>(0, position_ + kBackwardSlack - static_cast<std::int64_t>(kWindowSize));
        windowStart_ = start;
        windowLength_ = 0;
        for (;;) {
            ssize_t n = ::pread(fd_, window_.data(), window_.size(), start);
            if (n < 0 && errno == EINTR) continue;
            if (n < 0) return false;
            windowLength_ = static_cast<std::size_t>(n);
            return true;
        }
    }

    int fd_;
    std::int64_t position_ = 0;
    std::vector<unsigned char> window_;
    std::int64_t windowStart_ = 0;
    std::size_t windowLength_ = 0;
};

FileHandle OpenFileForRead(const std::string& path) {
    int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) return nullptr;
    struct stat st {};
    if (::fstat(fd, &st) != 0 || S_ISDIR(st.st_mode)) {
        ::close(fd);
        return nullptr;
    }
    ::posix_fadvise(fd, 0, 0, POSIX_FADV_SEQUENTIAL);
    return new SourceFile(fd);
}

bool ReadFile(FileHandle file, void* buffer, std::uint32_t count, std::uint32_t* bytesRead) {
    std::uint32_t ignored = 0;
    if (bytesRead == nullptr) bytesRead = &ignored;
    *bytesRead = 0;
    if (file == nullptr) return false;
    return file->Read(static_cast<unsigned char*>(buffer), count, bytesRead);
}

void CloseHandle(FileHandle file) { delete file; }

bool FileExists(const std::string& path) {
    struct stat st {};
    if (::lstat(path.c_str(), &st) != 0) return false;
    if (S_ISLNK(st.st_mode)) {
        struct stat target {};
        return ::stat(path.c_str(), &target) != 0 || !S_ISDIR(target.st_mode);
    }
    return !S_ISDIR(st.st_mode);
}

bool DeleteFile(const std::string& path) { return ::unlink(path.c_str()) == 0; }

bool IsSameFile(const std::string& a, const std::string& b) {
    struct stat sa {}, sb {};
    if (::stat(a.c_str(), &sa) != 0 || ::stat(b.c_str(), &sb) != 0) return false;
    return sa.st_dev == sb.st_dev && sa.st_ino == sb.st_ino;
}

}  // namespace platform

std::int64_t my_lseeki64(platform::FileHandle file, std::int64_t distance, int moveMethod) {
    if (file == nullptr) return -1;
    return file->Seek(distance, moveMethod);
}
