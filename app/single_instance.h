// One running copy per logon: a named mutex that nobody owns, only looked for.
#pragma once

namespace corvane {

inline constexpr char kInstanceMutexName[] = "Brightfen_Corvane";

// Creates (or opens) the mutex and keeps its handle. True when another
// instance already runs, also one that runs elevated (its mutex cannot be
// opened); false when the mutex cannot be created for any other reason.
bool CheckSingleInstance();

// Brings the running instance's main window to the front, as a click on its
// icon does; waits a few seconds for an instance that is still starting.
void ShowRunningInstance();

// Closes the handle, when one is kept.
void ReleaseSingleInstance();

}  // namespace corvane
