// The application object: its title, the hidden window that stands for it in
// the task bar and owns its top-level windows, the message loop, and the
// bookkeeping of nested message loops (modal windows, message boxes, a
// conduit's own settings dialog) that must end before the program may.
#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

namespace corvane {

class Application {
public:
    Application() = default;
    Application(const Application&) = delete;
    Application& operator=(const Application&) = delete;
    ~Application();

    // Creates the task-bar window with `title` as its caption; hidden.
    bool Initialize(const char* title);
    void SetTitle(const char* title);
    const char* Title() const { return title_.c_str(); }
    HWND Handle() const { return window_; }

    // The window whose closing ends the program; the task-bar entry brings it back.
    void SetMainWindow(HWND window) { mainWindow_ = window; }
    HWND MainWindow() const { return mainWindow_; }

    // The task-bar entry shows while a window of the program is visible.
    void ShowTaskbarEntry();
    void HideTaskbarEntry();
    // Shows the entry when some top-level window of the program is visible, hides it otherwise.
    void UpdateTaskbarEntry();
    // Flashes the entry until the program comes to the foreground.
    void FlashTaskbarEntry();

    // Runs until the quit message; keyboard navigation goes to the active window.
    int Run();
    // The same loop, run nested (a modal window's) until `done` says so; the
    // quit message ends it early and is left for the outer loop.
    void RunUntil(const std::function<bool()>& done);
    // Ends the message loop.
    void Terminate() { PostQuitMessage(0); }

    // Nested message loops now running (see NestedLoop).
    int NestedLoops() const { return nestedLoops_; }
    // Whether `window` may close now. While a nested loop runs it may not: an
    // open menu ends, the modal windows are asked to end with their cancel
    // result, an open question comes to the front to be answered, and
    // `window` is sent WM_CLOSE again once the last nested loop has returned.
    bool MayClose(HWND window);

    // The owner a message box needs so that no window of the program can
    // cover it: the given window when it is shown (the task-bar window aside),
    // else the main window.
    HWND QuestionOwner(HWND owner) const;

    // Modal windows register while their loop runs, so that MayClose can end them.
    void ModalStarted(HWND window);
    void ModalEnded(HWND window);

private:
    friend class NestedLoop;
    void LoopLeft();
    static void Dispatch(MSG& message);

    HWND window_ = nullptr;
    HWND mainWindow_ = nullptr;
    HWND pendingClose_ = nullptr;
    std::string title_;
    std::vector<HWND> modalWindows_;
    int nestedLoops_ = 0;
};

// The process's application object.
Application& App();

// Marks a nested message loop for its lifetime: a modal window, a message box,
// or a call into a module that runs its own dialog.
class NestedLoop {
public:
    NestedLoop() { ++App().nestedLoops_; }
    ~NestedLoop() { App().LoopLeft(); }
    NestedLoop(const NestedLoop&) = delete;
    NestedLoop& operator=(const NestedLoop&) = delete;
};

}  // namespace corvane
