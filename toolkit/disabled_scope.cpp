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
    // While its window was disabled, the focus left the control that had it
    // (for another of the window's controls, or for none): it comes back,
    // unless another window has it now.
    if (focus_ == nullptr || !IsWindow(focus_) || !IsWindowVisible(focus_) || !IsWindowEnabled(focus_)) return;
    HWND now = GetFocus();
    if (now == nullptr || GetAncestor(now, GA_ROOT) == GetAncestor(focus_, GA_ROOT)) SetFocus(focus_);
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
