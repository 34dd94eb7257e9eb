#include "disabled_scope.h"

namespace corvane {

DisabledScope::DisabledScope(HWND window) {
    if (window != nullptr) Disable(window);
}

DisabledScope::DisabledScope(ThreadWindowsBut others) : except_(others.Except) {
    EnumThreadWindows(GetCurrentThreadId(), DisableOther, reinterpret_cast<LPARAM>(this));
}

DisabledScope::~DisabledScope() {
    for (HWND window : disabled_) {
        if (IsWindow(window)) EnableWindow(window, TRUE);
    }
}

BOOL CALLBACK DisabledScope::DisableOther(HWND window, LPARAM scope) {
    auto* self = reinterpret_cast<DisabledScope*>(scope);
    if (window != self->except_) self->Disable(window);
    return TRUE;
}

void DisabledScope::Disable(HWND window) {
    if (!IsWindowEnabled(window)) return;
    EnableWindow(window, FALSE);
    disabled_.push_back(window);
}

}  // namespace corvane
