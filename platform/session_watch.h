// Lock, unlock and console notifications of the user's session
// (WM_WTSSESSION_CHANGE) for one window, for as long as this object lives.
// The notification library is looked up at run time and only when needed.
#pragma once

#include <windows.h>

#include "library_module.h"

namespace corvane {

class SessionWatch {
public:
    explicit SessionWatch(HWND window);
    ~SessionWatch();
    SessionWatch(const SessionWatch&) = delete;
    SessionWatch& operator=(const SessionWatch&) = delete;

private:
    HWND window_;
    LibraryModule library_;
    bool registered_ = false;
};

}  // namespace corvane
