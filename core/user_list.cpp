#include "user_list.h"

#include <cstring>

namespace corvane {
namespace {

constexpr char kProfileSuffix[] = " (profile)";

std::unique_ptr<UserRecord> ReadUser(const UserDataEntries& um, int32_t index, LeadByteTest isLeadByte) {
    auto record = std::make_unique<UserRecord>();
    CallEntry(um.UmGetUserID, index, &record->UserID);
    int16_t length = static_cast<int16_t>(kUserNameSize);
    CallEntry(um.UmGetUserName, record->UserID, record->UserName, &length);
    TerminateField(record->UserName, kUserNameSize, isLeadByte);
    record->IsProfile = CallEntry(um.UmIsUserProfile, record->UserID);
    return record;
}

bool FitsUserName(const char* name) { return name != nullptr && FieldLength(name, kUserNameSize) < kUserNameSize; }

std::vector<std::unique_ptr<UserRecord>>::iterator FindUser(UserList& list, uint32_t userId) {
    auto it = list.Records.begin();
    while (it != list.Records.end() && (*it)->UserID != userId) ++it;
    return it;
}

}  // namespace

int UserListBuild(UserList& list, const UserDataEntries& um, LeadByteTest isLeadByte) {
    const int32_t count = CallEntry(um.UmGetUserCount);
    UserListClear(list);
    for (int32_t index = 0; index < count; ++index) list.Records.push_back(ReadUser(um, index, isLeadByte));
    return 1;
}

int UserListClear(UserList& list) {
    list.Records.clear();
    return 1;
}

int UserListAdd(UserList& list, const UserDataEntries& um, const char* name, int32_t kind) {
    if (!FitsUserName(name)) return 0;
    if (CallEntry(um.UmAddUser, name, kind) != 0) return 0;
    auto record = std::make_unique<UserRecord>();
    CopyField(record->UserName, kUserNameSize, name, kUserNameSize);
    CallEntry(um.UmGetIDFromName, name, &record->UserID);
    record->IsProfile = kind;
    list.Records.push_back(std::move(record));
    return 1;
}

int UserListDelete(UserList& list, const UserDataEntries& um, uint32_t userId) {
    const auto it = FindUser(list, userId);
    if (it == list.Records.end()) return 0;
    // The list follows User Data: what it refuses stays listed.
    if (CallEntry(um.UmDeleteUser, userId) != 0) return 0;
    list.Records.erase(it);
    return 1;
}

int UserListRename(UserList& list, const UserDataEntries& um, uint32_t userId, const char* newName) {
    const auto it = FindUser(list, userId);
    if (it == list.Records.end() || !FitsUserName(newName)) return 0;
    UserRecord& record = **it;
    if (std::strcmp(record.UserName, newName) == 0) return 1;
    if (CallEntry(um.UmSetUserName, userId, newName) != 0) return 0;
    CopyField(record.UserName, kUserNameSize, newName, kUserNameSize);
    return 1;
}

bool ReadDueUserName(const UserDataEntries& um, uint32_t userId, std::string& name, LeadByteTest isLeadByte) {
    if (um.UmGetUserName == nullptr) return false;
    char field[kDueNameSize] = "";
    int16_t length = static_cast<int16_t>(kDueNameSize);
    um.UmGetUserName(userId, field, &length);
    if (length <= 0) return false;
    TerminateField(field, kDueNameSize, isLeadByte);
    name = field;
    return true;
}

int32_t UserListCount(const UserList* list) { return list != nullptr ? static_cast<int32_t>(list->Records.size()) : 0; }

UserRecord* UserListAt(const UserList* list, int32_t index) {
    if (index < 0 || index >= UserListCount(list)) return nullptr;
    return list->Records[static_cast<std::size_t>(index)].get();
}

void UserComboText(const UserRecord& record, char (&text)[kUserNameSize], LeadByteTest isLeadByte) {
    const std::size_t nameLength = FieldLength(record.UserName, kUserNameSize - 1);
    const std::size_t suffixLength = record.IsProfile != 0 ? sizeof kProfileSuffix - 1 : 0;
    const std::size_t kept = CharacterPrefix(record.UserName, nameLength, kUserNameSize - 1 - suffixLength, isLeadByte);
    std::memcpy(text, record.UserName, kept);
    std::memcpy(text + kept, kProfileSuffix, suffixLength);
    text[kept + suffixLength] = '\0';
}

}  // namespace corvane
