#include "session_watch.h"

namespace corvane {
namespace {

using RegisterFn = BOOL(WINAPI*)(HWND, DWORD);
using UnregisterFn = BOOL(WINAPI*)(HWND);
constexpr DWORD kThisSessionOnly = 0;  // NOTIFY_FOR_THIS_SESSION

}  // namespace

SessionWatch::SessionWatch(HWND window) : window_(window), library_(LoadLibraryA("wtsapi32.dll")) {
    const auto registerWindow = library_.Entry<RegisterFn>("WTSRegisterSessionNotification");
    registered_ = registerWindow != nullptr && registerWindow(window_, kThisSessionOnly) != FALSE;
}

SessionWatch::~SessionWatch() {
    const auto unregisterWindow = library_.Entry<UnregisterFn>("WTSUnRegisterSessionNotification");
    if (registered_ && unregisterWindow != nullptr) unregisterWindow(window_);
}

}  // namespace corvane
