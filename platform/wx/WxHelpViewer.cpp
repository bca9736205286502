#include "platform/wx/WxHelpViewer.h"

#include <functional>

#include <wx/filename.h>
#include <wx/html/helpctrl.h>
#include <wx/html/helpfrm.h>
#include <wx/notebook.h>

namespace platform::wx {
namespace {

// The help window lays its contents, index and search pages out when each
// is first shown. GTK allocates every page when the window appears, and a
// page still at its creation size (20 x 20) gets scroll bars too small to
// draw, which GTK reports as errors: the pages are laid out at the
// notebook's size before the window is shown.
class LaidOutHelpFrame final : public wxHtmlHelpFrame {
public:
    using wxHtmlHelpFrame::wxHtmlHelpFrame;

    bool Show(bool show) override {
        if (show && GetHandle() != nullptr) {
            SendSizeEvent();
            LayOutNotebookPages(this);
        }
        return wxHtmlHelpFrame::Show(show);
    }

private:
    static void LayOutNotebookPages(wxWindow* window) {
        if (auto* notebook = dynamic_cast<wxNotebook*>(window)) {
            for (std::size_t i = 0; i < notebook->GetPageCount(); ++i) {
                wxWindow* page = notebook->GetPage(i);
                page->SetSize(notebook->GetSize());
                page->Layout();
            }
        }
        for (wxWindow* child : window->GetChildren()) LayOutNotebookPages(child);
    }
};

}  // namespace

class WxHelpViewer::Controller final : public wxHtmlHelpController {
public:
    explicit Controller(wxWindow* parent) : wxHtmlHelpController(wxHF_DEFAULT_STYLE, parent) {}

protected:
    // As the base class makes its frame, with the frame above.
    wxHtmlHelpFrame* CreateHelpFrame(wxHtmlHelpData* data) override {
        auto* frame = new LaidOutHelpFrame(data);
        frame->SetController(this);
        frame->SetTitleFormat(m_titleFormat);
        frame->Create(m_parentWindow, wxID_ANY, wxEmptyString, m_FrameStyle, m_Config, m_ConfigRoot);
        frame->SetShouldPreventAppExit(m_shouldPreventAppExit);
        m_helpFrame = frame;
        return frame;
    }
};

WxHelpViewer::WxHelpViewer(wxWindow* parent) : controller_(std::make_unique<Controller>(parent)) {}

WxHelpViewer::~WxHelpViewer() = default;

bool WxHelpViewer::Display(const std::string& bookPath, const std::string& topic) {
    if (book_ != bookPath) {
        if (!controller_->AddBook(wxFileName(wxString::FromUTF8(bookPath)))) return false;
        book_ = bookPath;
    }
    return controller_->Display(wxString::FromUTF8(topic));
}

}  // namespace platform::wx
