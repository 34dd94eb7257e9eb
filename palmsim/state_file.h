// The stand-in's state: an INI file "palmsim.ini" in the Palm Desktop
// directory, the folder the stand-in's own module files live in. A person or a
// test can read and edit it; every library call reads and writes it directly.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace palmsim {

inline constexpr char kStateFileName[] = "palmsim.ini";

// The folder of the module (DLL or EXE) that contains this code, with a trailing backslash.
std::string OwnDirectory();
std::string StatePath();

std::string ReadText(const std::string& section, const std::string& key, const std::string& fallback = "");
void WriteText(const std::string& section, const std::string& key, const std::string& value);
void DeleteKey(const std::string& section, const std::string& key);
void DeleteSection(const std::string& section);
int32_t ReadInt(const std::string& section, const std::string& key, int32_t fallback);
void WriteInt(const std::string& section, const std::string& key, int32_t value);
bool HasKey(const std::string& section, const std::string& key);

// Comma-separated lists, as the state keeps user IDs and creator IDs.
std::vector<std::string> ReadList(const std::string& section, const std::string& key);
void WriteList(const std::string& section, const std::string& key, const std::vector<std::string>& items);

// Copies `text` into a caller's buffer of `size` bytes. Returns 0 when it fit
// with its terminator; otherwise -1, with `needed` set to the size it needs.
// With the state's quirk UnterminatedTexts=1 a text that does not fit fills
// the whole buffer without a terminator and counts as delivered, as some
// libraries do.
int32_t CopyOut(const std::string& text, char* buffer, int32_t size, int32_t* needed);

// Four-character creator ID texts and their numbers (first character highest).
uint32_t CreatorNumber(const std::string& text);
std::string CreatorText(uint32_t number);

}  // namespace palmsim
