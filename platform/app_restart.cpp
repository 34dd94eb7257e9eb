#include "app_restart.h"

#include <windows.h>

namespace corvane {
namespace {

// Windows Vista and later; looked up so that the program still starts where they are missing.
using RegisterRestartFn = HRESULT(WINAPI*)(PCWSTR commandLine, DWORD flags);
using UnregisterRestartFn = HRESULT(WINAPI*)();

template <typename Fn>
Fn Kernel32Entry(const char* name) {
    // void (*)() converts to and from every function pointer type.
    return reinterpret_cast<Fn>(reinterpret_cast<void (*)()>(GetProcAddress(GetModuleHandleA("kernel32.dll"), name)));
}

// Every start after the first is hidden and takes no arguments.
constexpr wchar_t kHiddenStartArguments[] = L"";
constexpr DWORD kOnlyAfterUpdate = RESTART_NO_CRASH | RESTART_NO_HANG | RESTART_NO_REBOOT;

}  // namespace

void SetRestartAfterUpdate(bool on) {
    if (on) {
        if (auto registerRestart = Kernel32Entry<RegisterRestartFn>("RegisterApplicationRestart")) {
            registerRestart(kHiddenStartArguments, kOnlyAfterUpdate);
        }
    } else if (auto unregisterRestart = Kernel32Entry<UnregisterRestartFn>("UnregisterApplicationRestart")) {
        unregisterRestart();
    }
}

}  // namespace corvane
