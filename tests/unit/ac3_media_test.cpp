// The test media made by GStreamer's AC3 encoder, read the way the program
// reads it: the encoder's frames follow the frame size table, and the
// media framework measures their total time.
#include <gtest/gtest.h>

#include <fstream>

#include "Ac3Fixtures.h"
#include "DialogHarness.h"
#include "ac3/FrameHeader.h"
#include "ac3/Syncword.h"
#include "platform/gst/GstMediaFramework.h"

namespace {

std::string MediaPath(const std::string& name) { return std::string(QUORVANE_TEST_MEDIA_DIR) + "/" + name; }

test::Bytes ReadAll(const std::string& path) {
    std::ifstream in(path, std::ios::binary | std::ios::ate);
    test::Bytes bytes(static_cast<std::size_t>(std::max<std::streamoff>(0, in.tellg())));
    in.seekg(0);
    in.read(reinterpret_cast<char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    return bytes;
}

struct Medium {
    const char* name;
    std::int64_t size;
    int firstFrameSize;
    std::int64_t stopTime;  // 100-ns units
    std::int64_t tolerance;
} const kMedia[] = {
    {"tone48.ac3", 1'536'000, 1536, 320'000'000, 0},
    // 1000 x 1536 samples at 44.1 kHz: 34.8299... s. The framework estimates
    // it from the bit rate, within a millisecond.
    {"tone44.ac3", 835'918, 834, 348'299'320, 10'000},
    {"tone32.ac3", 2'304'000, 2304, 480'000'000, 0},
};

// Each file is exactly 1000 syncframes, each as long as its header says.
TEST(Ac3Media, EncodedFramesFollowTheFrameSizeTable) {
    for (const auto& m : kMedia) {
        const test::Bytes bytes = ReadAll(MediaPath(m.name));
        ASSERT_EQ(static_cast<std::int64_t>(bytes.size()), m.size) << m.name;
        std::size_t at = 0;
        int frames = 0;
        while (at + 5 <= bytes.size()) {
            ASSERT_TRUE(ac3::IsSyncword(&bytes[at])) << m.name << " at " << at;
            const ac3::FrameSize size = ac3::DecodeFrameSize(bytes[at + 4]);
            ASSERT_EQ(size.error, ac3::FrameSizeError::None) << m.name << " at " << at;
            if (frames == 0) {
                EXPECT_EQ(size.bytes, m.firstFrameSize) << m.name;
            }
            at += static_cast<std::size_t>(size.bytes);
            ++frames;
        }
        EXPECT_EQ(at, bytes.size()) << m.name;
        EXPECT_EQ(frames, 1000) << m.name;
    }
}

TEST(Ac3Media, StopTimeOfTheEncodedMedia) {
    platform::GstMediaFramework media;
    ASSERT_EQ(media.Initialize(), platform::S_OK);
    for (const auto& m : kMedia) {
        std::int64_t stop = -1;
        ASSERT_TRUE(QueryMediaStopTime(media, MediaPath(m.name), &stop)) << m.name;
        EXPECT_NEAR(static_cast<double>(stop), static_cast<double>(m.stopTime), static_cast<double>(m.tolerance))
            << m.name;
    }
}

// Files the media framework cannot render: no total time, and the value
// handed in is left alone.
TEST(Ac3Media, StopTimeOfFilesWithoutDecodableAudio) {
    test::TempFolder temp;
    const test::Bytes tone = ReadAll(MediaPath("tone48.ac3"));
    test::Bytes random(20'000);
    std::uint32_t seed = 12345;
    for (auto& b : random) b = static_cast<std::uint8_t>((seed = seed * 1103515245u + 12345u) >> 24);
    test::Bytes headerThenRandom = test::Frame(test::k48kHz384, 5);
    headerThenRandom.insert(headerThenRandom.end(), random.begin(), random.end());
    const std::string text = "Quorvane cuts AC3 files.\nThis is not one of them.\n";

    struct Case {
        const char* name;
        test::Bytes bytes;
    } cases[] = {
        {"empty.ac3", {}},
        {"text.ac3", test::Bytes(text.begin(), text.end())},
        {"random.ac3", random},
        {"header-then-random.ac3", headerThenRandom},
        {"part-of-a-frame.ac3", test::Bytes(tone.begin(), tone.begin() + 1000)},
    };
    platform::GstMediaFramework media;
    ASSERT_EQ(media.Initialize(), platform::S_OK);
    for (const auto& c : cases) {
        test::WriteBytes(temp / c.name, c.bytes);
        std::int64_t stop = -1;
        EXPECT_FALSE(QueryMediaStopTime(media, temp / c.name, &stop)) << c.name;
        EXPECT_EQ(stop, -1) << c.name;
    }
    std::int64_t stop = -1;
    EXPECT_FALSE(QueryMediaStopTime(media, temp / "missing.ac3", &stop));
    EXPECT_FALSE(QueryMediaStopTime(media, "", &stop));
    EXPECT_FALSE(QueryMediaStopTime(media, temp.Path(), &stop));
}

}  // namespace
