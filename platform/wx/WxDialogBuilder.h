// Turns a dialog template into wx controls: one control per template entry,
// created in template order (which is the tab order) with its id, text and
// style, and placed by its dialog-unit rectangle.
#pragma once
#include <vector>

#include <wx/window.h>

#include "res/Templates.h"

namespace platform::wx {

class WxProgramIcon;

struct BuiltControl {
    const res::ControlTemplate* control;
    wxWindow* window;
};

// The wx id of a template id: the OK and Cancel buttons get wx's own ids,
// controls without an id get none.
int WxIdOf(int templateId);

// Creates the controls of `dialog` in `parent` and lays them out.
//
// Positions and sizes are the template's dialog units converted with the
// parent's font. GTK widgets carry more padding than the controls the
// template was drawn for, so the whole layout is scaled up by the one factor
// that makes every control tall enough and every label and radio button
// wide enough: the template's proportions stay as they are. A push button
// still too narrow for its text widens about its centre. Up-down controls
// take the size GTK needs beside their buddy edit, and the controls that
// follow them on their row move right just enough not to be covered.
// Sets the parent's client size; icon controls show `icon` at their size.
std::vector<BuiltControl> BuildDialogControls(wxWindow* parent, const res::DialogTemplate& dialog,
                                              WxProgramIcon& icon);

}  // namespace platform::wx
