#include "name_table.h"

#include <cstdio>
#include <cstring>

#include "fixed_text.h"

namespace corvane {
namespace {

struct FileCloser {
    void operator()(std::FILE* file) const { std::fclose(file); }
};

// A key folded to capitals, with its terminator, never longer than a key field.
struct FoldedKey {
    char Text[sizeof ConduitNameEntry::CreatorKey + 1];
    std::size_t Length;
};

FoldedKey Fold(const char* text, std::size_t width, FoldToUpper fold) {
    FoldedKey key{};
    key.Length = FieldLength(text, width);
    std::memcpy(key.Text, text, key.Length);
    fold(key.Text, key.Length);
    key.Text[key.Length] = '\0';
    return key;
}

}  // namespace

void FoldAsciiToUpper(char* text, std::size_t length) {
    for (std::size_t i = 0; i < length; ++i) {
        if (text[i] >= 'a' && text[i] <= 'z') text[i] = static_cast<char>(text[i] - 'a' + 'A');
    }
}

std::size_t AppendNameEntries(ConduitNameTable& table, const unsigned char* data, std::size_t size) {
    const std::size_t count = size / kConduitNameEntrySize;
    for (std::size_t i = 0; i < count; ++i) {
        ConduitNameEntry entry;
        std::memcpy(&entry, data + i * kConduitNameEntrySize, kConduitNameEntrySize);
        table.Entries.push_back(entry);
    }
    return count;
}

int NameTableLoadFile(ConduitNameTable& table, const char* path) {
    table.Entries.clear();
    if (path == nullptr) return 0;
    const std::unique_ptr<std::FILE, FileCloser> file(std::fopen(path, "rb"));
    if (!file) return 0;
    unsigned char record[kConduitNameEntrySize];
    while (std::fread(record, 1, sizeof record, file.get()) == sizeof record) AppendNameEntries(table, record, sizeof record);
    return 1;
}

int32_t NameTableCount(const ConduitNameTable* table) {
    return table != nullptr ? static_cast<int32_t>(table->Entries.size()) : 0;
}

const ConduitNameEntry* NameTableAt(const ConduitNameTable* table, int32_t index) {
    if (index < 0 || index >= NameTableCount(table)) return nullptr;
    return &table->Entries[static_cast<std::size_t>(index)];
}

int NameTableLookup(const ConduitNameTable* table, const char* key, char* destination, FoldToUpper fold) {
    if (key == nullptr || key[0] == '\0' || destination == nullptr) return 0;
    destination[0] = '\0';
    if (table == nullptr) return 0;
    // A key longer than any stored key can match none.
    const std::size_t keyWidth = sizeof ConduitNameEntry::CreatorKey;
    if (FieldLength(key, keyWidth + 1) > keyWidth) return 0;
    const FoldedKey wanted = Fold(key, keyWidth, fold);
    for (const ConduitNameEntry& entry : table->Entries) {
        const FoldedKey stored = Fold(entry.CreatorKey, keyWidth, fold);
        if (stored.Length != wanted.Length || std::memcmp(stored.Text, wanted.Text, wanted.Length) != 0) continue;
        // The destination holds 64 bytes: a name that fills its whole field
        // gives up its last byte to the terminator.
        const std::size_t length = FieldLength(entry.DisplayName, sizeof entry.DisplayName - 1);
        std::memcpy(destination, entry.DisplayName, length);
        destination[length] = '\0';
        return length > 0 ? 1 : 0;
    }
    return 0;
}

}  // namespace corvane
