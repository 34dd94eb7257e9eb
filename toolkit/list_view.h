// Report list views with check boxes and sub-items, as the conduit page uses.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include <cstddef>
#include <string>

namespace corvane {

// Adds a column `width` pixels wide at 96 DPI; a width of 0 keeps a column of data the person never sees
// (the list refuses to let it be dragged open: see RefusesColumnTrack).
void AddListColumn(HWND list, int index, const char* caption, int width);

// The width `column` needs to show `text` whole in a cell: the text, the
// cell's margins and, in the first column, what stands before the text (the
// check box). Never less than the column caption's own width.
int ListCellWidth(HWND list, int column, const char* text);

// Sizes two columns to the list's client width: `fitted` to the widest of
// `texts` (every text it may ever show), `giving` to the rest, but never
// narrower than its widest row: then both are whole and the list scrolls sideways.
void FitListColumns(HWND list, int fitted, const char* const* texts, std::size_t count, int giving);

// Appends a row with its first column's text; returns its index.
int AddListRow(HWND list, const char* caption);

void SetListCell(HWND list, int row, int column, const char* text);
std::string ListCell(HWND list, int row, int column);

inline int ListRowCount(HWND list) { return ListView_GetItemCount(list); }
inline bool ListRowExists(HWND list, int row) { return row >= 0 && row < ListRowCount(list); }

// Check boxes are set after the row exists: a row inserted already marked
// checked reads back unchecked on some common-controls versions.
inline void SetRowChecked(HWND list, int row, bool checked) { ListView_SetCheckState(list, row, checked ? TRUE : FALSE); }
// Only a row that exists can be checked (the check-state macro answers -1, "true", for any other).
inline bool RowChecked(HWND list, int row) {
    return ListRowExists(list, row) && ListView_GetCheckState(list, row) == 1;
}
inline int SelectedListRow(HWND list) { return ListView_GetNextItem(list, -1, LVNI_SELECTED); }
inline void SelectListRow(HWND list, int row) {
    ListView_SetItemState(list, row, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
}

// Whether an LVN_ITEMCHANGED notice reports a row's check box turned on or
// off; `checked` receives the new state. Read from the old and new
// state-image bits, so selection and focus changes never count.
bool CheckBoxChanged(const NMLISTVIEW& change, bool* checked);

// Whether an HDN_BEGINTRACK / HDN_DIVIDERDBLCLICK notice concerns a column of
// width 0 in `list`'s header: answer TRUE to it to keep the column hidden.
bool RefusesColumnTrack(HWND list, const NMHEADERA& notice);

// Marks a list view as being filled by the program for its lifetime, so that
// the item-changed notices of the filling are not taken for the person's ticks.
class FillingScope {
public:
    explicit FillingScope(bool& filling) : filling_(filling), was_(filling) { filling_ = true; }
    ~FillingScope() { filling_ = was_; }
    FillingScope(const FillingScope&) = delete;
    FillingScope& operator=(const FillingScope&) = delete;

private:
    bool& filling_;
    bool was_;
};

}  // namespace corvane
