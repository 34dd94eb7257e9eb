#include "change_saver.h"

#include <vector>

#include "data_paths.h"
#include "fixed_text.h"
#include "options.h"
#include "schedule_file.h"
#include "schedule_store.h"
#include "shared_lists.h"

namespace corvane {
namespace {

constexpr DWORD kLeastMsBetweenWrites = 1000;
constexpr int kSilentAttempts = 3;
constexpr DWORD kSilentRetryMs = 200;

// One of the two files, seen the same way by the saving below.
struct SavedFile {
    int (*FormPath)(WidePath* path);
    FileLoad (*Reload)(DWORD* reason);  // reads again a file that could not be read
    bool (*Unsaved)();
    int (*Save)(DWORD* reason);
    bool ToldReading = false;  // the current problem has been told
    bool ToldWriting = false;
};

// The schedule file's bytes as last read or written, so that nothing is
// written when nothing changed.
std::vector<unsigned char> scheduleImage;
bool scheduleImageKnown = false;

int SchedulePath(WidePath* path) { return GetDataFilePath(dfSchedules, path); }
FileLoad ScheduleReload(DWORD* reason) { return ScheduleListReload(Shared.Schedules, reason); }
bool SchedulesUnsaved() {
    return Shared.Schedules && (!scheduleImageKnown || ScheduleFileBytes(Shared.Schedules) != scheduleImage);
}
int ScheduleSave(DWORD* reason) {
    if (ScheduleListSave(Shared.Schedules, reason) == 0) return 0;
    scheduleImage = ScheduleFileBytes(Shared.Schedules);
    scheduleImageKnown = true;
    return 1;
}

int OptionsPath(WidePath* path) {
    return CopyField(*path, kPathSize, Options.IniFile, kPathSize) && (*path)[0] != L'\0' ? 1 : 0;
}
FileLoad OptionsReload(DWORD* reason) { return Options.Reload(reason); }
bool OptionsUnsaved() { return Options.Unsaved(); }
int OptionsSave(DWORD* reason) { return Options.Save(reason); }

SavedFile files[] = {
    {SchedulePath, ScheduleReload, SchedulesUnsaved, ScheduleSave},
    {OptionsPath, OptionsReload, OptionsUnsaved, OptionsSave},
};

DataProblemReporter reporter = nullptr;
bool started = false;
bool saving = false;  // a save, perhaps with its question open, is under way
UINT_PTR timer = 0;
DWORD lastWrite = 0;
bool wroteBefore = false;

// Reads again if need be, then writes what differs. True when the file holds
// what is in memory; a failure is told as `ask` says.
bool SaveFile(SavedFile& file, SaveAsk ask) {
    for (int attempt = 1;; ++attempt) {
        DWORD reason = ERROR_SUCCESS;
        const bool reading = file.Reload(&reason) == FileLoad::Unreadable;
        if (!reading) {
            if (!file.Unsaved()) {
                file.ToldReading = file.ToldWriting = false;
                return true;
            }
            lastWrite = GetTickCount();
            wroteBefore = true;
            if (file.Save(&reason) != 0) {
                file.ToldReading = file.ToldWriting = false;
                return true;
            }
        }
        if (ask == SaveAsk::Nobody) {
            if (attempt == kSilentAttempts) return false;
            Sleep(kSilentRetryMs);
            continue;
        }
        bool& told = reading ? file.ToldReading : file.ToldWriting;
        if (reporter == nullptr || (ask == SaveAsk::OncePerProblem && told)) return false;
        told = true;
        WidePath path;
        if (file.FormPath(&path) == 0) path[0] = L'\0';
        if (!reporter(DataFileProblem{path, reading, reason}, ask)) return false;
    }
}

void DisarmTimer() {
    if (timer != 0) KillTimer(nullptr, timer);
    timer = 0;
}

// One shot: the timer is taken down before the save, which may arm it again.
void CALLBACK SaveTimerProc(HWND, UINT, UINT_PTR, DWORD) {
    DisarmTimer();
    SaveChangesNow(SaveAsk::OncePerProblem);
}

void ArmTimer(DWORD delay) {
    if (timer == 0) timer = SetTimer(nullptr, 0, delay, SaveTimerProc);
}

}  // namespace

void StartSavingChanges(DataProblemReporter reporterToUse) {
    reporter = reporterToUse;
    started = true;
    // What was read is on disk already: nothing is written until it changes.
    if (Shared.Schedules && Shared.Schedules->Load == FileLoad::Read && !Shared.Schedules->MovedOn) {
        scheduleImage = ScheduleFileBytes(Shared.Schedules);
        scheduleImageKnown = true;
    }
    const bool unread = (Shared.Schedules && Shared.Schedules->Load == FileLoad::Unreadable) ||
                        Options.Stored == FileLoad::Unreadable;
    if (unread) ArmTimer(0);
}

void DataChanged() {
    if (!started) return;
    if (saving || timer != 0) {
        ArmTimer(kLeastMsBetweenWrites);
        return;
    }
    const DWORD since = GetTickCount() - lastWrite;
    if (wroteBefore && since < kLeastMsBetweenWrites) {
        ArmTimer(kLeastMsBetweenWrites - since);
        return;
    }
    SaveChangesNow(SaveAsk::OncePerProblem);
}

bool SaveChangesNow(SaveAsk ask) {
    // A change made while a question of an earlier save is open waits for
    // it; only the session's end, which never returns there, goes ahead.
    if (saving && ask != SaveAsk::Nobody) {
        ArmTimer(kLeastMsBetweenWrites);
        return false;
    }
    DisarmTimer();
    saving = true;
    bool saved = true;
    for (SavedFile& file : files) saved = SaveFile(file, ask) && saved;
    saving = false;
    return saved;
}

}  // namespace corvane
