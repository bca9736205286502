// The position slider of the main dialog. While the left button is held on
// it, the application's m_bSeekDragging is 1, so the position refresh leaves
// the thumb where the mouse puts it; releasing the button lets the dialog
// seek.
#pragma once
#include <functional>

#include "ui/DialogControl.h"

class CSeekSlider : public ui::DialogControl {
public:
    // `dragging` is the application's flag; `releasedCapture` is what the
    // dialog does when the slider lets the mouse go.
    void Connect(int* dragging, std::function<void()> releasedCapture) {
        dragging_ = dragging;
        releasedCapture_ = std::move(releasedCapture);
    }

    void OnLButtonDown() {
        if (dragging_ != nullptr) *dragging_ = 1;
    }
    void OnLButtonUp() {
        if (dragging_ != nullptr) *dragging_ = 0;
        if (releasedCapture_) releasedCapture_();
    }

private:
    int* dragging_ = nullptr;
    std::function<void()> releasedCapture_;
};
