#include "platform/wx/WxWindows.h"

#include <algorithm>
#include <chrono>

#include <wx/cursor.h>
#include <wx/display.h>
#include <wx/toplevel.h>
#include <wx/utils.h>

#include "platform/wx/WxIcon.h"
#include "platform/wx/WxPreviewWindow.h"
#include "platform/wx/WxUi.h"

namespace platform::wx {

std::unique_ptr<PreviewWindow> WxWindows::CreatePreviewWindow(PreviewWindowEvents& events,
                                                              const std::string& title, const Rect& rect) {
    return std::make_unique<WxPreviewWindow>(events, title, rect, icon_.Bundle());
}

Rect WxWindows::WorkArea() const {
    // The display the main dialog is on, else the first one.
    int index = wxNOT_FOUND;
    if (wxWindow* dialog = ui_.MainDialogWindow()) index = wxDisplay::GetFromWindow(dialog);
    const wxRect area = wxDisplay(index == wxNOT_FOUND ? 0u : static_cast<unsigned>(index)).GetClientArea();
    return {area.GetLeft(), area.GetTop(), area.GetLeft() + area.GetWidth(), area.GetTop() + area.GetHeight()};
}

Rect WxWindows::MainDialogRect() const { return ui_.MainDialogRect(); }

int WxWindows::GetSystemMetrics(SystemMetric metric) const {
    const wxRect screen = wxDisplay(0u).GetGeometry();
    int frame = 0, caption = 0;
    if (wxWindow* dialog = ui_.MainDialogWindow()) {
        const wxSize outer = dialog->GetSize(), client = dialog->GetClientSize();
        frame = std::max(0, (outer.x - client.x) / 2);
        caption = std::max(0, outer.y - client.y - 2 * frame);
    }
    switch (metric) {
    case SystemMetric::CxScreen: return screen.GetWidth();
    case SystemMetric::CyScreen: return screen.GetHeight();
    case SystemMetric::CxFrame:
    case SystemMetric::CyFrame: return frame;
    case SystemMetric::CyCaption: return caption;
    }
    return 0;
}

void WxWindows::SetMainDialogPos(ZOrder order, unsigned flags) {
    auto* dialog = dynamic_cast<wxTopLevelWindow*>(ui_.MainDialogWindow());
    if (dialog == nullptr) return;
    if ((flags & SWP_NOZORDER) == 0) {
        const long style = dialog->GetWindowStyleFlag();
        if (order == ZOrder::TopMost) dialog->SetWindowStyleFlag(style | wxSTAY_ON_TOP);
        if (order == ZOrder::NoTopMost) dialog->SetWindowStyleFlag(style & ~wxSTAY_ON_TOP);
        if (dialog->IsShown()) dialog->Raise();
    }
    if (flags & SWP_SHOWWINDOW) dialog->Show(true);
    if (flags & SWP_HIDEWINDOW) dialog->Show(false);
}

void WxWindows::ActivateMainDialog() {
    auto* dialog = dynamic_cast<wxTopLevelWindow*>(ui_.MainDialogWindow());
    if (dialog == nullptr) return;
    if (dialog->IsIconized()) dialog->Iconize(false);
    dialog->Show(true);
    dialog->Raise();
}

int WxWindows::ShowCursor(bool show) {
    const bool wasShown = cursorCount_ >= 0;
    cursorCount_ += show ? 1 : -1;
    const bool shown = cursorCount_ >= 0;
    // Over every window of the program: a blank cursor while hidden.
    if (shown != wasShown) wxSetCursor(shown ? wxNullCursor : wxCursor(wxCURSOR_BLANK));
    return cursorCount_;
}

std::uint32_t WxWindows::TickCount() const {
    const auto ms =
        std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now().time_since_epoch());
    return static_cast<std::uint32_t>(ms.count());
}

}  // namespace platform::wx
