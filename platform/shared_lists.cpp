#include "shared_lists.h"

#include <string>

#include "code_page.h"
#include "conduit_modules.h"
#include "data_paths.h"
#include "file_replace.h"
#include "palm_libraries.h"

namespace corvane {

SharedLists Shared;

std::unique_ptr<UserList> UserListCreate() {
    LoadUserData();
    auto list = std::make_unique<UserList>();
    UserListBuild(*list, UserData.Entries, IsAnsiLeadByte);
    return list;
}

void UserListFree(std::unique_ptr<UserList>& list) {
    if (list) UserListClear(*list);
    list.reset();
    UnloadUserData();
}

int UserListAdd(UserList& list, const char* name, int32_t kind) {
    return UserListAdd(list, UserData.Entries, name, kind);
}

int UserListDelete(UserList& list, uint32_t userId) { return UserListDelete(list, UserData.Entries, userId); }

int UserListRename(UserList& list, uint32_t userId, const char* newName) {
    return UserListRename(list, UserData.Entries, userId, newName);
}

std::unique_ptr<ConduitList> ConduitListCreate() {
    LoadCondMgr();
    auto list = std::make_unique<ConduitList>();
    WindowsConduitHost host;
    ConduitListBuild(*list, CondMgr.Entries, host);
    return list;
}

void ConduitListFree(std::unique_ptr<ConduitList>& list) {
    if (list) ConduitListClear(*list);
    list.reset();
    UnloadCondMgr();
}

std::unique_ptr<ConduitNameTable> NameTableLoad(int* loaded) {
    auto table = std::make_unique<ConduitNameTable>();
    WidePath path;
    std::string bytes;
    const bool read = GetDataFilePath(dfConduitNames, &path) != 0 && ReadWholeFile(path, bytes) == FileLoad::Read;
    if (read) AppendNameEntries(*table, reinterpret_cast<const unsigned char*>(bytes.data()), bytes.size());
    if (loaded != nullptr) *loaded = read ? 1 : 0;
    return table;
}

void NameTableFree(std::unique_ptr<ConduitNameTable>& table) { table.reset(); }

int NameTableLookup(const ConduitNameTable* table, const char* key, char* destination) {
    return NameTableLookup(table, key, destination, FoldAnsiToUpper);
}

}  // namespace corvane
