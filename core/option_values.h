// How the values of the settings file become the settings' fields, and the
// texts the fields are written back as.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

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

namespace corvane {

// The settings file's new text: whatever `previous` holds before its first
// section, then `section` (a whole section, header and lines, as given), then
// every other section of `previous` as it was. Sections of `previous` named
// `name` (compared without regard to ASCII case) are left out: `section`
// replaces them.
std::string SettingsFileText(const std::string& previous, const char* name, const std::string& section);

}  // namespace corvane
