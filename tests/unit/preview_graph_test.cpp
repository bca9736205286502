// The playback graph on real GStreamer with media made at test time: what
// it refuses to render, the stop position right after rendering, the video
// roles with and without video, exact seeks, Stop, the end-of-stream and
// error events, the volume, and that it only reads the source.
#include <fcntl.h>
#include <gst/gst.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <thread>

#include "DialogHarness.h"
#include "platform/FileApi.h"
#include "platform/gst/GstMediaFramework.h"
#include "platform/gst/GstPlaybackGraph.h"
#include "platform/scripted/EventLoop.h"
#include "platform/scripted/ScriptedWindows.h"

using namespace platform;

namespace {

std::string MediaPath(const std::string& name) { return std::string(QUORVANE_TEST_MEDIA_DIR) + "/" + name; }

// Counts the graph's notifications that reach the window.
struct NotifyCounter final : PreviewWindowEvents {
    int notified = 0;
    void OnTimer(int) override {}
    void OnGraphNotify() override { ++notified; }
    void OnCloseBox() override {}
    void OnMoveOrSize() override {}
    void OnPaint() override {}
    void OnKeyUp(int) override {}
    void OnMouse(MouseAction, int, int) override {}
    void OnCommand(int) override {}
};

class PlaybackGraphTest : public ::testing::Test {
protected:
    void SetUp() override {
        // No display: the video goes to a sink that needs none.
        unsetenv("DISPLAY");
        ASSERT_EQ(media_.Initialize(), S_OK);
    }

    // A graph rendered from `path`; null when RenderFile failed, with its
    // result in `hr`.
    std::unique_ptr<IGraphBuilder> Render(const std::string& path, HRESULT* hr = nullptr) {
        std::unique_ptr<IGraphBuilder> graph;
        EXPECT_EQ(media_.CreateGraph(&graph), S_OK);
        const HRESULT result = graph->RenderFile(path);
        if (hr != nullptr) *hr = result;
        if (Failed(result)) graph.reset();
        return graph;
    }

