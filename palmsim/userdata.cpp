// UserData.dll of the stand-in: users, profiles and their sync preferences,
// from the state file.
//
// [Users]                IDs=1001,1002,...   NextID=...
// [User 1001]            Name, Profile (0 user, 1 profile), Directory, Password, Installed, InstallMask
// [Preferences 1001]     <creator>.Temp and <creator>.Perm: sync action codes
// [Values 1001 <section>] the user's own strings and integers
//
// Built twice: UserData.dll, and a variant without UmIsUserProfile
// (PALMSIM_WITHOUT_USER_PROFILE) for the case of an older library.
#include <windows.h>

#include <cstdint>
#include <string>

#include "palmsim_export.h"
#include "state_file.h"

namespace {

using namespace palmsim;

constexpr int32_t kNotFound = -1;
constexpr int32_t kRefused = -2;
constexpr int32_t kNothingStored = -513;  // Palm's "not found" for a value nobody stored

std::vector<std::string> UserIds() { return ReadList("Users", "IDs"); }

std::string UserSection(uint32_t userId) { return "User " + std::to_string(userId); }

bool UserExists(uint32_t userId) {
    const std::string id = std::to_string(userId);
    for (const auto& existing : UserIds()) {
        if (existing == id) return true;
    }
    return false;
}

// Names are compared without regard to case, as Palm Desktop does.
bool NameTaken(const char* name, uint32_t except) {
    for (const auto& id : UserIds()) {
        const auto userId = static_cast<uint32_t>(std::stoul(id));
        if (userId != except && lstrcmpiA(ReadText(UserSection(userId), "Name").c_str(), name) == 0) return true;
    }
    return false;
}

// A Palm Desktop whose users cannot be changed (its files read-only, say):
// adding, renaming and deleting are refused.
bool UsersLocked() { return ReadInt("Quirks", "LockedUsers", 0) == 1; }

bool AcceptableName(const char* name, uint32_t except) {
    return name != nullptr && name[0] != '\0' && std::string(name).size() < 256 && !NameTaken(name, except);
}

// Copies a text out to a caller's buffer whose size (16- or 32-bit) goes in
// and comes back as the length delivered with the terminator, 0 for none.
template <typename Size>
int32_t CopyOutSized(const std::string& text, char* buffer, Size* size) {
    if (size == nullptr) return kRefused;
    int32_t needed = 0;
    const int32_t result = CopyOut(text, buffer, *size, &needed);
    *size = static_cast<Size>(result == 0 ? text.size() + 1 : 0);
    return result;
}

std::string PreferenceKey(uint32_t creatorId, const char* kind) { return CreatorText(creatorId) + "." + kind; }

// Delivers the stored action and answers 0, as Palm's library does; a
// preference nobody stored delivers nothing.
int32_t GetPreference(uint32_t userId, uint32_t creatorId, const char* kind, int32_t* action) {
    const std::string section = "Preferences " + std::to_string(userId);
    const std::string key = PreferenceKey(creatorId, kind);
    if (action == nullptr) return kRefused;
    if (!UserExists(userId) || !HasKey(section, key)) return kNothingStored;
    *action = ReadInt(section, key, 0);
    return 0;
}

// A Palm Desktop that refuses to store a conduit's action of one kind
// ("Temp" or "Perm"), as one whose user files are read-only does.
bool PreferenceLocked(const char* kind) { return ReadInt("Quirks", std::string("Locked") + kind, 0) == 1; }

int32_t SetPreference(uint32_t userId, uint32_t creatorId, const char* kind, int32_t action) {
    if (!UserExists(userId)) return kNotFound;
    if (PreferenceLocked(kind)) return kRefused;
    WriteInt("Preferences " + std::to_string(userId), PreferenceKey(creatorId, kind), action);
    return 0;
}

int32_t RemovePreference(uint32_t userId, uint32_t creatorId, const char* kind) {
    if (!UserExists(userId)) return kNotFound;
    DeleteKey("Preferences " + std::to_string(userId), PreferenceKey(creatorId, kind));
    return 0;
}

std::string ValuesSection(uint32_t userId, const char* section) {
    return "Values " + std::to_string(userId) + " " + (section != nullptr ? section : "");
}

}  // namespace

