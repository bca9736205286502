#include "ac3/Syncword.h"

#include <cstring>

namespace ac3 {

std::optional<std::size_t> FindSyncword(const std::uint8_t* data, std::size_t size) {
    if (size < 2) return std::nullopt;
    const std::uint8_t* end = data + size - 1;  // the last place a pair can start
    for (const std::uint8_t* p = data; p < end; ++p) {
        p = static_cast<const std::uint8_t*>(std::memchr(p, kSyncByte0, static_cast<std::size_t>(end - p)));
        if (p == nullptr) break;
        if (p[1] == kSyncByte1) return static_cast<std::size_t>(p - data);
    }
    return std::nullopt;
}

}  // namespace ac3
