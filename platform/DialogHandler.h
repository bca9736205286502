// What the backends call on the main dialog: one entry per kind of user
// action or window message. Control notifications carry the control id; the
// dialog routes them to its handlers.
#pragma once

namespace platform {

// Messages posted to the main dialog (UiServices::PostMessage).
inline constexpr unsigned WM_COMMAND = 0x0111;        // param: the command id
inline constexpr unsigned WM_POSITIONNOTIFY = 1027;  // the player polled its position

// Dialog result codes.
inline constexpr int IDOK = 1;
inline constexpr int IDCANCEL = 2;

class DialogHandler {
public:
    virtual ~DialogHandler() = default;

    // The controls exist and show their template texts.
    virtual bool OnInitDialog() = 0;
    // The dialog is going away (after EndDialog).
    virtual void OnDestroy() = 0;

    // A push button or radio button was clicked, or a command was posted
    // to the dialog (1053 from the preview window).
    virtual void OnCommand(int id) = 0;
    // An arrow of up-down control `id` was pressed: the buddy edit holds
    // `pos` and the arrow proposes `delta`. A result of 0 lets the change
    // happen; the backend then writes pos + delta (kept in range) into the
    // buddy edit.
    virtual int OnSpinDeltaPos(int id, int pos, int delta) = 0;
    // The left mouse button went down or up on the slider `id`. Releasing
    // it is the moment the slider reports that it let the mouse go.
    virtual void OnSliderButton(int id, bool down) = 0;

    virtual void OnSysCommand(unsigned command) = 0;
    virtual void OnClose() = 0;   // the close box, Alt+F4
    virtual void OnOK() = 0;      // Enter outside a push button
    virtual void OnCancel() = 0;  // Esc
    virtual void OnHelpKey() = 0; // F1
    virtual void OnPaint(bool minimized) = 0;
    // A message posted with UiServices::PostMessage.
    virtual void WindowProc(unsigned message, int param) = 0;
};

}  // namespace platform
