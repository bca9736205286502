#include "ac3/FrameHeader.h"

namespace ac3 {

// Frame size code table of ATSC A/52: words per syncframe for each
// frmsizecod, in the columns fscod 0 (48 kHz), 1 (44.1 kHz), 2 (32 kHz).
// Two codes share each nominal bit rate; at 44.1 kHz the odd code of a
// pair is one word longer, which keeps the average rate exact.
const std::uint16_t kFrameSizeWords[kFrameSizeCodeCount][kSampleRateCount] = {
    //  48k  44.1k   32k        kbit/s
    {64, 69, 96},       {64, 70, 96},        // 32
    {80, 87, 120},      {80, 88, 120},       // 40
    {96, 104, 144},     {96, 105, 144},      // 48
    {112, 121, 168},    {112, 122, 168},     // 56
    {128, 139, 192},    {128, 140, 192},     // 64
    {160, 174, 240},    {160, 175, 240},     // 80
    {192, 208, 288},    {192, 209, 288},     // 96
    {224, 243, 336},    {224, 244, 336},     // 112
    {256, 278, 384},    {256, 279, 384},     // 128
    {320, 348, 480},    {320, 349, 480},     // 160
    {384, 417, 576},    {384, 418, 576},     // 192
    {448, 487, 672},    {448, 488, 672},     // 224
    {512, 557, 768},    {512, 558, 768},     // 256
    {640, 696, 960},    {640, 697, 960},     // 320
    {768, 835, 1152},   {768, 836, 1152},    // 384
    {896, 975, 1344},   {896, 976, 1344},    // 448
    {1024, 1114, 1536}, {1024, 1115, 1536},  // 512
    {1152, 1253, 1728}, {1152, 1254, 1728},  // 576
    {1280, 1393, 1920}, {1280, 1394, 1920},  // 640
};

FrameSize DecodeFrameSize(std::uint8_t headerByte4) {
    const HeaderByte4 fields = SplitHeaderByte4(headerByte4);
    if (fields.fscod == kFsReserved) return {0, FrameSizeError::ReservedSampleRate};
    if (fields.frmsizecod >= kFrameSizeCodeCount) return {0, FrameSizeError::FrameSizeCodeTooLarge};
    return {2 * kFrameSizeWords[fields.frmsizecod][fields.fscod], FrameSizeError::None};
}

}  // namespace ac3
