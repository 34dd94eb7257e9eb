// Fake User Data and Conduit Manager libraries and fake conduits for the
// native tests: entry tables of plain functions over one fake state each.
#pragma once

#include <cstdint>
#include <cstring>
#include <map>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "conduit_list.h"
#include "palm_api.h"

namespace corvane::testing {

struct FakeUserData {
    struct User {
        uint32_t Id;
        std::string Name;
        int32_t Profile;
    };
    std::vector<User> Users;
    std::map<std::pair<uint32_t, uint32_t>, int32_t> Temp;  // (user, creator) -> action
    std::map<std::pair<uint32_t, uint32_t>, int32_t> Perm;
    std::vector<std::string> Calls;
    int32_t AddResult = 0;
    int32_t ChangeResult = 0;  // the answer of UmDeleteUser and UmSetUserName
    uint32_t NextId = 100;
    // The preference getters answer 0, or -513 when nothing is stored, as Palm's
    // library does; when set, they answer with the action they delivered instead.
    bool AnswersWithValue = false;

    // The entry table, with every slot bound unless it is named in `missing`.
    UserDataEntries Entries(const std::vector<std::string>& missing = {});

    static FakeUserData*& Current() {
        static FakeUserData* current = nullptr;
        return current;
    }
    FakeUserData() { Current() = this; }
    ~FakeUserData() { Current() = nullptr; }
    FakeUserData(const FakeUserData&) = delete;
    FakeUserData& operator=(const FakeUserData&) = delete;
};

struct FakeConduit {
    bool HasInfo = true;
    bool HasConfigure = true;
    bool HasCfg = false;
    int32_t DefaultSyncType = 0;  // what GetConduitInfo(2) answers
    bool AnswersDefault = true;   // false: GetConduitInfo writes nothing
    std::string Name;
    int32_t ConfigureResult = 0;
    int32_t ConfigureSyncType = -1;  // what ConfigureConduit leaves at offset 520; -1 leaves it alone
    ConduitConfigRecord LastRecord{};
    int InfoCalls = 0;
    int32_t CfgResult = 0;
    int32_t CfgNewSyncType = -1;  // what CfgConduit leaves as the new sync type; -1 leaves it alone
    CfgConduitInfoType LastCfg{};
    int32_t LastCfgKind = -1;
    uint32_t LastCfgSize = 0;
};

struct FakeCondMgr {
    struct Conduit {
        std::string Creator;
        std::string Module;
        std::string Title;
        std::string Info;
    };
    std::vector<Conduit> Conduits;
    int32_t CountOverride = INT32_MIN;  // when set, the count reported instead of the real one
    bool UnterminatedTexts = false;     // titles and info texts fill whole buffers, unterminated

    CondMgrEntries Entries();

    static FakeCondMgr*& Current() {
        static FakeCondMgr* current = nullptr;
        return current;
    }
    FakeCondMgr() { Current() = this; }
    ~FakeCondMgr() { Current() = nullptr; }
    FakeCondMgr(const FakeCondMgr&) = delete;
    FakeCondMgr& operator=(const FakeCondMgr&) = delete;
};

// Up to eight fake conduits, each reachable through its own entry functions.
inline constexpr int kMaxFakeConduits = 8;
std::vector<FakeConduit>& FakeConduits();
ConduitEntries FakeConduitEntries(int index);

// Loads a module named "fake:N" as fake conduit N; any other path gives an unbound module.
class FakeConduitHost : public ConduitHost {
public:
    std::unique_ptr<ConduitModule> LoadModule(const char* path) override;
    void MakeFullPath(char (&modulePath)[260]) override;
    std::vector<std::string> LoadedPaths;
};

}  // namespace corvane::testing
