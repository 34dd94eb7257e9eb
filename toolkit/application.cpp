#include "application.h"

#include <algorithm>

#include "ui_services.h"
#include "window.h"

namespace corvane {
namespace {

// The window that stands for the program in the task bar. It is never seen
// itself (no size); when the person picks its task-bar entry, it hands the
// activation on to the program's window that was active last, and its close
// command closes the main window.
class TaskbarWindow final : public Window {
public:
    bool Create(const char* title) {
        const DWORD style = WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPSIBLINGS;
        const int x = GetSystemMetrics(SM_CXSCREEN) / 2;
        const int y = GetSystemMetrics(SM_CYSCREEN) / 2;
        return CreateWindowOf(WindowClass{"CorvaneApplication", 0, "IDI_ICONMAIN"}, 0, style, title, x, y, 0, 0,
                              nullptr);
    }

protected:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override {
        switch (message) {
            case WM_ACTIVATE:
                if (LOWORD(wParam) != WA_INACTIVE) ActivateLastWindow();
                return 0;
            case WM_CLOSE:
                if (App().MainWindow() != nullptr) PostMessageA(App().MainWindow(), WM_CLOSE, 0, 0);
                return 0;
            default:
                return Window::HandleMessage(message, wParam, lParam);
        }
    }

private:
    void ActivateLastWindow() const {
        HWND last = GetLastActivePopup(Handle());
        if (last == Handle() || !IsWindowVisible(last)) last = App().MainWindow();
        if (last != nullptr && last != Handle() && IsWindowVisible(last)) SetActiveWindow(last);
    }
};

TaskbarWindow& TheTaskbarWindow() {
    static TaskbarWindow window;
    return window;
}

struct VisibleSearch {
    HWND Except;
    bool Found;
};

BOOL CALLBACK FindVisibleWindow(HWND window, LPARAM data) {
    auto* search = reinterpret_cast<VisibleSearch*>(data);
    if (window == search->Except || !IsWindowVisible(window)) return TRUE;
    search->Found = true;
    return FALSE;
}

}  // namespace

Application::~Application() {
    // The task-bar window is destroyed with its object at process end.
    window_ = nullptr;
}

bool Application::Initialize(const char* title) {
    title_ = title != nullptr ? title : "";
    if (window_ != nullptr) return true;
    if (!TheTaskbarWindow().Create(title_.c_str())) return false;
    window_ = TheTaskbarWindow().Handle();
    return true;
}

void Application::SetTitle(const char* title) {
    title_ = title != nullptr ? title : "";
    if (window_ != nullptr) SetWindowTextA(window_, title_.c_str());
}

void Application::ShowTaskbarEntry() {
    if (window_ != nullptr && !IsWindowVisible(window_)) ShowWindow(window_, SW_SHOWNOACTIVATE);
}

void Application::HideTaskbarEntry() {
    if (window_ != nullptr) {
        ShowWindow(window_, SW_HIDE);
        UpdateWindow(window_);
    }
}

void Application::UpdateTaskbarEntry() {
    VisibleSearch search{window_, false};
    EnumThreadWindows(GetCurrentThreadId(), FindVisibleWindow, reinterpret_cast<LPARAM>(&search));
    if (search.Found) {
        ShowTaskbarEntry();
    } else {
        HideTaskbarEntry();
    }
}

void Application::FlashTaskbarEntry() {
    if (window_ == nullptr) return;
    FLASHWINFO flash{sizeof flash, window_, FLASHW_TRAY | FLASHW_TIMERNOFG, 0, 0};
    FlashWindowEx(&flash);
}

// The active window's dialog manager takes its keys; the window hears of a
// key first (the reminder's countdown stops at any key).
void Application::Dispatch(MSG& message) {
    HWND active = GetActiveWindow();
    const bool keyPress = message.message == WM_KEYDOWN || message.message == WM_SYSKEYDOWN;
    if (keyPress && active != nullptr) {
        if (Window* window = Window::FromHandle(active)) window->OnKeyInput();
    }
    if (active != nullptr && IsDialogMessageA(active, &message)) return;
    TranslateMessage(&message);
    DispatchMessageA(&message);
}

int Application::Run() {
    MSG message;
    while (GetMessageA(&message, nullptr, 0, 0) > 0) Dispatch(message);
    return static_cast<int>(message.wParam);
}

void Application::RunUntil(const std::function<bool()>& done) {
    MSG message;
    while (!done()) {
        if (GetMessageA(&message, nullptr, 0, 0) <= 0) {
            PostQuitMessage(static_cast<int>(message.wParam));
            return;
        }
        Dispatch(message);
    }
}

namespace {

// A message box of the program's: the system's dialog class.
BOOL CALLBACK BringQuestionForward(HWND window, LPARAM) {
    char className[8] = "";
    GetClassNameA(window, className, sizeof className);
    if (lstrcmpA(className, "#32770") != 0 || !IsWindowVisible(window) || !IsWindowEnabled(window)) return TRUE;
    SetForegroundWindow(window);
    return FALSE;
}

}  // namespace

bool Application::MayClose(HWND window) {
    if (nestedLoops_ == 0) return true;
    pendingClose_ = window;
    // An open menu would wait for a person; a question waits for an answer, in front.
    EndMenu();
    for (HWND modal : modalWindows_) PostMessageA(modal, WM_CLOSE, 0, 0);
    EnumThreadWindows(GetCurrentThreadId(), BringQuestionForward, 0);
    return false;
}

HWND Application::QuestionOwner(HWND owner) const {
    HWND shown = owner != nullptr ? GetAncestor(owner, GA_ROOT) : nullptr;
    if (shown != nullptr && shown != window_ && IsWindowVisible(shown)) return owner;
    return mainWindow_ != nullptr ? mainWindow_ : owner;
}

void Application::ModalStarted(HWND window) { modalWindows_.push_back(window); }

void Application::ModalEnded(HWND window) {
    modalWindows_.erase(std::remove(modalWindows_.begin(), modalWindows_.end(), window), modalWindows_.end());
}

void Application::LoopLeft() {
    --nestedLoops_;
    if (nestedLoops_ > 0 || pendingClose_ == nullptr) return;
    HWND window = pendingClose_;
    pendingClose_ = nullptr;
    if (IsWindow(window)) PostMessageA(window, WM_CLOSE, 0, 0);
}

Application& App() {
    static Application application;
    return application;
}

void ShowException(const char* text) {
    Ui().ShowMessage(App().Handle(), text, App().Title(), MB_OK | MB_ICONSTOP);
}

}  // namespace corvane
