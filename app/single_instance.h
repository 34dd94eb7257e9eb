// One running copy per logon: a named mutex that nobody owns, only looked for.
#pragma once

namespace corvane {

inline constexpr char kInstanceMutexName[] = "Brightfen_Corvane";

// Creates (or opens) the mutex and keeps its handle. True when another
// instance already runs; false also when the mutex cannot be created.
bool CheckSingleInstance();

// Closes the handle, when one is kept.
void ReleaseSingleInstance();

}  // namespace corvane