PALMSIM_EXPORT int32_t PALM_API UmGetLibVersion(uint32_t* major, uint32_t* minor) {
    if (major == nullptr || minor == nullptr) return kRefused;
    *major = 4;
    *minor = 2;
    return 0;
}

PALMSIM_EXPORT int16_t PALM_API UmGetUserCount() { return static_cast<int16_t>(UserIds().size()); }

PALMSIM_EXPORT int32_t PALM_API UmGetUserID(int32_t index, uint32_t* userId) {
    const auto ids = UserIds();
    if (index < 0 || static_cast<std::size_t>(index) >= ids.size() || userId == nullptr) return kNotFound;
    *userId = static_cast<uint32_t>(std::stoul(ids[static_cast<std::size_t>(index)]));
    return 0;
}

PALMSIM_EXPORT int32_t PALM_API UmGetUserName(uint32_t userId, char* name, int16_t* size) {
    if (!UserExists(userId)) {
        if (size != nullptr) *size = 0;
        return kNotFound;
    }
    return CopyOutSized(ReadText(UserSection(userId), "Name"), name, size);
}

PALMSIM_EXPORT int32_t PALM_API UmGetUserDirectory(uint32_t userId, char* text, int16_t* size) {
    if (!UserExists(userId)) return kNotFound;
    return CopyOutSized(ReadText(UserSection(userId), "Directory"), text, size);
}

PALMSIM_EXPORT int32_t PALM_API UmGetUserPassword(uint32_t userId, char* text, int16_t* size) {
    if (!UserExists(userId)) return kNotFound;
    return CopyOutSized(ReadText(UserSection(userId), "Password"), text, size);
}

PALMSIM_EXPORT int32_t PALM_API UmIsUserInstalled(uint32_t userId) {
    return UserExists(userId) ? ReadInt(UserSection(userId), "Installed", 1) : 0;
}

