// Termination of a text value read from the registry.
#pragma once

#include <cstdint>

namespace corvane {

// After a registry read of `length` bytes into a buffer of `size` bytes, makes
// sure the buffer holds a terminated string within its size. A value stored
// without its terminator is terminated when there is room; when there is none,
// or `length` exceeds `size`, the buffer is emptied and -102 returned (the
// value does not fit). Returns 0 when the buffer holds the whole value.
int32_t TerminateRegistryText(char* buffer, uint32_t size, uint32_t length);

}  // namespace corvane
