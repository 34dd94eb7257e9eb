// condmgr.dll of the stand-in: the installed conduits, from the state file.
//
// [Conduits] Creators=date,addr,...   the conduits in index order
// [Conduit date]  ConduitFile, Title, Info, Directory, Remote, User, File, Module, Argument: texts;
//                 Priority, Integrate, Type: numbers; Value.<name>: the creator's own values
// [HotSync]       ComPort<type>, Backup, Notifier<index>, PCIdentifier
#include <cstdint>
#include <string>

#include "palmsim_export.h"
#include "state_file.h"

namespace {

using namespace palmsim;

constexpr int32_t kNotFound = -1002;
constexpr int32_t kNotSupported = -1003;
constexpr int32_t kBufferTooSmall = -1010;

std::vector<std::string> Creators() { return ReadList("Conduits", "Creators"); }

bool IsInstalled(const char* creator) {
    if (creator == nullptr) return false;
    for (const auto& installed : Creators()) {
        if (installed == creator) return true;
    }
    return false;
}

std::string Section(const char* creator) { return std::string("Conduit ") + creator; }

int32_t GetCreatorText(const char* creator, const char* key, char* text, int32_t* size) {
    if (!IsInstalled(creator) || size == nullptr) return kNotFound;
    return CopyOut(ReadText(Section(creator), key), text, *size, size);
}

int32_t SetCreatorText(const char* creator, const char* key, const char* text) {
    if (!IsInstalled(creator) || text == nullptr) return kNotFound;
    WriteText(Section(creator), key, text);
    return 0;
}

int32_t GetCreatorNumber(const char* creator, const char* key, uint32_t* value) {
    if (!IsInstalled(creator) || value == nullptr) return kNotFound;
    *value = static_cast<uint32_t>(ReadInt(Section(creator), key, 0));
    return 0;
}

int32_t SetCreatorNumber(const char* creator, const char* key, uint32_t value) {
    if (!IsInstalled(creator)) return kNotFound;
    WriteInt(Section(creator), key, static_cast<int32_t>(value));
    return 0;
}

// Removes every user's sync preferences, so that each conduit takes the
// action its module reports as its default again.
void ForgetSyncPreferences() {
    for (const auto& user : ReadList("Users", "IDs")) DeleteSection("Preferences " + user);
}

}  // namespace

PALMSIM_EXPORT uint16_t PALM_API CmGetLibVersion() { return 0x0003; }

PALMSIM_EXPORT int32_t PALM_API CmConvertCreatorIDToString(uint32_t creatorId, char* text, int32_t* size) {
    if (size == nullptr) return kNotSupported;
    return CopyOut(CreatorText(creatorId), text, *size, size);
}

PALMSIM_EXPORT int32_t PALM_API CmConvertStringToCreatorID(const char* text, uint32_t* creatorId) {
    if (text == nullptr || creatorId == nullptr) return kNotSupported;
    *creatorId = CreatorNumber(text);
    return 0;
}

PALMSIM_EXPORT int32_t PALM_API CmGetConduitCount() { return static_cast<int32_t>(Creators().size()); }

// The size is the list's size in bytes, in and out: a list too small gets
// nothing and learns the size it needs.
PALMSIM_EXPORT int32_t PALM_API CmGetCreatorIDList(corvane::CmCreatorListItem* list, int32_t* size) {
    if (size == nullptr) return kNotSupported;
    const auto creators = Creators();
    const auto needed = static_cast<int32_t>(creators.size() * sizeof(corvane::CmCreatorListItem));
    if (list == nullptr || *size < needed) {
        *size = needed;
        return kBufferTooSmall;
    }
    for (std::size_t i = 0; i < creators.size(); ++i) {
        corvane::CmCreatorListItem item{};
        creators[i].copy(item.CreatorID, sizeof item.CreatorID - 1);
        list[i] = item;
    }
    *size = needed;
    return 0;
}

PALMSIM_EXPORT int32_t PALM_API CmGetConduitCreatorID(int32_t index, char* creator, int32_t* size) {
    const auto creators = Creators();
    if (index < 0 || static_cast<std::size_t>(index) >= creators.size() || size == nullptr) return kNotFound;
    return CopyOut(creators[static_cast<std::size_t>(index)], creator, *size, size);
}

