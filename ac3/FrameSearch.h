// Moving a byte position of an AC3 source back onto its frame grid.
//
// The source is taken as a run of syncframes of one size on a grid that
// starts at the first syncword: firstSyncOffset + k * frameSize. A frame
// start is a grid position that holds the syncword. The search reads the
// source through ByteReader, so it runs on memory as well as on files.
#pragma once
#include <cstdint>

namespace ac3 {

// Positioned reads from a source.
class ByteReader {
public:
    virtual ~ByteReader() = default;
    // Moves to `position` bytes from the start; false when that fails.
    virtual bool SeekTo(std::int64_t position) = 0;
    // Reads up to `count` bytes at the current position and returns how many
    // were delivered: fewer at the end of the source, 0 when the read fails.
    virtual std::uint32_t Read(std::uint8_t* buffer, std::uint32_t count) = 0;
};

struct FrameGrid {
    std::int64_t firstSyncOffset = 0;
    int frameSize = 0;          // bytes
    std::int64_t fileSize = 0;  // reads that stop short of it are faults
};

enum class SearchStatus {
    Found,        // *position holds the result
    NoFrameSize,  // the grid has no positive frame size; position unchanged
    SeekFailed,   // position unchanged
    ShortRead,    // a read stopped before the end of the source; position 0
};

// Moves *position back to the nearest frame start at or before it, or to 0
// when there is none (also when the search runs past the start of the
// source: the bytes before the first syncword are then kept).
//
// Works window by window, one frame at a time going back: the window at W
// covers the candidates W .. W + frameSize and is read with two bytes more
// than a frame, so a frame start at the position itself, or one byte
// before it, is seen as well. A window whose grid position holds no
// syncword (a damaged frame) is passed over.
SearchStatus FindFrameStart(ByteReader& source, const FrameGrid& grid, std::int64_t* position);

}  // namespace ac3
