// A window tied to a C++ object: one static window procedure finds the object
// (kept in GWLP_USERDATA from WM_NCCREATE on) and hands it each message. A
// dialog class leaves what it does not handle to the system's dialog manager
// (DefDlgProc), which then runs Tab, arrows, mnemonics, Enter, Esc and the focus.
#pragma once

#include <windows.h>

namespace corvane {

// A window class: registered once, on the first window created with it.
struct WindowClass {
    const char* Name;
    UINT Style = CS_DBLCLKS;
    const char* Icon = nullptr;     // an icon resource of the program; null: none
    const char* Cursor = IDC_ARROW;  // a system cursor; null: none
    int ExtraBytes = 0;              // window extra bytes of the class's own, after the toolkit's mark
    bool Dialog = false;             // run by the dialog manager: DefDlgProc in place of DefWindowProc
};

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

    // A key pressed while this top-level window is active, before the dialog manager sees it.
    virtual void OnKeyInput() {}

    // Where the toolkit's mark lies: after the dialog manager's own bytes, which every class keeps.
    static constexpr int kMarkOffset = DLGWINDOWEXTRA;
    // The first window extra byte that a class's own ExtraBytes start at.
    static constexpr int kOwnExtraBytes = kMarkOffset + sizeof(LONG_PTR);

protected:
    // Registers the class once (our window procedure, no background brush:
    // each window paints its own) and creates the window.
    bool CreateWindowOf(const WindowClass& windowClass, DWORD exStyle, DWORD style, const char* caption, int x, int y,
                        int width, int height, HWND parent);
    bool CreateWindowOf(const char* className, DWORD exStyle, DWORD style, const char* caption, int x, int y,
                        int width, int height, HWND parent) {
        return CreateWindowOf(WindowClass{className}, exStyle, style, caption, x, y, width, height, parent);
    }

    // Every message of the window; the default is DefDlgProc for a dialog class, DefWindowProc otherwise.
    virtual LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);

private:
    static LRESULT CALLBACK Procedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    // Hands the message to the object; an exception that escapes a handler is
    // reported here, since it cannot unwind through the system's own frames.
    static LRESULT Deliver(Window& window, UINT message, WPARAM wParam, LPARAM lParam);

    HWND hwnd_ = nullptr;
    bool dialog_ = false;
};

// Shows the application's exception message box for `text` (the loop goes on).
void ShowException(const char* text);

}  // namespace corvane