PALMSIM_EXPORT int32_t PALM_API CmGetConduitByCreator(const char*, void** conduit) {
    if (conduit != nullptr) *conduit = nullptr;
    return kNotSupported;
}

PALMSIM_EXPORT int32_t PALM_API CmInstallConduit(const void*) { return kNotSupported; }

PALMSIM_EXPORT int32_t PALM_API CmInstallCreator(const char* creator, int32_t type) {
    if (creator == nullptr || creator[0] == '\0' || IsInstalled(creator)) return -1;
    auto creators = Creators();
    creators.emplace_back(creator);
    WriteList("Conduits", "Creators", creators);
    WriteInt(Section(creator), "Type", type);
    return 0;
}

PALMSIM_EXPORT int32_t PALM_API CmRemoveConduitByCreatorID(const char* creator) {
    if (!IsInstalled(creator)) return kNotFound;
    auto creators = Creators();
    std::erase(creators, std::string(creator));
    WriteList("Conduits", "Creators", creators);
    DeleteSection(Section(creator));
    return 0;
}

#define PALMSIM_CREATOR_TEXT(Name, Key)                                                           \
    PALMSIM_EXPORT int32_t PALM_API CmSet##Name(const char* creator, const char* text) {          \
        return SetCreatorText(creator, Key, text);                                                \
    }                                                                                             \
    PALMSIM_EXPORT int32_t PALM_API CmGet##Name(const char* creator, char* text, int32_t* size) { \
        return GetCreatorText(creator, Key, text, size);                                          \
    }

#define PALMSIM_CREATOR_NUMBER(Name, Key)                                                    \
    PALMSIM_EXPORT int32_t PALM_API CmSet##Name(const char* creator, uint32_t value) {       \
        return SetCreatorNumber(creator, Key, value);                                        \
    }                                                                                        \
    PALMSIM_EXPORT int32_t PALM_API CmGet##Name(const char* creator, uint32_t* value) {      \
        return GetCreatorNumber(creator, Key, value);                                        \
    }

PALMSIM_CREATOR_NUMBER(CreatorPriority, "Priority")
PALMSIM_CREATOR_TEXT(CreatorName, "ConduitFile")
PALMSIM_CREATOR_TEXT(CreatorDirectory, "Directory")
PALMSIM_CREATOR_TEXT(CreatorRemote, "Remote")
PALMSIM_CREATOR_TEXT(CreatorUser, "User")
PALMSIM_CREATOR_TEXT(CreatorTitle, "Title")
PALMSIM_CREATOR_TEXT(CreatorInfo, "Info")
PALMSIM_CREATOR_TEXT(CreatorFile, "File")

PALMSIM_EXPORT int32_t PALM_API CmGetCreatorType(const char* creator) {
    if (!IsInstalled(creator)) return kNotFound;
    return ReadInt(Section(creator), "Type", 0);
}

PALMSIM_CREATOR_NUMBER(CreatorIntegrate, "Integrate")
PALMSIM_CREATOR_TEXT(CreatorModule, "Module")
PALMSIM_CREATOR_TEXT(CreatorArgument, "Argument")

PALMSIM_EXPORT int32_t PALM_API CmSetComPort(int32_t type, const char* port) {
    if (port == nullptr) return kNotSupported;
    WriteText("HotSync", "ComPort" + std::to_string(type), port);
    return 0;
}

PALMSIM_EXPORT int32_t PALM_API CmGetComPort(int32_t type, char* port, int32_t* size) {
    if (size == nullptr) return kNotSupported;
    return CopyOut(ReadText("HotSync", "ComPort" + std::to_string(type), "COM1"), port, *size, size);
}

PALMSIM_EXPORT int32_t PALM_API CmSetBackupConduit(const char* text) {
    if (text == nullptr) return kNotSupported;
    WriteText("HotSync", "Backup", text);
    return 0;
}

