// The user-interface services on wxWidgets: the main dialog, message boxes,
// pickers, the wait cursor, the about box, the browser and the help viewer.
#pragma once
#include <memory>
#include <string>

#include "platform/DialogHandler.h"
#include "platform/PreviewWindow.h"
#include "platform/UiServices.h"
#include "platform/wx/WxIcon.h"

class wxWindow;

namespace platform::wx {

class WxHelpViewer;
class WxMainDialog;

class WxUi final : public UiServices {
public:
    // `icon` is the program's icon, shown by the dialogs;
    // `applicationName` the caption of the application's message boxes.
    WxUi(WxProgramIcon& icon, std::string applicationName);
    ~WxUi() override;
    WxUi(const WxUi&) = delete;
    WxUi& operator=(const WxUi&) = delete;

    // The main dialog while it runs, else null.
    wxWindow* MainDialogWindow() const;
    // The main dialog's window rectangle on the desktop.
    Rect MainDialogRect() const;

    int RunMainDialog(DialogHandler& handler) override;
    void EndDialog(int code) override;
    BoxAnswer MessageBox(const MessageBoxSpec& box) override;
    void SetDialogIcon(int iconId) override;
    void AppendSystemMenuItem(int command, const std::string& text) override;
    void ShowControl(int id, bool show) override;
    bool IsControlVisible(int id) const override;
    std::string GetControlText(int id) const override;
    void SetControlText(int id, const std::string& text) override;
    void SetRadioChecked(int id, bool checked) override;
    bool IsRadioChecked(int id) const override;
    void SetSliderRange(int id, int low, int high) override;
    void SetSliderPos(int id, int pos) override;
    int GetSliderPos(int id) const override;
    void SetSpinRange(int id, int low, int high) override;
    void FocusControl(int id) override;
    void InvalidateDialog() override;
    void PostMessage(unsigned message, int param) override;
    void BeginWaitCursor() override;
    void EndWaitCursor() override;
    std::optional<std::string> OpenFileDialog(const FileDialogSpec& spec) override;
    std::optional<std::string> SaveFileDialog(const FileDialogSpec& spec) override;
    std::optional<std::string> FolderDialog(const std::string& title) override;
    void RunAboutBox() override;
    bool LaunchBrowser(const std::string& url) override;
    bool LaunchHelp(const std::string& bookPath, const std::string& topic) override;

private:
    std::optional<std::string> FileDialog(const FileDialogSpec& spec, long style);

    WxProgramIcon& icon_;
    std::string applicationName_;
    WxMainDialog* dialog_ = nullptr;
    DialogHandler* handler_ = nullptr;
    bool ended_ = true;
    int exitCode_ = IDCANCEL;
    bool loopRunning_ = false;
    int waitCursorCount_ = 0;
    std::unique_ptr<WxHelpViewer> help_;
    // Work queued for the user-interface thread checks this before it runs:
    // it may come after the dialog, or this object, has gone.
    std::shared_ptr<bool> alive_ = std::make_shared<bool>(true);
};

}  // namespace platform::wx
