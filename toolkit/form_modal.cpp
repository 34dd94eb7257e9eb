// A form shown modally: its own message loop, with the dialog manager's keys.
#include "application.h"
#include "disabled_scope.h"
#include "form.h"

namespace corvane {
namespace {

// While a modal window runs: every other window of the thread disabled, and
// the window known to the application so that closing the program can end it.
class ModalScope {
public:
    explicit ModalScope(HWND modal) : modal_(modal), disabled_(DisabledScope::ThreadWindowsBut{modal}) {
        App().ModalStarted(modal);
    }
    ~ModalScope() { App().ModalEnded(modal_); }
    ModalScope(const ModalScope&) = delete;
    ModalScope& operator=(const ModalScope&) = delete;

private:
    HWND modal_;
    NestedLoop loop_;
    DisabledScope disabled_;
};

bool IsKeyPress(const MSG& message) { return message.message == WM_KEYDOWN || message.message == WM_SYSKEYDOWN; }

}  // namespace

int Form::ShowModal() {
    if (Handle() == nullptr) return mrCancel;
    modalResult_ = mrNone;
    {
        ModalScope scope(Handle());
        modal_ = true;
        App().ShowTaskbarEntry();
        AnnounceDescription();
        ShowWindow(Handle(), SW_SHOW);
        // Windows refuses the foreground to a program in the background: the
        // task-bar entry then flashes until the person looks.
        if (!SetForegroundWindow(Handle())) App().FlashTaskbarEntry();
        FocusFirstControl();
        Ui().ModalLoopStarted(Handle());
        MSG message;
        while (modalResult_ == mrNone && Handle() != nullptr) {
            const BOOL got = GetMessageA(&message, nullptr, 0, 0);
            if (got <= 0) {
                PostQuitMessage(static_cast<int>(message.wParam));  // leave the quit to the outer loop
                break;
            }
            if (IsKeyPress(message) && (message.hwnd == Handle() || IsChild(Handle(), message.hwnd))) OnKeyInput();
            if (!IsDialogMessageA(Handle(), &message)) {
                TranslateMessage(&message);
                DispatchMessageA(&message);
            }
        }
    }
    if (Handle() != nullptr) ShowWindow(Handle(), SW_HIDE);
    modal_ = false;
    App().UpdateTaskbarEntry();
    return modalResult_ == mrNone ? mrCancel : modalResult_;
}

}  // namespace corvane
