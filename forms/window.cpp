#include "window.h"

namespace corvane {
namespace {

// Marks our windows: their class's extra bytes hold this value, so that
// FromHandle never takes another window's user data for an object.
constexpr LONG_PTR kWindowMark = 0x436F7276;  // "Corv"

}  // namespace

Window::~Window() {
    if (hwnd_ != nullptr) {
        SetWindowLongPtrA(hwnd_, GWLP_USERDATA, 0);
        DestroyWindow(hwnd_);
    }
}

Window* Window::FromHandle(HWND hwnd) {
    if (hwnd == nullptr || GetClassLongPtrA(hwnd, GCL_CBWNDEXTRA) < static_cast<LONG_PTR>(sizeof(LONG_PTR)) ||
        GetWindowLongPtrA(hwnd, 0) != kWindowMark) {
        return nullptr;
    }
    return reinterpret_cast<Window*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA));
}

bool Window::CreateWindowOf(const char* className, DWORD exStyle, DWORD style, const char* caption, int x, int y,
                            int width, int height, HWND parent) {
    HINSTANCE instance = GetModuleHandleA(nullptr);
    WNDCLASSEXA windowClass{};
    if (!GetClassInfoExA(instance, className, &windowClass)) {
        windowClass.cbSize = sizeof windowClass;
        windowClass.style = CS_DBLCLKS;
        windowClass.lpfnWndProc = Procedure;
        windowClass.cbWndExtra = sizeof(LONG_PTR);
        windowClass.hInstance = instance;
        windowClass.hCursor = LoadCursor(nullptr, IDC_ARROW);
        windowClass.lpszClassName = className;
        if (!RegisterClassExA(&windowClass)) return false;
    }
    return CreateWindowExA(exStyle, className, caption, style, x, y, width, height, parent, nullptr, instance, this) !=
           nullptr;
}

LRESULT Window::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    return DefWindowProcA(hwnd_, message, wParam, lParam);
}

LRESULT CALLBACK Window::Procedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        auto* window = static_cast<Window*>(reinterpret_cast<CREATESTRUCTA*>(lParam)->lpCreateParams);
        window->hwnd_ = hwnd;
        SetWindowLongPtrA(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(window));
        SetWindowLongPtrA(hwnd, 0, kWindowMark);
    }
    auto* window = reinterpret_cast<Window*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA));
    if (window == nullptr) return DefWindowProcA(hwnd, message, wParam, lParam);
    if (message == WM_NCDESTROY) {
        SetWindowLongPtrA(hwnd, GWLP_USERDATA, 0);
        window->hwnd_ = nullptr;
        return DefWindowProcA(hwnd, message, wParam, lParam);
    }
    return window->HandleMessage(message, wParam, lParam);
}

}  // namespace corvane
