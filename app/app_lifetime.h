// The run's start-up and shutdown around the main window, on the run object
// that WinMain owns.
#pragma once

#include "run_state.h"

namespace corvane {

// The settings, the conduit name table, the schedule list (caught up to the
// local clock), the saving of changes, the empty icon object, the Palm
// Desktop directory as the current directory, and the HotSync API.
void AppInit(RunState& run);

// Frees the conduit name table, saves what is not on disk yet (asking Retry
// or Cancel when that fails) and frees the schedule list, and unbinds the
// HotSync API. Each step empties its slot, so a second call does nothing.
// The icon goes with the main window.
void AppFini(RunState& run);

// Saves whatever is not on disk yet, silently, and goes on running: before
// the machine sleeps.
void SaveRun(RunState& run);

// The end of a run that the session's end cuts short (log-off, shutdown, or
// an installer closing the program): saves the schedules and the settings,
// tried a few times and never asking (nobody can answer; a message already
// open stays the only one), takes the icon out of the notification area and
// ends the process. Nothing is freed: a nested message loop may still be on the stack.
[[noreturn]] void EndSession(RunState& run);

}  // namespace corvane
