#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "conduit_list.h"
#include "fake_palm.h"
#include "sync_action.h"

namespace corvane {
namespace {

using testing::FakeConduits;

constexpr uint32_t kUser = 7;
constexpr uint32_t kCreator = 0x64617465;

// One conduit record for user kUser, whose own default the test chooses.
class ConduitActionsTest : public ::testing::Test {
protected:
    void SetUp() override {
        FakeConduits().assign(testing::kMaxFakeConduits, {});
        record_.CreatorID = kCreator;
        record_.Module = std::make_unique<ConduitModule>(testing::FakeConduitEntries(0));
    }

    void Prefs(int32_t temp, int32_t perm) {
        if (temp != kNone) um_.Temp[{kUser, kCreator}] = temp;
        if (perm != kNone) um_.Perm[{kUser, kCreator}] = perm;
    }

    static constexpr int32_t kNone = INT32_MIN;
    testing::FakeUserData um_;
    ConduitRecord record_;
    testing::FakeConduit& conduit_ = FakeConduits()[0];
};

TEST_F(ConduitActionsTest, ShownActionPrefersTemporaryThenPermanentThenDefault) {
    const struct {
        int32_t temp, perm, defaultAction, shown;
    } rows[] = {
        {1, 2, 0, 1},  {7, 2, 0, 2},  {kNone, 3, 0, 3}, {7, 8, 9, 9},
        {kNone, kNone, 2, 2}, {-100, 4, 1, 1},
    };
    for (const auto& row : rows) {
        um_.Temp.clear();
        um_.Perm.clear();
        Prefs(row.temp, row.perm);
        record_.DefaultAction = row.defaultAction;
        EXPECT_EQ(ReadShownAction(um_.Entries(), kUser, record_), row.shown)
            << row.temp << " " << row.perm << " " << row.defaultAction;
    }
}

TEST_F(ConduitActionsTest, ShownActionWithoutUserDataIsTheDefault) {
    Prefs(1, 2);
    record_.DefaultAction = 9;
    EXPECT_EQ(ReadShownAction(UserDataEntries{}, kUser, record_), 9);
    EXPECT_FALSE(IsEnabledAction(3));
    EXPECT_TRUE(IsEnabledAction(9));
}

TEST_F(ConduitActionsTest, EnableActionTakesThePermanentPreferenceOnlyWhenTheResultEqualsIt) {
    // Palm's library answers 0, so only a permanent "Synchronize the files"
    // equals its result; a library answering with the value always does.
    const struct {
        int32_t perm;
        bool answersWithValue;
        int32_t conduitSyncType, enable, infoCalls;
    } rows[] = {
        {saHHToPC, false, stPCToHH, saPCToHH, 1},        {saSynchronize, false, stHHToPC, saSynchronize, 0},
        {saHHToPC, true, stPCToHH, saHHToPC, 0},         {saDoNothing, true, stHHToPC, saSynchronize, 0},
        {saDoNothing, false, stDoNothing, saSynchronize, 1}, {kNone, false, stSlow, saSynchronize, 1},
        {kNone, true, stBackup, 5, 1},
    };
    for (const auto& row : rows) {
        um_.Perm.clear();
        Prefs(kNone, row.perm);
        um_.AnswersWithValue = row.answersWithValue;
        conduit_.DefaultSyncType = row.conduitSyncType;
        conduit_.InfoCalls = 0;
        record_.DefaultAction = 0;
        EXPECT_EQ(ReadEnableAction(um_.Entries(), kUser, record_), row.enable) << row.perm;
        EXPECT_EQ(conduit_.InfoCalls, row.infoCalls) << row.perm;
    }
}

TEST_F(ConduitActionsTest, EnableActionWithoutUserDataAsksTheConduit) {
    conduit_.DefaultSyncType = stPCToHH;
    record_.DefaultAction = 0;
    EXPECT_EQ(ReadEnableAction(UserDataEntries{}, kUser, record_), saPCToHH);
}

TEST_F(ConduitActionsTest, CustomActionAsksBothPreferencesThenTheConduit) {
    const struct {
        int32_t temp, perm, conduitDefault, custom;  // the conduit's default is a sync type
    } rows[] = {
        {1, 2, 0, 1}, {5, 2, 0, 2}, {kNone, kNone, stDoNothing, 3}, {-1, 6, stPCToHH, 1},
    };
    for (const auto& row : rows) {
        um_.Temp.clear();
        um_.Perm.clear();
        um_.Calls.clear();
        Prefs(row.temp, row.perm);
        conduit_.DefaultSyncType = row.conduitDefault;
        EXPECT_EQ(ReadCustomAction(um_.Entries(), kUser, record_), row.custom);
        const std::vector<std::string> asked = {"get temp 7/1684108389", "get perm 7/1684108389"};
        EXPECT_EQ(um_.Calls, asked);
    }
}

TEST_F(ConduitActionsTest, FallbackActionTakesThePermanentPreferenceElseTheConduit) {
    Prefs(1, 2);
    EXPECT_EQ(ReadFallbackAction(um_.Entries(), kUser, record_), 2);
    EXPECT_EQ(conduit_.InfoCalls, 0);
    um_.Perm.clear();
    record_.DefaultAction = 8;
    conduit_.DefaultSyncType = stDoNothing;
    EXPECT_EQ(ReadFallbackAction(um_.Entries(), kUser, record_), 3);
    EXPECT_EQ(conduit_.InfoCalls, 1);
}

TEST_F(ConduitActionsTest, ApplyActionWritesTemporaryThenPermanent) {
    ApplyAction(um_.Entries(), kUser, record_, 2, false);
    EXPECT_EQ(um_.Calls, std::vector<std::string>{"set temp 7/1684108389 2"});
    um_.Calls.clear();
    ApplyAction(um_.Entries(), kUser, record_, 1, true);
    const std::vector<std::string> both = {"set temp 7/1684108389 1", "set perm 7/1684108389 1"};
    EXPECT_EQ(um_.Calls, both);
    ApplyAction(UserDataEntries{}, kUser, record_, 3, true);  // nothing bound, nothing written
    EXPECT_EQ(um_.Calls.size(), 2u);
}

class CustomizeConduitTest : public ConduitActionsTest {
protected:
    void SetUp() override {
        ConduitActionsTest::SetUp();
        conduit_.HasCfg = true;
        record_.Module = std::make_unique<ConduitModule>(testing::FakeConduitEntries(0));
    }
    ConfigureResult Customize(const char* name = "Alice") {
        return CustomizeConduit(um_.Entries(), kUser, name, record_);
    }
};

TEST_F(CustomizeConduitTest, CfgConduitGetsBothPreferencesAndGivesItsChoiceBack) {
    // Unset preferences are handed as the action in force; an unmapped choice keeps it.
    const struct {
        int32_t temp, perm, conduitType, permanentType, temporaryType, chosenType, result, action;
    } rows[] = {
        {saPCToHH, saHHToPC, stFast, stHHToPC, stPCToHH, stDoNothing, 0, saDoNothing},
        {kNone, saDoNothing, stFast, stDoNothing, stDoNothing, stSlow, 1, saSynchronize},
        {saHHToPC, 9, stFast, stHHToPC, stHHToPC, stInstall, 0, saHHToPC},
        {kNone, kNone, stPCToHH, stPCToHH, stPCToHH, -1, kUnbound, saPCToHH},
        {kNone, kNone, stInstall, stFast, stFast, -1, 0, saSynchronize},  // no action goes in as a fast sync
    };
    for (const auto& row : rows) {
        um_.Temp.clear();
        um_.Perm.clear();
        Prefs(row.temp, row.perm);
        conduit_.DefaultSyncType = row.conduitType;
        conduit_.CfgNewSyncType = row.chosenType;
        conduit_.CfgResult = row.result;
        const ConfigureResult result = Customize();
        const CfgConduitInfoType& info = conduit_.LastCfg;
        EXPECT_EQ(info.PermanentSyncType, row.permanentType) << row.temp << " " << row.perm;
        EXPECT_EQ(info.TemporarySyncType, row.temporaryType) << row.temp << " " << row.perm;
        EXPECT_EQ(result.Result, row.result);
        EXPECT_EQ(result.Action, row.action) << row.chosenType;
    }
    const CfgConduitInfoType& info = conduit_.LastCfg;
    EXPECT_EQ(conduit_.LastCfgKind, eConfig1);
    EXPECT_EQ(conduit_.LastCfgSize, 352u);
    EXPECT_EQ(info.Version, 1u);
    EXPECT_EQ(info.Size, 352u);
    EXPECT_EQ(info.CreatorId, kCreator);
    EXPECT_EQ(info.UserId, kUser);
    EXPECT_STREQ(info.UserName, "Alice");
    EXPECT_STREQ(info.Path, "C:\\Palm");
    EXPECT_EQ(info.NewSyncType, stFast);  // the temporary type, left as it was handed
    EXPECT_EQ(info.Preference, spTemporary);
    EXPECT_EQ(conduit_.LastRecord.Interface, 0);  // the ConfigureConduit stub is never asked
}

TEST_F(CustomizeConduitTest, UserNamesAreCutToFitAtACharacterBoundary) {
    record_.Module->TextLeadBytes = [](unsigned char byte) { return byte >= 0x81; };
    const std::string doubleByteAtTheEnd = std::string(62, 'a') + "\x82\xA0zz", longest(255, 'n');
    const std::pair<const char*, std::string> rows[] = {
        {nullptr, ""}, {doubleByteAtTheEnd.c_str(), std::string(62, 'a')}, {longest.c_str(), std::string(63, 'n')}};
    for (const auto& [name, kept] : rows) {
        Customize(name);
        EXPECT_EQ(std::string(conduit_.LastCfg.UserName), kept);
    }
}

TEST_F(CustomizeConduitTest, WithoutCfgConduitTheConfigureExchangeRuns) {
    conduit_.HasCfg = false;
    record_.Module = std::make_unique<ConduitModule>(testing::FakeConduitEntries(0));
    Prefs(kNone, saPCToHH);
    conduit_.ConfigureSyncType = stHHToPC;
    EXPECT_EQ(Customize().Action, saHHToPC);
    EXPECT_EQ(conduit_.LastRecord.SyncType, stPCToHH);
    EXPECT_EQ(conduit_.LastCfgKind, -1);
    record_.Module.reset();
    const ConfigureResult noModule = Customize();
    EXPECT_EQ(noModule.Result, kUnbound);
    EXPECT_EQ(noModule.Action, saPCToHH);
}

}  // namespace
}  // namespace corvane