    GstMediaFramework media_;
};

TEST_F(PlaybackGraphTest, RefusesWhatItCannotPlay) {
    test::TempFolder temp;
    std::ofstream(temp / "empty.ac3").close();
    std::ofstream(temp / "notes.txt") << "Track list\n1. Overture\n2. Finale\n";
    {
        std::ofstream noise(temp / "noise.ac3", std::ios::binary);
        std::uint32_t x = 2463534242u;  // xorshift: bytes with no structure
        for (int i = 0; i < 20000; ++i) {
            x ^= x << 13;
            x ^= x >> 17;
            x ^= x << 5;
            noise.put(static_cast<char>(x & 0xFF));
        }
    }
    for (const char* name : {"missing.ac3", "empty.ac3", "notes.txt", "noise.ac3"}) {
        HRESULT hr = S_OK;
        EXPECT_EQ(Render(temp / name, &hr), nullptr) << name;
        EXPECT_EQ(hr, VFW_E_CANNOT_RENDER) << name;
    }
}

TEST_F(PlaybackGraphTest, KnowsTheStopPositionAsSoonAsRendered) {
    // Raw AC3 has no duration while merely prerolled: the graph finds it
    // while rendering.
    struct Case {
        const char* name;
        std::int64_t stop;
    } cases[] = {{"tone48.ac3", 320'000'000}, {"tone32.ac3", 480'000'000}, {"clip.ogv", 40'000'000}};
    for (const auto& c : cases) {
        auto graph = Render(MediaPath(c.name));
        ASSERT_NE(graph, nullptr) << c.name;
        IMediaSeeking* seeking = nullptr;
        ASSERT_EQ(graph->QueryMediaSeeking(&seeking), S_OK);
        std::int64_t stop = 0, current = -1;
        EXPECT_EQ(seeking->GetStopPosition(&stop), S_OK) << c.name;
        EXPECT_EQ(stop, c.stop) << c.name;
        EXPECT_EQ(seeking->GetCurrentPosition(&current), S_OK) << c.name;
        EXPECT_EQ(current, 0) << c.name;
    }
}

TEST_F(PlaybackGraphTest, VideoRolesAnswerOnlyForVideo) {
    auto audio = Render(MediaPath("tone48.ac3"));
    ASSERT_NE(audio, nullptr);
    IVideoWindow* window = nullptr;
    IBasicVideo* video = nullptr;
    ASSERT_EQ(audio->QueryVideoWindow(&window), S_OK);
    ASSERT_EQ(audio->QueryBasicVideo(&video), S_OK);
    bool visible = false;
    int w = 0, h = 0;
    EXPECT_EQ(window->get_Visible(&visible), E_NOINTERFACE);
    EXPECT_EQ(window->SetWindowPosition(0, 0, 10, 10), E_NOINTERFACE);
    EXPECT_EQ(video->GetVideoSize(&w, &h), E_NOINTERFACE);

    auto clip = Render(MediaPath("clip.ogv"));
    ASSERT_NE(clip, nullptr);
    ASSERT_EQ(clip->QueryVideoWindow(&window), S_OK);
    ASSERT_EQ(clip->QueryBasicVideo(&video), S_OK);
    EXPECT_EQ(window->get_Visible(&visible), S_OK);
    EXPECT_EQ(video->GetVideoSize(&w, &h), S_OK);
    EXPECT_EQ(w, 160);
    EXPECT_EQ(h, 120);
    // Until placed, the video covers its native size.
    int left = -1, top = -1, width = 0, height = 0;
    EXPECT_EQ(window->GetWindowPosition(&left, &top, &width, &height), S_OK);
    EXPECT_EQ(left, 0);
    EXPECT_EQ(width, 160);
    EXPECT_EQ(window->SetWindowPosition(0, 32, 1280, 960), S_OK);
    EXPECT_EQ(window->GetWindowPosition(&left, &top, &width, &height), S_OK);
    EXPECT_EQ(top, 32);
    EXPECT_EQ(height, 960);
}

TEST_F(PlaybackGraphTest, SeeksExactlyAndStopsCuedAtTheStart) {
    auto graph = Render(MediaPath("tone48.ac3"));
    ASSERT_NE(graph, nullptr);
    IMediaSeeking* seeking = nullptr;
    IMediaControl* control = nullptr;
    ASSERT_EQ(graph->QueryMediaSeeking(&seeking), S_OK);
    ASSERT_EQ(graph->QueryMediaControl(&control), S_OK);

    // Not on a frame boundary (32 ms each): an accurate seek lands there
    // all the same.
    std::int64_t current = 0;
    for (std::int64_t target : {123'456'789LL, 1LL, 319'000'000LL}) {
        ASSERT_EQ(seeking->SetPositions(target), S_OK);
        ASSERT_EQ(seeking->GetCurrentPosition(&current), S_OK);
        EXPECT_EQ(current, target);
    }

    ASSERT_EQ(seeking->SetPositions(160'000'000), S_OK);
    ASSERT_EQ(control->Run(), S_OK);
    std::this_thread::sleep_for(std::chrono::milliseconds(300));
    ASSERT_EQ(seeking->GetCurrentPosition(&current), S_OK);
    EXPECT_GT(current, 160'000'000) << "playing moves the position on";
    ASSERT_EQ(control->Stop(), S_OK);
    ASSERT_EQ(seeking->GetCurrentPosition(&current), S_OK);
    EXPECT_EQ(current, 0);
    EXPECT_EQ(seeking->SetRate(1.0), S_OK);
}

TEST_F(PlaybackGraphTest, PostsTheEndOfStreamAndErrorsToItsWindow) {
    scripted::EventLoop loop;
    scripted::ScriptedWindows windows(loop);
    NotifyCounter counter;
    auto window = windows.CreatePreviewWindow(counter, "Video Window", {0, 0, 100, 100});

    auto graph = Render(MediaPath("tone48.ac3"));
    ASSERT_NE(graph, nullptr);
    IMediaSeeking* seeking = nullptr;
    IMediaControl* control = nullptr;
    IMediaEventEx* events = nullptr;
    ASSERT_EQ(graph->QueryMediaSeeking(&seeking), S_OK);
    ASSERT_EQ(graph->QueryMediaControl(&control), S_OK);
    ASSERT_EQ(graph->QueryMediaEvent(&events), S_OK);
    ASSERT_EQ(events->SetNotifyWindow(window.get(), 1037, 0), S_OK);

    long code = 0;
    std::intptr_t p1 = 0, p2 = 0;
    EXPECT_EQ(events->GetEvent(&code, &p1, &p2, 0), E_ABORT) << "nothing waits yet";

    // The last 0.2 s of the source.
    ASSERT_EQ(seeking->SetPositions(318'000'000), S_OK);
    ASSERT_EQ(control->Run(), S_OK);
    ASSERT_EQ(events->GetEvent(&code, &p1, &p2, 5000), S_OK);
    EXPECT_EQ(code, EC_COMPLETE);
    EXPECT_EQ(events->FreeEventParams(code, p1, p2), S_OK);
    loop.RunPending();
    EXPECT_EQ(counter.notified, 1);

    // An error from anywhere in the pipeline.
    auto* gst = dynamic_cast<GstPlaybackGraph*>(graph.get());
    ASSERT_NE(gst, nullptr);
    GError* error = g_error_new_literal(GST_STREAM_ERROR, GST_STREAM_ERROR_DECODE, "the decoder gave up");
    gst_element_post_message(gst->Pipeline(),
                             gst_message_new_error(GST_OBJECT(gst->Pipeline()), error, "posted by the test"));
    g_error_free(error);
    ASSERT_EQ(events->GetEvent(&code, &p1, &p2, 1000), S_OK);
    EXPECT_EQ(code, EC_ERRORABORT);
    EXPECT_EQ(static_cast<HRESULT>(p1), E_FAIL);
    EXPECT_STREQ(reinterpret_cast<const char*>(p2), "the decoder gave up");
    EXPECT_EQ(events->FreeEventParams(code, p1, p2), S_OK);
    loop.RunPending();
    EXPECT_EQ(counter.notified, 2);

    // Once the window is let go, events wait without a notice.
    ASSERT_EQ(events->SetNotifyWindow(nullptr, 0, 0), S_OK);
    gst_element_post_message(gst->Pipeline(), gst_message_new_eos(GST_OBJECT(gst->Pipeline())));
    loop.RunPending();
    EXPECT_EQ(counter.notified, 2);
    ASSERT_EQ(events->GetEvent(&code, &p1, &p2, 1000), S_OK);
    EXPECT_EQ(code, EC_COMPLETE);
}

TEST_F(PlaybackGraphTest, VolumeInHundredthsOfADecibel) {
    auto graph = Render(MediaPath("tone48.ac3"));
    ASSERT_NE(graph, nullptr);
    IBasicAudio* audio = nullptr;
    ASSERT_EQ(graph->QueryBasicAudio(&audio), S_OK);
    long volume = 1;
    EXPECT_EQ(audio->get_Volume(&volume), S_OK);
    EXPECT_EQ(volume, 0) << "full volume";
    for (long v : {-2000L, -600L, -10000L, 0L}) {
        ASSERT_EQ(audio->put_Volume(v), S_OK);
        ASSERT_EQ(audio->get_Volume(&volume), S_OK);
        EXPECT_EQ(volume, v);
    }
    EXPECT_TRUE(Failed(audio->put_Volume(100)));
    EXPECT_TRUE(Failed(audio->put_Volume(-10001)));
}

TEST_F(PlaybackGraphTest, OnlyReadsTheSource) {
    const std::string path = MediaPath("tone48.ac3");
    auto graph = Render(path);
    ASSERT_NE(graph, nullptr);
    IMediaControl* control = nullptr;
    ASSERT_EQ(graph->QueryMediaControl(&control), S_OK);
    ASSERT_EQ(control->Run(), S_OK);

    // Every descriptor the process holds on the source is read-only.
    int held = 0;
    for (const auto& entry : std::filesystem::directory_iterator("/proc/self/fd")) {
        std::error_code ignored;
        if (std::filesystem::read_symlink(entry.path(), ignored) != std::filesystem::canonical(path)) continue;
        ++held;
        const int fd = std::stoi(entry.path().filename().string());
        EXPECT_EQ(fcntl(fd, F_GETFL) & O_ACCMODE, O_RDONLY);
    }
    EXPECT_GE(held, 1) << "the graph reads the file itself";

    // A split job can read it meanwhile.
    FileHandle file = OpenFileForRead(path);
    ASSERT_NE(file, nullptr);
    char head[2] = {};
    std::uint32_t read = 0;
    EXPECT_TRUE(ReadFile(file, head, 2, &read));
    EXPECT_EQ(read, 2u);
    EXPECT_EQ(static_cast<unsigned char>(head[0]), 0x0B);
    CloseHandle(file);
}

}  // namespace
