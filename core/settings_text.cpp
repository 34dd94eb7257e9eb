#include "settings_text.h"

#include <algorithm>
#include <cstddef>
#include <type_traits>

namespace corvane {
namespace {

constexpr char kUtf8Mark[] = "\xEF\xBB\xBF";

template <typename C>
bool IsBlank(C c) {
    return c == C(' ') || c == C('\t') || c == C('\r');
}

template <typename C>
C AsciiUpper(C c) {
    return c >= C('a') && c <= C('z') ? C(c - C('a') + C('A')) : c;
}

template <typename C>
std::basic_string<C> Trimmed(const std::basic_string<C>& text, std::size_t from, std::size_t to) {
    while (from < to && IsBlank(text[from])) ++from;
    while (to > from && IsBlank(text[to - 1])) --to;
    return text.substr(from, to - from);
}

template <typename C>
bool SameName(const std::basic_string<C>& a, const char* b) {
    std::size_t i = 0;
    for (; i < a.size() && b[i] != '\0'; ++i) {
        if (AsciiUpper(a[i]) != C(AsciiUpper(b[i]))) return false;
    }
    return i == a.size() && b[i] == '\0';
}

template <typename C>
std::basic_string<C> Widened(const std::string& ascii) {
    return std::basic_string<C>(ascii.begin(), ascii.end());
}

// One line of the text: where it starts, where its content ends (before
// "\r\n" or "\n") and where the next line starts.
struct Line {
    std::size_t Start;
    std::size_t End;
    std::size_t Next;
};

template <typename C>
std::vector<Line> LinesOf(const std::basic_string<C>& text) {
    std::vector<Line> lines;
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t next = text.find(C('\n'), start);
        next = next == std::basic_string<C>::npos ? text.size() : next + 1;
        std::size_t end = next;
        if (end > start && text[end - 1] == C('\n')) --end;
        if (end > start && text[end - 1] == C('\r')) --end;
        lines.push_back({start, end, next});
        start = next;
    }
    return lines;
}

// For a line that opens a section: true, with its name.
template <typename C>
bool SectionName(const std::basic_string<C>& text, const Line& line, std::basic_string<C>& name) {
    const std::basic_string<C> content = Trimmed(text, line.Start, line.End);
    if (content.empty() || content[0] != C('[')) return false;
    const std::size_t close = content.find(C(']'));
    name = Trimmed(content, 1, close == std::basic_string<C>::npos ? content.size() : close);
    return true;
}

// For a line that holds a key: true, with the key and where its value starts.
template <typename C>
bool KeyOf(const std::basic_string<C>& text, const Line& line, std::basic_string<C>& key, std::size_t& value) {
    const std::size_t equals = text.find(C('='), line.Start);
    if (equals == std::basic_string<C>::npos || equals >= line.End) return false;
    key = Trimmed(text, line.Start, equals);
    value = equals + 1;
    return true;
}

// The lines of the first section named `section`: from its header to the
// line before the next header. False when there is none.
template <typename C>
bool SectionLines(const std::basic_string<C>& text, const std::vector<Line>& lines, const char* section,
                  std::size_t& header, std::size_t& end) {
    bool found = false;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        std::basic_string<C> name;
        if (!SectionName(text, lines[i], name)) continue;
        if (found) {
            end = i;
            return true;
        }
        if (SameName(name, section)) {
            found = true;
            header = i;
        }
    }
    end = lines.size();
    return found;
}

template <typename C>
bool Find(const std::basic_string<C>& text, const char* section, const char* key, std::string& value) {
    const std::vector<Line> lines = LinesOf(text);
    std::size_t header = 0;
    std::size_t end = 0;
    if (!SectionLines(text, lines, section, header, end)) return false;
    for (std::size_t i = header + 1; i < end; ++i) {
        std::basic_string<C> name;
        std::size_t at = 0;
        if (!KeyOf(text, lines[i], name, at) || !SameName(name, key)) continue;
        std::basic_string<C> found = Trimmed(text, at, lines[i].End);
        const bool quoted = found.size() >= 2 && (found[0] == C('"') || found[0] == C('\'')) && found.back() == found[0];
        if (quoted) found = found.substr(1, found.size() - 2);
        value.clear();
        for (C c : found) value.push_back(static_cast<std::make_unsigned_t<C>>(c) < 0x80 ? static_cast<char>(c) : '?');
        return true;
    }
    return false;
}

template <typename C>
std::basic_string<C> LineBreakOf(const std::basic_string<C>& text) {
    const std::size_t first = text.find(C('\n'));
    if (first != std::basic_string<C>::npos && (first == 0 || text[first - 1] != C('\r'))) return Widened<C>("\n");
    return Widened<C>("\r\n");
}

