#include "ui_services.h"

#include <shellapi.h>

#include <string>

#include "application.h"
#include "local_clock.h"
#include "win_handles.h"

namespace corvane {
namespace {

UiServices realServices;
UiServices* current = &realServices;

// Owned by a window of the program, a message cannot be covered by any other
// of its windows; with every window hidden, it comes to the front by itself.
HWND QuestionOwnerAndType(HWND owner, UINT* type) {
    HWND shown = App().QuestionOwner(owner);
    if (shown == nullptr || !IsWindowVisible(shown)) *type |= MB_SETFOREGROUND;
    return shown;
}

}  // namespace

int UiServices::ShowMessage(HWND owner, const char* text, const char* caption, UINT type) {
    const NestedLoop loop;
    HWND shownOwner = QuestionOwnerAndType(owner, &type);
    return MessageBoxA(shownOwner, text, caption, type);
}

int UiServices::ShowMessageW(HWND owner, const wchar_t* text, const wchar_t* caption, UINT type) {
    const NestedLoop loop;
    HWND shownOwner = QuestionOwnerAndType(owner, &type);
    return MessageBoxW(shownOwner, text, caption, type);
}

void UiServices::Beep(UINT type) { MessageBeep(type); }

bool UiServices::ShellOpen(HWND owner, const char* target) {
    return reinterpret_cast<INT_PTR>(ShellExecuteA(owner, "open", target, nullptr, nullptr, SW_SHOWNORMAL)) > 32;
}

bool UiServices::OpenFile(HWND owner, const wchar_t* path) {
    return reinterpret_cast<INT_PTR>(ShellExecuteW(owner, L"open", path, nullptr, nullptr, SW_SHOWNORMAL)) > 32;
}

bool UiServices::StartProgram(const char* path, int show) {
    // The program is named twice: as the application, so no other file is
    // ever run in its place, and quoted as the command line's first word, so
    // a path with spaces stays one word for the program itself.
    std::string commandLine = std::string("\"") + path + "\"";
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESHOWWINDOW;
    startup.wShowWindow = static_cast<WORD>(show);
    PROCESS_INFORMATION process{};
    if (!CreateProcessA(path, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process)) {
        return false;
    }
    UniqueHandle thread(process.hThread);
    UniqueHandle started(process.hProcess);
    return true;
}

LocalTime UiServices::Now() { return ReadLocalClock(); }

bool UiServices::HighContrast() {
    HIGHCONTRASTA contrast{sizeof contrast, 0, nullptr};
    return SystemParametersInfoA(SPI_GETHIGHCONTRAST, sizeof contrast, &contrast, 0) != FALSE &&
           (contrast.dwFlags & HCF_HIGHCONTRASTON) != 0;
}

UiServices& Ui() { return *current; }

void SetUiServices(UiServices* services) { current = services != nullptr ? services : &realServices; }

}  // namespace corvane
