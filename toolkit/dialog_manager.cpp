// A form's part in the dialog manager (IsDialogMessage): it moves the focus
// for Tab, the arrows and mnemonics (WM_NEXTDLGCTL), names its default control
// for Enter (DM_GETDEFID), hands Esc to its cancel handler, passes keyboard
// commands meant for a page on to it, and keeps the focus across deactivation.
#include <windows.h>
#include <commctrl.h>

#include "dialog_keys.h"
#include "form.h"

namespace corvane {
namespace {

// The form whose control `control` is: the nearest form among its ancestors.
Form* FormOf(HWND control) {
    for (HWND window = GetParent(control); window != nullptr; window = GetParent(window)) {
        if (auto* form = dynamic_cast<Form*>(Window::FromHandle(window))) return form;
    }
    return nullptr;
}

bool InSameRadioGroup(HWND focus, HWND target) {
    return IsAutoRadio(focus) && IsAutoRadio(target) && GroupStartOf(focus) == GroupStartOf(target);
}

}  // namespace

void Form::FocusFirstControl() {
    HWND first = initialFocusId_ != 0 ? Control(initialFocusId_) : nullptr;
    if (first == nullptr || !IsWindowEnabled(first)) first = GetNextDlgTabItem(Handle(), nullptr, FALSE);
    if (first != nullptr) MoveFocus(first);
}

void Form::FocusControl(int id) {
    if (HWND control = Control(id)) MoveFocus(control);
}

// The focus moves as Windows' dialogs move it: an edit's text is selected,
// and an arrow onto a radio button chooses it.
void Form::MoveFocus(HWND target) {
    SetFocus(target);
    if ((SendMessageA(target, WM_GETDLGCODE, 0, 0) & DLGC_HASSETSEL) != 0) SendMessageA(target, EM_SETSEL, 0, -1);
}

void Form::NextControl(WPARAM wParam, LPARAM lParam) {
    HWND focus = GetFocus();
    if (focus != nullptr && !IsChild(Handle(), focus)) focus = nullptr;
    HWND target = lParam != 0 ? reinterpret_cast<HWND>(wParam) : GetNextDlgTabItem(Handle(), focus, wParam != 0);
    if (target == nullptr || !IsChild(Handle(), target)) return;
    const bool arrowInGroup = focus != nullptr && InSameRadioGroup(focus, target);
    MoveFocus(target);
    if (arrowInGroup && SendMessageA(target, BM_GETCHECK, 0, 0) != BST_CHECKED) SendMessageA(target, BM_CLICK, 0, 0);
}

void Form::Press(int id) {
    HWND control = Control(id);
    if (control == nullptr || !IsWindowEnabled(control)) return;
    SendMessageA(Handle(), WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(control));
}

void Form::OnCancel() {
    if (cancelId_ != 0) {
        Press(cancelId_);
    } else {
        OnClose();
    }
}

// The dialog manager sends a top-level form Enter and Esc as IDOK and
// IDCANCEL (no control of a form has those ids), and a focused button's
// click with the button: a page's button goes on to its page.
bool Form::OnKeyboardCommand(int id, HWND control) {
    if (control != nullptr) {
        Form* owner = FormOf(control);
        if (owner == nullptr || owner == this) return false;
        SendMessageA(owner->Handle(), WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(control));
        return true;
    }
    if (id == IDCANCEL) {
        OnCancel();
        return true;
    }
    if (id == IDOK) {
        if (defaultId_ != 0) Press(defaultId_);
        return true;
    }
    return false;
}

bool Form::OnDialogMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) {
    switch (message) {
        case WM_NEXTDLGCTL:
            NextControl(wParam, lParam);
            *result = 0;
            return true;
        case DM_GETDEFID: {
            HWND control = defaultId_ != 0 ? Control(defaultId_) : nullptr;
            *result = control != nullptr && IsWindowEnabled(control) ? MAKELRESULT(defaultId_, DC_HASDEFID) : 0;
            return true;
        }
        case WM_UPDATEUISTATE:
            // Mnemonics and focus rectangles come and go with the keyboard cues.
            *result = Window::HandleMessage(message, wParam, lParam);
            RedrawWindow(Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN);
            return true;
        default:
            return false;
    }
}

void Form::SetDefaultControl(int id) {
    defaultId_ = id;
    HWND control = Control(id);
    char className[16] = "";
    if (control != nullptr) GetClassNameA(control, className, sizeof className);
    if (lstrcmpiA(className, "Button") == 0 &&
        (GetWindowLongPtrA(control, GWL_STYLE) & BS_TYPEMASK) == BS_PUSHBUTTON) {
        SendMessageA(control, BM_SETSTYLE, BS_DEFPUSHBUTTON, TRUE);
    }
}

void Form::AnnounceDescription() const {
    HWND label = descriptionId_ != 0 ? Control(descriptionId_) : nullptr;
    if (label == nullptr) return;
    char text[256] = "";
    GetWindowTextA(label, text, sizeof text);
    SetAccessibleDescription(Handle(), text);
}

// A top-level form remembers which of its controls had the focus when it was
// deactivated and gives it back when it is activated again.
void Form::OnActivate(WORD state) {
    if (state == WA_INACTIVE) {
        HWND focus = GetFocus();
        if (focus != nullptr && IsChild(Handle(), focus)) lastFocus_ = focus;
        return;
    }
    if (lastFocus_ != nullptr && IsWindow(lastFocus_) && IsChild(Handle(), lastFocus_) &&
        IsWindowVisible(lastFocus_)) {
        SetFocus(lastFocus_);
    } else {
        FocusFirstControl();
    }
}

}  // namespace corvane
