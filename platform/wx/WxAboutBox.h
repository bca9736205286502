// The about box (dialog template 100): the icon, the version line, the
// maker's notice and OK. Modal to `owner`; closed by OK, Esc or its close
// box.
#pragma once

class wxWindow;

namespace platform::wx {

class WxProgramIcon;

void RunAboutBox(wxWindow* owner, WxProgramIcon& icon);

}  // namespace platform::wx
