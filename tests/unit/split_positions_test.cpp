// Where the outputs of the split jobs begin and end, before frame
// alignment: the worked examples of the 1000-frame, 32 s source, the
// whole-source rule for the last part, and second counts that need 64 bits.
#include <gtest/gtest.h>

#include <climits>

#include "split/SplitPositions.h"

namespace {

constexpr std::int64_t kSize = 1'536'000;  // 1000 frames of 1536 bytes, 32 s

TEST(SplitPositions, CutTurnsSecondsIntoBytesInProportion) {
    EXPECT_EQ(split::CutPosition(kSize, 10, 32), 480000);
    EXPECT_EQ(split::CutPosition(kSize, 21, 32), 1008000);
    EXPECT_EQ(split::CutPosition(kSize, 32, 32), kSize);
    EXPECT_EQ(split::CutPosition(kSize, -5, 32), -240000);
    // 1/3 of a second is not exact in binary: truncated toward zero.
    EXPECT_EQ(split::CutPosition(1000, 1, 3), 333);
    EXPECT_EQ(split::CutPosition(1000, -1, 3), -333);
    // A source shorter than a second maps every time to byte 0.
    EXPECT_EQ(split::CutPosition(kSize, -5, 0), 0);
    // Far-off negative times stay representable (the frame search makes
    // them byte 0).
    const std::int64_t farBack = split::TimeFieldSeconds(INT_MIN, INT_MIN, INT_MIN);
    EXPECT_LT(split::CutPosition(5'000'000'000, farBack, 1), -(std::int64_t{1} << 61));
}

TEST(SplitPositions, TimeFieldsCountSecondsIn64Bits) {
    struct Case {
        int h, m, s;
        std::int64_t seconds;
    } cases[] = {
        {0, 0, 10, 10},
        {0, 75, 0, 4500},   // minutes are not limited to 59
        {0, 1, -30, 30},
        {0, 0, -5, -5},
        {1193047, 0, 0, 4294969200LL},  // wraps to 1904 in 32 bits
        {INT_MAX, INT_MAX, INT_MAX, 7861937631667LL},
        {INT_MIN, 0, 0, -7730941132800LL},
    };
    for (const auto& c : cases)
        EXPECT_EQ(split::TimeFieldSeconds(c.h, c.m, c.s), c.seconds) << c.h << ':' << c.m << ':' << c.s;
}

TEST(SplitPositions, EqualPartsShareTheSourceByFraction) {
    const std::int64_t expected[] = {0, 512000, 1024000, kSize};
    for (int k = 0; k <= 3; ++k) EXPECT_EQ(split::EqualPartBoundary(k, 3, kSize), expected[k]) << k;
    // 5,000,000,000 bytes in 2 parts: each over the 2 GB limit.
    EXPECT_EQ(split::EqualPartBoundary(1, 2, 5'000'000'000), 2'500'000'000);
}

TEST(SplitPositions, PartsByDurationCountTheLastPartForWhatIsLeft) {
    struct Case {
        int total, seconds, count;
    } cases[] = {
        {32, 9, 4}, {32, 8, 4}, {32, 32, 1}, {32, 40, 1}, {100, 10, 10}, {1, 1, 1},
        {INT_MAX, 1, INT_MAX}, {INT_MAX, INT_MAX, 1}, {INT_MAX, INT_MAX - 1, 2},
    };
    for (const auto& c : cases)
        EXPECT_EQ(split::DurationPartCount(c.total, c.seconds), c.count) << c.total << '/' << c.seconds;
}

TEST(SplitPositions, PartsByDurationFollowTheWorkedExample) {
    // S = 9 of 32 s: the boundaries at 9, 18 and 27 s; the fourth part ends
    // at the end of the source, not at 36 s.
    const std::int64_t expected[] = {0, 432000, 864000, 1296000, kSize};
    for (int k = 0; k <= 4; ++k) EXPECT_EQ(split::DurationBoundary(k, 4, 32, 9, kSize), expected[k]) << k;
}

TEST(SplitPositions, PartsByDurationCoverTheWholeSourceForEveryPartLength) {
    // (1/49) x 49 is 0.9999999999999999 in doubles: a last boundary taken
    // from the formula would end a byte short and lose the last frame.
    for (int total : {1, 7, 31, 32, 49, 98, 3600, 86399}) {
        for (int seconds = 1; seconds <= total + 1; seconds += seconds < 60 ? 1 : 997) {
            const int count = split::DurationPartCount(total, seconds);
            std::int64_t previous = split::DurationBoundary(0, count, total, seconds, kSize);
            ASSERT_EQ(previous, 0);
            for (int k = 1; k <= count; ++k) {
                const std::int64_t boundary = split::DurationBoundary(k, count, total, seconds, kSize);
                ASSERT_GT(boundary, previous) << total << '/' << seconds << " part " << k;
                previous = boundary;
            }
            ASSERT_EQ(previous, kSize) << total << '/' << seconds;
        }
    }
}

TEST(SplitPositions, SplitSecondsAreReadAsAtoiReads) {
    struct Case {
        const char* text;
        int seconds;
    } cases[] = {
        {"60", 60},
        {"12abc", 12},        // digits up to the first other character
        {" 7", 7},            // leading blanks
        {"\t+8", 8},
        {"-10", -10},
        {"", 0},
        {"abc", 0},
        {"- 5", 0},
        {"0", 0},
        {"99999999999", INT_MAX},   // beyond an int: held at its end
        {"-99999999999", INT_MIN},
        {"                               5", 0},  // only the first 31 characters count
        {"                              5", 5},
    };
    for (const auto& c : cases) EXPECT_EQ(split::ReadSplitSeconds(c.text), c.seconds) << '"' << c.text << '"';
}

}  // namespace
