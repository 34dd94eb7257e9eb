#include "user_list.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "fake_palm.h"

namespace corvane {
namespace {

class UserListTest : public ::testing::Test {
protected:
    UserList Build(const std::vector<std::string>& missing = {}) {
        UserList list;
        EXPECT_EQ(UserListBuild(list, um_.Entries(missing)), 1);
        return list;
    }
    std::string ComboText(const UserRecord& record, LeadByteTest isLeadByte = NoLeadBytes) {
        char text[kUserNameSize];
        UserComboText(record, text, isLeadByte);
        return text;
    }

    testing::FakeUserData um_;
};

TEST_F(UserListTest, BuildsInUserDataOrder) {
    um_.Users = {{10, "Alice", 0}, {11, "Travel", 1}, {12, "Bob", 0}};
    const UserList list = Build();
    ASSERT_EQ(UserListCount(&list), 3);
    EXPECT_STREQ(UserListAt(&list, 1)->UserName, "Travel");
    EXPECT_EQ(UserListAt(&list, 1)->UserID, 11u);
    EXPECT_EQ(UserListAt(&list, 1)->IsProfile, 1);
    EXPECT_EQ(UserListAt(&list, 3), nullptr);
    EXPECT_EQ(UserListAt(&list, -1), nullptr);
    EXPECT_EQ(ComboText(*UserListAt(&list, 0)), "Alice");
    EXPECT_EQ(ComboText(*UserListAt(&list, 1)), "Travel (profile)");
}

TEST_F(UserListTest, WithoutUserDataTheListIsEmpty) {
    um_.Users = {{10, "Alice", 0}};
    UserList list;
    UserListBuild(list, UserDataEntries{});
    EXPECT_EQ(UserListCount(&list), 0);
    EXPECT_EQ(UserListAdd(list, UserDataEntries{}, "Bob", ukUser), 0);
    EXPECT_EQ(UserListCount(&list), 0);
}

TEST_F(UserListTest, WithoutUmIsUserProfileEveryRecordReadsAsAProfile) {
    um_.Users = {{10, "Alice", 0}, {11, "Travel", 1}};
    const UserList list = Build({"UmIsUserProfile"});
    ASSERT_EQ(UserListCount(&list), 2);
    EXPECT_EQ(UserListAt(&list, 0)->IsProfile, kUnbound);
    EXPECT_EQ(ComboText(*UserListAt(&list, 0)), "Alice (profile)");
}

TEST_F(UserListTest, ANameThatFillsTheBufferIsCutToFit) {
    um_.Users = {{10, std::string(256, 'a'), 0}, {11, std::string(400, 'b'), 1}};
    const UserList list = Build();
    EXPECT_EQ(std::string(UserListAt(&list, 0)->UserName), std::string(255, 'a'));
    const std::string combo = ComboText(*UserListAt(&list, 1));
    EXPECT_EQ(combo, std::string(245, 'b') + " (profile)");
}

TEST_F(UserListTest, CutsNeverSplitACharacter) {
    // Pretend '\x81' starts a two-byte character, as in a double-byte code page.
    const LeadByteTest isLead = [](unsigned char byte) { return byte == 0x81; };
    UserRecord record;
    record.IsProfile = 1;
    const std::string pairs(400, '\x81');  // 200 two-byte characters
    CopyField(record.UserName, kUserNameSize, pairs.c_str(), 255);
    record.UserName[255] = '\0';
    EXPECT_EQ(ComboText(record, isLead), std::string(244, '\x81') + " (profile)");
}

TEST_F(UserListTest, AddAppendsWithTheIdUserDataGives) {
    um_.Users = {{10, "Alice", 0}, {11, "Travel", 1}};
    UserList list = Build();
    ASSERT_EQ(UserListAdd(list, um_.Entries(), "Bob", ukUser), 1);
    ASSERT_EQ(UserListCount(&list), 3);
    EXPECT_STREQ(UserListAt(&list, 2)->UserName, "Bob");
    EXPECT_EQ(UserListAt(&list, 2)->UserID, 100u);
    EXPECT_EQ(UserListAt(&list, 2)->IsProfile, 0);
}

TEST_F(UserListTest, AddRefusedByUserDataChangesNothing) {
    UserList list = Build();
    um_.AddResult = 5;
    EXPECT_EQ(UserListAdd(list, um_.Entries(), "Bob", ukProfile), 0);
    EXPECT_EQ(UserListCount(&list), 0);
}

TEST_F(UserListTest, AddRefusesANameTooLongToHoldWithoutAskingUserData) {
    UserList list = Build();
    EXPECT_EQ(UserListAdd(list, um_.Entries(), std::string(256, 'x').c_str(), ukUser), 0);
    EXPECT_EQ(UserListAdd(list, um_.Entries(), nullptr, ukUser), 0);
    EXPECT_TRUE(um_.Calls.empty());
    EXPECT_EQ(UserListAdd(list, um_.Entries(), std::string(255, 'x').c_str(), ukUser), 1);
}

TEST_F(UserListTest, DeleteRemovesTheFirstRecordOfTheId) {
    um_.Users = {{10, "Alice", 0}, {11, "Bob", 0}, {10, "Twin", 0}};
    UserList list = Build();
    EXPECT_EQ(UserListDelete(list, um_.Entries(), 99), 0);
    EXPECT_TRUE(um_.Calls.empty());
    ASSERT_EQ(UserListDelete(list, um_.Entries(), 10), 1);
    ASSERT_EQ(UserListCount(&list), 2);
    EXPECT_STREQ(UserListAt(&list, 0)->UserName, "Bob");
    EXPECT_EQ(UserListAt(&list, 1)->UserID, 10u);  // the second record of the ID stays
    EXPECT_EQ(um_.Calls, std::vector<std::string>{"delete 10"});
}

TEST_F(UserListTest, RenameCallsUserDataOnlyForAChangedName) {
    um_.Users = {{10, "Alice", 0}, {10, "Twin", 0}};
    UserList list = Build();
    EXPECT_EQ(UserListRename(list, um_.Entries(), 10, "Alice"), 1);
    EXPECT_TRUE(um_.Calls.empty());
    EXPECT_EQ(UserListRename(list, um_.Entries(), 10, "ALICE"), 1);
    EXPECT_EQ(um_.Calls, std::vector<std::string>{"rename 10 ALICE"});
    EXPECT_STREQ(UserListAt(&list, 0)->UserName, "ALICE");
    EXPECT_STREQ(UserListAt(&list, 1)->UserName, "Alice");  // the second record of the ID is untouched
    EXPECT_EQ(UserListRename(list, um_.Entries(), 99, "Nobody"), 0);
    EXPECT_EQ(UserListRename(list, um_.Entries(), 10, std::string(300, 'x').c_str()), 0);
    EXPECT_STREQ(UserListAt(&list, 0)->UserName, "ALICE");
    EXPECT_EQ(um_.Calls.size(), 1u);
}

TEST_F(UserListTest, ADeleteOrRenameUserDataRefusesChangesNothing) {
    um_.Users = {{10, "Alice", 0}};
    um_.ChangeResult = -2;
    UserList list = Build();
    EXPECT_EQ(UserListDelete(list, um_.Entries(), 10), 0);
    EXPECT_EQ(UserListRename(list, um_.Entries(), 10, "Bob"), 0);
    ASSERT_EQ(UserListCount(&list), 1);
    EXPECT_STREQ(UserListAt(&list, 0)->UserName, "Alice");
    EXPECT_EQ(um_.Calls, (std::vector<std::string>{"delete 10", "rename 10 Bob"}));
}

TEST(CharacterPrefix, StopsBeforeASplitCharacter) {
    const LeadByteTest isLead = [](unsigned char byte) { return byte >= 0x80; };
    EXPECT_EQ(CharacterPrefix("ab\x81x", 4, 3, isLead), 2u);
    EXPECT_EQ(CharacterPrefix("ab\x81x", 4, 4, isLead), 4u);
    EXPECT_EQ(CharacterPrefix("abcd", 4, 3, NoLeadBytes), 3u);
    EXPECT_EQ(CharacterPrefix("a\x81", 2, 5, isLead), 2u);  // a lead byte at the very end stands alone
}

}  // namespace
}  // namespace corvane
