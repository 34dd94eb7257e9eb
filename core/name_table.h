// Display names of conduits by creator ID, from the installed name file:
// 128-byte records back to back, no header; a shorter tail is ignored.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <vector>

namespace corvane {

struct ConduitNameEntry {
    char CreatorKey[64];   // compared without regard to letter case
    char DisplayName[64];  // empty: no name
};
static_assert(sizeof(ConduitNameEntry) == 128);
inline constexpr std::size_t kConduitNameEntrySize = 128;

struct ConduitNameTable {
    std::vector<ConduitNameEntry> Entries;
};

// Folds `length` bytes of text to capitals in place, in the text's code page.
using FoldToUpper = void (*)(char* text, std::size_t length);

// Folds the ASCII letters only.
void FoldAsciiToUpper(char* text, std::size_t length);

// Appends every whole record of `data`. Returns the number appended.
std::size_t AppendNameEntries(ConduitNameTable& table, const unsigned char* data, std::size_t size);

// Fills `table` anew from the file at `path`. Returns 1 when the file was
// read, 0 when `path` is null or the file cannot be opened (the table empty).
int NameTableLoadFile(ConduitNameTable& table, const char* path);

int32_t NameTableCount(const ConduitNameTable* table);
const ConduitNameEntry* NameTableAt(const ConduitNameTable* table, int32_t index);

// Copies the display name of the first entry whose key matches `key` into
// `destination` (at least 64 bytes) and returns 1. Returns 0 when no entry
// matches or the first match has no name (the destination then empty), and
// when the key is empty or null or there is no destination (the destination
// then untouched).
int NameTableLookup(const ConduitNameTable* table, const char* key, char* destination,
                    FoldToUpper fold);

}  // namespace corvane
