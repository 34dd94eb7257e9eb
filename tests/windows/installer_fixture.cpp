// What the installer's tests need from another Windows process:
//   installer_fixture hold FILE    opens FILE as Windows holds a running program's file (read sharing only:
//                                  neither written nor deleted while held), prints "held", then waits to be ended
//   installer_fixture run COMMAND  runs COMMAND as a deployment tool runs an uninstall string (the command line
//                                  as it stands, no shell), waits for that process and exits with its exit code
//   installer_fixture decoy        shows two top-level windows of Corvane's main window class that are not
//                                  Corvane's (one with its caption but no icon window, one with an icon window
//                                  but another caption), prints "shown", then runs until it is ended
//   installer_fixture old          shows a main window as release 1.2.1 had it (its caption and icon window, no
//                                  answer to the instance message), prints "shown", then runs until it is ended
// A window that receives WM_CLOSE prints it and exits with 3. Exits with 1 when FILE cannot be opened, 2 on
// wrong use.
#include <windows.h>

#include <cstdio>
#include <cstring>

#include "program_driver.h"
#include "win_handles.h"

namespace {

using namespace corvane::testing;

constexpr int kAskedToClose = 3;

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

int Hold(const char* path) {
    const corvane::UniqueHandle file(
        CreateFileA(path, GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file) {
        std::fprintf(stderr, "installer_fixture: cannot open %s (error %lu)\n", path, GetLastError());
        return 1;
    }
    std::printf("held\n");
    std::fflush(stdout);
    for (;;) Sleep(INFINITE);
}

int RunAndWait(char* commandLine) {
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION started{};
    if (!CreateProcessA(nullptr, commandLine, nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &started)) {
        std::fprintf(stderr, "installer_fixture: cannot run %s (error %lu)\n", commandLine, GetLastError());
        return 1;
    }
    const corvane::UniqueHandle process(started.hProcess);
    const corvane::UniqueHandle thread(started.hThread);
    WaitForSingleObject(process.Get(), INFINITE);
    DWORD code = 1;
    GetExitCodeProcess(process.Get(), &code);
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
    if (argc == 3 && std::strcmp(argv[1], "hold") == 0) return Hold(argv[2]);
    if (argc == 3 && std::strcmp(argv[1], "run") == 0) return RunAndWait(argv[2]);
    if (argc == 2 && std::strcmp(argv[1], "decoy") == 0) return ShowWindows(false);
    if (argc == 2 && std::strcmp(argv[1], "old") == 0) return ShowWindows(true);
    std::fprintf(stderr, "usage: installer_fixture hold FILE | run COMMAND | decoy | old\n");
    return 2;
}
