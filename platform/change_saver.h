// Keeps the user's schedules and settings on disk as they change. Every
// place that changes a schedule or a setting calls DataChanged(); the files
// are replaced at once, or, when changes come in a burst, once the burst has
// had a second to settle (never more than one write a second). A file that
// could not be read is read again instead of being written over. A problem
// with one file never holds up the other: both are tried before anything is
// told, one message at a time, through the reporter the program puts in place.
#pragma once

#include <windows.h>

#include <functional>
#include <vector>

#include "options.h"
#include "schedule_list.h"

namespace corvane {

// What went wrong with one of the program's files.
struct DataFileProblem {
    const wchar_t* Path;  // the file
    bool Reading;         // true: it could not be read; false: it could not be written
    DWORD Reason;         // the system's error code
    bool Again;           // the person chose Retry, and it failed again
};

// When saving should ask, and whom.
enum class SaveAsk {
    OncePerProblem,  // during the run: a problem is told once, with Retry
    UntilAnswered,   // at exit: every failure asks Retry or Cancel
    Nobody,          // before sleep and at the session's end: tried a few times, silently
};

// Tells the person of a problem and gives their answer: true to try again
// at once.
using DataProblemReporter = bool (*)(const DataFileProblem& problem, SaveAsk ask);

class ChangeSaver {
public:
    ChangeSaver(TOptions& options, ScheduleListHolder& schedules) : options_(options), schedules_(schedules) {}
    ~ChangeSaver();
    ChangeSaver(const ChangeSaver&) = delete;
    ChangeSaver& operator=(const ChangeSaver&) = delete;

    // Starts saving on DataChanged(), telling problems through `reporter`
    // (null: nobody is told); a file that could not be read at start-up is
    // told as soon as the message loop runs. Until then DataChanged() does nothing.
    void Start(DataProblemReporter reporter);

    // Run after a late read of the schedule file changed the list.
    void SetSchedulesReread(std::function<void()> handler) { reread_ = std::move(handler); }

    // A schedule or a setting changed: have it on disk within a second.
    void DataChanged();

    // Writes whatever differs from disk now (a pending coalesced write too),
    // first reading again a file that could not be read. True when both
    // files hold what is in memory. While a message is open, a failure is
    // not told: it is tried, and told, again once the message is answered.
    bool SaveNow(SaveAsk ask);

    // The coalescing timer's moment.
    void SaveTimerFired();

private:
    enum FileIndex { fiSchedules, fiSettings, kFileCount };
    struct FileState {
        bool ToldReading = false;  // the current problem has been told
        bool ToldWriting = false;
    };
    struct Attempt {
        bool Saved = false;
        bool Reading = false;
        DWORD Reason = ERROR_SUCCESS;
    };

    Attempt TryOnce(int file);
    bool TrySilently(int file);
    bool Ask(int file, SaveAsk ask, Attempt failed);
    bool Unsaved(int file) const;
    FileLoad Reload(int file, DWORD* reason);
    int Save(int file, DWORD* reason);
    void ArmTimer(DWORD delay);
    void DisarmTimer();

    TOptions& options_;
    ScheduleListHolder& schedules_;
    DataProblemReporter reporter_ = nullptr;
    std::function<void()> reread_;
    FileState files_[kFileCount];
    std::vector<unsigned char> scheduleImage_;  // the schedule file's bytes as last read or written
    bool scheduleImageKnown_ = false;
    bool started_ = false;
    bool saving_ = false;   // a save is under way
    bool asking_ = false;   // a message about a problem is open
    bool untold_ = false;   // a failure came while it was open
    HWND timerWindow_ = nullptr;
    bool timerArmed_ = false;
    DWORD lastWrite_ = 0;
    bool wroteBefore_ = false;
};

}  // namespace corvane
