// The Conduit Manager, the conduit modules and User Data answering anything:
// any count and results, texts of any bytes filling their buffers up to the
// size they are told, terminated or not, defaults and sync types of any value,
// settings records written anywhere within their size. Every text a listed
// conduit keeps ends within its field, cut only at a character boundary;
// no module is told a buffer larger than the one it fills, or handed a text
// that does not end within its field; every action read is one the conduit
// window can show, and enabling never gives "Do nothing".
#include <cstddef>
#include <cstdint>
#include <memory>
#include <vector>

#include "conduit_list.h"
#include "fuzz_support.h"
#include "sync_action.h"

namespace corvane {
namespace {

using fuzz::Check;

FuzzedDataProvider* input = nullptr;
LeadByteTest leadBytes = NoLeadBytes;

// What the modules left in one conduit's fields, before the program terminated them.
struct Filled {
    std::vector<char> CreatorText, ModulePath, Title, Name;
    bool Kept = false;
};
Filled pending;              // the conduit being read, until its module is loaded
std::vector<Filled> filled;  // every conduit read, in order

int32_t Result() { return input->ConsumeBool() ? 0 : input->ConsumeIntegral<int32_t>(); }

void CheckCreator(const char* creator) {
    Check(FieldLength(creator, sizeof ConduitRecord::CreatorText) < sizeof ConduitRecord::CreatorText,
          "a creator ID handed on ends within its field");
}

// Fills a buffer of the size the contract gives; the program must tell that size.
void FillText(char* text, int32_t* size, int32_t contractSize, std::vector<char>& snapshot) {
    Check(*size == contractSize, "a text buffer is told as the contract's size");
    fuzz::FillLikeAModule(*input, text, static_cast<std::size_t>(contractSize));
    snapshot.assign(text, text + contractSize);
    *size = input->ConsumeIntegral<int32_t>();
}

int32_t PALM_API GetConduitCount() { return input->ConsumeIntegralInRange<int32_t>(-2, 8); }

int32_t PALM_API GetConduitCreatorId(int32_t, char* creator, int32_t* size) {
    FillText(creator, size, 16, pending.CreatorText);
    return Result();
}

template <int ContractSize, std::vector<char> Filled::*Snapshot>
int32_t PALM_API GetCreatorText(const char* creator, char* text, int32_t* size) {
    CheckCreator(creator);
    FillText(text, size, ContractSize, pending.*Snapshot);
    return Result();
}

int32_t PALM_API ConvertStringToCreatorId(const char* creator, uint32_t* creatorId) {
    CheckCreator(creator);
    if (input->ConsumeBool()) *creatorId = input->ConsumeIntegral<uint32_t>();
    return Result();
}

int32_t PALM_API GetPreference(uint32_t, uint32_t, int32_t* action) {
    if (input->ConsumeBool()) *action = input->ConsumeIntegralInRange<int32_t>(-2, 8);
    return input->ConsumeBool() ? input->ConsumeIntegralInRange<int32_t>(-2, 8) : Result();
}

int32_t PALM_API SetPreference(uint32_t, uint32_t, int32_t) { return Result(); }

int32_t CONDUIT_API GetConduitInfo(int32_t kind, void* in, void* out, uint32_t* outSize) {
    Check(kind == kConduitInfoDefaultAction && in == nullptr && *outSize == sizeof(int32_t),
          "a conduit is asked for its default into four bytes");
    fuzz::FillLikeAModule(*input, out, sizeof(int32_t));
    *outSize = input->ConsumeIntegral<uint32_t>();
    return Result();
}

int32_t CONDUIT_API GetConduitName(char* name, uint16_t length) {
    Check(length == kConduitNameSize, "a conduit's name buffer is told as its own size");
    fuzz::FillLikeAModule(*input, name, length);
    Check(!filled.empty(), "a conduit is asked its name only once its module is loaded");
    filled.back().Name.assign(name, name + length);
    return Result();
}

int32_t CONDUIT_API ConfigureConduit(ConduitConfigRecord* record) {
    Check(std::strcmp(record->Directory, kConduitConfigDirectory) == 0 && record->Interface == kConduitConfigInterface,
          "ConfigureConduit is handed the usual directory and interface");
    fuzz::ScribbleLikeAModule(*input, record, sizeof *record);
    return Result();
}

std::vector<char> userName;  // the name handed to CfgConduit, as the user list keeps it

int32_t CONDUIT_API CfgConduit(ConduitCfgEnum kind, void* arguments, uint32_t* size) {
    auto* info = static_cast<CfgConduitInfoType*>(arguments);
    Check(kind == eConfig1 && *size == sizeof *info && info->Size == sizeof *info, "CfgConduit is told its record");
    const std::size_t kept = FieldLength(info->UserName, sizeof info->UserName);
    Check(kept < sizeof info->UserName, "the user name handed to a conduit ends within its field");
    const std::size_t full = FieldLength(userName.data(), userName.size());
    Check(kept <= full && std::memcmp(info->UserName, userName.data(), kept) == 0 &&
              fuzz::EndsOnCharacter(userName.data(), full, kept, leadBytes),
          "a conduit is handed the user name's start, cut between characters");
    Check(std::strcmp(info->Path, kConduitConfigDirectory) == 0, "a conduit is handed the usual directory");
    fuzz::ScribbleLikeAModule(*input, info, sizeof *info);
    *size = input->ConsumeIntegral<uint32_t>();
    return Result();
}

class FuzzHost final : public ConduitHost {
public:
    std::unique_ptr<ConduitModule> LoadModule(const char* path) override {
        Check(FieldLength(path, sizeof ConduitRecord::ModulePath) < sizeof ConduitRecord::ModulePath,
              "a module path ends within its field");
        filled.push_back(std::move(pending));
        pending = Filled{};
        if (input->ConsumeIntegralInRange<int>(0, 7) == 0) return nullptr;
        const auto bound = input->ConsumeIntegral<uint8_t>();
        ConduitEntries entries;
        if (bound & 0x01) entries.GetConduitInfo = GetConduitInfo;
        if (bound & 0x02) entries.GetConduitName = GetConduitName;
        if (bound & 0x04) entries.ConfigureConduit = ConfigureConduit;
        if (bound & 0x08) entries.CfgConduit = CfgConduit;
        filled.back().Kept = entries.GetConduitInfo != nullptr;
        auto module = std::make_unique<ConduitModule>(entries);
        module->TextLeadBytes = leadBytes;
        return module;
    }

