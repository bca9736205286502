// The AC3 syncframe header, as far as the program reads it: the syncword
// and the two fields of header byte 4 that give the frame size. Nothing
// else of the bit stream is interpreted.
//
// Header bytes from the first byte of the syncword (bit order as in A/52):
//   0-1  syncword 0x0B 0x77
//   2-3  crc1                     (not read)
//   4    fscod (bits 7-6), frmsizecod (bits 5-0)
#pragma once
#include <cstdint>

namespace ac3 {

inline constexpr std::uint8_t kSyncByte0 = 0x0B;
inline constexpr std::uint8_t kSyncByte1 = 0x77;
// Where fscod and frmsizecod sit, counted from the syncword.
inline constexpr int kHeaderByte4 = 4;

// fscod, the sample-rate code. Its values are also the column index of
// kFrameSizeWords; note that 0 is 48 kHz, not the lowest rate.
enum SampleRateCode : std::uint8_t {
    kFs48kHz = 0,
    kFs44_1kHz = 1,
    kFs32kHz = 2,
    kFsReserved = 3,
};

inline constexpr int kFrameSizeCodeCount = 38;  // frmsizecod 0 to 37
inline constexpr int kSampleRateCount = 3;       // fscod 0 to 2

// Syncframe length in 16-bit words, indexed [frmsizecod][fscod]: the frame
// size code table of ATSC A/52.
extern const std::uint16_t kFrameSizeWords[kFrameSizeCodeCount][kSampleRateCount];

// The largest syncframe of all, in bytes (32 kHz, frmsizecod 36 and 37).
inline constexpr int kMaxFrameSize = 3840;

struct HeaderByte4 {
    std::uint8_t fscod;       // SampleRateCode
    std::uint8_t frmsizecod;  // 0 to 63, of which 0 to 37 are valid
};

constexpr HeaderByte4 SplitHeaderByte4(std::uint8_t byte) {
    return {static_cast<std::uint8_t>(byte >> 6), static_cast<std::uint8_t>(byte & 0x3F)};
}

// Why a header byte gives no frame size.
enum class FrameSizeError {
    None,
    ReservedSampleRate,  // fscod 3
    FrameSizeCodeTooLarge,  // frmsizecod 38 to 63
};

struct FrameSize {
    int bytes = 0;  // 0 unless error is None
    FrameSizeError error = FrameSizeError::None;
};

// The syncframe length in bytes that header byte 4 announces.
FrameSize DecodeFrameSize(std::uint8_t headerByte4);

}  // namespace ac3
