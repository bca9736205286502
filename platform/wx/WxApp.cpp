#include "platform/wx/WxApp.h"

namespace platform::wx {

bool WxApp::OnInit() { return true; }
int WxApp::OnRun() { return 0; }

}  // namespace platform::wx
