// The help viewer: wx's HTML help window, which reads the same project,
// contents and index files as HTML Help, opened at a topic of one book.
#pragma once
#include <memory>
#include <string>

class wxWindow;

namespace platform::wx {

class WxHelpViewer {
public:
    // `parent` owns the viewer's window.
    explicit WxHelpViewer(wxWindow* parent);
    ~WxHelpViewer();
    WxHelpViewer(const WxHelpViewer&) = delete;
    WxHelpViewer& operator=(const WxHelpViewer&) = delete;

    // Shows `topic` of the book `bookPath` (a .hhp project); false when the
    // book cannot be read or has no such topic.
    bool Display(const std::string& bookPath, const std::string& topic);

private:
    class Controller;
    std::unique_ptr<Controller> controller_;
    std::string book_;
};

}  // namespace platform::wx
