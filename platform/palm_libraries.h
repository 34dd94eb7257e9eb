// The bindings of Palm Desktop's three libraries. Every slot is null while
// its library is unbound or does not export the name; each call site tests
// its slot (CallEntry).
#pragma once

#include <cstdint>

#include "library_module.h"
#include "palm_api.h"

namespace corvane {

template <typename EntryTable>
struct LibraryBinding {
    LibraryModule Module;
    EntryTable Entries;
};

// The run's bindings of the three libraries.
struct PalmBindings {
    LibraryBinding<CondMgrEntries> CondMgr;
    LibraryBinding<UserDataEntries> UserData;
    LibraryBinding<HsApiEntries> HsApi;
};

inline constexpr char kCondMgrFile[] = "condmgr.dll";
inline constexpr char kUserDataFile[] = "UserData.dll";
inline constexpr char kHsApiFile[] = "HSAPI.DLL";

// Unbinds first, then binds condmgr.dll from the Palm Desktop directory and
// resolves its 50 names. Returns 1 when bound, 0 when not.
int LoadCondMgr(PalmBindings& palm);
void UnloadCondMgr(PalmBindings& palm);

// Unbinds first, then binds UserData.dll and resolves its 37 names.
int LoadUserData(PalmBindings& palm);
void UnloadUserData(PalmBindings& palm);

// Binds HSAPI.DLL and resolves its 3 names (without unbinding first).
int LoadHsApi(PalmBindings& palm);
void UnloadHsApi(PalmBindings& palm);

// HsDisplayLog for the user; -1 when that entry is unbound.
int32_t ShowSyncLog(const PalmBindings& palm, uint32_t userId);

}  // namespace corvane
