// A conduit's module: its three entry points, the configuration record handed
// to its settings dialog, and the exchange of a sync action through it.
#pragma once

#include <cstddef>
#include <cstdint>

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

// The directory every conduit is handed in its configuration record: Palm
// Desktop's usual installation folder, the same for every user and conduit.
inline constexpr char kConduitConfigDirectory[] = "C:\\Palm";
inline constexpr int32_t kConduitConfigInterface = 2;

// The information kind that asks a conduit for its default sync action.
inline constexpr int32_t kConduitInfoDefaultAction = 2;
inline constexpr uint16_t kConduitNameSize = 256;

using ConfigureConduitFn = int32_t(CONDUIT_API*)(ConduitConfigRecord* record);
using GetConduitInfoFn = int32_t(CONDUIT_API*)(int32_t kind, void* input, void* output, uint32_t* outputSize);
using GetConduitNameFn = int32_t(CONDUIT_API*)(char* name, uint16_t length);

struct ConduitEntries {
    ConfigureConduitFn ConfigureConduit = nullptr;
    GetConduitNameFn GetConduitName = nullptr;
    GetConduitInfoFn GetConduitInfo = nullptr;
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
};

// Each gives kUnbound (-100) and calls nothing when its entry is null.
int32_t CallConfigureConduit(const ConduitModule& module, ConduitConfigRecord* record);
int32_t CallGetConduitInfo(const ConduitModule& module, int32_t kind, void* input, void* output,
                           uint32_t* outputSize);
int32_t CallGetConduitName(const ConduitModule& module, char* name, uint16_t length);
bool HasConduitInfo(const ConduitModule& module);

// Asks the conduit for its default action (information kind 2) into `action`.
int32_t AskDefaultAction(const ConduitModule& module, int32_t& action);

struct ConfigureResult {
    int32_t Result;  // what ConfigureConduit returned; kUnbound when it could not be called
    int32_t Action;  // the action the conduit chose, or the starting one when it chose none
};

// Hands `action` to the conduit's own settings and takes back its choice.
ConfigureResult ExchangeConduitConfig(const ConduitModule& module, int32_t action);

}  // namespace corvane
