// Owners for the Win32 handles the program opens; each closes its handle once.
#pragma once

#include <windows.h>

#include "unique_resource.h"

namespace corvane {

struct KernelHandleTraits {
    static HANDLE None() { return nullptr; }
    static bool IsValid(HANDLE handle) { return handle != nullptr && handle != INVALID_HANDLE_VALUE; }
    static void Release(HANDLE handle) { CloseHandle(handle); }
};

// A kernel object handle (file, mutex, process); INVALID_HANDLE_VALUE and null both mean none.
using UniqueHandle = UniqueResource<HANDLE, KernelHandleTraits>;

// An open registry key.
class RegistryKey {
public:
    RegistryKey() = default;
    RegistryKey(const RegistryKey&) = delete;
    RegistryKey& operator=(const RegistryKey&) = delete;
    ~RegistryKey() {
        if (key_ != nullptr) RegCloseKey(key_);
    }

    HKEY Get() const { return key_; }
    // For the opening call to fill in; the key must not be open yet.
    HKEY* Receive() { return &key_; }

private:
    HKEY key_ = nullptr;
};

}  // namespace corvane
