#include "platform/wx/WxDialogBuilder.h"

#include "platform/wx/WxIcon.h"

#include <gtk/gtk.h>

#include <algorithm>
#include <cmath>

#include <wx/button.h>
#include <wx/control.h>
#include <wx/radiobut.h>
#include <wx/slider.h>
#include <wx/spinbutt.h>
#include <wx/statbmp.h>
#include <wx/statbox.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>

namespace platform::wx {
namespace {

using res::ControlKind;
using res::ControlTemplate;

wxWindow* CreateControl(wxWindow* parent, const ControlTemplate& c, bool startsRadioGroup,
                        WxProgramIcon& icon) {
    const int id = WxIdOf(c.id);
    const wxString text = wxString::FromUTF8(c.text);
    switch (c.kind) {
    case ControlKind::PushButton:
        return new wxButton(parent, id, text);
    case ControlKind::DefPushButton: {
        auto* button = new wxButton(parent, id, text);
        button->SetDefault();
        return button;
    }
    case ControlKind::Edit: {
        long style = (c.style & res::kCentered) ? wxTE_CENTRE : wxTE_LEFT;
        if (!(c.style & res::kBorder)) style |= wxBORDER_NONE;
        return new wxTextCtrl(parent, id, text, wxDefaultPosition, wxDefaultSize, style);
    }
    case ControlKind::Static: {
        // A static without prefix processing shows "&" as it is.
        const wxString label = (c.style & res::kNoPrefix) ? wxControl::EscapeMnemonics(text) : text;
        return new wxStaticText(parent, id, label, wxDefaultPosition, wxDefaultSize, wxST_NO_AUTORESIZE);
    }
    case ControlKind::GroupBox:
        return new wxStaticBox(parent, id, text);
    case ControlKind::RadioButton:
        return new wxRadioButton(parent, id, text, wxDefaultPosition, wxDefaultSize,
                                 startsRadioGroup ? wxRB_GROUP : 0);
    case ControlKind::UpDown:
        // The window name ("Spin1") is never shown.
        return new wxSpinButton(parent, id, wxDefaultPosition, wxDefaultSize,
                                wxSP_VERTICAL | ((c.style & res::kArrowKeys) ? wxSP_ARROW_KEYS : 0));
    case ControlKind::Trackbar:
        // The window name ("Slider1") is never shown either.
        return new wxSlider(parent, id, 0, 0, 100, wxDefaultPosition, wxDefaultSize,
                            wxSL_HORIZONTAL | ((c.style & res::kNoTicks) ? 0 : wxSL_AUTOTICKS));
    case ControlKind::Icon:
        return new wxStaticBitmap(parent, id, icon.Bitmap(32));
    }
    return nullptr;
}

// The smallest size GTK draws the control at without clipping it. Labels
// are measured on one line, as the template lays them out.
wxSize MinimumSize(wxWindow* window, bool oneLine) {
    GtkWidget* widget = window->GetHandle();
    int requestW = -1, requestH = -1;
    gtk_widget_get_size_request(widget, &requestW, &requestH);
    gtk_widget_set_size_request(widget, -1, -1);
    int minW = 0, naturalW = 0, minH = 0, naturalH = 0;
    gtk_widget_get_preferred_width(widget, &minW, &naturalW);
    const int width = oneLine ? naturalW : minW;
    gtk_widget_get_preferred_height_for_width(widget, std::max(width, 1), &minH, &naturalH);
    gtk_widget_set_size_request(widget, requestW, requestH);
    return {width, minH};
}

// What must fit in a control's rectangle: its width, its height or both.
struct Fit {
    bool width = false, height = false;
};
Fit FitOf(const ControlTemplate& c) {
    switch (c.kind) {
    case ControlKind::PushButton:
    case ControlKind::DefPushButton:
        // Buttons need their height; a button a little narrow for its text
        // grows about its centre instead of growing the whole layout.
        return {false, true};
    case ControlKind::RadioButton:
        return {true, true};
    case ControlKind::Static:
        // An empty static has no text to fit yet.
        return {c.text[0] != '\0', c.text[0] != '\0'};
    case ControlKind::Edit:
    case ControlKind::Trackbar:
        // Edits scroll their text and sliders stretch: only the height counts.
        return {false, true};
    case ControlKind::UpDown:  // placed at its own size, see below
    case ControlKind::GroupBox:
    case ControlKind::Icon:
        break;
    }
    return {};
}

bool OnSameRow(const wxRect& a, const wxRect& b) { return a.GetTop() < b.GetBottom() && b.GetTop() < a.GetBottom(); }

int Round(double value) { return static_cast<int>(std::lround(value)); }

}  // namespace

int WxIdOf(int templateId) {
    switch (templateId) {
    case -1: return wxID_ANY;
    case 1: return wxID_OK;
    case 2: return wxID_CANCEL;
    default: return templateId;
    }
}

std::vector<BuiltControl> BuildDialogControls(wxWindow* parent, const res::DialogTemplate& dialog,
                                              WxProgramIcon& icon) {
    std::vector<BuiltControl> built;
    bool previousWasRadio = false;
    for (const auto& c : dialog.controls) {
        const bool radio = c.kind == ControlKind::RadioButton;
        built.push_back({&c, CreateControl(parent, c, radio && !previousWasRadio, icon)});
        previousWasRadio = radio;
    }

    // Pixels per dialog unit by the parent's font, then the one factor
    // that makes every control fit.
    const wxSize base = parent->ConvertDialogToPixels(wxSize(4000, 8000));
    double unitX = base.x / 4000.0, unitY = base.y / 8000.0;
    std::vector<wxSize> need;
    double factor = 1.0;
    for (const auto& b : built) {
        const auto& c = *b.control;
        need.push_back(MinimumSize(b.window, c.kind == ControlKind::Static));
        const Fit fit = FitOf(c);
        if (fit.width && c.width > 0) factor = std::max(factor, need.back().x / (c.width * unitX));
        if (fit.height && c.height > 0) factor = std::max(factor, need.back().y / (c.height * unitY));
    }
    unitX *= factor;
    unitY *= factor;
    const int margin = Round(4 * unitX);
    int clientWidth = Round(dialog.width * unitX);
    const int clientHeight = Round(dialog.height * unitY);

    std::vector<wxRect> rects;
    for (std::size_t i = 0; i < built.size(); ++i) {
        const auto& c = *built[i].control;
        wxRect r(Round(c.x * unitX), Round(c.y * unitY), Round(c.width * unitX), Round(c.height * unitY));
        const bool grows = c.kind == ControlKind::PushButton || c.kind == ControlKind::DefPushButton ||
                           c.kind == ControlKind::Edit || c.kind == ControlKind::Trackbar ||
                           c.kind == ControlKind::UpDown;
        // What is still too small keeps its centre and grows to its size.
        if (grows && need[i].y > r.height) {
            r.y -= (need[i].y - r.height) / 2;
            r.height = need[i].y;
        }
        const bool widens = c.kind == ControlKind::PushButton || c.kind == ControlKind::DefPushButton;
        if (widens && need[i].x > r.width) {
            r.x -= (need[i].x - r.width) / 2;
            r.width = need[i].x;
            r.x = std::clamp(r.x, margin, std::max(margin, clientWidth - margin - r.width));
        }
        rects.push_back(r);
    }

    for (std::size_t i = 0; i < built.size(); ++i) {
        if (built[i].control->kind != ControlKind::UpDown) continue;
        // GTK's up-down is a "- +" pair, wider than the template's arrows:
        // it takes its own width, and what follows on its row moves right.
        wxRect& spin = rects[i];
        spin.width = need[i].x;
        const int gap = Round(2 * unitX);
        int shift = 0;
        for (std::size_t j = i + 1; j < built.size() && OnSameRow(rects[j], spin); ++j) {
            if (j == i + 1) shift = std::max(0, spin.GetRight() + gap - rects[j].x);
            rects[j].x += shift;
        }
    }
    for (std::size_t i = 0; i < built.size(); ++i) {
        const wxRect& r = rects[i];
        clientWidth = std::max(clientWidth, r.GetRight() + 1 + margin);
        built[i].window->SetSize(r);
        if (built[i].control->kind == ControlKind::Icon)
            static_cast<wxStaticBitmap*>(built[i].window)->SetBitmap(icon.Bitmap(std::min(r.width, r.height)));
    }
    parent->SetClientSize(clientWidth, clientHeight);
    return built;
}

}  // namespace platform::wx
