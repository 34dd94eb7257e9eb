// The shared list of Palm Desktop users and profiles, kept in step with User Data.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "fixed_text.h"
#include "palm_api.h"

namespace corvane {

inline constexpr std::size_t kUserNameSize = 256;  // at most 255 characters and the terminator

struct UserRecord {
    char UserName[kUserNameSize] = {};
    uint32_t UserID = 0;
    int32_t IsProfile = 0;  // 0 user, 1 profile, kUnbound when User Data cannot tell
};

struct UserList {
    std::vector<std::unique_ptr<UserRecord>> Records;
};

enum UserKind : int32_t { ukUser = 0, ukProfile = 1 };

// Fills the list anew from User Data, in its index order. Returns 1.
int UserListBuild(UserList& list, const UserDataEntries& um, LeadByteTest isLeadByte = NoLeadBytes);

// Frees every record. Returns 1.
int UserListClear(UserList& list);

// Asks User Data to add a user or profile and appends its record. Returns 0,
// leaving the list unchanged, when User Data refuses, and without asking User
// Data when the name is longer than a record can hold.
int UserListAdd(UserList& list, const UserDataEntries& um, const char* name, int32_t kind);

// Asks User Data to delete the user of the first record with `userId`, and
// removes the record once it has. Returns 0 when User Data refuses (the list
// is unchanged), and, calling nothing, when no record has that ID.
int UserListDelete(UserList& list, const UserDataEntries& um, uint32_t userId);

// Renames the first record with `userId` through User Data; an identical name
// calls nothing. Returns 0, renaming nothing, when no record has that ID, when
// the new name is longer than a record can hold, and when User Data refuses.
int UserListRename(UserList& list, const UserDataEntries& um, uint32_t userId, const char* newName);

// The name a reminder shows for `userId`: asked of User Data in a buffer of
// kDueNameSize characters and kept up to its field's end, cut between
// characters. False, leaving `name` alone, when User Data is unbound or
// gives no name (a length of 0 or below).
inline constexpr std::size_t kDueNameSize = 100;
bool ReadDueUserName(const UserDataEntries& um, uint32_t userId, std::string& name, LeadByteTest isLeadByte = NoLeadBytes);

int32_t UserListCount(const UserList* list);
UserRecord* UserListAt(const UserList* list, int32_t index);

// The text a user chooser shows for a record: the name, and " (profile)" after
// it for every record that is not plainly a user. A name too long for the
// suffix to fit is cut at a character boundary so that the suffix still shows.
void UserComboText(const UserRecord& record, char (&text)[kUserNameSize], LeadByteTest isLeadByte = NoLeadBytes);

}  // namespace corvane
