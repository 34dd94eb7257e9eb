#include "list_view.h"

namespace corvane {

void AddListColumn(HWND list, int index, const char* caption, int width) {
    LVCOLUMNA column{};
    column.mask = LVCF_TEXT | LVCF_WIDTH | LVCF_SUBITEM;
    column.pszText = const_cast<char*>(caption);
    column.cx = width;
    column.iSubItem = index;
    SendMessageA(list, LVM_INSERTCOLUMNA, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&column));
}

int AddListRow(HWND list, const char* caption) {
    LVITEMA item{};
    item.mask = LVIF_TEXT;
    item.iItem = ListRowCount(list);
    item.pszText = const_cast<char*>(caption);
    return static_cast<int>(SendMessageA(list, LVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&item)));
}

void SetListCell(HWND list, int row, int column, const char* text) {
    LVITEMA item{};
    item.iSubItem = column;
    item.pszText = const_cast<char*>(text);
    SendMessageA(list, LVM_SETITEMTEXTA, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&item));
}

std::string ListCell(HWND list, int row, int column) {
    char text[256] = "";
    LVITEMA item{};
    item.iSubItem = column;
    item.pszText = text;
    item.cchTextMax = sizeof text;
    SendMessageA(list, LVM_GETITEMTEXTA, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&item));
    return text;
}

bool CheckBoxChanged(const NMLISTVIEW& change, bool* checked) {
    if ((change.uChanged & LVIF_STATE) == 0) return false;
    const UINT oldImage = change.uOldState & LVIS_STATEIMAGEMASK;
    const UINT newImage = change.uNewState & LVIS_STATEIMAGEMASK;
    // State image 0 is no check box yet (a row being inserted), 1 clear, 2 ticked.
    if (oldImage == 0 || newImage == 0 || oldImage == newImage) return false;
    if (checked != nullptr) *checked = newImage == INDEXTOSTATEIMAGEMASK(2);
    return true;
}

bool RefusesColumnTrack(HWND list, const NMHEADERA& notice) {
    return notice.iItem >= 0 && ListView_GetColumnWidth(list, notice.iItem) == 0;
}

}  // namespace corvane
