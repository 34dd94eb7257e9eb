// What the installer's tests need from another Windows process:
//   installer_fixture hold FILE    opens FILE as Windows holds a running program's file (read sharing only:
//                                  neither written nor deleted while held), prints "held", then waits to be ended
//   installer_fixture read FILE    the same, but opens FILE as a .NET FileShare.ReadWrite reader does (reading
//                                  and writing shared, deletion not)
//   installer_fixture run COMMAND  runs COMMAND as a deployment tool runs an installer or an uninstall string
//                                  (the command line as it stands, no shell, in a job of its own, as PowerShell's
//                                  Start-Process -Wait does), waits for that process and exits with its exit code;
//                                  or with 99 when, 10 s after it ended, a process is still in that job or still
//                                  names it as its parent
//   installer_fixture decoy        shows two top-level windows of Corvane's main window class that are not
//                                  Corvane's (one with its caption but no icon window, one with an icon window
//                                  but another caption), prints "shown", then runs until it is ended
//   installer_fixture old          shows a main window as release 1.2.1 had it (its caption and icon window, no
//                                  answer to the instance message), prints "shown", then runs until it is ended
// A window that receives WM_CLOSE prints it and exits with 3. Exits with 1 when FILE cannot be opened, 2 on
// wrong use.
#include <windows.h>
#include <tlhelp32.h>

#include <cstdio>
#include <cstring>

#include "program_driver.h"
#include "win_handles.h"

namespace {

using namespace corvane::testing;

constexpr int kAskedToClose = 3;
constexpr int kLeftRunning = 99;

LRESULT CALLBACK DecoyProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_CLOSE) {
        std::printf("WM_CLOSE\n");
        std::fflush(stdout);
        ExitProcess(kAskedToClose);
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

bool RegisterClassNamed(const char* name) {
    WNDCLASSA windowClass{};
    windowClass.lpfnWndProc = DecoyProcedure;
    windowClass.hInstance = GetModuleHandleA(nullptr);
    windowClass.lpszClassName = name;
    return RegisterClassA(&windowClass) != 0;
}

HWND CreateDecoy(const char* className, const char* caption, HWND parent = nullptr) {
    const DWORD style = parent != nullptr ? WS_CHILD : WS_OVERLAPPEDWINDOW;
    return CreateWindowExA(0, className, caption, style, 0, 0, 200, 100, parent, nullptr, GetModuleHandleA(nullptr),
                           nullptr);
}

int Hold(const char* path, DWORD sharing) {
    const corvane::UniqueHandle file(
        CreateFileA(path, GENERIC_READ, sharing, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file) {
        std::fprintf(stderr, "installer_fixture: cannot open %s (error %lu)\n", path, GetLastError());
        return 1;
    }
    std::printf("held\n");
    std::fflush(stdout);
    for (;;) Sleep(INFINITE);
}

// The number of processes in job, plus those that name parentId as their parent outside it (told when report).
DWORD ProcessesLeft(HANDLE job, DWORD parentId, bool report) {
    JOBOBJECT_BASIC_ACCOUNTING_INFORMATION accounting{};
    QueryInformationJobObject(job, JobObjectBasicAccountingInformation, &accounting, sizeof accounting, nullptr);
    DWORD left = accounting.ActiveProcesses;
    const corvane::UniqueHandle snapshot(CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0));
    PROCESSENTRY32 entry{};
    entry.dwSize = sizeof entry;
    for (BOOL more = Process32First(snapshot.Get(), &entry); more; more = Process32Next(snapshot.Get(), &entry)) {
        if (entry.th32ParentProcessID != parentId) continue;
        const corvane::UniqueHandle child(OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, entry.th32ProcessID));
        BOOL inJob = FALSE;
        if (!child || !IsProcessInJob(child.Get(), job, &inJob) || !inJob) {
            if (report)
                std::fprintf(stderr, "installer_fixture: %s (%lu) still runs as a child of the command\n",
                             entry.szExeFile, entry.th32ProcessID);
            ++left;
        }
    }
    return left;
}

int RunAndWait(char* commandLine) {
    // Windows' shell runs before any installer does. Wine starts its desktop process (explorer.exe) when a
    // program first asks for the desktop window: asked here, it is not started by the command, in its job.
    GetDesktopWindow();
    const corvane::UniqueHandle job(CreateJobObjectA(nullptr, nullptr));
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION started{};
    if (!job || !CreateProcessA(nullptr, commandLine, nullptr, nullptr, FALSE, CREATE_SUSPENDED, nullptr, nullptr,
                                &startup, &started)) {
        std::fprintf(stderr, "installer_fixture: cannot run %s (error %lu)\n", commandLine, GetLastError());
        return 1;
    }
    const corvane::UniqueHandle process(started.hProcess);
    const corvane::UniqueHandle thread(started.hThread);
    if (!AssignProcessToJobObject(job.Get(), process.Get())) {
        std::fprintf(stderr, "installer_fixture: cannot put %s in a job (error %lu)\n", commandLine, GetLastError());
        TerminateProcess(process.Get(), 1);
        return 1;
    }
    ResumeThread(thread.Get());
    WaitForSingleObject(process.Get(), INFINITE);
    DWORD code = 1;
    GetExitCodeProcess(process.Get(), &code);
    constexpr int kTenthsToWait = 100;
    for (int tenths = 0; ProcessesLeft(job.Get(), started.dwProcessId, tenths == kTenthsToWait) != 0; ++tenths) {
        if (tenths == kTenthsToWait) {
            std::fprintf(stderr, "installer_fixture: %s left processes running\n", commandLine);
            return kLeftRunning;
        }
        Sleep(100);
    }
    return static_cast<int>(code);
}

int ShowWindows(bool old) {
    if (!RegisterClassNamed(kMainWindowClass) || !RegisterClassNamed(kIconWindowClass)) return 1;
    HWND sameCaption = CreateDecoy(kMainWindowClass, "Corvane V1.2.1");
    HWND withIconWindow = old ? sameCaption : CreateDecoy(kMainWindowClass, "Decoy");
    if (sameCaption == nullptr || withIconWindow == nullptr ||
        CreateDecoy(kIconWindowClass, "", withIconWindow) == nullptr) {
        return 1;
    }
    std::printf("shown\n");
    std::fflush(stdout);
    MSG message;
    while (GetMessageA(&message, nullptr, 0, 0) > 0) DispatchMessageA(&message);
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc == 3 && std::strcmp(argv[1], "hold") == 0) return Hold(argv[2], FILE_SHARE_READ);
    if (argc == 3 && std::strcmp(argv[1], "read") == 0) return Hold(argv[2], FILE_SHARE_READ | FILE_SHARE_WRITE);
    if (argc == 3 && std::strcmp(argv[1], "run") == 0) return RunAndWait(argv[2]);
    if (argc == 2 && std::strcmp(argv[1], "decoy") == 0) return ShowWindows(false);
    if (argc == 2 && std::strcmp(argv[1], "old") == 0) return ShowWindows(true);
    std::fprintf(stderr, "usage: installer_fixture hold FILE | read FILE | run COMMAND | decoy | old\n");
    return 2;
}
