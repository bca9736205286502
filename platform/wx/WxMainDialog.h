// The main dialog on screen: a wxDialog holding the controls of the main
// dialog template, which routes the user's actions by control id to the
// program's DialogHandler.
#pragma once
#include <map>
#include <string>
#include <utility>
#include <vector>

#include <wx/dialog.h>

#include "platform/DialogHandler.h"

class wxContextMenuEvent;
class wxSpinEvent;

namespace platform::wx {

class WxProgramIcon;

class WxMainDialog final : public wxDialog {
public:
    WxMainDialog(DialogHandler& handler, WxProgramIcon& icon);

    // From now on nothing reaches the handler (it is going away).
    void Detach() { handler_ = nullptr; }

    // The control with template id `id`, or null.
    wxWindow* Control(int id) const;
    std::string GetControlText(int id) const;
    void SetControlText(int id, const std::string& text);
    void SetSpinRange(int id, int low, int high);

    // Adds a separator and `text` (command `command`) to the window menu.
    void AppendWindowMenuItem(int command, const std::string& text);

private:
    struct UpDown {
        int buddy = 0;  // the edit it steps
        int low = 0, high = 100, pos = 0;
    };

    void BindEvents();
    void OnCharHook(wxKeyEvent& event);
    void OnCloseBox(wxCloseEvent& event);
    void OnPaintEvent(wxPaintEvent& event);
    void OnContextMenu(wxContextMenuEvent& event);
    void OnSpinArrow(wxSpinEvent& event);
    // One step of up-down `id`, from its arrows or the arrow keys in its buddy.
    void StepUpDown(int id, int delta);
    // The window commands GTK keeps to itself, offered where a Linux user
    // looks for them: a right click on the dialog's background, Alt+Space.
    void ShowWindowMenu(const wxPoint& where);

    DialogHandler* handler_;
    std::map<int, wxWindow*> controls_;
    std::map<int, UpDown> upDowns_;
    std::vector<std::pair<int, std::string>> windowMenuItems_;
    bool paintQueued_ = false;
};

}  // namespace platform::wx
