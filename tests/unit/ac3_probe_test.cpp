// The probe of a newly chosen source: its size, the first syncword in its
// head and the frame size of that header; and ProbeSource's messages.
#include <sys/stat.h>

#include <gtest/gtest.h>

#include "Ac3Fixtures.h"
#include "DialogHarness.h"
#include "ac3/SourceProbe.h"

namespace {

using ac3::ProbeStatus;
using test::Bytes;

Bytes Concat(Bytes a, const Bytes& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

TEST(Ac3Probe, FixtureFiles) {
    const Bytes twoFrames = test::Stream({}, test::k48kHz384, 1536, 2);
    Bytes damagedFirst = test::Stream({}, test::k48kHz32, 128, 4);
    damagedFirst[1] = 0x76;  // 0B 76: the first frame's syncword is broken
    // Junk holding a false syncword at offset 1; its "header byte 4" is 0x99.
    const Bytes falseSyncJunk = {0x00, 0x0B, 0x77, 0x12, 0x34, 0x99, 0x00, 0x00, 0x00, 0x00};

    struct Case {
        const char* what;
        Bytes bytes;
        ProbeStatus status;
        int offset;
        std::uint8_t byte4;
    } cases[] = {
        {"begins with a syncword", twoFrames, ProbeStatus::Ok, 0, test::k48kHz384},
        {"10 bytes of junk first", test::Stream(Bytes(10, 0xFF), test::k48kHz384, 1536, 2), ProbeStatus::Ok, 10,
         test::k48kHz384},
        {"100 bytes in all", test::Frame(0x25, 100), ProbeStatus::Ok, 0, 0x25},
        {"a false syncword in the junk counts", Concat(falseSyncJunk, twoFrames), ProbeStatus::Ok, 1, 0x99},
        {"a damaged first syncword: the next frame", damagedFirst, ProbeStatus::Ok, 128, test::k48kHz32},
        {"syncword only after the head", Concat(Bytes(2560, 0), twoFrames), ProbeStatus::NoHeader, 0, 0},
        {"header byte 4 beyond the head", Concat(Bytes(2557, 0), twoFrames), ProbeStatus::NoHeader, 2557, 0},
        {"header byte 4 beyond the file", {0x0B, 0x77, 0x00, 0x00}, ProbeStatus::NoHeader, 0, 0},
        {"syncword in the last byte", {0x00, 0x00, 0x0B}, ProbeStatus::NoHeader, 0, 0},
        {"empty", {}, ProbeStatus::NoHeader, 0, 0},
        {"text", Bytes{'h', 'e', 'l', 'l', 'o', '\n'}, ProbeStatus::NoHeader, 0, 0},
    };
    test::TempFolder temp;
    for (const auto& c : cases) {
        const std::string path = temp / "fixture.ac3";
        test::WriteBytes(path, c.bytes);
        const ac3::ProbeResult probe = ac3::ProbeSourceFile(path);
        EXPECT_EQ(probe.status, c.status) << c.what;
        EXPECT_EQ(probe.fileSize, static_cast<std::int64_t>(c.bytes.size())) << c.what;
        EXPECT_EQ(probe.firstSyncOffset, c.offset) << c.what;
        EXPECT_EQ(probe.headerByte4, c.byte4) << c.what;
    }
}

TEST(Ac3Probe, FilesThatCannotBeProbed) {
    test::TempFolder temp;
    EXPECT_EQ(ac3::ProbeSourceFile(temp / "missing.ac3").status, ProbeStatus::CannotOpen);
    EXPECT_EQ(ac3::ProbeSourceFile(temp.Path()).status, ProbeStatus::CannotOpen);  // a folder
    EXPECT_EQ(ac3::ProbeSourceFile("").status, ProbeStatus::CannotOpen);
}

// A sparse file of 5 GB: measured with all 64 bits, and still only its head
// is read.
TEST(Ac3Probe, SourceBeyondFourGiB) {
    constexpr std::int64_t kSize = 5'000'000'000;
    test::TempFolder temp;
    const std::string path = temp / "large.ac3";
    ASSERT_TRUE(test::MakeSparseFile(path, kSize));
    ASSERT_TRUE(test::WriteAt(path, 7, test::Frame(test::k48kHz384, 5)));
    const ac3::ProbeResult probe = ac3::ProbeSourceFile(path);
    EXPECT_EQ(probe.status, ProbeStatus::Ok);
    EXPECT_EQ(probe.fileSize, kSize);
    EXPECT_EQ(probe.firstSyncOffset, 7);
    EXPECT_EQ(probe.headerByte4, test::k48kHz384);
}

// A file whose reported size is larger than what a read delivers (a kernel
// attribute file) cannot have its head read in full.
std::string ShortReadFile() {
    const char* path = "/sys/devices/system/cpu/online";
    struct stat st {};
    if (::stat(path, &st) != 0 || st.st_size < 2560) return {};
    return path;
}

TEST(Ac3Probe, HeadThatCannotBeReadInFull) {
    const std::string path = ShortReadFile();
    if (path.empty()) GTEST_SKIP() << "no file here reads shorter than its size";
    const ac3::ProbeResult probe = ac3::ProbeSourceFile(path);
    EXPECT_EQ(probe.status, ProbeStatus::CannotReadHead);
    EXPECT_GE(probe.fileSize, 2560);
}

// ProbeSource: what the dialog shows and which members each outcome leaves.
TEST(Ac3Probe, ProbeSourceOnTheDialog) {
    test::TempFolder temp;
    const Bytes junkAndFrames = test::Stream(Bytes(10, 0xFF), test::k48kHz384, 1536, 2);
    test::WriteBytes(temp / "good.ac3", junkAndFrames);
    test::WriteBytes(temp / "text.ac3", Bytes{'a', 'b', 'c', '\n'});
    test::WriteBytes(temp / "reserved-rate.ac3", test::Stream({}, 0xDC, 1536, 2));  // fscod 3
    test::WriteBytes(temp / "code40.ac3", test::Stream({}, 0x28, 1536, 2));         // frmsizecod 40
    const std::string frameSizeBox = "box dialog \"Error\" \"Can not read the AC3 file frame size!\" -> OK\n";

    struct Case {
        std::string path;
        bool result;
        std::int64_t fileSize;  // each starting from 77
        int offset;             // from 55
        int frameSize;          // from 999
        std::string transcript;
    } cases[] = {
        {temp / "good.ac3", true, 3082, 10, 1536, ""},
        {temp / "missing.ac3", false, 77, 55, 999,
         "box dialog \"Error\" \"Can not open the AC3 file!\" -> OK\n"},
        {temp / "text.ac3", false, 4, 0, 999, frameSizeBox},
        {temp / "reserved-rate.ac3", false, 3072, 0, 999,
         "box dialog \"Error\" \"Unknown AC3 format!\" -> OK\n"},
        {temp / "code40.ac3", false, 3072, 0, 0, frameSizeBox},
    };
    std::vector<Case> all(std::begin(cases), std::end(cases));
    if (const std::string shortRead = ShortReadFile(); !shortRead.empty()) {
        struct stat st {};
        ::stat(shortRead.c_str(), &st);
        all.push_back({shortRead, false, st.st_size, 55, 999,
                       "box dialog \"Error\" \"Can not read the AC3 file head!\" -> OK\n"});
    }
    for (const auto& c : all) {
        test::DialogHarness harness;
        harness.Run([&](CMainDialog& dialog) {
            dialog.m_szSourcePath = c.path;
            dialog.m_llFileSize = 77;
            dialog.m_nFirstSyncOffset = 55;
            dialog.m_nFrameSize = 999;
            harness.transcript.str("");
            EXPECT_EQ(dialog.ProbeSource(&dialog.m_nFirstSyncOffset), c.result) << c.path;
            EXPECT_EQ(dialog.m_llFileSize, c.fileSize) << c.path;
            EXPECT_EQ(dialog.m_nFirstSyncOffset, c.offset) << c.path;
            EXPECT_EQ(dialog.m_nFrameSize, c.frameSize) << c.path;
            EXPECT_EQ(harness.Transcript(), c.transcript) << c.path;
        });
    }
}

}  // namespace
