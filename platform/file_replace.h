// Reading and replacing the program's own files, by wide paths, without ever
// leaving a half-written file. Failures come back as the system's error code.
#pragma once

#include <windows.h>

#include <cstddef>
#include <string>

#include "file_load.h"

namespace corvane {

// Writes `size` bytes to a temporary file beside `path` (the same name with
// ".tmp"), flushes it to disk and only then moves it over `path`. Returns 1
// when `path` holds the new contents; 0 when any step fails, with the
// system's error code in `reason` (when given): `path` is then exactly as it
// was and the temporary file is removed. A read-only file is never replaced.
int ReplaceFileContents(const wchar_t* path, const void* data, std::size_t size, DWORD* reason = nullptr);

// Reads the whole file at `path` into `contents`. NotFound when the file or
// its folder does not exist; Unreadable (with the error code in `reason`)
// when it exists and cannot be read whole.
FileLoad ReadWholeFile(const wchar_t* path, std::string& contents, DWORD* reason = nullptr);

}  // namespace corvane
