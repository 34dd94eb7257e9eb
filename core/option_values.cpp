#include "option_values.h"

#include <cstdio>
#include <string>

namespace corvane {

int32_t OptionFromStored(bool isFlag, uint32_t stored) {
    const auto value = static_cast<int32_t>(stored);
    if (!isFlag) return value;
    return value == 1 ? 1 : 0;
}

void OptionText(bool isFlag, int32_t value, char (&text)[kOptionTextSize]) {
    if (isFlag) {
        std::snprintf(text, sizeof text, "%s", value != 0 ? "1" : "0");
    } else {
        std::snprintf(text, sizeof text, "%d", static_cast<int>(value));
    }
}

}  // namespace corvane

namespace corvane {
namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

char AsciiUpper(char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c; }

// For a line that opens a section ("[name]", blanks allowed around): true,
// with the name in `name`.
bool SectionHeader(const std::string& line, std::string& name) {
    std::size_t at = 0;
    while (at < line.size() && IsBlank(line[at])) ++at;
    if (at == line.size() || line[at] != '[') return false;
    const std::size_t close = line.find(']', at + 1);
    name = line.substr(at + 1, close == std::string::npos ? std::string::npos : close - at - 1);
    return true;
}

bool SameName(const std::string& a, const char* b) {
    std::size_t i = 0;
    for (; i < a.size() && b[i] != '\0'; ++i) {
        if (AsciiUpper(a[i]) != AsciiUpper(b[i])) return false;
    }
    return i == a.size() && b[i] == '\0';
}

}  // namespace

std::string SettingsFileText(const std::string& previous, const char* name, const std::string& section) {
    std::string before;
    std::string after;
    std::string* out = &before;
    std::size_t start = 0;
    while (start < previous.size()) {
        std::size_t end = previous.find('\n', start);
        end = end == std::string::npos ? previous.size() : end + 1;
        const std::string line = previous.substr(start, end - start);
        std::string header;
        if (SectionHeader(line, header)) out = SameName(header, name) ? nullptr : &after;
        if (out != nullptr) {
            out->append(line);
            // A last line without its end gets one, so the next section starts on a line of its own.
            if (line.back() != '\n') out->append("\r\n");
        }
        start = end;
    }
    return before + section + after;
}

}  // namespace corvane
