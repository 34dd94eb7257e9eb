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
