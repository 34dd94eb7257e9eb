// Binding Palm's libraries and conduit modules from their own folders, and
// the process's library search.
#pragma once

#include <windows.h>

#include "path_text.h"
#include "unique_resource.h"

namespace corvane {

struct ModuleTraits {
    static HMODULE None() { return nullptr; }
    static bool IsValid(HMODULE module) { return module != nullptr; }
    static void Release(HMODULE module) { FreeLibrary(module); }
};

// Owns a bound module file and releases it once.
class LibraryModule : public UniqueResource<HMODULE, ModuleTraits> {
public:
    using UniqueResource::UniqueResource;

    // The export `name` as an entry of type Fn; null when not exported.
    template <typename Fn>
    Fn Entry(const char* name) const {
        if (!*this) return nullptr;
        // void (*)() converts to and from every function pointer type.
        return reinterpret_cast<Fn>(reinterpret_cast<void (*)()>(GetProcAddress(Get(), name)));
    }
};

// Keeps the current directory and PATH out of the search for libraries loaded
// by name, for the rest of the run. Called first thing at start-up.
// Windows 8, and Windows 7 with its 2011 loader update, restrict the search to
// the program's and the system's folders (and those LoadPalmModule adds);
// older systems leave only the current directory out.
void RestrictLibrarySearch();

// Whether the system offers the restricted library search (AddDllDirectory and its flags).
bool HasRestrictedLibrarySearch();

// Binds the module file at the full path `path`. Its own dependencies are
// found in its own folder, the Palm Desktop folder (added to the search once,
// for the whole run, since Palm's libraries may load their siblings late),
// the program's folder and the system folders, never through the current
// directory. A path that is not a full path does not bind.
LibraryModule LoadPalmModule(const char* path);

}  // namespace corvane
