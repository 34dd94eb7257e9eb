#include "file_replace.h"

#include "data_paths.h"
#include "fixed_text.h"

namespace corvane {
namespace {

bool WriteAll(HANDLE file, const unsigned char* data, std::size_t size) {
    while (size > 0) {
        const DWORD chunk = size > 0x40000000u ? 0x40000000u : static_cast<DWORD>(size);
        DWORD written = 0;
        if (!WriteFile(file, data, chunk, &written, nullptr)) return false;
        if (written == 0) {
            SetLastError(ERROR_WRITE_FAULT);
            return false;
        }
        data += written;
        size -= written;
    }
    return true;
}

bool WriteTemporary(const wchar_t* path, const void* data, std::size_t size) {
    UniqueHandle file(CreateFileW(path, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file) return false;
    return WriteAll(file.Get(), static_cast<const unsigned char*>(data), size) && FlushFileBuffers(file.Get());
}

// An antivirus scanner or indexer that still holds the new file makes the
// move fail for a moment with one of two errors: those are retried briefly.
bool MoveIntoPlace(const wchar_t* from, const wchar_t* to) {
    constexpr int kAttempts = 6;
    constexpr DWORD kFirstDelay = 50;  // milliseconds; 50, 100, ... 250 between the attempts
    for (int attempt = 1;; ++attempt) {
        if (MoveFileExW(from, to, MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) return true;
        const DWORD error = GetLastError();
        if (attempt == kAttempts || (error != ERROR_SHARING_VIOLATION && error != ERROR_ACCESS_DENIED)) return false;
        Sleep(kFirstDelay * static_cast<DWORD>(attempt));
    }
}

UniqueHandle OpenForReading(const wchar_t* path) {
    return UniqueHandle(CreateFileW(path, GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                    nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
}

bool IsNotFound(DWORD error) { return error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND; }

int Failed(DWORD error, DWORD* reason) {
    if (reason != nullptr) *reason = error;
    return 0;
}

}  // namespace

int ReplaceFileContents(const wchar_t* path, const void* data, std::size_t size, DWORD* reason) {
    if (path == nullptr || (data == nullptr && size > 0)) return Failed(ERROR_INVALID_PARAMETER, reason);
    // A read-only file is the user's word that it must not change. Windows
    // refuses to move a file over it; Wine does not, so refuse here for both.
    const DWORD attributes = GetFileAttributesW(path);
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & (FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_DIRECTORY))) {
        return Failed(ERROR_ACCESS_DENIED, reason);
    }
    WidePath temporary;
    if (!CopyField(temporary, kPathSize, path, kPathSize) || !AppendText(temporary, kPathSize, L".tmp")) {
        return Failed(ERROR_FILENAME_EXCED_RANGE, reason);
    }
    if (WriteTemporary(temporary, data, size) && MoveIntoPlace(temporary, path)) return 1;
    const DWORD error = GetLastError();
    DeleteFileW(temporary);
    return Failed(error, reason);
}

FileLoad OpenStoredFile(const wchar_t* path, UniqueHandle& file, WidePath* temporary, DWORD* reason) {
    (*temporary)[0] = L'\0';
    file = OpenForReading(path);
    if (file) return FileLoad::Read;
    DWORD error = GetLastError();
    WidePath beside;
    if (IsNotFound(error) && CopyField(beside, kPathSize, path, kPathSize) && AppendText(beside, kPathSize, L".tmp")) {
        file = OpenForReading(beside);
        if (file) {
            CopyField(*temporary, kPathSize, beside, kPathSize);
            return FileLoad::Read;
        }
        // A temporary file that is there but cannot be opened holds the data.
        const DWORD temporaryError = GetLastError();
        if (!IsNotFound(temporaryError)) error = temporaryError;
    }
    if (IsNotFound(error)) return FileLoad::NotFound;
    if (reason != nullptr) *reason = error;
    return FileLoad::Unreadable;
}

void RestoreFromTemporary(const wchar_t* temporary, const wchar_t* path) {
    if (temporary[0] != L'\0') MoveFileExW(temporary, path, MOVEFILE_WRITE_THROUGH);
}

FileLoad ReadWholeFile(const wchar_t* path, std::string& contents, DWORD* reason) {
    contents.clear();
    if (path == nullptr) return FileLoad::NoPath;
    UniqueHandle file;
    WidePath temporary;
    const FileLoad opened = OpenStoredFile(path, file, &temporary, reason);
    if (opened != FileLoad::Read) return opened;
    char chunk[16384];
    for (;;) {
        DWORD got = 0;
        if (!ReadFile(file.Get(), chunk, sizeof chunk, &got, nullptr)) {
            if (reason != nullptr) *reason = GetLastError();
            contents.clear();
            return FileLoad::Unreadable;
        }
        if (got == 0) break;
        contents.append(chunk, got);
    }
    file = UniqueHandle();
    RestoreFromTemporary(temporary, path);
    return FileLoad::Read;
}

}  // namespace corvane
