// Any bytes as a conduit name file: loading keeps whole records only, and a
// lookup of every stored key (and of a key made from the input's end) never
// writes past the 64 bytes a caller provides, always terminating the name.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>

#include "name_table.h"

namespace {

void CheckLookup(const corvane::ConduitNameTable& table, const char* key) {
    char destination[64 + 8];
    std::memset(destination, 0x5A, sizeof destination);
    const int found = corvane::NameTableLookup(&table, key, destination, corvane::FoldAsciiToUpper);
    for (std::size_t i = 64; i < sizeof destination; ++i) {
        if (destination[i] != 0x5A) std::abort();
    }
    if (key[0] != '\0' && strnlen(destination, 64) == 64) std::abort();
    if (found == 1 && destination[0] == '\0') std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
    corvane::ConduitNameTable table;
    if (corvane::AppendNameEntries(table, data, size) != size / corvane::kConduitNameEntrySize) std::abort();
    for (const auto& entry : table.Entries) {
        const std::string key(entry.CreatorKey, strnlen(entry.CreatorKey, sizeof entry.CreatorKey));
        CheckLookup(table, key.c_str());
    }
    const std::size_t tail = size % 97;
    const std::string key(reinterpret_cast<const char*>(data) + (size - tail), tail);
    CheckLookup(table, key.c_str());
    return 0;
}
