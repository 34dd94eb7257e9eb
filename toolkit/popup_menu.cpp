#include "popup_menu.h"

#include <commctrl.h>

#include "application.h"

namespace corvane {

PopupMenu::PopupMenu(std::initializer_list<Item> items) : PopupMenu(items.begin(), items.size()) {}

PopupMenu::PopupMenu(const Item* items, std::size_t count) : menu_(CreatePopupMenu()) {
    for (std::size_t position = 0; position < count; ++position) {
        const Item& item = items[position];
        MENUITEMINFOA info{};
        info.cbSize = sizeof info;
        info.fMask = MIIM_STATE | MIIM_ID | MIIM_TYPE;
        if (item.Id == 0) {
            info.fType = MFT_SEPARATOR;
        } else {
            info.fType = MFT_STRING;
            info.fState = item.Checked ? MFS_CHECKED : MFS_UNCHECKED;
            info.wID = item.Id;
            info.dwTypeData = const_cast<char*>(item.Caption);
        }
        InsertMenuItemA(menu_, static_cast<UINT>(position), TRUE, &info);
    }
}

PopupMenu::~PopupMenu() {
    if (menu_ != nullptr) DestroyMenu(menu_);
}

UINT PopupMenu::Track(HWND owner, POINT at, UINT flags) const {
    // Unless its owner's window is in the foreground, a menu does not close
    // when the person clicks elsewhere. A hidden window (the main window of a
    // program in the notification area) must not take the foreground: its
    // focused control would take keys meant for nobody, so the task-bar
    // window, which has no controls, takes it instead.
    HWND root = GetAncestor(owner, GA_ROOT);
    SetForegroundWindow(IsWindowVisible(root) || App().Handle() == nullptr ? root : App().Handle());
    BOOL chosen = FALSE;
    {
        const NestedLoop loop;  // the menu runs its own message loop
        chosen = TrackPopupMenuEx(menu_, flags | TPM_RIGHTBUTTON, at.x, at.y, owner, nullptr);
    }
    PostMessageA(owner, WM_NULL, 0, 0);
    return static_cast<UINT>(chosen);
}

UINT PopupMenu::Choose(HWND owner, POINT at, UINT alignment) const {
    return Track(owner, at, alignment | TPM_RETURNCMD);
}

void PopupMenu::Show(HWND owner, POINT at, UINT alignment) const { Track(owner, at, alignment); }

POINT PopupMenu::AtCursor() {
    POINT cursor{};
    GetCursorPos(&cursor);
    return cursor;
}

POINT PopupMenu::BelowSelectedRow(HWND listView) {
    POINT at{0, 0};
    const int row = ListView_GetNextItem(listView, -1, LVNI_SELECTED);
    RECT bounds{};
    if (row >= 0 && ListView_GetItemRect(listView, row, &bounds, LVIR_LABEL)) {
        at = {bounds.left, bounds.bottom};
    }
    ClientToScreen(listView, &at);
    return at;
}

}  // namespace corvane