#if defined(PALMSIM_WITHOUT_USER_PROFILE)
extern "C" int32_t PALM_API UmIsUserProfile(uint32_t userId);
extern "C" int32_t PALM_API UmIsUserProfile(uint32_t userId) {
#else
PALMSIM_EXPORT int32_t PALM_API UmIsUserProfile(uint32_t userId) {
#endif
    return UserExists(userId) ? ReadInt(UserSection(userId), "Profile", 0) : 0;
}

PALMSIM_EXPORT int32_t PALM_API UmSetUserName(uint32_t userId, const char* name) {
    if (!UserExists(userId)) return kNotFound;
    if (!AcceptableName(name, userId) || UsersLocked()) return kRefused;
    WriteText(UserSection(userId), "Name", name);
    return 0;
}

PALMSIM_EXPORT int32_t PALM_API UmSetUserDirectory(uint32_t userId, const char* text) {
    if (!UserExists(userId) || text == nullptr) return kNotFound;
    WriteText(UserSection(userId), "Directory", text);
    return 0;
}

PALMSIM_EXPORT int32_t PALM_API UmSetUserInstall(uint32_t userId, int32_t installed) {
    if (!UserExists(userId)) return kNotFound;
    WriteInt(UserSection(userId), "Installed", installed != 0 ? 1 : 0);
    return 0;
}

PALMSIM_EXPORT int32_t PALM_API UmSetUserPermSyncPreferences(uint32_t userId, uint32_t creatorId, int32_t action) {
    return SetPreference(userId, creatorId, "Perm", action);
}

PALMSIM_EXPORT int32_t PALM_API UmSetUserTempSyncPreferences(uint32_t userId, uint32_t creatorId, int32_t action) {
    return SetPreference(userId, creatorId, "Temp", action);
}

PALMSIM_EXPORT int32_t PALM_API UmGetUserPermSyncPreferences(uint32_t userId, uint32_t creatorId, int32_t* action) {
    return GetPreference(userId, creatorId, "Perm", action);
}

PALMSIM_EXPORT int32_t PALM_API UmGetUserTempSyncPreferences(uint32_t userId, uint32_t creatorId, int32_t* action) {
    return GetPreference(userId, creatorId, "Temp", action);
}

PALMSIM_EXPORT int32_t PALM_API UmRemoveUserTempSyncPreferences(uint32_t userId, uint32_t creatorId) {
    return RemovePreference(userId, creatorId, "Temp");
}

PALMSIM_EXPORT int32_t PALM_API UmDeleteUserPermSyncPreferences(uint32_t userId, uint32_t creatorId) {
    return RemovePreference(userId, creatorId, "Perm");
}

PALMSIM_EXPORT int32_t PALM_API UmDeleteUserTempSyncPreferences(uint32_t userId, uint32_t creatorId) {
    return RemovePreference(userId, creatorId, "Temp");
}

PALMSIM_EXPORT int32_t PALM_API UmAddUser(const char* name, int32_t kind) {
    if (!AcceptableName(name, 0) || (kind != 0 && kind != 1) || UsersLocked()) return kRefused;
    const auto userId = static_cast<uint32_t>(ReadInt("Users", "NextID", 1001));
    auto ids = UserIds();
    ids.push_back(std::to_string(userId));
    WriteList("Users", "IDs", ids);
    WriteInt("Users", "NextID", static_cast<int32_t>(userId + 1));
    WriteText(UserSection(userId), "Name", name);
    WriteInt(UserSection(userId), "Profile", kind);
    WriteText(UserSection(userId), "Directory", OwnDirectory() + "User" + std::to_string(userId));
    return 0;
}

PALMSIM_EXPORT int32_t PALM_API UmDeleteUser(uint32_t userId) {
    if (!UserExists(userId)) return kNotFound;
    if (UsersLocked()) return kRefused;
    auto ids = UserIds();
    std::erase(ids, std::to_string(userId));
    WriteList("Users", "IDs", ids);
    DeleteSection(UserSection(userId));
    DeleteSection("Preferences " + std::to_string(userId));
    return 0;
}

PALMSIM_EXPORT int32_t PALM_API UmGetRootDirectory(char* text, int16_t* size) {
    std::string directory = OwnDirectory();
    if (!directory.empty()) directory.pop_back();
    return CopyOutSized(directory, text, size);
}

PALMSIM_EXPORT int32_t PALM_API UmIsInstallMaskSet(uint32_t userId, uint32_t mask) {
    if (!UserExists(userId)) return 0;
    return (static_cast<uint32_t>(ReadInt(UserSection(userId), "InstallMask", 0)) & mask) != 0 ? 1 : 0;
}

PALMSIM_EXPORT int32_t PALM_API UmClearInstallMask(uint32_t userId, uint32_t mask) {
    if (!UserExists(userId)) return kNotFound;
    const auto current = static_cast<uint32_t>(ReadInt(UserSection(userId), "InstallMask", 0));
    WriteInt(UserSection(userId), "InstallMask", static_cast<int32_t>(current & ~mask));
    return 0;
}

PALMSIM_EXPORT int32_t PALM_API UmSetInstallMask(uint32_t userId, uint32_t mask) {
    if (!UserExists(userId)) return kNotFound;
    const auto current = static_cast<uint32_t>(ReadInt(UserSection(userId), "InstallMask", 0));
    WriteInt(UserSection(userId), "InstallMask", static_cast<int32_t>(current | mask));
    return 0;
}

PALMSIM_EXPORT int32_t PALM_API UmGetString(uint32_t userId, const char* section, const char* key, char* value,
                                            int32_t* size, const char* fallback) {
    if (!UserExists(userId) || key == nullptr) return kNotFound;
    return CopyOutSized(ReadText(ValuesSection(userId, section), key, fallback ? fallback : ""), value, size);
}

PALMSIM_EXPORT int32_t PALM_API UmSetString(uint32_t userId, const char* section, const char* key, const char* value) {
    if (!UserExists(userId) || key == nullptr || value == nullptr) return kNotFound;
    WriteText(ValuesSection(userId, section), key, value);
    return 0;
}

PALMSIM_EXPORT int32_t PALM_API UmGetInteger(uint32_t userId, const char* section, const char* key, uint32_t* value,
                                             uint32_t fallback) {
    if (!UserExists(userId) || key == nullptr || value == nullptr) return kNotFound;
    *value = static_cast<uint32_t>(ReadInt(ValuesSection(userId, section), key, static_cast<int32_t>(fallback)));
    return 0;
}

PALMSIM_EXPORT int32_t PALM_API UmSetInteger(uint32_t userId, const char* section, const char* key, uint32_t value) {
    if (!UserExists(userId) || key == nullptr) return kNotFound;
    WriteInt(ValuesSection(userId, section), key, static_cast<int32_t>(value));
    return 0;
}

PALMSIM_EXPORT int32_t PALM_API UmDeleteKey(uint32_t userId, const char* section, const char* key) {
    if (!UserExists(userId) || key == nullptr) return kNotFound;
    DeleteKey(ValuesSection(userId, section), key);
    return 0;
}

PALMSIM_EXPORT int32_t PALM_API UmGetIDFromPath(const char* path, uint32_t* userId) {
    if (path == nullptr || userId == nullptr) return kNotFound;
    for (const auto& id : UserIds()) {
        const auto candidate = static_cast<uint32_t>(std::stoul(id));
        if (lstrcmpiA(ReadText(UserSection(candidate), "Directory").c_str(), path) == 0) {
            *userId = candidate;
            return 0;
        }
    }
    return kNotFound;
}

PALMSIM_EXPORT int32_t PALM_API UmGetIDFromName(const char* name, uint32_t* userId) {
    if (name == nullptr || userId == nullptr) return kNotFound;
    for (const auto& id : UserIds()) {
        const auto candidate = static_cast<uint32_t>(std::stoul(id));
        if (lstrcmpiA(ReadText(UserSection(candidate), "Name").c_str(), name) == 0) {
            *userId = candidate;
            return 0;
        }
    }
    return kNotFound;
}

// The stand-in's handhelds have no expansion slots.
PALMSIM_EXPORT int32_t PALM_API UmSlotGetExpMgrVersion(uint32_t userId, uint32_t* version) {
    if (!UserExists(userId) || version == nullptr) return kNotFound;
    *version = 0;
    return 0;
}

PALMSIM_EXPORT int32_t PALM_API UmSlotGetSlotCount(uint32_t userId, uint16_t* count) {
    if (!UserExists(userId) || count == nullptr) return kNotFound;
    *count = 0;
    return 0;
}

PALMSIM_EXPORT int32_t PALM_API UmSlotGetInfo(uint32_t userId, uint32_t*, uint16_t* count) {
    if (!UserExists(userId) || count == nullptr) return kNotFound;
    *count = 0;
    return 0;
}

PALMSIM_EXPORT int32_t PALM_API UmSlotGetMediaType(uint32_t, uint32_t, uint32_t*) { return kNotFound; }
PALMSIM_EXPORT int32_t PALM_API UmSlotGetDisplayName(uint32_t, uint32_t, char*, int32_t*) { return kNotFound; }
PALMSIM_EXPORT int32_t PALM_API UmSlotGetInstallDirectory(uint32_t, uint32_t, char*, int32_t*) { return kNotFound; }

CORVANE_USERDATA_FUNCTIONS(PALMSIM_CHECK_TYPE)
