#include "user_combo.h"

#include "code_page.h"

namespace corvane {

void FillUserCombo(const UserList* list, HWND combo) {
    if (list == nullptr || combo == nullptr) return;
    SendMessageA(combo, CB_RESETCONTENT, 0, 0);
    const int32_t count = UserListCount(list);
    for (int32_t index = 0; index < count; ++index) {
        UserRecord* record = UserListAt(list, index);
        char text[kUserNameSize];
        UserComboText(*record, text, IsAnsiLeadByte);
        const LRESULT item = SendMessageA(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text));
        if (item >= 0) SendMessageA(combo, CB_SETITEMDATA, static_cast<WPARAM>(item), static_cast<LPARAM>(record->UserID));
    }
    if (count > 0) SendMessageA(combo, CB_SETCURSEL, 0, 0);
}

UserRecord* UserComboRecord(HWND combo, int index, const UserList* list) {
    if (index < 0 || index >= static_cast<int>(SendMessageA(combo, CB_GETCOUNT, 0, 0))) return nullptr;
    const auto userId = static_cast<uint32_t>(SendMessageA(combo, CB_GETITEMDATA, static_cast<WPARAM>(index), 0));
    for (int32_t i = 0; i < UserListCount(list); ++i) {
        UserRecord* record = UserListAt(list, i);
        if (record->UserID == userId) return record;
    }
    return nullptr;
}

}  // namespace corvane
