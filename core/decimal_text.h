// Numbers typed into the windows' boxes.
#pragma once

#include <cstdint>

namespace corvane {

// The whole text read as a decimal number: an optional minus sign and digits,
// within 32 bits. Anything else (an empty text, letters, spaces, a number too
// large) reads as 0.
int32_t ParseDecimal(const char* text);

}  // namespace corvane
