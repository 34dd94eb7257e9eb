#include "dialog_keys.h"

#include <windows.h>
#include <commctrl.h>
#include <initguid.h>
#include <oleacc.h>

#include <string>

namespace corvane {
namespace {

constexpr UINT_PTR kKeyboardButtonSubclass = 0x4b42;  // one id for every keyboard button

LRESULT CALLBACK KeyboardButtonProcedure(HWND button, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                         DWORD_PTR) {
    switch (message) {
        case WM_GETDLGCODE:
            return DLGC_BUTTON | (GetFocus() == button ? DLGC_DEFPUSHBUTTON : DLGC_UNDEFPUSHBUTTON);
        case WM_NCDESTROY:
            RemoveWindowSubclass(button, KeyboardButtonProcedure, kKeyboardButtonSubclass);
            break;
        default:
            break;
    }
    return DefSubclassProc(button, message, wParam, lParam);
}

DWORD StyleOf(HWND control) { return static_cast<DWORD>(GetWindowLongPtrA(control, GWL_STYLE)); }

void SetTabStop(HWND control, bool on) {
    const DWORD style = StyleOf(control);
    const DWORD wanted = on ? style | WS_TABSTOP : style & ~static_cast<DWORD>(WS_TABSTOP);
    if (wanted != style) SetWindowLongPtrA(control, GWL_STYLE, static_cast<LONG_PTR>(wanted));
}

}  // namespace

HWND GroupStartOf(HWND control) {
    HWND first = control;
    while ((StyleOf(first) & WS_GROUP) == 0) {
        HWND previous = GetWindow(first, GW_HWNDPREV);
        if (previous == nullptr) break;
        first = previous;
    }
    return first;
}

namespace {

// The controls of `first`'s group, in z-order, until the next that starts a group.
template <typename Visit>
void ForEachInGroup(HWND first, Visit visit) {
    for (HWND control = first; control != nullptr; control = GetWindow(control, GW_HWNDNEXT)) {
        if (control != first && (StyleOf(control) & WS_GROUP) != 0) break;
        visit(control);
    }
}

}  // namespace

void MakeKeyboardButton(HWND button) {
    SetWindowSubclass(button, KeyboardButtonProcedure, kKeyboardButtonSubclass, 0);
}

bool IsAutoRadio(HWND control) {
    if (control == nullptr) return false;
    char className[16] = "";
    GetClassNameA(control, className, sizeof className);
    return lstrcmpiA(className, "Button") == 0 && (StyleOf(control) & BS_TYPEMASK) == BS_AUTORADIOBUTTON;
}

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

bool HidesMnemonics(HWND window) { return (SendMessageA(window, WM_QUERYUISTATE, 0, 0) & UISF_HIDEACCEL) != 0; }

UINT PrefixFlags(HWND control, bool mnemonic) {
    if (!mnemonic) return DT_NOPREFIX;
    return HidesMnemonics(control) ? DT_HIDEPREFIX : 0;
}

namespace {

constexpr DWORD kAnnotatedObjects[] = {static_cast<DWORD>(OBJID_WINDOW), static_cast<DWORD>(OBJID_CLIENT)};

// Runs `use` with Windows' annotation service, where there is one.
template <typename Use>
void WithAnnotations(Use use) {
    const HRESULT started = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    IAccPropServices* services = nullptr;
    if (SUCCEEDED(CoCreateInstance(CLSID_AccPropServices, nullptr, CLSCTX_INPROC_SERVER, IID_IAccPropServices,
                                   reinterpret_cast<void**>(&services)))) {
        use(*services);
        services->Release();
    }
    if (SUCCEEDED(started)) CoUninitialize();
}

}  // namespace

void SetAccessibleDescription(HWND window, const char* text) {
    std::wstring wide(static_cast<std::size_t>(MultiByteToWideChar(CP_ACP, 0, text, -1, nullptr, 0)), L'\0');
    if (wide.empty()) return;
    MultiByteToWideChar(CP_ACP, 0, text, -1, &wide[0], static_cast<int>(wide.size()));
    WithAnnotations([&](IAccPropServices& services) {
        for (const DWORD object : kAnnotatedObjects) {
            services.SetHwndPropStr(window, object, CHILDID_SELF, PROPID_ACC_DESCRIPTION, wide.c_str());
        }
    });
}

void ClearAccessibleDescription(HWND window) {
    MSAAPROPID property = PROPID_ACC_DESCRIPTION;
    WithAnnotations([&](IAccPropServices& services) {
        for (const DWORD object : kAnnotatedObjects) services.ClearHwndProps(window, object, CHILDID_SELF, &property, 1);
    });
}

}  // namespace corvane
