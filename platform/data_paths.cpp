#include "data_paths.h"

#include <windows.h>

#include "code_page.h"
#include "fixed_text.h"

namespace corvane {
namespace {

const char* DataFileRelativePath(int32_t index) {
    switch (index) {
        case dfConduitNames: return "cvdata\\cvwkcond.dat";
        case dfSchedules: return "cvdata\\cvsche.dat";
        case dfHelp: return "cvdata\\cvhelp.chm";
        case dfRemindSound: return "cvdata\\cvremind.wav";
        default: return nullptr;
    }
}

}  // namespace

int GetExeDir(PathBuffer* buffer) {
    if (buffer == nullptr) return 0;
    PathBuffer module;
    const DWORD length = GetModuleFileNameA(nullptr, module, static_cast<DWORD>(kPathSize));
    return ModuleDirectory(module, length, buffer, IsAnsiLeadByte);
}

int GetDataFilePath(int32_t index, PathBuffer* buffer) {
    if (buffer == nullptr) return 0;
    if (GetExeDir(buffer) == 0) return 0;
    const char* relative = DataFileRelativePath(index);
    if (relative == nullptr) return 0;
    return AppendText(*buffer, kPathSize, relative) ? 1 : 0;
}

}  // namespace corvane
