#include "conduit_list.h"

#include "sync_action.h"

namespace corvane {
namespace {

// Asks one Conduit Manager text getter with the size the contract gives, and
// terminates the field whatever the library left in it.
template <std::size_t N>
void GetCreatorText(CmGetCreatorTitleFn getter, const char* creator, char (&field)[N], int32_t size,
                    LeadByteTest isLeadByte) {
    CallEntry(getter, creator, field, &size);
    TerminateField(field, N, isLeadByte);
}

std::unique_ptr<ConduitRecord> ReadConduit(const CondMgrEntries& cm, ConduitHost& host, int32_t index) {
    auto record = std::make_unique<ConduitRecord>();
    const LeadByteTest isLeadByte = host.LeadBytes();
    int32_t creatorSize = sizeof record->CreatorText;
    CallEntry(cm.CmGetConduitCreatorID, index, record->CreatorText, &creatorSize);
    TerminateField(record->CreatorText, sizeof record->CreatorText, isLeadByte);
    const char* creator = record->CreatorText;
    GetCreatorText(cm.CmGetCreatorName, creator, record->ModulePath, 256, isLeadByte);
    GetCreatorText(cm.CmGetCreatorTitle, creator, record->Title, 64, isLeadByte);
    GetCreatorText(cm.CmGetCreatorInfo, creator, record->Name, 256, isLeadByte);
    CallEntry(cm.CmConvertStringToCreatorID, creator, &record->CreatorID);
    host.MakeFullPath(record->ModulePath);

    record->Module = host.LoadModule(record->ModulePath);
    if (!record->Module || !HasConduitInfo(*record->Module)) return nullptr;
    AskDefaultAction(*record->Module, record->DefaultAction);
    if (record->Name[0] == '\0') {
        CallGetConduitName(*record->Module, record->Name, kConduitNameSize);
        TerminateField(record->Name, sizeof record->Name, isLeadByte);
    }
    return record;
}

// Asks a User Data preference getter; a preference it does not deliver is no action.
int32_t AskPreference(UmGetUserTempSyncPreferencesFn getter, uint32_t userId, uint32_t creatorId) {
    int32_t value = kUnbound;
    CallEntry(getter, userId, creatorId, &value);
    return value;
}

// Asks the conduit for its default action into the record's DefaultAction.
int32_t AskConduitDefault(ConduitRecord& record) {
    if (record.Module) AskDefaultAction(*record.Module, record.DefaultAction);
    return record.DefaultAction;
}

// The user's two preferences for a conduit, and the action handed to its own
// settings: the temporary one, else the permanent one, else the conduit's default.
struct CustomActions {
    int32_t Temporary;
    int32_t Permanent;
    int32_t Custom;
};

CustomActions AskCustomActions(const UserDataEntries& um, uint32_t userId, ConduitRecord& record) {
    CustomActions actions{};
    actions.Temporary = AskPreference(um.UmGetUserTempSyncPreferences, userId, record.CreatorID);
    actions.Permanent = AskPreference(um.UmGetUserPermSyncPreferences, userId, record.CreatorID);
    if (IsAction(actions.Temporary)) {
        actions.Custom = actions.Temporary;
    } else if (IsAction(actions.Permanent)) {
        actions.Custom = actions.Permanent;
    } else {
        actions.Custom = AskConduitDefault(record);
    }
    return actions;
}

}  // namespace

int ConduitListBuild(ConduitList& list, const CondMgrEntries& cm, ConduitHost& host) {
    ConduitListClear(list);
    const int32_t count = CallEntry(cm.CmGetConduitCount);
    for (int32_t index = 0; index < count; ++index) {
        if (auto record = ReadConduit(cm, host, index)) list.Records.push_back(std::move(record));
    }
    return 1;
}

int32_t ConduitListCount(const ConduitList* list) {
    return list != nullptr ? static_cast<int32_t>(list->Records.size()) : 0;
}

ConduitRecord* ConduitListAt(const ConduitList* list, int32_t index) {
    if (index < 0 || index >= ConduitListCount(list)) return nullptr;
    return list->Records[static_cast<std::size_t>(index)].get();
}

void ConduitListClear(ConduitList& list) { list.Records.clear(); }

int32_t ReadShownAction(const UserDataEntries& um, uint32_t userId, ConduitRecord& record) {
    int32_t action = AskPreference(um.UmGetUserTempSyncPreferences, userId, record.CreatorID);
    if (!IsAction(action)) action = AskPreference(um.UmGetUserPermSyncPreferences, userId, record.CreatorID);
    return IsAction(action) ? action : record.DefaultAction;
}

int32_t ReadEnableAction(const UserDataEntries& um, uint32_t userId, ConduitRecord& record) {
    const int32_t result = CallEntry(um.UmGetUserPermSyncPreferences, userId, record.CreatorID, &record.DefaultAction);
    const int32_t action = result == record.DefaultAction ? result : AskConduitDefault(record);
    return action == saDoNothing ? saSynchronize : action;
}

int32_t ReadCustomAction(const UserDataEntries& um, uint32_t userId, ConduitRecord& record) {
    return AskCustomActions(um, userId, record).Custom;
}

ConfigureResult CustomizeConduit(const UserDataEntries& um, uint32_t userId, const char* userName,
                                 ConduitRecord& record) {
    const CustomActions actions = AskCustomActions(um, userId, record);
    if (!record.Module) return {kUnbound, actions.Custom};
    const ConduitModule& module = *record.Module;
    if (!HasCfgConduit(module)) return ExchangeConduitConfig(module, actions.Custom);
    // A preference that is not set is handed as the action in force.
    const int32_t permanent = IsAction(actions.Permanent) ? actions.Permanent : actions.Custom;
    return ExchangeCfgConduit(module, {record.CreatorID, userId, userName, permanent, actions.Custom});
}

int32_t ReadFallbackAction(const UserDataEntries& um, uint32_t userId, ConduitRecord& record) {
    CallEntry(um.UmGetUserPermSyncPreferences, userId, record.CreatorID, &record.DefaultAction);
    return IsAction(record.DefaultAction) ? record.DefaultAction : AskConduitDefault(record);
}

bool ApplyAction(const UserDataEntries& um, uint32_t userId, const ConduitRecord& record, int32_t code,
                 bool updatePermanent) {
    const bool temporary = CallEntry(um.UmSetUserTempSyncPreferences, userId, record.CreatorID, code) == 0;
    if (!updatePermanent) return temporary;
    const bool permanent = CallEntry(um.UmSetUserPermSyncPreferences, userId, record.CreatorID, code) == 0;
    return temporary && permanent;
}

}  // namespace corvane
