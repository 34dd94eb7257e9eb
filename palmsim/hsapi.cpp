// HSAPI.DLL of the stand-in. HsDisplayLog opens the user's HotSync log,
// "HotSync Log.txt" in the user's folder, with the shell.
#include <windows.h>
#include <shellapi.h>

#include <cstdint>
#include <string>

#include "palmsim_export.h"
#include "state_file.h"

namespace {

using namespace palmsim;

bool UserExists(uint32_t userId) {
    const std::string id = std::to_string(userId);
    for (const auto& existing : ReadList("Users", "IDs")) {
        if (existing == id) return true;
    }
    return false;
}

}  // namespace

PALMSIM_EXPORT int32_t PALM_API HsDisplayLog(uint32_t userId) {
    WriteText("Calls", "DisplayLog", std::to_string(userId));
    if (!UserExists(userId)) return -1;
    const std::string log = ReadText("User " + std::to_string(userId), "Directory") + "\\HotSync Log.txt";
    if (ReadInt("Quirks", "QuietLog", 0) != 1) ShellExecuteA(nullptr, "open", log.c_str(), nullptr, nullptr, SW_SHOWNORMAL);
    return 0;
}

PALMSIM_EXPORT int32_t PALM_API HsSetAppStatus(int32_t status, uint32_t flags) {
    WriteText("Calls", "AppStatus", std::to_string(status) + "," + std::to_string(flags));
    return 0;
}

PALMSIM_EXPORT int32_t PALM_API HsRefreshConduitInfo() { return 0; }

CORVANE_HSAPI_FUNCTIONS(PALMSIM_CHECK_TYPE)
