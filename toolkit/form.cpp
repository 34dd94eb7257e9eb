// A form's life: its window made as a dialog of its own class, its timers,
// its modal run, the focus and the default and cancel controls it names, and
// the messages it hands to a window's handlers.
#include "form.h"

#include <commctrl.h>

#include <algorithm>

#include "accessible_text.h"
#include "application.h"
#include "button_keyboard.h"
#include "disabled_scope.h"
#include "dpi.h"
#include "panel.h"
#include "ui_services.h"

namespace corvane {
namespace {

void InitCommonControlsOnce() {
    static bool done = false;
    if (done) return;
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_STANDARD_CLASSES | ICC_LISTVIEW_CLASSES | ICC_DATE_CLASSES};
    InitCommonControlsEx(&controls);
    RegisterPanelClass();
    done = true;
}

// Every form is a dialog of a class of its own.
WindowClass DialogClass(WindowClass windowClass) {
    windowClass.Dialog = true;
    return windowClass;
}

}  // namespace

Form::~Form() {
    if (Handle() != nullptr) DestroyWindow(Handle());
    for (const Bitmap& picture : bitmaps_) {
        if (GetObjectType(picture.Handle) == OBJ_BITMAP) {
            DeleteObject(picture.Handle);
        } else {
            DestroyIcon(static_cast<HICON>(picture.Handle));
        }
    }
}

bool Form::CreatePage(const char* className, HWND host, int width, int height) {
    InitCommonControlsOnce();
    RECT area{0, 0, Scaled(width), Scaled(height)};
    if (width == 0 && height == 0) GetClientRect(host, &area);
    // No WS_CLIPCHILDREN: group boxes paint no interior, so the page paints under them.
    return CreateWindowOf(DialogClass(WindowClass{className}), WS_EX_CONTROLPARENT, WS_CHILD, "", 0, 0, area.right,
                          area.bottom, host);
}

bool Form::CreateDialogWindow(const char* className, HWND owner, const char* caption, int clientWidth,
                              int clientHeight, DWORD extraExStyle) {
    HWND topLevel = owner != nullptr ? GetAncestor(owner, GA_ROOT) : nullptr;
    return CreateTopLevel(WindowClass{className}, topLevel, caption, clientWidth, clientHeight,
                          WS_POPUP | WS_CAPTION | WS_SYSMENU, WS_EX_DLGMODALFRAME | extraExStyle);
}

bool Form::CreateTopLevel(const WindowClass& windowClass, HWND owner, const char* caption, int clientWidth,
                          int clientHeight, DWORD style, DWORD exStyle) {
    InitCommonControlsOnce();
    exStyle |= WS_EX_CONTROLPARENT;
    RECT frame{0, 0, Scaled(clientWidth), Scaled(clientHeight)};
    AdjustWindowRectEx(&frame, style, FALSE, exStyle);
    const int width = frame.right - frame.left;
    const int height = frame.bottom - frame.top;
    const int x = (GetSystemMetrics(SM_CXSCREEN) - width) / 2;
    const int y = (GetSystemMetrics(SM_CYSCREEN) - height) / 2;
    return CreateWindowOf(DialogClass(windowClass), exStyle, style, caption, x, y, width, height, owner);
}










void Form::SetBackColor(COLORREF color) {
    backColor_ = color;
    if (Handle() != nullptr) InvalidateRect(Handle(), nullptr, TRUE);
}

