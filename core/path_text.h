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

// Length of the directory part of the first `width` bytes of `path` (up to
// its first zero byte): everything up to and including the last backslash or
// slash. Walks by characters so that a trail byte of a two-byte character is
// never taken for a separator.
std::size_t DirectoryLength(const char* path, std::size_t width, LeadByteTest isLeadByte);

// Writes the directory part (with its trailing separator) of the module path
// `module`, `length` characters as the system reported them, into `buffer`
// and returns 1. Returns 0 with an empty buffer when `length` is 0 or does
// not leave room for a terminator (the path was cut); 0 when `buffer` is null.
int ModuleDirectory(const char* module, uint32_t length, PathBuffer* buffer, LeadByteTest isLeadByte);

// True for "X:\..." (or "X:/...") and "\\server\...".
bool IsFullPath(const char* path);

// Writes "directory\fileName" into `buffer` and returns true; false, leaving
// the buffer empty, when it does not fit with its terminator.
bool JoinPath(PathBuffer* buffer, const char* directory, const char* fileName);

}  // namespace corvane
