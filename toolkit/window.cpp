#include "window.h"

#include <exception>

namespace corvane {
namespace {

// Marks our windows: their class's extra bytes hold this value, so that
// FromHandle never takes another window's user data for an object.
constexpr LONG_PTR kWindowMark = 0x436F7276;  // "Corv"

bool RegisterOnce(const WindowClass& definition, WNDPROC procedure) {
    HINSTANCE instance = GetModuleHandleA(nullptr);
    WNDCLASSEXA windowClass{};
    if (GetClassInfoExA(instance, definition.Name, &windowClass)) return true;
    windowClass.cbSize = sizeof windowClass;
    windowClass.style = definition.Style;
    windowClass.lpfnWndProc = procedure;
    windowClass.cbWndExtra = Window::kOwnExtraBytes + definition.ExtraBytes;
    windowClass.hInstance = instance;
    // Both sizes the system shows (title bar and task switcher), each from the icon file's nearest size.
    if (definition.Icon != nullptr) {
        windowClass.hIcon = static_cast<HICON>(LoadImageA(instance, definition.Icon, IMAGE_ICON,
                                                          GetSystemMetrics(SM_CXICON), GetSystemMetrics(SM_CYICON), 0));
        windowClass.hIconSm = static_cast<HICON>(LoadImageA(
            instance, definition.Icon, IMAGE_ICON, GetSystemMetrics(SM_CXSMICON), GetSystemMetrics(SM_CYSMICON), 0));
    }
    if (definition.Cursor != nullptr) windowClass.hCursor = LoadCursorA(nullptr, definition.Cursor);
    windowClass.lpszClassName = definition.Name;
    return RegisterClassExA(&windowClass) != 0;
}

}  // namespace

Window::~Window() {
    if (hwnd_ != nullptr) {
        SetWindowLongPtrA(hwnd_, GWLP_USERDATA, 0);
        DestroyWindow(hwnd_);
    }
}

Window* Window::FromHandle(HWND hwnd) {
    if (hwnd == nullptr || GetClassLongPtrA(hwnd, GCL_CBWNDEXTRA) < kOwnExtraBytes ||
        GetWindowLongPtrA(hwnd, kMarkOffset) != kWindowMark) {
        return nullptr;
    }
    return reinterpret_cast<Window*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA));
}

bool Window::CreateWindowOf(const WindowClass& windowClass, DWORD exStyle, DWORD style, const char* caption, int x,
                            int y, int width, int height, HWND parent) {
    if (!RegisterOnce(windowClass, Procedure)) return false;
    dialog_ = windowClass.Dialog;
    return CreateWindowExA(exStyle, windowClass.Name, caption, style, x, y, width, height, parent, nullptr,
                           GetModuleHandleA(nullptr), this) != nullptr;
}

LRESULT Window::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    return dialog_ ? DefDlgProcA(hwnd_, message, wParam, lParam) : DefWindowProcA(hwnd_, message, wParam, lParam);
}

LRESULT Window::Deliver(Window& window, UINT message, WPARAM wParam, LPARAM lParam) {
    try {
        return window.HandleMessage(message, wParam, lParam);
    } catch (const std::exception& error) {
        ShowException(error.what());
    } catch (...) {
        ShowException("Unknown exception.");
    }
    return 0;
}

LRESULT CALLBACK Window::Procedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        auto* window = static_cast<Window*>(reinterpret_cast<CREATESTRUCTA*>(lParam)->lpCreateParams);
        window->hwnd_ = hwnd;
        SetWindowLongPtrA(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(window));
        SetWindowLongPtrA(hwnd, kMarkOffset, kWindowMark);
    }
    auto* window = reinterpret_cast<Window*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA));
    if (window == nullptr) return DefWindowProcA(hwnd, message, wParam, lParam);
    if (message == WM_NCDESTROY) {
        SetWindowLongPtrA(hwnd, GWLP_USERDATA, 0);
        window->hwnd_ = nullptr;
        // The dialog manager frees what it keeps for the window.
        return window->dialog_ ? DefDlgProcA(hwnd, message, wParam, lParam)
                               : DefWindowProcA(hwnd, message, wParam, lParam);
    }
    return Deliver(*window, message, wParam, lParam);
}

}  // namespace corvane
