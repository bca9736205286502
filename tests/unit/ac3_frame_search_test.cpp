// The frame-start search: on memory (every rule of the walk back), on real
// files through the program's file API (beyond 4 GiB too), and its
// messages on the main dialog.
#include <gtest/gtest.h>

#include "Ac3Fixtures.h"
#include "DialogHarness.h"
#include "ac3/FrameSearch.h"
#include "ac3/SourceFileReader.h"

namespace {

using ac3::SearchStatus;
using test::Bytes;

constexpr int kFs = 128;       // test::k48kHz32
constexpr int kJunk = 10;      // bytes before the first syncword
constexpr int kFrames = 20;
// Frame k starts at kJunk + k * kFs.
constexpr std::int64_t Start(int k) { return kJunk + std::int64_t{k} * kFs; }

Bytes Junk() { return Bytes(kJunk, 0xFF); }
Bytes IntactStream() { return test::Stream(Junk(), test::k48kHz32, kFs, kFrames); }

// The stream with frame k's syncword broken (0B 76).
Bytes Damage(Bytes bytes, std::int64_t at) {
    bytes[static_cast<std::size_t>(at) + 1] = 0x76;
    return bytes;
}
Bytes FalseSyncwordAt(Bytes bytes, std::int64_t at) {
    bytes[static_cast<std::size_t>(at)] = 0x0B;
    bytes[static_cast<std::size_t>(at) + 1] = 0x77;
    return bytes;
}

struct SearchCase {
    const char* what;
    Bytes bytes;
    std::int64_t firstSync;
    std::int64_t position;
    std::int64_t expected;
};

TEST(Ac3FrameSearch, FindsTheNearestFrameStartAtOrBeforeThePosition) {
    const Bytes intact = IntactStream();
    const std::int64_t size = static_cast<std::int64_t>(intact.size());
    Bytes noFrames = intact;
    for (int k = 0; k < kFrames; ++k) noFrames = Damage(noFrames, Start(k));

    const SearchCase cases[] = {
        {"position 0", intact, kJunk, 0, 0},
        {"position below one frame: no read", intact, kJunk, kFs - 1, 0},
        {"a frame starts at the position", intact, kJunk, Start(5), Start(5)},
        {"a frame starts one byte before", intact, kJunk, Start(5) + 1, Start(5)},
        {"two bytes after a frame start", intact, kJunk, Start(5) + 2, Start(5)},
        {"last byte of a frame", intact, kJunk, Start(6) - 1, Start(5)},
        {"the first frame, behind the junk", intact, kJunk, Start(1) - 1, Start(0)},
        {"the second frame at the position", intact, kJunk, Start(1), Start(1)},
        {"the end of the file", intact, kJunk, size, Start(kFrames - 1)},
        {"beyond the end of the file", intact, kJunk, size + 3 * kFs, Start(kFrames - 1)},
        {"a damaged frame is passed over", Damage(intact, Start(5)), kJunk, Start(5) + 50, Start(4)},
        {"two damaged frames in a row", Damage(Damage(intact, Start(5)), Start(4)), kJunk, Start(6) - 1,
         Start(3)},
        {"a syncword off the grid is not a frame start",
         FalseSyncwordAt(Damage(intact, Start(5)), Start(4) + 50), kJunk, Start(5) + 50, Start(4)},
        {"no frame start before the position: byte 0, not the first syncword", noFrames, kJunk,
         Start(12), 0},
        {"the grid of a false syncword in the junk holds no frame", intact, 3, Start(12), 0},
        {"a first damaged frame leads back to byte 0", Damage(intact, Start(0)), kJunk, Start(1) - 1, 0},
    };
    for (const auto& c : cases) {
        test::MemoryReader reader(c.bytes);
        std::int64_t position = c.position;
        const ac3::FrameGrid grid{c.firstSync, kFs, reader.Size()};
        EXPECT_EQ(ac3::FindFrameStart(reader, grid, &position), SearchStatus::Found) << c.what;
        EXPECT_EQ(position, c.expected) << c.what;
    }
}

TEST(Ac3FrameSearch, ReadsOneFrameAndTwoBytesPerWindow) {
    test::MemoryReader reader(IntactStream());
    std::int64_t position = Start(17) + 77;
    ASSERT_EQ(ac3::FindFrameStart(reader, {kJunk, kFs, reader.Size()}, &position), SearchStatus::Found);
    EXPECT_EQ(position, Start(17));
    EXPECT_EQ(reader.reads, 1);  // an intact stream ends in the first window
    EXPECT_EQ(reader.largestRead, static_cast<std::uint32_t>(kFs + 2));

    test::MemoryReader walking(Damage(Damage(IntactStream(), Start(17)), Start(16)));
    position = Start(17) + 77;
    ASSERT_EQ(ac3::FindFrameStart(walking, {kJunk, kFs, walking.Size()}, &position), SearchStatus::Found);
    EXPECT_EQ(position, Start(15));
    EXPECT_EQ(walking.reads, 3);

    test::MemoryReader none(IntactStream());
    position = kFs - 1;
    ASSERT_EQ(ac3::FindFrameStart(none, {kJunk, kFs, none.Size()}, &position), SearchStatus::Found);
    EXPECT_EQ(none.reads, 0);
}

TEST(Ac3FrameSearch, Failures) {
    {  // a read that stops before the end of the file: position 0
        test::MemoryReader reader(IntactStream());
        reader.readLimit = Start(8);
        std::int64_t position = Start(12) + 5;
        EXPECT_EQ(ac3::FindFrameStart(reader, {kJunk, kFs, reader.Size()}, &position), SearchStatus::ShortRead);
        EXPECT_EQ(position, 0);
    }
    {  // a file that is shorter than the size measured before
        test::MemoryReader reader(IntactStream());
        std::int64_t position = reader.Size() + 1000;
        EXPECT_EQ(ac3::FindFrameStart(reader, {kJunk, kFs, reader.Size() + 5000}, &position),
                  SearchStatus::ShortRead);
        EXPECT_EQ(position, 0);
    }
    {  // a failed seek leaves the position alone
        test::MemoryReader reader(IntactStream());
        reader.failSeeks = true;
        std::int64_t position = Start(12) + 5;
        EXPECT_EQ(ac3::FindFrameStart(reader, {kJunk, kFs, reader.Size()}, &position), SearchStatus::SeekFailed);
        EXPECT_EQ(position, Start(12) + 5);
    }
    {  // without a frame size there is no grid to search
        test::MemoryReader reader(IntactStream());
        std::int64_t position = Start(12) + 5;
        EXPECT_EQ(ac3::FindFrameStart(reader, {kJunk, 0, reader.Size()}, &position), SearchStatus::NoFrameSize);
        EXPECT_EQ(position, Start(12) + 5);
        EXPECT_EQ(reader.reads, 0);
    }
}

// The same search through the file API gives the same answers as on memory,
// for positions visited in the order a job visits them and back again, over
// a file of several read-ahead windows with long damaged stretches.
TEST(Ac3FrameSearch, OnAFileAsOnMemory) {
    constexpr int fs = 1536;
    Bytes bytes = test::Stream(Junk(), test::k48kHz384, fs, 3000);  // about 4.6 MB
    auto start = [](int k) { return kJunk + std::int64_t{k} * fs; };
    for (int k = 0; k < 3000; ++k)
        if (k % 7 == 3 || (k >= 300 && k < 1500)) bytes[static_cast<std::size_t>(start(k)) + 1] = 0x76;
    test::TempFolder temp;
    const std::string path = temp / "stream.ac3";
    test::WriteBytes(path, bytes);

    platform::FileHandle file = platform::OpenFileForRead(path);
    ASSERT_NE(file, nullptr);
    ac3::SourceFileReader onFile(file);
    test::MemoryReader onMemory(bytes);
    const ac3::FrameGrid grid{kJunk, fs, onMemory.Size()};
    std::vector<std::int64_t> positions;
    for (std::int64_t p = 0; p <= onMemory.Size() + 2 * fs; p += 37'003) positions.push_back(p);
    for (std::int64_t p = onMemory.Size() + 2 * fs; p >= 0; p -= 41'017) positions.push_back(p);
    for (std::int64_t p : positions) {
        std::int64_t fromFile = p, fromMemory = p;
        ASSERT_EQ(ac3::FindFrameStart(onFile, grid, &fromFile), SearchStatus::Found) << p;
        ASSERT_EQ(ac3::FindFrameStart(onMemory, grid, &fromMemory), SearchStatus::Found) << p;
        EXPECT_EQ(fromFile, fromMemory) << p;
    }
    platform::CloseHandle(file);
}

// Frames on both sides of the 4 GiB mark of a sparse file: positions and
// sizes keep all 64 bits.
TEST(Ac3FrameSearch, AcrossTheFourGiBMark) {
    constexpr std::int64_t kFourGiB = std::int64_t{1} << 32;
    constexpr int fs = 1536;
    // Grid kJunk + k * fs: frame k0 starts 1014 bytes before the mark and
    // k0 + 1 starts 522 bytes after it.
    constexpr std::int64_t k0 = (kFourGiB - kJunk) / fs;
    constexpr std::int64_t before = kJunk + k0 * fs;
    constexpr std::int64_t after = before + fs;
    static_assert(before == kFourGiB - 1014 && after == kFourGiB + 522);

    test::TempFolder temp;
    const std::string path = temp / "sparse.ac3";
    const std::int64_t size = after + 3 * fs;
    ASSERT_TRUE(test::MakeSparseFile(path, size));
    ASSERT_TRUE(test::WriteAt(path, kJunk, test::Frame(test::k48kHz384, 5)));
    for (std::int64_t at = before - fs; at < size; at += fs)
        ASSERT_TRUE(test::WriteAt(path, at, test::Frame(test::k48kHz384, 5)));

    struct Case {
        std::int64_t position, expected;
    } cases[] = {
        {after + 600, after},  {after, after}, {after + 1, after}, {kFourGiB, before},
        {kFourGiB + 100, before}, {before + 1, before}, {before - 1, before - fs},
        {size, size - fs},
    };
    platform::FileHandle file = platform::OpenFileForRead(path);
    ASSERT_NE(file, nullptr);
    ASSERT_EQ(my_lseeki64(file, 0, platform::FILE_END), size);
    ac3::SourceFileReader reader(file);
    for (const auto& c : cases) {
        std::int64_t position = c.position;
        EXPECT_EQ(ac3::FindFrameStart(reader, {kJunk, fs, size}, &position), SearchStatus::Found) << c.position;
        EXPECT_EQ(position, c.expected) << c.position;
    }
    platform::CloseHandle(file);

    // With the frame after the mark damaged, the search steps back over it.
    ASSERT_TRUE(test::WriteAt(path, after, Bytes{0x0B, 0x76}));
    file = platform::OpenFileForRead(path);
    ac3::SourceFileReader damaged(file);
    std::int64_t position = after + 1000;
    EXPECT_EQ(ac3::FindFrameStart(damaged, {kJunk, fs, size}, &position), SearchStatus::Found);
    EXPECT_EQ(position, before);
    platform::CloseHandle(file);
}

// CMainDialog::FindFrameStart: the grid from the dialog's members, the
// program's message for each failure.
TEST(Ac3FrameSearch, MessagesOnTheDialog) {
    test::TempFolder temp;
    const std::string path = temp / "stream.ac3";
    const Bytes bytes = IntactStream();
    test::WriteBytes(path, bytes);
    const auto size = static_cast<std::int64_t>(bytes.size());

    struct Case {
        const char* what;
        bool nullHandle;
        std::int64_t fileSize;  // as the dialog measured it
        int frameSize;
        std::int64_t position;
        bool result;
        std::int64_t after;
        const char* transcript;
    } cases[] = {
        {"found", false, size, kFs, Start(9) + 3, true, Start(9), ""},
        {"no handle", true, size, kFs, Start(9) + 3, false, Start(9) + 3,
         "box dialog \"Error\" \"my_lseeki64 is wrong(7).\" -> OK\n"},
        {"no handle, position below a frame", true, size, kFs, 5, true, 0, ""},
        {"the file shrank", false, size + 10'000, kFs, size + 5000, false, 0,
         "box dialog \"Error\" \"Can not read the AC3 file head!\" -> OK\n"},
        {"no frame size", false, size, 0, Start(9) + 3, false, Start(9) + 3,
         "box dialog \"Error\" \"Can not read the AC3 file frame size!\" -> OK\n"},
    };
    for (const auto& c : cases) {
        test::DialogHarness harness;
        harness.Run([&](CMainDialog& dialog) {
            dialog.m_nFirstSyncOffset = kJunk;
            dialog.m_nFrameSize = c.frameSize;
            dialog.m_llFileSize = c.fileSize;
            platform::FileHandle file = c.nullHandle ? nullptr : platform::OpenFileForRead(path);
            harness.transcript.str("");
            std::int64_t position = c.position;
            EXPECT_EQ(dialog.FindFrameStart(file, &position), c.result) << c.what;
            EXPECT_EQ(position, c.after) << c.what;
            EXPECT_EQ(harness.Transcript(), c.transcript) << c.what;
            platform::CloseHandle(file);
        });
    }
}

}  // namespace
