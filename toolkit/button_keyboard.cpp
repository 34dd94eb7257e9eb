#include "button_keyboard.h"

#include <windows.h>
#include <commctrl.h>

namespace corvane {
namespace {

constexpr UINT_PTR kLabelButtonSubclass = 0x4c42;  // one id for every label button

bool IsEnterPress(LPARAM message) {
    const auto* key = reinterpret_cast<const MSG*>(message);
    return key != nullptr && key->message == WM_KEYDOWN && key->wParam == VK_RETURN;
}

LRESULT CALLBACK LabelButtonProcedure(HWND button, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR) {
    switch (message) {
        case WM_GETDLGCODE:
            return DLGC_BUTTON | (IsEnterPress(lParam) ? DLGC_WANTMESSAGE : 0);
        case WM_KEYDOWN:
            if (wParam != VK_RETURN) break;
            SendMessageA(GetParent(button), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(button), BN_CLICKED),
                         reinterpret_cast<LPARAM>(button));
            return 0;
        case WM_NCDESTROY:
            RemoveWindowSubclass(button, LabelButtonProcedure, kLabelButtonSubclass);
            break;
        default:
            break;
    }
    return DefSubclassProc(button, message, wParam, lParam);
}

DWORD StyleOf(HWND control) { return static_cast<DWORD>(GetWindowLongPtrA(control, GWL_STYLE)); }

bool IsAutoRadio(HWND control) {
    if (control == nullptr) return false;
    char className[16] = "";
    GetClassNameA(control, className, sizeof className);
    return lstrcmpiA(className, "Button") == 0 && (StyleOf(control) & BS_TYPEMASK) == BS_AUTORADIOBUTTON;
}

void SetTabStop(HWND control, bool on) {
    const DWORD style = StyleOf(control);
    const DWORD wanted = on ? style | WS_TABSTOP : style & ~static_cast<DWORD>(WS_TABSTOP);
    if (wanted != style) SetWindowLongPtrA(control, GWL_STYLE, static_cast<LONG_PTR>(wanted));
}

// The control that starts `control`'s group (WS_GROUP), in z-order.
HWND GroupStartOf(HWND control) {
    HWND first = control;
    while ((StyleOf(first) & WS_GROUP) == 0) {
        HWND previous = GetWindow(first, GW_HWNDPREV);
        if (previous == nullptr) break;
        first = previous;
    }
    return first;
}

// The controls of `first`'s group, in z-order, until the next that starts a group.
template <typename Visit>
void ForEachInGroup(HWND first, Visit visit) {
    for (HWND control = first; control != nullptr; control = GetWindow(control, GW_HWNDNEXT)) {
        if (control != first && (StyleOf(control) & WS_GROUP) != 0) break;
        visit(control);
    }
}

}  // namespace

void MakeLabelButton(HWND button) { SetWindowSubclass(button, LabelButtonProcedure, kLabelButtonSubclass, 0); }

void KeepRadioTabStop(HWND control) {
    if (!IsAutoRadio(control)) return;
    HWND first = GroupStartOf(control);
    HWND firstRadio = nullptr;
    HWND checked = nullptr;
    ForEachInGroup(first, [&](HWND member) {
        if (!IsAutoRadio(member)) return;
        if (firstRadio == nullptr) firstRadio = member;
        if (checked == nullptr && SendMessageA(member, BM_GETCHECK, 0, 0) == BST_CHECKED) checked = member;
    });
    HWND stop = checked != nullptr ? checked : firstRadio;
    ForEachInGroup(first, [stop](HWND member) {
        if (IsAutoRadio(member)) SetTabStop(member, member == stop);
    });
}

UINT PrefixFlags(HWND control, bool mnemonic) {
    if (!mnemonic) return DT_NOPREFIX;
    return (SendMessageA(control, WM_QUERYUISTATE, 0, 0) & UISF_HIDEACCEL) != 0 ? DT_HIDEPREFIX : 0;
}

}  // namespace corvane
