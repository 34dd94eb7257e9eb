// One running copy per logon: a named mutex that nobody owns, only looked for.
#pragma once

#include "corvane_identity.h"

namespace corvane {

inline constexpr char kInstanceMutexName[] = CORVANE_INSTANCE_MUTEX;

// Creates (or opens) the mutex and keeps its handle. True when another
// instance already runs, also one that runs elevated (its mutex cannot be
// opened); false when the mutex cannot be created for any other reason.
bool CheckSingleInstance();

// For a start that found another instance. When that one runs, asks it to
// show its main window in front, as a click on its icon does, and returns
// false. When it is ending or does not answer, waits up to 30 s for its
// process to end, then holds the mutex alone and returns true: this start
// runs itself. An instance that is still starting is waited for until its
// window answers. False also when nothing was settled within the 30 s.
bool TakeOverUnlessRunning();

// Closes the handle, when one is kept.
void ReleaseSingleInstance();

}  // namespace corvane
