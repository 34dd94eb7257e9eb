// Does from outside what a person does with Corvane's notification-area icon,
// for scripts that run Corvane without a person at the screen:
//   program_remote wait      waits until Corvane has started (its main window answers)
//   program_remote running   tells at once whether Corvane runs
//   program_remote show      shows the main window, as a left click on the icon does, unless it is shown
//   program_remote exit      chooses "Exit" from the icon's menu and waits until Corvane has ended
// Corvane of any version is found as its next start finds it. Exits with 0 when done, 1 when Corvane is not
// running or does not answer, 2 on wrong use.
#include <windows.h>

#include <cstdio>
#include <cstring>

#include "program_driver.h"
#include "running_instance.h"

namespace {

using namespace corvane::testing;

constexpr UINT kTrayNotify = WM_USER + 200;
constexpr WPARAM kExitCommand = 1101;

constexpr UINT kAnswerMilliseconds = 2000;

HWND RunningIconWindow() { return IconWindowOf(corvane::FindRunningCorvane(kAnswerMilliseconds)); }

bool WaitForExit(HWND icon) {
    DWORD processId = 0;
    GetWindowThreadProcessId(icon, &processId);
    HANDLE process = OpenProcess(SYNCHRONIZE, FALSE, processId);
    if (process == nullptr) return false;
    PostMessageA(icon, WM_COMMAND, kExitCommand, 0);
    const bool ended = WaitForSingleObject(process, 30000) == WAIT_OBJECT_0;
    CloseHandle(process);
    return ended;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: program_remote wait|running|show|exit\n");
        return 2;
    }
    if (std::strcmp(argv[1], "running") == 0) return RunningIconWindow() != nullptr ? 0 : 1;
    HWND icon = nullptr;
    const bool running = WaitFor([&] { return (icon = RunningIconWindow()) != nullptr; }, 30000);
    if (!running) {
        std::fprintf(stderr, "program_remote: Corvane is not running\n");
        return 1;
    }
    if (std::strcmp(argv[1], "wait") == 0) return 0;
    if (std::strcmp(argv[1], "show") == 0) {
        HWND main = GetParent(icon);
        if (!IsWindowVisible(main)) PostMessageA(icon, kTrayNotify, 0, WM_LBUTTONDOWN);
        return WaitFor([main] { return IsWindowVisible(main) != FALSE; }) ? 0 : 1;
    }
    if (std::strcmp(argv[1], "exit") == 0) return WaitForExit(icon) ? 0 : 1;
    std::fprintf(stderr, "usage: program_remote wait|running|show|exit\n");
    return 2;
}
