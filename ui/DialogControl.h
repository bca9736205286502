// A control of the main dialog, attached by id: what the dialog's control
// members (edits, statics, up-downs, the slider) can do.
#pragma once
#include <string>

#include "platform/UiServices.h"

namespace ui {

class DialogControl {
public:
    void Attach(platform::UiServices& ui, int id) {
        ui_ = &ui;
        id_ = id;
    }
    int GetDlgCtrlID() const { return id_; }

    void ShowWindow(bool show) { ui_->ShowControl(id_, show); }
    bool IsWindowVisible() const { return ui_->IsControlVisible(id_); }
    std::string GetWindowText() const { return ui_->GetControlText(id_); }
    void SetWindowText(const std::string& text) { ui_->SetControlText(id_, text); }

    // Up-down controls.
    void SetSpinRange(int low, int high) { ui_->SetSpinRange(id_, low, high); }
    // Sliders.
    void SetRange(int low, int high) { ui_->SetSliderRange(id_, low, high); }
    void SetPos(int pos) { ui_->SetSliderPos(id_, pos); }
    int GetPos() const { return ui_->GetSliderPos(id_); }

private:
    platform::UiServices* ui_ = nullptr;
    int id_ = 0;
};

}  // namespace ui
