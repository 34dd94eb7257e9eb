// How the values of the settings file become the settings' fields, and the
// texts the fields are written back as.
#pragma once

#include <cstddef>
#include <cstdint>

namespace corvane {

// A key's value as the settings file gave it (32 bits, as the INI reader
// returns it) made a field: a flag counts as set only when the value is
// exactly 1; a number stays as read.
int32_t OptionFromStored(bool isFlag, uint32_t stored);

// Room for "-2147483648" and its terminator.
inline constexpr std::size_t kOptionTextSize = 12;

// The text a field is written as: "1" or "0" for a flag (set when non-zero),
// the decimal number otherwise.
void OptionText(bool isFlag, int32_t value, char (&text)[kOptionTextSize]);

}  // namespace corvane
