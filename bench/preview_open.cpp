// preview_open MEDIA: how long opening the preview of MEDIA takes, and what
// the position poll costs.
//
// Prints, over several runs after one warm-up:
//   graph   the playback graph made, rendered (prerolled to PAUSED) and its
//           stop position read, as the player needs it;
//   player  the whole CPreviewPlayer::OpenMedia on the scripted desktop
//           (window, graph, every role, the hidden window's title and timer);
// then the cost of one PollPosition and the processor time the process takes
// while an opened player sits stopped with its poll running.
#include <sys/resource.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <sstream>
#include <vector>

#include "platform/gst/GstMediaFramework.h"
#include "platform/posix/IniProfileStore.h"
#include "platform/scripted/EventLoop.h"
#include "platform/scripted/ScriptedSystemInfo.h"
#include "platform/scripted/ScriptedUi.h"
#include "platform/scripted/ScriptedWindows.h"
#include "preview/PreviewPlayer.h"

using Clock = std::chrono::steady_clock;

namespace {

double Ms(Clock::duration d) { return std::chrono::duration<double, std::milli>(d).count(); }

double CpuSeconds() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_utime.tv_sec + usage.ru_stime.tv_sec + (usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

void Report(const char* what, std::vector<double> ms) {
    std::sort(ms.begin(), ms.end());
    std::printf("%-7s min %6.1f ms   median %6.1f ms   max %6.1f ms   (%zu runs)\n", what, ms.front(),
                ms[ms.size() / 2], ms.back(), ms.size());
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: preview_open MEDIA\n");
        return 2;
    }
    const std::string path = argv[1];
    constexpr int kRuns = 7;

    platform::scripted::EventLoop loop;
    platform::scripted::ScriptedSystemInfo system;
    std::ostringstream transcript;
    platform::scripted::ScriptedUi ui(transcript, loop, system.ApplicationName());
    platform::scripted::ScriptedWindows windows(loop);
    platform::IniProfileStore profile(platform::IniProfileStore::DefaultConfigHome(), system.ApplicationName());
    platform::GstMediaFramework media;
    platform::Services services{ui, windows, profile, system, media};
    if (platform::Failed(media.Initialize())) {
        std::fprintf(stderr, "preview_open: GStreamer does not start\n");
        return 1;
    }

    std::vector<double> graphMs, playerMs;
    for (int run = 0; run <= kRuns; ++run) {
        const auto start = Clock::now();
        std::unique_ptr<platform::IGraphBuilder> graph;
        platform::IMediaSeeking* seeking = nullptr;
        std::int64_t stop = 0;
        if (platform::Failed(media.CreateGraph(&graph)) || platform::Failed(graph->RenderFile(path)) ||
            platform::Failed(graph->QueryMediaSeeking(&seeking)) || platform::Failed(seeking->GetStopPosition(&stop))) {
            std::fprintf(stderr, "preview_open: cannot render %s\n", path.c_str());
            return 1;
        }
        const auto rendered = Clock::now();
        graph.reset();
        if (run == 0) {
            std::printf("%s: %.3f s\n", path.c_str(), stop / 1e7);
            continue;  // warm-up: plug-in registry, first dlopens
        }
        graphMs.push_back(Ms(rendered - start));
    }
    for (int run = 0; run < kRuns; ++run) {
        CPreviewPlayer player(&services, &ui);
        player.szFileName = path;
        const auto start = Clock::now();
        const int opened = player.OpenMedia();
        playerMs.push_back(Ms(Clock::now() - start));
        if (!opened) {
            std::fprintf(stderr, "preview_open: the player cannot open %s\n%s", path.c_str(),
                         transcript.str().c_str());
            return 1;
        }
        player.Close();
    }
    Report("graph", graphMs);
    Report("player", playerMs);

    CPreviewPlayer player(&services, &ui);
    player.szFileName = path;
    player.OpenMedia();
    constexpr int kPolls = 2000;
    const auto pollStart = Clock::now();
    for (int i = 0; i < kPolls; ++i) player.PollPosition();
    std::printf("poll    %.1f us per PollPosition\n", Ms(Clock::now() - pollStart) * 1000 / kPolls);

    loop.RunPending();
    const double cpuStart = CpuSeconds();
    const auto idleStart = Clock::now();
    loop.RunFor(5000);
    const double wall = std::chrono::duration<double>(Clock::now() - idleStart).count();
    std::printf("idle    %.2f %% of one processor while stopped, polling once a second (%.0f s)\n",
                100 * (CpuSeconds() - cpuStart) / wall, wall);
    player.Close();
    return 0;
}
