#include "conduit_list.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "fake_palm.h"
#include "sync_action.h"

namespace corvane {
namespace {

using testing::FakeConduits;

class ConduitListTest : public ::testing::Test {
protected:
    void SetUp() override { FakeConduits().assign(testing::kMaxFakeConduits, {}); }

    ConduitList Build() {
        ConduitList list;
        EXPECT_EQ(ConduitListBuild(list, cm_.Entries(), host_), 1);
        return list;
    }

    testing::FakeCondMgr cm_;
    testing::FakeConduitHost host_;
};

TEST_F(ConduitListTest, NoCountGivesNoConduits) {
    cm_.Conduits = {{"date", "fake:0", "Date Book", ""}};
    for (const int32_t count : {0, -1, kUnbound}) {
        cm_.CountOverride = count;
        const ConduitList list = Build();
        EXPECT_EQ(ConduitListCount(&list), 0);
    }
    ConduitList list;
    ConduitListBuild(list, CondMgrEntries{}, host_);
    EXPECT_EQ(ConduitListCount(&list), 0);
}

TEST_F(ConduitListTest, AConduitWithoutGetConduitInfoIsLeftOut) {
    cm_.Conduits = {{"date", "fake:0", "Date Book", "a"}, {"addr", "fake:1", "Address", "b"},
                    {"todo", "fake:2", "To Do", "c"}};
    FakeConduits()[1].HasInfo = false;
    const ConduitList list = Build();
    ASSERT_EQ(ConduitListCount(&list), 2);
    EXPECT_STREQ(ConduitListAt(&list, 0)->CreatorText, "date");
    EXPECT_STREQ(ConduitListAt(&list, 1)->CreatorText, "todo");
    EXPECT_EQ(ConduitListAt(&list, 2), nullptr);
    EXPECT_EQ(ConduitListAt(&list, -1), nullptr);
}

TEST_F(ConduitListTest, AModuleThatCannotBeBoundIsLeftOut) {
    cm_.Conduits = {{"memo", "missing.dll", "Memo Pad", ""}, {"todo", "fake:2", "To Do", ""}};
    const ConduitList list = Build();
    ASSERT_EQ(ConduitListCount(&list), 1);
    EXPECT_STREQ(ConduitListAt(&list, 0)->CreatorText, "todo");
}

TEST_F(ConduitListTest, FillsEveryFieldAndAsksTheConduitForItsDefault) {
    cm_.Conduits = {{"date", "fake:3", "Date Book", "Syncs the date book"}};
    FakeConduits()[3].DefaultSyncType = stPCToHH;
    const ConduitList list = Build();
    ASSERT_EQ(ConduitListCount(&list), 1);
    const ConduitRecord& record = *ConduitListAt(&list, 0);
    EXPECT_STREQ(record.Title, "Date Book");
    EXPECT_STREQ(record.Name, "Syncs the date book");
    EXPECT_STREQ(record.ModulePath, "C:\\Palm\\fake:3");
    EXPECT_EQ(record.CreatorID, 0x64617465u);  // 'date'
    EXPECT_EQ(record.DefaultAction, saPCToHH);  // its sync type, as an action
    EXPECT_EQ(host_.LoadedPaths, std::vector<std::string>{"C:\\Palm\\fake:3"});
}

TEST_F(ConduitListTest, FullModulePathsStayAsTheyAre) {
    cm_.Conduits = {{"date", "D:\\Conduits\\fake:0", "", ""}};
    Build();
    EXPECT_EQ(host_.LoadedPaths, std::vector<std::string>{"D:\\Conduits\\fake:0"});
}

TEST_F(ConduitListTest, AnEmptyInfoTextTakesTheConduitsOwnName) {
    cm_.Conduits = {{"memo", "fake:0", "", ""}, {"todo", "fake:1", "", ""}};
    FakeConduits()[0].Name = "Memo Pad";
    const ConduitList list = Build();
    EXPECT_STREQ(ConduitListAt(&list, 0)->Name, "Memo Pad");
    EXPECT_STREQ(ConduitListAt(&list, 1)->Name, "");
}

TEST_F(ConduitListTest, TextsFilledWithoutTerminatorsEndWithinTheirFields) {
    cm_.Conduits = {{"date", "fake:0", "Title", "Info"}, {"todo", "fake:1", "", ""}};
    cm_.UnterminatedTexts = true;
    FakeConduits()[1].Name = std::string(300, 'n');
    const ConduitList list = Build();
    ASSERT_EQ(ConduitListCount(&list), 2);
    EXPECT_EQ(std::strncmp(ConduitListAt(&list, 0)->Title, "TitleTitle", 10), 0);
    EXPECT_EQ(std::strlen(ConduitListAt(&list, 0)->Title), 63u);
    EXPECT_EQ(std::strlen(ConduitListAt(&list, 0)->Name), 255u);
    EXPECT_EQ(std::string(ConduitListAt(&list, 1)->Name), std::string(255, 'n'));
}

TEST_F(ConduitListTest, RebuildingReplacesTheRecords) {
    cm_.Conduits = {{"date", "fake:0", "", ""}};
    ConduitList list = Build();
    cm_.Conduits.push_back({"todo", "fake:1", "", ""});
    ConduitListBuild(list, cm_.Entries(), host_);
    EXPECT_EQ(ConduitListCount(&list), 2);
    ConduitListClear(list);
    EXPECT_EQ(ConduitListCount(&list), 0);
}

}  // namespace
}  // namespace corvane
