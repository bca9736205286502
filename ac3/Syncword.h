// Finding the AC3 syncword in a buffer.
#pragma once
#include <cstddef>
#include <cstdint>
#include <optional>

#include "ac3/FrameHeader.h"

namespace ac3 {

// True when the bytes at `data` are 0x0B 0x77; `data` must hold two bytes.
inline bool IsSyncword(const std::uint8_t* data) { return data[0] == kSyncByte0 && data[1] == kSyncByte1; }

// The offset of the first 0x0B 0x77 pair that lies wholly inside the
// buffer, or nothing. Nothing else is checked: a pair inside junk counts.
std::optional<std::size_t> FindSyncword(const std::uint8_t* data, std::size_t size);

}  // namespace ac3
