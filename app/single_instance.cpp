#include "single_instance.h"

#include <windows.h>

#include "icon_win.h"
#include "main_form.h"
#include "product.h"
#include "win_handles.h"

namespace corvane {
namespace {

UniqueHandle instanceMutex;

// The running instance's main window: its class and caption, with the icon
// window inside, so that no other program's window of the same class is taken.
struct MainWindowSearch {
    HWND Found;
};

BOOL CALLBACK MatchMainWindow(HWND window, LPARAM data) {
    char className[16] = "";
    char caption[32] = "";
    GetClassNameA(window, className, sizeof className);
    GetWindowTextA(window, caption, sizeof caption);
    if (lstrcmpA(className, kMainFormClass) != 0 || lstrcmpA(caption, kMainCaption) != 0 ||
        FindWindowExA(window, nullptr, kIconWinClassName, nullptr) == nullptr) {
        return TRUE;
    }
    reinterpret_cast<MainWindowSearch*>(data)->Found = window;
    return FALSE;
}

HWND FindMainWindow() {
    MainWindowSearch search{nullptr};
    EnumWindows(MatchMainWindow, reinterpret_cast<LPARAM>(&search));
    return search.Found;
}

}  // namespace

bool CheckSingleInstance() {
    HANDLE mutex = CreateMutexA(nullptr, FALSE, kInstanceMutexName);
    const DWORD error = GetLastError();
    instanceMutex.Reset(mutex);
    return (instanceMutex && error == ERROR_ALREADY_EXISTS) || (!instanceMutex && error == ERROR_ACCESS_DENIED);
}

void ShowRunningInstance() {
    constexpr DWORD kStartingMilliseconds = 5000;
    const DWORD start = GetTickCount();
    HWND running = FindMainWindow();
    while (running == nullptr && GetTickCount() - start < kStartingMilliseconds) {
        Sleep(100);
        running = FindMainWindow();
    }
    if (running == nullptr) return;
    // Only the program in the foreground may hand the foreground on.
    DWORD processId = 0;
    GetWindowThreadProcessId(running, &processId);
    AllowSetForegroundWindow(processId);
    PostMessageA(running, WM_SHOWMAIN, 0, 0);
}

void ReleaseSingleInstance() { instanceMutex.Reset(); }

}  // namespace corvane
