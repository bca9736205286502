// The wx application: sets the toolkit up in OnInit, then builds the real
// services and runs the application object from OnRun.
#pragma once
#include <wx/app.h>

namespace platform::wx {

class WxApp : public wxApp {
public:
    bool OnInit() override;
    int OnRun() override;
};

}  // namespace platform::wx
