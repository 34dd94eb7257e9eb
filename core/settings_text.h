// The settings file's text, read and changed the way Windows' profile
// functions read it, in the encoding the file came in: ANSI (or UTF-8, with
// its mark kept apart from the first line) or UTF-16 with its mark. A change
// touches only the lines of the keys it sets; every other line, comments and
// unknown keys included, stays as it was.
#pragma once

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

namespace corvane {

enum class TextEncoding {
    Ansi,     // no mark: bytes of the ANSI code page
    Utf8,     // EF BB BF, then UTF-8
    Utf16Le,  // FF FE, then 16-bit units, low byte first
    Utf16Be,  // FE FF, then 16-bit units, high byte first
};

// A settings file split from its mark, in its own units: bytes for ANSI and
// UTF-8, 16-bit units for UTF-16. Only one of the two texts is used.
struct SettingsText {
    TextEncoding Encoding = TextEncoding::Ansi;
    std::string Narrow;
    std::u16string Wide;
};

SettingsText DecodeSettingsText(const std::string& bytes);
// The file's bytes again: the mark, then the text in its encoding.
std::string EncodeSettingsText(const SettingsText& text);

// The value of `key` in the first section named `section` (both compared
// without regard to ASCII case), blanks around it and one pair of enclosing
// quotes taken off; false when there is no such key. Letters beyond ASCII
// come back as '?': the values read are numbers.
bool FindSetting(const SettingsText& text, const char* section, const char* key, std::string& value);

// A value read as the profile reader reads an integer: blanks, a sign, a
// base prefix (0x, 0o, 0b) and as many digits as follow, wrapped to 32 bits.
// An empty value gives `fallback`.
uint32_t ProfileInteger(const std::string& value, uint32_t fallback);

using SettingValues = std::vector<std::pair<const char*, std::string>>;

// Sets each key (ASCII names and values) in the first section named
// `section`: the key's first line there gets the new value, a key not there
// is added after the section's last key, and a missing section is added at
// the end of the text. Lines break as the text's first line break does.
void SetSettings(SettingsText& text, const char* section, const SettingValues& values);

}  // namespace corvane
