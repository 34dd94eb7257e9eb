#include "session_watch.h"

#include <wtsapi32.h>

#include <cstring>
#include <cwchar>

#include "unique_resource.h"

namespace corvane {
namespace {

using RegisterFn = BOOL(WINAPI*)(HWND, DWORD);
using UnregisterFn = BOOL(WINAPI*)(HWND);
using QueryFn = BOOL(WINAPI*)(HANDLE, DWORD, WTS_INFO_CLASS, LPWSTR*, DWORD*);
using FreeFn = void(WINAPI*)(PVOID);
constexpr DWORD kThisSessionOnly = 0;  // NOTIFY_FOR_THIS_SESSION

struct DesktopTraits {
    static HDESK None() { return nullptr; }
    static bool IsValid(HDESK desktop) { return desktop != nullptr; }
    static void Release(HDESK desktop) { CloseDesktop(desktop); }
};

bool InputDesktopLocked() {
    const UniqueResource<HDESK, DesktopTraits> desktop(OpenInputDesktop(0, FALSE, DESKTOP_READOBJECTS));
    // Denied: another session's secure desktop has the input. A system that
    // has no such call has no lock screen either.
    if (!desktop) return GetLastError() != ERROR_CALL_NOT_IMPLEMENTED;
    wchar_t name[64] = L"";
    DWORD needed = 0;
    if (!GetUserObjectInformationW(desktop.Get(), UOI_NAME, name, sizeof name - sizeof name[0], &needed)) return false;
    name[63] = L'\0';
    return _wcsicmp(name, L"Winlogon") == 0;
}

}  // namespace

SessionWatch::SessionWatch(HWND window) : window_(window), library_(LoadLibraryA("wtsapi32.dll")) {
    const auto registerWindow = library_.Entry<RegisterFn>("WTSRegisterSessionNotification");
    registered_ = registerWindow != nullptr && registerWindow(window_, kThisSessionOnly) != FALSE;
}

SessionWatch::~SessionWatch() {
    const auto unregisterWindow = library_.Entry<UnregisterFn>("WTSUnRegisterSessionNotification");
    if (registered_ && unregisterWindow != nullptr) unregisterWindow(window_);
}

SessionState SessionWatch::State() const {
    SessionState state;
    state.Locked = InputDesktopLocked();
    const auto query = library_.Entry<QueryFn>("WTSQuerySessionInformationW");
    const auto release = library_.Entry<FreeFn>("WTSFreeMemory");
    LPWSTR buffer = nullptr;
    DWORD bytes = 0;
    if (query != nullptr && release != nullptr &&
        query(WTS_CURRENT_SERVER_HANDLE, WTS_CURRENT_SESSION, WTSConnectState, &buffer, &bytes) && buffer != nullptr) {
        WTS_CONNECTSTATE_CLASS connection = WTSActive;
        if (bytes >= sizeof connection) std::memcpy(&connection, buffer, sizeof connection);
        state.Disconnected = connection != WTSActive;
    }
    if (buffer != nullptr && release != nullptr) release(buffer);
    return state;
}

}  // namespace corvane
