// One-line wrappers over the messages of the standard controls.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include <string>

#include "button_keyboard.h"

namespace corvane {

inline std::string TextOf(HWND control) {
    char text[512] = "";
    GetWindowTextA(control, text, sizeof text);
    return text;
}

inline void SetText(HWND control, const char* text) { SetWindowTextA(control, text); }

inline bool IsChecked(HWND button) { return SendMessageA(button, BM_GETCHECK, 0, 0) == BST_CHECKED; }
// A radio button's group keeps its Tab stop on the checked button.
inline void SetChecked(HWND button, bool checked) {
    SendMessageA(button, BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
    KeepRadioTabStop(button);
}

inline int ComboCount(HWND combo) { return static_cast<int>(SendMessageA(combo, CB_GETCOUNT, 0, 0)); }
inline int ComboSelection(HWND combo) { return static_cast<int>(SendMessageA(combo, CB_GETCURSEL, 0, 0)); }
inline void ComboSelect(HWND combo, int index) { SendMessageA(combo, CB_SETCURSEL, static_cast<WPARAM>(index), 0); }
inline void ComboAdd(HWND combo, const char* text) {
    SendMessageA(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text));
}
inline LPARAM ComboItemData(HWND combo, int index) {
    return static_cast<LPARAM>(SendMessageA(combo, CB_GETITEMDATA, static_cast<WPARAM>(index), 0));
}

inline int ListBoxCount(HWND list) { return static_cast<int>(SendMessageA(list, LB_GETCOUNT, 0, 0)); }
inline int ListBoxSelection(HWND list) { return static_cast<int>(SendMessageA(list, LB_GETCURSEL, 0, 0)); }
inline void ListBoxSelect(HWND list, int index) { SendMessageA(list, LB_SETCURSEL, static_cast<WPARAM>(index), 0); }
inline void ListBoxClear(HWND list) { SendMessageA(list, LB_RESETCONTENT, 0, 0); }
// Appends an item carrying `data`; returns its index (negative when it could not be added).
inline int ListBoxAdd(HWND list, const char* text, LPARAM data) {
    const auto index = static_cast<int>(SendMessageA(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text)));
    if (index >= 0) SendMessageA(list, LB_SETITEMDATA, static_cast<WPARAM>(index), data);
    return index;
}
inline LPARAM ListBoxItemData(HWND list, int index) {
    return static_cast<LPARAM>(SendMessageA(list, LB_GETITEMDATA, static_cast<WPARAM>(index), 0));
}
inline void ListBoxDelete(HWND list, int index) { SendMessageA(list, LB_DELETESTRING, static_cast<WPARAM>(index), 0); }

inline SYSTEMTIME PickerTime(HWND picker) {
    SYSTEMTIME time{};
    SendMessageA(picker, DTM_GETSYSTEMTIME, 0, reinterpret_cast<LPARAM>(&time));
    return time;
}
inline void SetPickerTime(HWND picker, const SYSTEMTIME& time) {
    SendMessageA(picker, DTM_SETSYSTEMTIME, GDT_VALID, reinterpret_cast<LPARAM>(&time));
}

// The rectangle of `control` in its parent's client coordinates.
inline RECT RectInParent(HWND control) {
    RECT rect;
    GetWindowRect(control, &rect);
    MapWindowPoints(nullptr, GetParent(control), reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

inline void ShowControl(HWND control, bool shown) { ShowWindow(control, shown ? SW_SHOW : SW_HIDE); }
// Whether the control itself is set to be shown, whatever its window's state.
inline bool IsShown(HWND control) { return (GetWindowLongPtrA(control, GWL_STYLE) & WS_VISIBLE) != 0; }

}  // namespace corvane
