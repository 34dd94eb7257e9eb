#include <gtest/gtest.h>
#include <windows.h>

#include <string>

#include "palm_desktop_fixture.h"
#include "shared_lists.h"
#include "user_combo.h"

namespace corvane {
namespace {

std::string ItemText(HWND combo, int index) {
    char text[300] = "";
    SendMessageA(combo, CB_GETLBTEXT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(text));
    return text;
}

class UserListWindowsTest : public testing::PalmDesktopTest {
protected:
    void SetUp() override {
        PalmDesktopTest::SetUp();
        combo_ = CreateWindowExA(0, "COMBOBOX", "", CBS_DROPDOWNLIST | WS_POPUP, 0, 0, 200, 200, nullptr, nullptr,
                                 GetModuleHandleA(nullptr), nullptr);
        ASSERT_NE(combo_, nullptr);
        list_ = UserListCreate(palm_);
    }
    void TearDown() override {
        DestroyWindow(combo_);
        UserListFree(list_, palm_);
        PalmDesktopTest::TearDown();
    }

    HWND combo_ = nullptr;
    std::unique_ptr<UserList> list_;
};

TEST_F(UserListWindowsTest, FillsTheChooserWithUsersAndProfiles) {
    ASSERT_EQ(UserListCount(list_.get()), 3);
    FillUserCombo(list_.get(), combo_);
    ASSERT_EQ(SendMessageA(combo_, CB_GETCOUNT, 0, 0), 3);
    EXPECT_EQ(ItemText(combo_, 0), "Alice Martin");
    EXPECT_EQ(ItemText(combo_, 2), "Travel (profile)");
    EXPECT_EQ(SendMessageA(combo_, CB_GETCURSEL, 0, 0), 0);
    EXPECT_EQ(UserComboRecord(combo_, 2, list_.get()), UserListAt(list_.get(), 2));
    EXPECT_EQ(UserComboRecord(combo_, 3, list_.get()), nullptr);
}

TEST_F(UserListWindowsTest, AChooserNeverReachesADeletedUsersRecord) {
    FillUserCombo(list_.get(), combo_);
    ASSERT_EQ(UserListDelete(*list_, palm_.UserData.Entries, 1002), 1);
    EXPECT_EQ(UserComboRecord(combo_, 1, list_.get()), nullptr);  // Bob's item stays until the chooser is refilled
    ASSERT_EQ(UserListAdd(*list_, palm_.UserData.Entries, "Dora", ukUser), 1);
    EXPECT_EQ(UserComboRecord(combo_, 1, list_.get()), nullptr);  // not even when a new record takes its memory
    EXPECT_EQ(UserComboRecord(combo_, 0, list_.get())->UserID, 1001u);
}

TEST_F(UserListWindowsTest, AddDeleteAndRenameGoThroughUserData) {
    ASSERT_EQ(UserListAdd(*list_, palm_.UserData.Entries, "Carol", ukProfile), 1);
    ASSERT_EQ(UserListCount(list_.get()), 4);
    EXPECT_EQ(UserListAt(list_.get(), 3)->UserID, 1004u);
    EXPECT_EQ(UserListAt(list_.get(), 3)->IsProfile, 1);
    EXPECT_EQ(State("User 1004", "Name"), "Carol");

    EXPECT_EQ(UserListAdd(*list_, palm_.UserData.Entries, "alice martin", ukUser), 0);  // User Data refuses a name in use
    EXPECT_EQ(UserListAdd(*list_, palm_.UserData.Entries, "", ukUser), 0);
    EXPECT_EQ(UserListCount(list_.get()), 4);

    EXPECT_EQ(UserListRename(*list_, palm_.UserData.Entries, 1001, "ALICE MARTIN"), 1);
    EXPECT_EQ(State("User 1001", "Name"), "ALICE MARTIN");

    EXPECT_EQ(UserListDelete(*list_, palm_.UserData.Entries, 1002), 1);
    EXPECT_EQ(UserListDelete(*list_, palm_.UserData.Entries, 1002), 0);
    EXPECT_EQ(State("Users", "IDs"), "1001,1003,1004");
    EXPECT_EQ(UserListCount(list_.get()), 3);
}

class EmptyPalmDesktopTest : public UserListWindowsTest {
protected:
    palmsim::DesktopKind Kind() const override { return palmsim::DesktopKind::Empty; }
};

TEST_F(EmptyPalmDesktopTest, NoUsersLeaveTheChooserEmptyWithoutSelection) {
    EXPECT_EQ(UserListCount(list_.get()), 0);
    SendMessageA(combo_, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>("stale"));
    FillUserCombo(list_.get(), combo_);
    EXPECT_EQ(SendMessageA(combo_, CB_GETCOUNT, 0, 0), 0);
    EXPECT_EQ(SendMessageA(combo_, CB_GETCURSEL, 0, 0), CB_ERR);
}

}  // namespace
}  // namespace corvane
