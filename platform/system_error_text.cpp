#include "system_error_text.h"

#include <cstdio>
#include <iterator>

namespace corvane {

std::string SystemErrorText(DWORD error) {
    char text[512];
    DWORD length = FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr, error, 0, text,
                                  sizeof text, nullptr);
    while (length > 0 && (text[length - 1] == '\r' || text[length - 1] == '\n' || text[length - 1] == ' ')) --length;
    if (length > 0) return std::string(text, length);
    std::snprintf(text, sizeof text, "Error %lu.", static_cast<unsigned long>(error));
    return text;
}

std::wstring SystemErrorTextW(DWORD error) {
    wchar_t text[512];
    DWORD length = FormatMessageW(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr, error, 0, text,
                                  static_cast<DWORD>(std::size(text)), nullptr);
    while (length > 0 && (text[length - 1] == L'\r' || text[length - 1] == L'\n' || text[length - 1] == L' ')) --length;
    if (length > 0) return std::wstring(text, length);
    return L"Error " + std::to_wstring(error) + L".";
}

}  // namespace corvane
