// Palm Desktop's three libraries as the program binds them: the calling
// conventions, every entry point's type, and each library's name table in the
// order the binding resolves it.
//
// Each library is described once, as a list of (name, result, arguments); the
// entry tables, the name tables and the stand-in libraries are all generated
// from these lists, so the order and the types cannot drift apart.
#pragma once

#include <cstddef>
#include <cstdint>
#include <iterator>

// Conduit Manager, User Data and HotSync API functions are __stdcall on 32-bit
// Windows; conduit entry points are plain C (__cdecl). Elsewhere there is one
// convention.
#if defined(_WIN32)
#define PALM_API __stdcall
#define CONDUIT_API __cdecl
#else
#define PALM_API
#define CONDUIT_API
#endif

// Conduit Manager, condmgr.dll: 50 names. Sizes are in-and-out 32-bit values.
#define CORVANE_CONDMGR_FUNCTIONS(X)                                                                       \
    X(CmGetLibVersion, uint16_t, ())                                                                       \
    X(CmConvertCreatorIDToString, int32_t, (uint32_t creatorId, char* text, int32_t* size))                \
    X(CmConvertStringToCreatorID, int32_t, (const char* text, uint32_t* creatorId))                        \
    X(CmGetConduitCount, int32_t, ())                                                                      \
    X(CmGetCreatorIDList, int32_t, (CmCreatorListItem* list, int32_t* size))                               \
    X(CmGetConduitCreatorID, int32_t, (int32_t index, char* creator, int32_t* size))                       \
    X(CmGetConduitByCreator, int32_t, (const char* creator, void** conduit))                               \
    X(CmInstallConduit, int32_t, (const void* conduit))                                                    \
    X(CmInstallCreator, int32_t, (const char* creator, int32_t type))                                      \
    X(CmRemoveConduitByCreatorID, int32_t, (const char* creator))                                          \
    X(CmSetCreatorPriority, int32_t, (const char* creator, uint32_t priority))                             \
    X(CmGetCreatorPriority, int32_t, (const char* creator, uint32_t* priority))                            \
    X(CmSetCreatorName, int32_t, (const char* creator, const char* text))                                  \
    X(CmGetCreatorName, int32_t, (const char* creator, char* text, int32_t* size))                         \
    X(CmSetCreatorDirectory, int32_t, (const char* creator, const char* text))                             \
    X(CmGetCreatorDirectory, int32_t, (const char* creator, char* text, int32_t* size))                    \
    X(CmSetCreatorRemote, int32_t, (const char* creator, const char* text))                                \
    X(CmGetCreatorRemote, int32_t, (const char* creator, char* text, int32_t* size))                       \
    X(CmSetCreatorUser, int32_t, (const char* creator, const char* text))                                  \
    X(CmGetCreatorUser, int32_t, (const char* creator, char* text, int32_t* size))                         \
    X(CmSetCreatorTitle, int32_t, (const char* creator, const char* text))                                 \
    X(CmGetCreatorTitle, int32_t, (const char* creator, char* text, int32_t* size))                        \
    X(CmSetCreatorInfo, int32_t, (const char* creator, const char* text))                                  \
    X(CmGetCreatorInfo, int32_t, (const char* creator, char* text, int32_t* size))                         \
    X(CmSetCreatorFile, int32_t, (const char* creator, const char* text))                                  \
    X(CmGetCreatorFile, int32_t, (const char* creator, char* text, int32_t* size))                         \
    X(CmGetCreatorType, int32_t, (const char* creator))                                                    \
    X(CmSetCreatorIntegrate, int32_t, (const char* creator, uint32_t value))                               \
    X(CmGetCreatorIntegrate, int32_t, (const char* creator, uint32_t* value))                              \
    X(CmSetCreatorModule, int32_t, (const char* creator, const char* text))                                \
    X(CmGetCreatorModule, int32_t, (const char* creator, char* text, int32_t* size))                       \
    X(CmSetCreatorArgument, int32_t, (const char* creator, const char* text))                              \
    X(CmGetCreatorArgument, int32_t, (const char* creator, char* text, int32_t* size))                     \
    X(CmSetComPort, int32_t, (int32_t type, const char* port))                                             \
    X(CmGetComPort, int32_t, (int32_t type, char* port, int32_t* size))                                    \
    X(CmSetBackupConduit, int32_t, (const char* text))                                                     \
    X(CmGetBackupConduit, int32_t, (char* text, int32_t* size))                                            \
    X(CmSetNotifierDll, int32_t, (int32_t index, const char* text))                                        \
    X(CmGetNotifierDll, int32_t, (int32_t index, char* text, int32_t* size))                               \
    X(CmSetPCIdentifier, int32_t, (uint32_t identifier))                                                   \
    X(CmGetPCIdentifier, int32_t, (uint32_t* identifier))                                                  \
    X(CmGetCorePath, int32_t, (char* text, int32_t* size))                                                 \
    X(CmSetCorePath, int32_t, (const char* text))                                                          \
    X(CmGetHotSyncExecPath, int32_t, (char* text, int32_t* size))                                          \
    X(CmSetHotSyncExecPath, int32_t, (const char* text))                                                   \
    X(CmSetCreatorValueDword, int32_t, (const char* creator, const char* name, uint32_t value))            \
    X(CmGetCreatorValueDword, int32_t, (const char* creator, const char* name, uint32_t* value,            \
                                        uint32_t fallback))                                                \
    X(CmSetCreatorValueString, int32_t, (const char* creator, const char* name, const char* value))        \
    X(CmGetCreatorValueString, int32_t, (const char* creator, const char* name, char* value,               \
                                         int32_t* size, const char* fallback))                             \
    X(CmRestoreHotSyncSettings, int32_t, (int32_t toDefaults))

