// The frame size that header byte 4 announces: the A/52 frame size code
// table, and ParseFrameSize on the main dialog.
#include <gtest/gtest.h>

#include "DialogHarness.h"
#include "ac3/FrameHeader.h"

namespace {

// The table's rule: nominal bit rate by code pair; words = 2 x rate at
// 48 kHz, 3 x rate at 32 kHz, floor(96000 x rate / 44100) at 44.1 kHz plus
// one for the odd code of a pair.
int WordsByRule(int fscod, int frmsizecod) {
    static const int kRates[] = {32, 40, 48, 56, 64, 80, 96, 112, 128, 160,
                                 192, 224, 256, 320, 384, 448, 512, 576, 640};
    const int rate = kRates[frmsizecod / 2];
    switch (fscod) {
    case ac3::kFs48kHz: return 2 * rate;
    case ac3::kFs32kHz: return 3 * rate;
    default: return 96000 * rate / 44100 + (frmsizecod % 2);
    }
}

TEST(Ac3FrameSize, EveryCodeAndRateFollowsTheTableRule) {
    for (int fscod = 0; fscod < 3; ++fscod)
        for (int code = 0; code < ac3::kFrameSizeCodeCount; ++code) {
            const auto byte = static_cast<std::uint8_t>(fscod << 6 | code);
            const ac3::FrameSize size = ac3::DecodeFrameSize(byte);
            EXPECT_EQ(size.error, ac3::FrameSizeError::None);
            EXPECT_EQ(size.bytes, 2 * WordsByRule(fscod, code)) << "fscod " << fscod << " frmsizecod " << code;
        }
}

TEST(Ac3FrameSize, TellingRowsInWords) {
    struct Row {
        int code, at32, at44, at48;
    } rows[] = {
        {0, 96, 69, 64},       {1, 96, 70, 64},       {24, 768, 557, 512},
        {25, 768, 558, 512},   {36, 1920, 1393, 1280}, {37, 1920, 1394, 1280},
    };
    for (const auto& r : rows) {
        EXPECT_EQ(ac3::kFrameSizeWords[r.code][ac3::kFs32kHz], r.at32) << r.code;
        EXPECT_EQ(ac3::kFrameSizeWords[r.code][ac3::kFs44_1kHz], r.at44) << r.code;
        EXPECT_EQ(ac3::kFrameSizeWords[r.code][ac3::kFs48kHz], r.at48) << r.code;
    }
}

TEST(Ac3FrameSize, HeaderBytesWithoutAFrameSize) {
    for (int byte = 0; byte < 256; ++byte) {
        const ac3::FrameSize size = ac3::DecodeFrameSize(static_cast<std::uint8_t>(byte));
        ac3::FrameSizeError expected = ac3::FrameSizeError::None;
        if (byte >= 0xC0)
            expected = ac3::FrameSizeError::ReservedSampleRate;
        else if ((byte & 0x3F) >= 38)
            expected = ac3::FrameSizeError::FrameSizeCodeTooLarge;
        EXPECT_EQ(size.error, expected) << byte;
        if (expected != ac3::FrameSizeError::None) {
            EXPECT_EQ(size.bytes, 0) << byte;
        }
        EXPECT_LE(size.bytes, ac3::kMaxFrameSize);
    }
}

// ParseFrameSize stores the size on the dialog; an unknown sample rate gets
// the dialog's message and keeps the previous source's frame size.
TEST(Ac3FrameSize, ParseFrameSizeOnTheDialog) {
    struct Case {
        std::uint8_t byte;
        bool result;
        int frameSize;  // after the call, starting from 999
        const char* transcript;
    } cases[] = {
        {0x00, true, 128, ""},    // 48 kHz, code 0
        {0x25, true, 2560, ""},   // 48 kHz, code 37
        {0x40, true, 138, ""},    // 44.1 kHz, code 0
        {0x41, true, 140, ""},    // 44.1 kHz, code 1
        {0x59, true, 1116, ""},   // 44.1 kHz, code 25
        {0x80, true, 192, ""},    // 32 kHz, code 0
        {0xA5, true, 3840, ""},   // 32 kHz, code 37, the largest of all
        {0x26, false, 0, ""},     // 48 kHz, code 38: silently nothing
        {0x3F, false, 0, ""},     // 48 kHz, code 63
        {0xC0, false, 999, "box dialog \"Error\" \"Unknown AC3 format!\" -> OK\n"},
        {0xDC, false, 999, "box dialog \"Error\" \"Unknown AC3 format!\" -> OK\n"},
        {0xFF, false, 999, "box dialog \"Error\" \"Unknown AC3 format!\" -> OK\n"},
    };
    for (const auto& c : cases) {
        test::DialogHarness harness;
        harness.Run([&](CMainDialog& dialog) {
            dialog.m_nFrameSize = 999;
            harness.transcript.str("");
            EXPECT_EQ(dialog.ParseFrameSize(c.byte), c.result) << int(c.byte);
            EXPECT_EQ(dialog.m_nFrameSize, c.frameSize) << int(c.byte);
            EXPECT_EQ(harness.Transcript(), c.transcript) << int(c.byte);
        });
    }
}

}  // namespace
