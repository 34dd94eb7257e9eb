#include "change_saver.h"

#include "data_paths.h"
#include "fixed_text.h"
#include "schedule_file.h"
#include "schedule_store.h"

namespace corvane {
namespace {

constexpr DWORD kLeastMsBetweenWrites = 1000;
constexpr int kSilentAttempts = 3;
constexpr DWORD kSilentRetryMs = 200;
constexpr UINT_PTR kSaveTimer = 1;
constexpr wchar_t kTimerWindowClass[] = L"CorvaneChangeSaver";

// The coalescing timer lives on a message-only window of the saver's own, so
// that it ticks inside any message loop, a message box's included.
LRESULT CALLBACK TimerWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_TIMER && wParam == kSaveTimer) {
        if (auto* saver = reinterpret_cast<ChangeSaver*>(GetWindowLongPtrW(window, GWLP_USERDATA))) {
            saver->SaveTimerFired();
        }
        return 0;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

HWND MakeTimerWindow(ChangeSaver* saver) {
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.lpfnWndProc = TimerWindowProc;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.lpszClassName = kTimerWindowClass;
    RegisterClassExW(&windowClass);  // already registered by an earlier saver: fine
    HWND window = CreateWindowExW(0, kTimerWindowClass, L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                                  GetModuleHandleW(nullptr), nullptr);
    if (window != nullptr) SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(saver));
    return window;
}

}  // namespace

ChangeSaver::~ChangeSaver() {
    if (timerWindow_ != nullptr) DestroyWindow(timerWindow_);
}

void ChangeSaver::Start(DataProblemReporter reporter) {
    reporter_ = reporter;
    started_ = true;
    if (timerWindow_ == nullptr) timerWindow_ = MakeTimerWindow(this);
    // What was read is on disk already: nothing is written until it changes.
    if (schedules_ && schedules_->Load == FileLoad::Read && !schedules_->MovedOn) {
        scheduleImage_ = ScheduleFileBytes(schedules_);
        scheduleImageKnown_ = true;
    }
    const bool unread =
        (schedules_ && schedules_->Load == FileLoad::Unreadable) || options_.Stored == FileLoad::Unreadable;
    if (unread) ArmTimer(0);
}

bool ChangeSaver::Unsaved(int file) const {
    if (file == fiSettings) return options_.Unsaved();
    return schedules_ && (!scheduleImageKnown_ || ScheduleFileBytes(schedules_) != scheduleImage_);
}

FileLoad ChangeSaver::Reload(int file, DWORD* reason) {
    if (file == fiSettings) return options_.Reload(reason);
    const bool unread = schedules_ && schedules_->Load == FileLoad::Unreadable;
    const FileLoad load = ScheduleListReload(schedules_, reason);
    if (unread && load != FileLoad::Unreadable && reread_) reread_();
    return load;
}

int ChangeSaver::Save(int file, DWORD* reason) {
    if (file == fiSettings) return options_.Save(reason);
    if (ScheduleListSave(schedules_, reason) == 0) return 0;
    scheduleImage_ = ScheduleFileBytes(schedules_);
    scheduleImageKnown_ = true;
    return 1;
}

// Reads again if need be, then writes what differs.
ChangeSaver::Attempt ChangeSaver::TryOnce(int file) {
    Attempt attempt;
    attempt.Reading = Reload(file, &attempt.Reason) == FileLoad::Unreadable;
    if (attempt.Reading) return attempt;
    if (Unsaved(file)) {
        lastWrite_ = GetTickCount();
        wroteBefore_ = true;
        if (Save(file, &attempt.Reason) == 0) return attempt;
    }
    files_[file] = FileState{};
    attempt.Saved = true;
    return attempt;
}

bool ChangeSaver::TrySilently(int file) {
    for (int attempt = 1;; ++attempt) {
        if (TryOnce(file).Saved) return true;
        if (attempt == kSilentAttempts) return false;
        Sleep(kSilentRetryMs);
    }
}

// Tells of `failed` and tries again for as long as the person asks for it.
bool ChangeSaver::Ask(int file, SaveAsk ask, Attempt failed) {
    bool again = false;
    for (;;) {
        bool& told = failed.Reading ? files_[file].ToldReading : files_[file].ToldWriting;
        if (reporter_ == nullptr || (ask == SaveAsk::OncePerProblem && told && !again)) return false;
        told = true;
        WidePath path;
        const bool formed = file == fiSettings ? CopyField(path, kPathSize, options_.IniFile, kPathSize)
                                               : GetDataFilePath(dfSchedules, &path) != 0;
        if (!formed) path[0] = L'\0';
        asking_ = true;
        const bool retry = reporter_(DataFileProblem{path, failed.Reading, failed.Reason, again}, ask);
        asking_ = false;
        if (!retry) return false;
        failed = TryOnce(file);
        if (failed.Saved) return true;
        again = true;
    }
}

void ChangeSaver::DataChanged() {
    if (!started_) return;
    if (saving_ || timerArmed_) {
        ArmTimer(kLeastMsBetweenWrites);
        return;
    }
    const DWORD since = GetTickCount() - lastWrite_;
    if (wroteBefore_ && since < kLeastMsBetweenWrites) {
        ArmTimer(kLeastMsBetweenWrites - since);
        return;
    }
    SaveNow(SaveAsk::OncePerProblem);
}

bool ChangeSaver::SaveNow(SaveAsk ask) {
    DisarmTimer();
    const bool outer = !saving_;
    saving_ = true;
    bool saved = true;
    if (ask == SaveAsk::Nobody) {
        for (int file = 0; file < kFileCount; ++file) saved = TrySilently(file) && saved;
    } else {
        // Each file is tried before anything is told, so that a problem with
        // one never keeps the other off the disk.
        Attempt attempts[kFileCount];
        for (int file = 0; file < kFileCount; ++file) attempts[file] = TryOnce(file);
        bool asked = false;
        for (int file = 0; file < kFileCount; ++file) {
            // While an earlier message was open the file may have been saved.
            if (asked && !attempts[file].Saved) attempts[file] = TryOnce(file);
            if (attempts[file].Saved) continue;
            if (asking_) {
                untold_ = true;  // one message at a time: told once the open one is answered
                saved = false;
                continue;
            }
            asked = true;
            if (!Ask(file, ask, attempts[file])) saved = false;
        }
    }
    if (outer) saving_ = false;
    if (untold_ && !asking_) {
        untold_ = false;
        ArmTimer(kLeastMsBetweenWrites);
    }
    return saved;
}

void ChangeSaver::SaveTimerFired() {
    DisarmTimer();
    SaveNow(SaveAsk::OncePerProblem);
}

void ChangeSaver::ArmTimer(DWORD delay) {
    if (timerArmed_ || timerWindow_ == nullptr) return;
    timerArmed_ = SetTimer(timerWindow_, kSaveTimer, delay, nullptr) != 0;
}

void ChangeSaver::DisarmTimer() {
    if (timerArmed_) KillTimer(timerWindow_, kSaveTimer);
    timerArmed_ = false;
}

}  // namespace corvane
