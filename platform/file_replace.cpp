#include "file_replace.h"

#include <windows.h>

#include "data_paths.h"
#include "fixed_text.h"
#include "win_handles.h"

namespace corvane {
namespace {

bool WriteAll(HANDLE file, const unsigned char* data, std::size_t size) {
    while (size > 0) {
        const DWORD chunk = size > 0x40000000u ? 0x40000000u : static_cast<DWORD>(size);
        DWORD written = 0;
        if (!WriteFile(file, data, chunk, &written, nullptr) || written == 0) return false;
        data += written;
        size -= written;
    }
    return true;
}

bool WriteTemporary(const char* path, const void* data, std::size_t size) {
    UniqueHandle file(CreateFileA(path, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file) return false;
    return WriteAll(file.Get(), static_cast<const unsigned char*>(data), size) && FlushFileBuffers(file.Get());
}

// An antivirus scanner or indexer that still holds the new file makes the
// move fail for a moment with one of two errors: those are retried briefly.
bool MoveIntoPlace(const char* from, const char* to) {
    constexpr int kAttempts = 6;
    constexpr DWORD kFirstDelay = 50;  // milliseconds; 50, 100, ... 250 between the attempts
    for (int attempt = 1;; ++attempt) {
        if (MoveFileExA(from, to, MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) return true;
        const DWORD error = GetLastError();
        if (attempt == kAttempts || (error != ERROR_SHARING_VIOLATION && error != ERROR_ACCESS_DENIED)) return false;
        Sleep(kFirstDelay * static_cast<DWORD>(attempt));
    }
}

}  // namespace

int ReplaceFileContents(const char* path, const void* data, std::size_t size) {
    if (path == nullptr || (data == nullptr && size > 0)) return 0;
    // A read-only file is the user's word that it must not change. Windows
    // refuses to move a file over it; Wine does not, so refuse here for both.
    const DWORD attributes = GetFileAttributesA(path);
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & (FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_DIRECTORY))) {
        return 0;
    }
    PathBuffer temporary;
    if (!CopyField(temporary, kPathSize, path, kPathSize) || !AppendText(temporary, kPathSize, ".tmp")) return 0;
    if (WriteTemporary(temporary, data, size) && MoveIntoPlace(temporary, path)) {
        return 1;
    }
    DeleteFileA(temporary);
    return 0;
}

}  // namespace corvane
