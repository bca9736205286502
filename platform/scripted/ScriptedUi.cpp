#include "platform/scripted/ScriptedUi.h"

#include <algorithm>

#include "res/Templates.h"
#include "ui/IntegerField.h"

namespace platform::scripted {
namespace {

const char* AnswerText(BoxAnswer answer) {
    switch (answer) {
    case BoxAnswer::Yes: return "Yes";
    case BoxAnswer::No: return "No";
    default: return "OK";
    }
}

const char* KindText(BoxKind kind) {
    switch (kind) {
    case BoxKind::App: return "app";
    case BoxKind::Ownerless: return "ownerless";
    default: return "dialog";
    }
}

bool IsRadio(int kind) { return kind == static_cast<int>(res::ControlKind::RadioButton); }

}  // namespace

std::string Quote(const std::string& text) {
    std::string quoted = "\"";
    for (char c : text) {
        if (c == '"' || c == '\\') quoted += '\\';
        if (c == '\n') {
            quoted += "\\n";
            continue;
        }
        quoted += c;
    }
    return quoted + "\"";
}

ScriptedUi::ScriptedUi(std::ostream& out, EventLoop& loop, std::string applicationName)
    : out_(out), loop_(loop), applicationName_(std::move(applicationName)) {}

ScriptedUi::Control* ScriptedUi::Find(int id) {
    for (auto& c : controls_)
        if (c.id == id) return &c;
    return nullptr;
}

const ScriptedUi::Control* ScriptedUi::Find(int id) const {
    for (const auto& c : controls_)
        if (c.id == id) return &c;
    return nullptr;
}

int ScriptedUi::RunMainDialog(DialogHandler& handler) {
    controls_.clear();
    for (const auto& t : res::MainDialogTemplate().controls)
        controls_.push_back({t.id, static_cast<int>(t.kind), t.text});
    handler_ = &handler;
    ended_ = false;
    handler.OnInitDialog();
    paintPending_ = true;  // the first display paints the dialog
    Settle();
    if (scenario_ && !ended_) scenario_();
    if (!ended_) {
        handler.OnCancel();
        Settle();
    }
    handler.OnDestroy();
    handler_ = nullptr;
    out_ << "exit " << exitCode_ << '\n';
    return exitCode_;
}

void ScriptedUi::EndDialog(int code) {
    if (ended_) return;
    ended_ = true;
    exitCode_ = code;
}

void ScriptedUi::Settle() {
    loop_.RunPending();
    while (paintPending_ && handler_ != nullptr && !ended_) {
        paintPending_ = false;
        handler_->OnPaint(false);
        loop_.RunPending();
    }
}

BoxAnswer ScriptedUi::MessageBox(const MessageBoxSpec& box) {
    std::optional<BoxAnswer> queued;
    if (!answers_.empty()) {
        queued = answers_.front();
        answers_.pop_front();
    }
    BoxAnswer answer = BoxAnswer::Ok;
    if (box.buttons == BoxButtons::YesNo)
        answer = queued == BoxAnswer::Yes ? BoxAnswer::Yes : BoxAnswer::No;
    const std::string caption = box.kind == BoxKind::App ? applicationName_ : box.caption;
    out_ << "box " << KindText(box.kind) << ' ' << Quote(caption) << ' ' << Quote(box.text) << " -> "
         << AnswerText(answer) << '\n';
    return answer;
}

void ScriptedUi::ShowControl(int id, bool show) {
    if (auto* c = Find(id)) c->visible = show;
}

bool ScriptedUi::IsControlVisible(int id) const {
    const auto* c = Find(id);
    return c != nullptr && c->visible;
}

std::string ScriptedUi::GetControlText(int id) const {
    const auto* c = Find(id);
    return c != nullptr ? c->text : std::string();
}

void ScriptedUi::SetControlText(int id, const std::string& text) {
    if (auto* c = Find(id)) c->text = text;
}

void ScriptedUi::SetRadioChecked(int id, bool checked) {
    if (auto* c = Find(id)) c->checked = checked;
}

bool ScriptedUi::IsRadioChecked(int id) const {
    const auto* c = Find(id);
    return c != nullptr && c->checked;
}

void ScriptedUi::SetSliderRange(int id, int low, int high) {
    if (auto* c = Find(id)) {
        c->low = low;
        c->high = high;
        c->pos = std::clamp(c->pos, low, high);
    }
}

void ScriptedUi::SetSliderPos(int id, int pos) {
    if (auto* c = Find(id)) c->pos = std::clamp(pos, c->low, c->high);
}

int ScriptedUi::GetSliderPos(int id) const {
    const auto* c = Find(id);
    return c != nullptr ? c->pos : 0;
}

void ScriptedUi::SetSpinRange(int id, int low, int high) { SetSliderRange(id, low, high); }

void ScriptedUi::FocusControl(int id) { out_ << "focus " << id << '\n'; }

void ScriptedUi::PostMessage(unsigned message, int param) {
    loop_.Post([this, message, param] {
        if (handler_ != nullptr && !ended_) handler_->WindowProc(message, param);
    });
}

void ScriptedUi::BeginWaitCursor() {
    if (waitCursorCount_++ == 0) out_ << "wait-cursor on\n";
}

void ScriptedUi::EndWaitCursor() {
    if (waitCursorCount_ > 0 && --waitCursorCount_ == 0) out_ << "wait-cursor off\n";
}

std::optional<std::string> ScriptedUi::NextPick(const std::string& what, const std::string& title) {
    std::optional<std::string> pick;
    if (!picks_.empty()) {
        pick = picks_.front();
        picks_.pop_front();
    }
    out_ << what << ' ' << Quote(title) << " -> " << (pick ? *pick : std::string("cancel")) << '\n';
    return pick;
}

std::optional<std::string> ScriptedUi::OpenFileDialog(const FileDialogSpec& spec) {
    return NextPick("file open", spec.title);
}

std::optional<std::string> ScriptedUi::SaveFileDialog(const FileDialogSpec& spec) {
    return NextPick("file save", spec.title);
}

std::optional<std::string> ScriptedUi::FolderDialog(const std::string& title) {
    return NextPick("folder", title);
}

void ScriptedUi::RunAboutBox() {
    out_ << "modal about\n";
    out_ << "modal about closed\n";
}

bool ScriptedUi::LaunchBrowser(const std::string& url) {
    out_ << "launch " << Quote(url) << '\n';
    return true;
}

bool ScriptedUi::LaunchHelp(const std::string& bookPath, const std::string& topic) {
    out_ << "launch " << Quote(bookPath + "::/" + topic) << '\n';
    return true;
}

void ScriptedUi::Click(int id) {
    if (handler_ == nullptr) return;
    if (auto* c = Find(id); c != nullptr && IsRadio(c->kind)) {
        // Automatic radio buttons of one group uncheck each other.
        for (auto& other : controls_)
            if (IsRadio(other.kind)) other.checked = other.id == id;
    }
    handler_->OnCommand(id);
}

void ScriptedUi::Type(int id, const std::string& text) { SetControlText(id, text); }

void ScriptedUi::Spin(int id, int delta) {
    auto* spin = Find(id);
    if (handler_ == nullptr || spin == nullptr) return;
    // The buddy is the control just before the up-down in the template.
    auto it = std::find_if(controls_.begin(), controls_.end(), [id](const Control& c) { return c.id == id; });
    if (it == controls_.begin()) return;
    const int buddyId = std::prev(it)->id;
    const int pos = ui::ParseIntegerField(GetControlText(buddyId)).value_or(spin->pos);
    if (handler_->OnSpinDeltaPos(id, pos, delta) != 0) return;
    spin = Find(id);
    spin->pos = std::clamp(pos + delta, spin->low, spin->high);
    SetControlText(buddyId, std::to_string(spin->pos));
}

void ScriptedUi::Slide(int pos) {
    constexpr int kSlider = 1012;
    if (handler_ == nullptr) return;
    handler_->OnSliderButton(kSlider, true);
    SetSliderPos(kSlider, pos);
    handler_->OnSliderButton(kSlider, false);
}

void ScriptedUi::PrintControls() {
    for (const auto& c : controls_) {
        const bool slider = c.kind == static_cast<int>(res::ControlKind::Trackbar);
        out_ << "control " << c.id << ' ' << (c.visible ? "visible" : "hidden") << ' '
             << Quote(slider ? std::to_string(c.pos) : c.text);
        if (IsRadio(c.kind) && c.checked) out_ << " checked";
        out_ << '\n';
    }
}

}  // namespace platform::scripted
