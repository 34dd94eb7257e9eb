// The installed conduits that the program can manage, from the Conduit
// Manager, with the rules for reading and writing a user's action for each.
#pragma once

#include <cstdint>
#include <memory>
#include <vector>

#include "conduit_module.h"
#include "fixed_text.h"
#include "palm_api.h"

namespace corvane {

struct ConduitRecord {
    char Title[64] = {};        // from CmGetCreatorTitle; may be empty
    char Name[256] = {};        // CmGetCreatorInfo, else the conduit's own name, else empty
    char CreatorText[16] = {};  // from CmGetConduitCreatorID
    char ModulePath[260] = {};  // from CmGetCreatorName, made a full path where possible
    int32_t DefaultAction = 0;  // the last action delivered by User Data or the conduit (its sync type converted)
    uint32_t CreatorID = 0;     // from CmConvertStringToCreatorID; the key for User Data
    std::unique_ptr<ConduitModule> Module;  // never null in a listed record
};

struct ConduitList {
    std::vector<std::unique_ptr<ConduitRecord>> Records;
};

// What building the list needs of the platform.
class ConduitHost {
public:
    virtual ~ConduitHost() = default;
    // Binds the module file at `path`; an unbound module (all entries null) when it cannot.
    virtual std::unique_ptr<ConduitModule> LoadModule(const char* path) = 0;
    // Replaces a module name with its full path where one can be formed.
    virtual void MakeFullPath(char (&modulePath)[260]) = 0;
    virtual LeadByteTest LeadBytes() const { return NoLeadBytes; }
};

// Fills `list` anew from the Conduit Manager, in its order, leaving out every
// conduit whose module cannot be bound or has no GetConduitInfo. Returns 1.
int ConduitListBuild(ConduitList& list, const CondMgrEntries& cm, ConduitHost& host);

int32_t ConduitListCount(const ConduitList* list);
ConduitRecord* ConduitListAt(const ConduitList* list, int32_t index);

// Unbinds every module and frees every record.
void ConduitListClear(ConduitList& list);

// The action the conduit window shows: the temporary preference, else the
// permanent one, else DefaultAction as it stands.
int32_t ReadShownAction(const UserDataEntries& um, uint32_t userId, ConduitRecord& record);

// The action that enabling the conduit gives; never "Do nothing".
int32_t ReadEnableAction(const UserDataEntries& um, uint32_t userId, ConduitRecord& record);

// The action handed to the conduit's own settings.
int32_t ReadCustomAction(const UserDataEntries& um, uint32_t userId, ConduitRecord& record);

// The conduit's own settings for the user: hands it ReadCustomAction's action
// and takes its choice back. CfgConduit when the module exports it, else the
// ConfigureConduit exchange. Result is kUnbound when the conduit could not be
// asked; Action is the starting action when it chose none.
ConfigureResult CustomizeConduit(const UserDataEntries& um, uint32_t userId, const char* userName,
                                 ConduitRecord& record);

// The action taken when the conduit's own settings gave none.
int32_t ReadFallbackAction(const UserDataEntries& um, uint32_t userId, ConduitRecord& record);

// Writes `code` as the user's temporary preference, and then as the permanent
// one when `updatePermanent` is set. False when User Data refused a write (or
// is not bound): what it holds is then to be read back, not assumed.
bool ApplyAction(const UserDataEntries& um, uint32_t userId, const ConduitRecord& record, int32_t code,
                 bool updatePermanent);

}  // namespace corvane
