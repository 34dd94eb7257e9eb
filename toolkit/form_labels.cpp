// Labels fitted to their texts: a label, check box or radio button grows to
// the right for a text wider than its layout, within the room its line leaves.
#include <windows.h>
#include <commctrl.h>

#include <algorithm>

#include "controls.h"
#include "dpi.h"
#include "form.h"

namespace corvane {
namespace {

bool IsLabel(HWND control) {
    char className[16] = "";
    GetClassNameA(control, className, sizeof className);
    const auto style = static_cast<DWORD>(GetWindowLongPtrA(control, GWL_STYLE));
    if (lstrcmpiA(className, "Button") == 0) return (style & BS_TYPEMASK) == BS_OWNERDRAW;
    return lstrcmpiA(className, "Static") == 0 && (style & SS_TYPEMASK) == SS_OWNERDRAW;
}

bool IsCheckOrRadio(HWND control) {
    char className[16] = "";
    GetClassNameA(control, className, sizeof className);
    const auto type = static_cast<DWORD>(GetWindowLongPtrA(control, GWL_STYLE) & BS_TYPEMASK);
    return lstrcmpiA(className, "Button") == 0 && (type == BS_AUTOCHECKBOX || type == BS_AUTORADIOBUTTON);
}

// The width a check box or radio button needs for its box, the gap and its
// text, as the system lays them out at the screen's scaling.
int IdealWidth(HWND control) {
    SIZE ideal{0, 0};
    if (!IsCheckOrRadio(control) || !SendMessageA(control, BCM_GETIDEALSIZE, 0, reinterpret_cast<LPARAM>(&ideal))) return 0;
    return ideal.cx;
}

// Room a control takes beside its text: the box of a check box or radio button and its gap.
int GlyphWidth(HWND control) { return IsCheckOrRadio(control) ? GetSystemMetrics(SM_CXMENUCHECK) + 4 : 0; }

// The width of `text` as drawn: a mnemonic's '&' takes no room.
int TextWidth(HWND control, const char* text, HFONT font, bool mnemonic) {
    HDC dc = GetDC(control);
    HGDIOBJ previous = SelectObject(dc, font);
    RECT size{0, 0, 0, 0};
    DrawTextA(dc, text, -1, &size, DT_CALCRECT | DT_SINGLELINE | (mnemonic ? 0u : static_cast<UINT>(DT_NOPREFIX)));
    SelectObject(dc, previous);
    ReleaseDC(control, dc);
    return size.right - size.left;
}

}  // namespace

// A label (or check box or radio button) whose text is wider than its layout
// grows to the right, as far as the next visible control on its line or its
// parent's edge. A label over a picture stays within the picture and 4 pixels
// off its edges, moving left within it when it must. A label's text that
// still does not fit is drawn ending in "...".
void Form::FitLabel(HWND label) {
    ControlLook* look = FindLook(label);
    if (look == nullptr) return;
    char text[256] = "";
    GetWindowTextA(label, text, sizeof text);
    const int needed = std::max(IdealWidth(label),
                                GlyphWidth(label) + TextWidth(label, text, Font(look->Font), look->Mnemonic) + 1);
    if (look->LayoutLeft < 0) look->LayoutLeft = RectInParent(label).left;
    const RECT own = RectInParent(label);
    int left = look->LayoutLeft;
    int width = look->LayoutWidth;
    if (needed > width) {
        HWND backdrop = look->Backdrop != 0 ? Control(look->Backdrop) : nullptr;
        if (backdrop != nullptr) {
            // The text keeps off the picture's edges, as a button's caption does.
            RECT picture = RectInParent(backdrop);
            InflateRect(&picture, -Scaled(4), 0);
            width = std::max(width, std::min(needed, static_cast<int>(picture.right - left)));
            left = std::max(static_cast<int>(picture.left), std::min(left, static_cast<int>(picture.right) - needed));
            width = std::max(width, std::min(needed, static_cast<int>(picture.right - left)));
        } else {
            width = std::max(width, std::min(needed, RoomToTheRight(label, own) - left));
        }
    }
    if (left != own.left || width != own.right - own.left) {
        SetWindowPos(label, nullptr, left, own.top, width, own.bottom - own.top, SWP_NOZORDER | SWP_NOACTIVATE);
    }
}

// The right edge a label at `own` may grow to: its parent's edge, or the left
// edge of the first visible control after it on its line.
int Form::RoomToTheRight(HWND label, const RECT& own) const {
    const ControlLook* look = LookOf(label);
    RECT parent;
    GetClientRect(GetParent(label), &parent);
    int limit = parent.right;
    for (HWND sibling = GetWindow(GetParent(label), GW_CHILD); sibling != nullptr;
         sibling = GetWindow(sibling, GW_HWNDNEXT)) {
        if (sibling == label || (GetWindowLongPtrA(sibling, GWL_STYLE) & WS_VISIBLE) == 0) continue;
        const RECT other = RectInParent(sibling);
        const bool sameLine = other.top < own.bottom && other.bottom > own.top;
        if (sameLine && other.left >= look->LayoutLeft + look->LayoutWidth && other.left < limit) limit = other.left;
    }
    return limit;
}

void Form::FitLabels() {
    for (const OwnControl& control : controls_) {
        if (IsLabel(control.Handle) || IsCheckOrRadio(control.Handle)) FitLabel(control.Handle);
    }
}

void Form::SetLabelText(int id, const char* text) {
    HWND label = Control(id);
    if (label == nullptr) return;
    SetWindowTextA(label, text);
    FitLabel(label);
    InvalidateRect(label, nullptr, FALSE);
}

void Form::SetLabelColor(int id, COLORREF color) {
    HWND label = Control(id);
    ControlLook* look = FindLook(label);
    if (look == nullptr || look->Text == color) return;
    look->Text = color;
    InvalidateRect(label, nullptr, FALSE);
}

}  // namespace corvane
