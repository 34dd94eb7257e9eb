#include "application.h"

namespace corvane {
namespace {

constexpr char kApplicationClass[] = "CorvaneApplication";

}  // namespace

Application::~Application() {
    if (window_ != nullptr) DestroyWindow(window_);
}

bool Application::Initialize(const char* title) {
    if (window_ != nullptr) return true;
    HINSTANCE instance = GetModuleHandleA(nullptr);
    WNDCLASSA windowClass{};
    if (!GetClassInfoA(instance, kApplicationClass, &windowClass)) {
        windowClass.lpfnWndProc = DefWindowProcA;
        windowClass.hInstance = instance;
        windowClass.lpszClassName = kApplicationClass;
        RegisterClassA(&windowClass);
    }
    // Never shown: it only names the program and owns its windows.
    window_ = CreateWindowExA(0, kApplicationClass, title, WS_POPUP, 0, 0, 0, 0, nullptr, nullptr, instance, nullptr);
    return window_ != nullptr;
}

void Application::SetTitle(const char* title) { SetWindowTextA(window_, title); }

int Application::Run() {
    MSG message;
    while (GetMessageA(&message, nullptr, 0, 0) > 0) {
        HWND active = GetActiveWindow();
        if (active != nullptr && IsDialogMessageA(active, &message)) continue;
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
    return static_cast<int>(message.wParam);
}

Application& App() {
    static Application application;
    return application;
}

}  // namespace corvane
