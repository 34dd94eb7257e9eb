#include "library_module.h"

#include "data_paths.h"
#include "desktop_path.h"

namespace corvane {
namespace {

// Adds a folder to the process's library search for as long as it lives.
class DllDirectoryScope {
public:
    explicit DllDirectoryScope(const char* directory) {
        wchar_t wide[kPathSize];
        if (MultiByteToWideChar(CP_ACP, 0, directory, -1, wide, static_cast<int>(kPathSize)) > 0) {
            cookie_ = AddDllDirectory(wide);
        }
    }
    ~DllDirectoryScope() {
        if (cookie_ != nullptr) RemoveDllDirectory(cookie_);
    }
    DllDirectoryScope(const DllDirectoryScope&) = delete;
    DllDirectoryScope& operator=(const DllDirectoryScope&) = delete;

private:
    DLL_DIRECTORY_COOKIE cookie_ = nullptr;
};

}  // namespace

LibraryModule LoadPalmModule(const char* path) {
    if (path == nullptr || path[0] == '\0') return LibraryModule();
    char desktop[kPathSize];
    const bool havePalmDesktop = ReadDesktopPath(desktop, sizeof desktop) == 0 && desktop[0] != '\0';
    const DllDirectoryScope palmDesktop(havePalmDesktop ? desktop : "");
    return LibraryModule(
        LoadLibraryExA(path, nullptr, LOAD_LIBRARY_SEARCH_DLL_LOAD_DIR | LOAD_LIBRARY_SEARCH_DEFAULT_DIRS));
}

}  // namespace corvane
