// Binding Palm's libraries and conduit modules from their own folders.
#pragma once

#include <windows.h>

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

// Binds the module file at the full path `path`. Its own dependencies are
// found in its own folder, the Palm Desktop folder, the program's folder and
// the system folders, never through PATH or the current directory. A path that
// is not a full path does not bind.
LibraryModule LoadPalmModule(const char* path);

}  // namespace corvane
