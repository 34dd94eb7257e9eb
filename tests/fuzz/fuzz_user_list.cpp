// User Data answering anything: any count, IDs, flags and results, user names
// of any bytes, as long or as short as it likes within the size it is told,
// terminated or not; then adding, renaming and deleting names of any bytes.
// Every name the list keeps ends within its field, cut only at a character
// boundary; User Data is never handed a name longer than a record holds, nor
// told a buffer larger than the one it fills; the chooser's text fits and
// shows the profile mark.
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

#include "fuzz_support.h"
#include "user_list.h"

namespace corvane {
namespace {

using fuzz::Check;

FuzzedDataProvider* input = nullptr;
LeadByteTest leadBytes = NoLeadBytes;
std::vector<std::vector<char>> namesGiven;  // each name field as User Data left it, in call order
int callsWithName = 0;

int32_t Result() { return input->ConsumeBool() ? 0 : input->ConsumeIntegral<int32_t>(); }

int16_t PALM_API GetUserCount() { return input->ConsumeIntegralInRange<int16_t>(-2, 24); }

int32_t PALM_API GetUserId(int32_t, uint32_t* userId) {
    if (input->ConsumeBool()) *userId = input->ConsumeIntegralInRange<uint32_t>(0, 40);
    return Result();
}

int32_t PALM_API GetUserName(uint32_t, char* name, int16_t* size) {
    Check(*size == static_cast<int16_t>(kUserNameSize) || *size == static_cast<int16_t>(kDueNameSize),
          "a user name's buffer is told as its own size");
    const auto capacity = static_cast<std::size_t>(*size);
    fuzz::FillLikeAModule(*input, name, capacity);
    namesGiven.emplace_back(name, name + capacity);
    *size = input->ConsumeIntegral<int16_t>();
    return Result();
}

int32_t PALM_API IsUserProfile(uint32_t) { return input->ConsumeIntegralInRange<int32_t>(-2, 2); }

void CheckHandedName(const char* name) {
    ++callsWithName;
    Check(FieldLength(name, kUserNameSize) < kUserNameSize, "User Data is handed names that fit a record");
}

int32_t PALM_API AddUser(const char* name, int32_t) {
    CheckHandedName(name);
    return Result();
}

int32_t PALM_API GetIdFromName(const char* name, uint32_t* userId) {
    CheckHandedName(name);
    if (input->ConsumeBool()) *userId = input->ConsumeIntegralInRange<uint32_t>(0, 40);
    return Result();
}

int32_t PALM_API SetUserName(uint32_t, const char* name) {
    CheckHandedName(name);
    return Result();
}

int32_t PALM_API DeleteUser(uint32_t) { return Result(); }

// Each entry bound or not, as the input says.
UserDataEntries Entries() {
    const auto bound = input->ConsumeIntegral<uint8_t>();
    UserDataEntries um;
    if (bound & 0x01) um.UmGetUserCount = GetUserCount;
    if (bound & 0x02) um.UmGetUserID = GetUserId;
    if (bound & 0x04) um.UmGetUserName = GetUserName;
    if (bound & 0x08) um.UmIsUserProfile = IsUserProfile;
    if (bound & 0x10) um.UmAddUser = AddUser;
    if (bound & 0x20) um.UmGetIDFromName = GetIdFromName;
    if (bound & 0x40) um.UmSetUserName = SetUserName;
    if (bound & 0x80) um.UmDeleteUser = DeleteUser;
    return um;
}

void CheckComboText(const UserRecord& record) {
    char text[kUserNameSize];
    UserComboText(record, text, leadBytes);
    const std::size_t length = FieldLength(text, sizeof text);
    Check(length < sizeof text, "the chooser's text ends within its buffer");
    const std::size_t nameLength = FieldLength(record.UserName, kUserNameSize);
    std::size_t kept = length;
    if (record.IsProfile != 0) {
        constexpr char kMark[] = " (profile)";
        Check(length >= sizeof kMark - 1 && std::memcmp(text + length - (sizeof kMark - 1), kMark, sizeof kMark - 1) == 0,
              "a profile's text ends with its mark");
        kept = length - (sizeof kMark - 1);
    }
    Check(kept <= nameLength && std::memcmp(text, record.UserName, kept) == 0, "the chooser shows the name's start");
    Check(fuzz::EndsOnCharacter(record.UserName, nameLength, kept, leadBytes), "the chooser cuts between characters");
}

void CheckList(const UserList& list) {
    for (const auto& record : list.Records) {
        Check(FieldLength(record->UserName, kUserNameSize) < kUserNameSize, "every kept name ends within its field");
        CheckComboText(*record);
    }
}

std::string NameFromInput() {
    const std::size_t length = input->ConsumeIntegralInRange<std::size_t>(0, 300);
    return input->ConsumeBytesAsString(length);
}

void AddRenameDelete(UserList& list, const UserDataEntries& um) {
    const int steps = input->ConsumeIntegralInRange<int>(0, 8);
    for (int step = 0; step < steps && input->remaining_bytes() > 0; ++step) {
        const int32_t before = UserListCount(&list);
        const int callsBefore = callsWithName;
        const std::string name = NameFromInput();
        const bool fits = std::strlen(name.c_str()) < kUserNameSize;
        const auto userId = input->ConsumeIntegralInRange<uint32_t>(0, 40);
        switch (input->ConsumeIntegralInRange<int>(0, 2)) {
            case 0: {
                const int added = UserListAdd(list, um, name.c_str(), input->ConsumeIntegralInRange<int32_t>(0, 1));
                Check(UserListCount(&list) == before + added, "an added user is one more record");
                Check(fits || (added == 0 && callsWithName == callsBefore), "a name too long is refused unasked");
                break;
            }
            case 1: {
                const int renamed = UserListRename(list, um, userId, name.c_str());
                Check(fits || (renamed == 0 && callsWithName == callsBefore), "a name too long is refused unasked");
                break;
            }
            default: {
                const int deleted = UserListDelete(list, um, userId);
                Check(UserListCount(&list) == before - deleted, "a deleted user is one record less");
                break;
            }
        }
        CheckList(list);
    }
}

}  // namespace
}  // namespace corvane

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
    using namespace corvane;
    FuzzedDataProvider provider(data, size);
    input = &provider;
    namesGiven.clear();
    leadBytes = fuzz::ChooseLeadBytes(provider);
    const UserDataEntries um = Entries();
    UserList list;
    UserListBuild(list, um, leadBytes);
    Check(namesGiven.size() == (um.UmGetUserName != nullptr ? list.Records.size() : 0), "one name asked per user");
    for (std::size_t i = 0; i < namesGiven.size(); ++i) {
        fuzz::CheckTerminatedField(list.Records[i]->UserName, kUserNameSize, namesGiven[i], leadBytes,
                                   "a user name is kept up to its field's end, cut between characters");
    }
    CheckList(list);
    // The name a reminder shows, from its smaller buffer.
    namesGiven.clear();
    std::string dueName;
    if (ReadDueUserName(um, input->ConsumeIntegralInRange<uint32_t>(0, 40), dueName, leadBytes)) {
        Check(dueName.size() < kDueNameSize, "a reminder's name ends within its buffer");
        char field[kDueNameSize] = {};
        std::memcpy(field, dueName.data(), dueName.size());
        fuzz::CheckTerminatedField(field, kDueNameSize, namesGiven.back(), leadBytes,
                                   "a reminder's name is kept up to its field's end, cut between characters");
    }
    AddRenameDelete(list, um);
    input = nullptr;
    return 0;
}
