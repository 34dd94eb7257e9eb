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
    WidePath module;
    const DWORD length = GetModuleFileNameW(nullptr, module, static_cast<DWORD>(kPathSize));
    return ModuleDirectory(module, length, buffer);
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
