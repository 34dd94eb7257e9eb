// Filling a user chooser from the user list.
#pragma once

#include <windows.h>

#include "user_list.h"

namespace corvane {

// Replaces the combo box's items with one per record, in list order, and
// selects the first when there is one. Each item carries its user's ID rather
// than the record itself, so a chooser can never reach a record that has since
// been deleted, nor another user's record that took its place in memory.
void FillUserCombo(const UserList* list, HWND combo);

// The record of the user of item `index` of a chooser that FillUserCombo
// filled: the first record in `list` with that item's user ID; null when the
// item does not exist or its user is no longer in the list.
UserRecord* UserComboRecord(HWND combo, int index, const UserList* list);

}  // namespace corvane
