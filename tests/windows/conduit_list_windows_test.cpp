#include <gtest/gtest.h>
#include <windows.h>

#include <cstring>
#include <string>

#include "conduit_modules.h"
#include "palm_desktop_fixture.h"
#include "shared_lists.h"
#include "sync_action.h"

namespace corvane {
namespace {

class ConduitListWindowsTest : public testing::PalmDesktopTest {
protected:
    void TearDown() override {
        ConduitListFree(list_, palm_);
        UserListFree(users_, palm_);
        PalmDesktopTest::TearDown();
    }

    ConduitRecord& Conduit(const char* creator) {
        for (auto& record : list_->Records) {
            if (std::strcmp(record->CreatorText, creator) == 0) return *record;
        }
        ADD_FAILURE() << "no conduit " << creator;
        return *list_->Records.front();
    }

    std::unique_ptr<ConduitList> list_;
    std::unique_ptr<UserList> users_;
};

TEST_F(ConduitListWindowsTest, ListsTheInstalledConduitsInOrder) {
    list_ = ConduitListCreate(palm_);
    ASSERT_EQ(ConduitListCount(list_.get()), 7);
    const char* order[] = {"date", "addr", "todo", "memo", "exps", "inst", "BKUP"};
    for (int32_t i = 0; i < 7; ++i) EXPECT_STREQ(ConduitListAt(list_.get(), i)->CreatorText, order[i]);
    const ConduitRecord& date = *ConduitListAt(list_.get(), 0);
    EXPECT_STREQ(date.Title, "Date Book");
    EXPECT_STREQ(date.Name, "Synchronizes the Date Book with your organizer");
    EXPECT_EQ(std::string(date.ModulePath), desktop_ + "\\DateBook.dll");
    EXPECT_EQ(date.CreatorID, 0x64617465u);
    EXPECT_STREQ(ConduitListAt(list_.get(), 1)->Name, "Address Book");  // the conduit's own name
    EXPECT_EQ(ConduitListAt(list_.get(), 4)->DefaultAction, saHHToPC);
}

TEST_F(ConduitListWindowsTest, AConduitWithoutGetConduitInfoIsLeftOut) {
    SetState("Conduits", "Creators", "date,ninf,todo");
    SetState("Conduit ninf", "ConduitFile", "NoInfo.dll");
    list_ = ConduitListCreate(palm_);
    ASSERT_EQ(ConduitListCount(list_.get()), 2);
    EXPECT_STREQ(ConduitListAt(list_.get(), 0)->CreatorText, "date");
    EXPECT_STREQ(ConduitListAt(list_.get(), 1)->CreatorText, "todo");
}

TEST_F(ConduitListWindowsTest, FullModulePathsAreKeptAndMissingModulesLeftOut) {
    const std::string other = testing::TempFolder() + "Other Conduits";
    testing::RemoveTree(other);
    CreateDirectoryA(other.c_str(), nullptr);
    ASSERT_TRUE(palmsim::InstallStandInFile(other, "ToDo.dll", "Tasks.dll"));
    SetState("Conduits", "Creators", "date,todo,gone");
    SetState("Conduit todo", "ConduitFile", other + "\\Tasks.dll");
    SetState("Conduit gone", "ConduitFile", "Gone.dll");
    list_ = ConduitListCreate(palm_);
    ASSERT_EQ(ConduitListCount(list_.get()), 2);
    EXPECT_EQ(std::string(ConduitListAt(list_.get(), 1)->ModulePath), other + "\\Tasks.dll");
    ConduitListFree(list_, palm_);
    testing::RemoveTree(other);
}

TEST_F(ConduitListWindowsTest, TextsALibraryLeavesUnterminatedEndWithinTheirFields) {
    SetState("Quirks", "UnterminatedTexts", "1");
    SetState("Conduit date", "Title", std::string(80, 'T'));
    SetState("Conduit date", "Info", std::string(300, 'I'));
    list_ = ConduitListCreate(palm_);
    ASSERT_GE(ConduitListCount(list_.get()), 1);
    EXPECT_EQ(std::string(Conduit("date").Title), std::string(63, 'T'));
    EXPECT_EQ(std::string(Conduit("date").Name), std::string(255, 'I'));
}

TEST_F(ConduitListWindowsTest, ReadsAndWritesActionsThroughUserData) {
    list_ = ConduitListCreate(palm_);
    users_ = UserListCreate(palm_);
    EXPECT_EQ(ReadShownAction(palm_.UserData.Entries, 1001, Conduit("date")), saPCToHH);    // temporary
    EXPECT_EQ(ReadShownAction(palm_.UserData.Entries, 1001, Conduit("memo")), saDoNothing);  // permanent
    EXPECT_EQ(ReadShownAction(palm_.UserData.Entries, 1001, Conduit("exps")), saHHToPC);    // the conduit's default
    EXPECT_EQ(ReadEnableAction(palm_.UserData.Entries, 1001, Conduit("memo")), saSynchronize);
    // User Data answers 0, not the permanent action it delivers, so enabling
    // takes the conduit's default unless the permanent action is 0.
    SetState("Preferences 1002", "exps.Perm", "1");
    EXPECT_EQ(ReadEnableAction(palm_.UserData.Entries, 1002, Conduit("addr")), saSynchronize);  // permanent 2
    EXPECT_EQ(ReadEnableAction(palm_.UserData.Entries, 1002, Conduit("exps")), saHHToPC);       // permanent 1

    ApplyAction(palm_.UserData.Entries, 1002, Conduit("todo"), saHHToPC, false);
    EXPECT_EQ(State("Preferences 1002", "todo.Temp"), "2");
    EXPECT_EQ(State("Preferences 1002", "todo.Perm"), "(none)");
    ApplyAction(palm_.UserData.Entries, 1002, Conduit("todo"), saDoNothing, true);
    EXPECT_EQ(State("Preferences 1002", "todo.Temp"), "3");
    EXPECT_EQ(State("Preferences 1002", "todo.Perm"), "3");
}

TEST_F(ConduitListWindowsTest, ConduitsAnswerTheirDefaultAsASyncType) {
    SetState("Conduits", "Creators", "exps,ncfg,unnm,cfgs");
    SetState("Conduit ncfg", "ConduitFile", "NoConfigure.dll");  // sync type 3
    SetState("Conduit unnm", "ConduitFile", "Unnamed.dll");      // 6
    SetState("Conduit cfgs", "ConduitFile", "CfgScripted.dll");  // 1
    list_ = ConduitListCreate(palm_);
    const int32_t actions[] = {saHHToPC, saPCToHH, saDoNothing, saSynchronize};
    ASSERT_EQ(ConduitListCount(list_.get()), 4);
    for (int32_t i = 0; i < 4; ++i) EXPECT_EQ(ConduitListAt(list_.get(), i)->DefaultAction, actions[i]) << i;
}

TEST_F(ConduitListWindowsTest, RestoringHotSyncDefaultsForgetsChosenActions) {
    list_ = ConduitListCreate(palm_);
    users_ = UserListCreate(palm_);
    ASSERT_EQ(CallEntry(palm_.CondMgr.Entries.CmRestoreHotSyncSettings, 0), 0);
    EXPECT_EQ(ReadShownAction(palm_.UserData.Entries, 1001, Conduit("date")), saSynchronize);
    EXPECT_EQ(ReadShownAction(palm_.UserData.Entries, 1001, Conduit("memo")), saSynchronize);
}

class ConduitSettingsTest : public ConduitListWindowsTest {
protected:
    void SetUp() override {
        ConduitListWindowsTest::SetUp();
        SetState("Conduits", "Creators", "scrp,fail,ncfg,cfgs");
        SetState("Conduit scrp", "ConduitFile", "Scripted.dll");
        SetState("Conduit fail", "ConduitFile", "FailConfigure.dll");
        SetState("Conduit ncfg", "ConduitFile", "NoConfigure.dll");
        SetState("Conduit cfgs", "ConduitFile", "CfgScripted.dll");
        list_ = ConduitListCreate(palm_);
        users_ = UserListCreate(palm_);
        ASSERT_EQ(ConduitListCount(list_.get()), 4);
    }
};

TEST_F(ConduitSettingsTest, TheConduitReceivesTheRecordAndItsChoiceIsTaken) {
    SetState("Scripted", "SyncType", "3");
    const ConfigureResult result = ExchangeConduitConfig(*Conduit("scrp").Module, saDoNothing);
    EXPECT_EQ(result.Result, 0);
    EXPECT_EQ(result.Action, saPCToHH);
    EXPECT_EQ(State("Configured Scripted", "Directory"), "C:\\Palm");
    EXPECT_EQ(State("Configured Scripted", "Interface"), "2");
    EXPECT_EQ(State("Configured Scripted", "SyncType"), "6");
}

TEST_F(ConduitSettingsTest, AFailingOrMissingConfigureGivesMinus100) {
    const ConfigureResult failed = ExchangeConduitConfig(*Conduit("fail").Module, saSynchronize);
    EXPECT_EQ(failed.Result, kUnbound);
    EXPECT_EQ(failed.Action, saDoNothing);  // the sync type it left is still taken
    const ConfigureResult missing = ExchangeConduitConfig(*Conduit("ncfg").Module, saHHToPC);
    EXPECT_EQ(missing.Result, kUnbound);
    EXPECT_EQ(missing.Action, saHHToPC);
    EXPECT_EQ(State("Configured No Settings", "Calls"), "(none)");
}

TEST_F(ConduitSettingsTest, CustomReachesCfgConduitAndTakesItsChoice) {
    SetState("Preferences 1001", "cfgs.Temp", "2");
    SetState("Preferences 1001", "cfgs.Perm", "1");
    SetState("Scripted", "SyncType", "6");
    const ConfigureResult result = CustomizeConduit(palm_.UserData.Entries, 1001, "Alice Martin", Conduit("cfgs"));
    EXPECT_EQ(result.Result, 0);
    EXPECT_EQ(result.Action, saDoNothing);
    const char* section = "CfgConduit Scripted Settings";
    const std::pair<const char*, const char*> received[] = {
        {"Kind", "0"},     {"ArgumentsSize", "352"}, {"Version", "1"},        {"Size", "352"},
        {"Creator", "cfgs"}, {"UserId", "1001"},    {"UserName", "Alice Martin"}, {"Path", "C:\\Palm"},
        {"Permanent", "3"}, {"Temporary", "2"},     {"New", "2"},            {"Preference", "2"},
    };
    for (const auto& [key, value] : received) EXPECT_EQ(State(section, key), value) << key;
    EXPECT_EQ(State("Configured Scripted Settings", "Calls"), "(none)");  // the stub is never asked

    SetState("Scripted", "Result", "-100");  // a failing CfgConduit still gives its choice
    SetState("Scripted", "SyncType", "3");
    const ConfigureResult failed = CustomizeConduit(palm_.UserData.Entries, 1001, "Alice Martin", Conduit("cfgs"));
    EXPECT_EQ(failed.Result, kUnbound);
    EXPECT_EQ(failed.Action, saPCToHH);
    CustomizeConduit(palm_.UserData.Entries, 1001, "Alice Martin", Conduit("scrp"));  // no CfgConduit
    EXPECT_EQ(State("Configured Scripted", "Calls"), "1");
}

TEST_F(ConduitSettingsTest, LoadingAModuleAgainReleasesTheEarlierBinding) {
    const std::string path = desktop_ + "\\Scripted.dll";
    LibraryConduitModule module;
    EXPECT_EQ(ConduitModuleLoad(module, ""), 0);
    EXPECT_EQ(ConduitModuleLoad(module, path.c_str()), 1);
    EXPECT_EQ(ConduitModuleLoad(module, path.c_str()), 1);
    ConduitListFree(list_, palm_);  // the list's own binding of the same file
    ConduitModuleUnload(module);
    EXPECT_EQ(GetModuleHandleA(path.c_str()), nullptr);
    EXPECT_FALSE(HasConduitInfo(module));
}

}  // namespace
}  // namespace corvane
