// The window services on wxWidgets: preview windows, the desktop's work
// area and measures, the main dialog's place on the desktop, the mouse
// cursor's display counter and the millisecond clock.
#pragma once
#include "platform/PreviewWindow.h"

namespace platform::wx {

class WxProgramIcon;
class WxUi;

class WxWindows final : public WindowServices {
public:
    WxWindows(WxUi& ui, WxProgramIcon& icon) : ui_(ui), icon_(icon) {}

    std::unique_ptr<PreviewWindow> CreatePreviewWindow(PreviewWindowEvents& events, const std::string& title,
                                                       const Rect& rect) override;
    Rect WorkArea() const override;
    Rect MainDialogRect() const override;
    // The frame and caption measures come from the main dialog's own
    // decoration, as the window manager draws it (0 without one).
    int GetSystemMetrics(SystemMetric metric) const override;
    void SetMainDialogPos(ZOrder order, unsigned flags) override;
    void ActivateMainDialog() override;
    int ShowCursor(bool show) override;
    std::uint32_t TickCount() const override;

private:
    WxUi& ui_;
    WxProgramIcon& icon_;
    int cursorCount_ = 0;
};

}  // namespace platform::wx
