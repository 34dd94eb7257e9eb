// The objects that live for the whole run: built before the main window,
// torn down after the message loop.
#pragma once

namespace corvane {

// The conduit name table, the schedule list (caught up to the local clock),
// the empty icon object, the Palm Desktop directory as the current directory,
// and the HotSync API.
void AppInit();

// Frees the conduit name table, saves what is not on disk yet (asking Retry
// or Cancel when that fails) and frees the schedule list, destroys
// the icon window and unbinds the HotSync API. Each step empties its slot, so
// a second call does nothing.
void AppFini();

// Saves whatever is not on disk yet, silently, and goes on running: before
// the machine sleeps.
void SaveRun();

// The end of a run that the session's end cuts short (log-off, shutdown, or
// an installer closing the program): saves the schedules, then the settings,
// tried a few times and never asking (nobody can answer), takes the icon out of the notification area and ends the process.
// Nothing is freed: a nested message loop may still be on the stack.
[[noreturn]] void EndSession();

}  // namespace corvane
