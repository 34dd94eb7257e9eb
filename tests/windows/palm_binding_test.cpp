#include <gtest/gtest.h>
#include <windows.h>

#include <string>

#include "palm_desktop_fixture.h"
#include "palm_libraries.h"
#include "shared_lists.h"

namespace corvane {
namespace {

// Counts the bound slots of an entry table.
#define CORVANE_COUNT_SLOT(name, result, arguments) count += entries.name != nullptr ? 1 : 0;
int BoundSlots(const CondMgrEntries& entries) {
    int count = 0;
    CORVANE_CONDMGR_FUNCTIONS(CORVANE_COUNT_SLOT)
    return count;
}
int BoundSlots(const UserDataEntries& entries) {
    int count = 0;
    CORVANE_USERDATA_FUNCTIONS(CORVANE_COUNT_SLOT)
    return count;
}
int BoundSlots(const HsApiEntries& entries) {
    int count = 0;
    CORVANE_HSAPI_FUNCTIONS(CORVANE_COUNT_SLOT)
    return count;
}
#undef CORVANE_COUNT_SLOT

using PalmBindingTest = testing::PalmDesktopTest;

int32_t PALM_API OneConduit() { return 1; }

TEST_F(PalmBindingTest, BindsEveryNameOfTheThreeLibraries) {
    EXPECT_EQ(LoadCondMgr(palm_), 1);
    EXPECT_EQ(LoadUserData(palm_), 1);
    EXPECT_EQ(LoadHsApi(palm_), 1);
    EXPECT_EQ(BoundSlots(palm_.CondMgr.Entries), 50);
    EXPECT_EQ(BoundSlots(palm_.UserData.Entries), 37);
    EXPECT_EQ(BoundSlots(palm_.HsApi.Entries), 3);
    UnloadCondMgr(palm_);
    UnloadUserData(palm_);
    UnloadHsApi(palm_);
    EXPECT_EQ(BoundSlots(palm_.CondMgr.Entries) + BoundSlots(palm_.UserData.Entries) + BoundSlots(palm_.HsApi.Entries), 0);
    EXPECT_FALSE(palm_.CondMgr.Module);
}

TEST_F(PalmBindingTest, WithoutDesktopPathNothingIsBoundAndTheListsAreEmpty) {
    palmsim::UnregisterDesktopPath();
    EXPECT_EQ(LoadCondMgr(palm_), 0);
    EXPECT_EQ(LoadUserData(palm_), 0);
    EXPECT_EQ(LoadHsApi(palm_), 0);
    EXPECT_EQ(BoundSlots(palm_.CondMgr.Entries) + BoundSlots(palm_.UserData.Entries) + BoundSlots(palm_.HsApi.Entries), 0);
    auto users = UserListCreate(palm_);
    auto conduits = ConduitListCreate(palm_);
    EXPECT_EQ(UserListCount(users.get()), 0);
    EXPECT_EQ(ConduitListCount(conduits.get()), 0);
    EXPECT_EQ(UserListAdd(*users, palm_.UserData.Entries, "Carol", ukUser), 0);
    EXPECT_EQ(ShowSyncLog(palm_, 1001), -1);
    UserListFree(users, palm_);
    ConduitListFree(conduits, palm_);
}

TEST_F(PalmBindingTest, AUserDataLibraryWithoutUmIsUserProfileStillListsEveryone) {
    ASSERT_TRUE(palmsim::InstallStandInFile(desktop_, "variants\\no-profile\\UserData.dll", "UserData.dll"));
    auto users = UserListCreate(palm_);
    EXPECT_EQ(palm_.UserData.Entries.UmIsUserProfile, nullptr);
    EXPECT_EQ(BoundSlots(palm_.UserData.Entries), 36);
    ASSERT_EQ(UserListCount(users.get()), 3);
    for (int32_t i = 0; i < 3; ++i) EXPECT_EQ(UserListAt(users.get(), i)->IsProfile, kUnbound);
    UserListFree(users, palm_);
    EXPECT_FALSE(palm_.UserData.Module);
}

TEST_F(PalmBindingTest, RebindingReleasesTheEarlierBinding) {
    const std::string library = desktop_ + "\\UserData.dll";
    ASSERT_EQ(LoadUserData(palm_), 1);
    ASSERT_EQ(LoadUserData(palm_), 1);
    HMODULE bound = GetModuleHandleA(library.c_str());
    ASSERT_NE(bound, nullptr);
    EXPECT_EQ(reinterpret_cast<void (*)()>(palm_.UserData.Entries.UmGetUserCount),
              reinterpret_cast<void (*)()>(GetProcAddress(bound, "UmGetUserCount")));
    UnloadUserData(palm_);  // one release undoes every earlier load
    EXPECT_EQ(GetModuleHandleA(library.c_str()), nullptr);
}

TEST_F(PalmBindingTest, UnloadingWhatWasNeverBoundClearsTheTable) {
    palm_.CondMgr.Entries.CmGetConduitCount = OneConduit;
    UnloadCondMgr(palm_);
    EXPECT_EQ(palm_.CondMgr.Entries.CmGetConduitCount, nullptr);
}

TEST_F(PalmBindingTest, ADirectoryTooLongForTheLibraryPathIsAFailedLoad) {
    ASSERT_TRUE(palmsim::RegisterDesktopPath("C:\\" + std::string(248, 'd')));  // 251 + "\condmgr.dll" > 259
    EXPECT_EQ(LoadCondMgr(palm_), 0);
    EXPECT_EQ(BoundSlots(palm_.CondMgr.Entries), 0);
}

TEST_F(PalmBindingTest, ModulesBindOnlyByFullPath) {
    EXPECT_FALSE(LoadPalmModule("condmgr.dll"));  // the current directory holds it, and is not searched
    EXPECT_TRUE(LoadPalmModule((desktop_ + "\\condmgr.dll").c_str()));
}

TEST_F(PalmBindingTest, EntriesTheProgramNeverCallsHavePalmsTypes) {
    ASSERT_EQ(LoadCondMgr(palm_) + LoadUserData(palm_), 2);
    CmCreatorListItem list[8] = {};
    int32_t size = sizeof list;
    ASSERT_EQ(CallEntry(palm_.CondMgr.Entries.CmGetCreatorIDList, list, &size), 0);
    EXPECT_EQ(size, 7 * 12);
    EXPECT_STREQ(list[6].CreatorID, "BKUP");
    ASSERT_EQ(CallEntry(palm_.UserData.Entries.UmSetString, 1001u, "Sync", "Folder", "C:\\Data"), 0);
    char text[16] = "";
    int32_t textSize = sizeof text;
    EXPECT_EQ(CallEntry(palm_.UserData.Entries.UmGetString, 1001u, "Sync", "Folder", text, &textSize, ""), 0);
    EXPECT_STREQ(text, "C:\\Data");
}

TEST_F(PalmBindingTest, ShowSyncLogAsksHotSyncForTheUsersLog) {
    ASSERT_EQ(LoadHsApi(palm_), 1);
    EXPECT_EQ(ShowSyncLog(palm_, 1001), 0);
    EXPECT_EQ(State("Calls", "DisplayLog"), "1001");
    EXPECT_EQ(ShowSyncLog(palm_, 4242), -1);
    UnloadHsApi(palm_);
    EXPECT_EQ(ShowSyncLog(palm_, 1001), -1);
}

}  // namespace
}  // namespace corvane
