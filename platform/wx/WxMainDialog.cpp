#include "platform/wx/WxMainDialog.h"

#include <algorithm>

#include <wx/button.h>
#include <wx/dcclient.h>
#include <wx/menu.h>
#include <wx/radiobut.h>
#include <wx/slider.h>
#include <wx/spinbutt.h>
#include <wx/statbox.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>

#include "platform/wx/WxDialogBuilder.h"
#include "platform/wx/WxIcon.h"
#include "res/Templates.h"
#include "ui/IntegerField.h"

namespace platform::wx {
namespace {

// The window menu's own commands, as the window system numbers them.
constexpr unsigned SC_CLOSE = 0xF060;

enum MenuItemId { kMinimizeItem = wxID_HIGHEST + 1, kCloseItem, kFirstAppendedItem };

// The native up-down never reaches its ends, so both arrows always report:
// the range and position that count are kept beside it.
constexpr int kNativeSpinRange = 1000000;

}  // namespace

WxMainDialog::WxMainDialog(DialogHandler& handler, WxProgramIcon& icon)
    : wxDialog(nullptr, wxID_ANY, wxString::FromUTF8(res::MainDialogTemplate().caption), wxDefaultPosition,
               wxDefaultSize, wxCAPTION | wxSYSTEM_MENU | wxCLOSE_BOX | wxMINIMIZE_BOX),
      handler_(&handler) {
    const auto& dialog = res::MainDialogTemplate();
    const auto built = BuildDialogControls(this, dialog, icon);
    for (std::size_t i = 0; i < built.size(); ++i) {
        const auto& c = *built[i].control;
        if (c.id != -1) controls_[c.id] = built[i].window;
        // An auto-buddy up-down steps the control created just before it.
        if (c.kind == res::ControlKind::UpDown && i > 0 && (c.style & res::kAutoBuddy)) {
            upDowns_[c.id].buddy = built[i - 1].control->id;
            auto* spin = static_cast<wxSpinButton*>(built[i].window);
            spin->SetRange(-kNativeSpinRange, kNativeSpinRange);
            spin->SetValue(0);
        }
    }
    BindEvents();
    Centre();
}

wxWindow* WxMainDialog::Control(int id) const {
    auto it = controls_.find(id);
    return it == controls_.end() ? nullptr : it->second;
}

std::string WxMainDialog::GetControlText(int id) const {
    wxWindow* window = Control(id);
    if (window == nullptr) return {};
    if (auto* edit = dynamic_cast<wxTextCtrl*>(window)) return edit->GetValue().utf8_string();
    return window->GetLabel().utf8_string();
}

void WxMainDialog::SetControlText(int id, const std::string& text) {
    wxWindow* window = Control(id);
    if (window == nullptr) return;
    const wxString value = wxString::FromUTF8(text);
    // Unchanged texts are left alone: a new label repaints the dialog, and
    // painting refreshes the position text.
    if (auto* edit = dynamic_cast<wxTextCtrl*>(window)) {
        if (edit->GetValue() != value) edit->ChangeValue(value);
    } else if (window->GetLabel() != value) {
        window->SetLabel(value);
    }
}

void WxMainDialog::SetSpinRange(int id, int low, int high) {
    auto it = upDowns_.find(id);
    if (it == upDowns_.end()) return;
    it->second.low = low;
    it->second.high = high;
    it->second.pos = std::clamp(it->second.pos, std::min(low, high), std::max(low, high));
}

void WxMainDialog::AppendWindowMenuItem(int command, const std::string& text) {
    windowMenuItems_.emplace_back(command, text);
}

void WxMainDialog::BindEvents() {
    Bind(wxEVT_CHAR_HOOK, &WxMainDialog::OnCharHook, this);
    Bind(wxEVT_CLOSE_WINDOW, &WxMainDialog::OnCloseBox, this);
    Bind(wxEVT_PAINT, &WxMainDialog::OnPaintEvent, this);
    Bind(wxEVT_CONTEXT_MENU, &WxMainDialog::OnContextMenu, this);
    auto command = [this](wxCommandEvent& event) {
        if (handler_ != nullptr) handler_->OnCommand(event.GetId());
    };
    Bind(wxEVT_BUTTON, command);
    Bind(wxEVT_RADIOBUTTON, command);
    Bind(wxEVT_SPIN_UP, &WxMainDialog::OnSpinArrow, this);
    Bind(wxEVT_SPIN_DOWN, &WxMainDialog::OnSpinArrow, this);

    for (const auto& [id, upDown] : upDowns_) {
        wxWindow* buddy = Control(upDown.buddy);
        if (buddy == nullptr) continue;
        buddy->Bind(wxEVT_KEY_DOWN, [this, spinId = id](wxKeyEvent& event) {
            if (event.GetModifiers() == wxMOD_NONE && event.GetKeyCode() == WXK_UP)
                StepUpDown(spinId, 1);
            else if (event.GetModifiers() == wxMOD_NONE && event.GetKeyCode() == WXK_DOWN)
                StepUpDown(spinId, -1);
            else
                event.Skip();
        });
    }
    for (const auto& [id, window] : controls_) {
        if (!dynamic_cast<wxSlider*>(window)) continue;
        // The slider keeps working as usual; the program only learns when
        // the left button goes down on it and when it lets the mouse go.
        auto button = [this, sliderId = id](bool down) {
            return [this, sliderId, down](wxMouseEvent& event) {
                if (handler_ != nullptr) handler_->OnSliderButton(sliderId, down);
                event.Skip();
            };
        };
        window->Bind(wxEVT_LEFT_DOWN, button(true));
        window->Bind(wxEVT_LEFT_DCLICK, button(true));
        window->Bind(wxEVT_LEFT_UP, button(false));
    }
}

void WxMainDialog::OnCharHook(wxKeyEvent& event) {
    if (handler_ == nullptr) {
        event.Skip();
        return;
    }
    const int key = event.GetKeyCode();
    const int modifiers = event.GetModifiers();
    if (key == WXK_ESCAPE && modifiers == wxMOD_NONE) {
        handler_->OnCancel();
    } else if (key == WXK_F1 && modifiers == wxMOD_NONE) {
        handler_->OnHelpKey();
    } else if (key == WXK_SPACE && modifiers == wxMOD_ALT) {
        ShowWindowMenu(wxPoint(0, 0));
    } else if ((key == WXK_RETURN || key == WXK_NUMPAD_ENTER) && modifiers == wxMOD_NONE &&
               !dynamic_cast<wxButton*>(FindFocus())) {
        // Enter on a push button presses it; anywhere else it is the
        // dialog's OK.
        handler_->OnOK();
    } else {
        event.Skip();
    }
}

void WxMainDialog::OnCloseBox(wxCloseEvent& event) {
    if (handler_ != nullptr)
        handler_->OnClose();
    else if (event.CanVeto())
        event.Veto();
}

void WxMainDialog::OnPaintEvent(wxPaintEvent&) {
    wxPaintDC dc(this);
    // The handler's painting updates controls, which GTK must not see
    // while it draws: it runs right after this paint.
    if (paintQueued_ || handler_ == nullptr) return;
    paintQueued_ = true;
    CallAfter([this] {
        paintQueued_ = false;
        if (handler_ != nullptr) handler_->OnPaint(IsIconized());
    });
}

void WxMainDialog::OnContextMenu(wxContextMenuEvent& event) {
    // Only the dialog's background (labels and the group box included);
    // edits keep their own menus.
    wxObject* source = event.GetEventObject();
    if (source != this && !dynamic_cast<wxStaticText*>(source) && !dynamic_cast<wxStaticBox*>(source)) {
        event.Skip();
        return;
    }
    const wxPoint where = event.GetPosition();
    ShowWindowMenu(where == wxDefaultPosition ? wxPoint(0, 0) : ScreenToClient(where));
}

void WxMainDialog::ShowWindowMenu(const wxPoint& where) {
    if (handler_ == nullptr) return;
    wxMenu menu;
    menu.Append(kMinimizeItem, "Mi&nimize");
    menu.Append(kCloseItem, "&Close");
    for (std::size_t i = 0; i < windowMenuItems_.size(); ++i) {
        menu.AppendSeparator();
        menu.Append(kFirstAppendedItem + static_cast<int>(i), wxString::FromUTF8(windowMenuItems_[i].second));
    }
    const int chosen = GetPopupMenuSelectionFromUser(menu, where);
    if (handler_ == nullptr || chosen == wxID_NONE) return;
    if (chosen == kMinimizeItem) {
        Iconize(true);
    } else if (chosen == kCloseItem) {
        handler_->OnSysCommand(SC_CLOSE);
    } else if (chosen >= kFirstAppendedItem &&
               chosen < kFirstAppendedItem + static_cast<int>(windowMenuItems_.size())) {
        handler_->OnSysCommand(static_cast<unsigned>(windowMenuItems_[chosen - kFirstAppendedItem].first));
    }
}

void WxMainDialog::OnSpinArrow(wxSpinEvent& event) {
    // The native control stays where it is; the buddy edit holds the value.
    event.Veto();
    StepUpDown(event.GetId(), event.GetEventType() == wxEVT_SPIN_UP ? 1 : -1);
}

void WxMainDialog::StepUpDown(int id, int delta) {
    auto it = upDowns_.find(id);
    if (it == upDowns_.end() || handler_ == nullptr) return;
    // The position is the buddy's number, or the last one written when the
    // buddy holds none.
    const int pos = ui::ParseIntegerField(GetControlText(it->second.buddy)).value_or(it->second.pos);
    if (handler_->OnSpinDeltaPos(id, pos, delta) != 0) return;
    auto& upDown = upDowns_.at(id);
    const long long next = static_cast<long long>(pos) + delta;
    upDown.pos = static_cast<int>(std::clamp<long long>(next, std::min(upDown.low, upDown.high),
                                                         std::max(upDown.low, upDown.high)));
    SetControlText(upDown.buddy, std::to_string(upDown.pos));
}

}  // namespace platform::wx