void Form::SetClientHeight(int height) {
    RECT client;
    GetClientRect(Handle(), &client);
    RECT frame{0, 0, client.right, Scaled(height)};
    AdjustWindowRectEx(&frame, static_cast<DWORD>(GetWindowLongPtrA(Handle(), GWL_STYLE)), FALSE,
                       static_cast<DWORD>(GetWindowLongPtrA(Handle(), GWL_EXSTYLE)));
    SetWindowPos(Handle(), nullptr, 0, 0, frame.right - frame.left, frame.bottom - frame.top,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

bool Form::StartTimer(UINT_PTR id, UINT milliseconds) {
    if (Handle() == nullptr || SetTimer(Handle(), id, milliseconds, nullptr) == 0) return false;
    if (!TimerRunning(id)) timers_.push_back(id);
    return true;
}

void Form::StopTimer(UINT_PTR id) {
    if (Handle() != nullptr) KillTimer(Handle(), id);
    timers_.erase(std::remove(timers_.begin(), timers_.end(), id), timers_.end());
}

bool Form::TimerRunning(UINT_PTR id) const { return std::find(timers_.begin(), timers_.end(), id) != timers_.end(); }

void Form::OnCommand(int, int, HWND) {}

LRESULT Form::OnNotify(NMHDR*) { return 0; }

void Form::OnTimer(UINT_PTR) {}

void Form::OnClose() {
    if (modal_) {
        EndModal(mrCancel);
    } else if (App().MayClose(Handle())) {
        DestroyWindow(Handle());
    }
}


// The focus moves as the dialog manager moves it: the default button's look
// follows, and an edit's text is selected.
void Form::FocusFirstControl() {
    HWND first = initialFocusId_ != 0 ? Control(initialFocusId_) : nullptr;
    if (first == nullptr || !IsWindowEnabled(first) || !IsWindowVisible(first)) {
        first = GetNextDlgTabItem(Handle(), nullptr, FALSE);
    }
    if (first == nullptr) return;
    // The dialog that holds the form runs the focus: the window a page lies in, or the form itself.
    HWND root = GetAncestor(Handle(), GA_ROOT);
    if (dynamic_cast<Form*>(Window::FromHandle(root)) == nullptr) root = Handle();
    SendMessageA(root, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(first), TRUE);
}

void Form::SetDefaultControl(int id) { SendMessageA(Handle(), DM_SETDEFID, static_cast<WPARAM>(id), 0); }

bool Form::IsDefaultControl(HWND control) const {
    const auto answer = static_cast<DWORD>(SendMessageA(Handle(), DM_GETDEFID, 0, 0));
    return control != nullptr && HIWORD(answer) == DC_HASDEFID && Control(LOWORD(answer)) == control;
}

void Form::Press(int id) {
    HWND control = Control(id);
    if (control == nullptr || !IsWindowEnabled(control)) return;
    SendMessageA(Handle(), WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(control));
}

void Form::OnCancel() {
    if (cancelId_ != 0) {
        Press(cancelId_);
    } else {
        OnClose();
    }
}

void Form::AnnounceDescription() const {
    HWND label = descriptionId_ != 0 ? Control(descriptionId_) : nullptr;
    if (label == nullptr) return;
    char text[256] = "";
    GetWindowTextA(label, text, sizeof text);
    SetAccessibleText(Handle(), AccessibleText::Description, text);
}

int Form::ShowModal() {
    if (Handle() == nullptr) return mrCancel;
    modalResult_ = mrNone;
    HWND self = Handle();
    {
        // Meanwhile every other window of the thread is disabled, and the
        // application knows the form, so that closing the program can end it.
        const NestedLoop loop;
        const DisabledScope disabled(DisabledScope::ThreadWindowsBut{self});
        App().ModalStarted(self);
        modal_ = true;
        App().ShowTaskbarEntry();
        AnnounceDescription();
        ShowWindow(Handle(), SW_SHOW);
        // Windows refuses the foreground to a program in the background: the
        // task-bar entry then flashes until the person looks.
        if (!SetForegroundWindow(Handle())) App().FlashTaskbarEntry();
        FocusFirstControl();
        Ui().ModalLoopStarted(Handle());
        App().RunUntil([this] { return modalResult_ != mrNone || Handle() == nullptr; });
        App().ModalEnded(self);
    }
    // Hidden once the other windows are enabled again, so that the activation
    // (and with it the focus) goes back to the window that opened it.
    if (Handle() != nullptr) ShowWindow(Handle(), SW_HIDE);
    modal_ = false;
    App().UpdateTaskbarEntry();
    return modalResult_ == mrNone ? mrCancel : modalResult_;
}

// The dialog manager sends Enter on a focused push button, and the default
// button's click, to the top-level window: a page's control goes on to its page.
bool Form::ForwardToPage(int id, HWND control) {
    for (HWND window = control != nullptr ? GetParent(control) : nullptr; window != nullptr && window != Handle();
         window = GetParent(window)) {
        if (auto* page = dynamic_cast<Form*>(Window::FromHandle(window))) {
            SendMessageA(page->Handle(), WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(control));
            return true;
        }
    }
    return false;
}

void Form::Dispatch(int id, int code, HWND control) {
    if (control == nullptr && id == IDCANCEL) return OnCancel();  // Esc
    if (control == nullptr && code == BN_CLICKED) control = Control(id);  // Enter on the default control
    if (control == nullptr) return;
    if (ForwardToPage(id, control)) return;
    if (code == BN_CLICKED) KeepRadioTabStop(control);
    OnCommand(id, code, control);
}

LRESULT Form::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_ERASEBKGND:
            EraseBackground(reinterpret_cast<HDC>(wParam));
            return 1;
        case WM_COMMAND:
            Dispatch(LOWORD(wParam), HIWORD(wParam), reinterpret_cast<HWND>(lParam));
            return 0;
        case WM_NOTIFY:
            return OnNotify(reinterpret_cast<NMHDR*>(lParam));
        case WM_TIMER:
            OnTimer(static_cast<UINT_PTR>(wParam));
            return 0;
        case WM_DRAWITEM:
            DrawLabel(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
            return TRUE;
        case WM_CTLCOLORSTATIC:
        case WM_CTLCOLORBTN:
            return ColorStatic(reinterpret_cast<HDC>(wParam), reinterpret_cast<HWND>(lParam));
        case WM_SETCURSOR: {
            const ControlLook* look = LookOf(reinterpret_cast<HWND>(wParam));
            if (look != nullptr && look->HandCursor) {
                SetCursor(LoadCursor(nullptr, IDC_HAND));
                return TRUE;
            }
            break;
        }
        case WM_UPDATEUISTATE:
            // Owner-drawn labels show or hide their mnemonics and focus rectangles with the keyboard cues.
            RedrawWindow(Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN);
            break;
        case WM_CLOSE:
            OnClose();
            return 0;
        case WM_SYSCOLORCHANGE:
        case WM_THEMECHANGED:
            ApplyColors();
            break;
        case WM_SETTINGCHANGE:
            if (wParam == SPI_SETHIGHCONTRAST) ApplyColors();
            break;
        case WM_DESTROY:
            for (UINT_PTR id : timers_) KillTimer(Handle(), id);
            timers_.clear();
            if (descriptionId_ != 0) ClearAccessibleText(Handle(), AccessibleText::Description);
            break;
        default:
            break;
    }
    return Window::HandleMessage(message, wParam, lParam);
}

}  // namespace corvane
