// Sync action codes, their texts, and the conduits' own numbering of sync types.
#pragma once

#include <cstddef>
#include <cstdint>

namespace corvane {

enum SyncAction : int32_t {
    saSynchronize = 0,  // "Synchronize the files"
    saPCToHH = 1,       // "Desktop overwrite handheld"
    saHHToPC = 2,       // "Handheld overwrite desktop"
    saDoNothing = 3,    // "Do nothing"
};

// HotSync's sync types, the numbering conduits use for the same choices
// (a conduit's default, its settings records).
enum ConduitSyncType : int32_t {
    stFast = 0,
    stSlow = 1,
    stHHToPC = 2,
    stPCToHH = 3,
    stInstall = 4,
    stBackup = 5,
    stDoNothing = 6,
    stProfileInstall = 7,
};

// Whether a conduit's settings choice is meant for the next HotSync only or for good.
enum SyncPreference : int32_t {
    spNone = 0,
    spPermanent = 1,
    spTemporary = 2,
};

// Room for the longest action text and its terminator.
inline constexpr std::size_t kActionTextSize = 27;

// True for 0 to 3; any other value is no action.
inline bool IsAction(int32_t code) { return code >= saSynchronize && code <= saDoNothing; }

// A conduit is enabled for a user unless its action is "Do nothing".
inline bool IsEnabledAction(int32_t code) { return code != saDoNothing; }

// The code's text ("Unknown action" for a code that is no action).
const char* ActionTextOf(int32_t code);

// Copies the code's text with its terminator into `buffer` (kActionTextSize
// bytes at least). Returns 0 when there is no buffer, else 1.
int ActionText(int32_t code, char* buffer);

// The conduit's sync type for an action code; 0 for a code that is no action.
int32_t ToConduitSyncType(int32_t code);

// The action code for a conduit's sync type; `unchanged` when the type has no code.
int32_t FromConduitSyncType(int32_t syncType, int32_t unchanged);

}  // namespace corvane
