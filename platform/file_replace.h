// Replacing a file's contents without ever leaving a half-written file.
#pragma once

#include <cstddef>

namespace corvane {

// Writes `size` bytes to a temporary file beside `path`, flushes it to disk and
// only then moves it over `path`. Returns 1 when `path` holds the new contents;
// 0 when any step fails, in which case `path` is exactly as it was and the
// temporary file is removed.
int ReplaceFileContents(const char* path, const void* data, std::size_t size);

}  // namespace corvane