template <typename C>
void Set(std::basic_string<C>& text, const char* section, const SettingValues& values) {
    const std::basic_string<C> lineBreak = LineBreakOf(text);
    std::vector<Line> lines = LinesOf(text);
    std::size_t header = 0;
    std::size_t end = 0;
    if (!SectionLines(text, lines, section, header, end)) {
        if (!text.empty() && text.back() != C('\n')) text += lineBreak;
        text += Widened<C>(std::string("[") + section + "]") + lineBreak;
        lines = LinesOf(text);
        header = lines.size() - 1;
        end = lines.size();
    }
    // Changed from the back, so that the positions before a change stay valid.
    std::basic_string<C> added;
    std::vector<std::pair<std::size_t, std::basic_string<C>>> replaced;
    for (const auto& [key, value] : values) {
        bool present = false;
        for (std::size_t i = header + 1; i < end && !present; ++i) {
            std::basic_string<C> name;
            std::size_t at = 0;
            if (!KeyOf(text, lines[i], name, at) || !SameName(name, key)) continue;
            present = true;
            replaced.emplace_back(i, text.substr(lines[i].Start, at - lines[i].Start) + Widened<C>(value));
        }
        if (!present) added += Widened<C>(std::string(key) + "=" + value) + lineBreak;
    }
    // New keys go after the section's last line that is not blank.
    std::size_t last = header;
    for (std::size_t i = header + 1; i < end; ++i) {
        if (!Trimmed(text, lines[i].Start, lines[i].End).empty()) last = i;
    }
    std::size_t insertAt = lines[last].Next;
    if (!added.empty()) {
        if (lines[last].Next == lines[last].End) added = lineBreak + added;  // the last line had no break
        text.insert(insertAt, added);
    }
    std::sort(replaced.begin(), replaced.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
    for (auto change = replaced.rbegin(); change != replaced.rend(); ++change) {
        const Line& line = lines[change->first];
        text.replace(line.Start, line.End - line.Start, change->second);
    }
}

}  // namespace

SettingsText DecodeSettingsText(const std::string& bytes) {
    SettingsText text;
    const bool le = bytes.size() >= 2 && bytes[0] == '\xFF' && bytes[1] == '\xFE';
    const bool be = bytes.size() >= 2 && bytes[0] == '\xFE' && bytes[1] == '\xFF';
    if (le || be) {
        text.Encoding = le ? TextEncoding::Utf16Le : TextEncoding::Utf16Be;
        for (std::size_t at = 2; at + 1 < bytes.size(); at += 2) {
            const auto first = static_cast<unsigned char>(bytes[at]);
            const auto second = static_cast<unsigned char>(bytes[at + 1]);
            text.Wide.push_back(static_cast<char16_t>(le ? first | second << 8 : second | first << 8));
        }
        return text;
    }
    const bool utf8 = bytes.compare(0, 3, kUtf8Mark) == 0;
    text.Encoding = utf8 ? TextEncoding::Utf8 : TextEncoding::Ansi;
    text.Narrow = utf8 ? bytes.substr(3) : bytes;
    return text;
}

std::string EncodeSettingsText(const SettingsText& text) {
    switch (text.Encoding) {
        case TextEncoding::Ansi: return text.Narrow;
        case TextEncoding::Utf8: return kUtf8Mark + text.Narrow;
        default: break;
    }
    const bool le = text.Encoding == TextEncoding::Utf16Le;
    std::string bytes = le ? "\xFF\xFE" : "\xFE\xFF";
    for (const char16_t unit : text.Wide) {
        const char low = static_cast<char>(unit & 0xFF);
        const char high = static_cast<char>(unit >> 8);
        bytes.push_back(le ? low : high);
        bytes.push_back(le ? high : low);
    }
    return bytes;
}

bool FindSetting(const SettingsText& text, const char* section, const char* key, std::string& value) {
    const bool wide = text.Encoding == TextEncoding::Utf16Le || text.Encoding == TextEncoding::Utf16Be;
    return wide ? Find(text.Wide, section, key, value) : Find(text.Narrow, section, key, value);
}

uint32_t ProfileInteger(const std::string& value, uint32_t fallback) {
    if (value.empty()) return fallback;
    std::size_t at = 0;
    while (at < value.size() && (value[at] == ' ' || value[at] == '\t')) ++at;
    bool negative = false;
    if (at < value.size() && (value[at] == '-' || value[at] == '+')) negative = value[at++] == '-';
    uint32_t base = 10;
    if (at + 1 < value.size() && value[at] == '0') {
        const char mark = static_cast<char>(value[at + 1] | 0x20);
        base = mark == 'x' ? 16 : mark == 'o' ? 8 : mark == 'b' ? 2 : 10;
        if (base != 10) at += 2;
    }
    uint32_t result = 0;
    for (; at < value.size(); ++at) {
        const char c = value[at];
        const char lower = static_cast<char>(c | 0x20);
        const uint32_t digit = c >= '0' && c <= '9'           ? static_cast<uint32_t>(c - '0')
                               : lower >= 'a' && lower <= 'f' ? static_cast<uint32_t>(lower - 'a' + 10)
                                                              : base;
        if (digit >= base) break;
        result = result * base + digit;
    }
    return negative ? 0u - result : result;
}

void SetSettings(SettingsText& text, const char* section, const SettingValues& values) {
    const bool wide = text.Encoding == TextEncoding::Utf16Le || text.Encoding == TextEncoding::Utf16Be;
    if (wide) {
        Set(text.Wide, section, values);
    } else {
        Set(text.Narrow, section, values);
    }
}

}  // namespace corvane
