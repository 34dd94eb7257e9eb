#include "single_instance.h"

#include <windows.h>

#include "main_form.h"
#include "product.h"
#include "running_instance.h"
#include "win_handles.h"

namespace corvane {
namespace {

constexpr DWORD kSettleMilliseconds = 30000;
// A running instance answers at once; one still starting, once its message loop runs.
constexpr UINT kAnswerMilliseconds = 5000;
constexpr DWORD kPollMilliseconds = 100;

UniqueHandle instanceMutex;

// Creates the mutex afresh: true when no other process holds it any more, or
// when it cannot be created at all (the program then runs unprotected).
bool HoldMutexAlone() {
    instanceMutex.Reset();
    HANDLE mutex = CreateMutexA(nullptr, FALSE, kInstanceMutexName);
    const DWORD error = GetLastError();
    instanceMutex.Reset(mutex);
    return instanceMutex ? error != ERROR_ALREADY_EXISTS : error != ERROR_ACCESS_DENIED;
}

DWORD ProcessOf(HWND window) {
    DWORD processId = 0;
    GetWindowThreadProcessId(window, &processId);
    return processId;
}

void WaitForEndOf(HWND window, DWORD milliseconds) {
    const UniqueHandle process(OpenProcess(SYNCHRONIZE, FALSE, ProcessOf(window)));
    if (process) {
        WaitForSingleObject(process.Get(), milliseconds);
        return;
    }
    const DWORD start = GetTickCount();
    while (IsWindow(window) && GetTickCount() - start < milliseconds) Sleep(kPollMilliseconds);
}

enum class Outcome { Shown, WaitedForEnd, NotCorvane };

// Asks one window that looks like Corvane's main window to show itself; when
// it is ending or does not answer, waits (up to `milliseconds`) for its end.
Outcome ShowOrWaitForEnd(HWND window, DWORD milliseconds) {
    // Only the program in the foreground may hand the foreground on.
    AllowSetForegroundWindow(ProcessOf(window));
    switch (AskInstance(window, irShow, kAnswerMilliseconds)) {
        case InstanceAnswer::Running:
            return Outcome::Shown;
        case InstanceAnswer::Other:
            if (!IsUnansweringRelease(window)) return Outcome::NotCorvane;
            PostMessageA(window, WM_SHOWMAIN, 0, 0);
            return Outcome::Shown;
        case InstanceAnswer::Ending:
        case InstanceAnswer::None:
            break;
    }
    WaitForEndOf(window, milliseconds);
    return Outcome::WaitedForEnd;
}

}  // namespace

bool CheckSingleInstance() {
    HANDLE mutex = CreateMutexA(nullptr, FALSE, kInstanceMutexName);
    const DWORD error = GetLastError();
    instanceMutex.Reset(mutex);
    return (instanceMutex && error == ERROR_ALREADY_EXISTS) || (!instanceMutex && error == ERROR_ACCESS_DENIED);
}

bool TakeOverUnlessRunning() {
    const DWORD start = GetTickCount();
    for (;;) {
        const DWORD elapsed = GetTickCount() - start;
        if (elapsed >= kSettleMilliseconds) return false;
        for (HWND window = NextMainWindowLike(nullptr); window != nullptr; window = NextMainWindowLike(window)) {
            const Outcome outcome = ShowOrWaitForEnd(window, kSettleMilliseconds - elapsed);
            if (outcome == Outcome::Shown) return false;
            if (outcome == Outcome::WaitedForEnd) break;
        }
        if (HoldMutexAlone()) return true;
        Sleep(kPollMilliseconds);
    }
}

void ReleaseSingleInstance() { instanceMutex.Reset(); }

}  // namespace corvane
