// The application object: its title, the hidden window that stands for it in
// the task bar and owns its top-level windows, and the message loop.
#pragma once

#include <windows.h>

namespace corvane {

class Application {
public:
    Application() = default;
    Application(const Application&) = delete;
    Application& operator=(const Application&) = delete;
    ~Application();

    // Creates the hidden task-bar window with `title` as its caption.
    bool Initialize(const char* title);
    void SetTitle(const char* title);
    HWND Handle() const { return window_; }

    // Runs until the quit message; keyboard navigation goes to the active window.
    int Run();

private:
    HWND window_ = nullptr;
};

// The process's application object.
Application& App();

}  // namespace corvane
