// Driving the real program from another process: starting it, finding its
// main window and icon window, and telling whether its icon is in the
// notification area.
#pragma once

#include <windows.h>
#include <shellapi.h>

#include <string>

namespace corvane::testing {

inline constexpr char kMainWindowClass[] = "TfrmMain";
inline constexpr char kIconWindowClass[] = "IconWin";

// Polls `condition` every 20 ms for up to `milliseconds`; true once it holds.
template <typename Condition>
bool WaitFor(Condition condition, DWORD milliseconds = 15000) {
    const DWORD start = GetTickCount();
    while (!condition()) {
        if (GetTickCount() - start > milliseconds) return false;
        Sleep(20);
    }
    return true;
}

struct WindowSearch {
    DWORD ProcessId;  // 0: any process
    const char* ClassName;
    const char* Title;  // null: any
    HWND Found;
};

inline BOOL CALLBACK MatchWindow(HWND window, LPARAM data) {
    auto* search = reinterpret_cast<WindowSearch*>(data);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    char className[64] = "";
    char title[128] = "";
    GetClassNameA(window, className, sizeof className);
    GetWindowTextA(window, title, sizeof title);
    if ((search->ProcessId != 0 && owner != search->ProcessId) || lstrcmpA(className, search->ClassName) != 0 ||
        (search->Title != nullptr && lstrcmpA(title, search->Title) != 0)) {
        return TRUE;
    }
    search->Found = window;
    return FALSE;
}

// A top-level window of the process (0: any) with this class and, when given, this title.
inline HWND FindProcessWindow(DWORD processId, const char* className, const char* title = nullptr) {
    WindowSearch search{processId, className, title, nullptr};
    EnumWindows(MatchWindow, reinterpret_cast<LPARAM>(&search));
    return search.Found;
}

inline HWND IconWindowOf(HWND mainWindow) {
    return mainWindow != nullptr ? FindWindowExA(mainWindow, nullptr, kIconWindowClass, nullptr) : nullptr;
}

// Whether the notification area holds the icon of `iconWindow`: only an icon
// that is there can be changed (its tip is set to the one it has).
inline bool IconInTray(HWND iconWindow) {
    NOTIFYICONDATAA data{};
    data.cbSize = NOTIFYICONDATAA_V2_SIZE;
    data.hWnd = iconWindow;
    data.uID = 100;
    data.uFlags = NIF_TIP;
    lstrcpynA(data.szTip, "Corvane V1.2", sizeof data.szTip);
    return Shell_NotifyIconA(NIM_MODIFY, &data) != FALSE;
}

// One run of the program, started with its own folder as the working
// directory; ended by force if it is still running when the object goes.
class ProgramRun {
public:
    ProgramRun() = default;
    ProgramRun(const ProgramRun&) = delete;
    ProgramRun& operator=(const ProgramRun&) = delete;
    ~ProgramRun() {
        if (process_.hProcess == nullptr) return;
        if (WaitForSingleObject(process_.hProcess, 0) == WAIT_TIMEOUT) {
            TerminateProcess(process_.hProcess, 1);
            WaitForSingleObject(process_.hProcess, 5000);
        }
        CloseHandle(process_.hThread);
        CloseHandle(process_.hProcess);
    }

    bool Start(const std::string& program, const std::string& arguments = "") {
        const std::string folder = program.substr(0, program.find_last_of('\\') + 1);
        std::string commandLine = "\"" + program + "\"" + (arguments.empty() ? "" : " " + arguments);
        STARTUPINFOA startup{};
        startup.cb = sizeof startup;
        return CreateProcessA(program.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                              folder.c_str(), &startup, &process_) != FALSE;
    }

    // The same for a program whose path the ANSI code page may not hold.
    bool Start(const std::wstring& program) {
        const std::wstring folder = program.substr(0, program.find_last_of(L'\\') + 1);
        std::wstring commandLine = L"\"" + program + L"\"";
        STARTUPINFOW startup{};
        startup.cb = sizeof startup;
        return CreateProcessW(program.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                              folder.c_str(), &startup, &process_) != FALSE;
    }

    // Ends the process without warning, as Task Manager's "End task" or a crash does.
    void Kill() const {
        TerminateProcess(process_.hProcess, 1);
        WaitForSingleObject(process_.hProcess, 5000);
    }

    DWORD Id() const { return process_.dwProcessId; }
    // The program's main thread, which runs its message loop.
    HANDLE MainThread() const { return process_.hThread; }
    bool Running() const { return WaitForSingleObject(process_.hProcess, 0) == WAIT_TIMEOUT; }

    // The main window once the icon window exists in it (the end of start-up); null when it never does.
    HWND MainWindow(DWORD milliseconds = 15000) const {
        HWND found = nullptr;
        WaitFor([&] {
            found = FindProcessWindow(Id(), kMainWindowClass);
            return IconWindowOf(found) != nullptr || !Running();
        }, milliseconds);
        return IconWindowOf(found) != nullptr ? found : nullptr;
    }

    // Waits for the end of the process; its exit code, or STILL_ACTIVE when it did not end in time.
    DWORD ExitCode(DWORD milliseconds = 15000) const {
        WaitForSingleObject(process_.hProcess, milliseconds);
        DWORD code = STILL_ACTIVE;
        GetExitCodeProcess(process_.hProcess, &code);
        return code;
    }

private:
    PROCESS_INFORMATION process_{};
};

}  // namespace corvane::testing
