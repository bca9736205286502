// quorvane-script: runs the real application object and main dialog on the
// scripted desktop, with the real files, settings and media framework, and
// prints every observable event. One command a line, from the file named as
// the argument or from standard input.
//
// Beside the commands of the dialog, a few act on the preview window (the
// newest one open) and show the desktop around it:
//   preview-key esc                   the Esc key released in the preview window
//   preview-mouse left|right|middle|move X Y
//                                     a button released (or the mouse moved) at
//                                     client point X, Y of the preview window
//   choose ID / choose cancel         the answer for the next context menu; a
//                                     menu with none queued is dismissed. Each
//                                     menu prints `menu "TITLE" at X,Y: ITEMS -> ANSWER`
//   show windows                      the preview window's place and frame, the
//                                     main dialog's visibility and z-order, the
//                                     cursor and the video's place in the window
#include <cstdio>
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>

#include "app/MainApp.h"
#include "platform/gst/GstMediaFramework.h"
#include "platform/posix/IniProfileStore.h"
#include "platform/scripted/ScriptedSystemInfo.h"
#include "platform/scripted/ScriptedUi.h"
#include "platform/scripted/ScriptedWindows.h"
#include "platform/PreviewWindow.h"
#include "PreviewState.h"

using platform::BoxAnswer;
using platform::scripted::ScriptedUi;

namespace {

struct Driver {
    ScriptedUi& ui;
    platform::scripted::ScriptedWindows& windows;
    platform::scripted::ScriptedSystemInfo& system;
    platform::scripted::EventLoop& loop;
    int errors = 0;

    void Fail(int lineNumber, const std::string& line, const char* why) {
        std::cerr << "quorvane-script: line " << lineNumber << ": " << why << ": " << line << '\n';
        ++errors;
    }

    static bool ReadInt(std::istringstream& in, long long& value) { return static_cast<bool>(in >> value); }

    // The rest of the line after one blank, as it stands.
    static std::string Rest(std::istringstream& in) {
        std::string rest;
        std::getline(in, rest);
        if (!rest.empty() && rest[0] == ' ') rest.erase(0, 1);
        return rest;
    }

    void Run(std::istream& script) {
        std::string line;
        int lineNumber = 0;
        while (!ui.DialogEnded() && std::getline(script, line)) {
            ++lineNumber;
            if (!line.empty() && line.back() == '\r') line.pop_back();
            if (line.empty() || line[0] == '#') continue;
            if (!Execute(line)) Fail(lineNumber, line, "not understood");
            ui.Settle();
        }
    }

    bool Execute(const std::string& line) {
        std::istringstream in(line);
        std::string command;
        in >> command;
        long long n = 0;
        std::string word;
        auto* dialog = ui.Handler();
        if (command == "click" && ReadInt(in, n)) {
            ui.Click(static_cast<int>(n));
        } else if (command == "type" && ReadInt(in, n)) {
            ui.Type(static_cast<int>(n), Rest(in));
        } else if (command == "spin" && ReadInt(in, n) && in >> word && (word == "up" || word == "down")) {
            ui.Spin(static_cast<int>(n), word == "up" ? 1 : -1);
        } else if (command == "slide" && ReadInt(in, n)) {
            ui.Slide(static_cast<int>(n));
        } else if (command == "key" && in >> word) {
            if (word == "esc")
                dialog->OnCancel();
            else if (word == "enter")
                dialog->OnOK();
            else if (word == "f1")
                dialog->OnHelpKey();
            else
                return false;
        } else if (command == "syscommand" && ReadInt(in, n)) {
            dialog->OnSysCommand(static_cast<unsigned>(n));
        } else if (command == "close") {
            dialog->OnClose();
        } else if (command == "close-preview") {
            windows.PressCloseBox();
        } else if (command == "preview-key" && in >> word) {
            if (word != "esc") return false;
            windows.PressKey(platform::VK_ESCAPE);
        } else if (command == "preview-mouse" && in >> word) {
            long long x = 0, y = 0;
            if (!ReadInt(in, x) || !ReadInt(in, y)) return false;
            platform::MouseAction action;
            if (word == "left")
                action = platform::MouseAction::LeftUp;
            else if (word == "right")
                action = platform::MouseAction::RightUp;
            else if (word == "middle")
                action = platform::MouseAction::MiddleUp;
            else if (word == "move")
                action = platform::MouseAction::Move;
            else
                return false;
            windows.Mouse(action, static_cast<int>(x), static_cast<int>(y));
        } else if (command == "choose") {
            if (ReadInt(in, n))
                windows.QueueMenuChoice(static_cast<int>(n));
            else if (in.clear(), in >> word && word == "cancel")
                windows.QueueMenuChoice(std::nullopt);
            else
                return false;
        } else if (command == "answer" && in >> word) {
            if (word == "ok")
                ui.QueueAnswer(BoxAnswer::Ok);
            else if (word == "yes")
                ui.QueueAnswer(BoxAnswer::Yes);
            else if (word == "no")
                ui.QueueAnswer(BoxAnswer::No);
            else
                return false;
        } else if (command == "pick") {
            std::string path = Rest(in);
            if (path.empty()) return false;
            ui.QueuePick(path == "cancel" ? std::nullopt : std::optional<std::string>(path));
        } else if (command == "wait" && ReadInt(in, n) && n >= 0) {
            loop.RunFor(static_cast<int>(n));
        } else if (command == "clock" && ReadInt(in, n)) {
            system.SetClock(n);
        } else if (command == "show") {
            if (in >> word) {
                if (word == "preview")
                    ui.Out() << DescribePreview() << '\n';
                else if (word == "windows")
                    ui.Out() << windows.Describe() << '\n' << DescribePreviewVideo() << '\n';
                else
                    return false;
            } else {
                ui.PrintControls();
            }
        } else {
            return false;
        }
        return true;
    }
};

}  // namespace

int main(int argc, char** argv) {
    std::ifstream file;
    std::istream* script = &std::cin;
    if (argc > 1) {
        file.open(argv[1]);
        if (!file) {
            std::cerr << "quorvane-script: cannot read " << argv[1] << '\n';
            return 2;
        }
        script = &file;
    }
    // Events are printed as they happen, also when the output is a pipe.
    std::cout.setf(std::ios::unitbuf);

    platform::scripted::EventLoop loop;
    platform::scripted::ScriptedSystemInfo system;
    ScriptedUi ui(std::cout, loop, system.ApplicationName());
    platform::scripted::ScriptedWindows windows(loop);
    windows.SetTranscript(std::cout);
    platform::IniProfileStore profile(platform::IniProfileStore::DefaultConfigHome(), system.ApplicationName());
    platform::GstMediaFramework media;
    platform::Services services{ui, windows, profile, system, media};

    Driver driver{ui, windows, system, loop};
    ui.SetScenario([&] { driver.Run(*script); });
    CMainApp app(services);
    app.InitInstance();
    return driver.errors == 0 ? 0 : 2;
}
