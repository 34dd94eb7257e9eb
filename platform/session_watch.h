// The user's session: lock, unlock and console notifications
// (WM_WTSSESSION_CHANGE) for one window, for as long as this object lives,
// and whether the session is locked or disconnected right now. The
// notification library is looked up at run time and only when needed.
#pragma once

#include <windows.h>

#include "library_module.h"

namespace corvane {

struct SessionState {
    bool Locked = false;        // the lock screen (or another secure screen) has the input
    bool Disconnected = false;  // the session has no console or remote connection
};

class SessionWatch {
public:
    explicit SessionWatch(HWND window);
    ~SessionWatch();
    SessionWatch(const SessionWatch&) = delete;
    SessionWatch& operator=(const SessionWatch&) = delete;

    // Asks the system. Locked: the input desktop is one this session's
    // programs cannot open, or Winlogon's; that holds on every Windows since
    // NT, whereas the session's own lock flags (WTSSessionInfoEx) exist only
    // from Windows 7 and read the wrong way round there. Disconnected: the
    // session's connection state is not active. What cannot be asked (Wine
    // has no lock screen) counts as someone there.
    SessionState State() const;

private:
    HWND window_;
    LibraryModule library_;
    bool registered_ = false;
};

}  // namespace corvane
