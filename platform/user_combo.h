// Filling a user chooser from the user list.
#pragma once

#include <windows.h>

#include "user_list.h"

namespace corvane {

// Replaces the combo box's items with one per record, in list order, each
// carrying its record as item data, and selects the first when there is one.
void FillUserCombo(const UserList* list, HWND combo);

// The record attached to item `index` of a chooser FillUserCombo filled; null when there is none.
UserRecord* UserComboRecord(HWND combo, int index);

}  // namespace corvane
