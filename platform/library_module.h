// Binding Palm's libraries and conduit modules from their own folders.
#pragma once

#include <windows.h>

#include <utility>

namespace corvane {

// Owns a bound module file and releases it once.
class LibraryModule {
public:
    LibraryModule() = default;
    explicit LibraryModule(HMODULE module) : module_(module) {}
    LibraryModule(LibraryModule&& other) noexcept : module_(std::exchange(other.module_, nullptr)) {}
    LibraryModule& operator=(LibraryModule&& other) noexcept {
        if (this != &other) Reset(std::exchange(other.module_, nullptr));
        return *this;
    }
    LibraryModule(const LibraryModule&) = delete;
    LibraryModule& operator=(const LibraryModule&) = delete;
    ~LibraryModule() { Reset(); }

    HMODULE Get() const { return module_; }
    explicit operator bool() const { return module_ != nullptr; }
    void Reset(HMODULE module = nullptr) {
        if (module_ != nullptr) FreeLibrary(module_);
        module_ = module;
    }

    // The export `name` as an entry of type Fn; null when not exported.
    template <typename Fn>
    Fn Entry(const char* name) const {
        if (module_ == nullptr) return nullptr;
        // void (*)() converts to and from every function pointer type.
        return reinterpret_cast<Fn>(reinterpret_cast<void (*)()>(GetProcAddress(module_, name)));
    }

private:
    HMODULE module_ = nullptr;
};

// Binds the module file at the full path `path`. Its own dependencies are
// found in its own folder, the Palm Desktop folder, the program's folder and
// the system folders, never through PATH or the current directory. A path that
// is not a full path does not bind.
LibraryModule LoadPalmModule(const char* path);

}  // namespace corvane
