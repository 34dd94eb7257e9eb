// A conduit's module: its entry points, the records handed to its settings,
// and the exchange of a sync action through them.
#pragma once

#include <cstddef>
#include <cstdint>

#include "fixed_text.h"
#include "palm_api.h"

namespace corvane {

// The record whose address a conduit's ConfigureConduit receives: 528 bytes,
// integers 32-bit little-endian.
struct ConduitConfigRecord {
    char Directory[516];  // a fixed directory path, then zeros
    int32_t Interface;    // always 2
    int32_t SyncType;     // the conduit's sync type, in and out
    int32_t Zero;
};
static_assert(sizeof(ConduitConfigRecord) == 528);
static_assert(offsetof(ConduitConfigRecord, Interface) == 516);
static_assert(offsetof(ConduitConfigRecord, SyncType) == 520);
static_assert(offsetof(ConduitConfigRecord, Zero) == 524);

// The record a conduit made for HotSync 3.0 and later receives through
// CfgConduit: 352 bytes, integers 32-bit little-endian, no padding. Sync types
// are the conduit's own numbering (ConduitSyncType).
struct CfgConduitInfoType {
    uint32_t Version;           // kCfgConduitInfoVersion
    uint32_t Size;              // sizeof(CfgConduitInfoType)
    uint32_t CreatorId;
    uint32_t UserId;
    char UserName[64];          // terminated
    char Path[256];             // terminated
    int32_t PermanentSyncType;  // the user's permanent choice
    int32_t TemporarySyncType;  // the choice for the next HotSync
    int32_t NewSyncType;        // in: the temporary choice; out: the user's new choice
    int32_t Preference;         // a SyncPreference: whom the new choice is meant for
};
static_assert(sizeof(CfgConduitInfoType) == 352);
static_assert(offsetof(CfgConduitInfoType, CreatorId) == 8);
static_assert(offsetof(CfgConduitInfoType, UserId) == 12);
static_assert(offsetof(CfgConduitInfoType, UserName) == 16);
static_assert(offsetof(CfgConduitInfoType, Path) == 80);
static_assert(offsetof(CfgConduitInfoType, PermanentSyncType) == 336);
static_assert(offsetof(CfgConduitInfoType, TemporarySyncType) == 340);
static_assert(offsetof(CfgConduitInfoType, NewSyncType) == 344);
static_assert(offsetof(CfgConduitInfoType, Preference) == 348);

inline constexpr uint32_t kCfgConduitInfoVersion = 1;

// The only kind of request CfgConduit knows: its argument is a CfgConduitInfoType.
enum ConduitCfgEnum : int32_t { eConfig1 = 0 };

// The directory every conduit is handed in its configuration record: Palm
// Desktop's usual installation folder, the same for every user and conduit.
inline constexpr char kConduitConfigDirectory[] = "C:\\Palm";
inline constexpr int32_t kConduitConfigInterface = 2;

// The information kind that asks a conduit for its default sync type.
inline constexpr int32_t kConduitInfoDefaultAction = 2;
inline constexpr uint16_t kConduitNameSize = 256;

using ConfigureConduitFn = int32_t(CONDUIT_API*)(ConduitConfigRecord* record);
using GetConduitInfoFn = int32_t(CONDUIT_API*)(int32_t kind, void* input, void* output, uint32_t* outputSize);
using GetConduitNameFn = int32_t(CONDUIT_API*)(char* name, uint16_t length);
using CfgConduitFn = int32_t(CONDUIT_API*)(ConduitCfgEnum kind, void* arguments, uint32_t* argumentsSize);

struct ConduitEntries {
    ConfigureConduitFn ConfigureConduit = nullptr;
    GetConduitNameFn GetConduitName = nullptr;
    GetConduitInfoFn GetConduitInfo = nullptr;
    CfgConduitFn CfgConduit = nullptr;  // only conduits made for HotSync 3.0 and later
};

// A bound conduit module. The base holds the entry points; a platform's
// derived class also keeps the module file bound for as long as it lives.
class ConduitModule {
public:
    ConduitModule() = default;
    explicit ConduitModule(const ConduitEntries& entries) : Entries(entries) {}
    virtual ~ConduitModule() = default;
    ConduitModule(const ConduitModule&) = delete;
    ConduitModule& operator=(const ConduitModule&) = delete;

    ConduitEntries Entries;
    // The code page of the texts the conduit is handed, so that a cut never
    // splits a character.
    LeadByteTest TextLeadBytes = NoLeadBytes;
};

// Each gives kUnbound (-100) and calls nothing when its entry is null.
int32_t CallConfigureConduit(const ConduitModule& module, ConduitConfigRecord* record);
int32_t CallGetConduitInfo(const ConduitModule& module, int32_t kind, void* input, void* output,
                           uint32_t* outputSize);
int32_t CallGetConduitName(const ConduitModule& module, char* name, uint16_t length);
// Hands `info` to CfgConduit as an eConfig1 request of sizeof(CfgConduitInfoType) bytes.
int32_t CallCfgConduit(const ConduitModule& module, CfgConduitInfoType* info);
bool HasConduitInfo(const ConduitModule& module);
bool HasCfgConduit(const ConduitModule& module);

// Asks the conduit for its default (information kind 2). The conduit answers
// with a sync type, which `action` receives as an action code; a type without
// an action is kept as it is. A conduit that answers nothing leaves `action`.
int32_t AskDefaultAction(const ConduitModule& module, int32_t& action);

struct ConfigureResult {
    int32_t Result;  // what the conduit returned; kUnbound when it could not be called
    int32_t Action;  // the action the conduit chose, or the starting one when it chose none
};

// Hands `action` to the conduit's ConfigureConduit and takes back its choice.
ConfigureResult ExchangeConduitConfig(const ConduitModule& module, int32_t action);

// What CfgConduit is told about the user and the actions in force.
struct CfgConduitRequest {
    uint32_t CreatorId;
    uint32_t UserId;
    const char* UserName;  // may be null; cut to fit the record
    int32_t Permanent;     // action codes
    int32_t Temporary;     // also handed as the new choice, and kept when the conduit chooses none
};

// Hands the request to the conduit's CfgConduit and takes back the sync type
// it chose for the next HotSync, as an action code.
ConfigureResult ExchangeCfgConduit(const ConduitModule& module, const CfgConduitRequest& request);

}  // namespace corvane
