#include "desktop_path.h"

#include <windows.h>

#include "fixed_text.h"
#include "path_text.h"
#include "registry_text.h"
#include "win_handles.h"

namespace corvane {
namespace {

constexpr wchar_t kPalmDesktopKeyW[] = L"Software\\U.S. Robotics\\Pilot Desktop\\Core";

// True when every letter of `text` has its own character in the ANSI code page.
bool FitsAnsiCodePage(const std::wstring& text) {
    if (text.empty()) return true;
    BOOL lost = FALSE;
    const int size = WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, text.c_str(), static_cast<int>(text.size()),
                                         nullptr, 0, nullptr, &lost);
    return size > 0 && lost == FALSE;
}

}  // namespace

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
    const int32_t result = TerminateRegistryText(buffer, size, length);
    if (result != 0) return result;
    if (!FitsAnsiCodePage(ReadWideDesktopPath())) {
        buffer[0] = '\0';
        return kDesktopPathNotAnsi;
    }
    return 0;
}

std::wstring ReadWideDesktopPath() {
    RegistryKey key;
    if (RegOpenKeyExW(HKEY_CURRENT_USER, kPalmDesktopKeyW, 0, KEY_READ, key.Receive()) != ERROR_SUCCESS) return {};
    wchar_t value[kPathSize] = L"";
    DWORD length = sizeof value - sizeof(wchar_t);  // room kept for a terminator the value may lack
    if (RegQueryValueExW(key.Get(), L"DesktopPath", nullptr, nullptr, reinterpret_cast<BYTE*>(value), &length) !=
        ERROR_SUCCESS) {
        return {};
    }
    return std::wstring(value, FieldLength(value, length / sizeof(wchar_t)));
}

}  // namespace corvane
