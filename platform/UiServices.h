// The desktop as the dialog logic sees it: message boxes, the controls of
// the main dialog addressed by id, file and folder pickers, the wait cursor,
// launching other programs, and the modal loop that runs the main dialog.
// The wx backend shows all of it on screen; the scripted backend answers it
// from a test scenario and records every call.
#pragma once
#include <optional>
#include <string>

namespace platform {

class DialogHandler;

enum class BoxKind {
    Dialog,     // modal to the main dialog, the caller's caption, no icon
    App,        // modal to the main dialog, the application's name as caption, exclamation icon
    Ownerless,  // no owner window
};
enum class BoxButtons { Ok, YesNo };
enum class BoxIcon { None, Exclamation };
enum class BoxAnswer { Ok, Yes, No };

struct MessageBoxSpec {
    BoxKind kind = BoxKind::Dialog;
    std::string caption;  // ignored for BoxKind::App
    std::string text;
    BoxButtons buttons = BoxButtons::Ok;
    BoxIcon icon = BoxIcon::None;
};

// An open-file or save-file dialog with one filter.
struct FileDialogSpec {
    std::string title;
    std::string filterName;     // "AC3 File(*.ac3)"
    std::string filterPattern;  // "*.ac3"
    std::string initialDir;     // empty: the toolkit's choice
    std::string initialFile;    // the path or name the dialog opens on
};

class UiServices {
public:
    virtual ~UiServices() = default;

    // Runs the main dialog modally: builds its controls from the main dialog
    // template, calls handler.OnInitDialog(), routes the user's actions to the
    // handler until EndDialog, then calls handler.OnDestroy(). Returns the
    // code given to EndDialog.
    virtual int RunMainDialog(DialogHandler& handler) = 0;
    virtual void EndDialog(int code) = 0;

    virtual BoxAnswer MessageBox(const MessageBoxSpec& box) = 0;

    // The dialog's icon (a resource id) and the item appended, after a
    // separator, to the window menu where the desktop offers one.
    virtual void SetDialogIcon(int iconId) = 0;
    virtual void AppendSystemMenuItem(int command, const std::string& text) = 0;

    // Controls of the main dialog by id.
    virtual void ShowControl(int id, bool show) = 0;
    virtual bool IsControlVisible(int id) const = 0;
    virtual std::string GetControlText(int id) const = 0;
    virtual void SetControlText(int id, const std::string& text) = 0;
    virtual void SetRadioChecked(int id, bool checked) = 0;
    virtual bool IsRadioChecked(int id) const = 0;
    virtual void SetSliderRange(int id, int low, int high) = 0;
    virtual void SetSliderPos(int id, int pos) = 0;
    virtual int GetSliderPos(int id) const = 0;
    virtual void SetSpinRange(int id, int low, int high) = 0;
    virtual void FocusControl(int id) = 0;

    // Asks for a repaint of the main dialog; the handler's OnPaint runs when
    // the event loop gets to it.
    virtual void InvalidateDialog() = 0;
    // Queues `message` for the main dialog's DialogHandler::WindowProc.
    // Safe to call from any thread.
    virtual void PostMessage(unsigned message, int param) = 0;

    // Counted wait cursor: shown while the count is above zero.
    virtual void BeginWaitCursor() = 0;
    virtual void EndWaitCursor() = 0;

    // Pickers: the chosen path, or nothing when cancelled.
    virtual std::optional<std::string> OpenFileDialog(const FileDialogSpec& spec) = 0;
    virtual std::optional<std::string> SaveFileDialog(const FileDialogSpec& spec) = 0;
    virtual std::optional<std::string> FolderDialog(const std::string& title) = 0;

    // The about box (dialog template 100), modal; returns when it is closed.
    virtual void RunAboutBox() = 0;

    // Opens an address in the desktop's browser; false when nothing could be
    // started.
    virtual bool LaunchBrowser(const std::string& url) = 0;
    // Opens the help book `bookPath` at `topic` in a help viewer; false when
    // the book or a viewer is missing.
    virtual bool LaunchHelp(const std::string& bookPath, const std::string& topic) = 0;
};

}  // namespace platform
