// The wx application: sets up the real services and runs the application
// object from OnRun.
#pragma once
#include <wx/app.h>

namespace platform::wx {

class WxApp : public wxApp {
public:
    bool OnInit() override;
    int OnRun() override;
};

}  // namespace platform::wx
