// The lists that the whole run shares, and their lifetimes on Windows: each
// sits in one slot of the run that is null while it does not exist.
#pragma once

#include <memory>

#include "conduit_list.h"
#include "name_table.h"
#include "palm_libraries.h"
#include "schedule_list.h"
#include "user_list.h"

namespace corvane {

struct SharedLists {
    std::unique_ptr<ConduitNameTable> ConduitNames;  // start-up to shutdown
    ScheduleListHolder Schedules;                    // start-up to shutdown
    std::unique_ptr<UserList> Users;                 // first window that needs users to shutdown
    std::unique_ptr<ConduitList> Conduits;           // the conduit window's lifetime
};

// Binds User Data and builds the list from it.
std::unique_ptr<UserList> UserListCreate(PalmBindings& palm);
// Clears and frees the list, then unbinds User Data.
void UserListFree(std::unique_ptr<UserList>& list, PalmBindings& palm);

// Binds the Conduit Manager and builds the list, binding each conduit's module.
std::unique_ptr<ConduitList> ConduitListCreate(PalmBindings& palm);
// Clears and frees the list (unbinding every module), then unbinds the Conduit Manager.
void ConduitListFree(std::unique_ptr<ConduitList>& list, PalmBindings& palm);

// A new table filled from cvdata\cvwkcond.dat; `loaded` tells whether it was read.
std::unique_ptr<ConduitNameTable> NameTableLoad(int* loaded = nullptr);
void NameTableFree(std::unique_ptr<ConduitNameTable>& table);

// The display name of a creator ID text, folding case in the ANSI code page.
int NameTableLookup(const ConduitNameTable* table, const char* key, char* destination);

}  // namespace corvane
