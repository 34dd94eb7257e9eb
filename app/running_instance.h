// Finding a running Corvane of any version from another process, by what no
// version changes: the main window's class with the icon window inside, and
// the answer to the registered instance message. Shared by the next start and
// by the scripts that drive Corvane from outside.
#pragma once

#include <windows.h>

namespace corvane {

enum class InstanceAnswer {
    None,     // no answer in time
    Other,    // an answer that is not Corvane's (another program, or an older release)
    Running,  // Corvane, running
    Ending,   // Corvane, asked to end and ending
};

// The first top-level window after `after` (null: from the top) of the main
// window's class with the icon window inside; null when none. Another
// program's window may look the same: ask it before trusting it.
HWND NextMainWindowLike(HWND after);

// Asks `window` who it is, within `milliseconds`; `request` irShow also
// brings a running Corvane's main window to the front.
InstanceAnswer AskInstance(HWND window, WPARAM request, UINT milliseconds);

// A release that predates the instance message (it answers Other), told by its caption.
bool IsUnansweringRelease(HWND window);

// The main window of a running Corvane that answers (or of an older release),
// null when there is none.
HWND FindRunningCorvane(UINT millisecondsEach);

}  // namespace corvane
