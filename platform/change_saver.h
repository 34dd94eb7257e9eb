// Keeps the user's schedules and settings on disk as they change. Every
// place that changes a schedule or a setting calls DataChanged(); the files
// are replaced at once, or, when changes come in a burst, once the burst has
// had a second to settle (never more than one write a second). A file that
// could not be read is read again instead of being written over, and a
// failure is told once, through the reporter the program puts in place.
#pragma once

#include <windows.h>

namespace corvane {

// A schedule or a setting changed: have it on disk within a second.
void DataChanged();

// What went wrong with one of the program's files.
struct DataFileProblem {
    const wchar_t* Path;  // the file
    bool Reading;         // true: it could not be read; false: it could not be written
    DWORD Reason;         // the system's error code
};

// When saving should ask, and whom.
enum class SaveAsk {
    OncePerProblem,  // during the run: a problem is told once, with Retry
    UntilAnswered,   // at exit: every failure asks Retry or Cancel
    Nobody,          // at the session's end: tried a few times, silently
};

// Tells the person of a problem and gives their answer: true to try again
// at once.
using DataProblemReporter = bool (*)(const DataFileProblem& problem, SaveAsk ask);

// Starts saving on DataChanged(), telling problems through `reporter` (null:
// nobody is told); a file that could not be read at start-up is told as soon
// as the message loop runs. Until this is called DataChanged() does nothing.
void StartSavingChanges(DataProblemReporter reporter);

// Writes whatever differs from disk now (a pending coalesced write too),
// first reading again a file that could not be read. True when both files
// hold what is in memory.
bool SaveChangesNow(SaveAsk ask);

}  // namespace corvane
