#include "conduit_modules.h"

#include <windows.h>

#include <cstring>

#include "code_page.h"
#include "data_paths.h"

namespace corvane {

LibraryConduitModule::LibraryConduitModule() { TextLeadBytes = IsAnsiLeadByte; }

int ConduitModuleLoad(LibraryConduitModule& module, const char* path) {
    ConduitModuleUnload(module);
    if (path == nullptr || path[0] == '\0') return 0;
    module.Library = LoadPalmModule(path);
    if (!module.Library) return 0;
    module.Entries.ConfigureConduit = module.Library.Entry<ConfigureConduitFn>("ConfigureConduit");
    module.Entries.GetConduitInfo = module.Library.Entry<GetConduitInfoFn>("GetConduitInfo");
    module.Entries.GetConduitName = module.Library.Entry<GetConduitNameFn>("GetConduitName");
    module.Entries.CfgConduit = module.Library.Entry<CfgConduitFn>("CfgConduit");
    return 1;
}

void ConduitModuleUnload(LibraryConduitModule& module) {
    module.Entries = ConduitEntries{};
    module.Library.Reset();
}

std::unique_ptr<LibraryConduitModule> ConduitModuleCreate(const char* path) {
    auto module = std::make_unique<LibraryConduitModule>();
    ConduitModuleLoad(*module, path);
    return module;
}

std::unique_ptr<ConduitModule> WindowsConduitHost::LoadModule(const char* path) { return ConduitModuleCreate(path); }

void WindowsConduitHost::MakeFullPath(char (&modulePath)[260]) {
    char full[kPathSize];
    const DWORD length = GetFullPathNameA(modulePath, sizeof full, full, nullptr);
    if (length == 0 || length >= sizeof full) return;
    // A full path on a drive that does not exist is no better than the name.
    if (length >= 2 && full[1] == ':') {
        const char root[] = {full[0], ':', '\\', '\0'};
        if (GetDriveTypeA(root) < DRIVE_REMOVABLE) return;
    }
    std::memcpy(modulePath, full, length + 1);
}

LeadByteTest WindowsConduitHost::LeadBytes() const { return IsAnsiLeadByte; }

}  // namespace corvane