PALMSIM_EXPORT int32_t PALM_API CmGetBackupConduit(char* text, int32_t* size) {
    if (size == nullptr) return kNotSupported;
    return CopyOut(ReadText("HotSync", "Backup"), text, *size, size);
}

PALMSIM_EXPORT int32_t PALM_API CmSetNotifierDll(int32_t index, const char* text) {
    if (text == nullptr) return kNotSupported;
    WriteText("HotSync", "Notifier" + std::to_string(index), text);
    return 0;
}

PALMSIM_EXPORT int32_t PALM_API CmGetNotifierDll(int32_t index, char* text, int32_t* size) {
    if (size == nullptr) return kNotSupported;
    const std::string key = "Notifier" + std::to_string(index);
    if (!HasKey("HotSync", key)) return kNotFound;
    return CopyOut(ReadText("HotSync", key), text, *size, size);
}

PALMSIM_EXPORT int32_t PALM_API CmSetPCIdentifier(uint32_t identifier) {
    WriteInt("HotSync", "PCIdentifier", static_cast<int32_t>(identifier));
    return 0;
}

PALMSIM_EXPORT int32_t PALM_API CmGetPCIdentifier(uint32_t* identifier) {
    if (identifier == nullptr) return kNotSupported;
    *identifier = static_cast<uint32_t>(ReadInt("HotSync", "PCIdentifier", 0));
    return 0;
}

// The core path is the stand-in's own folder: it cannot move.
PALMSIM_EXPORT int32_t PALM_API CmGetCorePath(char* text, int32_t* size) {
    if (size == nullptr) return kNotSupported;
    std::string directory = OwnDirectory();
    if (!directory.empty()) directory.pop_back();
    return CopyOut(directory, text, *size, size);
}

PALMSIM_EXPORT int32_t PALM_API CmSetCorePath(const char*) { return kNotSupported; }

PALMSIM_EXPORT int32_t PALM_API CmGetHotSyncExecPath(char* text, int32_t* size) {
    if (size == nullptr) return kNotSupported;
    return CopyOut(OwnDirectory() + "HOTSYNC.EXE", text, *size, size);
}

PALMSIM_EXPORT int32_t PALM_API CmSetHotSyncExecPath(const char*) { return kNotSupported; }

PALMSIM_EXPORT int32_t PALM_API CmSetCreatorValueDword(const char* creator, const char* name, uint32_t value) {
    if (name == nullptr) return kNotSupported;
    return SetCreatorNumber(creator, (std::string("Value.") + name).c_str(), value);
}

PALMSIM_EXPORT int32_t PALM_API CmGetCreatorValueDword(const char* creator, const char* name, uint32_t* value,
                                                       uint32_t fallback) {
    if (!IsInstalled(creator) || name == nullptr || value == nullptr) return kNotFound;
    *value = static_cast<uint32_t>(ReadInt(Section(creator), std::string("Value.") + name, static_cast<int32_t>(fallback)));
    return 0;
}

PALMSIM_EXPORT int32_t PALM_API CmSetCreatorValueString(const char* creator, const char* name, const char* value) {
    if (name == nullptr) return kNotSupported;
    return SetCreatorText(creator, (std::string("Value.") + name).c_str(), value);
}

PALMSIM_EXPORT int32_t PALM_API CmGetCreatorValueString(const char* creator, const char* name, char* value,
                                                        int32_t* size, const char* fallback) {
    if (!IsInstalled(creator) || name == nullptr || size == nullptr) return kNotFound;
    const std::string text = ReadText(Section(creator), std::string("Value.") + name, fallback ? fallback : "");
    return CopyOut(text, value, *size, size);
}

// Restoring HotSync's defaults forgets every user's chosen conduit actions,
// temporary and permanent alike; only the argument 0 is known.
PALMSIM_EXPORT int32_t PALM_API CmRestoreHotSyncSettings(int32_t toDefaults) {
    if (toDefaults != 0) return kNotSupported;
    ForgetSyncPreferences();
    WriteInt("Calls", "RestoreHotSyncSettings", ReadInt("Calls", "RestoreHotSyncSettings", 0) + 1);
    return 0;
}

CORVANE_CONDMGR_FUNCTIONS(PALMSIM_CHECK_TYPE)
