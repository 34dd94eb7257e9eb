#include "shared_lists.h"

#include <string>

#include "code_page.h"
#include "conduit_modules.h"
#include "data_paths.h"
#include "file_replace.h"
#include "palm_libraries.h"

namespace corvane {

std::unique_ptr<UserList> UserListCreate(PalmBindings& palm) {
    LoadUserData(palm);
    auto list = std::make_unique<UserList>();
    UserListBuild(*list, palm.UserData.Entries, IsAnsiLeadByte);
    return list;
}

void UserListFree(std::unique_ptr<UserList>& list, PalmBindings& palm) {
    if (list) UserListClear(*list);
    list.reset();
    UnloadUserData(palm);
}

std::unique_ptr<ConduitList> ConduitListCreate(PalmBindings& palm) {
    LoadCondMgr(palm);
    auto list = std::make_unique<ConduitList>();
    WindowsConduitHost host;
    ConduitListBuild(*list, palm.CondMgr.Entries, host);
    return list;
}

void ConduitListFree(std::unique_ptr<ConduitList>& list, PalmBindings& palm) {
    if (list) ConduitListClear(*list);
    list.reset();
    UnloadCondMgr(palm);
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
