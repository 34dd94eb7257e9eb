// A popup menu of plain items, shown at the cursor.
#pragma once

#include <windows.h>

#include <initializer_list>

namespace corvane {

class PopupMenu {
public:
    struct Item {
        UINT Id;
        const char* Caption;
    };

    explicit PopupMenu(std::initializer_list<Item> items);
    ~PopupMenu();
    PopupMenu(const PopupMenu&) = delete;
    PopupMenu& operator=(const PopupMenu&) = delete;

    HMENU Handle() const { return menu_; }

    // Shows the menu at the cursor for `owner` and returns the chosen item's id, 0 for none.
    UINT Track(HWND owner) const;

private:
    HMENU menu_;
};

}  // namespace corvane