// User Data, UserData.dll: 37 names. Sizes are in-and-out values: 16-bit for
// names and directories, 32-bit for strings and slot texts.
#define CORVANE_USERDATA_FUNCTIONS(X)                                                                      \
    X(UmGetLibVersion, int32_t, (uint32_t* major, uint32_t* minor))                                        \
    X(UmGetUserCount, int16_t, ())                                                                         \
    X(UmGetUserID, int32_t, (int32_t index, uint32_t* userId))                                             \
    X(UmGetUserName, int32_t, (uint32_t userId, char* name, int16_t* size))                                \
    X(UmGetUserDirectory, int32_t, (uint32_t userId, char* text, int16_t* size))                           \
    X(UmGetUserPassword, int32_t, (uint32_t userId, char* text, int16_t* size))                            \
    X(UmIsUserInstalled, int32_t, (uint32_t userId))                                                       \
    X(UmIsUserProfile, int32_t, (uint32_t userId))                                                         \
    X(UmSetUserName, int32_t, (uint32_t userId, const char* name))                                         \
    X(UmSetUserDirectory, int32_t, (uint32_t userId, const char* text))                                    \
    X(UmSetUserInstall, int32_t, (uint32_t userId, int32_t installed))                                     \
    X(UmSetUserPermSyncPreferences, int32_t, (uint32_t userId, uint32_t creatorId, int32_t action))        \
    X(UmSetUserTempSyncPreferences, int32_t, (uint32_t userId, uint32_t creatorId, int32_t action))        \
    X(UmGetUserPermSyncPreferences, int32_t, (uint32_t userId, uint32_t creatorId, int32_t* action))       \
    X(UmGetUserTempSyncPreferences, int32_t, (uint32_t userId, uint32_t creatorId, int32_t* action))       \
    X(UmRemoveUserTempSyncPreferences, int32_t, (uint32_t userId, uint32_t creatorId))                     \
    X(UmDeleteUserPermSyncPreferences, int32_t, (uint32_t userId, uint32_t creatorId))                     \
    X(UmDeleteUserTempSyncPreferences, int32_t, (uint32_t userId, uint32_t creatorId))                     \
    X(UmAddUser, int32_t, (const char* name, int32_t kind))                                                \
    X(UmDeleteUser, int32_t, (uint32_t userId))                                                            \
    X(UmGetRootDirectory, int32_t, (char* text, int16_t* size))                                            \
    X(UmIsInstallMaskSet, int32_t, (uint32_t userId, uint32_t mask))                                       \
    X(UmClearInstallMask, int32_t, (uint32_t userId, uint32_t mask))                                       \
    X(UmSetInstallMask, int32_t, (uint32_t userId, uint32_t mask))                                         \
    X(UmGetString, int32_t, (uint32_t userId, const char* section, const char* key, char* value,           \
                             int32_t* size, const char* fallback))                                         \
    X(UmSetString, int32_t, (uint32_t userId, const char* section, const char* key, const char* value))    \
    X(UmGetInteger, int32_t, (uint32_t userId, const char* section, const char* key, uint32_t* value,      \
                              uint32_t fallback))                                                          \
    X(UmSetInteger, int32_t, (uint32_t userId, const char* section, const char* key, uint32_t value))      \
    X(UmDeleteKey, int32_t, (uint32_t userId, const char* section, const char* key))                       \
    X(UmGetIDFromPath, int32_t, (const char* path, uint32_t* userId))                                      \
    X(UmGetIDFromName, int32_t, (const char* name, uint32_t* userId))                                      \
    X(UmSlotGetExpMgrVersion, int32_t, (uint32_t userId, uint32_t* version))                               \
    X(UmSlotGetSlotCount, int32_t, (uint32_t userId, uint16_t* count))                                     \
    X(UmSlotGetInfo, int32_t, (uint32_t userId, uint32_t* slotIds, uint16_t* count))                       \
    X(UmSlotGetMediaType, int32_t, (uint32_t userId, uint32_t slotId, uint32_t* mediaType))                \
    X(UmSlotGetDisplayName, int32_t, (uint32_t userId, uint32_t slotId, char* text, int32_t* size))        \
    X(UmSlotGetInstallDirectory, int32_t, (uint32_t userId, uint32_t slotId, char* text, int32_t* size))

