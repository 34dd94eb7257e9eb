#include "data_paths.h"

#include <windows.h>

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

// Length of the directory part of `path`: everything up to and including the
// last separator. Walks by characters so that a trail byte of a double-byte
// character is never taken for a backslash.
std::size_t DirectoryLength(const char* path) {
    std::size_t length = 0;
    for (const char* p = path; *p != '\0'; p = CharNextA(p)) {
        if (*p == '\\' || *p == '/') length = static_cast<std::size_t>(p - path) + 1;
    }
    return length;
}

}  // namespace

int GetExeDir(PathBuffer* buffer) {
    if (buffer == nullptr) return 0;
    char* out = *buffer;
    out[0] = '\0';
    PathBuffer module;
    const DWORD length = GetModuleFileNameA(nullptr, module, static_cast<DWORD>(kPathSize));
    if (length == 0 || length >= kPathSize) return 0;
    const std::size_t directory = DirectoryLength(module);
    for (std::size_t i = 0; i < directory; ++i) out[i] = module[i];
    out[directory] = '\0';
    return 1;
}

int GetDataFilePath(int32_t index, PathBuffer* buffer) {
    if (buffer == nullptr) return 0;
    if (GetExeDir(buffer) == 0) return 0;
    const char* relative = DataFileRelativePath(index);
    if (relative == nullptr) return 0;
    return AppendText(*buffer, kPathSize, relative) ? 1 : 0;
}

}  // namespace corvane
