// Keeps windows disabled for its lifetime: while a modal window of the program
// runs, or while a module's own dialog does. Afterwards it enables exactly the
// windows it disabled (one that was disabled already stays so) and gives the
// focus back to the control that had it.
#pragma once

#include <windows.h>

#include <vector>

namespace corvane {

class DisabledScope {
public:
    // Selects every enabled top-level window of the calling thread but one.
    struct ThreadWindowsBut {
        HWND Except;
    };

    // `window` alone (nothing when it is null).
    explicit DisabledScope(HWND window);
    explicit DisabledScope(ThreadWindowsBut others);
    ~DisabledScope();
    DisabledScope(const DisabledScope&) = delete;
    DisabledScope& operator=(const DisabledScope&) = delete;

private:
    static BOOL CALLBACK DisableOther(HWND window, LPARAM scope);
    void Disable(HWND window);

    HWND except_ = nullptr;
    HWND focus_ = nullptr;
    std::vector<HWND> disabled_;
};

}  // namespace corvane
