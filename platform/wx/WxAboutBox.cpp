#include "platform/wx/WxAboutBox.h"

#include <wx/dialog.h>

#include "platform/wx/WxDialogBuilder.h"
#include "platform/wx/WxIcon.h"
#include "res/Templates.h"

namespace platform::wx {

void RunAboutBox(wxWindow* owner, WxProgramIcon& icon) {
    const auto& about = res::AboutDialogTemplate();
    wxDialog box(owner, wxID_ANY, wxString::FromUTF8(about.caption), wxDefaultPosition, wxDefaultSize,
                 wxCAPTION | wxSYSTEM_MENU | wxCLOSE_BOX);
    BuildDialogControls(&box, about, icon);
    box.SetIcons(icon.Bundle());
    // Esc and the close box end the box as its OK button does (it has no
    // Cancel button).
    box.SetEscapeId(wxID_OK);
    box.CentreOnParent();
    box.ShowModal();
}

}  // namespace platform::wx
