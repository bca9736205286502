// The split jobs on files laid out frame by frame: which bytes each output
// holds, the leading bytes, the limits, and how each failure ends a job.
// The dialog runs for real; the open is stood in for by setting the
// members a successful open leaves.
#include <gtest/gtest.h>

#include <filesystem>

#include "split_fixture.h"

namespace {

using splittest::DialogRun;
using splittest::FileSize;
using splittest::ReadAll;
using splittest::ReadBytes;
using splittest::SourceLayout;
using namespace res;

const std::string kDone = "box dialog \"Message\" \"Splitting is done!\" -> OK\n";
const std::string kWaitCursor = "wait-cursor on\nwait-cursor off\n";

// The expected content of an output: the leading bytes when the range does
// not begin at byte 0, then the range.
std::string Expected(const std::string& source, int leading, std::int64_t begin, std::int64_t end) {
    return (begin != 0 ? ReadBytes(source, 0, leading) : std::string()) + ReadBytes(source, begin, end - begin);
}

// 100 bytes before the first syncword, then 1000 frames of 1536 bytes: 32 s.
const SourceLayout kLeadingSource{100 + 1000 * 1536, 100, 1536};

TEST(SplitJobs, LeadingBytesHeadEveryOutputThatDoesNotBeginAtByteZero) {
    DialogRun run;
    const std::string source = run.folder / "lead.ac3";
    splittest::WriteSource(source, kLeadingSource, {{0, 1000}});
    const std::string out = run.folder / "out";
    std::filesystem::create_directories(out + "/size");
    std::filesystem::create_directories(out + "/time");
    run.Run([&](CMainDialog& dialog) {
        DialogRun::Open(dialog, source, kLeadingSource, 32);
        DialogRun::SetCut(dialog, {0, 0, 10}, {0, 0, 21}, out + "/cut.ac3");
        dialog.Ui().SetControlText(IDC_PART_COUNT, "3");
        dialog.Ui().SetControlText(IDC_SPLIT_TIME, "9");
        const struct {
            int button;
            const char* folder;
        } jobs[] = {{IDC_START_CUT, ""}, {IDC_START_SPLIT_BY_SIZE, "/size"}, {IDC_START_SPLIT_BY_TIME, "/time"}};
        for (const auto& job : jobs) {
            dialog.Ui().SetControlText(IDC_OUTPUT_DIR, out + job.folder);
            const auto mark = run.Mark();
            run.ui.Click(job.button);
            EXPECT_EQ(run.Since(mark), kWaitCursor + kDone) << job.button;
        }
    });
    // The boundaries on the grid 100 + k x 1536: the cut's 480031 and
    // 1008031; by size 512033 and 1024066; by time 432028, 864056 and
    // 1296084, each moved back to a frame start. The last part ends at the
    // end of the source, its last frame included.
    EXPECT_TRUE(ReadAll(out + "/cut.ac3") == Expected(source, 100, 479332, 1007716));
    EXPECT_EQ(FileSize(out + "/cut.ac3"), 100 + 1007716 - 479332);
    const std::int64_t bySize[] = {0, 511588, 1023076, kLeadingSource.size};
    for (int k = 0; k < 3; ++k)
        EXPECT_TRUE(ReadAll(out + "/size/lead_" + std::to_string(k) + ".ac3") ==
                    Expected(source, 100, bySize[k], bySize[k + 1]))
            << "part " << k;
    const std::int64_t byTime[] = {0, 431716, 863332, 1294948, kLeadingSource.size};
    for (int k = 0; k < 4; ++k)
        EXPECT_TRUE(ReadAll(out + "/time/lead_" + std::to_string(k) + ".ac3") ==
                    Expected(source, 100, byTime[k], byTime[k + 1]))
            << "part " << k;
    EXPECT_EQ(ReadBytes(out + "/size/lead_0.ac3", 0, 100), ReadBytes(source, 0, 100));  // once, not twice
    EXPECT_EQ(ReadBytes(out + "/size/lead_0.ac3", 100, 2), "\x0B\x77");
}

TEST(SplitJobs, CutsASourceBeyond4GiBAcrossThe4GiBMark) {
    DialogRun run;
    // 7 leading bytes and 3,145,728 frames of 1536 bytes: 4,831,838,215
    // bytes, sparse except for the frames around the 4 GiB mark.
    const SourceLayout layout{7 + std::int64_t{3145728} * 1536, 7, 1536};
    const std::string source = run.folder / "big.ac3";
    splittest::WriteSource(source, layout, {{2795000, 2797500}});
    const std::string out = run.folder / "cut.ac3";
    run.Run([&](CMainDialog& dialog) {
        DialogRun::Open(dialog, source, layout, 9000);
        // 2:13:18 to 2:13:22 of 9000 s: bytes 4,293,893,560 and
        // 4,296,041,044, moved back to the frames 2,795,503 and 2,796,901.
        DialogRun::SetCut(dialog, {2, 13, 18}, {2, 13, 22}, out);
        const auto mark = run.Mark();
        run.ui.Click(IDC_START_CUT);
        EXPECT_EQ(run.Since(mark), kWaitCursor + kDone);
        EXPECT_EQ(dialog.m_llFileSize, layout.size);
    });
    const std::int64_t begin = 7 + std::int64_t{2795503} * 1536, end = 7 + std::int64_t{2796901} * 1536;
    ASSERT_LT(begin, std::int64_t{1} << 32);
    ASSERT_GT(end, std::int64_t{1} << 32);
    EXPECT_EQ(FileSize(out), 7 + end - begin);
    EXPECT_TRUE(ReadAll(out) == Expected(source, 7, begin, end));
}

TEST(SplitJobs, SpanLimitIsExactly2147483647Bytes) {
    // One syncword at byte 0 of a sparse source; every job makes one output
    // of the whole source. A span within the limit gets as far as creating
    // the output (in a folder that does not exist, so nothing is written).
    struct Case {
        int button;
        std::int64_t size;
        const char* message;
    } cases[] = {
        {IDC_START_CUT, 2147483647, "box app \"Quorvane\" \"Can not open the output AC3 file!\" -> OK\n"},
        {IDC_START_CUT, 2147483648, "box dialog \"Error\" \"Can not output the AC3 file bigger than 2G.\" -> OK\n"},
        {IDC_START_SPLIT_BY_SIZE, 2147483647, "box app \"Quorvane\" \"Can not open the output AC3 file!\" -> OK\n"},
        {IDC_START_SPLIT_BY_SIZE, 2147483648,
         "box dialog \"Error\" \"Can not output the AC3 file bigger than 2G.\" -> OK\n"},
        {IDC_START_SPLIT_BY_TIME, 2147483647, "box app \"Quorvane\" \"Can not open the output AC3 file!\" -> OK\n"},
        {IDC_START_SPLIT_BY_TIME, 2147483648,
         "box dialog \"Error\" \"Can not output the AC3 file bigger than 2G.\" -> OK\n"},
    };
    for (const auto& c : cases) {
        DialogRun run;
        const SourceLayout layout{c.size, 0, 1536};
        const std::string source = run.folder / "two-gb.ac3";
        splittest::WriteSource(source, layout, {{0, 1}});
        const std::string missing = run.folder / "missing";
        run.Run([&](CMainDialog& dialog) {
            DialogRun::Open(dialog, source, layout, 100);
            DialogRun::SetCut(dialog, {0, 0, 0}, {0, 0, 100}, missing + "/cut.ac3");
            dialog.Ui().SetControlText(IDC_OUTPUT_DIR, missing);
            dialog.Ui().SetControlText(IDC_PART_COUNT, "1");
            dialog.Ui().SetControlText(IDC_SPLIT_TIME, "100");
            const auto mark = run.Mark();
            run.ui.Click(c.button);
            EXPECT_EQ(run.Since(mark), c.message) << c.button << " with " << c.size << " bytes";
        });
    }
}

TEST(SplitJobs, FullDeviceEndsTheJobWithTheWriteMessage) {
    DialogRun run;
    // 3 MiB: more than the output stream holds, so the failure shows
    // during the copy and not only at the close.
    const SourceLayout layout{3 << 20, 0, 1536};
    const std::string source = run.folder / "src.ac3";
    splittest::WriteSource(source, layout, {{0, 2048}});
    const std::string before = ReadAll(source);
    run.Run([&](CMainDialog& dialog) {
        DialogRun::Open(dialog, source, layout, 10);
        DialogRun::SetCut(dialog, {0, 0, 0}, {0, 0, 10}, "/dev/full");
        const auto mark = run.Mark();
        run.ui.QueueAnswer(platform::BoxAnswer::Yes);
        run.ui.Click(IDC_START_CUT);
        EXPECT_EQ(run.Since(mark),
                  "box ownerless \"Warning\" \"/dev/full exists. Do you want to replace it?\" -> Yes\n" + kWaitCursor +
                      "box app \"Quorvane\" \"Can not write the output AC3 file!\" -> OK\n");
    });
    EXPECT_TRUE(ReadAll(source) == before);
}

TEST(SplitJobs, SourceEndingBeforeItsMeasuredSizeIsAReadFailure) {
    // sysfs files claim 4096 bytes and hold a few: the copy meets the end
    // of the file before the end of the range.
    const std::string source = "/sys/devices/system/cpu/online";
    const std::string content = ReadAll(source);
    if (FileSize(source) != 4096 || content.empty() || content.size() >= 512)
        GTEST_SKIP() << source << " does not end before its reported size here";
    DialogRun run;
    const std::string out = run.folder / "short.ac3";
    run.Run([&](CMainDialog& dialog) {
        DialogRun::Open(dialog, source, {4096, 0, 1536}, 10);
        DialogRun::SetCut(dialog, {0, 0, 0}, {0, 0, 10}, out);
        const auto mark = run.Mark();
        run.ui.Click(IDC_START_CUT);
        EXPECT_EQ(run.Since(mark), kWaitCursor + "box app \"Quorvane\" \"Can not read the AC3 file!\" -> OK\n");
    });
    EXPECT_EQ(ReadAll(out), content);  // what was read stays in the partial output
}

TEST(SplitJobs, ReplaceAnsweredYesKeepsTheOldFileWhenTheJobStopsBeforeWriting) {
    DialogRun run;
    const std::string out = run.folder / "keep.ac3";
    { std::ofstream(out) << "precious"; }
    run.Run([&](CMainDialog& dialog) {
        // The source went away after it was opened.
        DialogRun::Open(dialog, run.folder / "gone.ac3", kLeadingSource, 32);
        DialogRun::SetCut(dialog, {0, 0, 10}, {0, 0, 21}, out);
        const auto mark = run.Mark();
        run.ui.QueueAnswer(platform::BoxAnswer::Yes);
        run.ui.Click(IDC_START_CUT);
        EXPECT_EQ(run.Since(mark), "box ownerless \"Warning\" \"" + out +
                                       " exists. Do you want to replace it?\" -> Yes\n"
                                       "box dialog \"Error\" \"Can not open the AC3 file!\" -> OK\n");
    });
    EXPECT_EQ(ReadAll(out), "precious");
}

TEST(SplitJobs, RefusesToWriteOverItsOwnSourceHoweverItIsNamed) {
    const std::string kRefusal =
        "box dialog \"Error\" \"The output file is the source AC3 file itself! Please choose another output.\" "
        "-> OK\n";
    struct Case {
        const char* what;
        int button;
        std::function<std::string(const splittest::Folder&)> prepare;  // gives the cut's output or the folder
    } cases[] = {
        {"the same path", IDC_START_CUT, [](const auto& f) { return f / "music/film.ac3"; }},
        {"another spelling", IDC_START_CUT, [](const auto& f) { return f / "music/../music//./film.ac3"; }},
        {"a symbolic link", IDC_START_CUT,
         [](const auto& f) {
             std::filesystem::create_symlink(f / "music/film.ac3", f / "link.ac3");
             return f / "link.ac3";
         }},
        {"a hard link", IDC_START_CUT,
         [](const auto& f) {
             std::filesystem::create_hard_link(f / "music/film.ac3", f / "hard.ac3");
             return f / "hard.ac3";
         }},
        {"a part named by a link", IDC_START_SPLIT_BY_SIZE,
         [](const auto& f) {
             std::filesystem::create_directory(f / "out");
             std::filesystem::create_symlink(f / "music/film.ac3", f / "out/film_2.ac3");
             return f / "out";
         }},
        {"a part named by a hard link", IDC_START_SPLIT_BY_TIME,
         [](const auto& f) {
             std::filesystem::create_directory(f / "out");
             std::filesystem::create_hard_link(f / "music/film.ac3", f / "out/film_3.ac3");
             return f / "out/";
         }},
    };
    for (const auto& c : cases) {
        DialogRun run;
        std::filesystem::create_directory(run.folder / "music");
        const std::string source = run.folder / "music/film.ac3";
        splittest::WriteSource(source, kLeadingSource, {{0, 1000}});
        const std::string before = ReadAll(source);
        const std::string target = c.prepare(run.folder);
        run.Run([&](CMainDialog& dialog) {
            DialogRun::Open(dialog, source, kLeadingSource, 32);
            DialogRun::SetCut(dialog, {0, 0, 10}, {0, 0, 21}, target);
            dialog.Ui().SetControlText(IDC_OUTPUT_DIR, target);
            dialog.Ui().SetControlText(IDC_PART_COUNT, "3");
            dialog.Ui().SetControlText(IDC_SPLIT_TIME, "9");
            const auto mark = run.Mark();
            run.ui.QueueAnswer(platform::BoxAnswer::Yes);  // were the question asked
            run.ui.Click(c.button);
            EXPECT_EQ(run.Since(mark), kRefusal) << c.what;
        });
        EXPECT_TRUE(ReadAll(source) == before) << c.what;
        // Nothing was written before the refusal.
        EXPECT_FALSE(std::filesystem::exists(run.folder / "out/film_0.ac3")) << c.what;
    }
}

TEST(SplitJobs, FailureAtALaterPartKeepsTheEarlierPartsAndEndsTheJob) {
    DialogRun run;
    const std::string source = run.folder / "film.ac3";
    splittest::WriteSource(source, kLeadingSource, {{0, 1000}});
    const std::string out = run.folder / "out/";
    std::filesystem::create_directories(out + "film_1.ac3");  // a folder where part 1 goes
    run.Run([&](CMainDialog& dialog) {
        DialogRun::Open(dialog, source, kLeadingSource, 32);
        dialog.Ui().SetControlText(IDC_OUTPUT_DIR, out);
        dialog.Ui().SetControlText(IDC_PART_COUNT, "3");
        const auto mark = run.Mark();
        run.ui.Click(IDC_START_SPLIT_BY_SIZE);
        // The wait cursor comes up once, with the first part, and goes
        // before the message.
        EXPECT_EQ(run.Since(mark), kWaitCursor + "box app \"Quorvane\" \"Can not open the output AC3 file!\" -> OK\n");
        EXPECT_EQ(dialog.m_strOutputDir, out);
    });
    EXPECT_TRUE(ReadAll(out + "film_0.ac3") == Expected(source, 100, 0, 511588));
    EXPECT_FALSE(std::filesystem::exists(out + "film_2.ac3"));
}

TEST(SplitJobs, NoFrameSizeIsRefusedBeforeAnythingIsTouched) {
    DialogRun run;
    const std::string source = run.folder / "film.ac3";
    splittest::WriteSource(source, kLeadingSource, {{0, 1000}});
    const std::string out = run.folder / "cut.ac3";
    { std::ofstream(out) << "precious"; }
    run.Run([&](CMainDialog& dialog) {
        DialogRun::Open(dialog, source, {kLeadingSource.size, 100, 0}, 32);
        DialogRun::SetCut(dialog, {0, 0, 10}, {0, 0, 21}, out);
        dialog.Ui().SetControlText(IDC_OUTPUT_DIR, run.folder.Path());
        for (int button : {IDC_START_CUT, IDC_START_SPLIT_BY_SIZE, IDC_START_SPLIT_BY_TIME}) {
            const auto mark = run.Mark();
            run.ui.Click(button);
            EXPECT_EQ(run.Since(mark), "box dialog \"Error\" \"Can not read the AC3 file frame size!\" -> OK\n");
        }
    });
    EXPECT_EQ(ReadAll(out), "precious");
    EXPECT_FALSE(std::filesystem::exists(run.folder / "film_0.ac3"));
}

}  // namespace
