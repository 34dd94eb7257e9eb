#include "palm_libraries.h"

#include "data_paths.h"
#include "desktop_path.h"

namespace corvane {

namespace {

// Binds `fileName` from the Palm Desktop directory. A missing directory, or
// one too long to name the file within a path buffer, binds nothing.
LibraryModule BindFromPalmDesktop(const char* fileName) {
    PathBuffer directory;
    if (ReadDesktopPath(directory, sizeof directory) != 0) return LibraryModule();
    PathBuffer path;
    if (!JoinPath(&path, directory, fileName)) return LibraryModule();
    return LoadPalmModule(path);
}

#define CORVANE_RESOLVE(name, result, arguments) entries.name = module.Entry<name##Fn>(#name);

void Resolve(const LibraryModule& module, CondMgrEntries& entries) { CORVANE_CONDMGR_FUNCTIONS(CORVANE_RESOLVE) }
void Resolve(const LibraryModule& module, UserDataEntries& entries) { CORVANE_USERDATA_FUNCTIONS(CORVANE_RESOLVE) }
void Resolve(const LibraryModule& module, HsApiEntries& entries) { CORVANE_HSAPI_FUNCTIONS(CORVANE_RESOLVE) }

#undef CORVANE_RESOLVE

// Module and entries change together, so the slots never point into a
// released module; a failed bind leaves the binding as it was.
template <typename EntryTable>
int Bind(LibraryBinding<EntryTable>& binding, const char* fileName) {
    LibraryModule module = BindFromPalmDesktop(fileName);
    if (!module) return 0;
    EntryTable entries;
    Resolve(module, entries);
    binding.Module = std::move(module);
    binding.Entries = entries;
    return 1;
}

template <typename EntryTable>
void Unbind(LibraryBinding<EntryTable>& binding) {
    binding.Entries = EntryTable{};
    binding.Module.Reset();
}

}  // namespace

int LoadCondMgr(PalmBindings& palm) {
    UnloadCondMgr(palm);
    return Bind(palm.CondMgr, kCondMgrFile);
}

void UnloadCondMgr(PalmBindings& palm) { Unbind(palm.CondMgr); }

int LoadUserData(PalmBindings& palm) {
    UnloadUserData(palm);
    return Bind(palm.UserData, kUserDataFile);
}

void UnloadUserData(PalmBindings& palm) { Unbind(palm.UserData); }

int LoadHsApi(PalmBindings& palm) { return Bind(palm.HsApi, kHsApiFile); }

void UnloadHsApi(PalmBindings& palm) { Unbind(palm.HsApi); }

int32_t ShowSyncLog(const PalmBindings& palm, uint32_t userId) {
    if (palm.HsApi.Entries.HsDisplayLog == nullptr) return -1;
    return palm.HsApi.Entries.HsDisplayLog(userId);
}

}  // namespace corvane
