// Bounded handling of fixed-width text fields.
//
// Every text that the program stores in a record or receives from a file, the
// registry or a library lives in a field of known width and may arrive without
// its terminating zero. These helpers never look past the field's width.
#pragma once

#include <cstddef>

namespace corvane {

// The first three helpers serve wide text too (the program's own paths).

// Takes a parameter out of template deduction, so that a null target still
// finds the character type from the source.
template <typename T>
struct NotDeduced {
    using Type = T;
};

// Length of the text in a field of `width` characters: up to the first zero,
// or the whole width when the field holds no terminator.
template <typename CharT>
std::size_t FieldLength(const CharT* field, std::size_t width) {
    std::size_t length = 0;
    while (length < width && field[length] != CharT{}) ++length;
    return length;
}

// Copies the text of a `sourceWidth`-byte field into a buffer of `targetSize`
// bytes and always terminates it. Returns false, leaving the buffer empty, when
// the text and its terminator do not fit.
template <typename CharT>
bool CopyField(typename NotDeduced<CharT>::Type* target, std::size_t targetSize, const CharT* source,
               std::size_t sourceWidth) {
    if (target == nullptr || targetSize == 0) return false;
    const std::size_t length = FieldLength(source, sourceWidth);
    if (length >= targetSize) {
        target[0] = CharT{};
        return false;
    }
    for (std::size_t i = 0; i < length; ++i) target[i] = source[i];
    target[length] = CharT{};
    return true;
}

// Appends `text` (a terminated string) to the terminated string in `target`.
// Returns false, leaving `target` as it was, when the result would not fit.
template <typename CharT>
bool AppendText(CharT* target, std::size_t targetSize, const CharT* text) {
    const std::size_t start = FieldLength(target, targetSize);
    if (start >= targetSize) return false;
    std::size_t length = 0;
    while (text[length] != CharT{}) ++length;
    if (start + length >= targetSize) return false;
    for (std::size_t i = 0; i <= length; ++i) target[start + i] = text[i];
    return true;
}

// Tells whether a byte starts a two-byte character in the text's code page.
using LeadByteTest = bool (*)(unsigned char byte);

// The test for single-byte code pages.
inline bool NoLeadBytes(unsigned char) { return false; }

// The length of the longest start of `text` (`length` bytes) that is at most
// `limit` bytes long and does not end in the middle of a character.
inline std::size_t CharacterPrefix(const char* text, std::size_t length, std::size_t limit, LeadByteTest isLeadByte) {
    std::size_t end = 0;
    while (end < length) {
        const std::size_t step = isLeadByte(static_cast<unsigned char>(text[end])) && end + 1 < length ? 2 : 1;
        if (end + step > limit) break;
        end += step;
    }
    return end;
}

// Makes sure a field that another module filled ends within its width: a text
// that fills the whole field is cut at the last character boundary that
// leaves room for the terminator.
inline void TerminateField(char* field, std::size_t width, LeadByteTest isLeadByte) {
    if (width == 0 || FieldLength(field, width) < width) return;
    field[CharacterPrefix(field, width, width - 1, isLeadByte)] = '\0';
}

}  // namespace corvane
