// Runs the real main dialog on the scripted desktop inside a unit test:
// the settings file and home folder live in a temporary folder, the machine
// facts can be set per test, and the test body runs while the dialog is
// open. Everything the dialog shows is captured in `transcript`.
#pragma once
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <optional>
#include <sstream>
#include <string>

#include "app/MainApp.h"
#include "platform/gst/GstMediaFramework.h"
#include "platform/posix/IniProfileStore.h"
#include "platform/scripted/ScriptedUi.h"
#include "platform/scripted/ScriptedWindows.h"
#include "ui/MainDialog.h"

namespace test {

// Machine facts a test can set.
class FakeSystemInfo final : public platform::SystemInfo {
public:
    std::string home;
    std::optional<std::string> music;
    bool versionKnown = true;
    std::uint32_t majorVersion = platform::kFirstVersionWithUserFolders;
    std::int64_t now = 1'800'000'000;

    std::string ApplicationName() const override { return "Quorvane"; }
    std::string ExecutableFolder() const override { return home + "/bin/"; }
    std::string InstalledDataFolder() const override { return {}; }
    bool GetVersion(platform::OsVersionInfo& info) const override {
        if (!versionKnown) return false;
        info.dwMajorVersion = majorVersion;
        return true;
    }
    std::optional<std::string> HomeFolder() const override { return home; }
    std::optional<std::string> MusicFolder() const override { return music; }
    std::int64_t Now() const override { return now; }
};

// A temporary folder, removed with its contents.
class TempFolder {
public:
    TempFolder() {
        std::string pattern = (std::filesystem::temp_directory_path() / "quorvane-test-XXXXXX").string();
        path_ = ::mkdtemp(pattern.data());
    }
    ~TempFolder() {
        std::error_code ignored;
        std::filesystem::remove_all(path_, ignored);
    }
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;
    const std::string& Path() const { return path_; }
    std::string operator/(const std::string& name) const { return path_ + "/" + name; }

private:
    std::string path_;
};

class DialogHarness {
public:
    DialogHarness()
        : ui(transcript, loop, "Quorvane"),
          windows(loop),
          profile(temp / "config", "Quorvane"),
          services{ui, windows, profile, system, media} {
        system.home = temp / "home";
        std::filesystem::create_directories(system.home);
    }

    // Starts the program; `body` runs with the dialog open, then the dialog
    // ends as by Esc unless the body ended it.
    void Run(const std::function<void(CMainDialog&)>& body) {
        CMainApp app(services);
        // The application object creates the dialog; reach it through the
        // handler the scripted desktop is running.
        ui.SetScenario([&] {
            dialog_ = static_cast<CMainDialog*>(ui.Handler());
            body(*dialog_);
            ui.Settle();
        });
        app.InitInstance();
        dialog_ = nullptr;
    }

    std::string Transcript() const { return transcript.str(); }
    std::string ProfilePath() const { return temp / "config/Pellimor/Quorvane.ini"; }

    TempFolder temp;
    std::ostringstream transcript;
    platform::scripted::EventLoop loop;
    platform::scripted::ScriptedUi ui;
    platform::scripted::ScriptedWindows windows;
    FakeSystemInfo system;
    platform::IniProfileStore profile;
    platform::GstMediaFramework media;
    platform::Services services;

private:
    CMainDialog* dialog_ = nullptr;
};

}  // namespace test
