#include "conduit_module.h"

#include <cstring>

#include "sync_action.h"

namespace corvane {

int32_t CallConfigureConduit(const ConduitModule& module, ConduitConfigRecord* record) {
    return CallEntry(module.Entries.ConfigureConduit, record);
}

int32_t CallGetConduitInfo(const ConduitModule& module, int32_t kind, void* input, void* output,
                           uint32_t* outputSize) {
    return CallEntry(module.Entries.GetConduitInfo, kind, input, output, outputSize);
}

int32_t CallGetConduitName(const ConduitModule& module, char* name, uint16_t length) {
    return CallEntry(module.Entries.GetConduitName, name, length);
}

bool HasConduitInfo(const ConduitModule& module) { return module.Entries.GetConduitInfo != nullptr; }

int32_t AskDefaultAction(const ConduitModule& module, int32_t& action) {
    uint32_t size = sizeof action;
    return CallGetConduitInfo(module, kConduitInfoDefaultAction, nullptr, &action, &size);
}

ConfigureResult ExchangeConduitConfig(const ConduitModule& module, int32_t action) {
    ConduitConfigRecord record;
    std::memset(&record, 0, sizeof record);
    std::memcpy(record.Directory, kConduitConfigDirectory, sizeof kConduitConfigDirectory);
    record.Interface = kConduitConfigInterface;
    record.SyncType = ToConduitSyncType(action);
    const int32_t result = CallConfigureConduit(module, &record);
    return {result, FromConduitSyncType(record.SyncType, action)};
}

}  // namespace corvane
