#include "state_file.h"

#include <windows.h>

#include <cstring>

namespace palmsim {

std::string OwnDirectory() {
    HMODULE self = nullptr;
    GetModuleHandleExA(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                       reinterpret_cast<LPCSTR>(&OwnDirectory), &self);
    char path[MAX_PATH];
    const DWORD length = GetModuleFileNameA(self, path, MAX_PATH);
    std::string text(path, length < MAX_PATH ? length : 0);
    return text.substr(0, text.find_last_of('\\') + 1);
}

std::string StatePath() { return OwnDirectory() + kStateFileName; }

std::string ReadText(const std::string& section, const std::string& key, const std::string& fallback) {
    char value[4096];
    GetPrivateProfileStringA(section.c_str(), key.c_str(), fallback.c_str(), value, sizeof value, StatePath().c_str());
    return value;
}

void WriteText(const std::string& section, const std::string& key, const std::string& value) {
    WritePrivateProfileStringA(section.c_str(), key.c_str(), value.c_str(), StatePath().c_str());
}

void DeleteKey(const std::string& section, const std::string& key) {
    WritePrivateProfileStringA(section.c_str(), key.c_str(), nullptr, StatePath().c_str());
}

void DeleteSection(const std::string& section) {
    WritePrivateProfileStringA(section.c_str(), nullptr, nullptr, StatePath().c_str());
}

int32_t ReadInt(const std::string& section, const std::string& key, int32_t fallback) {
    const std::string text = ReadText(section, key);
    if (text.empty()) return fallback;
    return static_cast<int32_t>(std::strtol(text.c_str(), nullptr, 10));
}

void WriteInt(const std::string& section, const std::string& key, int32_t value) {
    WriteText(section, key, std::to_string(value));
}

bool HasKey(const std::string& section, const std::string& key) {
    return ReadText(section, key, "\x01") != "\x01";
}

std::vector<std::string> ReadList(const std::string& section, const std::string& key) {
    std::vector<std::string> items;
    const std::string text = ReadText(section, key);
    std::size_t start = 0;
    while (start < text.size()) {
        const std::size_t comma = text.find(',', start);
        const std::size_t end = comma == std::string::npos ? text.size() : comma;
        if (end > start) items.push_back(text.substr(start, end - start));
        start = end + 1;
    }
    return items;
}

void WriteList(const std::string& section, const std::string& key, const std::vector<std::string>& items) {
    std::string text;
    for (const auto& item : items) {
        if (!text.empty()) text += ',';
        text += item;
    }
    WriteText(section, key, text);
}

int32_t CopyOut(const std::string& text, char* buffer, int32_t size, int32_t* needed) {
    if (needed != nullptr) *needed = static_cast<int32_t>(text.size() + 1);
    if (buffer == nullptr || size <= 0) return -1;
    const auto room = static_cast<std::size_t>(size);
    if (text.size() < room) {
        std::memcpy(buffer, text.c_str(), text.size() + 1);
        return 0;
    }
    if (ReadInt("Quirks", "UnterminatedTexts", 0) == 1) {
        std::memcpy(buffer, text.data(), room);
        return 0;
    }
    buffer[0] = '\0';
    return -1;
}

uint32_t CreatorNumber(const std::string& text) {
    uint32_t number = 0;
    for (std::size_t i = 0; i < 4; ++i) {
        number = number << 8 | (i < text.size() ? static_cast<unsigned char>(text[i]) : 0u);
    }
    return number;
}

std::string CreatorText(uint32_t number) {
    std::string text;
    for (int shift = 24; shift >= 0; shift -= 8) {
        const char c = static_cast<char>((number >> shift) & 0xFF);
        if (c != '\0') text += c;
    }
    return text;
}

}  // namespace palmsim