    // As the system makes a full path: any text that fits, or the name left as it is.
    void MakeFullPath(char (&modulePath)[260]) override {
        Check(FieldLength(modulePath, sizeof modulePath) < sizeof modulePath, "a module name ends within its field");
        if (!input->ConsumeBool()) return;
        const std::string full = input->ConsumeRandomLengthString(sizeof modulePath - 1);
        std::memcpy(modulePath, full.c_str(), full.size() + 1);
        pending.ModulePath.assign(modulePath, modulePath + sizeof modulePath);
    }

    LeadByteTest LeadBytes() const override { return leadBytes; }
};

CondMgrEntries CondMgr() {
    const auto bound = input->ConsumeIntegral<uint8_t>();
    CondMgrEntries cm;
    if (bound & 0x01) cm.CmGetConduitCount = GetConduitCount;
    if (bound & 0x02) cm.CmGetConduitCreatorID = GetConduitCreatorId;
    if (bound & 0x04) cm.CmGetCreatorName = GetCreatorText<256, &Filled::ModulePath>;
    if (bound & 0x08) cm.CmGetCreatorTitle = GetCreatorText<64, &Filled::Title>;
    if (bound & 0x10) cm.CmGetCreatorInfo = GetCreatorText<256, &Filled::Name>;
    if (bound & 0x20) cm.CmConvertStringToCreatorID = ConvertStringToCreatorId;
    return cm;
}

UserDataEntries UserData() {
    const auto bound = input->ConsumeIntegral<uint8_t>();
    UserDataEntries um;
    if (bound & 0x01) um.UmGetUserTempSyncPreferences = GetPreference;
    if (bound & 0x02) um.UmGetUserPermSyncPreferences = GetPreference;
    if (bound & 0x04) um.UmSetUserTempSyncPreferences = SetPreference;
    if (bound & 0x08) um.UmSetUserPermSyncPreferences = SetPreference;
    return um;
}

// A field that a module filled (when it did) ends within its width, cut between characters.
template <std::size_t N>
void CheckField(const char (&field)[N], const std::vector<char>& snapshot, const char* what) {
    Check(FieldLength(field, N) < N, what);
    if (snapshot.empty()) return;
    std::vector<char> before(N, '\0');
    std::memcpy(before.data(), snapshot.data(), std::min(N, snapshot.size()));
    fuzz::CheckTerminatedField(field, N, before, leadBytes, what);
}

void CheckAction(int32_t action, bool mayBeUnknown) {
    Check(mayBeUnknown || IsAction(action), "an action the window can show");
    char text[kActionTextSize];
    Check(ActionText(action, text) == 1 && FieldLength(text, sizeof text) < sizeof text, "an action text fits");
}

void ReadActions(const UserDataEntries& um, ConduitRecord& record) {
    const auto userId = input->ConsumeIntegral<uint32_t>();
    userName = input->ConsumeBytes<char>(input->ConsumeIntegralInRange<std::size_t>(0, 256));
    userName.resize(256, '\0');
    const int32_t shown = ReadShownAction(um, userId, record);
    CheckAction(shown, shown == record.DefaultAction);
    const int32_t enabled = ReadEnableAction(um, userId, record);
    Check(enabled != saDoNothing, "enabling never gives Do nothing");
    CheckAction(ReadCustomAction(um, userId, record), true);
    const ConfigureResult chosen = CustomizeConduit(um, userId, userName.data(), record);
    CheckAction(chosen.Action, true);
    CheckAction(ReadFallbackAction(um, userId, record), true);
    ApplyAction(um, userId, record, chosen.Action, input->ConsumeBool());
}

}  // namespace
}  // namespace corvane

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
    using namespace corvane;
    FuzzedDataProvider provider(data, size);
    input = &provider;
    filled.clear();
    pending = Filled{};
    leadBytes = fuzz::ChooseLeadBytes(provider);
    const CondMgrEntries cm = CondMgr();
    const UserDataEntries um = UserData();
    FuzzHost host;
    ConduitList list;
    ConduitListBuild(list, cm, host);
    std::size_t next = 0;
    for (const auto& record : list.Records) {
        while (next < filled.size() && !filled[next].Kept) ++next;
        Check(next < filled.size(), "every listed conduit was read from the Conduit Manager");
        const Filled& texts = filled[next++];
        CheckField(record->CreatorText, texts.CreatorText, "a creator ID ends within its field");
        CheckField(record->ModulePath, texts.ModulePath, "a module path ends within its field");
        CheckField(record->Title, texts.Title, "a title ends within its field");
        CheckField(record->Name, texts.Name, "a name ends within its field");
    }
    for (const auto& record : list.Records) ReadActions(um, *record);
    ConduitListClear(list);
    input = nullptr;
    return 0;
}
