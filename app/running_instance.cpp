#include "running_instance.h"

#include "product.h"

namespace corvane {

HWND NextMainWindowLike(HWND after) {
    HWND window = after;
    while ((window = FindWindowExA(nullptr, window, CORVANE_MAIN_WINDOW_CLASS, nullptr)) != nullptr) {
        if (FindWindowExA(window, nullptr, CORVANE_ICON_WINDOW_CLASS, nullptr) != nullptr) return window;
    }
    return nullptr;
}

InstanceAnswer AskInstance(HWND window, WPARAM request, UINT milliseconds) {
    const UINT message = RegisterWindowMessageA(kInstanceMessage);
    DWORD_PTR answer = 0;
    if (message == 0 ||
        SendMessageTimeoutA(window, message, request, 0, SMTO_ABORTIFHUNG, milliseconds, &answer) == 0) {
        return InstanceAnswer::None;
    }
    if (static_cast<LRESULT>(answer) == kAnswerRunning) return InstanceAnswer::Running;
    if (static_cast<LRESULT>(answer) == kAnswerEnding) return InstanceAnswer::Ending;
    return InstanceAnswer::Other;
}

bool IsUnansweringRelease(HWND window) {
    char caption[sizeof CORVANE_UNANSWERING_CAPTION + 1] = "";
    GetWindowTextA(window, caption, sizeof caption);
    return lstrcmpA(caption, CORVANE_UNANSWERING_CAPTION) == 0;
}

HWND FindRunningCorvane(UINT millisecondsEach) {
    for (HWND window = NextMainWindowLike(nullptr); window != nullptr; window = NextMainWindowLike(window)) {
        const InstanceAnswer answer = AskInstance(window, irIdentify, millisecondsEach);
        if (answer == InstanceAnswer::Running || answer == InstanceAnswer::Ending) return window;
        if (IsUnansweringRelease(window)) return window;
    }
    return nullptr;
}

}  // namespace corvane
