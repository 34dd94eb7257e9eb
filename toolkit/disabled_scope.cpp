#include "disabled_scope.h"

namespace corvane {

DisabledScope::DisabledScope(HWND window) : focus_(GetFocus()) {
    if (window != nullptr) Disable(window);
}

DisabledScope::DisabledScope(ThreadWindowsBut others) : except_(others.Except), focus_(GetFocus()) {
    EnumThreadWindows(GetCurrentThreadId(), DisableOther, reinterpret_cast<LPARAM>(this));
}

DisabledScope::~DisabledScope() {
    for (HWND window : disabled_) {
        if (IsWindow(window)) EnableWindow(window, TRUE);
    }
    // Disabling a window takes the focus from the control in it: the control
    // that had it gets it back, unless the focus has gone somewhere since.
    if (GetFocus() == nullptr && focus_ != nullptr && IsWindow(focus_) && IsWindowVisible(focus_) &&
        IsWindowEnabled(focus_)) {
        SetFocus(focus_);
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
