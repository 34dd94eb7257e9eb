// Text rules of the system's ANSI code page.
#pragma once

#include <cstddef>

namespace corvane {

// True when `byte` starts a two-byte character in the ANSI code page.
bool IsAnsiLeadByte(unsigned char byte);

// Folds text to capitals in the ANSI code page, in place.
void FoldAnsiToUpper(char* text, std::size_t length);

}  // namespace corvane
