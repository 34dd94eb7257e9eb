// A popup menu of items and separators, shown at a point for an owner window.
#pragma once

#include <windows.h>

#include <initializer_list>

namespace corvane {

class PopupMenu {
public:
    struct Item {
        UINT Id;              // 0: a separator
        const char* Caption;  // ignored for a separator
        bool Checked = false;
    };
    static const Item Separator;

    // Items are inserted by position, in order.
    explicit PopupMenu(std::initializer_list<Item> items);
    PopupMenu(const Item* items, std::size_t count);
    ~PopupMenu();
    PopupMenu(const PopupMenu&) = delete;
    PopupMenu& operator=(const PopupMenu&) = delete;

    HMENU Handle() const { return menu_; }

    // Shows the menu at `at` (screen coordinates), aligned there by
    // `alignment` (TPM_*ALIGN flags), and returns the chosen item's id, 0 for
    // none. The owner's top-level window is brought to the foreground first
    // and the owner is sent WM_NULL afterwards, so that the menu closes when
    // the person clicks elsewhere.
    UINT Choose(HWND owner, POINT at, UINT alignment = TPM_LEFTALIGN | TPM_TOPALIGN) const;
    // The same, but the chosen item reaches the owner as WM_COMMAND.
    void Show(HWND owner, POINT at, UINT alignment = TPM_LEFTALIGN | TPM_TOPALIGN) const;

    // Where a menu opens: at the cursor, or, from the keyboard, below a control's selected list-view row
    // (below the top left of the control when none).
    static POINT AtCursor();
    static POINT BelowSelectedRow(HWND listView);

    // Whether a WM_CONTEXTMENU came from the keyboard (Shift+F10, the menu key) rather than the mouse.
    static bool FromKeyboard(LPARAM contextMenuPosition) { return contextMenuPosition == -1; }

private:
    UINT Track(HWND owner, POINT at, UINT flags) const;

    HMENU menu_;
};

inline const PopupMenu::Item PopupMenu::Separator{0, nullptr, false};

}  // namespace corvane
