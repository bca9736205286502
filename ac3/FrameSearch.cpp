#include "ac3/FrameSearch.h"

#include <vector>

#include "ac3/Syncword.h"

namespace ac3 {

SearchStatus FindFrameStart(ByteReader& source, const FrameGrid& grid, std::int64_t* position) {
    if (grid.frameSize <= 0) return SearchStatus::NoFrameSize;
    const std::int64_t fs = grid.frameSize;
    const std::uint32_t wanted = static_cast<std::uint32_t>(fs) + 2;
    std::vector<std::uint8_t> window(wanted);

    for (std::int64_t w = *position - fs; w >= 0; w -= fs) {
        if (!source.SeekTo(w)) return SearchStatus::SeekFailed;
        const std::uint32_t n = source.Read(window.data(), wanted);
        if (n < wanted && w + n < grid.fileSize) {
            *position = 0;
            return SearchStatus::ShortRead;
        }
        // The grid positions among the candidates w + fs down to w: the
        // highest one, and one frame below it when that is still >= w.
        std::int64_t offset = (w + fs - grid.firstSyncOffset) % fs;
        if (offset < 0) offset += fs;
        for (std::int64_t k = fs - offset; k >= 0; k -= fs) {
            if (k + 2 <= n && IsSyncword(window.data() + k)) {
                *position = w + k;
                return SearchStatus::Found;
            }
        }
    }
    *position = 0;
    return SearchStatus::Found;
}

}  // namespace ac3
