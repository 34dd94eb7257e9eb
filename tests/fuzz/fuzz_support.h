// What the fuzz targets share: checks that stop the run with a message, the
// code pages a text may come in, and outside modules that fill buffers with
// whatever the input holds.
#pragma once

#include <fuzzer/FuzzedDataProvider.h>

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "fixed_text.h"

namespace corvane::fuzz {

inline void Check(bool holds, const char* what) {
    if (holds) return;
    std::fprintf(stderr, "check failed: %s\n", what);
    std::abort();
}

// A double-byte code page's lead bytes (as in code page 932), and one where
// every byte above 0x7F leads.
inline bool Cp932LeadByte(unsigned char byte) { return (byte >= 0x81 && byte <= 0x9F) || (byte >= 0xE0 && byte <= 0xFC); }
inline bool HighLeadByte(unsigned char byte) { return byte >= 0x80; }

inline LeadByteTest ChooseLeadBytes(FuzzedDataProvider& input) {
    switch (input.ConsumeIntegralInRange<int>(0, 2)) {
        case 1: return Cp932LeadByte;
        case 2: return HighLeadByte;
        default: return NoLeadBytes;
    }
}

// True when `length` bytes of `text` (`full` bytes long) end between two
// characters, walking from its start.
inline bool EndsOnCharacter(const char* text, std::size_t full, std::size_t length, LeadByteTest isLeadByte) {
    std::size_t at = 0;
    while (at < length) at += isLeadByte(static_cast<unsigned char>(text[at])) && at + 1 < full ? 2 : 1;
    return at == length;
}

// A field that a module filled and the program then terminated: it ends
// within its width, and a text that had filled the whole field lost at most
// the one character the terminator needed.
inline void CheckTerminatedField(const char* field, std::size_t width, const std::vector<char>& before,
                                 LeadByteTest isLeadByte, const char* what) {
    const std::size_t length = FieldLength(field, width);
    Check(length < width, what);
    Check(std::memcmp(field, before.data(), length) == 0, what);
    if (FieldLength(before.data(), width) == width) {
        Check(length + 2 >= width && EndsOnCharacter(before.data(), width, length, isLeadByte), what);
    }
}

// Writes what an outside module might leave in a buffer the program told it
// is `size` bytes: any bytes, any number of them up to that size, with or
// without a terminator.
inline void FillLikeAModule(FuzzedDataProvider& input, void* buffer, std::size_t size) {
    const auto count = input.ConsumeIntegralInRange<std::size_t>(0, size);
    const std::vector<uint8_t> bytes = input.ConsumeBytes<uint8_t>(count);
    if (!bytes.empty()) std::memcpy(buffer, bytes.data(), bytes.size());
}

// Changes some of `size` bytes at places the input chooses, as a module that
// writes into a record it was handed may.
inline void ScribbleLikeAModule(FuzzedDataProvider& input, void* record, std::size_t size) {
    auto* bytes = static_cast<uint8_t*>(record);
    const int writes = input.ConsumeIntegralInRange<int>(0, 4);
    for (int i = 0; i < writes; ++i) {
        const auto at = input.ConsumeIntegralInRange<std::size_t>(0, size - 1);
        const auto count = input.ConsumeIntegralInRange<std::size_t>(1, std::min<std::size_t>(16, size - at));
        for (std::size_t j = 0; j < count; ++j) bytes[at + j] = input.ConsumeIntegral<uint8_t>();
    }
}

}  // namespace corvane::fuzz
