// The scripted desktop: no display, every box and picker answered from a
// queue the scenario fills, every observable event printed as one line.
// It keeps the main dialog's controls as a table built from the same
// template the wx backend shows, and offers the user's actions (click,
// type, spin, slide, keys) as calls.
#pragma once
#include <deque>
#include <functional>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "platform/DialogHandler.h"
#include "platform/UiServices.h"
#include "platform/scripted/EventLoop.h"

namespace platform::scripted {

// "TEXT" with `"` and `\` escaped and new lines as \n.
std::string Quote(const std::string& text);

class ScriptedUi final : public UiServices {
public:
    ScriptedUi(std::ostream& out, EventLoop& loop, std::string applicationName);

    // What the modal loop does once the dialog is initialised: the scenario.
    // It returns when the scenario ends; a dialog still open is then ended
    // as by Esc.
    void SetScenario(std::function<void()> scenario) { scenario_ = std::move(scenario); }
    bool DialogEnded() const { return ended_; }

    // Answers for the next message box and the next picker.
    void QueueAnswer(BoxAnswer answer) { answers_.push_back(answer); }
    void QueuePick(std::optional<std::string> path) { picks_.push_back(std::move(path)); }

    // The user's actions on the main dialog.
    void Click(int id);
    void Type(int id, const std::string& text);
    void Spin(int id, int delta);
    void Slide(int pos);
    // Runs what the dialog's message loop would run between user actions:
    // posted messages and a pending repaint.
    void Settle();
    DialogHandler* Handler() { return handler_; }

    // Prints `control ...` for every control, in template order.
    void PrintControls();
    std::ostream& Out() { return out_; }

    // --- UiServices ---
    int RunMainDialog(DialogHandler& handler) override;
    void EndDialog(int code) override;
    BoxAnswer MessageBox(const MessageBoxSpec& box) override;
    void SetDialogIcon(int) override {}
    void AppendSystemMenuItem(int, const std::string&) override {}
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
    void InvalidateDialog() override { paintPending_ = true; }
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
    struct Control {
        int id;
        int kind;  // res::ControlKind
        std::string text;
        bool visible = true;
        bool checked = false;
        int low = 0, high = 100, pos = 0;
    };
    Control* Find(int id);
    const Control* Find(int id) const;
    std::optional<std::string> NextPick(const std::string& what, const std::string& title);

    std::ostream& out_;
    EventLoop& loop_;
    std::string applicationName_;
    std::vector<Control> controls_;
    DialogHandler* handler_ = nullptr;
    std::function<void()> scenario_;
    std::deque<BoxAnswer> answers_;
    std::deque<std::optional<std::string>> picks_;
    bool ended_ = false;
    int exitCode_ = IDCANCEL;
    bool paintPending_ = false;
    int waitCursorCount_ = 0;
};

}  // namespace platform::scripted
