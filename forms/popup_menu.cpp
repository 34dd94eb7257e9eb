#include "popup_menu.h"

namespace corvane {

PopupMenu::PopupMenu(std::initializer_list<Item> items) : menu_(CreatePopupMenu()) {
    for (const Item& item : items) AppendMenuA(menu_, MF_STRING, item.Id, item.Caption);
}

PopupMenu::~PopupMenu() {
    if (menu_ != nullptr) DestroyMenu(menu_);
}

UINT PopupMenu::Track(HWND owner) const {
    POINT cursor;
    GetCursorPos(&cursor);
    // The owner must be in the foreground, or the menu does not close when the person clicks elsewhere.
    SetForegroundWindow(owner);
    const auto chosen = static_cast<UINT>(TrackPopupMenu(menu_, TPM_RETURNCMD | TPM_RIGHTBUTTON, cursor.x, cursor.y, 0,
                                                         owner, nullptr));
    PostMessageA(owner, WM_NULL, 0, 0);
    return chosen;
}

}  // namespace corvane
