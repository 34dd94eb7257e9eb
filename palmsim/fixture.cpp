#include "fixture.h"

#include <windows.h>

#include <string>

namespace palmsim {
namespace {

constexpr char kPalmDesktopKey[] = "Software\\U.S. Robotics\\Pilot Desktop\\Core";

// Every binary a Palm Desktop of the stand-in holds.
const char* const kBinaries[] = {
    "condmgr.dll", "UserData.dll", "HSAPI.DLL",   "HOTSYNC.EXE",   "DateBook.dll",      "Address.dll",
    "ToDo.dll",    "Memo.dll",     "Expense.dll", "Install.dll",   "Backup.dll",        "NoInfo.dll",
    "NoConfigure.dll", "FailConfigure.dll", "Scripted.dll", "Unnamed.dll", "CfgScripted.dll",
};

struct DemoConduit {
    const char* Creator;
    const char* File;
    const char* Title;
    const char* Info;
};

const DemoConduit kDemoConduits[] = {
    {"date", "DateBook.dll", "Date Book", "Synchronizes the Date Book with your organizer"},
    {"addr", "Address.dll", "Address Book", ""},
    {"todo", "ToDo.dll", "To Do List", ""},
    {"memo", "Memo.dll", "Memo Pad", ""},
    {"exps", "Expense.dll", "Expense", "Expense entries go to a spreadsheet"},
    {"inst", "Install.dll", "Install", "Installs applications on the handheld"},
    {"BKUP", "Backup.dll", "Backup", ""},
};

struct DemoUser {
    const char* Id;
    const char* Name;
    const char* Profile;
};

const DemoUser kDemoUsers[] = {
    {"1001", "Alice Martin", "0"},
    {"1002", "Bob Lee", "0"},
    {"1003", "Travel", "1"},
};

std::string WithSlash(const std::string& directory) {
    return !directory.empty() && directory.back() != '\\' ? directory + "\\" : directory;
}

bool Write(const std::string& state, const char* section, const char* key, const std::string& value) {
    return WritePrivateProfileStringA(section, key, value.c_str(), state.c_str()) != FALSE;
}

bool WriteDemoState(const std::string& directory, const std::string& state) {
    bool ok = true;
    std::string ids;
    for (const auto& user : kDemoUsers) {
        const std::string section = std::string("User ") + user.Id;
        const std::string folder = directory + "User" + user.Id;
        ok = ok && Write(state, section.c_str(), "Name", user.Name) &&
             Write(state, section.c_str(), "Profile", user.Profile) &&
             Write(state, section.c_str(), "Directory", folder);
        CreateDirectoryA(folder.c_str(), nullptr);
        const std::string log = folder + "\\HotSync Log.txt";
        WritePrivateProfileStringA("Last HotSync", "Result", "OK", log.c_str());
        if (!ids.empty()) ids += ',';
        ids += user.Id;
    }
    ok = ok && Write(state, "Users", "IDs", ids) && Write(state, "Users", "NextID", "1004");
    std::string creators;
    for (const auto& conduit : kDemoConduits) {
        const std::string section = std::string("Conduit ") + conduit.Creator;
        ok = ok && Write(state, section.c_str(), "ConduitFile", conduit.File) &&
             Write(state, section.c_str(), "Title", conduit.Title) && Write(state, section.c_str(), "Info", conduit.Info);
        if (!creators.empty()) creators += ',';
        creators += conduit.Creator;
    }
    // A few chosen actions, so the conduit window has something to show.
    return ok && Write(state, "Conduits", "Creators", creators) &&
           Write(state, "Preferences 1001", "date.Temp", "1") && Write(state, "Preferences 1001", "memo.Perm", "3") &&
           Write(state, "Preferences 1002", "addr.Perm", "2");
}

}  // namespace

std::string StandInFolder() {
    char path[MAX_PATH];
    const DWORD length = GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string text(path, length < MAX_PATH ? length : 0);
    return text.substr(0, text.find_last_of('\\') + 1) + "palmsim\\";
}

bool InstallStandInFile(const std::string& directory, const std::string& source, const std::string& fileName) {
    return CopyFileA((StandInFolder() + source).c_str(), (WithSlash(directory) + fileName).c_str(), FALSE) != FALSE;
}

bool CreatePalmDesktop(const std::string& directory, DesktopKind kind) {
    const std::string folder = WithSlash(directory);
    CreateDirectoryA(folder.c_str(), nullptr);
    for (const char* binary : kBinaries) {
        if (!InstallStandInFile(folder, binary, binary)) return false;
    }
    const std::string state = folder + "palmsim.ini";
    DeleteFileA(state.c_str());
    if (kind == DesktopKind::Empty) {
        return Write(state, "Users", "IDs", "") && Write(state, "Users", "NextID", "1001") &&
               Write(state, "Conduits", "Creators", "");
    }
    return WriteDemoState(folder, state);
}

bool RegisterDesktopPath(const std::string& directory) {
    std::string value = directory;
    while (!value.empty() && value.back() == '\\') value.pop_back();
    HKEY key = nullptr;
    if (RegCreateKeyExA(HKEY_CURRENT_USER, kPalmDesktopKey, 0, nullptr, 0, KEY_WRITE, nullptr, &key, nullptr) !=
        ERROR_SUCCESS) {
        return false;
    }
    const LSTATUS status = RegSetValueExA(key, "DesktopPath", 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()),
                                          static_cast<DWORD>(value.size() + 1));
    RegCloseKey(key);
    return status == ERROR_SUCCESS;
}

void UnregisterDesktopPath() { RegDeleteKeyA(HKEY_CURRENT_USER, kPalmDesktopKey); }

}  // namespace palmsim
