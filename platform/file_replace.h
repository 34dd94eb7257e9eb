// Reading and replacing the program's own files, by wide paths, without ever
// leaving a half-written file. Failures come back as the system's error code.
#pragma once

#include <windows.h>

#include <cstddef>
#include <string>

#include "data_paths.h"
#include "file_load.h"
#include "win_handles.h"

namespace corvane {

// Writes `size` bytes to a temporary file beside `path` (the same name with
// ".tmp"), flushes it to disk and only then moves it over `path`. Returns 1
// when `path` holds the new contents; 0 when any step fails, with the
// system's error code in `reason` (when given): `path` is then exactly as it
// was and the temporary file is removed. A read-only file is never replaced.
int ReplaceFileContents(const wchar_t* path, const void* data, std::size_t size, DWORD* reason = nullptr);

// Opens one of the program's files for reading. A file missing beside its
// temporary file (a replace cut short between its two steps) is the
// temporary file: that is opened, and named in `temporary` (else empty).
// NotFound only when neither is there; a temporary file that is there but
// cannot be opened makes the file Unreadable, with the error in `reason`.
FileLoad OpenStoredFile(const wchar_t* path, UniqueHandle& file, WidePath* temporary, DWORD* reason);

// After a whole read of a temporary file (`temporary` not empty), with its
// handle closed: puts it in the place of the missing file.
void RestoreFromTemporary(const wchar_t* temporary, const wchar_t* path);

// Reads the whole file at `path` (or its temporary file, OpenStoredFile's
// rule) into `contents`. NotFound when neither exists; Unreadable (with the
// error code in `reason`) when it exists and cannot be read whole.
FileLoad ReadWholeFile(const wchar_t* path, std::string& contents, DWORD* reason = nullptr);

}  // namespace corvane
