// "Open AC3" on the main dialog with real media: what a successful open
// leaves in the dialog, what each failure leaves, and the label's format.
#include <gtest/gtest.h>

#include "Ac3Fixtures.h"
#include "DialogHarness.h"
#include "ac3/SourceLabel.h"
#include "res/ResourceIds.h"

namespace {

std::string MediaPath(const std::string& name) { return std::string(QUORVANE_TEST_MEDIA_DIR) + "/" + name; }

// Esc, which ends each test's dialog, skips the close steps: take down the
// preview player an open has made before the test's windows go away.
struct PreviewCloser {
    CMainDialog& dialog;
    ~PreviewCloser() { dialog.DestroyPreview(); }
};

TEST(Ac3OpenSource, LabelShowsTitleAndTotalTime) {
    struct Case {
        int seconds;
        const char* label;
    } cases[] = {
        {0, "a.ac3  (00:00:00)"},
        {32, "a.ac3  (00:00:32)"},
        {3725, "a.ac3  (01:02:05)"},  // 1 h 2 min 5.9 s, truncated before
        {359'999, "a.ac3  (99:59:59)"},
        {360'000, "a.ac3  (100:00:00)"},
        {3'600'000 + 61, "a.ac3  (1000:01:01)"},
    };
    for (const auto& c : cases) EXPECT_EQ(ac3::SourceLabel("a.ac3", c.seconds), c.label) << c.seconds;

    EXPECT_EQ(ac3::FileTitle("/home/user/Music/live set.ac3"), "live set.ac3");
    EXPECT_EQ(ac3::FileTitle("clip.ac3"), "clip.ac3");
    EXPECT_EQ(ac3::FileTitle("C:\\music\\clip.ac3"), "clip.ac3");
}

struct Opened {
    std::string label;
    std::int64_t fileSize;
    int frameSize;
    std::int64_t totalTime;  // 100-ns units
    std::int64_t tolerance;
    int totalSeconds;
} const kOpened[] = {
    {"tone48.ac3  (00:00:32)", 1'536'000, 1536, 320'000'000, 0, 32},
    {"tone44.ac3  (00:00:34)", 835'918, 834, 348'299'320, 10'000, 34},  // 34.83 s, estimated
    {"tone32.ac3  (00:00:48)", 2'304'000, 2304, 480'000'000, 0, 48},
};

TEST(Ac3OpenSource, OpensEachSampleRate) {
    for (const auto& o : kOpened) {
        const std::string name = o.label.substr(0, o.label.find(' '));
        test::DialogHarness harness;
        harness.Run([&](CMainDialog& dialog) {
            PreviewCloser closer{dialog};
            harness.transcript.str("");
            harness.ui.QueuePick(MediaPath(name));
            harness.ui.Click(res::IDC_OPEN_AC3);
            EXPECT_EQ(harness.Transcript(), "file open \"Select an AC3 file\" -> " + MediaPath(name) + "\n");
            EXPECT_EQ(dialog.m_szSourcePath, MediaPath(name));
            EXPECT_EQ(dialog.m_strFileInfo, o.label);
            EXPECT_EQ(harness.ui.GetControlText(res::IDC_FILE_INFO), o.label);
            EXPECT_EQ(dialog.m_llFileSize, o.fileSize) << name;
            EXPECT_EQ(dialog.m_nFirstSyncOffset, 0) << name;
            EXPECT_EQ(dialog.m_nFrameSize, o.frameSize) << name;
            EXPECT_NEAR(static_cast<double>(dialog.m_llTotalTime), static_cast<double>(o.totalTime),
                        static_cast<double>(o.tolerance))
                << name;
            EXPECT_EQ(dialog.m_nTotalSeconds, o.totalSeconds) << name;
        });
    }
}

// The exchange towards the controls replaces typing that nothing has taken
// over yet, and the slider goes back to 0.
TEST(Ac3OpenSource, RefreshesTheControlsFromTheMembers) {
    test::DialogHarness harness;
    harness.Run([&](CMainDialog& dialog) {
        PreviewCloser closer{dialog};
        dialog.m_nEndSecond = 9;
        harness.ui.Type(res::IDC_START_HOUR, "7");
        harness.ui.Type(res::IDC_END_SECOND, "x");
        harness.ui.Type(res::IDC_OUTPUT_FILE, "typed.ac3");
        harness.ui.Type(res::IDC_PART_COUNT, "5");
        dialog.m_nSliderPos = 300;
        harness.ui.SetSliderPos(res::IDC_SEEK_SLIDER, 300);

        harness.ui.QueuePick(MediaPath("tone48.ac3"));
        harness.ui.Click(res::IDC_OPEN_AC3);
        EXPECT_EQ(harness.ui.GetControlText(res::IDC_START_HOUR), "0");
        EXPECT_EQ(harness.ui.GetControlText(res::IDC_END_SECOND), "9");
        EXPECT_EQ(harness.ui.GetControlText(res::IDC_OUTPUT_FILE), dialog.m_strOutputFile);
        EXPECT_EQ(harness.ui.GetControlText(res::IDC_PART_COUNT), "2");
        EXPECT_EQ(harness.ui.GetSliderPos(res::IDC_SEEK_SLIDER), 0);
        EXPECT_EQ(dialog.m_nSliderPos, 0);
    });
}

// A failed open after a good one: the label, the total time and the
// preview still describe the first source, and no source path is left that
// disagrees with them. Cancelling changes nothing at all.
TEST(Ac3OpenSource, FailuresKeepThePreviousSourceShownAndLeaveNoPath) {
    test::TempFolder temp;
    test::WriteBytes(temp / "text.ac3", {'n', 'o', 't', ' ', 'a', 'c', '3', '\n'});
    test::WriteBytes(temp / "reserved.ac3", test::Stream({}, 0xDC, 1536, 3));
    // A 128-byte-frame header, then nothing the media framework can read.
    test::Bytes unreadable = test::Frame(test::k48kHz32, 5);
    for (int i = 0; i < 5000; ++i) unreadable.push_back(static_cast<std::uint8_t>(i * 7919 >> 3));
    test::WriteBytes(temp / "unreadable.ac3", unreadable);

    const std::string appBox =
        "box app \"Quorvane\" \"Can not open the AC3 total time! You may not install the AC3 decoder, or the "
        "file is corrupt.\" -> OK\n";
    struct Case {
        std::optional<std::string> pick;
        std::string boxes;
        std::string pathAfter;
        int frameSizeAfter;  // the probe's result stays
    } cases[] = {
        {temp / "missing.ac3", "box dialog \"Error\" \"Can not open the AC3 file!\" -> OK\n", "", 1536},
        {temp / "text.ac3", "box dialog \"Error\" \"Can not read the AC3 file frame size!\" -> OK\n", "", 1536},
        {temp / "reserved.ac3", "box dialog \"Error\" \"Unknown AC3 format!\" -> OK\n", "", 1536},
        {temp / "unreadable.ac3", appBox, "", 128},
        {std::nullopt, "", MediaPath("tone48.ac3"), 1536},
    };
    for (const auto& c : cases) {
        test::DialogHarness harness;
        harness.Run([&](CMainDialog& dialog) {
            PreviewCloser closer{dialog};
            harness.ui.QueuePick(MediaPath("tone48.ac3"));
            harness.ui.Click(res::IDC_OPEN_AC3);
            ASSERT_EQ(dialog.m_nTotalSeconds, 32);
            harness.transcript.str("");

            harness.ui.QueuePick(c.pick);
            harness.ui.Click(res::IDC_OPEN_AC3);
            const std::string picked = c.pick ? *c.pick : "cancel";
            EXPECT_EQ(harness.Transcript(), "file open \"Select an AC3 file\" -> " + picked + "\n" + c.boxes);
            EXPECT_EQ(dialog.m_szSourcePath, c.pathAfter) << picked;
            EXPECT_EQ(harness.ui.GetControlText(res::IDC_FILE_INFO), "tone48.ac3  (00:00:32)") << picked;
            EXPECT_EQ(dialog.m_strFileInfo, "tone48.ac3  (00:00:32)") << picked;
            EXPECT_EQ(dialog.m_nTotalSeconds, 32) << picked;
            EXPECT_EQ(dialog.m_llTotalTime, 320'000'000) << picked;
            EXPECT_EQ(dialog.m_nFrameSize, c.frameSizeAfter) << picked;
        });
    }
}

}  // namespace
