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

TEST_F(ConduitActionsTest, EnableActionTakesAPermanentPreferenceReturnedAsItsValue) {
    Prefs(kNone, 2);
    EXPECT_EQ(ReadEnableAction(um_.Entries(), kUser, record_), 2);
    EXPECT_EQ(conduit_.InfoCalls, 0);
}

TEST_F(ConduitActionsTest, EnableActionNeverGivesDoNothing) {
    Prefs(kNone, 3);
    EXPECT_EQ(ReadEnableAction(um_.Entries(), kUser, record_), 0);
    um_.Perm.clear();
    conduit_.DefaultAction = 3;
    EXPECT_EQ(ReadEnableAction(um_.Entries(), kUser, record_), 0);
}

TEST_F(ConduitActionsTest, EnableActionAsksTheConduitWhenTheResultDiffersFromTheValue) {
    Prefs(kNone, 1);
    um_.PermResultOffset = 10;  // the library answers something other than the value it delivered
    conduit_.DefaultAction = 2;
    EXPECT_EQ(ReadEnableAction(um_.Entries(), kUser, record_), 2);
    EXPECT_EQ(conduit_.InfoCalls, 1);
    EXPECT_EQ(record_.DefaultAction, 2);
}

TEST_F(ConduitActionsTest, EnableActionWithoutUserDataAsksTheConduit) {
    conduit_.DefaultAction = 1;
    record_.DefaultAction = 0;
    EXPECT_EQ(ReadEnableAction(UserDataEntries{}, kUser, record_), 1);
}

TEST_F(ConduitActionsTest, CustomActionAsksBothPreferencesThenTheConduit) {
    const struct {
        int32_t temp, perm, conduitDefault, custom;
    } rows[] = {
        {1, 2, 0, 1}, {5, 2, 0, 2}, {kNone, kNone, 3, 3}, {-1, 6, 1, 1},
    };
    for (const auto& row : rows) {
        um_.Temp.clear();
        um_.Perm.clear();
        um_.Calls.clear();
        Prefs(row.temp, row.perm);
        conduit_.DefaultAction = row.conduitDefault;
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
    conduit_.DefaultAction = 3;
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

}  // namespace
}  // namespace corvane
