// Building the user list and reading the conduits' actions, through entry
// tables of plain functions over in-memory data.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstring>
#include <string>
#include <unordered_map>
#include <vector>

#include "conduit_list.h"
#include "user_list.h"

namespace corvane {
namespace {

std::vector<std::string>& Names() {
    static std::vector<std::string> names;
    return names;
}

// Temporary preferences of one user by creator ID; half the conduits have one.
std::unordered_map<uint32_t, int32_t>& Temporary() {
    static std::unordered_map<uint32_t, int32_t> preferences;
    return preferences;
}

int16_t PALM_API UserCount() { return static_cast<int16_t>(Names().size()); }

int32_t PALM_API UserId(int32_t index, uint32_t* id) {
    *id = static_cast<uint32_t>(index) + 1000;
    return 0;
}

int32_t PALM_API UserName(uint32_t id, char* name, int16_t* size) {
    const std::string& text = Names()[id - 1000];
    std::memcpy(name, text.c_str(), text.size() + 1);
    *size = static_cast<int16_t>(text.size() + 1);
    return 0;
}

int32_t PALM_API IsProfile(uint32_t id) { return id % 5 == 0 ? 1 : 0; }

int32_t PALM_API TempPreference(uint32_t, uint32_t creator, int32_t* action) {
    const auto it = Temporary().find(creator);
    if (it == Temporary().end()) return -1;
    *action = it->second;
    return it->second;
}

int32_t PALM_API PermPreference(uint32_t, uint32_t creator, int32_t* action) {
    *action = static_cast<int32_t>(creator % 4);
    return *action;
}

void BM_BuildUserList(benchmark::State& state) {
    // int16_t counts cap User Data at 32767 users.
    Names().clear();
    for (int64_t i = 0; i < state.range(0); ++i) Names().push_back("Palm User " + std::to_string(i));
    UserDataEntries um;
    um.UmGetUserCount = UserCount;
    um.UmGetUserID = UserId;
    um.UmGetUserName = UserName;
    um.UmIsUserProfile = IsProfile;
    for (auto _ : state) {
        UserList list;
        UserListBuild(list, um);
        benchmark::DoNotOptimize(list.Records.data());
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_BuildUserList)->Arg(10000)->Unit(benchmark::kMillisecond);

void BM_ReadShownActions(benchmark::State& state) {
    const auto count = static_cast<uint32_t>(state.range(0));
    std::vector<ConduitRecord> records(count);
    Temporary().clear();
    for (uint32_t i = 0; i < count; ++i) {
        records[i].CreatorID = 0x61000000u + i;
        if (i % 2 == 0) Temporary()[records[i].CreatorID] = static_cast<int32_t>(i % 4);
    }
    UserDataEntries um;
    um.UmGetUserTempSyncPreferences = TempPreference;
    um.UmGetUserPermSyncPreferences = PermPreference;
    for (auto _ : state) {
        int32_t sum = 0;
        for (auto& record : records) sum += ReadShownAction(um, 1001, record);
        benchmark::DoNotOptimize(sum);
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_ReadShownActions)->Arg(500)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace corvane
