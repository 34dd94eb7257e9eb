// Report list views with check boxes and sub-items, as the conduit page uses.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include <string>

namespace corvane {

// Adds a column; a width of 0 keeps a column of data the person never sees.
void AddListColumn(HWND list, int index, const char* caption, int width);

// Appends a row with its first column's text; returns its index.
int AddListRow(HWND list, const char* caption);

void SetListCell(HWND list, int row, int column, const char* text);
std::string ListCell(HWND list, int row, int column);

// Check boxes are set after the row exists: a row inserted already marked
// checked reads back unchecked on some common-controls versions.
inline void SetRowChecked(HWND list, int row, bool checked) { ListView_SetCheckState(list, row, checked ? TRUE : FALSE); }
inline bool RowChecked(HWND list, int row) { return ListView_GetCheckState(list, row) != FALSE; }
inline int ListRowCount(HWND list) { return ListView_GetItemCount(list); }
inline int SelectedListRow(HWND list) { return ListView_GetNextItem(list, -1, LVNI_SELECTED); }
inline void SelectListRow(HWND list, int row) {
    ListView_SetItemState(list, row, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
}

}  // namespace corvane
