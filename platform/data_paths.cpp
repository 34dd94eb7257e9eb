#include "data_paths.h"

#include <windows.h>

#include "fixed_text.h"

namespace corvane {
namespace {

const wchar_t* DataFileRelativePath(int32_t index) {
    switch (index) {
        case dfConduitNames: return L"cvdata\\cvwkcond.dat";
        case dfSchedules: return L"cvdata\\cvsche.dat";
        case dfHelp: return L"cvdata\\cvhelp.chm";
        case dfRemindSound: return L"cvdata\\cvremind.wav";
        default: return nullptr;
    }
}

}  // namespace

int GetExeDir(WidePath* buffer) {
    if (buffer == nullptr) return 0;
    wchar_t* out = *buffer;
    out[0] = L'\0';
    WidePath module;
    const DWORD length = GetModuleFileNameW(nullptr, module, static_cast<DWORD>(kPathSize));
    // A length that fills the buffer means the path was cut.
    if (length == 0 || length >= kPathSize) return 0;
    std::size_t directory = 0;
    for (std::size_t at = 0; at < length; ++at) {
        if (module[at] == L'\\' || module[at] == L'/') directory = at + 1;
    }
    for (std::size_t i = 0; i < directory; ++i) out[i] = module[i];
    out[directory] = L'\0';
    return 1;
}

int GetDataFilePath(int32_t index, WidePath* buffer) {
    if (buffer == nullptr) return 0;
    if (GetExeDir(buffer) == 0) return 0;
    const wchar_t* relative = DataFileRelativePath(index);
    if (relative == nullptr) return 0;
    return AppendText(*buffer, kPathSize, relative) ? 1 : 0;
}

int GetDataFolder(WidePath* buffer) {
    if (buffer == nullptr || GetExeDir(buffer) == 0) return 0;
    return AppendText(*buffer, kPathSize, L"cvdata") ? 1 : 0;
}

}  // namespace corvane
