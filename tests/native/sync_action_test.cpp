#include "sync_action.h"

#include <gtest/gtest.h>

#include <cstring>

#include "conduit_module.h"
#include "fake_palm.h"

namespace corvane {
namespace {

using testing::FakeConduitEntries;
using testing::FakeConduits;

TEST(ActionText, GivesEachCodesTextAndUnknownForTheRest) {
    const struct {
        int32_t code;
        const char* text;
    } rows[] = {
        {0, "Synchronize the files"}, {1, "Desktop overwrite handheld"}, {2, "Handheld overwrite desktop"},
        {3, "Do nothing"},            {4, "Unknown action"},             {-1, "Unknown action"},
    };
    for (const auto& row : rows) {
        char buffer[kActionTextSize];
        std::memset(buffer, 'x', sizeof buffer);
        ASSERT_EQ(ActionText(row.code, buffer), 1);
        EXPECT_STREQ(buffer, row.text);
    }
    EXPECT_EQ(ActionText(0, nullptr), 0);
    EXPECT_EQ(std::strlen(ActionTextOf(saPCToHH)) + 1, kActionTextSize);
}

TEST(ConduitSyncType, MapsBothWays) {
    EXPECT_EQ(ToConduitSyncType(0), 0);
    EXPECT_EQ(ToConduitSyncType(1), 3);
    EXPECT_EQ(ToConduitSyncType(2), 2);
    EXPECT_EQ(ToConduitSyncType(3), 6);
    EXPECT_EQ(ToConduitSyncType(5), 0);
    const struct {
        int32_t type;
        int32_t code;
    } back[] = {{6, 3}, {0, 0}, {1, 0}, {3, 1}, {2, 2}, {4, 9}, {5, 9}, {-1, 9}};
    for (const auto& row : back) EXPECT_EQ(FromConduitSyncType(row.type, 9), row.code) << row.type;
}

class ConfigureExchangeTest : public ::testing::Test {
protected:
    void SetUp() override { FakeConduits().assign(testing::kMaxFakeConduits, {}); }
    ConduitModule module_{FakeConduitEntries(0)};
    testing::FakeConduit& conduit_ = FakeConduits()[0];
};

TEST_F(ConfigureExchangeTest, FillsTheRecordAndTakesTheConduitsChoice) {
    conduit_.ConfigureSyncType = 3;
    conduit_.ConfigureResult = 1;
    const ConfigureResult result = ExchangeConduitConfig(module_, saHHToPC);
    EXPECT_EQ(result.Result, 1);
    EXPECT_EQ(result.Action, saPCToHH);
    const ConduitConfigRecord& record = conduit_.LastRecord;
    EXPECT_STREQ(record.Directory, kConduitConfigDirectory);
    for (std::size_t i = sizeof kConduitConfigDirectory; i < sizeof record.Directory; ++i) {
        ASSERT_EQ(record.Directory[i], '\0') << i;
    }
    EXPECT_EQ(record.Interface, 2);
    EXPECT_EQ(record.SyncType, 2);
    EXPECT_EQ(record.Zero, 0);
}

TEST_F(ConfigureExchangeTest, ACodeThatIsNoActionHandsSyncTypeZero) {
    const ConfigureResult result = ExchangeConduitConfig(module_, 5);
    EXPECT_EQ(conduit_.LastRecord.SyncType, 0);
    EXPECT_EQ(result.Action, saSynchronize);
}

TEST_F(ConfigureExchangeTest, UnmappedSyncTypesKeepTheStartingAction) {
    conduit_.ConfigureSyncType = 1;
    EXPECT_EQ(ExchangeConduitConfig(module_, saDoNothing).Action, saSynchronize);
    conduit_.ConfigureSyncType = 4;
    EXPECT_EQ(ExchangeConduitConfig(module_, saDoNothing).Action, saDoNothing);
}

TEST_F(ConfigureExchangeTest, AFailingConduitsChoiceIsStillTaken) {
    conduit_.ConfigureResult = kUnbound;
    conduit_.ConfigureSyncType = 6;
    const ConfigureResult result = ExchangeConduitConfig(module_, saSynchronize);
    EXPECT_EQ(result.Result, kUnbound);
    EXPECT_EQ(result.Action, saDoNothing);
}

TEST_F(ConfigureExchangeTest, NoConfigureEntryGivesMinus100AndTheStartingAction) {
    conduit_.HasConfigure = false;
    const ConduitModule module(FakeConduitEntries(0));
    for (int32_t action = 0; action <= 3; ++action) {
        const ConfigureResult result = ExchangeConduitConfig(module, action);
        EXPECT_EQ(result.Result, kUnbound);
        EXPECT_EQ(result.Action, action);
    }
    EXPECT_EQ(conduit_.LastRecord.Interface, 0);  // never called
}

TEST_F(ConfigureExchangeTest, TheConduitsDefaultSyncTypeIsTakenAsAnAction) {
    const struct {
        int32_t syncType, action;
    } rows[] = {
        {stFast, saSynchronize}, {stSlow, saSynchronize}, {stHHToPC, saHHToPC}, {stPCToHH, saPCToHH},
        {stDoNothing, saDoNothing}, {stInstall, 4}, {stProfileInstall, 7}, {-5, -5},
    };
    for (const auto& row : rows) {
        conduit_.DefaultSyncType = row.syncType;
        int32_t action = saHHToPC;
        AskDefaultAction(module_, action);
        EXPECT_EQ(action, row.action) << row.syncType;
    }
    conduit_.AnswersDefault = false;  // a conduit that answers nothing leaves the action alone
    int32_t action = saPCToHH;
    AskDefaultAction(module_, action);
    EXPECT_EQ(action, saPCToHH);
}

TEST(ConduitModule, UnboundEntriesGiveMinus100) {
    const ConduitModule unbound;
    char name[8] = "keep";
    int32_t action = 7;
    EXPECT_FALSE(HasConduitInfo(unbound));
    EXPECT_EQ(CallGetConduitName(unbound, name, sizeof name), kUnbound);
    EXPECT_EQ(AskDefaultAction(unbound, action), kUnbound);
    CfgConduitInfoType info{};
    EXPECT_FALSE(HasCfgConduit(unbound));
    EXPECT_EQ(CallCfgConduit(unbound, &info), kUnbound);
    EXPECT_STREQ(name, "keep");
    EXPECT_EQ(action, 7);
}

}  // namespace
}  // namespace corvane
