#include "desktop_path.h"

#include <windows.h>

#include "registry_text.h"
#include "win_handles.h"

namespace corvane {

int32_t ReadDesktopPath(char* buffer, uint32_t size) {
    if (buffer == nullptr || size == 0) return -100;
    buffer[0] = '\0';
    RegistryKey key;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, kPalmDesktopKey, 0, KEY_READ, key.Receive()) != ERROR_SUCCESS) return -101;
    DWORD length = size;
    if (RegQueryValueExA(key.Get(), kDesktopPathValue, nullptr, nullptr, reinterpret_cast<BYTE*>(buffer), &length) !=
        ERROR_SUCCESS) {
        buffer[0] = '\0';
        return -101;
    }
    // The stored value need not carry its terminator; the buffer must.
    return TerminateRegistryText(buffer, size, length);
}

}  // namespace corvane