// HotSync API, HSAPI.DLL: 3 names.
#define CORVANE_HSAPI_FUNCTIONS(X)                                                                         \
    X(HsDisplayLog, int32_t, (uint32_t userId))                                                            \
    X(HsSetAppStatus, int32_t, (int32_t status, uint32_t flags))                                           \
    X(HsRefreshConduitInfo, int32_t, ())

namespace corvane {

// One entry of the list CmGetCreatorIDList fills: 12 bytes.
struct CmCreatorListItem {
    char CreatorID[8];  // the creator ID text, terminated
    int32_t Reserved;
};
static_assert(sizeof(CmCreatorListItem) == 12);

#define CORVANE_ENTRY_TYPE(name, result, arguments) using name##Fn = result(PALM_API*) arguments;
CORVANE_CONDMGR_FUNCTIONS(CORVANE_ENTRY_TYPE)
CORVANE_USERDATA_FUNCTIONS(CORVANE_ENTRY_TYPE)
CORVANE_HSAPI_FUNCTIONS(CORVANE_ENTRY_TYPE)
#undef CORVANE_ENTRY_TYPE

// One nullable slot per name, in name-table order; null while unbound or not exported.
#define CORVANE_ENTRY_SLOT(name, result, arguments) name##Fn name = nullptr;
struct CondMgrEntries {
    CORVANE_CONDMGR_FUNCTIONS(CORVANE_ENTRY_SLOT)
};
struct UserDataEntries {
    CORVANE_USERDATA_FUNCTIONS(CORVANE_ENTRY_SLOT)
};
struct HsApiEntries {
    CORVANE_HSAPI_FUNCTIONS(CORVANE_ENTRY_SLOT)
};
#undef CORVANE_ENTRY_SLOT

#define CORVANE_ENTRY_NAME(name, result, arguments) #name,
inline constexpr const char* kCondMgrNames[] = {CORVANE_CONDMGR_FUNCTIONS(CORVANE_ENTRY_NAME)};
inline constexpr const char* kUserDataNames[] = {CORVANE_USERDATA_FUNCTIONS(CORVANE_ENTRY_NAME)};
inline constexpr const char* kHsApiNames[] = {CORVANE_HSAPI_FUNCTIONS(CORVANE_ENTRY_NAME)};
#undef CORVANE_ENTRY_NAME

static_assert(std::size(kCondMgrNames) == 50);
static_assert(std::size(kUserDataNames) == 37);
static_assert(std::size(kHsApiNames) == 3);

// The value a caller uses in place of a result it needs from an unbound entry.
inline constexpr int32_t kUnbound = -100;

// Calls an entry when it is bound; otherwise gives kUnbound and calls nothing.
template <typename Fn, typename... Args>
int32_t CallEntry(Fn entry, Args... arguments) {
    if (entry == nullptr) return kUnbound;
    return static_cast<int32_t>(entry(arguments...));
}

}  // namespace corvane
