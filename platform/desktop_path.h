// Where Palm Desktop is installed, from the current user's registry.
#pragma once

#include <cstdint>
#include <string>

namespace corvane {

inline constexpr char kPalmDesktopKey[] = "Software\\U.S. Robotics\\Pilot Desktop\\Core";
inline constexpr char kDesktopPathValue[] = "DesktopPath";

// Copies the Palm Desktop directory (no trailing backslash) into `buffer` of
// `size` bytes, always terminated within it. Returns 0 on success; -100 when
// the buffer is null or the size 0 (the registry is not touched); -101 when the
// key cannot be opened or the value cannot be read (missing, or larger than
// the buffer); -102 when the value does not fit with its terminator; -103
// (kDesktopPathNotAnsi) when it names a folder with letters the ANSI code page
// cannot hold, which Palm's libraries, ANSI by their definition, cannot use.
// Every non-zero result means Palm Desktop is not installed.
int32_t ReadDesktopPath(char* buffer, uint32_t size);

inline constexpr int32_t kDesktopPathNotAnsi = -103;

// The stored directory as the registry holds it, wide; empty when there is none.
std::wstring ReadWideDesktopPath();

}  // namespace corvane
