#include "list_view.h"

#include "dpi.h"

namespace corvane {

void AddListColumn(HWND list, int index, const char* caption, int width) {
    LVCOLUMNA column{};
    column.mask = LVCF_TEXT | LVCF_WIDTH | LVCF_SUBITEM;
    column.pszText = const_cast<char*>(caption);
    column.cx = Scaled(width);
    column.iSubItem = index;
    SendMessageA(list, LVM_INSERTCOLUMNA, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&column));
}

namespace {

// Room a cell leaves around its text, as the list's own column sizing does (at 96 DPI).
constexpr int kCellMargin = 12;

std::string ColumnCaption(HWND list, int column) {
    char caption[64] = "";
    LVCOLUMNA info{};
    info.mask = LVCF_TEXT;
    info.pszText = caption;
    info.cchTextMax = sizeof caption;
    ListView_GetColumn(list, column, &info);
    return caption;
}

// How far the first column's text starts from the column's left edge: the check box.
int FirstColumnIndent(HWND list) {
    RECT bounds{};
    RECT label{};
    if (ListView_GetItemCount(list) > 0 && ListView_GetItemRect(list, 0, &bounds, LVIR_BOUNDS) &&
        ListView_GetItemRect(list, 0, &label, LVIR_LABEL)) {
        return label.left - bounds.left;
    }
    int width = 0;
    int height = 0;
    HIMAGELIST states = ListView_GetImageList(list, LVSIL_STATE);
    if (states != nullptr) ImageList_GetIconSize(states, &width, &height);
    return width;
}

}  // namespace

int ListCellWidth(HWND list, int column, const char* text) {
    const int indent = column == 0 ? FirstColumnIndent(list) : 0;
    const int cell = indent + ListView_GetStringWidth(list, text) + Scaled(kCellMargin);
    const int caption = ListView_GetStringWidth(list, ColumnCaption(list, column).c_str()) + Scaled(kCellMargin);
    return cell > caption ? cell : caption;
}

void FitListColumns(HWND list, int fitted, const char* const* texts, std::size_t count, int giving) {
    int fittedWidth = ListCellWidth(list, fitted, "");
    for (std::size_t i = 0; i < count; ++i) {
        const int width = ListCellWidth(list, fitted, texts[i]);
        if (width > fittedWidth) fittedWidth = width;
    }
    int givingWidth = ListCellWidth(list, giving, "");
    for (int row = 0; row < ListRowCount(list); ++row) {
        const int width = ListCellWidth(list, giving, ListCell(list, row, giving).c_str());
        if (width > givingWidth) givingWidth = width;
    }
    RECT client;
    GetClientRect(list, &client);
    const int rest = client.right - fittedWidth;
    ListView_SetColumnWidth(list, fitted, fittedWidth);
    ListView_SetColumnWidth(list, giving, rest > givingWidth ? rest : givingWidth);
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
