// A window tied to a C++ object: one static window procedure finds the object
// (kept in GWLP_USERDATA from WM_NCCREATE on) and hands it each message.
#pragma once

#include <windows.h>

namespace corvane {

class Window {
public:
    Window() = default;
    Window(const Window&) = delete;
    Window& operator=(const Window&) = delete;
    // Destroys the window if it still exists.
    virtual ~Window();

    HWND Handle() const { return hwnd_; }

    // The object of a window created through this class; null for any other.
    static Window* FromHandle(HWND hwnd);

protected:
    // Registers `className` once (our window procedure, arrow cursor, no
    // background brush: each window paints its own) and creates the window.
    bool CreateWindowOf(const char* className, DWORD exStyle, DWORD style, const char* caption, int x, int y,
                        int width, int height, HWND parent);

    // Every message of the window; the default is DefWindowProc.
    virtual LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);

private:
    static LRESULT CALLBACK Procedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

    HWND hwnd_ = nullptr;
};

}  // namespace corvane
