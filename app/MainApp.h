// The application object: names the settings store, runs the main dialog
// modally and lets the program end when the dialog ends.
#pragma once
#include "platform/Services.h"

class CMainApp {
public:
    explicit CMainApp(platform::Services& services);
    ~CMainApp();
    CMainApp(const CMainApp&) = delete;
    CMainApp& operator=(const CMainApp&) = delete;

    // Runs the program; returns false, as the program keeps no message
    // loop of its own after the dialog.
    bool InitInstance();

    platform::Services& Services() { return services_; }

    // 1 while the left mouse button is held down on the position slider.
    int m_bSeekDragging = 0;

private:
    platform::Services& services_;
};

// The one application object, or null outside a run.
CMainApp* AfxGetApp();
