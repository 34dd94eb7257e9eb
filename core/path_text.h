// Paths as texts: the directory part of a path, full paths, and joining a
// directory and a file name within the program's path buffers.
#pragma once

#include <cstddef>
#include <cstdint>

#include "fixed_text.h"

namespace corvane {

// Every path the program forms lives in a buffer of this many characters,
// terminator included.
inline constexpr std::size_t kPathSize = 260;
using PathBuffer = char[kPathSize];
// The program's own paths are wide (any folder name works); Palm's are ANSI.
using WidePath = wchar_t[kPathSize];

// Writes the directory part (with its trailing separator) of the module path
// `module`, `length` characters as the system reported them, into `buffer`
// and returns 1. Returns 0 with an empty buffer when `length` is 0 or does
// not leave room for a terminator (the path was cut); 0 when `buffer` is null.
int ModuleDirectory(const wchar_t* module, uint32_t length, WidePath* buffer);

// True for "X:\..." (or "X:/...") and "\\server\...".
bool IsFullPath(const char* path);

// Writes "directory\fileName" into `buffer` and returns true; false, leaving
// the buffer empty, when it does not fit with its terminator.
bool JoinPath(PathBuffer* buffer, const char* directory, const char* fileName);

}  // namespace corvane
