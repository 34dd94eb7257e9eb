#include "conduit_module.h"

#include <cstring>

#include "sync_action.h"

namespace corvane {
namespace {

// User names are at most 255 characters; nothing past that is read.
constexpr std::size_t kUserNameWidth = 256;

// A value no conduit answers as its default, to tell "answered nothing".
constexpr int32_t kNoAnswer = INT32_MIN;

// Copies as much of `text` as fits `field` with its terminator, cut at a
// character boundary; a null text gives an empty field.
template <std::size_t N>
void CopyCut(char (&field)[N], const char* text, std::size_t textWidth, LeadByteTest isLeadByte) {
    std::size_t kept = 0;
    if (text != nullptr) {
        kept = CharacterPrefix(text, FieldLength(text, textWidth), N - 1, isLeadByte);
        std::memcpy(field, text, kept);
    }
    field[kept] = '\0';
}

CfgConduitInfoType CfgConduitInfo(const ConduitModule& module, const CfgConduitRequest& request) {
    CfgConduitInfoType info;
    std::memset(&info, 0, sizeof info);
    info.Version = kCfgConduitInfoVersion;
    info.Size = sizeof info;
    info.CreatorId = request.CreatorId;
    info.UserId = request.UserId;
    CopyCut(info.UserName, request.UserName, kUserNameWidth, module.TextLeadBytes);
    CopyCut(info.Path, kConduitConfigDirectory, sizeof kConduitConfigDirectory, NoLeadBytes);
    info.PermanentSyncType = ToConduitSyncType(request.Permanent);
    info.TemporarySyncType = ToConduitSyncType(request.Temporary);
    info.NewSyncType = info.TemporarySyncType;
    info.Preference = spTemporary;
    return info;
}

}  // namespace

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

int32_t CallCfgConduit(const ConduitModule& module, CfgConduitInfoType* info) {
    uint32_t size = sizeof *info;
    return CallEntry(module.Entries.CfgConduit, eConfig1, static_cast<void*>(info), &size);
}

bool HasConduitInfo(const ConduitModule& module) { return module.Entries.GetConduitInfo != nullptr; }

bool HasCfgConduit(const ConduitModule& module) { return module.Entries.CfgConduit != nullptr; }

int32_t AskDefaultAction(const ConduitModule& module, int32_t& action) {
    int32_t syncType = kNoAnswer;
    uint32_t size = sizeof syncType;
    const int32_t result = CallGetConduitInfo(module, kConduitInfoDefaultAction, nullptr, &syncType, &size);
    if (syncType != kNoAnswer) action = FromConduitSyncType(syncType, syncType);
    return result;
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

ConfigureResult ExchangeCfgConduit(const ConduitModule& module, const CfgConduitRequest& request) {
    CfgConduitInfoType info = CfgConduitInfo(module, request);
    const int32_t result = CallCfgConduit(module, &info);
    return {result, FromConduitSyncType(info.NewSyncType, request.Temporary)};
}

}  // namespace corvane
