#include "platform/wx/WxApp.h"

#include <wx/filename.h>
#include <wx/image.h>
#include <wx/stdpaths.h>
#include <wx/sysopt.h>

#include "app/MainApp.h"
#include "platform/Services.h"
#include "platform/gst/GstMediaFramework.h"
#include "platform/posix/IniProfileStore.h"
#include "platform/posix/XdgSystemInfo.h"
#include "platform/wx/WxIcon.h"
#include "platform/wx/WxUi.h"
#include "platform/wx/WxWindows.h"

namespace platform::wx {

// The program takes no command-line arguments, so the base class's parsing
// is left out.
bool WxApp::OnInit() {
    // The application's name is the executable's base name.
    SetAppName(wxFileName(wxStandardPaths::Get().GetExecutablePath()).GetName());
    wxInitAllImageHandlers();
    // The help viewer tells HTML pages by their file name's extension. The
    // desktop's MIME database can call ".htm" XHTML, which the viewer would
    // show as plain text; wx's own table says HTML.
    wxSystemOptions::SetOption("filesys.no-mimetypesmanager", 1);
    // The preview's windows are created and closed by the program itself.
    SetExitOnFrameDelete(false);
    return true;
}

// Runs the program and returns its exit status (an OnInit returning false
// would end it with 255).
int WxApp::OnRun() {
    const std::string appName = GetAppName().utf8_string();
    GstMediaFramework media;
    media.Initialize();  // GStreamer is ready before any window needs it
    XdgSystemInfo system(appName);
    IniProfileStore profile(IniProfileStore::DefaultConfigHome(), appName);
    WxProgramIcon icon(system.ExecutableFolder(), system.InstalledDataFolder());
    WxUi ui(icon, appName);
    WxWindows windows(ui, icon);
    Services services{ui, windows, profile, system, media};

    CMainApp app(services);
    app.InitInstance();
    return 0;
}

}  // namespace platform::wx
