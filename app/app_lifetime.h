// The objects that live for the whole run: built before the main window,
// torn down after the message loop.
#pragma once

namespace corvane {

class TfrmMain;

// The conduit name table, the schedule list (caught up to the local clock),
// the empty icon object, the Palm Desktop directory as the current directory,
// and the HotSync API.
void AppInit();

// Frees the conduit name table, saves and frees the schedule list, destroys
// the icon window and unbinds the HotSync API. Each step empties its slot, so
// a second call does nothing.
void AppFini();

// The whole end of a run, for a session that ends before the process does:
// AppFini, the instance mutex, the main window's part (user list, icon) and
// the settings, saved exactly as at a normal end and never again afterwards.
void EndRun(TfrmMain& mainForm);

}  // namespace corvane
