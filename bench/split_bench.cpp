// split_bench SOURCE TOTAL_SECONDS FOLDER PARTS
//
// Runs the "By size" split of the real main dialog on the scripted desktop
// and prints how long the job took and the process's peak resident memory.
// The source is probed as the open command probes it; its total time is
// given, so no media framework is loaded and the memory figure is the
// split's own (plus the process's baseline).
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iostream>
#include <string>

#include "app/MainApp.h"
#include "platform/posix/IniProfileStore.h"
#include "platform/posix/XdgSystemInfo.h"
#include "platform/scripted/ScriptedUi.h"
#include "platform/scripted/ScriptedWindows.h"
#include "res/ResourceIds.h"
#include "ui/MainDialog.h"

namespace {

class NoMediaFramework final : public platform::MediaFramework {
public:
    platform::HRESULT Initialize() override { return platform::S_OK; }
    void Uninitialize() override {}
    platform::HRESULT CreateGraph(std::unique_ptr<platform::IGraphBuilder>*) override { return platform::E_FAIL; }
    platform::HRESULT CreateMeasuringGraph(std::unique_ptr<platform::IGraphBuilder>*) override {
        return platform::E_FAIL;
    }
};

long PeakResidentKiB() {
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line))
        if (line.rfind("VmHWM:", 0) == 0) return std::strtol(line.c_str() + 6, nullptr, 10);
    return -1;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 5) {
        std::cerr << "usage: split_bench SOURCE TOTAL_SECONDS FOLDER PARTS\n";
        return 2;
    }
    const std::string source = argv[1];
    const int totalSeconds = std::atoi(argv[2]);

    platform::scripted::EventLoop loop;
    platform::XdgSystemInfo system("Quorvane");
    platform::scripted::ScriptedUi ui(std::cout, loop, system.ApplicationName());
    platform::scripted::ScriptedWindows windows(loop);
    platform::IniProfileStore profile(platform::IniProfileStore::DefaultConfigHome(), system.ApplicationName());
    NoMediaFramework media;
    platform::Services services{ui, windows, profile, system, media};

    double seconds = -1;
    ui.SetScenario([&] {
        auto& dialog = *static_cast<CMainDialog*>(ui.Handler());
        dialog.m_szSourcePath = source;
        if (!dialog.ProbeSource(&dialog.m_nFirstSyncOffset)) return;
        dialog.m_nTotalSeconds = totalSeconds;
        dialog.m_llTotalTime = static_cast<std::int64_t>(totalSeconds) * 10'000'000;
        dialog.m_strFileInfo = "bench";
        ui.SetControlText(res::IDC_FILE_INFO, dialog.m_strFileInfo);
        ui.SetControlText(res::IDC_PART_COUNT, argv[4]);
        ui.SetControlText(res::IDC_OUTPUT_DIR, argv[3]);
        const auto start = std::chrono::steady_clock::now();
        ui.Click(res::IDC_START_SPLIT_BY_SIZE);
        seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    });
    CMainApp app(services);
    app.InitInstance();
    std::printf("split_seconds=%.3f peak_rss_kib=%ld\n", seconds, PeakResidentKiB());
    return seconds < 0 ? 1 : 0;
}
