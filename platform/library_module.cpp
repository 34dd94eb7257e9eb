#include "library_module.h"

#include <cstring>

#include "data_paths.h"
#include "desktop_path.h"

namespace corvane {
namespace {

using SetDefaultDllDirectoriesFn = BOOL(WINAPI*)(DWORD);
using AddDllDirectoryFn = DLL_DIRECTORY_COOKIE(WINAPI*)(PCWSTR);
using RemoveDllDirectoryFn = BOOL(WINAPI*)(DLL_DIRECTORY_COOKIE);

// The loader functions that Windows 7 has only with its 2011 update, looked up
// at run time so that the program starts without them.
struct LoaderSearch {
    SetDefaultDllDirectoriesFn SetDefaultDllDirectories = nullptr;
    AddDllDirectoryFn AddDllDirectory = nullptr;
    RemoveDllDirectoryFn RemoveDllDirectory = nullptr;

    bool Available() const {
        return SetDefaultDllDirectories != nullptr && AddDllDirectory != nullptr && RemoveDllDirectory != nullptr;
    }
};

template <typename Fn>
Fn KernelEntry(const char* name) {
    return reinterpret_cast<Fn>(reinterpret_cast<void (*)()>(GetProcAddress(GetModuleHandleA("kernel32.dll"), name)));
}

const LoaderSearch& Loader() {
    static const LoaderSearch loader{KernelEntry<SetDefaultDllDirectoriesFn>("SetDefaultDllDirectories"),
                                     KernelEntry<AddDllDirectoryFn>("AddDllDirectory"),
                                     KernelEntry<RemoveDllDirectoryFn>("RemoveDllDirectory")};
    return loader;
}

// The Palm Desktop folder in the library search: added once, and replaced
// only when the registry names another folder.
class PalmDesktopSearch {
public:
    void Include(const char* directory) {
        if (!Loader().Available() || directory[0] == '\0' || std::strcmp(directory, added_) == 0) return;
        wchar_t wide[kPathSize];
        if (MultiByteToWideChar(CP_ACP, 0, directory, -1, wide, static_cast<int>(kPathSize)) <= 0) return;
        DLL_DIRECTORY_COOKIE cookie = Loader().AddDllDirectory(wide);
        if (cookie == nullptr) return;
        if (cookie_ != nullptr) Loader().RemoveDllDirectory(cookie_);
        cookie_ = cookie;
        std::memcpy(added_, directory, std::strlen(directory) + 1);
    }

private:
    DLL_DIRECTORY_COOKIE cookie_ = nullptr;
    char added_[kPathSize] = "";
};

PalmDesktopSearch palmDesktopSearch;

}  // namespace

void RestrictLibrarySearch() {
    if (Loader().Available()) {
        Loader().SetDefaultDllDirectories(LOAD_LIBRARY_SEARCH_DEFAULT_DIRS | LOAD_LIBRARY_SEARCH_USER_DIRS);
    } else {
        SetDllDirectoryA("");
    }
}

bool HasRestrictedLibrarySearch() { return Loader().Available(); }

LibraryModule LoadPalmModule(const char* path) {
    if (!IsFullPath(path)) return LibraryModule();
    if (!Loader().Available()) {
        // Without the restricted search the module's own folder still comes
        // first for its dependencies.
        return LibraryModule(LoadLibraryExA(path, nullptr, LOAD_WITH_ALTERED_SEARCH_PATH));
    }
    char desktop[kPathSize];
    if (ReadDesktopPath(desktop, sizeof desktop) == 0) palmDesktopSearch.Include(desktop);
    return LibraryModule(
        LoadLibraryExA(path, nullptr, LOAD_LIBRARY_SEARCH_DLL_LOAD_DIR | LOAD_LIBRARY_SEARCH_DEFAULT_DIRS));
}

}  // namespace corvane
