#include "platform/wx/WxUi.h"

#include <gtk/gtk.h>

#include <wx/app.h>
#include <wx/dirdlg.h>
#include <wx/filedlg.h>
#include <wx/filefn.h>
#include <wx/filename.h>
#include <wx/msgdlg.h>
#include <wx/radiobut.h>
#include <wx/slider.h>
#include <wx/textctrl.h>
#include <wx/utils.h>

#include "platform/DialogHandler.h"
#include "platform/wx/WxAboutBox.h"
#include "platform/wx/WxHelpViewer.h"
#include "platform/wx/WxMainDialog.h"

namespace platform::wx {
namespace {

wxString Wx(const std::string& text) { return wxString::FromUTF8(text); }

}  // namespace

WxUi::WxUi(WxProgramIcon& icon, std::string applicationName)
    : icon_(icon), applicationName_(std::move(applicationName)) {}

WxUi::~WxUi() {
    *alive_ = false;
    help_.reset();
}

wxWindow* WxUi::MainDialogWindow() const { return dialog_; }

Rect WxUi::MainDialogRect() const {
    if (dialog_ == nullptr) return {};
    const wxRect r = dialog_->GetScreenRect();
    return {r.GetLeft(), r.GetTop(), r.GetLeft() + r.GetWidth(), r.GetTop() + r.GetHeight()};
}

// The main dialog has no owner, so running it "modally" disables nothing:
// it is shown and the application's main loop runs until EndDialog. Other
// top-level windows (the preview, the help viewer) stay usable meanwhile.
int WxUi::RunMainDialog(DialogHandler& handler) {
    handler_ = &handler;
    ended_ = false;
    exitCode_ = IDCANCEL;
    dialog_ = new WxMainDialog(handler, icon_);
    wxTheApp->SetTopWindow(dialog_);
    handler.OnInitDialog();
    if (!ended_) {
        dialog_->Show();
        loopRunning_ = true;
        wxTheApp->MainLoop();
        loopRunning_ = false;
    }
    handler.OnDestroy();
    // Closing the dialog closes the help viewer with it.
    help_.reset();
    dialog_->Detach();
    handler_ = nullptr;
    wxTheApp->SetTopWindow(nullptr);
    delete dialog_;
    dialog_ = nullptr;
    return exitCode_;
}

void WxUi::EndDialog(int code) {
    if (ended_) return;
    ended_ = true;
    exitCode_ = code;
    if (dialog_ != nullptr) dialog_->Hide();
    if (loopRunning_) wxTheApp->ExitMainLoop();
}

BoxAnswer WxUi::MessageBox(const MessageBoxSpec& box) {
    long style = box.buttons == BoxButtons::YesNo ? wxYES_NO : wxOK;
    style |= box.icon == BoxIcon::Exclamation ? wxICON_EXCLAMATION : wxICON_NONE;
    wxString caption = Wx(box.caption);
    wxWindow* parent = dialog_;
    switch (box.kind) {
    case BoxKind::Dialog:
        break;
    case BoxKind::App:
        caption = Wx(applicationName_);
        style = (style & ~wxICON_NONE) | wxICON_EXCLAMATION;
        break;
    case BoxKind::Ownerless:
        parent = nullptr;
        style |= wxDIALOG_NO_PARENT;
        break;
    }
    wxMessageDialog dialog(parent, Wx(box.text), caption, style);
    // wx leaves a box captioned "Message" (its own default caption) without
    // a title: the title is set once the box is up.
    auto shown = std::make_shared<wxMessageDialog*>(&dialog);
    if (caption == wxMessageBoxCaptionStr) {
        wxTheApp->CallAfter([shown, title = caption.utf8_string()] {
            GtkWidget* widget = *shown != nullptr ? (*shown)->GetHandle() : nullptr;
            if (widget != nullptr) gtk_window_set_title(GTK_WINDOW(widget), title.c_str());
        });
    }
    const int answer = dialog.ShowModal();
    *shown = nullptr;
    if (box.buttons == BoxButtons::YesNo) return answer == wxID_YES ? BoxAnswer::Yes : BoxAnswer::No;
    return BoxAnswer::Ok;
}

void WxUi::SetDialogIcon(int /*iconId*/) {
    if (dialog_ != nullptr) dialog_->SetIcons(icon_.Bundle());
}

void WxUi::AppendSystemMenuItem(int command, const std::string& text) {
    if (dialog_ != nullptr) dialog_->AppendWindowMenuItem(command, text);
}

void WxUi::ShowControl(int id, bool show) {
    if (wxWindow* control = dialog_ != nullptr ? dialog_->Control(id) : nullptr) control->Show(show);
}

bool WxUi::IsControlVisible(int id) const {
    wxWindow* control = dialog_ != nullptr ? dialog_->Control(id) : nullptr;
    return control != nullptr && control->IsShown();
}

std::string WxUi::GetControlText(int id) const {
    return dialog_ != nullptr ? dialog_->GetControlText(id) : std::string();
}

void WxUi::SetControlText(int id, const std::string& text) {
    if (dialog_ != nullptr) dialog_->SetControlText(id, text);
}

void WxUi::SetRadioChecked(int id, bool checked) {
    if (auto* radio = dialog_ != nullptr ? dynamic_cast<wxRadioButton*>(dialog_->Control(id)) : nullptr)
        radio->SetValue(checked);
}

bool WxUi::IsRadioChecked(int id) const {
    auto* radio = dialog_ != nullptr ? dynamic_cast<wxRadioButton*>(dialog_->Control(id)) : nullptr;
    return radio != nullptr && radio->GetValue();
}

void WxUi::SetSliderRange(int id, int low, int high) {
    if (auto* slider = dialog_ != nullptr ? dynamic_cast<wxSlider*>(dialog_->Control(id)) : nullptr)
        slider->SetRange(low, high);
}

void WxUi::SetSliderPos(int id, int pos) {
    auto* slider = dialog_ != nullptr ? dynamic_cast<wxSlider*>(dialog_->Control(id)) : nullptr;
    if (slider != nullptr && slider->GetValue() != pos) slider->SetValue(pos);
}

int WxUi::GetSliderPos(int id) const {
    auto* slider = dialog_ != nullptr ? dynamic_cast<wxSlider*>(dialog_->Control(id)) : nullptr;
    return slider != nullptr ? slider->GetValue() : 0;
}

void WxUi::SetSpinRange(int id, int low, int high) {
    if (dialog_ != nullptr) dialog_->SetSpinRange(id, low, high);
}

void WxUi::FocusControl(int id) {
    wxWindow* control = dialog_ != nullptr ? dialog_->Control(id) : nullptr;
    if (control == nullptr) return;
    control->SetFocus();
    // As after a failed exchange on Windows: the field's text is selected.
    if (auto* edit = dynamic_cast<wxTextCtrl*>(control)) edit->SelectAll();
}

void WxUi::InvalidateDialog() {
    if (dialog_ != nullptr) dialog_->Refresh();
}

void WxUi::PostMessage(unsigned message, int param) {
    wxTheApp->CallAfter([this, alive = alive_, message, param] {
        if (*alive && handler_ != nullptr && !ended_) handler_->WindowProc(message, param);
    });
}

void WxUi::BeginWaitCursor() {
    ++waitCursorCount_;
    wxBeginBusyCursor();
}

void WxUi::EndWaitCursor() {
    if (waitCursorCount_ == 0) return;
    --waitCursorCount_;
    wxEndBusyCursor();
}

std::optional<std::string> WxUi::FileDialog(const FileDialogSpec& spec, long style) {
    const wxString wildcard = Wx(spec.filterName) + "|" + Wx(spec.filterPattern);
    // The initial file may come as a whole path: the dialog takes its folder
    // and its name apart.
    wxString dir = Wx(spec.initialDir), file = Wx(spec.initialFile);
    if (!file.empty()) {
        const wxFileName name(file);
        if (name.GetDirCount() > 0 || name.IsAbsolute()) {
            if (dir.empty()) dir = name.GetPath();
            file = name.GetFullName();
        }
    }
    wxFileDialog dialog(dialog_, Wx(spec.title), dir, file, wildcard, style);
    if (dialog.ShowModal() != wxID_OK) return std::nullopt;
    // GetPath() is the chosen file, also when a whole path was typed into the
    // chooser's location bar. It can be empty where the dialog was answered
    // without being shown; the folder and the name are there then.
    if (!dialog.GetPath().empty()) return dialog.GetPath().utf8_string();
    return wxFileName(dialog.GetDirectory(), dialog.GetFilename()).GetFullPath().utf8_string();
}

std::optional<std::string> WxUi::OpenFileDialog(const FileDialogSpec& spec) { return FileDialog(spec, wxFD_OPEN); }

std::optional<std::string> WxUi::SaveFileDialog(const FileDialogSpec& spec) { return FileDialog(spec, wxFD_SAVE); }

std::optional<std::string> WxUi::FolderDialog(const std::string& title) {
    wxDirDialog dialog(dialog_, Wx(title), wxEmptyString, wxDD_DEFAULT_STYLE | wxDD_DIR_MUST_EXIST);
    if (dialog.ShowModal() != wxID_OK) return std::nullopt;
    return dialog.GetPath().utf8_string();
}

void WxUi::RunAboutBox() { platform::wx::RunAboutBox(dialog_, icon_); }

bool WxUi::LaunchBrowser(const std::string& url) { return wxLaunchDefaultBrowser(Wx(url)); }

bool WxUi::LaunchHelp(const std::string& bookPath, const std::string& topic) {
    if (!wxFileExists(Wx(bookPath))) return false;
    if (!help_) help_ = std::make_unique<WxHelpViewer>(dialog_);
    return help_->Display(bookPath, topic);
}

}  // namespace platform::wx
