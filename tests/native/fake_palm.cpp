#include "fake_palm.h"

#include <algorithm>
#include <cstdio>

namespace corvane::testing {
namespace {

FakeUserData& Um() { return *FakeUserData::Current(); }
FakeCondMgr& Cm() { return *FakeCondMgr::Current(); }

FakeUserData::User* FindUser(uint32_t id) {
    for (auto& user : Um().Users) {
        if (user.Id == id) return &user;
    }
    return nullptr;
}

std::string Key(uint32_t user, uint32_t creator) {
    return std::to_string(user) + "/" + std::to_string(creator);
}

// Copies `text` into `buffer` of `size` bytes, terminated unless the fake is
// told to fill the buffer without a terminator.
void Fill(char* buffer, int32_t size, const std::string& text, bool unterminated) {
    if (size <= 0) return;
    const auto room = static_cast<std::size_t>(size);
    if (unterminated && !text.empty()) {
        for (std::size_t i = 0; i < room; ++i) buffer[i] = text[i % text.size()];
        return;
    }
    const std::size_t length = std::min(text.size(), room - 1);
    std::memcpy(buffer, text.data(), length);
    buffer[length] = '\0';
}

const FakeCondMgr::Conduit* FindConduit(const char* creator) {
    for (const auto& conduit : Cm().Conduits) {
        if (conduit.Creator == creator) return &conduit;
    }
    return nullptr;
}

template <std::string FakeCondMgr::Conduit::*Field, bool MayLeaveUnterminated>
int32_t GetText(const char* creator, char* text, int32_t* size) {
    const auto* conduit = FindConduit(creator);
    if (conduit == nullptr) return -1;
    Fill(text, *size, conduit->*Field, MayLeaveUnterminated && Cm().UnterminatedTexts);
    return 0;
}

template <int N>
int32_t ConduitInfo(int32_t kind, void*, void* output, uint32_t* size) {
    FakeConduit& conduit = FakeConduits()[N];
    ++conduit.InfoCalls;
    if (conduit.AnswersDefault && kind == kConduitInfoDefaultAction && *size == sizeof(int32_t)) {
        std::memcpy(output, &conduit.DefaultSyncType, sizeof(int32_t));
    }
    return 0;
}

template <int N>
int32_t ConduitName(char* name, uint16_t length) {
    // A name longer than the buffer comes back without its terminator.
    const std::string& text = FakeConduits()[N].Name;
    Fill(name, length, text, text.size() >= length);
    return 0;
}

template <int N>
int32_t Configure(ConduitConfigRecord* record) {
    FakeConduit& conduit = FakeConduits()[N];
    conduit.LastRecord = *record;
    if (conduit.ConfigureSyncType >= 0) record->SyncType = conduit.ConfigureSyncType;
    return conduit.ConfigureResult;
}

template <int N>
int32_t Cfg(ConduitCfgEnum kind, void* arguments, uint32_t* size) {
    FakeConduit& conduit = FakeConduits()[N];
    conduit.LastCfgKind = kind;
    conduit.LastCfgSize = *size;
    auto* info = static_cast<CfgConduitInfoType*>(arguments);
    conduit.LastCfg = *info;
    if (conduit.CfgNewSyncType >= 0) info->NewSyncType = conduit.CfgNewSyncType;
    return conduit.CfgResult;
}

template <int... N>
ConduitEntries EntriesOf(int index, std::integer_sequence<int, N...>) {
    static const ConduitEntries table[] = {{Configure<N>, ConduitName<N>, ConduitInfo<N>, Cfg<N>}...};
    return table[index];
}

// A preference getter's answer: Palm's 0 and -513, or the delivered action.
int32_t PreferenceAnswer(const std::map<std::pair<uint32_t, uint32_t>, int32_t>& stored, uint32_t user,
                         uint32_t creator, int32_t* action) {
    const auto it = stored.find({user, creator});
    if (it == stored.end()) return Um().AnswersWithValue ? -1 : -513;
    *action = it->second;
    return Um().AnswersWithValue ? it->second : 0;
}

}  // namespace

UserDataEntries FakeUserData::Entries(const std::vector<std::string>& missing) {
    UserDataEntries um;
    um.UmGetUserCount = []() -> int16_t { return static_cast<int16_t>(Um().Users.size()); };
    um.UmGetUserID = [](int32_t index, uint32_t* id) -> int32_t {
        *id = Um().Users.at(static_cast<std::size_t>(index)).Id;
        return 0;
    };
    um.UmGetUserName = [](uint32_t id, char* name, int16_t* size) -> int32_t {
        const auto* user = FindUser(id);
        if (user == nullptr) return -1;
        // A name of exactly the buffer's size comes back without its terminator.
        const auto room = static_cast<std::size_t>(*size);
        std::memcpy(name, user->Name.data(), std::min(user->Name.size(), room));
        if (user->Name.size() < room) name[user->Name.size()] = '\0';
        return 0;
    };
    um.UmIsUserProfile = [](uint32_t id) -> int32_t {
        const auto* user = FindUser(id);
        return user != nullptr ? user->Profile : 0;
    };
    um.UmAddUser = [](const char* name, int32_t kind) -> int32_t {
        Um().Calls.push_back(std::string("add ") + name);
        if (Um().AddResult != 0) return Um().AddResult;
        Um().Users.push_back({Um().NextId++, name, kind});
        return 0;
    };
    um.UmGetIDFromName = [](const char* name, uint32_t* id) -> int32_t {
        for (const auto& user : Um().Users) {
            if (user.Name == name) *id = user.Id;
        }
        return 0;
    };
    um.UmDeleteUser = [](uint32_t id) -> int32_t {
        Um().Calls.push_back("delete " + std::to_string(id));
        return Um().ChangeResult;
    };
    um.UmSetUserName = [](uint32_t id, const char* name) -> int32_t {
        Um().Calls.push_back("rename " + std::to_string(id) + " " + name);
        return Um().ChangeResult;
    };
    um.UmGetUserTempSyncPreferences = [](uint32_t user, uint32_t creator, int32_t* action) -> int32_t {
        Um().Calls.push_back("get temp " + Key(user, creator));
        return PreferenceAnswer(Um().Temp, user, creator, action);
    };
    um.UmGetUserPermSyncPreferences = [](uint32_t user, uint32_t creator, int32_t* action) -> int32_t {
        Um().Calls.push_back("get perm " + Key(user, creator));
        return PreferenceAnswer(Um().Perm, user, creator, action);
    };
    um.UmSetUserTempSyncPreferences = [](uint32_t user, uint32_t creator, int32_t action) -> int32_t {
        Um().Calls.push_back("set temp " + Key(user, creator) + " " + std::to_string(action));
        Um().Temp[{user, creator}] = action;
        return 0;
    };
    um.UmSetUserPermSyncPreferences = [](uint32_t user, uint32_t creator, int32_t action) -> int32_t {
        Um().Calls.push_back("set perm " + Key(user, creator) + " " + std::to_string(action));
        Um().Perm[{user, creator}] = action;
        return 0;
    };
    for (const auto& name : missing) {
        if (name == "UmIsUserProfile") um.UmIsUserProfile = nullptr;
        if (name == "UmGetIDFromName") um.UmGetIDFromName = nullptr;
        if (name == "UmGetUserPermSyncPreferences") um.UmGetUserPermSyncPreferences = nullptr;
        if (name == "UmGetUserTempSyncPreferences") um.UmGetUserTempSyncPreferences = nullptr;
    }
    return um;
}

CondMgrEntries FakeCondMgr::Entries() {
    CondMgrEntries cm;
    cm.CmGetConduitCount = []() -> int32_t {
        if (Cm().CountOverride != INT32_MIN) return Cm().CountOverride;
        return static_cast<int32_t>(Cm().Conduits.size());
    };
    cm.CmGetConduitCreatorID = [](int32_t index, char* creator, int32_t* size) -> int32_t {
        Fill(creator, *size, Cm().Conduits.at(static_cast<std::size_t>(index)).Creator, false);
        return 0;
    };
    cm.CmGetCreatorName = GetText<&Conduit::Module, false>;
    cm.CmGetCreatorTitle = GetText<&Conduit::Title, true>;
    cm.CmGetCreatorInfo = GetText<&Conduit::Info, true>;
    cm.CmConvertStringToCreatorID = [](const char* text, uint32_t* id) -> int32_t {
        uint32_t value = 0;
        for (int i = 0; i < 4 && text[i] != '\0'; ++i) value = value << 8 | static_cast<unsigned char>(text[i]);
        *id = value;
        return 0;
    };
    return cm;
}

std::vector<FakeConduit>& FakeConduits() {
    static std::vector<FakeConduit> conduits(kMaxFakeConduits);
    return conduits;
}

ConduitEntries FakeConduitEntries(int index) {
    ConduitEntries entries = EntriesOf(index, std::make_integer_sequence<int, kMaxFakeConduits>{});
    const FakeConduit& conduit = FakeConduits()[static_cast<std::size_t>(index)];
    if (!conduit.HasInfo) entries.GetConduitInfo = nullptr;
    if (!conduit.HasConfigure) entries.ConfigureConduit = nullptr;
    if (!conduit.HasCfg) entries.CfgConduit = nullptr;
    return entries;
}

std::unique_ptr<ConduitModule> FakeConduitHost::LoadModule(const char* path) {
    LoadedPaths.emplace_back(path);
    int index = -1;
    if (std::sscanf(path, "C:\\Palm\\fake:%d", &index) != 1 || index < 0 || index >= kMaxFakeConduits) {
        return std::make_unique<ConduitModule>();
    }
    return std::make_unique<ConduitModule>(FakeConduitEntries(index));
}

void FakeConduitHost::MakeFullPath(char (&modulePath)[260]) {
    // Relative names resolve against C:\Palm, as the current directory would.
    if (std::strchr(modulePath, ':') != nullptr && modulePath[1] == ':') return;
    char full[260];
    if (std::snprintf(full, sizeof full, "C:\\Palm\\%s", modulePath) < static_cast<int>(sizeof full)) {
        std::memcpy(modulePath, full, sizeof full);
    }
}

}  // namespace corvane::testing
